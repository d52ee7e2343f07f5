#pragma once
// What the opening balance of the demo's first year carries besides its amounts: the card
// registers behind the register accounts, the settlements of the opening lines (kept by
// the ledger and from the warehouse system, with a correction and a pair of clearings),
// partial entries, a cost-centre split, and the system options the settlement form reads.
#include "platform/db/Database.h"
#include <map>

namespace ksiega::db::demo {

// The card registers (KARTOTEKA_UZYTKOWNIKA) of every company and the register symbol of
// every register account (KONTA_SYNT.symbol_kartoteki). In the caller's transaction.
void writeCardRegisters(Database& db);

// Settlements, clearings, partial entries and the cost-centre split of the opening lines of
// the trade company's first year, and options 180 and 224 of every company and year.
void writeOpeningBalanceExtras(Database& db, int64_t company, int64_t firstYear);

} // namespace ksiega::db::demo
