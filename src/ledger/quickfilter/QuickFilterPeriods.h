#pragma once
// The periods a fiscal year offers in the quick filter: "BO" (day 1 of the first month),
// one row per month (day 2), at most 24, named with the year when the fiscal year spans
// two calendar years ("2027  Lipiec"), and "BZ" (day 28 of the last month).
#include <QString>
#include <vector>

namespace ksiega::ledger {

struct PeriodRow {
    QString name;     // 20 characters
    int date = 0;     // period date
    bool checked = true;
};

inline constexpr int kMaxPeriodMonths = 24;

std::vector<PeriodRow> fiscalYearPeriods(int firstDay, int lastDay);

// "BO; Styczeń; " for the checked rows when at least one is unchecked, else ""; at most
// 120 characters.
QString periodDescription(const std::vector<PeriodRow>& periods);

} // namespace ksiega::ledger
