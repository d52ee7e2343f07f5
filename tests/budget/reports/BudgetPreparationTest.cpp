// Data preparation of the budget printouts: the queue's subtotals for a symbol that is both
// a detail and a parent, an empty selection, and the Rb forms' work rows: their order and
// parts, the user's other rows, the company of the plan's year, and one transaction.
#include "budget/reports/BudgetPreparation.h"
#include "budget/reports/BudgetReports.h"
#include "budget/reports/ParamPrnBtController.h"
#include "frame/SessionContext.h"
#include "host/HostFixture.h"
#include "support/BudgetSample.h"
#include "support/LedgerTest.h"

using namespace ksiega;
using namespace ksiega::budget;

namespace {

class BudgetPreparation : public test::LedgerTest {
protected:
    BudgetScope scope() {
        BudgetScope s;
        s.company = f().company;
        s.year = f().year2026;
        s.user = 7;
        s.yearStart = date::fromYmd(2026, 1, 1);
        s.yearEnd = date::fromYmd(2026, 12, 31);
        s.printDate = date::fromYmd(2026, 7, 1);
        return s;
    }
    static BudgetPrintSettings period(int fromMonth, int toMonth, int toDay) {
        BudgetPrintSettings s;
        s.BT_PRN_DATA_OD = date::fromYmd(2026, fromMonth, 1);
        s.BT_PRN_DATA_DO = date::fromYmd(2026, toMonth, toDay);
        return s;
    }
    QStringList formRows(int64_t user, int variant) {
        QStringList rows;
        db::Rows r = db().select("select lp, symbol, kol1s, kol2s, kol3s from ZESTAW_ZESTAW where id_uzytkownika=? and "
                                 "id_zestaw_nag=0 and wariant_zestaw=? order by lp",
                                 {user, variant});
        while (r.next()) rows << QStringLiteral("%1 %2 %3/%4/%5").arg(r.integer(0)).arg(r.text(1), r.text(2), r.text(3), r.text(4));
        return rows;
    }
};
KSIEGA_ON_BOTH_ENGINES(BudgetPreparation);

const ClassificationEntry* find(const std::vector<ClassificationEntry>& q, const QString& symbol, bool detail) {
    for (const auto& e : q)
        if (e.symbol == symbol && e.detail == detail) return &e;
    return nullptr;
}

} // namespace

TEST_P(BudgetPreparation, aSymbolThatIsBothDetailAndParentCountsOnceAndItsSubtotalHoldsBoth) {
    test::BudgetSample sample(f());
    BudgetPrintSettings s = period(1, 12, 31);
    s.BT_PRN_CZY_PLAN = true;
    const PreparedClassification p = prepareClassification(db(), scope(), s, "W", QString(), 2);
    ASSERT_TRUE(p.ok()) << p.error.toStdString();
    const ClassificationEntry* own = find(p.queue, "801-80101-4010", true);
    const ClassificationEntry* group = find(p.queue, "801-80101-4010", false);
    ASSERT_TRUE(own && group);
    EXPECT_EQ(own->figures.accumulated[0], test::zl("200.00"));
    EXPECT_EQ(group->figures.accumulated[0], test::zl("230.00"));
    EXPECT_EQ(group->figures.plan, test::zl("430.00"));
    EXPECT_EQ(detailTotal(p.queue).accumulated[0], test::zl("430.00"));
    EXPECT_EQ(own->name, QStringLiteral("Klasyfikacja 801-80101-4010"));
    // Without the plan union the plan-only symbol is not there; the line filter narrows the lines.
    s.BT_PRN_CZY_PLAN = false;
    EXPECT_EQ(find(prepareClassification(db(), scope(), s, "W", QString(), 2).queue, "852-85202-4300", true), nullptr);
    const PreparedClassification none = prepareClassification(db(), scope(), s, "W", "BTV:kwota=1", 2);
    ASSERT_TRUE(none.ok());
    EXPECT_TRUE(none.queue.empty());
    // The plan report takes plan symbols whatever the check says, narrowed by the filter's classification.
    const PreparedClassification plan = prepareClassification(db(), scope(), s, "W", "BTV:BT_KLASYFIKACJA='852-85202-4300'", 1);
    ASSERT_EQ(plan.queue.size(), 3u);
    EXPECT_EQ(plan.queue[0].figures.plan, test::zl("500.00"));
    // A wrong side or filter is refused with a reason and nothing prepared.
    EXPECT_FALSE(prepareClassification(db(), scope(), s, "X", QString(), 2).ok());
    EXPECT_FALSE(prepareClassification(db(), scope(), s, "W", "kwota=1; delete from BT_DANE", 2).ok());
}

