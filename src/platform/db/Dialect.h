#pragma once
// What differs between the two engines, each difference a named member: the engine's own
// statements, query forms and bulk-load arrangements. Code outside src/platform/db reaches
// the engine only through here (Database::dialect()); it never asks which engine it is.
// Table and column names passed in are the schema's own identifiers, given by code.
#include <QString>
#include <QStringList>
#include <cstdint>
#include <optional>
#include <vector>

namespace ksiega::db {

class Database;

struct ForeignKey {
    QString name;
    QString definition;   // "FOREIGN KEY (...) REFERENCES ..."
};

class Dialect {
public:
    virtual ~Dialect() = default;

    // --- schema ---
    // A schema file "NN_name<suffix>" holds this engine's own form of a definition.
    virtual QString schemaFileSuffix() const = 0;
    // The column definition of an identity primary key ({{ID}} in the schema files).
    virtual QString identityKey() const = 0;
    virtual bool tableExists(Database& db, const QString& name) const = 0;
    // The entry views read the header, budget and account fields through scalar subqueries
    // over the lines alone (true) or through joins of the lines (false).
    virtual bool entryViewsReadLinesAlone() const = 0;
    // A statement whose one value is the engine's version ("3.45.1", "16.2").
    virtual QString serverVersionSql() const = 0;

    // --- query text ---
    // Appended to a subquery so that the planner keeps it apart from the outer query
    // instead of merging it (" limit -1" where that is what keeps it apart).
    virtual QString limitWithoutEnd() const = 0;
    // `table` in a FROM clause, read from start to end rather than through an index.
    virtual QString unindexed(const QString& table) const = 0;
    // `table` in a FROM clause, read through `index` where the planner would otherwise take
    // a narrower index by its average statistics (a partial covering index whose rows are
    // few but gathered together); the table alone where the planner weighs it right.
    virtual QString throughIndex(const QString& table, const QString& index) const = 0;

    // --- planner and memory ---
    // Fresh statistics of one table (a work table just filled); nothing where the planner
    // does well without.
    virtual void analyzeTable(Database& db, const QString& table) const = 0;
    // What follows the column list of a temporary work table that a connection keeps for
    // its whole life and fills anew in each transaction: its rows go at the commit where
    // the engine offers that, so that nothing piles up in a long session.
    virtual QString keptWorkTableOptions() const = 0;
    // Sort and hash memory for the rest of the transaction, e.g. "256MB".
    virtual void setLocalWorkMemory(Database& db, const QString& amount) const = 0;
    // Around building indexes over whole tables: more threads or memory for the sorts.
    virtual void beginIndexBuild(Database& db) const = 0;
    virtual void endIndexBuild(Database& db) const = 0;

    // --- bulk load ---
    // The commit of this transaction need not wait for the disk (generated data).
    virtual void relaxCommitDurability(Database& db) const = 0;
    // Whether dropping and rebuilding secondary indexes around a large load pays here.
    virtual bool rebuildsIndexesAfterBulkLoad() const = 0;
    // Switches the connection to a cheaper journal for a load outside any transaction;
    // true when it did (endBulkJournal then switches back).
    virtual bool beginBulkJournal(Database& db) const = 0;
    virtual void endBulkJournal(Database& db) const = 0;
    // Foreign-key checks of the connection off (outside a transaction only); true when done.
    virtual bool suspendForeignKeyChecks(Database& db) const = 0;
    virtual void resumeForeignKeyChecks(Database& db) const = 0;
    // The foreign keys of a table that a load may drop and add again in its transaction
    // (none where constraints cannot be dropped).
    virtual std::vector<ForeignKey> droppableForeignKeys(Database& db, const QString& table) const = 0;
    // A row of `table` without its parent row: the text of the first one found, if any.
    virtual std::optional<QString> foreignKeyViolation(Database& db, const QString& table) const = 0;

    // --- ids and locks ---
    // First id of `count` consecutive free ids of table.column.
    virtual int64_t reserveIds(Database& db, const QString& table, const QString& column, int64_t count) const = 0;
    // After rows with ids given by the caller: the identity moves past `lastId`.
    virtual void advanceIdentity(Database& db, const QString& table, const QString& column, int64_t lastId) const = 0;
    // The identity continues after the largest id of the table.
    virtual void syncIdentity(Database& db, const QString& table, const QString& column) const = 0;
    // Takes the tables for writing until the end of the transaction, now rather than at
    // the first insert; others may still read.
    virtual void lockForWriting(Database& db, const QStringList& tables) const = 0;

protected:
    Dialect() = default;
    // 1 + the largest id of table.column (1 for an empty table).
    static int64_t afterLargestId(Database& db, const QString& table, const QString& column);
};

} // namespace ksiega::db
