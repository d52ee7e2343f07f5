#include "support/ScriptedWindowServices.h"
#include "support/WindowFixture.h"
#include "entries/accountfilter/AccountFilterSettings.h"
#include "ledger/accounts/window/KsiegaWgKontController.h"
#include "entries/turnovers/AccountPeriodQueue.h"
#include "platform/ui/settings/Settings.h"
#include <QTemporaryDir>

using namespace ksiega;
using namespace ksiega::ledger;
using namespace ksiega::entries;

class KsiegaWgKontControllerTest : public test::WindowTest {
protected:
    test::ScriptedWindowServices services;

    std::unique_ptr<KsiegaWgKontController> opened(const WindowSwitches& switches = {}) {
        auto c = std::make_unique<KsiegaWgKontController>(db(), session(), services);
        c->accountFilterWindow = nullptr;
        c->open(switches);
        return c;
    }
    void deny(const char* code) {
        db().execute("insert into PRAWA_DOSTEPU (id_firmy, login, kod_funkcji, prawo) values (?, ?, ?, 0)",
                     {f().company, f().login, code});
    }
};
KSIEGA_ON_BOTH_ENGINES(KsiegaWgKontControllerTest);

TEST_P(KsiegaWgKontControllerTest, captionCarriesTheCurrencyFromTheSessionAndFromTheChoice) {
    auto c = opened();
    EXPECT_EQ(c->caption(), "Księga główna/Przeglądanie wg kont dla waluty: PLN");
    EXPECT_EQ(c->currencies(), QStringList({"EUR", "PLN", "USD"}));
    c->setCurrency("usd");
    EXPECT_EQ(c->caption(), "Księga główna/Przeglądanie wg kont dla waluty: USD");
    EXPECT_EQ(c->entries().currency(), "USD");

    session().DANE_AKTYWNA_WALUTA = "EUR";
    EXPECT_EQ(opened()->caption(), "Księga główna/Przeglądanie wg kont dla waluty: EUR");
    session().DANE_CZY_WERSJA_BUDZET = 1;
    EXPECT_EQ(opened()->entryViewName(), "POZ_DOK_VIEW_UNION_BT");
}

TEST_P(KsiegaWgKontControllerTest, deniedRightsDisablePrintAndDocumentButAnAdministratorIsNotAsked) {
    deny("4_1_1_1");
    deny("4_1_1_2");
    int opened_ = 0, printed = 0;
    {
        auto c = opened();
        EXPECT_FALSE(c->printEnabled());
        EXPECT_FALSE(c->documentEnabled());
        services.onOpenDocument = [&](const DrillDownEntry&) { ++opened_; return false; };
        services.onChooseStatement = [&](const QString&) { ++printed; return 68; };
        c->chooseAccount("130-01");
        c->setCurrentRow(0);
        c->showDocument();
        c->printList();
        EXPECT_EQ(opened_ + printed, 0);
    }
    session().DANE_ADMINISTRATOR = 1;
    auto admin = opened();
    EXPECT_TRUE(admin->printEnabled());
    EXPECT_TRUE(admin->documentEnabled());
    services.onOpenDocument = [&](const DrillDownEntry& e) { ++opened_; EXPECT_GT(e.idNagDok, 0); return false; };
    admin->chooseAccount("130-01");
    admin->setCurrentRow(0);
    admin->showDocument();
    EXPECT_EQ(opened_, 1);
}

TEST_P(KsiegaWgKontControllerTest, choosingAnAccountSetsTheEntriesAccountAndItsWholeFlag) {
    auto c = opened();
    EXPECT_EQ(c->entries().entries().rowCount(), 0);   // nothing chosen: nothing listed
    c->chooseAccount("130-01");
    EXPECT_EQ(c->entries().account(), "130-01");
    EXPECT_TRUE(c->entries().wholeAccount());
    EXPECT_GT(c->entries().entries().rowCount(), 0);
    EXPECT_EQ(c->accountName(), "Rachunek bieżący PKO");
    EXPECT_EQ(c->accountDisplayText(), "130-01");
    c->toggleNames();
    EXPECT_EQ(c->accountDisplayText(), "130-01  Rachunek bieżący PKO");

    c->chooseAccount("131");
    EXPECT_EQ(c->entries().account(), "131");
    EXPECT_FALSE(c->entries().wholeAccount());

    // A register account is chosen with all its cards; asked for its cards, "Tak" lists
    // them and takes the first exactly, "Nie" keeps the choice.
    recompute();
    c->chooseAccount("201-01");
    EXPECT_EQ(c->currentAccount(), "201-01");
    EXPECT_FALSE(c->wholeAccount());
    EXPECT_TRUE(dialogs.empty());
    dialogs.answer(2);
    c->showRegisterAccounts("201-01");
    EXPECT_EQ(c->currentAccount(), "201-01");
    dialogs.answer(1);
    c->showRegisterAccounts("201-01");
    EXPECT_EQ(c->currentAccount(), "201-01-001");
    EXPECT_TRUE(c->wholeAccount());
    EXPECT_GT(c->entries().entries().rowCount(), 0);
}

