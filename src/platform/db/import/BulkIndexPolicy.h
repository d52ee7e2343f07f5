#pragma once
// Index upkeep of a large import on SQLite: when the import adds at least three times as
// many rows as a table already holds (and enough rows to matter), the table's secondary
// indexes are dropped inside the import's transaction and built again, sorted, after the
// load, which is then cheaper than inserting every row into every index. Readers keep
// their snapshot (WAL), so they see neither the drop nor the load until the commit.
// On PostgreSQL the indexes stay: dropping them would lock readers out.
//
// A load large enough to matter also keeps every page it changes in memory until the
// commit (SQLite: a wider page cache for the transaction): with the indexes kept, each new
// line lands at a random place in every index, and a cache smaller than the indexes writes
// the same pages out to the log again and again before the commit.
#include "platform/db/Database.h"
#include "platform/db/demo/SecondaryIndexes.h"

namespace ksiega::db::import {

class BulkIndexPolicy {
public:
    // `existingRows`: the rows the table may hold already (an upper bound is fine).
    static bool rebuildPays(const Dialect& dialect, int64_t existingRows, int64_t newRows);

    explicit BulkIndexPolicy(Database& db) : m_db(db) {}
    // Gives back the connection's usual page cache: keep the policy until after the commit,
    // which writes the pages the load kept.
    ~BulkIndexPolicy();
    BulkIndexPolicy(const BulkIndexPolicy&) = delete;
    BulkIndexPolicy& operator=(const BulkIndexPolicy&) = delete;
    // Drops the secondary indexes of `table` when rebuilding them pays; call inside the transaction.
    void prepare(const QString& table, int64_t existingRows, int64_t newRows);
    // Builds the dropped indexes again (inside the same transaction).
    void rebuild();
    bool rebuilding() const { return !m_dropped.empty(); }

private:
    Database& m_db;
    std::vector<demo::IndexDefinition> m_dropped;
    bool m_largeWrite = false;
};

} // namespace ksiega::db::import
