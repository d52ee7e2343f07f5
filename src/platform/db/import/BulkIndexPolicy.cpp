#include "platform/db/import/BulkIndexPolicy.h"
#include "platform/db/EngineTuning.h"

namespace ksiega::db::import {

namespace {
constexpr int64_t kMinimumRows = 20000;
// What a line of the year takes on disk with every index of the table (about 640 MB for
// a 1,000,000-line demo year), to bound the pages a load into the year may touch.
constexpr int64_t kBytesPerLine = 700;
} // namespace

BulkIndexPolicy::~BulkIndexPolicy() {
    if (!m_largeWrite) return;
    try {
        endLargeWrite(m_db);
    } catch (...) {
        // A connection that cannot take a setting any more is being given up.
    }
}

// A rebuild sorts every row of the table, old and new, once per index; an insert puts only
// the new rows into each index. Loading 1,000,000 lines into a year of 1,000,000 (SQLite,
// the twenty indexes of POZ_DOK and those of NAG_DOK, the import's own path) took 88 s of
// CPU with a rebuild and 51 s without (the bare load of the same rows: 48 s), so dropping
// the indexes pays only when the new rows clearly outnumber the old ones: a first load
// into an empty or small year.
bool BulkIndexPolicy::rebuildPays(const Dialect& dialect, int64_t existingRows, int64_t newRows) {
    return dialect.rebuildsIndexesAfterBulkLoad() && newRows >= kMinimumRows && newRows >= 3 * existingRows;
}

void BulkIndexPolicy::prepare(const QString& table, int64_t existingRows, int64_t newRows) {
    if (newRows >= kMinimumRows && !m_largeWrite) {
        beginLargeWrite(m_db, (existingRows + newRows) * kBytesPerLine);
        m_largeWrite = true;
    }
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
