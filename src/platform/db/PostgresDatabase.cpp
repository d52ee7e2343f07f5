#include "platform/db/PostgresDatabase.h"
#include "platform/db/Engine.h"
#include "platform/db/ExactInteger.h"
#include <QRegularExpression>
#include <QUrl>
#include <QUrlQuery>
#include <deque>
#include <libpq-fe.h>
#include <optional>

namespace ksiega::db {

namespace {

struct BoundParams {
    std::vector<QByteArray> storage;
    std::vector<const char*> values;
    explicit BoundParams(const Params& params) {
        storage.reserve(params.size());
        for (const SqlValue& v : params) storage.push_back(v.isNull() ? QByteArray() : v.toText().toUtf8());
        for (size_t i = 0; i < params.size(); ++i)
            values.push_back(params[i].isNull() ? nullptr : storage[i].constData());
    }
};

} // namespace

class PgCursor : public Cursor {
public:
    PgCursor(PostgresDatabase& db, QString sql) : m_db(db), m_sql(std::move(sql)) {}
    ~PgCursor() override {
        if (m_current) PQclear(m_current);
        if (m_db.activeCursor() == this) {
            // What has already arrived is read without waiting: a result left after its
            // first row (a count, a sum) is usually complete. Only a result the server is
            // still sending is cancelled, because a cancel request opens a connection of
            // its own (some 20 ms a statement).
            PGconn* conn = m_db.handle();
            bool underWay = false;
            for (;;) {
                if (!PQconsumeInput(conn)) break;
                if (PQisBusy(conn)) {
                    underWay = true;
                    break;
                }
                PGresult* r = PQgetResult(conn);
                if (!r) break;
                PQclear(r);
            }
            if (underWay) {
                if (PGcancel* c = PQgetCancel(conn)) {
                    char buf[256];
                    PQcancel(c, buf, sizeof buf);
                    PQfreeCancel(c);
                }
            }
            while (PGresult* r = PQgetResult(conn)) PQclear(r);
            m_db.setActiveCursor(nullptr);
        }
    }

    bool next() override {
        if (m_buffered) {
            if (m_bufferedRows.empty()) { m_row.clear(); return false; }
            m_row = std::move(m_bufferedRows.front());
            m_bufferedRows.pop_front();
            return true;
        }
        if (m_done) return false;
        if (m_current) { PQclear(m_current); m_current = nullptr; }
        PGresult* r = PQgetResult(m_db.handle());
        if (r && PQresultStatus(r) == PGRES_SINGLE_TUPLE) {
            m_current = r;
            remember(r);
            return true;
        }
        finish(r);
        return false;
    }

    // Reads every remaining row into memory, freeing the connection.
    void bufferRemaining() {
        std::deque<std::vector<std::optional<QByteArray>>> rows;
        const bool hadCurrent = m_current != nullptr;
        if (m_current) {
            rows.push_back(copyRow(m_current));
            PQclear(m_current);
            m_current = nullptr;
        }
        while (!m_done) {
            PGresult* r = PQgetResult(m_db.handle());
            if (r && PQresultStatus(r) == PGRES_SINGLE_TUPLE) {
                remember(r);
                rows.push_back(copyRow(r));
                PQclear(r);
            } else {
                finish(r);
            }
        }
        // The current row (if any) stays current; the rest follow it.
        if (!rows.empty() && hadCurrent) { m_row = std::move(rows.front()); rows.pop_front(); }
        m_bufferedRows = std::move(rows);
        m_buffered = true;
    }

