#pragma once
// The database a demo is created in. An existing database that holds anything is refused
// unless the caller forces it; then a SQLite file is deleted (with its WAL files) and a
// PostgreSQL schema loses every table and view it holds (the schema itself stays).
#include "platform/db/Database.h"

namespace ksiega::db::demo {

// Opens the database at `url`, empty. Throws DbError when it is not empty and !force.
std::unique_ptr<Database> openEmptyDatabase(const QString& url, bool force);

} // namespace ksiega::db::demo
