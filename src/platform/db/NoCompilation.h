#pragma once
// For the rest of the transaction: no compilation of statements to machine code. Work
// tables have no planner statistics, so a small join over them can look costly enough to
// be compiled (PostgreSQL's JIT), which then takes longer than running it many times over.
// Nothing to do on SQLite.
#include "platform/db/Database.h"

namespace ksiega::db {

void setLocalNoCompilation(Database& db);

} // namespace ksiega::db
