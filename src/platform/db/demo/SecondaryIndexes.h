#pragma once
// The secondary indexes of tables, as the schema script defines them, so that a bulk
// load can drop them first and build them again afterwards.
#include "platform/db/Database.h"

namespace ksiega::db::demo {

struct IndexDefinition {
    QString name;
    QString table;
    QString createSql;   // the CREATE INDEX statement of the schema
};

// The CREATE INDEX statements of the schema script for the given tables (names as written there).
std::vector<IndexDefinition> secondaryIndexes(const Dialect& dialect, const QStringList& tables);
void dropIndexes(Database& db, const std::vector<IndexDefinition>& indexes);
void createIndexes(Database& db, const std::vector<IndexDefinition>& indexes);

} // namespace ksiega::db::demo
