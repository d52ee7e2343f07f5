#pragma once
#include "platform/db/Database.h"
#include "platform/db/OpenMode.h"

struct pg_conn;
typedef struct pg_conn PGconn;

namespace ksiega::db {

class PgCursor;

class PostgresDatabase : public Database {
public:
    // The longest a statement of a read-only connection may run (milliseconds).
    static constexpr int kReadStatementTimeoutMs = 120000;

    explicit PostgresDatabase(const QString& url, OpenMode mode = OpenMode::Create);
    ~PostgresDatabase() override;

    const Dialect& dialect() const override;
    QString url() const override { return m_url; }
    int64_t execute(const QString& sql, const Params& params = {}) override;
    Rows select(const QString& sql, const Params& params = {}) override;
    void executeScript(const QString& sql) override;
    std::unique_ptr<BulkWriter> bulkInsert(const QString& table, const QStringList& columns) override;
    void analyze() override;

    PGconn* handle() const { return m_conn; }
    // A streaming cursor must give way before the connection can run anything else:
    // the rows it has not read yet are then kept in memory.
    void setActiveCursor(PgCursor* cursor) { m_active = cursor; }
    void releaseActiveCursor();
    PgCursor* activeCursor() const { return m_active; }
    [[noreturn]] void fail(const QString& sql);

    // '?' placeholders as $1, $2, ... (quoted text and identifiers are left alone).
    static QByteArray numberedPlaceholders(const QString& sql);

protected:
    void rawExecute(const QString& sql) override;

private:
    QString m_url;
    PGconn* m_conn = nullptr;
    PgCursor* m_active = nullptr;
};

} // namespace ksiega::db
