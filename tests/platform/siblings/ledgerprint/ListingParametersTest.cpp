#include "platform/siblings/ledgerprint/ListingParameters.h"
#include <gtest/gtest.h>

using namespace ksiega::ledgerprint;

TEST(ListingParameters, titleKeepsItsCommasAndFieldsAreRead) {
    const auto parsed = parseListingParameters(QStringLiteral("68,1,12,3,1,Konto: 201-01  Odbiorcy, krajowi"));
    ASSERT_TRUE(parsed.parameters) << parsed.error.toStdString();
    const ListingParameters& p = *parsed.parameters;
    EXPECT_EQ(p.kind, ListingKind::Entries);
    EXPECT_EQ(p.range, 1);
    EXPECT_EQ(p.marksBrowser(), 40);
    EXPECT_EQ(p.titleLine, QStringLiteral("Konto: 201-01  Odbiorcy, krajowi"));

    // The period browse's marks, and the cash report's currency switch.
    EXPECT_EQ(parseListingParameters(QStringLiteral("61,1,4,0,0,Okres obrotowy: Marzec")).parameters->marksBrowser(), 41);
    const auto cash = parseListingParameters(QStringLiteral("66,0,1,0,1"));
    ASSERT_TRUE(cash.parameters);
    EXPECT_EQ(cash.parameters->kind, ListingKind::CashReport);
    EXPECT_TRUE(cash.parameters->inCurrency());
    EXPECT_TRUE(cash.parameters->titleLine.isEmpty());
}

TEST(ListingParameters, refusesUnknownCodesRangesAndGarbage) {
    EXPECT_FALSE(parseListingParameters(QStringLiteral("99,0,0,0,0,x")).parameters);
    EXPECT_FALSE(parseListingParameters(QStringLiteral("61,3,0,0,0,x")).parameters);
    EXPECT_FALSE(parseListingParameters(QStringLiteral("61,a,0,0,0,x")).parameters);
    EXPECT_FALSE(parseListingParameters(QString()).parameters);
}
