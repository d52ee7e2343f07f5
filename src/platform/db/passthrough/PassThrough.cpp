#include "platform/db/passthrough/PassThrough.h"
#include "platform/db/passthrough/PortableSql.h"
#include "platform/db/passthrough/ProcedureCall.h"
#include <QRegularExpression>

namespace ksiega::db {

namespace {

bool returnsRows(const QString& sql) {
    static const QRegularExpression first(QStringLiteral("^\\s*\\(*\\s*(select|with|values)\\b"),
                                          QRegularExpression::CaseInsensitiveOption);
    static const QRegularExpression returning(QStringLiteral("\\breturning\\b"), QRegularExpression::CaseInsensitiveOption);
    return first.match(sql).hasMatch() || returning.match(sql).hasMatch();
}

} // namespace

bool PassResult::next() {
    if (failed()) return false;
    if (m_pending) {            // the row read ahead when the statement was sent
        m_pending = false;
        return true;
    }
    if (m_procedure) {
        if (m_procedureRow >= m_procedure->rows.size()) { m_row.clear(); return false; }
        m_row = m_procedure->rows[m_procedureRow++];
        return true;
    }
    if (!m_rows) return false;
    try {
        if (!m_rows->next()) { m_row.clear(); m_rows.reset(); return false; }
        const int n = m_rows->columnCount();
        if (m_columns.isEmpty())
            for (int c = 0; c < n; ++c) m_columns << m_rows->columnName(c);
        m_row.clear();
        m_row.reserve(n);
        for (int c = 0; c < n; ++c) m_row.push_back(m_rows->value(c));
        return true;
    } catch (const std::exception& e) {
        m_error = QString::fromUtf8(e.what());
        m_rows.reset();
        m_row.clear();
        return false;
    }
}

const SqlValue* PassResult::cell(int column) const {
    if (column < 1 || column > int(m_row.size())) return nullptr;
    return &m_row[size_t(column - 1)];
}

QString PassResult::text(int column) const {
    const SqlValue* v = cell(column);
    return v && !v->isNull() ? v->toText() : QString();
}

bool PassResult::isNull(int column) const {
    const SqlValue* v = cell(column);
    return !v || v->isNull();
}

int64_t PassResult::integer(int column) const {
    const SqlValue* v = cell(column);
    if (!v || v->isNull()) return 0;
    if (v->isInteger()) return v->toInt64();
    const QString t = v->toText().trimmed();
    bool ok = false;
    const qlonglong whole = t.toLongLong(&ok);
    if (ok) return whole;
    const auto m = Money::parse(t);           // "1.00" from a decimal column
    return m ? m->minor() / 100 : 0;
}

Money PassResult::amount(int column) const {
    const SqlValue* v = cell(column);
    if (!v || v->isNull()) return Money();
    if (v->isInteger()) return Money::fromMinor(v->toInt64());
    const QString t = v->toText().trimmed();
    if (t.isEmpty()) return Money();
    if (t.contains(QChar('.')) || t.contains(QChar(','))) return Money::parse(t).value_or(Money());
    bool ok = false;
    const qlonglong grosze = t.toLongLong(&ok);
    return ok ? Money::fromMinor(grosze) : Money();
}

Money PassResult::result(int k) const {
    const QString name = QStringLiteral("wynik%1").arg(k);
    for (int c = 0; c < m_columns.size(); ++c)
        if (m_columns[c].compare(name, Qt::CaseInsensitive) == 0) return amount(c + 1);
    return amount(k);
}

PassResult PassThrough::send(const QString& statement, const Params& params) {
    PassResult r;
    ++m_sent;
    m_lastError.clear();
    try {
        const ProcedureCallParse call = parseProcedureCall(statement, params);
        if (call.isCall) {
            if (!call.error.isEmpty()) {
                r.m_error = call.error;
            } else {
                r.m_procedure = server::callProcedure(m_db, call.call.name, call.call.arguments);
                r.m_columns = r.m_procedure->columns;
            }
        } else {
            const QString sql = portableSql(statement);
            if (returnsRows(sql)) {
                r.m_rows.emplace(m_db.select(sql, params));
                // Read the first row now: an engine reports some failures only then, and
                // the caller learns of a failure when the statement returns.
                r.m_pending = r.next();
            } else if (m_db.transactionDepth() > 0) {
                // Inside the caller's transaction a failed statement is undone alone, so
                // that the transaction goes on as it would after a failed statement on
                // the original server (PostgreSQL otherwise refuses everything after it).
                Transaction savepoint(m_db);
                r.m_rowsChanged = m_db.execute(sql, params);
                savepoint.commit();
            } else {
                r.m_rowsChanged = m_db.execute(sql, params);
            }
        }
    } catch (const DbError& e) {
        r.m_error = e.message();
    } catch (const std::exception& e) {
        r.m_error = QString::fromUtf8(e.what());
    }
    if (r.failed()) m_lastError = r.error();
    return r;
}

std::optional<QString> PassThrough::FUNCVAY(const QString& statement, const Params& params) {
    PassResult r = send(statement, params);
    if (!r.next()) {
        if (r.failed()) m_lastError = r.error();
        return std::nullopt;
    }
    if (r.isNull(1)) return std::nullopt;
    return r.text(1);
}

} // namespace ksiega::db
