#include "ledger/periods/PeriodList.h"
#include "platform/runtime/Date.h"
#include "platform/runtime/MonthNames.h"

namespace ksiega::ledger {

std::vector<PeriodListRow> buildPeriodList(int firstDay, int lastDay) {
    std::vector<PeriodListRow> rows;
    rows.push_back({QStringLiteral("Wszystkie"), 0, false});
    if (firstDay <= 0 || lastDay < firstDay) return rows;
    const int firstYear = date::year(firstDay), firstMonth = date::month(firstDay);
    const int lastYear = date::year(lastDay), lastMonth = date::month(lastDay);
    const bool withYear = firstYear != lastYear;

    rows.push_back({QStringLiteral("BO"), date::fromYmd(firstYear, firstMonth, 1), true});
    int y = firstYear, m = firstMonth;
    while ((y < lastYear || (y == lastYear && m <= lastMonth)) && int(rows.size()) < kPeriodListMonthLimit) {
        rows.push_back({periodMonthLabel(y, m, withYear).left(20), date::fromYmd(y, m, 2), true});
        if (++m > 12) {
            m = 1;
            ++y;
        }
    }
    rows.push_back({QStringLiteral("BZ"), date::fromYmd(lastYear, lastMonth, 28), true});
    return rows;
}

int periodRowFor(const std::vector<PeriodListRow>& rows, int periodDate) {
    for (size_t i = 0; i < rows.size(); ++i)
        if (rows[i].date == periodDate) return int(i);
    return 0;
}

} // namespace ksiega::ledger
