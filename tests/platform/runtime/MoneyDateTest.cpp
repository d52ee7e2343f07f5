#include "platform/runtime/Date.h"
#include "platform/runtime/Money.h"
#include <gtest/gtest.h>

using namespace ksiega;

TEST(Money, readsPlainAndPolishFormsExactly) {
    EXPECT_EQ(Money::parse("1234.56")->minor(), 123456);
    EXPECT_EQ(Money::parse("-0.5")->minor(), -50);
    EXPECT_EQ(Money::parse("1 234,56")->minor(), 123456);
    EXPECT_EQ(Money::parse("12")->minor(), 1200);
    EXPECT_EQ(Money::parse("0.01")->minor(), 1);
    EXPECT_EQ(Money::parse("99999999999999.99")->minor(), 9999999999999999LL);
}

TEST(Money, refusesWhatItCannotReadExactly) {
    EXPECT_FALSE(Money::parse(""));
    EXPECT_FALSE(Money::parse("1.234"));
    EXPECT_FALSE(Money::parse("1e5"));
    EXPECT_FALSE(Money::parse("12a"));
    EXPECT_FALSE(Money::parse("1.2.3"));
    EXPECT_FALSE(Money::parse("-"));
    EXPECT_THROW(Money::parseOrThrow("abc"), std::invalid_argument);
}

TEST(Money, writesMachineAndDisplayForms) {
    EXPECT_EQ(Money::fromMinor(-123456789).toString(), "-1234567.89");
    EXPECT_EQ(Money::fromMinor(-123456789).toDisplay(), "-1 234 567,89");
    EXPECT_EQ(Money::fromMinor(5).toString(), "0.05");
    EXPECT_EQ(Money().toDisplay(), "0,00");
}

TEST(Money, balanceKeepsTheLargerSide) {
    const auto b = Balance::of(Money::fromWhole(100), Money::fromWhole(30));
    EXPECT_EQ(b.dt, Money::fromWhole(70));
    EXPECT_EQ(b.ct, Money());
    const auto equal = Balance::of(Money::fromWhole(5), Money::fromWhole(5));
    EXPECT_TRUE(equal.dt.isZero() && equal.ct.isZero());
    EXPECT_EQ(Balance::of(Money(), Money::fromWhole(3)).ct, Money::fromWhole(3));
}

TEST(Date, dayNumbersCountFrom28December1800) {
    EXPECT_EQ(date::fromYmd(1800, 12, 28), 1);
    EXPECT_EQ(date::fromYmd(1801, 1, 1), 5);
    EXPECT_EQ(date::toIso(date::fromYmd(2026, 3, 15)), "2026-03-15");
    EXPECT_EQ(date::toDisplay(date::fromYmd(2026, 3, 5)), "05-03-2026");
    EXPECT_EQ(date::toIso(0), "");
    EXPECT_FALSE(date::parseIso("2026-02-30"));
    EXPECT_FALSE(date::parseIso("15.03.2026"));
}

TEST(Date, periodDatesTellTheirKindByDay) {
    const int start = date::fromYmd(2025, 7, 1), end = date::fromYmd(2026, 12, 31);
    EXPECT_EQ(date::periodKind(date::openingPeriod(start)), date::PeriodKind::OpeningBalance);
    EXPECT_EQ(date::toIso(date::openingPeriod(start)), "2025-07-01");
    EXPECT_EQ(date::toIso(date::closingPeriod(end)), "2026-12-28");
    EXPECT_EQ(date::periodKind(date::monthPeriod(2026, 2)), date::PeriodKind::Month);
}
