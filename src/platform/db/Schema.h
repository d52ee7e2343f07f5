#pragma once
// The one schema of the ledger database, for SQLite and PostgreSQL alike. The table and
// view definitions are the .sql files beside this one; {{ID}} stands for the engine's
// identity primary key and {{ENTRY_VIEWS}} for the generated entry views (EntryViews.h);
// a file named NN_name<dialect's schema file suffix>, e.g. NN_name.sqlite.sql, holds the
// form one engine reads best of definitions that give both the same rows.
#include "platform/db/Database.h"

namespace ksiega::db {

constexpr int kSchemaVersion = 14;

// Creates every table, view and index in an empty database (one transaction).
// Does nothing when the schema is already there at the current version; later versions
// migrate here. Throws DbError.
void createSchema(Database& db);
// A ledger of an older schema version is brought up to the current one (one
// transaction); nothing happens to a database without a schema or at the current
// version. Throws DbError for a newer version.
void upgradeSchema(Database& db);
int schemaVersion(Database& db);   // 0 when there is no schema
QString schemaSql(const Dialect& dialect);  // the whole script, as sent to the engine

} // namespace ksiega::db
