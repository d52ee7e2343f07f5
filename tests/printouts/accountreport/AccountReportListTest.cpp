// "Raport z konta" around its entries list: the sort choices and direction, the settings
// they are kept in, the preview of an entry, the document of an entry, and the window
// that binds them.
#include "frame/SessionContext.h"
#include "entries/drilldown/DocumentDrillDown.h"
#include "platform/runtime/Date.h"
#include "platform/server/DocumentLocks.h"
#include "platform/server/FiscalYear.h"
#include "platform/siblings/documents/DocumentsLibrary.h"
#include "platform/ui/dialogs/ScriptedDialogs.h"
#include "printouts/accountreport/AccountReportController.h"
#include "printouts/accountreport/AccountReportWindow.h"
#include "AccountReportFixture.h"
#include "entries/services/ProductionWindowServices.h"
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTableView>
#include <QTableWidget>
#include <QTest>

using namespace ksiega;
using namespace ksiega::printouts;
using namespace ksiega::entries;
using ksiega::test::zl;

namespace {

using test::day;

class AccountReportList : public test::AccountReportDbTest {
protected:
    void SetUp() override {
        test::AccountReportDbTest::SetUp();
        // Cash account 100-01 in April: document and posting dates run apart, the
        // document numbers apart from the register numbers.
        kp1 = addCashDocument("KP/1", "Z-2", day(4, 1), day(4, 3), 2, "100-01", "201-01-001", "300.00");
        kw1 = addCashDocument("KW/1", "Z-3", day(4, 3), day(4, 1), 2, "202-01-001", "100-01", "120.50");
        kp2 = addCashDocument("KP/2", "Z-1", day(4, 10), day(4, 10), 2, "100-01", "700-01", "80.00");
        db().execute("update NAG_DOK set nr_dziennik=17 where id_nag_dok=?", {kw1});
    }
    void TearDown() override {
        documents::replaceDocumentsLibrary(nullptr);
        test::AccountReportDbTest::TearDown();
    }

    std::unique_ptr<AccountReportController> april() {
        auto c = std::make_unique<AccountReportController>(db(), services);
        c->open();
        c->addRange({false, day(4, 1), day(4, 30), "100-01"});
        return c;
    }

    // The register numbers of the list from the top.
    static QStringList listed(AccountReportController& c) {
        QStringList out;
        ui::PagedListModel& m = c.entries();
        for (int row = 0; row < m.rowCount(); ++row) out << m.index(row, 0).data().toString().trimmed();
        return out;
    }

