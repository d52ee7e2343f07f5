// The printout description lines of the budget filter for each combination of switches.
#include "budget/quickfilter/BudgetFilterDescription.h"
#include "budget/quickfilter/BudgetFilterFixture.h"
#include "ksiega/ksiega.h"
#include <gtest/gtest.h>

using namespace ksiega;
using namespace ksiega::budget;

namespace {

const QString KINDS = QStringLiteral("BTV:ID_LATA_OBROT=1 AND (BTV:RODZAJ_WY=1)");

TEST(BudgetFilterDescription, kindsAreListedOnlyWhenSomeAreOff) {
    BudgetFilterSwitches s;
    EXPECT_TRUE(describeBudgetFilter(KINDS, s, true, "-").isEmpty());   // all six on
    s.kinds = {true, false, false, false, true, false};
    EXPECT_EQ(describeBudgetFilter(KINDS, s, true, "-"), QStringList{QStringLiteral("Wydatki, Dochody, ")});
    EXPECT_EQ(describeBudgetFilter(QStringLiteral("btv:rodzaj_wy=1"), s, true, "-"), QStringList{QStringLiteral("Wydatki, Dochody, ")});
    s.kinds = {true, true, true, true, true, true};
    s.kinds[BudgetFilterSwitches::KindWplywy] = false;
    EXPECT_EQ(describeBudgetFilter(KINDS, s, true, "-").value(0),
              QStringLiteral("Wydatki, Koszty, Zaangażowanie, Środki pieniężne, Dochody, "));
    // Neither field in the filter, or outside the budget edition: nothing.
    EXPECT_TRUE(describeBudgetFilter(QStringLiteral("BTV:ID_PACZKA=3"), s, true, "-").isEmpty());
    EXPECT_TRUE(describeBudgetFilter(KINDS, s, false, "-").isEmpty());
}

TEST(BudgetFilterDescription, onlyTheSideOfTheFilterIsDescribed) {
    BudgetFilterSettings settings;
    settings.expenditure = {true, false, true, true};
    const BudgetFilterSwitches w = switchesOf(settings, "W", {});
    EXPECT_EQ(describeBudgetFilter(KINDS, w, true, "-"), QStringList{QStringLiteral("Wydatki, Zaangażowanie, Środki pieniężne, ")});
    // The revenue side's own senses all on: no line, whatever the expenditure ones are.
    EXPECT_TRUE(describeBudgetFilter(QStringLiteral("(BTV:RODZAJ_D=1 OR BTV:RODZAJ_WP=1 OR BTV:RODZAJ_X=1)"),
                                     switchesOf(settings, "D", {}), true, "-").isEmpty());
    settings.revenue = {false, true, false};
    EXPECT_EQ(describeBudgetFilter(QStringLiteral("(BTV:RODZAJ_WP=1)"), switchesOf(settings, "D", {}), true, "-"),
              QStringList{QStringLiteral("Wpływy, ")});
}

TEST(BudgetFilterDescription, classificationMaskOrChosenSymbols) {
    BudgetFilterSettings settings;
    const QString filter = QStringLiteral("SQL(BT_KLASYFIKACJA like '801-%')");
    EXPECT_TRUE(describeBudgetFilter(filter, switchesOf(settings, "W", {}), true, "/").isEmpty());   // every part "dowolny"
    settings.dzial = {QStringLiteral("801"), false};
    settings.paragraf = {QStringLiteral("42*"), false};
    settings.rozdzial = {QString(), false};   // empty is "any"
    EXPECT_EQ(describeBudgetFilter(filter, switchesOf(settings, "W", {}), true, "/"),
              QStringList{QStringLiteral("Maska klasyfikacji budżetowej: 801/*/42*/*")});
    settings.classification = ClassificationChoice::Wybrana;
    EXPECT_EQ(describeBudgetFilter(filter, switchesOf(settings, "W", {"801-80101-4210"}), true, "-"),
              QStringList{QStringLiteral("Klasyfikacja budżetowa: 801-80101-4210")});
    // Many symbols: one line of at most 150 characters, never the picker's "multiwybor".
    QStringList many;
    for (int i = 0; i < 30; ++i) many << QStringLiteral("801-80101-%1").arg(4000 + i);
    const QStringList lines = describeBudgetFilter(filter, switchesOf(settings, "W", many), true, "-");
    ASSERT_EQ(lines.size(), 1);
    EXPECT_EQ(lines[0].size(), kDescriptionLineLength);
    EXPECT_FALSE(lines[0].contains(QStringLiteral("multiwybor")));
    // Both fields: two lines, kinds first.
    BudgetFilterSwitches both = switchesOf(settings, "W", {"801-80101-4210"});
    both.kinds[BudgetFilterSwitches::KindKoszty] = false;
    EXPECT_EQ(describeBudgetFilter(KINDS + " AND BTV:BT_KLASYFIKACJA='801-80101-4210'", both, true, "-").size(), 2);
}

} // namespace

namespace ksiega::test {
namespace {

class OpisyWydrukowTest : public BudgetFilterTest {};
KSIEGA_ON_BOTH_ENGINES(OpisyWydrukowTest);

TEST_P(OpisyWydrukowTest, theProcedureAppendsTheLinesOfTheFilterLastApplied) {
    // The procedure reads the module's filter state.
    auto c = std::make_unique<budget::BudgetQuickFilterController>(db(), session(), budgetFilterState(), *settings, QString(), "W");
    c->edit().expenditure = {true, false, false, false};
    c->edit().dzial = {QStringLiteral("801"), false};
    ASSERT_TRUE(c->apply());
    session().DANE_OPIS_PRN = QStringList{QStringLiteral("Tytuł")};
    OPISY_WYDRUKOW_KSIEGA(c->result());
    EXPECT_EQ(session().DANE_OPIS_PRN,
              QStringList({"Tytuł", "Wydatki, ", "Maska klasyfikacji budżetowej: 801-*-*-*"}));
    session().DANE_CZY_WERSJA_BUDZET = 0;
    OPISY_WYDRUKOW_KSIEGA(c->result());
    EXPECT_EQ(session().DANE_OPIS_PRN.size(), 3);
}

} // namespace
} // namespace ksiega::test
