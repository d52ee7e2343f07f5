#pragma once
// The database a demo is created in, all or nothing. An existing database that holds
// anything is refused unless the caller forces it, and even then only a ledger database is
// replaced, never a file or schema of something else. A SQLite demo is built in a file
// beside the target and moved into place when complete; a PostgreSQL demo is built in one
// transaction that also drops what the schema held. Until commit() the target is as it was,
// so a run stopped at any moment leaves no half ledger.
#include "platform/db/Database.h"

namespace ksiega::db::demo {

class DemoTarget {
public:
    // Throws DbError when the target holds anything and !force, or holds something that is
    // not a ledger.
    DemoTarget(const QString& url, bool force);
    ~DemoTarget();
    DemoTarget(const DemoTarget&) = delete;
    DemoTarget& operator=(const DemoTarget&) = delete;

    // The new, empty database to build in.
    Database& db() { return *m_db; }
    // The built database becomes the one at the url; db() is no longer usable (SQLite).
    void commit();

    // The file a SQLite demo is built in before it is moved to `path`.
    static QString buildingPath(const QString& path) { return path + QStringLiteral(".building"); }

private:
    QString m_path;       // SQLite: the target file; empty for PostgreSQL
    std::unique_ptr<Database> m_db;
    bool m_committed = false;
};

} // namespace ksiega::db::demo