    int64_t kp1 = 0, kw1 = 0, kp2 = 0;
};
KSIEGA_ON_BOTH_ENGINES(AccountReportList);

TEST_P(AccountReportList, entriesFollowTheChosenSortAndDirection) {
    auto c = april();
    EXPECT_EQ(AccountReportController::sortNames(),
              (QStringList{"Data księgowania", "Data dokumentu", "Nr ewidencyjny", "Nr dokumentu"}));
    // Opened by document date, the date the range compares.
    EXPECT_EQ(c->sortChoice(), EntrySort::DocumentDate);
    EXPECT_EQ(listed(*c), (QStringList{"KP/1", "KW/1", "KP/2"}));
    c->setDateKind(DateKind::Posting);
    EXPECT_EQ(c->sortChoice(), EntrySort::PostingDate);
    EXPECT_EQ(listed(*c), (QStringList{"KW/1", "KP/1", "KP/2"}));

    c->chooseSort(3);
    EXPECT_EQ(listed(*c), (QStringList{"KP/2", "KP/1", "KW/1"})) << "Z-1, Z-2, Z-3";
    c->toggleSortDirection();
    EXPECT_TRUE(c->descending());
    EXPECT_EQ(c->sortDirectionIcon(), "~down.ico");
    EXPECT_EQ(listed(*c), (QStringList{"KW/1", "KP/1", "KP/2"}));
    c->chooseSort(2);
    EXPECT_EQ(listed(*c), (QStringList{"KW/1", "KP/2", "KP/1"}));
    EXPECT_FALSE(c->dateSortOrder());
    // A chosen order stays when the date kind changes.
    c->setDateKind(DateKind::Document);
    EXPECT_EQ(c->sortChoice(), EntrySort::RegisterNumber);
    c->toggleSortDirection();
    EXPECT_EQ(c->sortDirectionIcon(), "~up.ico");
    EXPECT_EQ(listed(*c), (QStringList{"KP/1", "KP/2", "KW/1"}));

    // "Drukuj" hands the list's choice (1-4) and direction to the printout.
    std::vector<LedgerPrintJob> started;
    services.onChooseStatement = [](const QString&) { return kAccountReport; };
    services.onStartListing = [&](const LedgerPrintJob& r, const CurrencyCode&) { started.push_back(r); };
    c->toggleSortDirection();
    ASSERT_TRUE(c->printList());
    ASSERT_EQ(started.size(), 1u);
    EXPECT_EQ(started[0].parameters, "81,0,3,1,0");
}

TEST_P(AccountReportList, locatorsServeTheirOwnOrders) {
    auto c = april();
    EXPECT_TRUE(c->dateSortOrder());
    EXPECT_EQ(c->locateDate("03-04-2026"), 1);
    EXPECT_EQ(c->currentEntryId(), c->entries().idAt(1));
    EXPECT_EQ(c->locateDate("03-04-20"), -1) << "not a whole date";
    EXPECT_EQ(c->locate("KP"), -1) << "the text locator is not offered on a date order";
    c->chooseSort(2);
    EXPECT_EQ(c->locate("KW"), 2);
    EXPECT_EQ(c->locateDate("03-04-2026"), -1);
}

TEST_P(AccountReportList, sortDirectionAndPreviewSwitchAreKeptInTheSettings) {
    WindowSwitches stored;
    {
        auto c = april();
        c->storeSwitches(stored);
        EXPECT_EQ(stored.sortOrder, 0) << "nothing chosen: the next opening follows its date kind";
        c->chooseSort(3);
        c->toggleSortDirection();
        c->setPreviewShown(false);
        c->storeSwitches(stored);
    }
    EXPECT_EQ(stored.sortOrder, 4);
    EXPECT_EQ(stored.sortDirection, 1);
    AccountReportController again(db(), services);
    again.open(stored);
    again.addRange({false, day(4, 1), day(4, 30), "100-01"});
    EXPECT_EQ(again.sortChoice(), EntrySort::DocumentNumber);
    EXPECT_TRUE(again.descending());
    EXPECT_FALSE(again.previewShown());
    EXPECT_EQ(listed(again), (QStringList{"KW/1", "KP/1", "KP/2"}));
}

TEST_P(AccountReportList, previewShowsTheCurrentEntryWithItsJournalNumber) {
    auto c = april();
    EXPECT_TRUE(c->entryPreview().empty()) << "no current entry";
    c->setCurrentRow(1);   // KW/1, on the Ct side of 100-01
    const std::vector<entries::PreviewRow> rows = c->entryPreview();
    ASSERT_EQ(rows.size(), 7u);
    EXPECT_EQ(rows[0].label1, "Nr ewidencyjny");
    EXPECT_EQ(rows[0].value1, "KW/1");
    EXPECT_EQ(rows[0].label2, "Data księgowania");
    EXPECT_EQ(rows[0].value2, "01-04-2026");
    EXPECT_EQ(rows[1].value1, "100-01");
    EXPECT_EQ(rows[1].value2, "Z-3");
    EXPECT_EQ(rows[2].value1, "03-04-2026");
    EXPECT_EQ(rows[3].label2, "Kwota Ct");
    EXPECT_EQ(rows[3].value2, "120,50");
    EXPECT_EQ(rows[4].label1, "Kwota Dt w walucie");
    EXPECT_EQ(rows[5].label1, "Opis pozycji");
    EXPECT_EQ(rows[6].label1, "Nazwa konta");
    EXPECT_EQ(rows[6].label2, "Nr w dzienniku");
    EXPECT_EQ(rows[6].value2, "17");
}

struct SavingDocuments : documents::DocumentsLibrary {
    db::Database* db = nullptr;
    std::vector<int64_t> opened;
    int UPRAWNIENIA_POPRAW_DOKUMENT(const documents::DocumentCaller&, int, int64_t, int64_t) override { return 0; }
    int UP_DOKUMENTY(const documents::DocumentCaller&, int64_t idNagDok, int, int64_t, int64_t) override {
        opened.push_back(idNagDok);
        db->execute("update POZ_DOK set kwota_wn=?, kwota_ma=? where id_nag_dok=?", {zl("99.00"), zl("99.00"), idNagDok});
        return 1;
    }
    void DOKUMENTY_RK_DEL(const documents::DocumentCaller&, const QString&) override {}
};

TEST_P(AccountReportList, documentOfAnEntryRefusesOpeningBalanceAndLockedDocumentsAndRefreshesWhenSaved) {
    // A line of the opening-balance period kept in the ledger.
    const int64_t bo = fx->addDocument({fx->year2026, fx->bo2026(), 2, 0, "BO/100", ""});
    fx->post(bo, "100-01", "800", zl("40.00"));
    // The document drill-down of the running application.
    entries::ProductionWindowServices production(db(), session(), [](const QString&) { return QString(); });
    AccountReportController c(db(), production);
    c.open();
    c.addRange({false, day(1, 1), day(1, 31), "100-01"});
    ASSERT_EQ(c.entries().rowCount(), 1);
    c.setCurrentRow(0);
    c.showDocument();
    EXPECT_EQ(dialogs.last().text, entries::MSG_BILANS_OTWARCIA);

    c.addRange({false, day(4, 1), day(4, 30), "100-01"});
    auto other = db::Database::open(url());
    ASSERT_EQ(server::Popraw_Dokument(*other, kp1, "akowal").value_or(-1), 0);
    dialogs.clear();
    c.setCurrentRow(0);   // KP/1
    c.showDocument();
    EXPECT_EQ(dialogs.last().text, entries::MSG_DOKUMENT_ZABLOKOWANY);
    EXPECT_EQ(server::documentLockHolder(db(), kp1), "akowal");

    SavingDocuments library;
    library.db = &db();
    documents::replaceDocumentsLibrary(&library);
    dialogs.clear();
    c.setCurrentRow(2);   // KP/2
    c.showDocument();
    EXPECT_TRUE(dialogs.texts().isEmpty());
    EXPECT_EQ(library.opened, std::vector<int64_t>{kp2});
    EXPECT_EQ(c.currentRow(), 2);
    EXPECT_EQ(c.entries().index(2, 3).data().toString().trimmed(), zl("99.00").toDisplay().trimmed())
        << "the saved document is read again";
}

TEST_P(AccountReportList, windowOpensTheDocumentFromItsButtonAndDoubleClickAndShowsTheEntry) {
    auto c = april();
    AccountReportWindow window(db(), std::move(c));
    std::vector<entries::DrillDownEntry> opened;
    services.onOpenDocument = [&](const entries::DrillDownEntry& e) {
        opened.push_back(e);
        return false;
    };
    window.show();
    QApplication::setActiveWindow(&window);
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window));

    auto* list = window.findChild<QTableView*>("LIST1");
    auto* preview = window.findChild<QTableWidget*>("LIST7");
    ASSERT_TRUE(list && preview);
    ASSERT_TRUE(window.findChild<QWidget*>("TAB1") && window.findChild<QWidget*>("TAB2"));
    list->selectRow(1);
    ASSERT_EQ(window.controller().currentRow(), 1);
    ASSERT_EQ(preview->rowCount(), 7);
    EXPECT_EQ(preview->item(0, 1)->text(), "KW/1");

    auto* button = window.findChild<QPushButton*>("B_POKAZ");
    ASSERT_EQ(button->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_F2));
    button->click();
    ASSERT_EQ(opened.size(), 1u);
    EXPECT_EQ(opened[0].idNagDok, kw1);
    const QRect cell = list->visualRect(list->model()->index(2, 0));
    // A double click as the platform delivers it: a press and release, then the second press.
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, cell.center());
    QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, cell.center());
    ASSERT_EQ(opened.size(), 2u);
    EXPECT_EQ(opened[1].idNagDok, kp2);

    // Only the locator of the order in force is offered; Ctrl+P hides the sheet.
    auto* dates = window.findChild<QLineEdit*>("SZUKAJ_DATY");
    auto* texts = window.findChild<QLineEdit*>("SZUKAJ");
    EXPECT_TRUE(dates->isVisible());
    EXPECT_FALSE(texts->isVisible());
    window.findChild<QComboBox*>("S:NAZWA")->setCurrentIndex(2);
    EXPECT_FALSE(dates->isVisible());
    EXPECT_TRUE(texts->isVisible());
    QTest::keyClick(&window, Qt::Key_P, Qt::ControlModifier);
    EXPECT_FALSE(window.findChild<QWidget*>("SHEET1")->isVisible());
    EXPECT_FALSE(window.controller().previewShown());
}

} // namespace
