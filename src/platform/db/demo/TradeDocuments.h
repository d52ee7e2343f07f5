#pragma once
// The year's documents of the wholesale company: sales and export invoices, purchases of
// goods and services, bank and currency-bank statements that settle them, cash reports,
// payroll, depreciation, the monthly VAT settlement and off-balance entries.
#include "platform/db/demo/GeneratorContext.h"

namespace ksiega::db::demo {

// `scale` is the share of a full month's volume in per cent (100: about 150 documents a
// month). With `unposted` the last month also gets a few documents not yet posted (status
// 0 and 1). Documents come in posting-date order within each month.
std::vector<DemoDocument> tradeDocuments(GeneratorContext& ctx, int scale, bool unposted);

} // namespace ksiega::db::demo
