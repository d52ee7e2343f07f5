// Products, percentages and allocation of amounts: exact, rounded only as named, and
// refused when the result would not fit.
#include "platform/runtime/Money.h"
#include <gtest/gtest.h>
#include <limits>
#include <numeric>

using namespace ksiega;

namespace {
Money gr(int64_t g) { return Money::fromMinor(g); }
Rate rate(const char* text) { return Rate::parseOrThrow(QString::fromLatin1(text)); }
constexpr int64_t kMax = std::numeric_limits<int64_t>::max();
constexpr int64_t kMin = std::numeric_limits<int64_t>::min();

int64_t quotient(__int128 n, __int128 d, Rounding mode) { return int64_t(roundedQuotient(n, d, mode)); }

int64_t sumOf(const std::vector<Money>& parts) {
    Money s;
    for (Money m : parts) s += m;
    return s.minor();
}
} // namespace

TEST(Rounding, halvesGoWhereTheModeSaysOnBothSigns) {
    struct Case {
        Rounding mode;
        int64_t at25, at15, atMinus25, atMinus15, at26, atMinus24;   // of 2.5, 1.5, -2.5, -1.5, 2.6, -2.4
    };
    for (const Case& c : {Case{Rounding::HalfUp, 3, 2, -3, -2, 3, -2}, Case{Rounding::HalfDown, 2, 1, -2, -1, 3, -2},
                          Case{Rounding::HalfEven, 2, 2, -2, -2, 3, -2}, Case{Rounding::Down, 2, 1, -2, -1, 2, -2},
                          Case{Rounding::Up, 3, 2, -3, -2, 3, -3}, Case{Rounding::Floor, 2, 1, -3, -2, 2, -3},
                          Case{Rounding::Ceiling, 3, 2, -2, -1, 3, -2}}) {
        SCOPED_TRACE(int(c.mode));
        EXPECT_EQ(quotient(25, 10, c.mode), c.at25);
        EXPECT_EQ(quotient(15, 10, c.mode), c.at15);
        EXPECT_EQ(quotient(-25, 10, c.mode), c.atMinus25);
        EXPECT_EQ(quotient(-15, 10, c.mode), c.atMinus15);
        EXPECT_EQ(quotient(26, 10, c.mode), c.at26);
        EXPECT_EQ(quotient(-24, 10, c.mode), c.atMinus24);
        EXPECT_EQ(quotient(20, -10, c.mode), -2);   // exact quotients stay as they are
    }
    EXPECT_THROW(roundedQuotient(1, 0, Rounding::HalfUp), std::domain_error);
}

TEST(MoneyTimes, aRateMultipliesExactlyAndRoundsAsNamed) {
    // 100.01 zł at 4.2345 = 423.4923... zł
    EXPECT_EQ(gr(10001).times(rate("4.2345"), Rounding::HalfUp), gr(42349));
    EXPECT_EQ(gr(-10001).times(rate("4.2345"), Rounding::HalfUp), gr(-42349));
    // 0.05 zł * 0.5 = 0.025: the half decides.
    EXPECT_EQ(gr(5).times(rate("0.5"), Rounding::HalfUp), gr(3));
    EXPECT_EQ(gr(5).times(rate("0.5"), Rounding::HalfEven), gr(2));
    EXPECT_EQ(gr(-5).times(rate("0.5"), Rounding::HalfUp), gr(-3));
    EXPECT_EQ(gr(-5).times(rate("0.5"), Rounding::HalfEven), gr(-2));
    EXPECT_EQ(gr(-5).times(rate("0.5"), Rounding::Down), gr(-2));
    EXPECT_EQ(gr(kMax).times(rate("1"), Rounding::Down), gr(kMax));   // no intermediate overflow
    EXPECT_EQ(gr(kMax).times(rate("-1"), Rounding::Down), gr(-kMax));
    EXPECT_EQ(gr(7).times(-3), gr(-21));
    // 23% of 10.01 zł = 2.3023 zł; 12.5% of 0.04 zł = 0.005 zł.
    EXPECT_EQ(gr(1001).percentOf(Rate::whole(23), Rounding::HalfUp), gr(230));
    EXPECT_EQ(gr(1001).times(Rate::percent("23"), Rounding::HalfUp), gr(230));
    EXPECT_EQ(gr(4).percentOf(Rate::fromScaled(12'500'000), Rounding::HalfUp), gr(1));
    EXPECT_EQ(gr(4).percentOf(rate("12.5"), Rounding::HalfEven), gr(0));
}

