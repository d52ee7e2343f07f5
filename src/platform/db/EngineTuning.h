#pragma once
// Engine settings that one piece of work changes for a while and gives back: the planner's
// way of reading many rows, and the page cache of a large write.
#include "platform/db/Database.h"

namespace ksiega::db {

// The page cache every SQLite connection keeps, in KiB.
inline constexpr int64_t kSqliteCacheKiB = 262144;

// For the statements that follow in the transaction (until called with false): rows found
// through an index are read page by page instead of one table visit per index entry. For a
// statement known to read many rows whose filter the planner underestimates (PostgreSQL:
// no plain index scans; SQLite plans alone).
void preferPageOrderReads(Database& db, bool on);

// Around a transaction that changes more pages than a connection keeps in memory (a large
// import into a large year): the changed pages stay in memory until the commit instead of
// being written out to the log, read back and written again while the load goes on
// (SQLite: a page cache of up to `bytes`, bounded; PostgreSQL: the server's shared buffers
// hold them, nothing per connection). End it after the commit.
void beginLargeWrite(Database& db, int64_t bytes);
void endLargeWrite(Database& db);

} // namespace ksiega::db
