#pragma once
// A connection to the ledger database: SQLite (one file, the embedded default) or
// PostgreSQL (the server). Statements take '?' placeholders and bound values; no
// text value is ever pasted into SQL here. One connection per thread.
#include "platform/db/BulkWriter.h"
#include "platform/db/DbError.h"
#include "platform/db/Dialect.h"
#include "platform/db/Rows.h"
#include <QString>
#include <QStringList>
#include <memory>

namespace ksiega::db {

class Database {
public:
    virtual ~Database() = default;

    // "sqlite:PATH" or "postgresql://user@host:port/db[?schema=NAME]". Throws DbError.
    static std::unique_ptr<Database> open(const QString& url);

    // What differs between the engines; see Dialect.h.
    virtual const Dialect& dialect() const = 0;
    virtual QString url() const = 0;

    // A statement without result rows; returns the number of rows it changed.
    virtual int64_t execute(const QString& sql, const Params& params = {}) = 0;
    // A statement with result rows (SELECT, or INSERT ... RETURNING).
    virtual Rows select(const QString& sql, const Params& params = {}) = 0;
    // Several statements separated by semicolons, no parameters (schema scripts).
    virtual void executeScript(const QString& sql) = 0;
    virtual std::unique_ptr<BulkWriter> bulkInsert(const QString& table, const QStringList& columns) = 0;
    // Refreshes the planner's statistics after a bulk load.
    virtual void analyze() = 0;

    // First column of the first row, or nullopt when no row (or NULL) comes back.
    std::optional<int64_t> scalarInt(const QString& sql, const Params& params = {});
    std::optional<QString> scalarText(const QString& sql, const Params& params = {});
    // INSERT ... RETURNING <id>: the new id.
    int64_t insertReturningId(const QString& sql, const Params& params = {});
    bool tableExists(const QString& name) { return dialect().tableExists(*this, name); }

    // Transactions nest: the outermost level is BEGIN/COMMIT, inner levels savepoints.
    void begin();
    void commit();
    void rollback();
    int transactionDepth() const { return m_depth; }

protected:
    virtual void rawExecute(const QString& sql) = 0;

private:
    int m_depth = 0;
};

// Rolls back unless commit() was called: `Transaction tx(db); ...; tx.commit();`
class Transaction {
public:
    explicit Transaction(Database& db) : m_db(db) { m_db.begin(); }
    ~Transaction() { if (!m_done) { try { m_db.rollback(); } catch (...) {} } }
    void commit() { m_db.commit(); m_done = true; }
    Transaction(const Transaction&) = delete;
    Transaction& operator=(const Transaction&) = delete;

private:
    Database& m_db;
    bool m_done = false;
};

} // namespace ksiega::db
