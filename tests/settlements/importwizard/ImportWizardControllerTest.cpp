// The wizard "Import rozrachunków do BO" without a screen, on both engines: where the
// settlements come from, the chosen list against plain sums, "Zakończ" with its documents
// and the server's import, and every way it ends without importing.
#include "../SettlementWindowFixture.h"
#include "settlements/importwizard/ImportWizardController.h"
#include "settlements/shared/SettlementTexts.h"

using namespace ksiega;
using namespace ksiega::test;
using namespace ksiega::settlements;
namespace T = ksiega::settlements::texts;

namespace {

class ImportWizardTest : public SettlementWindowTest {
protected:
    std::unique_ptr<ImportWizardController> wizard(const QString& account = "201-01-001", const QString& cardFlag = "0",
                                                   const QString& cardSymbol = {}, uint8_t option = 0) {
        auto c = std::make_unique<ImportWizardController>(db(), session(), productionSettlementServices(),
                                                          ImportParameters{account + " Odbiorca", cardSymbol, cardFlag, account, option});
        EXPECT_TRUE(c->open());
        return c;
    }
    // What the list's totals must be: the view's own columns summed for the marked ids.
    int64_t viewSum(const QString& column) {
        return scalar("select coalesce(sum(" + column + "),0) from ROZRACHUNEK_VIEW where id_rozrachunku in "
                      "(select id_elementu from ZAZNACZENIE where id_browsera=30 and id_uzytkownika=?)",
                      {jkowal});
    }
    // Signed Dt-Ct of the opening lines of an account, and of the settlements those lines carry.
    int64_t openingNet(const QString& account) { return openingSide(account, "WN") - openingSide(account, "MA"); }
    int64_t carriedNet(const QString& account) {
        return scalar("select coalesce(sum(v.kwota_wn - v.kwota_ma),0) from ROZRACHUNEK_VIEW v join POZ_DOK p on p.id_poz_dok=v.id_poz_dok_f "
                      "where p.czy_rk=10 and p.id_lata_obrot=? and (p.konto_wn=? or p.konto_ma=?)",
                      {f().year2026, account, account});
    }
};
KSIEGA_ON_BOTH_ENGINES(ImportWizardTest);

TEST_P(ImportWizardTest, openingFollowsWhereTheSettlementsComeFromAndTheBalanceDateIsKeptForTheSession) {
    session().GGG_ISTOVARIX = 0;
    auto warehouse = wizard();
    EXPECT_EQ(warehouse->sourceView(), "ROZRACHUNEK_TOVARIX_V");
    EXPECT_FALSE(warehouse->ograniczEnabled());
    EXPECT_TRUE(warehouse->balanceControlsVisible());
    EXPECT_EQ(warehouse->dataSalda(), f().bo2026());   // an empty date starts at the year's beginning
    EXPECT_FALSE(warehouse->dateEnabled());
    warehouse->setSaldoNaDzien(true);
    warehouse->setDataSalda(f().bo2026() - 1);
    EXPECT_TRUE(warehouse->dateEnabled());
    calendar.answer = f().bo2026() - 5;
    warehouse->pickBalanceDate();
    EXPECT_EQ(calendar.calls, 1);
    warehouse->setOgraniczWidok(true);                 // disabled: stays off
    warehouse->setWybierzSkojarzone(true);
    EXPECT_EQ(warehouse->modeText(), "212");
    EXPECT_EQ(warehouse->accountText(), T::KONTO_KSIEGOWE + " 201-01-001 Odbiorca");

    // The next call of the session finds the option and its date as they were left.
    auto again = wizard();
    EXPECT_TRUE(again->saldoNaDzien());
    EXPECT_EQ(again->dataSalda(), f().bo2026() - 5);
    // The ledger's own settlements clear the option.
    session().GGG_ISTOVARIX = 1;
    auto ledger = wizard();
    EXPECT_EQ(ledger->sourceView(), "ROZRACHUNEK_BILANTOR_V");
    EXPECT_FALSE(ledger->saldoNaDzien());
    EXPECT_FALSE(ledger->balanceControlsVisible());
    ledger->setOgraniczWidok(true);
    EXPECT_EQ(ledger->modeText(), "121");
    // Without a company the window does not open.
    session().DANE_ID_FIRMY = 0;
    ImportWizardController none(db(), session(), productionSettlementServices(), {});
    EXPECT_FALSE(none.open());
}

TEST_P(ImportWizardTest, theChosenListAddsUpAndTheImportBringsItIntoTheOpeningBalance) {
    const int64_t a = settlement("201-01-001", "WN", "123.45");
    const int64_t b = settlement("201-01-001", "MA", "20.00", 9);
    const int64_t booked = settlement("201-01-001", "WN", "99.00");
    db().execute("update ROZRACHUNEK set id_poz_dok_f=1 where id_rozrachunku=?", {booked});
    clear(a, f().bo2026() - 20, "23.45");
    auto c = wizard();
    EXPECT_FALSE(c->finishEnabled());
    c->next();
    EXPECT_EQ(c->page(), ChoicePage);
    EXPECT_EQ(c->okLabel(), T::ZAKONCZ);

    // A window that answers 0 changes nothing.
    c->chooseSettlements();
    EXPECT_TRUE(c->chosen().isEmpty());
    window.toMark = {a, b, booked};
    c->chooseSettlements();
    ASSERT_EQ(window.choices.size(), 2u);
    EXPECT_EQ(window.choices.back().mode, "111");
    EXPECT_EQ(window.choices.back().account, "201-01-001");
    EXPECT_FALSE(window.choices.back().cardAccount);
    EXPECT_TRUE(said(T::BOOKED_SKIPPED)) << allSaid().toStdString();
    EXPECT_TRUE(c->finishEnabled());
    const ChosenTotals& t = c->chosen().totals();
    EXPECT_EQ(t.count, 3);
    EXPECT_EQ(t.kwotaWn.minor(), viewSum("kwota_wn"));
    EXPECT_EQ(t.saldoWn.minor(), viewSum("pozostalo_wn"));
    EXPECT_EQ(t.kwotaMa.minor(), viewSum("kwota_ma"));
    EXPECT_EQ(t.saldoMa.minor(), viewSum("pozostalo_ma"));
    EXPECT_EQ(t.saldoWn.minor(), zl("100.00").minor() + zl("99.00").minor());
    // The pages hold every row once, in id order.
    std::vector<ChosenRow> first = c->chosen().page(0, 2);
    ASSERT_EQ(first.size(), 2u);
    std::vector<ChosenRow> rest = c->chosen().page(first.back().id, 2);
    ASSERT_EQ(rest.size(), 1u);
    EXPECT_LT(first[1].id, rest[0].id);

    const int64_t before = openingNet("201-01-001");
    const int64_t carriedBefore = carriedNet("201-01-001");
    c->next();   // Zakończ
    EXPECT_TRUE(said(T::IMPORT_DONE_1 + "201-01-001" + T::IMPORT_DONE_2)) << allSaid().toStdString();
    EXPECT_EQ(c->result(), 1);
    EXPECT_TRUE(c->chosen().isEmpty());
    EXPECT_FALSE(c->finishEnabled());
    EXPECT_EQ(scalar("select count(*) from ROZRACHUNEK where id_rozrachunku in (?, ?) and czy_bo=1 and id_poz_dok_f<>0", {a, b}), 2);
    EXPECT_EQ(scalar("select id_poz_dok_f from ROZRACHUNEK where id_rozrachunku=?", {booked}), 1);
    // The lines grew by what the settlements brought, and the lines add up to the settlements they carry.
    EXPECT_EQ(openingNet("201-01-001") - before,
              scalar("select sum(kwota_wn - kwota_ma) from ROZRACHUNEK_VIEW where id_rozrachunku in (?, ?)", {a, b}));
    // What the opening lines carry grew by exactly those settlements.
    EXPECT_EQ(carriedNet("201-01-001") - carriedBefore,
              scalar("select sum(kwota_wn - kwota_ma) from ROZRACHUNEK_VIEW where id_rozrachunku in (?, ?)", {a, b}));
    EXPECT_FALSE(c->resultPage().isEmpty());
    EXPECT_TRUE(c->resultPage().text().contains("2"));
}

TEST_P(ImportWizardTest, anImportThatBringsNothingSaysSoAndLeavesNoDocumentBehind) {
    const int64_t booked = settlement("201-01-001", "WN", "99.00");
    db().execute("update ROZRACHUNEK set id_poz_dok_f=1 where id_rozrachunku=?", {booked});
    const int64_t noCurrency = settlement("201-01-001", "WN", "5.00", 0, "");
    const int64_t elsewhere = settlement("202-01-001", "MA", "40.00", 0, "USD", "10.00");
    const int64_t docs = openingDocuments();

    // Only settlements in the books, or without a currency: no currency to prepare.
    window.toMark = {booked, noCurrency};
    auto c = wizard();
    c->next();
    c->chooseSettlements();
    c->next();
    EXPECT_TRUE(said(T::NOTHING_TO_IMPORT)) << allSaid().toStdString();
    EXPECT_EQ(c->result(), 0);
    EXPECT_EQ(openingDocuments(), docs);
    EXPECT_FALSE(c->chosen().isEmpty());   // the selection stays

    // A currency is needed, but none of it belongs to the wizard's account: the USD
    // document made for it goes again, and the import is not announced as done.
    dialogs.clear();
    window.toMark = {elsewhere};
    c->chooseSettlements();
    c->next();
    EXPECT_TRUE(said(T::NOTHING_TO_IMPORT)) << allSaid().toStdString();
    EXPECT_FALSE(said(T::IMPORT_DONE_1 + "201-01-001" + T::IMPORT_DONE_2));
    EXPECT_EQ(c->result(), 0);
    EXPECT_EQ(openingDocuments(), docs);
    EXPECT_EQ(scalar("select count(*) from NAG_DOK where czy_rk=10 and waluta='USD'"), 0);
}

TEST_P(ImportWizardTest, aRefusedImportIsShownAndChangesNothing) {
    const int64_t a = settlement("201-01-001", "WN", "10.00");
    db().execute("update LATA_OBROTOWE set zamkniete_bo=1 where id_lata_obrot=?", {f().year2026});
    const int64_t docs = openingDocuments();
    window.toMark = {a};
    auto c = wizard();
    c->next();
    c->chooseSettlements();
    c->next();
    bool shown = false;
    for (const QString& t : dialogs.texts()) shown = shown || t.startsWith(T::IMPORT_FAILED);
    EXPECT_TRUE(shown) << allSaid().toStdString();
    EXPECT_EQ(c->result(), 0);
    EXPECT_EQ(openingDocuments(), docs);
    EXPECT_EQ(scalar("select id_poz_dok_f from ROZRACHUNEK where id_rozrachunku=?", {a}), 0);
    EXPECT_FALSE(c->chosen().isEmpty());
}

TEST_P(ImportWizardTest, warehouseSettlementsComeInAtTheirBalanceOnTheDateOrAsTheyStandWithoutIt) {
    session().GGG_ISTOVARIX = 0;
    const int64_t w = settlement("201-01-002", "WN", "500.00", 7);
    const int64_t w2 = settlement("201-01-002", "WN", "300.00", 8);
    const int64_t ledgerOwn = settlement("201-01-002", "WN", "1.00");
    const int balanceDate = f().bo2026() - 1;
    clear(w, f().bo2026() - 10, "200.00");
    clear(w, f().bo2026() + 9, "100.00");   // after the date
    clear(w2, f().bo2026() + 9, "50.00");

    window.toMark = {w, ledgerOwn};
    auto c = wizard("201-01-002");
    c->setSaldoNaDzien(true);
    c->setDataSalda(balanceDate);
    c->next();
    c->chooseSettlements();
    EXPECT_EQ(window.choices.back().mode, "112");
    // The list reads the warehouse view only, with the balance on the date.
    EXPECT_EQ(c->chosen().totals().count, 1);
    const int64_t expected =
        scalar("select r.kwota - coalesce((select sum(z.kwota) from ROZLICZENIE z where z.id_rozrachunku=r.id_rozrachunku "
               "and z.data_rozliczenia<=?),0) from ROZRACHUNEK r where r.id_rozrachunku=?",
               {balanceDate, w});
    EXPECT_EQ(expected, zl("300.00").minor());
    EXPECT_EQ(c->chosen().totals().saldoWn.minor(), expected);
    ASSERT_EQ(c->chosen().page(0, 10).size(), 1u);
    EXPECT_EQ(c->chosen().page(0, 10)[0].saldoWn.minor(), expected);
    const int64_t before = openingSide("201-01-002", "WN");
    c->next();
    EXPECT_EQ(c->result(), 1) << allSaid().toStdString();
    EXPECT_EQ(openingSide("201-01-002", "WN") - before, expected);
    EXPECT_EQ(scalar("select id_poz_dok_f from ROZRACHUNEK where id_rozrachunku=?", {ledgerOwn}), 0);

    // Without the option the date passed is 0: what is left of it now.
    c->setSaldoNaDzien(false);
    window.toMark = {w2};
    c->chooseSettlements();
    EXPECT_EQ(c->chosen().totals().saldoWn.minor(), zl("250.00").minor());
    const int64_t before2 = openingSide("201-01-002", "WN");
    c->next();
    EXPECT_EQ(openingSide("201-01-002", "WN") - before2, zl("250.00").minor());
}

TEST_P(ImportWizardTest, theCardFilterIsReadByTheBoundSymbolApostropheIncluded) {
    const int64_t obrien = db().insertReturningId("insert into KONTRAHENCI (id_firmy, symbol, nazwa) values (?, ?, ?) returning id_kontrahenta",
                                                  {f().company, "O'BRIEN", "O'Brien Ltd"});
    const int64_t beta = db().insertReturningId("insert into KONTRAHENCI (id_firmy, symbol, nazwa) values (?, ?, ?) returning id_kontrahenta",
                                                {f().company, "BETA", "Beta S.A."});
    db().execute("update WARTOSCI_KONT set id_kartoteki=?, rodzaj_kartoteki='K' where nr_konta='201-01-001'", {obrien});
    db().execute("update WARTOSCI_KONT set id_kartoteki=?, rodzaj_kartoteki='K' where nr_konta='201-01-002'", {beta});
    db().execute("insert into KARTOTEKA_UZYTKOWNIKA (id_firmy, symbol_kartoteki, nazwa_kartoteki, rodzaj, filtr_kartoteka) "
                 "values (?, ?, ?, 'K', ?)",
                 {f().company, "K'1", "Odbiorcy", "o'b*"});
    const int64_t a = settlement("201-01-001", "WN", "100.00");
    const int64_t b = settlement("201-01-002", "WN", "200.00");
    window.toMark = {a, b};
    const int64_t before = openingSide("201-01-001", "WN");
    auto c = wizard("201-01", "1", "K'1   ");
    EXPECT_EQ(c->cardFilter(), "o'b*");
    c->next();
    c->chooseSettlements();
    EXPECT_TRUE(window.choices.back().cardAccount);
    EXPECT_EQ(window.choices.back().cardFilter, "o'b*");
    c->next();
    EXPECT_EQ(c->result(), 1) << allSaid().toStdString();
    EXPECT_NE(scalar("select id_poz_dok_f from ROZRACHUNEK where id_rozrachunku=?", {a}), 0);
    EXPECT_EQ(scalar("select id_poz_dok_f from ROZRACHUNEK where id_rozrachunku=?", {b}), 0);
    EXPECT_EQ(openingSide("201-01-001", "WN") - before, scalar("select kwota_wn from ROZRACHUNEK_VIEW where id_rozrachunku=?", {a}));
    // A symbol that would break out of a quoted literal reads no filter and harms nothing.
    auto odd = wizard("201-01", "1", "x' or '1'='1");
    EXPECT_EQ(odd->cardFilter(), "");
}

} // namespace
