#pragma once
// Index upkeep of a large import on SQLite: when the import adds at least three times as
// many rows as a table already holds (and enough rows to matter), the table's secondary
// indexes are dropped inside the import's transaction and built again, sorted, after the
// load, which is then cheaper than inserting every row into every index. Readers keep
// their snapshot (WAL), so they see neither the drop nor the load until the commit.
// On PostgreSQL the indexes stay: dropping them would lock readers out.
#include "platform/db/Database.h"
#include "platform/db/demo/SecondaryIndexes.h"

namespace ksiega::db::import {

class BulkIndexPolicy {
public:
    // `existingRows`: the rows the table may hold already (an upper bound is fine).
    static bool rebuildPays(const Dialect& dialect, int64_t existingRows, int64_t newRows);

    explicit BulkIndexPolicy(Database& db) : m_db(db) {}
    // Drops the secondary indexes of `table` when rebuilding them pays; call inside the transaction.
    void prepare(const QString& table, int64_t existingRows, int64_t newRows);
    // Builds the dropped indexes again (inside the same transaction).
    void rebuild();
    bool rebuilding() const { return !m_dropped.empty(); }

private:
    Database& m_db;
    std::vector<demo::IndexDefinition> m_dropped;
};

} // namespace ksiega::db::import
