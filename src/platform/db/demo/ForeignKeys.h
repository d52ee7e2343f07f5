#pragma once
// Foreign keys set aside during a bulk load: checking them row by row costs more than the
// load itself. PostgreSQL: the constraints are dropped inside the load's transaction and
// added again afterwards, which checks every row in one pass. SQLite: the checks are
// switched off for the connection (outside any transaction) and foreign_key_check verifies
// the loaded tables at the end.
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
    // Adds the foreign keys again (PostgreSQL, inside the transaction, validating every row).
    void addInsideTransaction();
    // After the commit: SQLite checks the loaded tables and switches checking on again.
    // Throws DbError when a loaded row has no parent.
    void restore();

private:
    struct Constraint { QString table, name, definition; };
    Database& m_db;
    QStringList m_tables;
    std::vector<Constraint> m_dropped;
    bool m_sqliteOff = false;
};

} // namespace ksiega::db::demo
