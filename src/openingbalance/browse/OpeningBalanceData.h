#pragma once
// What the opening-balance browse reads: the accounts of the year's chart under the
// account filter, and the opening amounts of one side as one grouped statement over the
// opening-balance lines (per account, the tree is summed in memory).
#include "entries/accountfilter/AccountFilterSettings.h"
#include "openingbalance/browse/AccountRows.h"
#include "platform/db/Database.h"
#include <vector>

namespace ksiega::openingbalance {

// The accounts of the company's year (WARTOSCI_KONT with KONTA_SYNT) whose synthetic
// account passes the filter, parents before children. A card account (id_kartoteki <> 0)
// is no row: the account it hangs on is the register account and carries the card
// symbol (KONTA_SYNT.symbol_kartoteki, or the kind letter when the register has no
// symbol). A row is editable when WARTOSCI_KONT.czy_edytowalne is set and no other row
// hangs below it: amounts stand on the leaves of the tree, and a register account's
// cards are edited in the card window.
std::vector<AccountRow> readChart(db::Database& db, int64_t idFirmy, int64_t idLataObrot,
                                  const entries::AccountFilterSettings& filter);

enum class Side { Dt, Ct };

// The amounts per account of one side. With `idNagDok` the lines of that document, PLN
// and currency amounts; with `aggregate` every opening-balance document (czy_rk 10) of the
// company's year, PLN only (the currency amounts are 0).
std::vector<AccountAmount> openingAmounts(db::Database& db, int64_t idFirmy, int64_t idLataObrot, int64_t idNagDok,
                                          bool aggregate, Side side);

// Segment by segment: "130-1" < "130-1-5" < "130-10" < "131".
bool accountBefore(const QString& a, const QString& b);

} // namespace ksiega::openingbalance
