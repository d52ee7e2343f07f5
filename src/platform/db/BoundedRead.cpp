#include "platform/db/BoundedRead.h"
#include "platform/db/Engine.h"

namespace ksiega::db {

BoundedRead::BoundedRead(Database& db, int limitMs) : m_db(db) {
    if (engineOf(db) != Engine::Postgres) return;
    Rows r = db.select(QStringLiteral("select current_setting('statement_timeout'), "
                                      "set_config('statement_timeout', ?, false)"),
                       {QString::number(limitMs)});
    if (r.next()) m_previous = r.text(0);
    while (r.next()) {}
}

BoundedRead::~BoundedRead() {
    if (!m_previous) return;
    try {
        m_db.select(QStringLiteral("select set_config('statement_timeout', ?, false)"), {*m_previous}).next();
    } catch (...) {
        // Inside a failed transaction: its rollback puts the setting back.
    }
}

} // namespace ksiega::db
