#pragma once
// Foreign keys set aside during a bulk load: checking them row by row costs more than the
// load itself. PostgreSQL: the constraints are dropped inside the load's transaction and
// added again afterwards, which checks every row in one pass. SQLite: the checks are
// switched off for the connection (outside any transaction) and foreign_key_check verifies
// the loaded tables before the commit.
#include "platform/db/Database.h"

namespace ksiega::db::demo {

class SuspendedForeignKeys {
public:
    // Call before the load's transaction begins.
    SuspendedForeignKeys(Database& db, const QStringList& tables);
    // Restores the SQLite setting if restore() was not reached.
    ~SuspendedForeignKeys();
    // PostgreSQL: drops the tables' foreign keys; call inside the load's transaction.
    void dropInsideTransaction();
    // Checks the loaded rows before the commit, so that a row without its parent rolls the
    // whole load back: PostgreSQL adds the foreign keys again (validating every row), SQLite
    // runs foreign_key_check over the tables. Throws DbError when a row has no parent.
    void addInsideTransaction();
    // After the commit: SQLite switches checking on again.
    void restore();

private:
    struct Constraint { QString table, name, definition; };
    Database& m_db;
    QStringList m_tables;
    std::vector<Constraint> m_dropped;
    bool m_checksOff = false;
};

} // namespace ksiega::db::demo
