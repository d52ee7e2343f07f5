#include "platform/db/import/BulkIndexPolicy.h"

namespace ksiega::db::import {

namespace {
constexpr int64_t kMinimumRows = 20000;
}

bool BulkIndexPolicy::rebuildPays(const Dialect& dialect, int64_t existingRows, int64_t newRows) {
    return dialect.rebuildsIndexesAfterBulkLoad() && newRows >= kMinimumRows && newRows * 4 >= existingRows;
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
