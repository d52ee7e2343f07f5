// Settlements brought into the opening balance and taken out again: amounts against plain
// sums, exact undo, races between sessions, card filters and balances on a date.
#include "SettlementTest.h"
#include "platform/db/passthrough/PassThrough.h"
#include "platform/server/Turnovers.h"
#include "platform/server/settlements/OpeningBalanceImport.h"
#include "platform/server/settlements/SettlementBalance.h"
#include "support/TurnoverCheck.h"
#include <thread>

using namespace ksiega;
using namespace ksiega::server;
using ksiega::test::zl;

namespace {

class OpeningBalanceImportTest : public test::SettlementTest {
protected:
    SettlementImportRequest request(const QString& account, bool cards = false, const QString& filter = {}, int option = 0,
                                    int64_t user = 0) {
        return {f().company, f().year2026, user ? user : jkowal, account, filter, cards, option};
    }
    // Signed sums of the settlements an opening line carries, per side, in plain SQL.
    int64_t carried(const QString& account, const QString& side, const QString& column = "kwota") {
        return scalar(QStringLiteral("select coalesce(sum(case when r.czy_korekta=1 then -r.%1 else r.%1 end), 0) from ROZRACHUNEK r "
                                     "join POZ_DOK p on p.id_poz_dok=r.id_poz_dok_f where p.czy_rk=10 and r.nr_konta=? and r.strona=?")
                          .arg(column),
                      {account, side});
    }
};
KSIEGA_ON_BOTH_ENGINES(OpeningBalanceImportTest);

TEST_P(OpeningBalanceImportTest, importThenUndoRestoresTheOpeningLinesSettlementsAndTurnoversExactly) {
    enteredLine(f().openingPln, "201-01-002", "100.00");
    UZUPELNIJ_OBROTY_Z_DOKUMENTOW(db(), f().company, f().year2026, 0);
    const int64_t a = settlement("201-01-002", "WN", "300.00");
    const int64_t b = settlement("201-01-002", "WN", "40.00", 0, "PLN", "0", true);   // a correction
    const int64_t c = settlement("201-01-002", "MA", "25.50", 9);                      // the warehouse system's
    const int64_t d = settlement("202-01-001", "MA", "999.99");                        // an account with no line yet
    clear(a, f().bo2026() - 5, "50.00");   // partly cleared: still open, its clearing stays
    const QString before = books();

    mark(jkowal, 30, {a, b, c, d});
    EXPECT_EQ(TG_BO_IMPORT(db(), request("201-01-002")).imported, 3);
    EXPECT_EQ(TG_BO_IMPORT(db(), request("202-01-001")).imported, 1);
    // The lines carry their former amount plus their settlements, per side.
    EXPECT_EQ(openingSide("201-01-002", "WN"), zl("100.00").minor() + carried("201-01-002", "WN"));
    EXPECT_EQ(carried("201-01-002", "WN"), zl("260.00").minor());
    EXPECT_EQ(openingSide("201-01-002", "MA"), carried("201-01-002", "MA"));
    EXPECT_EQ(openingSide("202-01-001", "MA"), zl("999.99").minor());
    EXPECT_EQ(scalar("select count(*) from ROZRACHUNEK where czy_bo=1 and id_poz_dok_f<>0 and id_rozrachunku in (?,?,?,?)", {a, b, c, d}), 4);
    EXPECT_EQ(scalar("select count(*) from BLOKADY_POZYCJI"), 0);   // the import's claims are released
    // The turnovers kept in the transaction are those of a full recompute.
    EXPECT_TURNOVERS_CURRENT(db(), f().company, f().year2026);
    const QString kept = turnovers();
    UZUPELNIJ_OBROTY_Z_DOKUMENTOW(db(), f().company, f().year2026, 0);
    EXPECT_EQ(turnovers(), kept);

    mark(jkowal, 34, {a, b, c, d});
    EXPECT_EQ(TG_BO_IMPORT_UNDO(db(), f().company, jkowal), 4);
    EXPECT_TURNOVERS_CURRENT(db(), f().company, f().year2026);
    EXPECT_EQ(books().toStdString(), before.toStdString());
}

TEST_P(OpeningBalanceImportTest, anImportThatFindsNothingReturnsZeroAndChangesNothing) {
    const int64_t onLine = settlement("201-01-002", "WN", "10.00");
    db().execute("update ROZRACHUNEK set id_poz_dok_f=? where id_rozrachunku=?", {f().openingPln, onLine});
    const int64_t closed = settlement("201-01-002", "WN", "20.00");
    clear(closed, f().bo2026() - 3, "20.00");
    const int64_t noCurrency = settlement("201-01-002", "WN", "30.00", 0, "");
    const int64_t otherAccount = settlement("202-01-001", "MA", "40.00");
    const int64_t unmarked = settlement("201-01-002", "WN", "50.00");
    (void)unmarked;
    mark(jkowal, 30, {onLine, closed, noCurrency, otherAccount});
    const QString before = books();
    EXPECT_EQ(TG_BO_IMPORT(db(), request("201-01-002")).imported, 0);
    EXPECT_EQ(TG_BO_IMPORT(db(), request("201-01-002", true)).imported, 0);
    EXPECT_EQ(TG_BO_IMPORT_OUT(db(), request("202-01-001"), 0).imported, 0);   // not the warehouse system's
    EXPECT_EQ(books().toStdString(), before.toStdString());
}

TEST_P(OpeningBalanceImportTest, anApprovedOpeningBalanceIsRefusedByImportAndUndoAlike) {
    const int64_t a = settlement("202-01-001", "MA", "10.00");
    mark(jkowal, 30, {a});
    ASSERT_EQ(TG_BO_IMPORT(db(), request("202-01-001")).imported, 1);
    const int64_t b = settlement("202-01-001", "MA", "20.00");
    mark(jkowal, 30, {b});
    mark(jkowal, 34, {a});
    db().execute("update LATA_OBROTOWE set zamkniete_bo=1 where id_lata_obrot=?", {f().year2026});
    const QString before = books();
    EXPECT_THROW(TG_BO_IMPORT(db(), request("202-01-001")), db::DbError);
    EXPECT_THROW(TG_BO_IMPORT_UNDO(db(), f().company, jkowal), db::DbError);
    db::PassThrough pt(db());
    EXPECT_TRUE(pt.EXECSQL("CALL TG_BO_IMPORT(?,?,?,?,'',0,0)", {f().company, f().year2026, jkowal, "202-01-001"}).failed());
    EXPECT_EQ(books().toStdString(), before.toStdString());
}

TEST_P(OpeningBalanceImportTest, theUndoDeletesOnlyOpeningSettlementsAndRefusesAsAWholeWhenOneIsCleared) {
    // Entered into the opening balance by hand: the undo deletes it.
    const int64_t line = enteredLine(f().openingPln, "202-01-001", "0.00");
    OpeningSettlement s;
    s.symbol = "BO/1";
    s.strona = "MA";
    s.rodzaj = QChar('Z');
    s.kwota = zl("70.00");
    const int64_t entered = POZYCJE_BO_ROZRACH(db(), f().openingPln, line, f().company, f().year2026, "202-01-001", "PLN", jkowal, s);
    const int64_t cleared = POZYCJE_BO_ROZRACH(db(), f().openingPln, line, f().company, f().year2026, "202-01-001", "PLN", jkowal, s);
    POZYCJE_BO_AKTUALIZUJ(db(), f().openingPln, f().bo2026(), f().company, f().year2026, line, 0, "", "", {{}, {}, zl("140.00"), {}}, jkowal);
    clear(cleared, f().month2026(2), "5.00");
    const int64_t ordinary = settlement("202-01-001", "MA", "15.00");   // not in the opening balance
    const QString before = books();

    mark(jkowal, 34, {entered, cleared, ordinary});
    EXPECT_THROW(TG_BO_IMPORT_UNDO(db(), f().company, jkowal), db::DbError);
    EXPECT_EQ(books().toStdString(), before.toStdString());

    mark(jkowal, 34, {entered, ordinary});
    EXPECT_EQ(TG_BO_IMPORT_UNDO(db(), f().company, jkowal), 1);
    EXPECT_EQ(scalar("select count(*) from ROZRACHUNEK where id_rozrachunku=?", {entered}), 0);
    EXPECT_EQ(scalar("select count(*) from ROZRACHUNEK where id_rozrachunku=?", {ordinary}), 1);
    EXPECT_EQ(openingSide("202-01-001", "MA"), carried("202-01-001", "MA"));
}

TEST_P(OpeningBalanceImportTest, twoSessionsImportingTheSameSettlementsBookEachOnce) {
    std::vector<int64_t> ids;
    for (int i = 0; i < 20; ++i) ids.push_back(settlement("202-01-001", "MA", "11.11"));
    mark(jkowal, 30, ids);
    mark(anowak, 30, ids);
    int imported[2] = {0, 0};
    auto run = [&](int who) {
        auto conn = db::Database::open(url());
        imported[who] = TG_BO_IMPORT(*conn, request("202-01-001", false, {}, 0, who == 0 ? jkowal : anowak)).imported;
    };
    std::thread t0(run, 0), t1(run, 1);
    t0.join();
    t1.join();
    EXPECT_EQ(imported[0] + imported[1], 20);
    EXPECT_EQ(scalar("select count(*) from ROZRACHUNEK where id_poz_dok_f<>0 and czy_bo=1"), 20);
    EXPECT_EQ(scalar("select count(*) from POZ_DOK where czy_rk=10 and konto_ma='202-01-001'"), 1);
    EXPECT_EQ(openingSide("202-01-001", "MA"), 20 * zl("11.11").minor());
    EXPECT_EQ(scalar("select count(*) from ROZRACHUNEK_IMPORT_BO"), 20);
}

TEST_P(OpeningBalanceImportTest, aLineAnotherLoginHoldsIsSkippedAndItsSettlementsStayWhereTheyWere) {
    const int64_t a = settlement("202-01-001", "MA", "12.00");
    const int64_t line = POZYCJE_BO_DODAJ(db(), f().company, f().openingPln, "202-01-001", "anowak", anowak).idPozDok;
    mark(jkowal, 30, {a});
    const SettlementImportResult r = TG_BO_IMPORT(db(), request("202-01-001"));
    EXPECT_EQ(r.imported, 0);
    EXPECT_EQ(r.skippedLocked, 1);
    EXPECT_EQ(scalar("select id_poz_dok_f from ROZRACHUNEK where id_rozrachunku=?", {a}), 0);
    EXPECT_EQ(lineClaimHolder(db(), line), "anowak");
    // Its holder imports it, and keeps the claim it had.
    mark(anowak, 30, {a});
    EXPECT_EQ(TG_BO_IMPORT(db(), request("202-01-001", false, {}, 0, anowak)).imported, 1);
    EXPECT_EQ(lineClaimHolder(db(), line), "anowak");
}

TEST_P(OpeningBalanceImportTest, theCardFilterNarrowsTheCardsAsABoundValueApostropheIncluded) {
    const int64_t obrien = db().insertReturningId("insert into KONTRAHENCI (id_firmy, symbol, nazwa) values (?, ?, ?) returning id_kontrahenta",
                                                  {f().company, "O'BRIEN", "O'Brien Ltd"});
    const int64_t beta = db().insertReturningId("insert into KONTRAHENCI (id_firmy, symbol, nazwa) values (?, ?, ?) returning id_kontrahenta",
                                                {f().company, "BETA", "Beta S.A."});
    db().execute("update WARTOSCI_KONT set id_kartoteki=?, rodzaj_kartoteki='K' where nr_konta='201-01-001'", {obrien});
    db().execute("update WARTOSCI_KONT set id_kartoteki=?, rodzaj_kartoteki='K' where nr_konta='201-01-002'", {beta});
    const int64_t a = settlement("201-01-001", "WN", "100.00");
    const int64_t b = settlement("201-01-002", "WN", "200.00");
    mark(jkowal, 30, {a, b});
    const int64_t before001 = openingSide("201-01-001", "WN");
    // Text that would break out of a quoted literal finds nothing and harms nothing.
    EXPECT_EQ(TG_BO_IMPORT(db(), request("201-01", true, "x' or '1'='1")).imported, 0);
    db::PassThrough pt(db());
    db::PassResult byName = pt.EXECVAX("CALL TG_BO_IMPORT(?,?,?,'201-01','o''b*',1,0)", {f().company, f().year2026, jkowal});
    ASSERT_FALSE(byName.failed()) << byName.error().toStdString();
    ASSERT_TRUE(byName.next());
    EXPECT_EQ(byName.integer(1), 1);
    EXPECT_EQ(scalar("select id_poz_dok_f from ROZRACHUNEK where id_rozrachunku=?", {b}), 0);
    EXPECT_EQ(openingSide("201-01-001", "WN"), before001 + zl("100.00").minor());
    // Without a filter the other card follows, to the line of its own account.
    EXPECT_EQ(TG_BO_IMPORT(db(), request("201-01", true, "")).imported, 1);
    EXPECT_EQ(openingSide("201-01-002", "WN"), zl("200.00").minor());
}

TEST_P(OpeningBalanceImportTest, currencySettlementsGoToTheirCurrencyOnlyForACurrencyAccount) {
    const int64_t eur = settlement("201-01-002", "WN", "430.00", 0, "EUR", "100.00");
    const int64_t pln = settlement("201-01-002", "WN", "10.00", 0, "PLN", "10.00");
    mark(jkowal, 30, {eur, pln});
    EXPECT_EQ(TG_BO_IMPORT(db(), request("201-01-002", false, {}, 0)).imported, 1);   // kept in PLN: the euro one stays out
    EXPECT_EQ(scalar("select id_poz_dok_f from ROZRACHUNEK where id_rozrachunku=?", {eur}), 0);
    EXPECT_EQ(TG_BO_IMPORT(db(), request("201-01-002", false, {}, 1)).imported, 1);
    EXPECT_EQ(scalar("select p.id_nag_dok from ROZRACHUNEK r join POZ_DOK p on p.id_poz_dok=r.id_poz_dok_f where r.id_rozrachunku=?", {eur}),
              f().openingEur);
    EXPECT_EQ(scalar("select kwota_wn_w from POZ_DOK where id_nag_dok=? and konto_wn='201-01-002'", {f().openingEur}), zl("100.00").minor());
    EXPECT_EQ(scalar("select kwota_wn from POZ_DOK where id_nag_dok=? and konto_wn='201-01-002'", {f().openingEur}), zl("430.00").minor());
    // 202 is no currency account: the option alone does not put a currency on it.
    const int64_t eur202 = settlement("202-01-001", "MA", "43.00", 0, "EUR", "10.00");
    mark(jkowal, 30, {eur202});
    EXPECT_EQ(TG_BO_IMPORT(db(), request("202-01-001", false, {}, 1)).imported, 0);
}

TEST_P(OpeningBalanceImportTest, theBalanceOnADateCountsOnlyClearingsUpToThatDate) {
    const int64_t w = settlement("201-01-002", "WN", "1000.00", 7, "EUR", "250.00");
    const int before = f().bo2026() - 10, balanceDate = f().bo2026() - 1, after = f().bo2026() + 9;
    clear(w, before, "400.00", "100.00");
    clear(w, after, "100.00", "25.00");
    EXPECT_EQ(TG_SaldoRozrachNaDzienTovarix(db(), w, before - 1, "WN"), zl("1000.00"));
    EXPECT_EQ(TG_SaldoRozrachNaDzienTovarix(db(), w, before, "WN"), zl("600.00"));
    EXPECT_EQ(TG_SaldoRozrachNaDzienTovarix(db(), w, balanceDate, "WN", BalanceAmount::Currency), zl("150.00"));
    EXPECT_EQ(TG_SaldoRozrachNaDzienTovarix(db(), w, after, "WN"), zl("500.00"));
    EXPECT_EQ(TG_SaldoRozrachNaDzienTovarix(db(), w, 0, "WN"), zl("500.00"));
    EXPECT_EQ(TG_SaldoRozrachNaDzienTovarix(db(), w, balanceDate, "MA"), Money());
    // Inside a select list over the warehouse view, bound, as the import list reads it.
    const BoundExpression wn = balanceOnDateSql("v", balanceDate, "WN"), ma = balanceOnDateSql("v", balanceDate, "MA");
    db::Params params = wn.params;
    params.insert(params.end(), ma.params.begin(), ma.params.end());
    params.push_back(w);
    {
        db::Rows r = db().select(
            QStringLiteral("select v.kwota_wn, %1, %2 from ROZRACHUNEK_VIEW_TOVARIX v where v.id_rozrachunku=?").arg(wn.sql, ma.sql), params);
        ASSERT_TRUE(r.next());
        EXPECT_EQ(r.money(1), zl("600.00"));
        EXPECT_EQ(r.money(2), Money());
    }
    db::PassThrough pt(db());
    EXPECT_EQ(pt.FUNCVAY("select dbo.TG_SaldoRozrachNaDzienTovarix(?, ?, 'WN', 0)", {w, balanceDate}), QString("60000"));

    // Imported at the balance date: the line takes 600.00 / 150.00, and the undo detaches
    // the settlement with its clearings instead of deleting it.
    UZUPELNIJ_OBROTY_Z_DOKUMENTOW(db(), f().company, f().year2026, 0);
    const QString books0 = books();
    mark(jkowal, 30, {w});
    EXPECT_EQ(TG_BO_IMPORT_OUT(db(), request("201-01-002", false, {}, 1), balanceDate).imported, 1);
    EXPECT_EQ(scalar("select kwota_wn from POZ_DOK where id_nag_dok=? and konto_wn='201-01-002'", {f().openingEur}), zl("600.00").minor());
    EXPECT_EQ(scalar("select kwota_wn_w from POZ_DOK where id_nag_dok=? and konto_wn='201-01-002'", {f().openingEur}), zl("150.00").minor());
    mark(jkowal, 34, {w});
    EXPECT_EQ(TG_BO_IMPORT_UNDO(db(), f().company, jkowal), 1);
    EXPECT_EQ(scalar("select count(*) from ROZLICZENIE where id_rozrachunku=?", {w}), 2);
    EXPECT_EQ(books().toStdString(), books0.toStdString());
    // Without a date: what is left now.
    mark(jkowal, 30, {w});
    EXPECT_EQ(TG_BO_IMPORT_OUT(db(), request("201-01-002", false, {}, 1), 0).imported, 1);
    EXPECT_EQ(scalar("select kwota_wn from POZ_DOK where id_nag_dok=? and konto_wn='201-01-002'", {f().openingEur}), zl("500.00").minor());
}

} // namespace
