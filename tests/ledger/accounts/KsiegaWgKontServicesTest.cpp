#include "support/WindowFixture.h"
#include "entries/drilldown/DocumentDrillDown.h"
#include "entries/services/ProductionWindowServices.h"
#include "ledger/accounts/window/KsiegaWgKontWindow.h"
#include "platform/server/DocumentLocks.h"
#include "platform/siblings/contractors/ContractorsLibrary.h"
#include "platform/siblings/ledgerprint/LedgerPrintLibrary.h"
#include "platform/siblings/print/PrintLibrary.h"
#include "platform/siblings/statements/StatementsLibrary.h"
#include <QApplication>
#include <QFileInfo>
#include <QLineEdit>
#include <QPushButton>
#include <QTableView>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

using namespace ksiega;
using namespace ksiega::ledger;
using test::zl;

namespace {

struct ScriptedContractors : contractors::ContractorsLibrary {
    QString chosen, expression;
    std::vector<std::pair<int, QString>> saved;   // browser, expression
    std::vector<int64_t> contacts;
    int browser = 0;

    QString FILTR_LISTA(const contractors::ContractorCaller&, int idBrowsera) override {
        browser = idBrowsera;
        return chosen;
    }
    QString GET_FILTR_LISTA(const contractors::ContractorCaller&, int, const QString& nazwa) override {
        return nazwa == chosen ? expression : QString();
    }
    QString UP_FILTR_LISTA_STR(const contractors::ContractorCaller&, int idBrowsera, const QString& wyrazenie) override {
        saved.emplace_back(idBrowsera, wyrazenie);
        return QStringLiteral("zapisany");
    }
    void KONTAKTY_KONTRAHENTA(const contractors::ContractorCaller&, int64_t idKontrahenta) override {
        contacts.push_back(idKontrahenta);
    }
};

struct ScriptedPrinting : statements::StatementsLibrary, print::PrintLibrary, ledgerprint::LedgerPrintLibrary {
    int code = 64;
    QString set;
    std::vector<ledgerprint::ListingJob> jobs;
    int ZESTAWIENIA_CRS(const QString& context, QWidget*) override {
        set = context;
        return code;
    }
    int PARAM_PRN_BRO(print::PrintGlobals g, QWidget*) override {
        g.DANE_ZAKRES_PRN = 0;
        g.DANE_DRUKARKA_EKRAN = 1;
        g.GGG_NUMCOPY = 3;
        return 1;
    }
    bool WYDRUK_KSIEGA(const ledgerprint::ListingJob& job) override {
        jobs.push_back(job);
        return true;
    }
};

} // namespace

class KsiegaWgKontServicesTest : public test::WindowTest {
protected:
    void SetUp() override {
        WindowTest::SetUp();
        // Account 990: an opening-balance line kept in the ledger and one line of July.
        const int64_t bo = f().addDocument({f().year2026, f().bo2026(), 2, 0, "BO/990", ""});
        f().post(bo, "990", "", zl("40.00"));
        july = db().scalarInt("select id_nag_dok from POZ_DOK where konto_wn='990' and id_nag_dok<>?", {bo}).value();
        services = std::make_unique<entries::ProductionWindowServices>(db(), session(),
                                                                       [this](const QString&) { return quickText; });
        controller = std::make_unique<KsiegaWgKontController>(db(), session(), *services);
        controller->accountFilterWindow = nullptr;
        controller->open();
        window = std::make_unique<KsiegaWgKontWindow>(*controller);
        services->attach(window.get(), controller->lists());
        window->show();
        QApplication::setActiveWindow(window.get());
        ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
        window->chooseAccount("990");
        controller->chooseSort(2);   // "Okres obrotowy": the opening balance first
        list = window->findChild<QTableView*>("LIST1");
    }
    void TearDown() override {
        contractors::replaceContractorsLibrary(nullptr);
        statements::replaceStatementsLibrary(nullptr);
        print::replacePrintLibrary(nullptr);
        ledgerprint::replaceLedgerPrintLibrary(nullptr);
        window.reset();
        services.reset();
        controller.reset();
        WindowTest::TearDown();
    }
    void pressDocument(int row) {
        list->setCurrentIndex({});
        list->selectRow(row);
        list->setFocus();
        ASSERT_EQ(controller->currentRow(), row);
        ASSERT_TRUE(controller->documentEnabled());
        auto* button = window->findChild<QPushButton*>("B_POKAZ");
        ASSERT_EQ(button->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_D));
        button->click();
    }
    int rows() { return controller->entries().entries().rowCount(); }

    int64_t july = 0;
    std::unique_ptr<KsiegaWgKontController> controller;
    QString quickText;   // what the quick-filter window returns
    std::unique_ptr<entries::ProductionWindowServices> services;
    std::unique_ptr<KsiegaWgKontWindow> window;
    QTableView* list = nullptr;
};
KSIEGA_ON_BOTH_ENGINES(KsiegaWgKontServicesTest);

