#pragma once
// Opening the database for the application and the screenshot command: an embedded
// database must already exist and hold the ledger's tables, else the person is told how
// to create it instead of getting an empty new file.
#include "host/SessionLoader.h"
#include "host/Subcommands.h"

namespace ksiega::host {

// --db URL, or the embedded demo database. Throws UsageError.
std::unique_ptr<db::Database> openExistingDatabase(const Arguments& args);

// --company, --year, --user, --date as given; what is missing stays empty.
SessionChoice choiceFromArguments(db::Database& db, const Arguments& args);
// All of --company, --year and --user given.
bool choiceComplete(const Arguments& args);

} // namespace ksiega::host
