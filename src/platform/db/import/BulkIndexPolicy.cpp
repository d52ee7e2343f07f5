#include "platform/db/import/BulkIndexPolicy.h"

namespace ksiega::db::import {

namespace {
constexpr int64_t kMinimumRows = 20000;
}

// A rebuild sorts every row of the table, old and new, once per index; an insert puts only
// the new rows into each index. Loading 1,000,000 lines into a year of 1,000,000 (SQLite,
// every index of POZ_DOK and NAG_DOK) took 38 s of CPU with a rebuild and 34 s without, so
// dropping the indexes pays only when the new rows clearly outnumber the old ones: a first
// load into an empty or small year.
bool BulkIndexPolicy::rebuildPays(const Dialect& dialect, int64_t existingRows, int64_t newRows) {
    return dialect.rebuildsIndexesAfterBulkLoad() && newRows >= kMinimumRows && newRows >= 3 * existingRows;
}

void BulkIndexPolicy::prepare(const QString& table, int64_t existingRows, int64_t newRows) {
    if (!rebuildPays(m_db.dialect(), existingRows, newRows)) return;
    const auto indexes = demo::secondaryIndexes(m_db.dialect(), {table});
    demo::dropIndexes(m_db, indexes);
    m_dropped.insert(m_dropped.end(), indexes.begin(), indexes.end());
}

void BulkIndexPolicy::rebuild() {
    demo::createIndexes(m_db, m_dropped);
    m_dropped.clear();
}

} // namespace ksiega::db::import
