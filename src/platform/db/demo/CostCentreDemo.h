#pragma once
// The cost centres of the demo company: indicators of all five dimensions, the splits of
// its lines on both sides (costs on Dt, sales on Ct, opening balances) in both years, a
// filter tree of two levels saved as a configuration for each user; and the splits of a
// benchmark ledger. A split's set path (drzewo_zbior_id) is the ids of its indicators,
// each followed by the company's separator, with a separator in front; the indicator ids
// are fixed here so that sets 5, 15 and 51 are there whatever the engine gives out.
#include "platform/db/demo/DemoCompanies.h"
#include "platform/db/demo/DocumentWriter.h"

namespace ksiega::db::demo {

// Indicator ids of the demo: dimension 1 the six centres (1..6, 5 the management),
// 2 tasks (11..16), 3 vehicles (21..24), 4 projects (31..33), 5 kinds of cost (51..55).
inline constexpr int64_t kManagementCentre = 5;
inline constexpr int64_t kSalesTask = 15;
inline constexpr int64_t kMaterialsKind = 51;

// In the caller's transaction, after the documents are written.
void writeCostCentreDemo(Database& db, int64_t company, const CompanyIds& ids, const std::vector<DemoDocument>& docs,
                         const WrittenDocuments& written);

// Splits of about one line in five of the company's year among lines [firstLine, lastLine]:
// lines whose id is divisible by 5, every other one on its Dt side and the rest on its Ct
// side, one split per line of the whole amount, indicators of dimensions 1, 2 and 5 taken
// from the line id (created for the company when it has none). Set-based, in the
// caller's transaction. Returns the number of splits written.
int64_t writeLedgerSplits(Database& db, int64_t company, int64_t year, int64_t firstLine, int64_t lastLine);

} // namespace ksiega::db::demo
