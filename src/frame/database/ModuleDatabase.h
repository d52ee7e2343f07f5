#pragma once
// The module's connection to the ledger database: one per thread (windows on the GUI
// thread, printouts on threads of their own), opened on first use from the session's
// databaseUrl. A thread that ends closes its connection with it.
#include "platform/db/Database.h"

namespace ksiega {

// Throws db::DbError when the session has no database or it cannot be opened.
db::Database& moduleDatabase();
// Lends an already open connection to the calling thread (the host's own, or a test's);
// moduleDatabase() then returns it until lendDatabase(nullptr).
void lendDatabase(db::Database* connection);

} // namespace ksiega
