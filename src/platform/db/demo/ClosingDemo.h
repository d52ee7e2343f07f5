#pragma once
// What the year-end closing of the demo's first year meets:
// - the wholesaler's profit-and-loss accounts closed to 860 by closing entries in the BZ
//   period of 2025, per currency; the school's left open (its result then goes to 860 of
//   the next year's chart by the closing itself);
// - account-plan changes of the wholesaler's 2025: a rename (with a settlement attached by
//   the administrator), a merge of the two cash desks, a swap of the two warehouses;
// - charts that differ: the off-balance 990 only in 2025, 240-09 only in 2026;
// - settlements open at the end of 2025: an invoice partly paid, a correction, a bill paid
//   by a clearing dated in 2026, an export invoice in EUR; and a PLN-only bank charge on
//   the EUR account.
// The documents are built in memory with the others (so that the demo's own 2026 opening
// balance counts them); the rest is written after the documents, in the caller's transaction.
#include "platform/db/Database.h"
#include "platform/db/demo/ChartOfAccounts.h"
#include "platform/db/demo/DemoCards.h"
#include "platform/db/demo/DemoCompanies.h"
#include "platform/db/demo/DemoModel.h"
#include <map>

namespace ksiega::db::demo {

// The wholesaler's December documents of 2025 and, last, its closing entries computed from
// `previous` (every document of its 2025) and these.
std::vector<DemoDocument> closingFirstYearDocuments(const CompanyIds& ids, const std::vector<DemoCard>& cards,
                                                    const std::vector<DemoDocument>& previous, const ChartOfAccounts& chart);
// The wholesaler's January 2026 payment of the December bill.
std::vector<DemoDocument> closingNextYearDocuments(const CompanyIds& ids, const std::vector<DemoCard>& cards);

// The chart differences, the settlements and clearings of those documents, and the plan
// changes with their attached settlement. After the documents are written.
void writeClosingExtras(Database& db, const std::map<int64_t, CompanyIds>& ids);

} // namespace ksiega::db::demo
