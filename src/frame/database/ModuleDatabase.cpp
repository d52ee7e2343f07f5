#include "frame/database/ModuleDatabase.h"
#include "frame/SessionContext.h"
#include <memory>

namespace ksiega {

namespace {
thread_local db::Database* lent = nullptr;
thread_local std::unique_ptr<db::Database> owned;
thread_local QString ownedUrl;
} // namespace

db::Database& moduleDatabase() {
    if (lent) return *lent;
    const QString url = session().databaseUrl;
    if (url.isEmpty()) throw db::DbError(QStringLiteral("Nie wybrano bazy danych."));
    if (!owned || ownedUrl != url) {
        owned = db::Database::open(url);
        ownedUrl = url;
    }
    return *owned;
}

void lendDatabase(db::Database* connection) { lent = connection; }

} // namespace ksiega
