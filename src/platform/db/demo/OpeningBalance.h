#pragma once
// Opening balances of the demo companies: one opening-balance document (czy_rk 10) per
// company, fiscal year and currency, dated on the first day of the year in the period "BO".
#include "platform/db/demo/ChartOfAccounts.h"
#include "platform/db/demo/GeneratorContext.h"

namespace ksiega::db::demo {

// The opening balance read from an embedded file (konto;Dt;Ct;waluta;kwota w walucie).
// Throws DbError when the file does not balance.
std::vector<DemoDocument> openingBalanceFromFile(GeneratorContext& ctx, const QString& file);

// The opening balance carried from the previous year's posted documents (its opening
// balance included): every balance-sheet account with its balance, in PLN and in its
// currency; the profit-and-loss accounts' net result, and the balances of the accounts in
// `closedIntoResult`, go to `resultAccount`. Off-balance accounts are not carried.
std::vector<DemoDocument> openingBalanceFromYear(GeneratorContext& ctx, const std::vector<DemoDocument>& previousYear,
                                                 const ChartOfAccounts& chart, const QString& resultAccount,
                                                 const std::vector<int>& closedIntoResult);

} // namespace ksiega::db::demo
