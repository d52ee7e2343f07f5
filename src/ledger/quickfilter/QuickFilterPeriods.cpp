#include "ledger/quickfilter/QuickFilterPeriods.h"
#include "platform/runtime/Date.h"
#include "platform/runtime/MonthNames.h"
#include <algorithm>

namespace ksiega::ledger {

std::vector<PeriodRow> fiscalYearPeriods(int firstDay, int lastDay) {
    std::vector<PeriodRow> rows;
    if (firstDay <= 0 || lastDay < firstDay) return rows;
    const int startYear = date::year(firstDay), startMonth = date::month(firstDay);
    const int endYear = date::year(lastDay), endMonth = date::month(lastDay);
    const bool withYear = startYear != endYear;
    rows.push_back({QStringLiteral("BO"), date::fromYmd(startYear, startMonth, 1)});
    int year = startYear, month = startMonth;
    for (int n = 0; n < kMaxPeriodMonths && (year < endYear || (year == endYear && month <= endMonth)); ++n) {
        rows.push_back({periodMonthLabel(year, month, withYear).left(20), date::monthPeriod(year, month)});
        if (++month > 12) {
            month = 1;
            ++year;
        }
    }
    rows.push_back({QStringLiteral("BZ"), date::fromYmd(endYear, endMonth, 28)});
    return rows;
}

QString periodDescription(const std::vector<PeriodRow>& periods) {
    if (std::all_of(periods.begin(), periods.end(), [](const PeriodRow& p) { return p.checked; })) return QString();
    QString text;
    for (const PeriodRow& p : periods)
        if (p.checked) text += p.name + QStringLiteral("; ");
    return text.left(120);
}

} // namespace ksiega::ledger
