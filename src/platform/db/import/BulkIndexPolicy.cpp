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
// the new rows into each index, but each at a random place. With the twenty indexes POZ_DOK
// has now, copying 1,000,000 lines into a year of 1,000,000 on SQLite took 111 s of CPU
// with the indexes kept and 93 s dropping them, loading (3 s) and building them again, in
// 17 minutes instead of 28 at a load of 15 on two cores (the builds sort on two threads).
// The rebuild grows with the whole table (about 45 s per million rows) and the insert with
// the new lines (about 105 s per million), so they meet near three new lines for four old
// ones: the rebuild is taken from one new line for each old one.
bool BulkIndexPolicy::rebuildPays(const Dialect& dialect, int64_t existingRows, int64_t newRows) {
    return dialect.rebuildsIndexesAfterBulkLoad() && newRows >= kMinimumRows && newRows >= existingRows;
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
