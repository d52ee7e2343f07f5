#include "platform/db/demo/BulkJournal.h"

namespace ksiega::db::demo {

BulkJournal::BulkJournal(Database& db) : m_db(db) {
    m_switched = db.dialect().beginBulkJournal(db);
}

BulkJournal::~BulkJournal() {
    if (!m_switched) return;
    try { m_db.dialect().endBulkJournal(m_db); } catch (...) {}
}

} // namespace ksiega::db::demo
