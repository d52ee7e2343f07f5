#pragma once
// What a ledger line repeats from elsewhere, so that lists filter and sort lines without a
// join: the header's fields (nr_ewid_dok, data_okresu, status, czy_rk and the sort columns
// data_biezaca, nr_dok_org, data_dok_org, data_oper_gosp, data_zatwierdzenia, nr_sys_dok)
// and the first segment of each side's account (syntetyka_wn/_ma). Every writer of NAG_DOK or
// POZ_DOK calls refreshLineCopies for the documents it wrote, in its own transaction, after
// the write: a new line, a changed account or a corrected header (date, number) is then
// reflected. One set-based statement; lines already equal are left untouched. Each returns
// how many lines it changed (after any writer, a second call changes none).
#include "platform/db/Database.h"
#include <cstdint>

namespace ksiega::db {

// The lines of the documents id_nag_dok in [firstDocument, lastDocument].
int64_t refreshLineCopies(Database& db, int64_t firstDocument, int64_t lastDocument);
// The lines of one document.
inline int64_t refreshLineCopies(Database& db, int64_t document) { return refreshLineCopies(db, document, document); }
// One line (a writer that changed a line's account or moved it between documents).
int64_t refreshLineCopiesOfLine(Database& db, int64_t line);
// Every line of the database (the schema upgrade that brought the copies).
int64_t refreshAllLineCopies(Database& db);

// Whether the account prefix `prefix` of the year's entries is one synthetic account: a prefix
// of digits such that no line side of the year has a longer first segment beginning with it.
// "syntetyka = prefix" then holds exactly the entries whose account begins with the prefix,
// and reads them off one index range in the list's order. Two index probes.
bool prefixIsOneSynthetic(Database& db, int64_t year, const QString& prefix);

// The first segment of an account held in `column`: '201' of '201-01-003', the whole text
// when it has no '-'. Plain SQL both engines read alike.
QString accountFirstSegmentSql(const QString& column);
// The same in C++, for bulk writers that put the copies into their insert.
QString accountFirstSegment(const QString& account);

} // namespace ksiega::db
