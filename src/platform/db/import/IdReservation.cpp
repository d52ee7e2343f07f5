#include "platform/db/import/IdReservation.h"

namespace ksiega::db::import {

void lockDocumentTables(Database& db) {
    db.dialect().lockForWriting(db, {QStringLiteral("NAG_DOK"), QStringLiteral("POZ_DOK")});
}

int64_t reserveIds(Database& db, const QString& table, const QString& column, int64_t count) {
    return db.dialect().reserveIds(db, table, column, count);
}

void advanceIdentity(Database& db, const QString& table, const QString& column, int64_t lastId) {
    db.dialect().advanceIdentity(db, table, column, lastId);
}

} // namespace ksiega::db::import