TEST_P(BudgetPreparation, formRowsAreTheUsersOwnInSymbolOrderFromThisCompanysPlanYear) {
    test::BudgetSample sample(f());
    // Another company with a fiscal year that ends earlier and a plan symbol of its own.
    const int64_t other = test::addCompany(db(), "Druga jednostka", 1);
    const int64_t otherYear = test::addYear(db(), other, "2026a", QDate(2025, 7, 1), QDate(2026, 6, 30));
    db().execute("insert into BT_PLAN (id_firmy, id_lata_obrot, bt_klasyfikacja, typ, data_planu, kwota) "
                 "values (?, ?, '999-99999-9999', 'W', ?, 100)",
                 {other, otherYear, date::fromYmd(2026, 1, 1)});
    // Rows of another user and of another variant stay.
    db().execute("insert into ZESTAW_ZESTAW (id_uzytkownika, wariant_zestaw, lp, symbol) values (8, 50, 1, 'x'), (7, 51, 1, 'y')");
    db().execute("insert into ZESTAW_ZESTAW (id_uzytkownika, wariant_zestaw, lp, symbol) values (7, 50, 1, 'stary')");

    const PreparedClassification p = prepareForms(db(), scope(), period(2, 6, 30), "W", QString(), 50);
    ASSERT_TRUE(p.ok()) << p.error.toStdString();
    EXPECT_EQ(formRows(7, 50), (QStringList{"1 1 801/80101/4010", "2 2 801/80101/4010", "3 3 801/80104/4210",
                                            "4 4 852/85202/4300"}));
    EXPECT_EQ(formRows(8, 50).size(), 1);
    EXPECT_EQ(formRows(7, 51).size(), 1);
    EXPECT_EQ(*db().scalarInt("select count(*) from ZESTAW_ZESTAW where id_uzytkownika=7 and wariant_zestaw=50 and kol3s='4010'"), 2);
    EXPECT_EQ(*db().scalarInt("select count(*) from ZESTAW_ZESTAW where id_uzytkownika=7 and wariant_zestaw=50 and symbol='stary'"), 0);

    // The stand-in of the statement engine fills the amounts by lp.
    ASSERT_EQ(fillFormColumnsStandIn(db(), scope(), p, 50), QString());
    EXPECT_EQ(*db().scalarInt("select kol1 from ZESTAW_ZESTAW where id_uzytkownika=7 and wariant_zestaw=50 and lp=4"), 50000);

    // A write that fails leaves the rows as they were: the delete is undone with it.
    if (GetParam() == db::Engine::Postgres) {
        db().execute("update BT_DANE set bt_klasyfikacja='801-80101-4010-01-aaaaaaaaaaaaaaaaaaaaaaaaa' where bt_klasyfikacja='801-80104-4210'");
        BudgetScope s = scope();
        s.separator = QStringLiteral("#");   // the whole symbol in kol1s: longer than its 20 characters
        const PreparedClassification failed = prepareForms(db(), s, period(2, 6, 30), "W", QString(), 50);
        EXPECT_FALSE(failed.ok());
        EXPECT_EQ(formRows(7, 50).size(), 4);
    }
}