TEST_P(KsiegaWgKontServicesTest, documentButtonRefusesOpeningBalanceAndDocumentsLockedByAnotherUser) {
    ASSERT_EQ(rows(), 2);
    pressDocument(0);
    ASSERT_FALSE(dialogs.empty());
    EXPECT_EQ(dialogs.last().text, entries::MSG_BILANS_OTWARCIA);

    auto other = db::Database::open(url());
    ASSERT_EQ(server::Popraw_Dokument(*other, july, "akowal").value_or(-1), 0);
    dialogs.clear();
    pressDocument(1);
    ASSERT_FALSE(dialogs.empty());
    EXPECT_EQ(dialogs.last().text, entries::MSG_DOKUMENT_ZABLOKOWANY);
    EXPECT_EQ(server::documentLockHolder(db(), july), "akowal");
}

TEST_P(KsiegaWgKontServicesTest, lockTakenForTheDocumentIsReleasedWhenItsWindowCloses) {
    QString holderWhileOpen;
    bool closed = false;
    QTimer::singleShot(0, [&] {
        holderWhileOpen = server::documentLockHolder(db(), july);
        if (QWidget* w = QApplication::activeModalWidget()) closed = w->close();
    });
    pressDocument(1);
    EXPECT_TRUE(closed);
    EXPECT_EQ(holderWhileOpen, f().login);
    EXPECT_EQ(server::documentLockHolder(db(), july), "");
    EXPECT_EQ(rows(), 2);
}

TEST_P(KsiegaWgKontServicesTest, contractorLibraryServesSavedFiltersTheirSavingAndContacts) {
    ScriptedContractors library;
    contractors::replaceContractorsLibrary(&library);
    db().execute("update NAG_DOK set id_kontrahenta=55 where id_nag_dok=?", {july});
    controller->setCurrentRow(1);
    controller->entriesMenuAction("Kontakty kontrahenta");
    EXPECT_EQ(library.contacts, std::vector<int64_t>{55});

    window->chooseAccount("130-01");
    const int all = rows();
    ASSERT_GT(all, 1);

    // A chooser left without a choice keeps the list.
    controller->chooseSavedFilterFromList();
    EXPECT_EQ(library.browser, 40);
    EXPECT_EQ(rows(), all);

    library.chosen = "Strona Ct";
    library.expression = "PDU:strona=1";
    controller->chooseSavedFilterFromList();
    window->sync();
    EXPECT_EQ(window->findChild<QLineEdit*>("FL:NAZWA")->text(), "Strona Ct");
    ASSERT_GT(rows(), 0);
    EXPECT_LT(rows(), all);
    for (int r = 0; r < rows(); ++r) EXPECT_EQ(controller->entries().entryAt(r)->strona, 1);

    // Saving takes the quick filter in force; without one there is nothing to save.
    controller->saveCurrentFilter();
    EXPECT_TRUE(library.saved.empty());
    quickText = QStringLiteral("PDU:kwota_ma>0");
    controller->runQuickFilter();
    controller->saveCurrentFilter();
    ASSERT_EQ(library.saved.size(), 1u);
    EXPECT_EQ(library.saved[0], std::make_pair(40, QStringLiteral("PDU:kwota_ma>0")));

}

