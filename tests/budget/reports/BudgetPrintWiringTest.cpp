// "Parametry drukowania" and WYDRUK_BUDZET as the views reach them through ksiega.h: the
// window's opening rules and what it stores, and reports laid out on threads of their own,
// each with the settings it was started with.
#include "budget/reports/BudgetReportThreads.h"
#include "ksiega/ksiega.h"
#include "platform/siblings/functions/TextFields.h"
#include "support/BudgetSample.h"
#include "support/WiringFixture.h"
#include <QCheckBox>
#include <QDateEdit>
#include <QGroupBox>
#include <QRadioButton>

using namespace ksiega;
using namespace ksiega::budget;

namespace {

class BudgetPrintWiring : public test::WiringTest {
protected:
    void SetUp() override {
        WiringTest::SetUp();
        if (IsSkipped()) return;
        setBudgetPrintSettings({});
        session().DANE_DATA_BIEZACA = date::fromYmd(2026, 5, 14);
        session().DANE_DATA_WYDRUKU = date::fromYmd(2026, 5, 14);
        setBudgetReportDelivery([this](const BudgetReportResult& r) { results.push_back(r); });
    }
    void TearDown() override {
        setBudgetReportDelivery({});
        setBudgetPrintSettings({});
        WiringTest::TearDown();
    }
    std::vector<BudgetReportResult> results;
};
KSIEGA_ON_BOTH_ENGINES(BudgetPrintWiring);

bool hasText(const report::Document& d, const QString& text) {
    for (const auto& p : d.pages)
        if (p.hasText(text)) return true;
    return false;
}

} // namespace

TEST_P(BudgetPrintWiring, parameterWindowOpensWithItsDefaultsAndStoresWhatWasChosen) {
    uint8_t answer = 9;
    const QString opened = fillWindowOpenedBy([&] { answer = PARAM_PRN_BT(0, 2, 0, 2); }, [](QDialog& w) {
        EXPECT_EQ(w.windowTitle(), QStringLiteral("Parametry drukowania"));
        EXPECT_EQ(w.findChild<QDateEdit*>("BT_PRN_DATA_OD")->date(), QDate(2026, 1, 1));
        EXPECT_EQ(w.findChild<QDateEdit*>("BT_PRN_DATA_DO")->date(), QDate(2026, 5, 31));
        auto* level = w.findChild<QGroupBox*>("BT_PRN_POZIOM");
        EXPECT_FALSE(level->isEnabled());
        EXPECT_TRUE(w.findChild<QRadioButton*>("BT_PRN_POZIOM_4")->isChecked());
        EXPECT_TRUE(w.findChild<QGroupBox*>("BT_PRN_CZY_KONTA_KSIEGOWE")->isHidden());
        w.findChild<QCheckBox*>("BT_PRN_CZY_SYNTETYKI")->setChecked(true);
        EXPECT_TRUE(level->isEnabled());
        w.findChild<QRadioButton*>("BT_PRN_POZIOM_1")->setChecked(true);
        w.findChild<QRadioButton*>("BT_PRN_KONTEKST_DATY_2")->setChecked(true);
        w.findChild<QDateEdit*>("BT_PRN_DATA_OD")->setDate(QDate(2026, 4, 1));
        button(w, "DRUKUJ")->click();
    });
    EXPECT_EQ(opened, QStringLiteral("PARAM_PRN_BT"));
    EXPECT_EQ(answer, 1);
    const BudgetPrintSettings s = budgetPrintSettings();
    EXPECT_TRUE(s.BT_PRN_CZY_SYNTETYKI);
    EXPECT_EQ(s.BT_PRN_POZIOM, 1);
    EXPECT_EQ(s.BT_PRN_KONTEKST_DATY, 1);
    EXPECT_EQ(s.BT_PRN_DATA_OD, date::fromYmd(2026, 4, 1));
    EXPECT_EQ(session().DANE_DRUKARKA_EKRAN, 1);

    // The full report offers the accounts option; "Anuluj" stores nothing and answers 0.
    fillWindowOpenedBy([&] { answer = PARAM_PRN_BT(0, 2, 0, 4); }, [](QDialog& w) {
        EXPECT_FALSE(w.findChild<QGroupBox*>("BT_PRN_CZY_KONTA_KSIEGOWE")->isHidden());
        w.findChild<QCheckBox*>("BT_PRN_CZY_SYNTETYKI")->setChecked(false);
        button(w, "CLOSE")->click();
    });
    EXPECT_EQ(answer, 0);
    EXPECT_EQ(budgetPrintSettings().BT_PRN_POZIOM, 1);
}

TEST_P(BudgetPrintWiring, twoReportsRunningAtOnceKeepTheSettingsTheyWereStartedWith) {
    test::BudgetSample sample(f());
    BudgetPrintSettings s;
    s.BT_PRN_DATA_OD = date::fromYmd(2026, 1, 1);
    s.BT_PRN_DATA_DO = date::fromYmd(2026, 12, 31);
    s.BT_PRN_CZY_SYNTETYKI = true;
    s.BT_PRN_POZIOM = 1;
    setBudgetPrintSettings(s);
    WYDRUK_BUDZET("2,0,1,0,W", QString(), "Zestawienie klasyfikacji budżetowej");
    s.BT_PRN_POZIOM = 4;
    setBudgetPrintSettings(s);
    WYDRUK_BUDZET("3,0,7,1,W", "BTV:rodzaj_k=1", "Zestawienie zapisów księgowych");
    WYDRUK_BUDZET("9,0,1,0,W", QString(), QString());   // not a budget report: nothing
    waitForBudgetReports();
    EXPECT_EQ(functions::lastFilterInfo(36), QStringLiteral("BTV:rodzaj_k=1"));
    ASSERT_EQ(results.size(), 2u);
    std::sort(results.begin(), results.end(), [](auto& a, auto& b) { return a.document->name < b.document->name; });
    const report::Document& classification = *results[1].document;
    EXPECT_EQ(classification.name, "Prn_BT_Klasyfikacja");
    EXPECT_TRUE(hasText(classification, "801"));
    EXPECT_FALSE(hasText(classification, "801-80101"));
    const report::Document& entries = *results[0].document;
    EXPECT_EQ(entries.name, "Prn_BT_Dowody");
    EXPECT_EQ(entries.rows, 2);   // the two lines counted as costs

    // A filter that cannot be translated gives no pages and its reason.
    results.clear();
    WYDRUK_BUDZET("2,0,1,0,W", "BTV:kwota=1) or (1=1", QString());
    waitForBudgetReports();
    ASSERT_EQ(results.size(), 1u);
    EXPECT_FALSE(results[0].document.has_value());
    EXPECT_FALSE(results[0].error.isEmpty());
}
