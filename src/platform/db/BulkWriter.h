#pragma once
// Fast loading of many rows into one table (COPY on PostgreSQL, a reused prepared
// insert on SQLite). Runs inside the caller's transaction; finish() flushes.
#include "platform/db/SqlValue.h"

namespace ksiega::db {

class BulkWriter {
public:
    virtual ~BulkWriter() = default;
    // One row; the values in the order of the columns given when the writer was made.
    virtual void add(const Params& row) = 0;
    virtual void finish() = 0;
};

} // namespace ksiega::db
