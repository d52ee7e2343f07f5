#include "platform/db/SqliteDatabase.h"
#include "platform/db/EngineTuning.h"
#include "platform/db/Engine.h"
#include "platform/db/ExactInteger.h"
#include <QDir>
#include <QFileInfo>
#include <QUrl>
#include <sqlite3.h>

namespace ksiega::db {

namespace {

// left(text, n): the first n characters, as on the server.
void sqlLeft(sqlite3_context* ctx, int, sqlite3_value** argv) {
    if (sqlite3_value_type(argv[0]) == SQLITE_NULL) { sqlite3_result_null(ctx); return; }
    const QString s = QString::fromUtf8(reinterpret_cast<const char*>(sqlite3_value_text(argv[0])));
    const QByteArray r = s.left(qMax(0, sqlite3_value_int(argv[1]))).toUtf8();
    sqlite3_result_text(ctx, r.constData(), r.size(), SQLITE_TRANSIENT);
}

class SqliteCursor : public Cursor {
public:
    SqliteCursor(SqliteDatabase& db, sqlite3_stmt* stmt, QString sql) : m_db(db), m_stmt(stmt), m_sql(std::move(sql)) {}
    ~SqliteCursor() override { sqlite3_finalize(m_stmt); }
    bool next() override {
        if (m_done) return false;
        const int rc = sqlite3_step(m_stmt);
        if (rc == SQLITE_ROW) return true;
        m_done = true;
        if (rc != SQLITE_DONE) m_db.fail(m_sql);
        return false;
    }
    int columnCount() const override { return sqlite3_column_count(m_stmt); }
    QString columnName(int c) const override { return QString::fromUtf8(sqlite3_column_name(m_stmt, c)); }
    bool isNull(int c) const override { return sqlite3_column_type(m_stmt, c) == SQLITE_NULL; }
    // A REAL or a text is read as a whole number only when it is exactly one.
    int64_t int64(int c) const override {
        std::optional<int64_t> value;
        switch (sqlite3_column_type(m_stmt, c)) {
        case SQLITE_INTEGER:
        case SQLITE_NULL: return sqlite3_column_int64(m_stmt, c);
        case SQLITE_FLOAT: value = exactInteger(sqlite3_column_double(m_stmt, c)); break;
        case SQLITE_TEXT:
            value = exactInteger(QByteArrayView(reinterpret_cast<const char*>(sqlite3_column_text(m_stmt, c)),
                                                sqlite3_column_bytes(m_stmt, c)));
            break;
        default: break;
        }
        if (!value)
            throw DbError(QStringLiteral("Kolumna %1 ma wartość „%2”, a nie liczbę całkowitą.").arg(columnName(c), text(c)), m_sql);
        return *value;
    }
    QString text(int c) const override {
        const auto* p = reinterpret_cast<const char*>(sqlite3_column_text(m_stmt, c));
        return p ? QString::fromUtf8(p, sqlite3_column_bytes(m_stmt, c)) : QString();
    }

private:
    SqliteDatabase& m_db;
    sqlite3_stmt* m_stmt;
    QString m_sql;
    bool m_done = false;
};

class SqliteBulkWriter : public BulkWriter {
public:
    SqliteBulkWriter(SqliteDatabase& db, QString sql) : m_db(db), m_sql(std::move(sql)) {
        m_stmt = db.prepare(m_sql, {});
        m_texts.resize(size_t(sqlite3_bind_parameter_count(m_stmt)));
    }
    ~SqliteBulkWriter() override { sqlite3_finalize(m_stmt); }
    void add(const Params& row) override {
        for (int i = 0; i < int(row.size()); ++i) {
            const SqlValue& v = row[i];
            if (v.isNull()) sqlite3_bind_null(m_stmt, i + 1);
            else if (v.isInteger()) sqlite3_bind_int64(m_stmt, i + 1, v.toInt64());
            else {
                // The row outlives the step: SQLite reads the UTF-16 text in place, without a copy.
                const QString& t = m_texts[size_t(i)] = v.toText();
                sqlite3_bind_text16(m_stmt, i + 1, t.utf16(), int(t.size() * 2), SQLITE_STATIC);
            }
        }
        if (sqlite3_step(m_stmt) != SQLITE_DONE) m_db.fail(m_sql);
        sqlite3_reset(m_stmt);
    }
    void finish() override {}

private:
    SqliteDatabase& m_db;
    QString m_sql;
    sqlite3_stmt* m_stmt = nullptr;
    std::vector<QString> m_texts;   // keeps the bound texts alive until the next row
};

} // namespace

void SqliteDatabase::openFile(const QByteArray& name, int flags) {
    const int rc = sqlite3_open_v2(name.constData(), &m_db, flags | SQLITE_OPEN_NOMUTEX, nullptr);
    if (rc != SQLITE_OK) {
        const QString msg = m_db ? QString::fromUtf8(sqlite3_errmsg(m_db)) : QStringLiteral("out of memory");
        sqlite3_close(m_db);
        m_db = nullptr;
        throw DbError(QStringLiteral("Nie można otworzyć bazy %1: %2").arg(m_path, msg));
    }
}

SqliteDatabase::SqliteDatabase(const QString& path, OpenMode mode) : m_path(path) {
    const bool memory = path == QLatin1String(":memory:");
    if (mode == OpenMode::Create) {
        if (!memory) QDir().mkpath(QFileInfo(path).absolutePath());
        openFile(path.toUtf8(), SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE);
    } else {
        // Nothing is created: not the file, not its folder.
        if (!memory && !QFileInfo(path).isFile())
            throw DbError(QStringLiteral("Baza %1 nie istnieje.").arg(path));
        if (mode == OpenMode::Existing) {
            openFile(path.toUtf8(), SQLITE_OPEN_READWRITE);
        } else {
            openFile(path.toUtf8(), SQLITE_OPEN_READONLY);
            // A write-ahead-log database needs its shared-memory file; where that cannot be
            // made (a folder the user may not write), the file is read as it lies on disk.
            if (sqlite3_exec(m_db, "select count(*) from sqlite_master", nullptr, nullptr, nullptr) != SQLITE_OK) {
                sqlite3_close(m_db);
                m_db = nullptr;
                const QUrl uri = QUrl::fromLocalFile(QFileInfo(path).absoluteFilePath());
                openFile("file:" + uri.toEncoded(QUrl::RemoveScheme) + "?immutable=1",
                         SQLITE_OPEN_READONLY | SQLITE_OPEN_URI);
            }
        }
    }
    sqlite3_busy_timeout(m_db, 10000);
    sqlite3_create_function(m_db, "left", 2, SQLITE_UTF8 | SQLITE_DETERMINISTIC, nullptr, sqlLeft, nullptr, nullptr);
    if (mode != OpenMode::ReadOnly) { // a read-only connection keeps the file as it is
        rawExecute(QStringLiteral("PRAGMA journal_mode=WAL"));
        rawExecute(QStringLiteral("PRAGMA synchronous=NORMAL"));
    }
    rawExecute(QStringLiteral("PRAGMA foreign_keys=ON"));
    // LIKE compares as the server does (case-sensitive), and a prefix LIKE can use an index.
    rawExecute(QStringLiteral("PRAGMA case_sensitive_like=ON"));
    rawExecute(QStringLiteral("PRAGMA cache_size=-%1").arg(kSqliteCacheKiB));
    rawExecute(QStringLiteral("PRAGMA temp_store=MEMORY"));
}

SqliteDatabase::~SqliteDatabase() { sqlite3_close_v2(m_db); }

void SqliteDatabase::fail(const QString& sql) { throw DbError(QString::fromUtf8(sqlite3_errmsg(m_db)), sql); }

sqlite3_stmt* SqliteDatabase::prepare(const QString& sql, const Params& params) {
    sqlite3_stmt* stmt = nullptr;
    const QByteArray text = sql.toUtf8();
    if (sqlite3_prepare_v2(m_db, text.constData(), text.size(), &stmt, nullptr) != SQLITE_OK) fail(sql);
    if (sqlite3_bind_parameter_count(stmt) != int(params.size()) && !params.empty()) {
        sqlite3_finalize(stmt);
        throw DbError(QStringLiteral("statement expects %1 parameters, %2 given")
                          .arg(sqlite3_bind_parameter_count(stmt)).arg(params.size()), sql);
    }
    for (int i = 0; i < int(params.size()); ++i) {
        const SqlValue& v = params[i];
        if (v.isNull()) sqlite3_bind_null(stmt, i + 1);
        else if (v.isInteger()) sqlite3_bind_int64(stmt, i + 1, v.toInt64());
        else {
            const QByteArray t = v.toText().toUtf8();
            sqlite3_bind_text(stmt, i + 1, t.constData(), t.size(), SQLITE_TRANSIENT);
        }
    }
    return stmt;
}

int64_t SqliteDatabase::execute(const QString& sql, const Params& params) {
    sqlite3_stmt* stmt = prepare(sql, params);
    int rc;
    while ((rc = sqlite3_step(stmt)) == SQLITE_ROW) {}
    sqlite3_finalize(stmt);
    if (rc != SQLITE_DONE) fail(sql);
    return sqlite3_changes64(m_db);
}

Rows SqliteDatabase::select(const QString& sql, const Params& params) {
    return Rows(std::make_unique<SqliteCursor>(*this, prepare(sql, params), sql));
}

void SqliteDatabase::executeScript(const QString& sql) {
    char* err = nullptr;
    if (sqlite3_exec(m_db, sql.toUtf8().constData(), nullptr, nullptr, &err) != SQLITE_OK) {
        const QString msg = QString::fromUtf8(err ? err : "error");
        sqlite3_free(err);
        throw DbError(msg, sql.left(2000));
    }
}

void SqliteDatabase::rawExecute(const QString& sql) { executeScript(sql); }

std::unique_ptr<BulkWriter> SqliteDatabase::bulkInsert(const QString& table, const QStringList& columns) {
    QStringList marks;
    for (int i = 0; i < columns.size(); ++i) marks << QStringLiteral("?");
    return std::make_unique<SqliteBulkWriter>(
        *this, QStringLiteral("insert into %1 (%2) values (%3)").arg(table, columns.join(','), marks.join(',')));
}

void SqliteDatabase::analyze() { rawExecute(QStringLiteral("ANALYZE")); }

const Dialect& SqliteDatabase::dialect() const { return sqliteDialect(); }

} // namespace ksiega::db
