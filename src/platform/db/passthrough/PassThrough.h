#pragma once
// The pass-through: statements sent as text and read back row by row, the way the
// module's procedures talk to the database besides their lists.
//
//   PassThrough pt(db);
//   auto r = pt.EXECVAX("select sum(kwota_wn), count(*) from POZ_DOK_VIEW_UNION where id_lata_obrot=?", {year});
//   if (r.next()) total = r.amount(1);      // no row: the caller keeps its default
//   while (r.next()) ...                    // loops read until next() gives false
//   if (r.failed()) show(r.error());        // the engine's text; nothing is thrown
//
// "CALL NAME (args)" and "select dbo.NAME(args)" go to the server procedure registry
// (ProcedureCall.h); every other statement goes to the database after the dialect
// rewrite of PortableSql.h. Values are bound with '?'.
//
// A row is read through one of the original's result records; all of them read the same
// current row:
//   VAX_FK / VAY_FK    text(n): column n (1-based) in SELECT-list order, as text;
//                      amount(n) and integer(n) read the same column as a number.
//   ZAPYTANIESQL(1)    number(): column 1 as a whole number, label(): column 2 as text,
//                      result(k), k = 1..4: the four decimal results of a stored
//                      procedure: its column named "wynik<k>", else its column k.
// Amounts are exact: a whole number is read as grosze (the database keeps BIGINT grosze),
// a text with a decimal point or comma as złote ("12.50"); NULL and "" read as 0.
#include "platform/db/Database.h"
#include "platform/server/Procedures.h"
#include <optional>

namespace ksiega::db {

class PassResult {
public:
    // Moves to the next row; false when there is none (or the statement failed).
    bool next();
    bool failed() const { return !m_error.isEmpty(); }
    const QString& error() const { return m_error; }
    int64_t rowsChanged() const { return m_rowsChanged; }
    int columnCount() const { return int(m_row.size()); }

    QString text(int column) const;
    bool isNull(int column) const;
    int64_t integer(int column) const;
    Money amount(int column) const;

    int64_t number() const { return integer(1); }
    QString label() const { return text(2); }
    Money result(int k) const;

private:
    friend class PassThrough;
    const SqlValue* cell(int column) const;

    QString m_error;
    int64_t m_rowsChanged = 0;
    std::optional<Rows> m_rows;                       // database rows, streamed
    std::optional<server::ResultSet> m_procedure;     // a procedure's rows
    size_t m_procedureRow = 0;
    bool m_pending = false;
    QStringList m_columns;
    std::vector<SqlValue> m_row;
};

class PassThrough {
public:
    explicit PassThrough(Database& db) : m_db(db) {}

    PassResult EXECSQL(const QString& statement, const Params& params = {}) { return send(statement, params); }
    PassResult EXECSQL1(const QString& statement, const Params& params = {}) { return send(statement, params); }
    PassResult EXECVAX(const QString& statement, const Params& params = {}) { return send(statement, params); }
    PassResult EXECVAY(const QString& statement, const Params& params = {}) { return send(statement, params); }
    // The first column of the first row as text; nullopt when no row (or NULL) comes back
    // or the statement failed (lastError() then says why).
    std::optional<QString> FUNCVAY(const QString& statement, const Params& params = {});

    PassResult send(const QString& statement, const Params& params = {});
    const QString& lastError() const { return m_lastError; }
    // How many statements were sent (database and procedures alike).
    int64_t statementsSent() const { return m_sent; }
    Database& database() { return m_db; }

private:
    Database& m_db;
    QString m_lastError;
    int64_t m_sent = 0;
};

} // namespace ksiega::db
