#pragma once
// How a database is opened. Database::open creates what is missing (the demo, the tests);
// commands that work on an existing ledger open it without creating anything, and those that
// only read open it read-only, so they work on a file the user may only read.
#include "platform/db/Database.h"

namespace ksiega::db {

enum class OpenMode {
    Create,     // a missing SQLite file and folder, or PostgreSQL schema, is created
    Existing,   // read and write; a missing file or schema is an error
    ReadOnly,   // read only; a missing file or schema is an error
};

// "sqlite:PATH" or "postgresql://...[?schema=NAME]" opened as `mode` says. Throws DbError.
std::unique_ptr<Database> openDatabase(const QString& url, OpenMode mode);

} // namespace ksiega::db
