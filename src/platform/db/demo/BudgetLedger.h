#pragma once
// The budget lines of a benchmark ledger: one budget line per ledger line of the range,
// over 2,000 classification symbols (8 działy x 10 rozdziały x 25 paragrafs, paragrafs
// 0xxx on the revenue side), with the flags of the side cycling through every combination,
// and a plan with a change for every symbol. Set-based statements inside the caller's
// transaction.
#include "platform/db/Database.h"

namespace ksiega::db::demo {

inline constexpr int kBenchmarkBudgetSymbols = 2000;

// Returns the number of budget lines written.
int64_t writeBudgetLines(Database& db, int64_t company, int64_t year, int64_t firstLine, int64_t lastLine);

// The symbol number n (0 .. kBenchmarkBudgetSymbols-1) and its side.
QString benchmarkBudgetSymbol(int n);
QChar benchmarkBudgetSide(int n);

} // namespace ksiega::db::demo
