#pragma once
// Rows loaded with ids chosen by the loader (bulk loads) leave PostgreSQL's identity
// sequence behind; the next ordinary insert would collide. These helpers hand out id
// ranges and move the sequence past them. SQLite needs nothing: it continues from max(id).
#include "platform/db/Database.h"

namespace ksiega::db::demo {

// The first free id of a table's identity column (max + 1).
int64_t nextFreeId(Database& db, const QString& table, const QString& idColumn);
// Moves the identity sequence of table.idColumn past the largest id in the table.
void syncIdentity(Database& db, const QString& table, const QString& idColumn);

} // namespace ksiega::db::demo
