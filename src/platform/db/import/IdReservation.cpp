#include "platform/db/import/IdReservation.h"

namespace ksiega::db::import {

void lockDocumentTables(Database& db) {
    if (db.engine() == Engine::Postgres) {
        db.execute(QStringLiteral("LOCK TABLE NAG_DOK, POZ_DOK IN EXCLUSIVE MODE"));
    } else {
        // A write that changes nothing still takes the database's write lock.
        db.execute(QStringLiteral("update NAG_DOK set status = status where 1 = 0"));
    }
}

// Table and column names below are the callers' constants, never user text.
int64_t reserveIds(Database& db, const QString& table, const QString& column, int64_t count) {
    const int64_t afterMax =
        db.scalarInt(QStringLiteral("select coalesce(max(%1), 0) + 1 from %2").arg(column, table)).value_or(1);
    if (db.engine() == Engine::Sqlite || count == 0) return afterMax;
    // The sequence may be ahead of the table (rolled-back inserts); never go below it.
    const int64_t fromSequence =
        db.scalarInt(QStringLiteral("select nextval(pg_get_serial_sequence(?, ?))"), {table.toLower(), column}).value_or(1);
    return std::max(afterMax, fromSequence);
}

void advanceIdentity(Database& db, const QString& table, const QString& column, int64_t lastId) {
    if (db.engine() != Engine::Postgres || lastId <= 0) return;
    db.scalarInt(QStringLiteral("select setval(pg_get_serial_sequence(?, ?), ?)"), {table.toLower(), column, lastId});
}

} // namespace ksiega::db::import
