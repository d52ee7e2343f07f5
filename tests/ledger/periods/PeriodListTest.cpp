#include "ledger/periods/PeriodList.h"
#include "platform/runtime/Date.h"
#include <gtest/gtest.h>

using namespace ksiega;
using namespace ksiega::ledger;

namespace {
QStringList names(const std::vector<PeriodListRow>& rows) {
    QStringList out;
    for (const PeriodListRow& r : rows) out << r.name;
    return out;
}
} // namespace

TEST(PeriodList, aCalendarYearGivesAllBoTwelveMonthsAndBz) {
    const auto rows = buildPeriodList(date::fromYmd(2026, 1, 1), date::fromYmd(2026, 12, 31));
    ASSERT_EQ(rows.size(), 15u);
    EXPECT_EQ(names(rows).mid(0, 3), QStringList({"Wszystkie", "BO", "Styczeń"}));
    EXPECT_EQ(rows[14].name, "BZ");
    EXPECT_EQ(rows[0].date, 0);
    EXPECT_FALSE(rows[0].isPeriod);
    EXPECT_EQ(rows[1].date, date::fromYmd(2026, 1, 1));
    EXPECT_EQ(rows[13].date, date::fromYmd(2026, 12, 2));
    EXPECT_EQ(rows[14].date, date::fromYmd(2026, 12, 28));
    EXPECT_EQ(periodRowFor(rows, date::fromYmd(2026, 3, 2)), 4);
    EXPECT_EQ(periodRowFor(rows, date::fromYmd(2026, 3, 15)), 0);   // not a period date: "Wszystkie"
}

TEST(PeriodList, monthsCarryTheirYearWhenTheFiscalYearSpansTwoCalendarYears) {
    const auto rows = buildPeriodList(date::fromYmd(2027, 1, 1), date::fromYmd(2028, 6, 30));
    ASSERT_EQ(rows.size(), 21u);   // Wszystkie, BO, 18 months, BZ
    EXPECT_EQ(rows[2].name, "2027  Styczeń");
    EXPECT_EQ(rows[19].name, "2028  Czerwiec");
    EXPECT_EQ(rows[20].date, date::fromYmd(2028, 6, 28));
}

TEST(PeriodList, monthsStopAtTwentyFiveRowsAndBzStillClosesTheList) {
    const auto rows = buildPeriodList(date::fromYmd(2025, 1, 1), date::fromYmd(2027, 6, 30));
    ASSERT_EQ(rows.size(), 26u);
    EXPECT_EQ(rows[24].name, "2026  Listopad");   // the 23rd month
    EXPECT_EQ(rows[25].name, "BZ");
    EXPECT_EQ(rows[25].date, date::fromYmd(2027, 6, 28));
}
