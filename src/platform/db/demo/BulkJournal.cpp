#include "platform/db/demo/BulkJournal.h"

namespace ksiega::db::demo {

BulkJournal::BulkJournal(Database& db) : m_db(db) {
    if (db.engine() != Engine::Sqlite || db.transactionDepth() > 0) return;
    try {
        m_switched = db.scalarText(QStringLiteral("PRAGMA journal_mode=DELETE")).value_or(QString()).toLower() == QLatin1String("delete");
    } catch (const DbError&) {
        m_switched = false;   // busy: another connection has the file open; keep the log
    }
}

BulkJournal::~BulkJournal() {
    if (!m_switched) return;
    try { m_db.scalarText(QStringLiteral("PRAGMA journal_mode=WAL")); } catch (...) {}
}

} // namespace ksiega::db::demo