TEST_P(KsiegaWgKontServicesTest, printButtonStartsTheListingWithTheWindowsCurrencyAndTheSessionsPrintChoice) {
    ScriptedPrinting printing;
    statements::replaceStatementsLibrary(&printing);
    print::replacePrintLibrary(&printing);
    ledgerprint::replaceLedgerPrintLibrary(&printing);
    window->chooseAccount("130-01");
    controller->setCurrency("EUR");
    session().DANE_OPIS_PRN = QStringList{"Wydział handlowy"};
    window->findChild<QPushButton*>("B_DRUKUJ")->click();
    EXPECT_EQ(printing.set, "KSIEGA_K_1");
    EXPECT_TRUE(printing.jobs.empty()) << "the window does not wait for the listing";
    QTRY_COMPARE(printing.jobs.size(), size_t(1));
    const ledgerprint::ListingJob& job = printing.jobs[0];
    EXPECT_TRUE(job.params.startsWith("64,0,"));
    EXPECT_EQ(job.filter, controller->entries().filter());
    EXPECT_EQ(job.heading, "Zestawienie zapisów księgowych dla konta w walucie");
    EXPECT_EQ(job.currency, "EUR");
    EXPECT_EQ(job.company, session().DANE_ID_FIRMY);
    EXPECT_EQ(job.fiscalYear, session().DANE_LATA_OBROTOWE);
    EXPECT_EQ(job.description, QStringList{"Wydział handlowy"});
    EXPECT_TRUE(session().DANE_OPIS_PRN.isEmpty());
    EXPECT_EQ(job.output.toPrinter, 1);
    EXPECT_EQ(job.output.copies, 3);
}

TEST_P(KsiegaWgKontServicesTest, quickFilterTextNarrowsTheListAndTheDateLocatorFindsAPeriod) {
    window->chooseAccount("130-01");
    const int all = rows();
    quickText = QStringLiteral("PDU:strona=0");
    controller->runQuickFilter();
    ASSERT_GT(rows(), 0);
    EXPECT_LT(rows(), all);
    for (int r = 0; r < rows(); ++r) EXPECT_EQ(controller->entries().entryAt(r)->strona, 0);

    window->chooseAccount("990");
    controller->chooseSort(2);   // period date
    EXPECT_TRUE(controller->dateSortOrder());
    EXPECT_EQ(controller->locateDate("01-06-2026"), 1);
    EXPECT_EQ(controller->currentRow(), 1);
    EXPECT_EQ(controller->locateDate("01-06-20"), -1);
    controller->chooseSort(0);   // registration number: a text order
    EXPECT_FALSE(controller->dateSortOrder());
    EXPECT_EQ(controller->locateDate("01-01-2026"), -1);
}

TEST_P(KsiegaWgKontServicesTest, fieldPreviewAndExportOfEveryRowNotOnlyThoseHeld) {
    ASSERT_EQ(rows(), 2);
    controller->setCurrentRow(0);
    controller->entriesMenuAction("Podgląd pól");
    const std::vector<std::pair<QString, QString>> shown = dialogs.lastFields();
    const auto value = [&](const char* name) {
        for (const auto& [n, v] : shown)
            if (n == QLatin1String(name)) return v.toStdString();
        return std::string("?");
    };
    EXPECT_EQ(value("nr_ewid_dok"), "BO/990");
    EXPECT_EQ(value("okresu_obrot"), "BO");
    EXPECT_EQ(value("kwota_bro_WN"), "40,00");

    window->chooseAccount("130-01");
    controller->entries().entries().setPageSize(1);
    controller->refresh();
    const int64_t expected = db().scalarInt("select count(*) from POZ_DOK_VIEW_UNION where konto='130-01' and status=2 "
                                            "and czy_rk<>10 and id_lata_obrot=?", {f().year2026}).value();
    ASSERT_GT(expected, 2);
    QTemporaryDir dir;
    dialogs.answerFile(dir.filePath("zapisy"));
    controller->entriesMenuAction("Eksport do Excela");
    EXPECT_TRUE(services->lastExport().ok()) << services->lastExport().error.toStdString();
    EXPECT_EQ(services->lastExport().rows, expected);
    EXPECT_TRUE(QFileInfo::exists(dir.filePath("zapisy.xlsx")));
}