    int columnCount() const override { return m_names.size(); }
    QString columnName(int c) const override { return m_names.value(c); }
    bool isNull(int c) const override {
        if (m_buffered) return !m_row.at(c).has_value();
        return PQgetisnull(m_current, 0, c);
    }
    int64_t int64(int c) const override {
        const char* p = raw(c);
        if (!p) return 0;
        // Numeric results of sum() come back as "123" or "123.00"; "123.50" is no whole number.
        if (const auto value = exactInteger(QByteArrayView(p))) return *value;
        throw DbError(QStringLiteral("Kolumna %1 ma wartość „%2”, a nie liczbę całkowitą.").arg(columnName(c), QString::fromUtf8(p)), m_sql);
    }
    QString text(int c) const override {
        const char* p = raw(c);
        return p ? QString::fromUtf8(p) : QString();
    }

private:
    const char* raw(int c) const {
        if (m_buffered) return m_row.at(c) ? m_row.at(c)->constData() : nullptr;
        return PQgetisnull(m_current, 0, c) ? nullptr : PQgetvalue(m_current, 0, c);
    }
    void remember(PGresult* r) {
        if (m_names.isEmpty())
            for (int i = 0; i < PQnfields(r); ++i) m_names << QString::fromUtf8(PQfname(r, i));
    }
    static std::vector<std::optional<QByteArray>> copyRow(PGresult* r) {
        std::vector<std::optional<QByteArray>> row;
        for (int i = 0; i < PQnfields(r); ++i)
            row.push_back(PQgetisnull(r, 0, i) ? std::nullopt : std::optional<QByteArray>(QByteArray(PQgetvalue(r, 0, i))));
        return row;
    }
    void finish(PGresult* r) {
        m_done = true;
        QString error;
        if (r) {
            if (m_names.isEmpty())
                for (int i = 0; i < PQnfields(r); ++i) m_names << QString::fromUtf8(PQfname(r, i));
            if (PQresultStatus(r) != PGRES_TUPLES_OK && PQresultStatus(r) != PGRES_COMMAND_OK)
                error = QString::fromUtf8(PQresultErrorMessage(r)).trimmed();
            PQclear(r);
            while (PGresult* rest = PQgetResult(m_db.handle())) PQclear(rest);
        }
        if (m_db.activeCursor() == this) m_db.setActiveCursor(nullptr);
        if (!error.isEmpty()) throw DbError(error, m_sql);
    }

    PostgresDatabase& m_db;
    QString m_sql;
    PGresult* m_current = nullptr;
    bool m_done = false;
    bool m_buffered = false;
    QStringList m_names;
    std::vector<std::optional<QByteArray>> m_row;
    std::deque<std::vector<std::optional<QByteArray>>> m_bufferedRows;

    friend class PostgresDatabase;
};

namespace {

class PgCopyWriter : public BulkWriter {
public:
    PgCopyWriter(PostgresDatabase& db, QString sql) : m_db(db), m_sql(std::move(sql)) {
        m_db.releaseActiveCursor();
        PGresult* r = PQexec(m_db.handle(), m_sql.toUtf8().constData());
        const bool ok = PQresultStatus(r) == PGRES_COPY_IN;
        PQclear(r);
        if (!ok) m_db.fail(m_sql);
        m_buffer.reserve(kFlushAt + 65536);
    }
    ~PgCopyWriter() override {
        if (!m_finished) {
            PQputCopyEnd(m_db.handle(), "cancelled");
            while (PGresult* r = PQgetResult(m_db.handle())) PQclear(r);
        }
    }
    void add(const Params& row) override {
        for (size_t i = 0; i < row.size(); ++i) {
            if (i) m_buffer.append('\t');
            if (row[i].isNull()) { m_buffer.append("\\N", 2); continue; }
            if (row[i].isInteger()) { appendInteger(row[i].toInt64()); continue; }
            appendText(row[i].toText());
        }
        m_buffer.append('\n');
        if (m_buffer.size() > kFlushAt) flush();
    }
    void finish() override {
        flush();
        m_finished = true;
        if (PQputCopyEnd(m_db.handle(), nullptr) != 1) m_db.fail(m_sql);
        QString error;
        while (PGresult* r = PQgetResult(m_db.handle())) {
            if (PQresultStatus(r) != PGRES_COMMAND_OK) error = QString::fromUtf8(PQresultErrorMessage(r)).trimmed();
            PQclear(r);
        }
        if (!error.isEmpty()) throw DbError(error, m_sql);
    }

private:
    static constexpr qsizetype kFlushAt = (4 << 20) - 65536;

