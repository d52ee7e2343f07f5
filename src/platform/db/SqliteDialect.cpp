// The embedded engine: one file, one writer at a time, settings per connection (PRAGMA).
#include "platform/db/Engine.h"

namespace ksiega::db {
namespace {

class SqliteDialect final : public Dialect {
public:
    QString schemaFileSuffix() const override { return QStringLiteral(".sqlite.sql"); }
    QString identityKey() const override { return QStringLiteral("INTEGER PRIMARY KEY"); }
    bool tableExists(Database& db, const QString& name) const override {
        return db.scalarInt(QStringLiteral("select count(*) from sqlite_master where type in ('table', 'view') and lower(name)=lower(?)"), {name}).value_or(0) > 0;
    }
    bool entryViewsReadLinesAlone() const override { return false; }
    QString serverVersionSql() const override { return QStringLiteral("select sqlite_version()"); }

    QString limitWithoutEnd() const override { return QStringLiteral(" limit -1"); }
    QString unindexed(const QString& table) const override { return table + QStringLiteral(" not indexed"); }
    QString throughIndex(const QString& table, const QString& index) const override {
        return table + QStringLiteral(" indexed by ") + index;
    }

    // SQLite plans a fresh work table well without statistics.
    void analyzeTable(Database&, const QString&) const override {}
    QString keptWorkTableOptions() const override { return {}; }
    void setLocalWorkMemory(Database&, const QString&) const override {}
    // The sorts of an index build may use a helper thread.
    void beginIndexBuild(Database& db) const override { db.executeScript(QStringLiteral("PRAGMA threads=2")); }
    void endIndexBuild(Database& db) const override { db.executeScript(QStringLiteral("PRAGMA threads=0")); }

    void relaxCommitDurability(Database&) const override {}
    bool rebuildsIndexesAfterBulkLoad() const override { return true; }
    bool beginBulkJournal(Database& db) const override {
        if (db.transactionDepth() > 0) return false;
        try {
            return db.scalarText(QStringLiteral("PRAGMA journal_mode=DELETE")).value_or(QString()).toLower() == QLatin1String("delete");
        } catch (const DbError&) {
            return false;   // busy: another connection has the file open; keep the log
        }
    }
    void endBulkJournal(Database& db) const override { db.scalarText(QStringLiteral("PRAGMA journal_mode=WAL")); }
    // The setting is ignored inside a transaction.
    bool suspendForeignKeyChecks(Database& db) const override {
        if (db.transactionDepth() > 0) return false;
        db.executeScript(QStringLiteral("PRAGMA foreign_keys=OFF"));
        return true;
    }
    void resumeForeignKeyChecks(Database& db) const override { db.executeScript(QStringLiteral("PRAGMA foreign_keys=ON")); }
    std::vector<ForeignKey> droppableForeignKeys(Database&, const QString&) const override { return {}; }
    std::optional<QString> foreignKeyViolation(Database& db, const QString& table) const override {
        Rows rows = db.select(QStringLiteral("PRAGMA foreign_key_check(%1)").arg(table));
        if (rows.next()) return rows.text(2);
        return std::nullopt;
    }

    // One writer at a time: the ids after the largest are free until the commit.
    int64_t reserveIds(Database& db, const QString& table, const QString& column, int64_t) const override {
        return afterLargestId(db, table, column);
    }
    void advanceIdentity(Database&, const QString&, const QString&, int64_t) const override {}
    void syncIdentity(Database&, const QString&, const QString&) const override {}
    // A write that changes nothing still takes the database's write lock (all tables at once).
    void lockForWriting(Database& db, const QStringList& tables) const override {
        if (!tables.isEmpty()) db.execute(QStringLiteral("delete from %1 where 1 = 0").arg(tables.first()));
    }
};

} // namespace

const Dialect& sqliteDialect() {
    static const SqliteDialect dialect;
    return dialect;
}

} // namespace ksiega::db