TEST_P(KsiegaWgKontControllerTest, filterButtonsShowTheirStateInTheirIcons) {
    auto c = opened();
    EXPECT_EQ(c->quickFilterIcon(), "~filtr.ico");
    c->runQuickFilter();   // no quick filter window wired: nothing changes
    EXPECT_EQ(c->quickFilterIcon(), "~filtr.ico");
    QString mode;
    services.onQuickFilter = [&](const QString& m) { mode = m; return QStringLiteral("PDU:kwota_wn>0"); };
    c->runQuickFilter();
    EXPECT_EQ(mode, "2");
    EXPECT_EQ(c->quickFilterIcon(), "~filtr_on.ico");
    EXPECT_TRUE(c->entries().quickFilterOn());
    services.onQuickFilter = [](const QString&) { return QString(); };
    c->runQuickFilter();
    EXPECT_EQ(c->quickFilterIcon(), "~filtr.ico");

    services.onChooseSavedFilter = []() -> std::optional<SavedFilter> { return SavedFilter{"Duże", "PDU:kwota_wn>100000"}; };
    c->chooseSavedFilterFromList();
    EXPECT_EQ(c->savedFilterName(), "Duże");
    EXPECT_EQ(session().DANE_ID_BOWSERA_FILTR, 40);
    EXPECT_EQ(c->entries().savedFilterExpression(), "PDU:kwota_wn>100000");

    EXPECT_EQ(c->accountFilterIcon(), "~Filtr_konto.ico");
    c->accountFilterWindow = [] {
        entries::accountFilter().WYNIKOWE = 1;
        entries::accountFilter().computeDerived();
        return uint8_t(1);
    };
    c->runAccountFilter();
    EXPECT_EQ(c->accountFilterIcon(), "~filtr_konto_on.ico");
    EXPECT_EQ(c->tree().accounts(), QStringList({"401", "700", "700-01"}));
}

TEST_P(KsiegaWgKontControllerTest, periodViewListsTheTurnoversOfTheAccount) {
    recompute();
    auto c = opened();
    c->chooseAccount("130-01");
    c->setViewMode(1);
    const auto& rows = c->entries().periodTurnovers().rows();
    ASSERT_EQ(rows.size(), 14u);   // BO, twelve months, BZ
    EXPECT_EQ(rows.front().okres, "BO");
    EXPECT_EQ(rows.back().okres, "BZ");
    EXPECT_TRUE(c->documentPreview().empty());
}

