// The quick filter "Filtr": its checks in order, the expression it returns and what that
// expression selects on the database, its stored choices.
#include "CostCentreFixture.h"
#include "costcentres/MpkQuickFilterController.h"
#include "costcentres/MpkTexts.h"
#include "costcentres/MpkViewController.h"
#include <QTemporaryDir>

using namespace ksiega;
using namespace ksiega::costcentres;
using ksiega::test::zl;
using Kind = ui::ScriptedDialogs::Kind;

namespace {

class MpkQuickFilterTest : public test::CostCentreTest {
protected:
    void SetUp() override {
        CostCentreTest::SetUp();
        if (IsSkipped()) return;
        settings = std::make_unique<Settings>(dir.filePath("ksiega.ini"));
    }
    std::unique_ptr<MpkQuickFilterController> filter() {
        return std::make_unique<MpkQuickFilterController>(db(), session(), *settings);
    }
    // What the view lists under an expression.
    int64_t listedUnder(const QString& expression) {
        MpkViewController c(db(), session(), services);
        c.quickFilterWindow = [&] { return expression; };
        c.open();
        c.runQuickFilter();
        return c.browser().list().rowCount();
    }
    QTemporaryDir dir;
    std::unique_ptr<Settings> settings;
};
KSIEGA_ON_BOTH_ENGINES(MpkQuickFilterTest);

TEST(MpkQuickFilterExpression, accountRangeComparesTheFirstThreeCharactersPaddedWithZeros) {
    EXPECT_EQ(rangeBound("4"), "400");
    EXPECT_EQ(rangeBound("40"), "400");
    EXPECT_EQ(rangeBound("4019"), "401");
    MpkQuickFilterChoice c;
    c.year = 3;
    c.journals = c.periods = c.types = {{0, texts::ALL_ROWS, "", true}, {11, "DZ", "DZ", true}};
    c.account = AccountChoice::Range;
    c.rangeFrom = "4";
    c.rangeTo = "40";
    EXPECT_EQ(expression(c), "MPK:ID_LATA_OBROT=3 AND SQL(Left(KONTO,3)>='400' AND Left(KONTO,3)<='400')");
    // A typed quote never leaves its text.
    c.account = AccountChoice::Single;
    c.single = "4' OR '1'='1";
    EXPECT_EQ(expression(c), "MPK:ID_LATA_OBROT=3 AND MPK:KONTO='4'' OR ''1''=''1'");
}

TEST(MpkQuickFilterExpression, allRowsMarkedMeansNoConditionWhateverElseIsMarked) {
    MpkQuickFilterChoice c;
    c.firm = 9;
    c.journals = {{0, texts::ALL_ROWS, "", true}, {11, "A", "A", false}, {12, "B", "B", true}};
    c.periods = {{0, texts::ALL_ROWS, "", false}, {100, "Styczeń", "", true}, {131, "Luty", "", true}};
    c.types = {{0, texts::ALL_ROWS, "", false}, {5, "PK", "PK", true}};
    c.sideCt = false;
    EXPECT_EQ(expression(c), "MPK:ID_FIRMY=9 AND (MPK:DATA_OKRESU=100 OR MPK:DATA_OKRESU=131) AND (MPK:ID_TYP_DOK=5)"
                             " AND MPK:STRONA='WN'");
}

TEST(MpkQuickFilterExpression, checksRunInTheirOrder) {
    MpkQuickFilterChoice c;
    const std::vector<MarkRow> none = {{0, texts::ALL_ROWS, "", false}, {1, "x", "", false}};
    const std::vector<MarkRow> all = {{0, texts::ALL_ROWS, "", true}};
    c.journals = c.types = c.periods = none;
    c.sideDt = c.sideCt = false;
    c.account = AccountChoice::Range;
    EXPECT_EQ(validate(c), texts::NO_JOURNAL);
    c.journals = all;
    EXPECT_EQ(validate(c), texts::NO_TYPE);
    c.types = all;
    EXPECT_EQ(validate(c), texts::NO_PERIOD);
    c.periods = all;
    EXPECT_EQ(validate(c), texts::NO_SIDE);
    c.sideCt = true;
    c.rangeFrom = "4";
    EXPECT_EQ(validate(c), texts::NO_RANGE);
    c.account = AccountChoice::Mask;
    EXPECT_EQ(validate(c), texts::NO_MASK);
    c.account = AccountChoice::Single;
    EXPECT_EQ(validate(c), texts::NO_ACCOUNT);
    c.single = "401";
    EXPECT_EQ(validate(c), "");
}

TEST_P(MpkQuickFilterTest, listsOfTheYearAndEveryUnmarkedRowKeepsTheWindowOpen) {
    auto c = filter();
    EXPECT_EQ(c->year(), f().year2026);
    ASSERT_EQ(c->rows(MarkList::Periods).size(), 13u);   // "<wszystkie>" and twelve months
    EXPECT_EQ(c->rows(MarkList::Periods)[3].id, f().month2026(3));
    EXPECT_EQ(c->rows(MarkList::Journals)[1].id, f().journal);
    c->setAll(MarkList::Journals, false);
    EXPECT_FALSE(c->apply());
    EXPECT_FALSE(c->applied());
    EXPECT_EQ(dialogs.texts(Kind::Information), QStringList{texts::NO_JOURNAL});
}

TEST_P(MpkQuickFilterTest, expressionSelectsWhatPlainSqlSelects) {
    auto c = filter();
    // March only, accounts 400..409 by range, Dt side.
    c->toggle(MarkList::Periods, 0);
    c->toggle(MarkList::Periods, 3);
    c->edit().sideCt = false;
    c->edit().account = AccountChoice::Range;
    c->edit().rangeFrom = "4";
    c->edit().rangeTo = "40";
    ASSERT_TRUE(c->apply());
    const QString where = QStringLiteral("p.data_okresu=%1 AND m.strona='WN' AND substr(m.konto,1,3)='400'")
                              .arg(f().month2026(3));
    EXPECT_EQ(listedUnder(c->result()), sqlCount(where));

    // A mask and the posting dates.
    c->edit().account = AccountChoice::Mask;
    c->edit().mask = "401*";
    c->edit().sideCt = true;
    c->edit().postingDates = true;
    c->edit().postingFrom = f().month2026(1);
    c->edit().postingTo = f().month2026(12);
    c->setAll(MarkList::Periods, true);
    ASSERT_TRUE(c->apply());
    EXPECT_EQ(listedUnder(c->result()),
              sqlCount(QStringLiteral("m.konto like '401%' AND n.data_biezaca>=%1 AND n.data_biezaca<=%2")
                           .arg(f().month2026(1))
                           .arg(f().month2026(12))));
    EXPECT_GT(sqlCount("m.konto like '401%'"), 0);
}

TEST_P(MpkQuickFilterTest, choicesComeBackAndClearingForgetsThem) {
    {
        auto c = filter();
        c->toggle(MarkList::Journals, 0);
        c->toggle(MarkList::Journals, 1);
        c->edit().sideDt = false;
        c->edit().account = AccountChoice::Mask;
        c->edit().mask = "4*";
        ASSERT_TRUE(c->apply());
    }
    auto c = filter();
    EXPECT_FALSE(c->rows(MarkList::Journals)[0].marked);
    EXPECT_TRUE(c->rows(MarkList::Journals)[1].marked);
    EXPECT_FALSE(c->choice().sideDt);
    EXPECT_EQ(c->choice().mask, "4*");
    c->clearSettings();
    EXPECT_TRUE(c->rows(MarkList::Journals)[0].marked);
    EXPECT_EQ(c->choice().account, AccountChoice::All);
    auto again = filter();
    EXPECT_TRUE(again->choice().sideDt);
}

} // namespace
