// A currency from any source is read one way.
#include "platform/runtime/CurrencyCode.h"
#include <gtest/gtest.h>

using ksiega::CurrencyCode;

TEST(CurrencyCode, blankOrAnyCaseOfPlnIsTheHomeCurrencyAndOthersAreUpperCasedToThreeLetters) {
    for (const char* home : {"", "   ", "PLN", "pln", " Pln "}) {
        EXPECT_TRUE(CurrencyCode::of(home).isHome()) << home;
        EXPECT_EQ(CurrencyCode::of(home).symbol(), "PLN");
        EXPECT_EQ(CurrencyCode::of(home).entrySymbol(), "") << "the entry views keep the home currency blank";
    }
    EXPECT_EQ(CurrencyCode::of(" eur ").symbol(), "EUR");
    EXPECT_EQ(CurrencyCode::of("usdx").symbol(), "USD");
    EXPECT_EQ(CurrencyCode::of("eur").entrySymbol(), "EUR");
    EXPECT_EQ(CurrencyCode::of("eur"), CurrencyCode::of("EUR"));
    EXPECT_FALSE(CurrencyCode::of("EUR") == CurrencyCode::home());
}
