#pragma once
// What the year-end closing of the demo's first year meets:
// - the wholesaler's profit-and-loss accounts closed to 860 by closing entries in the BZ
//   period of 2025, per currency; the school's left open (its result then goes to 860 of
//   the next year's chart by the closing itself);
// - account-plan changes of the wholesaler's 2025: a rename (with a settlement attached by
//   the administrator), a merge of the two cash desks, a swap of the two warehouses;
// - charts that differ: 240-04 and 010-06 only in 2025, 240-09 only in 2026;
// - settlements open at the end of 2025: an invoice partly paid, a correction, an invoice
//   paid by a clearing dated in 2026, an export invoice in EUR; and a PLN-only bank charge
//   on the EUR account.
// In the caller's transaction, after the documents are written and before the turnovers.
#include "platform/db/Database.h"
#include "platform/db/demo/DemoCards.h"
#include "platform/db/demo/DemoCompanies.h"
#include <map>

namespace ksiega::db::demo {

void writeClosingDemo(Database& db, const std::map<int64_t, CompanyIds>& ids, const std::vector<DemoCard>& cards);

} // namespace ksiega::db::demo
