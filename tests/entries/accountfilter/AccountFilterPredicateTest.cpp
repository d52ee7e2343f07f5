// Which synthetic accounts pass the account filter, and the indicator of the filter button.
#include "support/FrameFixture.h"
#include "entries/accountfilter/AccountFilterController.h"
#include "entries/accountfilter/AccountFilterPredicate.h"

using namespace ksiega;
using namespace ksiega::entries;

namespace {

SyntheticAccount account(int32_t number, char type = 'B') {
    SyntheticAccount a;
    a.number = number;
    a.type = QChar::fromLatin1(type);
    return a;
}

// Settings as "Wykonaj" leaves them.
AccountFilterSettings applied(AccountFilterSettings s) {
    s.computeDerived();
    return s;
}

TEST(AccountFilterPredicate, numbersBelowHundredBelongToGroupZeroAndOthersToTheirFirstDigit) {
    EXPECT_EQ(accountGroupElement(0), 10);
    EXPECT_EQ(accountGroupElement(10), 10);
    EXPECT_EQ(accountGroupElement(99), 10);
    EXPECT_EQ(accountGroupElement(100), 1);
    EXPECT_EQ(accountGroupElement(202), 2);
    EXPECT_EQ(accountGroupElement(999), 9);

    AccountFilterSettings s;
    s.ZSPOLY_KONT[1] = 1;
    EXPECT_FALSE(passesAccountFilter(applied(s), account(10), false)) << "010 is not group 1";
    EXPECT_TRUE(passesAccountFilter(applied(s), account(130), false));
    s.ZSPOLY_KONT[10] = 1;
    EXPECT_TRUE(passesAccountFilter(applied(s), account(10), false));
    EXPECT_FALSE(passesAccountFilter(applied(s), account(201), false));
}

TEST(AccountFilterPredicate, attributesMustAllHold) {
    AccountFilterSettings s;
    s.WALUTOWE = 1;
    s.ROZRACHUNKOWE = 1;
    s = applied(s);
    SyntheticAccount both = account(202), currencyOnly = account(203), settlementOnly = account(204);
    both.currency = both.settlement = true;
    currencyOnly.currency = true;
    settlementOnly.settlement = true;
    EXPECT_TRUE(passesAccountFilter(s, both, false));
    EXPECT_FALSE(passesAccountFilter(s, currencyOnly, false));
    EXPECT_FALSE(passesAccountFilter(s, settlementOnly, false));

    s.DWUSALDOWE = 1;
    EXPECT_FALSE(passesAccountFilter(s, both, false));
    both.twoBalance = true;
    EXPECT_TRUE(passesAccountFilter(s, both, false));
}

TEST(AccountFilterPredicate, typesSelectTheirAccountsAndUnknownTypeCodesPass) {
    AccountFilterSettings s;
    s.WYNIKOWE = 1;
    s = applied(s);
    EXPECT_TRUE(passesAccountFilter(s, account(401, 'W'), false));
    EXPECT_FALSE(passesAccountFilter(s, account(101, 'B'), false));
    EXPECT_FALSE(passesAccountFilter(s, account(901, 'P'), false));
    EXPECT_TRUE(passesAccountFilter(s, account(501, 'X'), false));
    EXPECT_TRUE(passesAccountFilter(s, account(502, ' '), false));
}

TEST(AccountFilterPredicate, costCentreFlagCountsOnlyInTheCostCentreVersionAndNeverLightsTheIndicator) {
    AccountFilterSettings s;
    s.MPK = 1;
    s = applied(s);
    SyntheticAccount plain = account(501), centre = account(502);
    centre.costCentre = true;
    EXPECT_TRUE(passesAccountFilter(s, plain, false));
    EXPECT_FALSE(passesAccountFilter(s, plain, true));
    EXPECT_TRUE(passesAccountFilter(s, centre, true));
    EXPECT_FALSE(s.indicatorOn());
    EXPECT_EQ(filterIndicatorIcon(s), QStringLiteral("~Filtr_konto.ico"));
}

TEST(AccountFilterPredicate, rangeBoundsAreInclusive) {
    AccountFilterSettings s;
    s.ZAKRES_D = 200;
    s.ZAKRES_G = 299;
    s = applied(s);
    EXPECT_FALSE(passesAccountFilter(s, account(199), false));
    EXPECT_TRUE(passesAccountFilter(s, account(200), false));
    EXPECT_TRUE(passesAccountFilter(s, account(299), false));
    EXPECT_FALSE(passesAccountFilter(s, account(300), false));
    EXPECT_EQ(filterIndicatorIcon(s), QStringLiteral("~filtr_konto_on.ico"));
}

TEST(AccountFilterPredicate, clearedSettingsLetEveryAccountThroughWithTheIndicatorOff) {
    AccountFilterSettings s = applied({});
    for (int32_t n : {0, 10, 99, 100, 555, 999}) EXPECT_TRUE(passesAccountFilter(s, account(n, 'Q'), true)) << n;
    EXPECT_FALSE(s.indicatorOn());
}

} // namespace
