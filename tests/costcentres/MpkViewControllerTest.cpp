// The window "MPK" without a screen: what its list shows and adds up, the filter tree's
// set test, the length rule, the marks and the print hand-over, each figure checked
// against plain SQL over MPK_DANE.
#include "CostCentreFixture.h"
#include "costcentres/MpkTexts.h"
#include "costcentres/MpkViewController.h"

using namespace ksiega;
using namespace ksiega::costcentres;
using ksiega::test::zl;
using Kind = ui::ScriptedDialogs::Kind;

namespace {

struct ScriptedTree : FilterTreeSource {
    std::vector<FilterTreeNode> tree;
    int removed = 0;
    std::vector<FilterTreeNode> nodes() override { return tree; }
    bool removeCurrentConfiguration() override {
        ++removed;
        return true;
    }
};

class MpkViewTest : public test::CostCentreTest {
protected:
    std::unique_ptr<MpkViewController> window(FilterTreeSource* tree = nullptr) {
        auto c = std::make_unique<MpkViewController>(db(), session(), services, tree);
        c->quickFilterWindow = [this] { return quickAnswer; };
        c->open();
        return c;
    }
    std::vector<int64_t> listed(MpkViewController& c) {
        auto& list = c.browser().list();
        while (list.canFetchMore({})) list.fetchMore({});
        std::vector<int64_t> out;
        for (int r = 0; r < list.heldRows(); ++r) out.push_back(list.idAt(r));
        std::sort(out.begin(), out.end());
        return out;
    }
    int column(MpkViewController& c, const QString& title) {
        auto& list = c.browser().list();
        for (int i = 0; i < list.columnCount({}); ++i)
            if (list.headerData(i, Qt::Horizontal, Qt::DisplayRole).toString() == title) return i;
        return -1;
    }
    QString cell(MpkViewController& c, int64_t id, const QString& title) {
        auto& list = c.browser().list();
        while (list.canFetchMore({})) list.fetchMore({});
        for (int r = 0; r < list.heldRows(); ++r)
            if (list.idAt(r) == id) return list.data(list.index(r, column(c, title)), Qt::DisplayRole).toString();
        return "(missing)";
    }
    QString quickAnswer;
};
KSIEGA_ON_BOTH_ENGINES(MpkViewTest);

TEST_P(MpkViewTest, listAndSummaryHoldTheCompanysSplitsOnTheirOwnSideOnly) {
    auto c = window();
    EXPECT_EQ(c->browser().list().rowCount(), sqlCount());
    // A Ct split fills the Ct columns only, a Dt split the Dt columns only.
    const int64_t ct = ctSplits.front();
    EXPECT_EQ(cell(*c, ct, "Kwota Ct"), zl("300.00").toDisplay());
    EXPECT_TRUE(cell(*c, ct, "Kwota Dt").isEmpty());
    EXPECT_EQ(cell(*c, ct, "Konto Ct"), "201-01-001");
    EXPECT_TRUE(cell(*c, ct, "Konto Dt").isEmpty());
    EXPECT_TRUE(cell(*c, dtSplits.front(), "Kwota Ct").isEmpty());
    EXPECT_EQ(cell(*c, dtSplits.front(), "Konto Dt"), "401-01");

    // With no user filter at all the summary is still one valid statement, scoped by company.
    ASSERT_TRUE(c->computeTotals());
    EXPECT_EQ(c->totals(), (CostCentreTotals{sqlSum("WN"), sqlSum("MA"), sqlCount()}));
    const auto rows = c->summaryRows();
    ASSERT_EQ(rows.size(), 3u);
    EXPECT_EQ(rows[2].left.label, texts::SUM_BOTH);
    EXPECT_EQ(rows[2].left.amount, sqlSum(""));
    EXPECT_EQ(rows[2].left.amount, rows[0].left.amount + rows[1].left.amount);
    EXPECT_TRUE(dialogs.empty());
}

TEST_P(MpkViewTest, quickFilterNarrowsListAndSummaryAlikeAndMarksFollow) {
    auto c = window();
    quickAnswer = QStringLiteral("MPK:ID_LATA_OBROT=%1 AND MPK:STRONA='WN' AND MPK:DATA_OKRESU=%2")
                      .arg(f().year2026)
                      .arg(f().month2026(3));
    c->runQuickFilter();
    const QString where = QStringLiteral("m.strona='WN' AND p.data_okresu=%1").arg(f().month2026(3));
    EXPECT_EQ(c->browser().list().rowCount(), sqlCount(where));
    ASSERT_TRUE(c->computeTotals());
    EXPECT_EQ(c->totals(), (CostCentreTotals{sqlSum("WN", where), Money(), sqlCount(where)}));

    c->markAll();
    EXPECT_EQ(c->markedTotals(), c->totals());
    c->setCurrentRow(0);
    c->toggleMark(0);
    const Money first = Money::fromMinor(
        *db().scalarInt("select kwota from MPK_DANE where id_mpk_dane=?", {c->browser().list().idAt(0)}));
    EXPECT_EQ(c->markedTotals().dt, c->totals().dt - first);
    EXPECT_EQ(c->summaryRows()[2].right.amount, c->totals().dt - first);

    // "Pokaż zaznaczone" stores the marks first and lists exactly them.
    c->setShowMarked(true);
    EXPECT_TRUE(dialogs.empty()) << dialogs.texts().join("\n").toStdString();
    EXPECT_EQ(*db().scalarInt("select count(*) from ZAZNACZENIE where id_browsera=32 AND id_uzytkownika=?",
                              {session().DANE_ID_UZYTKOWNIKA_NR}),
              sqlCount(where) - 1);
    EXPECT_EQ(c->browser().list().rowCount(), sqlCount(where) - 1);
}

TEST_P(MpkViewTest, treeNodeForSetFiveTakesNeitherFifteenNorFiftyOne) {
    // Indicator sets whose ids contain each other's digits.
    db().execute("update MPK_DANE set drzewo_zbior_id='-5-' where id_mpk_dane=?", {dtSplits[0]});
    db().execute("update MPK_DANE set drzewo_zbior_id='-15-' where id_mpk_dane=?", {dtSplits[1]});
    db().execute("update MPK_DANE set drzewo_zbior_id='-51-7-' where id_mpk_dane=?", {ctSplits[0]});
    db().execute("update MPK_DANE set drzewo_zbior_id='-7-5-' where id_mpk_dane=?", {maySplits[0]});
    ScriptedTree tree;
    tree.tree = {{1, 1, "Zbiór 5", "MPK:DRZEWO_ZBIOR_ID", "=", "5"},
                 {2, 2, "Strona Dt", "MPK:STRONA", "=", "WN"},
                 {3, 1, "Zbiór 51", "MPK:DRZEWO_ZBIOR_ID", "=", "51"},
                 {4, 1, "Bzdura", "MPK:KONTO; drop table x", "=", "1"}};
    auto c = window(&tree);
    c->chooseTreeNode(0);
    EXPECT_EQ(listed(*c), (std::vector<int64_t>{dtSplits[0], maySplits[0]}));
    c->chooseTreeNode(1);   // walks up: set 5 and the side
    EXPECT_EQ(listed(*c), (std::vector<int64_t>{dtSplits[0], maySplits[0]}));
    c->chooseTreeNode(2);
    EXPECT_EQ(listed(*c), (std::vector<int64_t>{ctSplits[0]}));
    c->chooseTreeNode(3);   // a field outside the view's columns matches nothing
    EXPECT_TRUE(listed(*c).empty());

    // Removing a configuration asks first and removes the current one only.
    dialogs.answer(2);
    c->treeAction("Usuń wybraną konfiguracje filtra");
    EXPECT_EQ(tree.removed, 0);
    dialogs.answer(1);
    c->treeAction("Usuń wybraną konfiguracje filtra");
    EXPECT_EQ(tree.removed, 1);
    EXPECT_EQ(dialogs.texts(Kind::Question).front(), texts::REMOVE_CONFIGURATION);
}

TEST_P(MpkViewTest, tooLongFilterDropsTheUsersPartsButNeverTheCompanyScope) {
    auto c = window();
    QString longOne = QStringLiteral("MPK:KONTO<>'x'");
    while (longOne.size() < 420) longOne += QStringLiteral(" AND MPK:KONTO<>'x'");
    quickAnswer = longOne;
    c->runQuickFilter();
    ASSERT_EQ(dialogs.texts(Kind::Warning).size(), 1);
    EXPECT_TRUE(dialogs.texts(Kind::Warning).front().startsWith("Wyrażenie filtrujące jest za długie."));
    EXPECT_EQ(c->listFilter(), QStringLiteral("MPK:ID_FIRMY=%1").arg(f().company));
    EXPECT_EQ(c->browser().list().rowCount(), sqlCount());
    ASSERT_TRUE(c->computeTotals());
    EXPECT_EQ(c->totals().count, sqlCount());
}

TEST_P(MpkViewTest, printHandsTheListFilterOrTheCurrentRowAndStoresMarksForAMarkedPrintout) {
    auto c = window();
    services.onChooseStatement = [](const QString& set) { return set == "MPK" ? 1 : 0; };
    services.onAskPrintRange = [] { return true; };
    std::vector<entries::LedgerPrintJob> jobs;
    services.onStartListing = [&](const entries::LedgerPrintJob& j, const CurrencyCode&) { jobs.push_back(j); };
    c->chooseSort(3);
    c->toggleSortDirection();
    c->setCurrentRow(0);
    session().DANE_ZAKRES_PRN = 2;
    c->printList();
    ASSERT_EQ(jobs.size(), 1u);
    EXPECT_EQ(jobs[0].parameters, "1,2,4,1,0,");
    EXPECT_EQ(jobs[0].filter, QStringLiteral("MPK:ID_MPK_DANE=%1").arg(c->currentId()));
    EXPECT_EQ(session().DANE_NAGLOWEK_WYDRUKU, texts::PRINT_TITLE);
    EXPECT_EQ(session().CRST_FILTR_TABELA, "MPK");

    c->toggleMark(0);
    session().DANE_ZAKRES_PRN = 1;
    c->printList();
    ASSERT_EQ(jobs.size(), 2u);
    EXPECT_EQ(jobs[1].filter, c->browser().rawFilter());
    EXPECT_EQ(*db().scalarInt("select id_elementu from ZAZNACZENIE where id_browsera=32 AND id_uzytkownika=?",
                              {session().DANE_ID_UZYTKOWNIKA_NR}),
              c->currentId());

    // Statement codes other than 1 and 2 print nothing here.
    services.onChooseStatement = [](const QString&) { return 5; };
    c->printList();
    EXPECT_EQ(jobs.size(), 2u);
}

TEST_P(MpkViewTest, deniedRightsDisableTheirFunctions) {
    // The clerk is denied printing: the rights procedure answers 0 for "5_1_1_1".
    db().execute("insert into PRAWA_DOSTEPU (id_firmy, login, kod_funkcji, prawo) values (?, ?, '5_1_1_1', 0)",
                 {f().company, f().login});
    auto c = window();
    EXPECT_FALSE(c->allowed(MpkRight::Print));
    EXPECT_TRUE(c->allowed(MpkRight::Document));
    services.onChooseStatement = [](const QString&) { return 1; };
    c->printList();
    EXPECT_FALSE(services.calls.contains("chooseStatement"));
}

} // namespace
