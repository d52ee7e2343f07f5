#include "budget/quickfilter/ExportPeriods.h"
#include "platform/runtime/Date.h"
#include "platform/runtime/MonthNames.h"
#include <algorithm>

namespace ksiega::budget {

QStringList exportPeriodNames(int year) {
    QStringList names;
    for (int m = 1; m <= 12; ++m) names << NAZWA_MIESIACA(m) + QChar(' ') + QString::number(year);
    names << QStringLiteral("I kwartał") << QStringLiteral("II kwartał") << QStringLiteral("III kwartał") << QStringLiteral("IV kwartał");
    return names;
}

PeriodDates exportPeriodDates(const BudgetExportForm& f, int year) {
    const int first = f.byQuarters ? (std::clamp(f.period, 1, 4) - 1) * 3 + 1 : std::clamp(f.period, 1, 12);
    const int last = f.byQuarters ? first + 2 : first;
    int startMonth = first;
    if (!f.byQuarters && f.cumulativeInQuarter) startMonth = (first - 1) / 3 * 3 + 1;
    if (f.cumulativeInYear) startMonth = 1;
    const int lastDay = date::fromYmd(last == 12 ? year + 1 : year, last == 12 ? 1 : last + 1, 1) - 1;
    return {date::fromYmd(year, startMonth, 1), lastDay};
}

} // namespace ksiega::budget
