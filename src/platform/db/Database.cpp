#include "platform/db/Database.h"
#include "platform/db/PostgresDatabase.h"
#include "platform/db/SqliteDatabase.h"

namespace ksiega::db {

SqlValue Rows::value(int c) const {
    if (isNull(c)) return {};
    return SqlValue(text(c));
}

std::unique_ptr<Database> Database::open(const QString& url) {
    if (url.startsWith(QLatin1String("sqlite:")))
        return std::make_unique<SqliteDatabase>(url.mid(7));
    if (url.startsWith(QLatin1String("postgresql://")) || url.startsWith(QLatin1String("postgres://")))
        return std::make_unique<PostgresDatabase>(url);
    throw DbError(QStringLiteral("Nieznany adres bazy danych: %1 (sqlite:PLIK lub postgresql://...)").arg(url));
}

std::optional<int64_t> Database::scalarInt(const QString& sql, const Params& params) {
    Rows rows = select(sql, params);
    if (!rows.next() || rows.isNull(0)) return std::nullopt;
    return rows.int64(0);
}

std::optional<QString> Database::scalarText(const QString& sql, const Params& params) {
    Rows rows = select(sql, params);
    if (!rows.next() || rows.isNull(0)) return std::nullopt;
    return rows.text(0);
}

int64_t Database::insertReturningId(const QString& sql, const Params& params) {
    Rows rows = select(sql, params);
    if (!rows.next()) throw DbError(QStringLiteral("INSERT returned no id"), sql);
    const int64_t id = rows.int64(0);
    while (rows.next()) {}
    return id;
}

void Database::begin() {
    rawExecute(m_depth == 0 ? QStringLiteral("BEGIN") : QStringLiteral("SAVEPOINT sp%1").arg(m_depth));
    ++m_depth;
}

void Database::commit() {
    if (m_depth == 0) throw DbError(QStringLiteral("commit without a transaction"));
    --m_depth;
    rawExecute(m_depth == 0 ? QStringLiteral("COMMIT") : QStringLiteral("RELEASE SAVEPOINT sp%1").arg(m_depth));
}

void Database::rollback() {
    if (m_depth == 0) return;
    --m_depth;
    if (m_depth == 0) rawExecute(QStringLiteral("ROLLBACK"));
    else rawExecute(QStringLiteral("ROLLBACK TO SAVEPOINT sp%1").arg(m_depth)),
         rawExecute(QStringLiteral("RELEASE SAVEPOINT sp%1").arg(m_depth));
}

} // namespace ksiega::db