TEST_P(KsiegaWgKontControllerTest, printingHandsTheListOrTheMarkedLinesToTheLedgerPrintLibrary) {
    auto c = opened();
    c->chooseAccount("130-01");
    ASSERT_GT(c->entries().entries().rowCount(), 2);
    QString set;
    int code = 68, range = 0, accountLedgers = 0;
    std::optional<LedgerPrintJob> job;
    services.onChooseStatement = [&](const QString& s) { set = s; return code; };
    services.onAskPrintRange = [&] { session().DANE_ZAKRES_PRN = uint8_t(range); return true; };
    services.onStartListing = [&](const LedgerPrintJob& j, const CurrencyCode&) { job = j; };
    services.onStartAccountLedger = [&] { ++accountLedgers; };
    session().CRST_FILTR_INFO = "old";

    c->setCurrentRow(1);
    c->printList();
    EXPECT_EQ(set, "KSIEGA_K_1");
    EXPECT_TRUE(session().CRST_FILTR_INFO.isEmpty());
    EXPECT_EQ(session().CRST_FILTR_ZAPYTANIE, c->entries().rawFilter());
    EXPECT_EQ(session().GGG_DANE_ID_OBIEKTU, c->entries().entryAt(1)->idPozDok);
    ASSERT_TRUE(job);
    EXPECT_EQ(job->parameters, QStringLiteral("68,0,2,%1,1,Konto: 130-01").arg(c->entries().sortOrder()));
    EXPECT_EQ(job->filter, c->entries().filter());
    EXPECT_EQ(job->header, "Zestawienie zapisów księgowych dla konta");
    EXPECT_EQ(session().DANE_NAGLOWEK_WYDRUKU, job->header);

    // The marked lines: the marks reach the selection store before the library reads them.
    code = 64;
    range = 1;
    c->entries().toggleMark(0);
    c->entries().toggleMark(2);
    job.reset();
    c->printList();
    ASSERT_TRUE(job);
    EXPECT_TRUE(job->parameters.startsWith("64,1,"));
    EXPECT_EQ(job->header, "Zestawienie zapisów księgowych dla konta w walucie");
    EXPECT_EQ(db().scalarInt("select count(*) from ZAZNACZENIE where id_browsera=40 and id_uzytkownika=?",
                             {session().DANE_ID_UZYTKOWNIKA_NR}),
              2);

    // The current line alone, by its id and side.
    range = 2;
    c->printList();
    const CurrentEntry e = *c->entries().entryAt(1);
    EXPECT_EQ(job->filter, QStringLiteral("PDU:id_poz_dok=%1 AND PDU:strona=%2").arg(e.idPozDok).arg(e.strona));

    // A code of another window, or a cancelled chooser, prints nothing.
    for (int other : {0, 63, 66}) {
        code = other;
        job.reset();
        c->printList();
        EXPECT_FALSE(job);
    }

    // The period view prints the account ledger of its period-turnover list.
    recompute();
    c->setViewMode(1);
    code = 62;
    c->printList();
    EXPECT_EQ(set, "KSIEGA_K_2");
    EXPECT_EQ(accountLedgers, 1);
    EXPECT_EQ(session().DANE_NAGLOWEK_WYDRUKU, "Zestawienie obrotów i sald dla konta");
    const AccountPeriodQueue queue = accountPeriodQueue();
    EXPECT_EQ(queue.konto, "130-01");
    EXPECT_EQ(queue.rows.size(), c->entries().periodTurnovers().rows().size());
}

TEST_P(KsiegaWgKontControllerTest, switchesAreStoredAndRestoredUnderTheWindowsSection) {
    QTemporaryDir dir;
    WindowSwitches given;
    given.sortOrder = 14;       // posting date, descending
    given.sortDirection = 1;
    given.viewSwitch = 1;
    given.intuitive = 1;
    {
        auto c = opened(given);
        EXPECT_EQ(c->viewMode(), 1);
        EXPECT_EQ(c->entries().sortOrder(), 14);
        EXPECT_EQ(c->sortDirectionIcon(), "~down.ico");
        c->setSplitPositions(320, 410);
        c->setViewMode(0);
        c->chooseSort(4);   // "Data dokumentu" keeps the direction
        Settings settings(dir.filePath("ksiega.ini"));
        WindowSwitches stored;
        c->storeSwitches(stored);
        stored.update(settings, KsiegaWgKontController::SECTION);
    }
    Settings settings(dir.filePath("ksiega.ini"));
    WindowSwitches back;
    back.fetch(settings, KsiegaWgKontController::SECTION);
    auto c = opened(back);
    EXPECT_EQ(c->entries().sortOrder(), 16);
    EXPECT_TRUE(c->entries().descending());
    EXPECT_EQ(c->viewMode(), 0);
    EXPECT_TRUE(c->intuitiveSearch());
    EXPECT_EQ(c->vsplitPos(), 320);
    EXPECT_EQ(c->hsplitPos(), 410);
}

TEST_P(KsiegaWgKontControllerTest, documentPreviewShowsTheHeaderOfTheCurrentEntrysDocument) {
    auto c = opened();
    c->chooseAccount("990");
    c->setCurrentRow(0);
    const std::vector<PreviewRow> rows = c->documentPreview();
    ASSERT_FALSE(rows.empty());
    EXPECT_EQ(rows[0].label1, "Nr ewidencyjny");
    EXPECT_EQ(rows[3].label1, "Data księgowania");
    EXPECT_EQ(rows[5].value2, "PLN");
    EXPECT_EQ(KsiegaWgKontController::entriesMenu().join(','),
              "Podgląd pól,-,Zaznacz wszystko,Odznacz wszystko,Odwróć zaznaczone,-,Kontakty kontrahenta,-,"
              "Konfiguracja kolumn,-,Eksport do Excela");
}