    void appendInteger(int64_t v) {
        char digits[24];
        char* end = digits + sizeof digits;
        char* p = end;
        uint64_t u = v < 0 ? 0 - uint64_t(v) : uint64_t(v);
        do { *--p = char('0' + u % 10); u /= 10; } while (u);
        if (v < 0) *--p = '-';
        m_buffer.append(p, end - p);
    }
    // UTF-8 straight into the buffer, with COPY's escapes for backslash, tab and line ends.
    void appendText(const QString& text) {
        for (const QChar* c = text.constData(), *e = c + text.size(); c < e; ++c) {
            const char16_t u = c->unicode();
            if (u < 0x80) {
                switch (u) {
                case '\\': m_buffer.append("\\\\", 2); break;
                case '\t': m_buffer.append("\\t", 2); break;
                case '\n': m_buffer.append("\\n", 2); break;
                case '\r': m_buffer.append("\\r", 2); break;
                default: m_buffer.append(char(u));
                }
            } else if (u < 0x800) {
                m_buffer.append(char(0xC0 | (u >> 6)));
                m_buffer.append(char(0x80 | (u & 0x3F)));
            } else if (QChar::isHighSurrogate(u) && c + 1 < e && QChar::isLowSurrogate(c[1].unicode())) {
                const char32_t cp = QChar::surrogateToUcs4(u, c[1].unicode());
                ++c;
                m_buffer.append(char(0xF0 | (cp >> 18)));
                m_buffer.append(char(0x80 | ((cp >> 12) & 0x3F)));
                m_buffer.append(char(0x80 | ((cp >> 6) & 0x3F)));
                m_buffer.append(char(0x80 | (cp & 0x3F)));
            } else {
                const char16_t v = QChar::isSurrogate(u) ? char16_t(0xFFFD) : u;   // a lone surrogate, as Qt encodes it
                m_buffer.append(char(0xE0 | (v >> 12)));
                m_buffer.append(char(0x80 | ((v >> 6) & 0x3F)));
                m_buffer.append(char(0x80 | (v & 0x3F)));
            }
        }
    }
    void flush() {
        if (m_buffer.isEmpty()) return;
        if (PQputCopyData(m_db.handle(), m_buffer.constData(), m_buffer.size()) != 1) m_db.fail(m_sql);
        m_buffer.clear();
    }
    PostgresDatabase& m_db;
    QString m_sql;
    QByteArray m_buffer;
    bool m_finished = false;
};

} // namespace

PostgresDatabase::PostgresDatabase(const QString& url, OpenMode mode) : m_url(url) {
    QUrl parsed(url);
    QUrlQuery query(parsed);
    const QString schema = query.queryItemValue(QStringLiteral("schema"));
    query.removeAllQueryItems(QStringLiteral("schema"));
    parsed.setQuery(query);
    m_conn = PQconnectdb(parsed.toString().toUtf8().constData());
    if (PQstatus(m_conn) != CONNECTION_OK) {
        const QString msg = QString::fromUtf8(PQerrorMessage(m_conn)).trimmed();
        PQfinish(m_conn);
        m_conn = nullptr;
        throw DbError(QStringLiteral("Nie można połączyć się z bazą %1: %2").arg(url, msg));
    }
    PQsetClientEncoding(m_conn, "UTF8");
    // Texts in statements read the same whatever the server's or the role's defaults: a
    // backslash inside '...' is a backslash (the filter language passes such texts to the
    // server), and an escape string can never be written as a plain one.
    rawExecute(QStringLiteral("SET client_min_messages=warning; SET standard_conforming_strings=on; SET backslash_quote=off"));
    if (!schema.isEmpty()) {
        static const QRegularExpression plain(QStringLiteral("^[a-z_][a-z0-9_]*$"));
        if (!plain.match(schema).hasMatch()) throw DbError(QStringLiteral("Niepoprawna nazwa schematu: %1").arg(schema));
        // Only a missing schema is created: the application's role may not create one, and
        // the server checks that right before it sees that the schema is already there.
        const bool exists = scalarInt(QStringLiteral("select 1 from pg_namespace where nspname=?"), {schema}).has_value();
        if (!exists && mode == OpenMode::Create) {
            rawExecute(QStringLiteral("CREATE SCHEMA IF NOT EXISTS %1").arg(schema));
        } else if (!exists) {
            PQfinish(m_conn);
            m_conn = nullptr;
            throw DbError(QStringLiteral("Schemat %1 nie istnieje w bazie %2.").arg(schema, url));
        }
        rawExecute(QStringLiteral("SET search_path TO %1").arg(schema));
    }
    if (mode == OpenMode::ReadOnly) {
        // Every transaction of this connection only reads, and no list or filter query of a
        // reading command runs longer than the limit.
        rawExecute(QStringLiteral("SET default_transaction_read_only = on"));
        rawExecute(QStringLiteral("SET statement_timeout = %1").arg(kReadStatementTimeoutMs));
    }
}

PostgresDatabase::~PostgresDatabase() {
    if (m_conn) PQfinish(m_conn);
}

void PostgresDatabase::fail(const QString& sql) {
    throw DbError(QString::fromUtf8(PQerrorMessage(m_conn)).trimmed(), sql);
}

void PostgresDatabase::releaseActiveCursor() {
    if (m_active) {
        PgCursor* c = m_active;
        m_active = nullptr;
        c->bufferRemaining();
    }
}

QByteArray PostgresDatabase::numberedPlaceholders(const QString& sql) {
    QString out;
    out.reserve(sql.size() + 16);
    int n = 0;
    QChar quote;
    for (QChar ch : sql) {
        if (!quote.isNull()) {
            if (ch == quote) quote = QChar();
            out += ch;
        } else if (ch == '\'' || ch == '"') {
            quote = ch;
            out += ch;
        } else if (ch == '?') {
            out += QChar('$') + QString::number(++n);
        } else {
            out += ch;
        }
    }
    return out.toUtf8();
}

int64_t PostgresDatabase::execute(const QString& sql, const Params& params) {
    releaseActiveCursor();
    BoundParams bound(params);
    PGresult* r = PQexecParams(m_conn, numberedPlaceholders(sql).constData(), int(params.size()), nullptr,
                               bound.values.data(), nullptr, nullptr, 0);
    const ExecStatusType st = PQresultStatus(r);
    if (st != PGRES_COMMAND_OK && st != PGRES_TUPLES_OK) {
        const QString msg = QString::fromUtf8(PQresultErrorMessage(r)).trimmed();
        PQclear(r);
        throw DbError(msg, sql);
    }
    const int64_t changed = QByteArray(PQcmdTuples(r)).toLongLong();
    PQclear(r);
    return changed;
}

Rows PostgresDatabase::select(const QString& sql, const Params& params) {
    releaseActiveCursor();
    BoundParams bound(params);
    if (!PQsendQueryParams(m_conn, numberedPlaceholders(sql).constData(), int(params.size()), nullptr,
                           bound.values.data(), nullptr, nullptr, 0))
        fail(sql);
    PQsetSingleRowMode(m_conn);
    auto cursor = std::make_unique<PgCursor>(*this, sql);
    m_active = cursor.get();
    return Rows(std::move(cursor));
}

void PostgresDatabase::executeScript(const QString& sql) { rawExecute(sql); }

void PostgresDatabase::rawExecute(const QString& sql) {
    releaseActiveCursor();
    PGresult* r = PQexec(m_conn, sql.toUtf8().constData());
    const ExecStatusType st = PQresultStatus(r);
    if (st != PGRES_COMMAND_OK && st != PGRES_TUPLES_OK) {
        const QString msg = QString::fromUtf8(PQresultErrorMessage(r)).trimmed();
        PQclear(r);
        throw DbError(msg, sql.left(2000));
    }
    PQclear(r);
}

std::unique_ptr<BulkWriter> PostgresDatabase::bulkInsert(const QString& table, const QStringList& columns) {
    return std::make_unique<PgCopyWriter>(*this, QStringLiteral("COPY %1 (%2) FROM STDIN").arg(table, columns.join(',')));
}

void PostgresDatabase::analyze() {
    // The tables of the ledger's own schema that this role may analyze (its owner's): a bare
    // ANALYZE would go through every schema of a shared server, and as the application's
    // role, which owns nothing, it would only warn about each table it skips.
    QStringList tables;
    Rows rows = select(QStringLiteral("select quote_ident(schemaname) || '.' || quote_ident(tablename) from pg_tables "
                                      "where schemaname = current_schema() and pg_has_role(current_user, tableowner, 'USAGE') "
                                      "order by tablename"));
    while (rows.next()) tables << rows.text(0);
    if (!tables.isEmpty()) rawExecute(QStringLiteral("ANALYZE ") + tables.join(QStringLiteral(", ")));
}

const Dialect& PostgresDatabase::dialect() const { return postgresDialect(); }

} // namespace ksiega::db