TEST(MoneyOverflow, everyOperationRefusesAResultOutside64Bits) {
    EXPECT_THROW(gr(kMax) + gr(1), std::overflow_error);
    EXPECT_THROW(gr(kMin) - gr(1), std::overflow_error);
    EXPECT_THROW(-gr(kMin), std::overflow_error);
    EXPECT_EQ(-gr(kMin + 1), gr(kMax));
    Money m = gr(kMax);
    EXPECT_THROW(m += gr(1), std::overflow_error);
    EXPECT_EQ(m, gr(kMax));   // left as it was
    m = gr(kMin);
    EXPECT_THROW(m -= gr(1), std::overflow_error);
    EXPECT_THROW(Money::fromWhole(kMax / 100 + 1), std::overflow_error);
    EXPECT_THROW(gr(kMax / 2 + 1).times(2), std::overflow_error);
    EXPECT_THROW(gr(kMax).times(rate("1.000001"), Rounding::Down), std::overflow_error);
    EXPECT_THROW(gr(kMin).times(rate("-1"), Rounding::Down), std::overflow_error);
    EXPECT_EQ(gr(kMax) + gr(kMin), gr(-1));
}

TEST(MoneyAllocate, partsAddUpExactlyAndLeftoverGroszeGoToTheLargestRemainders) {
    // 100.00 zł into three equal parts: 33.34, 33.33, 33.33 (the tie goes to the first).
    EXPECT_EQ(gr(10000).allocate(std::vector<int64_t>{1, 1, 1}), (std::vector<Money>{gr(3334), gr(3333), gr(3333)}));
    // 0.05 zł in 30/30/40: exact shares 1.5, 1.5, 2: the first half wins the grosz.
    EXPECT_EQ(gr(5).allocate(std::vector<int64_t>{30, 30, 40}), (std::vector<Money>{gr(2), gr(1), gr(2)}));
    // The largest remainder, not the first part, gets it: 0.10 zł in 1/2/4 = 1.43, 2.86, 5.71.
    EXPECT_EQ(gr(10).allocate(std::vector<int64_t>{1, 2, 4}), (std::vector<Money>{gr(1), gr(3), gr(6)}));
    // A negative amount mirrors the positive one.
    EXPECT_EQ(gr(-10000).allocate(std::vector<int64_t>{1, 1, 1}), (std::vector<Money>{gr(-3334), gr(-3333), gr(-3333)}));
    // Zero weights get nothing, even of the leftover.
    EXPECT_EQ(gr(7).allocate(std::vector<int64_t>{0, 1, 0, 1}), (std::vector<Money>{gr(0), gr(4), gr(0), gr(3)}));
    // Cost-centre shares as rates.
    EXPECT_EQ(gr(100001).allocate(std::vector<Rate>{rate("0.25"), rate("0.75")}), (std::vector<Money>{gr(25000), gr(75001)}));
}

TEST(MoneyAllocate, extremeAmountsAndWeightsStillAddUp) {
    const std::vector<int64_t> weights{kMax, kMax, 1, 3};
    for (int64_t amount : {kMax, kMin, int64_t(1), int64_t(-1), int64_t(0)}) {
        SCOPED_TRACE(amount);
        const auto parts = gr(amount).allocate(weights);
        ASSERT_EQ(parts.size(), weights.size());
        EXPECT_EQ(sumOf(parts), amount);
        for (Money p : parts) EXPECT_TRUE(amount >= 0 ? p.minor() >= 0 : p.minor() <= 0);
    }
    EXPECT_EQ(gr(kMin).allocate(std::vector<int64_t>{1}), std::vector<Money>{gr(kMin)});
    EXPECT_THROW(gr(1).allocate(std::vector<int64_t>{}), std::invalid_argument);
    EXPECT_THROW(gr(1).allocate(std::vector<int64_t>{0, 0}), std::invalid_argument);
    EXPECT_THROW(gr(1).allocate(std::vector<int64_t>{2, -1}), std::invalid_argument);
}

TEST(Rate, isReadExactlyToSixDecimals) {
    EXPECT_EQ(rate("4.2345").scaled(), 4'234'500);
    EXPECT_EQ(rate("-0,5").scaled(), -500'000);
    EXPECT_EQ(rate("1").scaled(), 1'000'000);
    EXPECT_EQ(rate("0.000001").scaled(), 1);
    EXPECT_EQ(rate("4.2345").toString(), "4.2345");
    EXPECT_EQ(rate("-3").toString(), "-3.0");
    for (const char* refused : {"", "1.0000001", "1.2.3", "abc", "99999999999999999999"})
        EXPECT_FALSE(Rate::parse(QString::fromLatin1(refused)).has_value()) << refused;
    EXPECT_EQ(Rate::percent("23").scaled(), 230'000);
    EXPECT_THROW(Rate::percent("0.00001"), std::invalid_argument);
    EXPECT_THROW(Rate::whole(kMax / 1'000'000 + 1), std::overflow_error);
}
