#include "platform/db/Dialect.h"
#include "platform/db/Database.h"

namespace ksiega::db {

int64_t Dialect::afterLargestId(Database& db, const QString& table, const QString& column) {
    return db.scalarInt(QStringLiteral("select coalesce(max(%1), 0) + 1 from %2").arg(column, table)).value_or(1);
}

} // namespace ksiega::db
