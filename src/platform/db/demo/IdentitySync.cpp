#include "platform/db/demo/IdentitySync.h"

namespace ksiega::db::demo {

// Table and column names here are the schema's own identifiers, given by code, never by a person.

int64_t nextFreeId(Database& db, const QString& table, const QString& idColumn) {
    return db.scalarInt(QStringLiteral("select coalesce(max(%1), 0) + 1 from %2").arg(idColumn, table)).value_or(1);
}

void syncIdentity(Database& db, const QString& table, const QString& idColumn) {
    db.dialect().syncIdentity(db, table, idColumn);
}

} // namespace ksiega::db::demo
