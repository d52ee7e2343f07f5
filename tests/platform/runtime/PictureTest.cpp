#include "platform/runtime/Date.h"
#include "platform/runtime/MonthNames.h"
#include "platform/runtime/Picture.h"
#include "platform/runtime/TextFunctions.h"
#include <gtest/gtest.h>

using namespace ksiega;

static Money zl(const char* text) { return Money::parseOrThrow(QString::fromUtf8(text)); }

TEST(Picture, amountPicturesOfTheListsGroupWithBlanksAndUseADecimalComma) {
    const Picture p("@N-14_`2");
    EXPECT_EQ(p.format(zl("1234567.89")), "1 234 567,89");
    EXPECT_EQ(p.format(zl("-1234567.89")), "-1 234 567,89");
    EXPECT_EQ(p.format(zl("0.05")), "0,05");
    EXPECT_EQ(p.format(zl("-0.05")), "-0,05");
    EXPECT_EQ(p.format(Money()), "0,00");
    EXPECT_EQ(p.format(zl("999")), "999,00");
    EXPECT_EQ(p.format(zl("1000")), "1 000,00");
    EXPECT_EQ(Picture("@N-19_`2").format(zl("-12345678901.50")), "-12 345 678 901,50");
    EXPECT_EQ(Picture("@N-14_`2B").format(Money()), "");
    EXPECT_EQ(Picture("@N-14_`2B").format(zl("-0.01")), "-0,01");
    EXPECT_EQ(Picture("@n-21.2").format(zl("-1234567.8")), "-1234567.80");
}

TEST(Picture, anAmountThatDoesNotFitShowsHashesNotACutNumber) {
    const Picture p("@N-14_`2");
    EXPECT_EQ(p.format(zl("99999999.99")), "99 999 999,99");             // 13 characters
    EXPECT_EQ(p.format(zl("-99999999.99")), "-99 999 999,99");           // 14
    EXPECT_EQ(p.format(zl("100000000")), "100 000 000,00");              // 14
    EXPECT_EQ(p.format(zl("-100000000")), QString(14, '#'));
    EXPECT_EQ(Picture("@n3").format(int64_t(1000)), "###");
}

TEST(Picture, wholeNumberPictures) {
    EXPECT_EQ(Picture("@N3").format(100), "100");
    EXPECT_EQ(Picture("@N14_").format(int64_t(1234567)), "1 234 567");
    EXPECT_EQ(Picture("@n4").format(0), "0");
    // An amount under a picture without places is rounded half away from zero.
    EXPECT_EQ(Picture("@N14_").format(zl("2.50")), "3");
    EXPECT_EQ(Picture("@N14_").format(zl("-2.49")), "-2");
    EXPECT_EQ(Picture("@N9.2-").format(zl("-12.5")), "12.50-");
}

TEST(Picture, datesShowDayMonthYearAndNothingForNoDate) {
    const int d = date::fromYmd(2026, 3, 5);
    EXPECT_EQ(Picture("@D6-").format(int64_t(d)), "05-03-2026");
    EXPECT_EQ(Picture("@d6-").format(d), "05-03-2026");
    EXPECT_EQ(Picture("@D6").format(d), "05/03/2026");
    EXPECT_EQ(Picture("@D6-").format(0), "");
    EXPECT_EQ(Picture("@D6-").format(QStringLiteral("2026-12-31")), "31-12-2026");
}

TEST(Picture, unknownPicturesAreRefused) {
    for (const char* bad : {"", "@", "@X5", "@N", "@D5-", "@s", "@N-14_`2Q", "N14"})
        EXPECT_THROW(Picture::parse(QString::fromLatin1(bad)), std::invalid_argument) << bad;
}

TEST(MonthNames, nominativeCapitalisedAndYearPrefixedLabels) {
    EXPECT_EQ(NAZWA_MIESIACA(1, 0), QString::fromUtf8("Styczeń"));
    EXPECT_EQ(NAZWA_MIESIACA(4, 0), QString::fromUtf8("Kwiecień"));
    EXPECT_EQ(NAZWA_MIESIACA(8, 0), QString::fromUtf8("Sierpień"));
    EXPECT_EQ(NAZWA_MIESIACA(10, 0), QString::fromUtf8("Październik"));
    EXPECT_EQ(NAZWA_MIESIACA(12, 0), QString::fromUtf8("Grudzień"));
    EXPECT_EQ(NAZWA_MIESIACA(0, 0), "");
    EXPECT_EQ(NAZWA_MIESIACA(13, 0), "");
    EXPECT_EQ(periodMonthLabel(2025, 7, true), "2025  Lipiec");
    EXPECT_EQ(periodMonthLabel(2025, 7, false), "Lipiec");
}

TEST(TextFunctions, userWildcardsBecomeSqlWildcards) {
    EXPECT_EQ(ZAMIEN_ZNAKI("201-*"), "201-%");
    EXPECT_EQ(ZAMIEN_ZNAKI("2?1*-0?"), "2_1%-0_");
    EXPECT_EQ(ZAMIEN_ZNAKI("201-01"), "201-01");
    EXPECT_EQ(LICZBA_WYSTAPIEN("-", "801-80101-4010"), 2);
    EXPECT_EQ(LICZBA_WYSTAPIEN("-", "801"), 0);
    EXPECT_EQ(LICZBA_WYSTAPIEN("", "801"), 0);
    EXPECT_TRUE(hasWildcards("20?"));
    EXPECT_FALSE(hasWildcards("201"));
}
