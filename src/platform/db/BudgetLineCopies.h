#pragma once
// What a budget line (BT_DANE) repeats of its ledger line and document, so that the budget
// lists sort by them off an index of BT_DANE, without a join: the header's nr_ewid_dok,
// data_biezaca, nr_dok_org and data_dok_org, and the line's konto_wn and konto_ma. Every
// writer of BT_DANE calls refreshBudgetLineCopies for what it wrote, in its own transaction,
// after the write; refreshLineCopies* call it for the ledger lines they refresh, so that a
// corrected header or a line's changed account reaches its budget lines. One set-based
// statement; budget lines already equal are left untouched. Each returns how many budget
// lines it changed (after any writer, a second call changes none).
#include "platform/db/Database.h"
#include <cstdint>

namespace ksiega::db {

// The budget lines of the documents id_nag_dok in [firstDocument, lastDocument].
int64_t refreshBudgetLineCopies(Database& db, int64_t firstDocument, int64_t lastDocument);
// The budget lines of one ledger line.
int64_t refreshBudgetLineCopiesOfLine(Database& db, int64_t line);
// Every budget line of the database (the schema upgrade that brought the copies).
int64_t refreshAllBudgetLineCopies(Database& db);

// The copied columns of BT_DANE as a select list over a ledger line `line` and its header
// `header` (aliases), in the order of budgetLineCopyColumns(): for writers that put the
// copies into their own insert ... select.
QString budgetLineCopiesSelect(const QString& line, const QString& header);
// "nr_ewid_dok, data_biezaca, nr_dok_org, data_dok_org, konto_wn, konto_ma".
QString budgetLineCopyColumns();

} // namespace ksiega::db