TEST_P(BudgetPreparation, rbFormReadsTheRowsInLpOrderAndRestartsItsPageTotals) {
    // Rows written out of order: lp decides, not the order of writing.
    for (int lp : {3, 1, 2})
        db().execute("insert into ZESTAW_ZESTAW (id_uzytkownika, wariant_zestaw, lp, kol1, kol1s, kol2s, kol3s) "
                     "values (7, 50, ?, ?, ?, '80101', '4010')",
                     {lp, int64_t(lp) * 100, QStringLiteral("80%1").arg(lp)});
    for (int i = 0; i < 120; ++i)
        db().execute("insert into ZESTAW_ZESTAW (id_uzytkownika, wariant_zestaw, lp, kol1, kol1s) values (7, 50, ?, 1, '900')",
                     {10 + i});
    db().execute("insert into ZESTAW_ZESTAW (id_uzytkownika, wariant_zestaw, lp, kol1, kol1s) values (8, 50, 1, 99999, '999')");
    BudgetReportJob job;
    job.report = kRb27Form;
    job.side = "D";
    job.scope = scope();
    job.settings = period(1, 6, 30);
    const BudgetReportResult r = layOutBudgetReport(db(), job);
    ASSERT_TRUE(r.document) << r.error.toStdString();
    const report::Document& d = *r.document;
    ASSERT_GE(d.pages.size(), 2u);
    QStringList first;
    for (const QString& t : d.pages[0].texts())
        if (t == "801" || t == "802" || t == "803") first << t;
    EXPECT_EQ(first, (QStringList{"801", "802", "803"}));
    EXPECT_EQ(d.rows, 123);
    EXPECT_FALSE(d.pages.back().hasText("999"));
    // Each page's total counts its own rows; the report's total all of them (6.00 + 120 × 0.01).
    auto pageTotal = [](const report::Page& p) {
        const QStringList texts = p.texts();
        const qsizetype at = texts.indexOf(QStringLiteral("Razem na stronie"));
        return at >= 0 && at + 1 < texts.size() ? texts[at + 1] : QString();
    };
    EXPECT_NE(pageTotal(d.pages[0]), QString());
    EXPECT_NE(pageTotal(d.pages[0]), pageTotal(d.pages[1]));
    EXPECT_TRUE(d.pages.back().hasText("7,20"));
}

TEST(ParamPrnBtController, openingRulesAndWhatPrintStores) {
    SessionContext s;
    s.DANE_POCZATEK_ROKU = date::fromYmd(2026, 1, 1);
    s.DANE_DATA_BIEZACA = date::fromYmd(2026, 2, 10);
    setBudgetPrintSettings({});
    ParamPrnBtController c(s, 2);
    EXPECT_EQ(c.settings().BT_PRN_DATA_OD, date::fromYmd(2026, 1, 1));
    EXPECT_EQ(c.settings().BT_PRN_DATA_DO, date::fromYmd(2026, 2, 28));
    EXPECT_FALSE(c.levelEnabled());
    EXPECT_FALSE(c.accountsOptionVisible());
    EXPECT_TRUE(ParamPrnBtController(s, 4).accountsOptionVisible());
    c.setSubtotals(true);
    c.settings().BT_PRN_POZIOM = 2;
    c.setSubtotals(false);
    EXPECT_EQ(c.settings().BT_PRN_POZIOM, 4);
    // A long description line goes on in the next line instead of losing its end.
    c.description = QString(200, QChar('x')) + "\nkrótka";
    EXPECT_EQ(c.print(false), 1);
    ASSERT_EQ(s.DANE_OPIS_PRN.size(), 3);
    EXPECT_EQ(s.DANE_OPIS_PRN.join(QString()).size(), 200 + 6);
    EXPECT_EQ(s.DANE_DRUKARKA_EKRAN, 0);
    // A range that ends before it starts is refused and nothing is stored.
    c.settings().BT_PRN_DATA_OD = date::fromYmd(2026, 3, 1);
    c.settings().BT_PRN_DATA_DO = date::fromYmd(2026, 2, 1);
    EXPECT_EQ(c.print(true), 0);
    EXPECT_FALSE(c.error().isEmpty());
    EXPECT_EQ(budgetPrintSettings().BT_PRN_DATA_OD, date::fromYmd(2026, 1, 1));
    setBudgetPrintSettings({});
}
