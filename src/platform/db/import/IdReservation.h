#pragma once
// Blocks of primary keys taken in advance, so that headers and lines can be bulk-loaded
// with their ids already known. Call with the table locked for the transaction.
#include "platform/db/Database.h"

namespace ksiega::db::import {

// Takes NAG_DOK and POZ_DOK for the rest of the transaction: on PostgreSQL an EXCLUSIVE
// lock (others still read); on SQLite the write lock, taken now rather than at the first
// insert, so that a second import waits instead of failing half-way.
void lockDocumentTables(Database& db);

// First id of `count` consecutive free ids of `table`.`column`.
int64_t reserveIds(Database& db, const QString& table, const QString& column, int64_t count);
// After the rows are in: moves the identity sequence (PostgreSQL) past the last used id.
void advanceIdentity(Database& db, const QString& table, const QString& column, int64_t lastId);

} // namespace ksiega::db::import
