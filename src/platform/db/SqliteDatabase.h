#pragma once
#include "platform/db/Database.h"
#include "platform/db/OpenMode.h"
#include <unordered_map>

struct sqlite3;
struct sqlite3_stmt;

namespace ksiega::db {

class SqliteDatabase : public Database {
public:
    explicit SqliteDatabase(const QString& path, OpenMode mode = OpenMode::Create);
    ~SqliteDatabase() override;

    const Dialect& dialect() const override;
    QString url() const override { return QStringLiteral("sqlite:") + m_path; }
    int64_t execute(const QString& sql, const Params& params = {}) override;
    Rows select(const QString& sql, const Params& params = {}) override;
    void executeScript(const QString& sql) override;
    std::unique_ptr<BulkWriter> bulkInsert(const QString& table, const QStringList& columns) override;
    void analyze() override;

    sqlite3* handle() const { return m_db; }
    // A prepared statement with the parameters bound; the caller owns it.
    sqlite3_stmt* prepare(const QString& sql, const Params& params);
    [[noreturn]] void fail(const QString& sql);

protected:
    void rawExecute(const QString& sql) override;

private:
    void openFile(const QByteArray& name, int flags);

    QString m_path;
    sqlite3* m_db = nullptr;
};

} // namespace ksiega::db
