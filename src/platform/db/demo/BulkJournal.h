#pragma once
// SQLite journal of a bulk load into a database nobody else has open: a rollback journal
// instead of the write-ahead log for the length of the load. Pages the load appends to the
// file are written once, straight into it (a rollback journal only keeps pages that existed
// before), where the log would take every page first and copy it into the file at the next
// checkpoint. The load stays one atomic transaction. When another connection holds the file
// the log stays. The log is switched on again at the end. Nothing happens on PostgreSQL.
#include "platform/db/Database.h"

namespace ksiega::db::demo {

class BulkJournal {
public:
    // Call outside any transaction.
    explicit BulkJournal(Database& db);
    ~BulkJournal();
    BulkJournal(const BulkJournal&) = delete;
    BulkJournal& operator=(const BulkJournal&) = delete;

private:
    Database& m_db;
    bool m_switched = false;
};

} // namespace ksiega::db::demo
