#pragma once
// The period list of "Przeglądanie stanu kont" (LIST2): "Wszystkie" (date 0), "BO" (day 1
// of the first month of the fiscal year), one row per month (day 2), named with the year
// when the fiscal year spans two calendar years ("2027  Lipiec"), and "BZ" (day 28 of the
// last month). Months stop once the list holds 25 rows.
#include <QString>
#include <vector>

namespace ksiega::ledger {

struct PeriodListRow {
    QString name;        // at most 20 characters
    int date = 0;        // period date; 0 for "Wszystkie"
    bool isPeriod = false;  // false only for the first row
};

inline constexpr int kPeriodListMonthLimit = 25;

std::vector<PeriodListRow> buildPeriodList(int firstDay, int lastDay);
// The row whose date is the session's period date, else 0 (the first row).
int periodRowFor(const std::vector<PeriodListRow>& rows, int periodDate);

} // namespace ksiega::ledger
