#include "platform/db/demo/IdentitySync.h"

namespace ksiega::db::demo {

// Table and column names here are the schema's own identifiers, given by code, never by a person.

int64_t nextFreeId(Database& db, const QString& table, const QString& idColumn) {
    return db.scalarInt(QStringLiteral("select coalesce(max(%1), 0) + 1 from %2").arg(idColumn, table)).value_or(1);
}

void syncIdentity(Database& db, const QString& table, const QString& idColumn) {
    if (db.engine() != Engine::Postgres) return;
    db.select(QStringLiteral("select setval(pg_get_serial_sequence('%1', '%2'), coalesce(max(%2), 0) + 1, false) from %3")
                  .arg(table.toLower(), idColumn.toLower(), table))
        .next();
}

} // namespace ksiega::db::demo
