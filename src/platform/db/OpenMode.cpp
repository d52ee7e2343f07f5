#include "platform/db/OpenMode.h"
#include "platform/db/PostgresDatabase.h"
#include "platform/db/SqliteDatabase.h"

namespace ksiega::db {

std::unique_ptr<Database> openDatabase(const QString& url, OpenMode mode) {
    if (url.startsWith(QLatin1String("sqlite:"))) return std::make_unique<SqliteDatabase>(url.mid(7), mode);
    if (url.startsWith(QLatin1String("postgresql://")) || url.startsWith(QLatin1String("postgres://")))
        return std::make_unique<PostgresDatabase>(url, mode);
    return Database::open(url); // refuses the address with its own message
}

} // namespace ksiega::db
