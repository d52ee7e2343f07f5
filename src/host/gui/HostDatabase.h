#pragma once
// Opening the database for the application and the screenshot command: an embedded
// database must already exist and hold the ledger's tables, else the person is told how
// to create it instead of getting an empty new file.
#include "host/SessionLoader.h"
#include "host/Subcommands.h"
#include "platform/db/OpenMode.h"

namespace ksiega::host {

// --db URL, or the embedded demo database, brought up to the current schema. Nothing is
// created: a missing file, folder or schema is a UsageError that says how to create it.
// ReadOnly opens it for reading only (a file the user may only read; an outdated schema is
// upgraded first through a connection of its own). Throws UsageError.
std::unique_ptr<db::Database> openExistingDatabase(const Arguments& args,
                                                   db::OpenMode mode = db::OpenMode::Existing);

// --company, --year, --user, --date as given; what is missing stays empty.
SessionChoice choiceFromArguments(db::Database& db, const Arguments& args);
// All of --company, --year and --user given.
bool choiceComplete(const Arguments& args);

} // namespace ksiega::host
