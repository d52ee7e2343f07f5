// The year-end closing on a hand-built ledger with every rule, checked by the independent
// checker, and the guarantees of its one transaction: repeatable, all or nothing, refused
// by an approval or a claim of another user, partial for chosen accounts, removable.
#include "ClosingChecker.h"
#include "platform/db/passthrough/PassThrough.h"
#include "platform/server/OpeningBalanceDocument.h"
#include "platform/server/Turnovers.h"
#include "platform/server/YearClosing.h"
#include "support/CostCentreCopiesCheck.h"
#include "support/LineCopiesCheck.h"
#include "support/TurnoverCheck.h"
#include "support/LedgerTest.h"
#include "support/TestDatabase.h"

using namespace ksiega;
using namespace ksiega::server;
using ksiega::test::zl;

namespace {

class YearClosingTest : public test::LedgerTest {
protected:
    void SetUp() override {
        LedgerTest::SetUp();
        if (IsSkipped()) return;
        db::Transaction tx(db());
        const int64_t y = f().year2026, n = f().year18;
        for (int64_t year : {y, n}) {
            synthetic(year, 140, "B", 0, 0, {{"140", 0}, {"140-01", 1}, {"140-02", 1}});
            synthetic(year, 150, "B", 0, 0, {{"150", 0}, {"150-01", 1}, {"150-02", 1}});
            synthetic(year, 550, "B", 0, 1, {{"550", 0}, {"550-01", 1}});
            synthetic(year, 980, "P", 0, 0, {{"980", 0}, {"980-01", 1}});
        }
        synthetic(n, 11, "B", 0, 0, {{"011", 0}, {"011-01", 1}});
        synthetic(n, 141, "B", 0, 0, {{"141", 0}, {"141-01", 1}});
        synthetic(n, 203, "B", 1, 0, {{"203", 0}, {"203-01", 0}, {"203-01-001", 1}});
        synthetic(n, 205, "B", 1, 0, {{"205", 0}, {"205-01", 1}});
        synthetic(n, 860, "B", 0, 0, {{"860", 1}});
        // Closing year: more lines for the rules.
        f().postIn2026(4, "140-01", "130-01", zl("300.00"));
        f().postIn2026(4, "140-02", "130-01", zl("200.00"));
        f().postIn2026(4, "150-01", "130-01", zl("70.00"));
        f().postIn2026(4, "150-02", "800", zl("30.00"));
        f().postIn2026(6, "980-01", "", zl("11.00"));
        f().postIn2026(6, "131-01", "130-01", zl("5.00"));   // a PLN-only line of a currency account
        const int64_t mpkDoc = f().addDocument({y, f().month2026(6), 2, 0, "MPK/1", ""});
        const int64_t mpkLine = f().post(mpkDoc, "550-01", "130-01", zl("120.00"));
        f().splitCostCentres(mpkLine, "WN", {{zl("100.00"), {f().costCentre(1, "D1"), 0, 0, 0, 0}},
                                             {zl("20.00"), {f().costCentre(1, "D2"), 0, 0, 0, 0}}});
        const int64_t mpkBack = f().post(mpkDoc, "130-01", "550-01", zl("20.00"));
        f().splitCostCentres(mpkBack, "MA", {{zl("20.00"), {f().costCentre(1, "D2"), 0, 0, 0, 0}}});
        // Settlements: a supplier invoice partly paid in the year and paid off next year, a
        // customer invoice (attached to its change row) and a correction.
        const int64_t invDoc = f().addDocument({y, f().month2026(8), 2, 0, "FZ/8/1", ""});
        const int64_t inv = f().post(invDoc, "401", "202-01-001", zl("1000.00"));
        payable = f().openSettlement(inv, "MA", "FZ/8/1");
        const int64_t pay = f().postIn2026(9, "202-01-001", "130-01", zl("400.00"));
        f().settle(payable, lineOf(pay), zl("400.00"));
        const int64_t nextPay = f().addDocument({n, f().month18(2027, 2), 2, 0, "WB/2027/1", ""});
        nextPayLine = f().post(nextPay, "202-01-001", "130-01", zl("600.00"));
        f().settle(payable, nextPayLine, zl("600.00"));   // dated in the next year: still open at year end
        const int64_t sale = f().addDocument({y, f().month2026(10), 2, 0, "FV/10/1", ""});
        invoice = f().openSettlement(f().post(sale, "201-01-001", "700-01", zl("250.00")), "WN", "FV/10/1");
        const int64_t corr = f().addDocument({y, f().month2026(11), 2, 0, "KOR/11/1", ""});
        correction = f().openSettlement(f().post(corr, "202-01-001", "401", zl("50.00")), "WN", "KOR/11/1");
        db().execute("update ROZRACHUNEK set czy_korekta=1, strona='MA' where id_rozrachunku=?", {correction});

        change("010-01", "011-01");      // rename
        change("140-01", "141-01");      // merge
        change("140-02", "141-01");
        change("150-01", "150-02");      // swap
        change("150-02", "150-01");
        change("202-01", "203-01");      // prefix change of a non-posting account
        attachedRow = change("201-01-001", "205-01");
        db().execute("insert into ZMIANA_PLANU_KONT_ROZRACHUNKI (id_uzytkownika, id_zmiana_planu_kont, id_rozrachunku) values (7, ?, ?)",
                     {attachedRow, invoice});
        change("990", "991");            // duplicate: stays on 990
        change("990", "992");
        change("800", "899-01");         // target missing next year
        tx.commit();
        UZUPELNIJ_OBROTY_Z_DOKUMENTOW(db(), f().company, y, 0);
        UZUPELNIJ_OBROTY_Z_DOKUMENTOW(db(), f().company, n, 0);   // current, as the writers keep them
    }

    struct Analytic { const char* nr; int leaf; };
    void synthetic(int64_t year, int nr, const char* typ, int rozrach, int mpk, std::vector<Analytic> accounts) {
        db().execute("insert into KONTA_SYNT (id_firmy, id_lata_obrot, nr_konta_syn, nazwa, typ_konta, czy_rozrach, czy_mpk) "
                     "values (?, ?, ?, 'x', ?, ?, ?)",
                     {f().company, year, nr, typ, rozrach, mpk});
        for (const Analytic& a : accounts)
            db().execute("insert into WARTOSCI_KONT (id_firmy, id_lata_obrot, nr_konta, nazwa_konta, nr_konta_syn, poziom, czy_analityka) "
                         "values (?, ?, ?, 'x', ?, ?, ?)",
                         {f().company, year, a.nr, nr, int(QString(a.nr).count('-')), a.leaf});
    }
    int64_t change(const QString& from, const QString& to) {
        return db().insertReturningId("insert into ZMIANA_PLANU_KONT (id_firmy, id_lata_obrot, z_konta, na_konto) values (?, ?, ?, ?) "
                                      "returning id_zmiana_planu_kont",
                                      {f().company, f().year2026, from, to});
    }
    int64_t lineOf(int64_t document) { return *db().scalarInt("select min(id_poz_dok) from POZ_DOK where id_nag_dok=?", {document}); }

    ClosingRequest request() {
        ClosingRequest r;
        r.idFirmy = f().company;
        r.idLataObrot = f().year2026;
        r.login = "jkowal";
        r.userNumber = 7;
        r.skip980And998 = true;
        return r;
    }

    // Where the scenario's rules send each account.
    static QString target(const QString& a) {
        static const std::map<QString, QString> moves{{"010-01", "011-01"}, {"140-01", "141-01"}, {"140-02", "141-01"},
                                                      {"150-01", "150-02"}, {"150-02", "150-01"}, {"202-01-001", "203-01-001"},
                                                      {"401", "860"}, {"700-01", "860"}, {"800", ""}, {"980-01", ""}};
        return moves.count(a) ? moves.at(a) : a;
    }

    // A dump of everything the closing may touch in the next year.
    QString nextYearState() {
        QStringList out;
        const int64_t n = f().year18;
        for (const QString& sql :
             {QString("select id_poz_dok, id_nag_dok, konto_wn, konto_ma, kwota_wn, kwota_ma, kwota_wn_w, kwota_ma_w, lp from POZ_DOK "
                      "where id_lata_obrot=? order by 1"),
              QString("select id_rozrachunku, nr_konta, kwota, kwota_w, id_poz_dok_f, id_rozrachunku_zrodla, strona from ROZRACHUNEK "
                      "where id_lata_obrot=? order by 1"),
              QString("select z.id_rozliczenia, z.id_rozrachunku, z.kwota from ROZLICZENIE z join ROZRACHUNEK r on r.id_rozrachunku=z.id_rozrachunku "
                      "where r.id_lata_obrot=? order by 1"),
              QString("select id_poz_dok, strona, konto, kwota, wskaznik_1_id from MPK_DANE where id_lata_obrot=? order by 1"),
              QString("select sym_waluty, data_okresu, nr_konta, obr_wn, obr_ma, saldo_wn, saldo_ma, saldo_wn_w, saldo_ma_w from OBROTY_I_SALDA "
                      "where id_lata_obrot=? order by 1, 2, 3"),
              QString("select id_nag_dok, waluta from NAG_DOK where id_lata_obrot=? order by 1")}) {
            db::Rows r = db().select(sql, {n});
            while (r.next()) {
                QStringList row;
                for (int c = 0; c < r.columnCount(); ++c) row << r.text(c);
                out << row.join(',');
            }
        }
        db::Rows k = db().select("select kontekst, tekst1, tekst2, tekst3 from KOMUNIKAT order by id_komunikatu");
        while (k.next()) out << k.text(0) + k.text(1) + k.text(2) + k.text(3);
        out << QString::number(*db().scalarInt("select status from LATA_OBROTOWE where id_lata_obrot=?", {f().year2026}));
        return out.join('\n');
    }

    bool hasProblem(const ClosingOutcome& o, const QString& part) {
        for (const ClosingProblem& p : o.problems)
            if (p.description.contains(part)) return true;
        return false;
    }

    int64_t payable = 0, invoice = 0, correction = 0, attachedRow = 0, nextPayLine = 0;
};
KSIEGA_ON_BOTH_ENGINES(YearClosingTest);

TEST_P(YearClosingTest, everyTargetGetsItsSourcesBalancesAndTheTurnoversFollow) {
    const ClosingOutcome o = createNextYearOpeningBalance(db(), request());
    ASSERT_EQ(o.currencies.size(), 3u);
    EXPECT_EQ(o.currencies[0].symbol, QString("PLN"));
    EXPECT_EQ(o.currencies[1].symbol, QString("EUR"));
    EXPECT_EQ(o.currencies[2].symbol, QString("USD"));

    // The attached invoice moves to 205-01 with its amount; the rest of 201-01-001 stays.
    const test::Nets sources = test::closingBalances(db(), f().year2026);
    test::Nets expected = test::mapped(sources, target);
    const int64_t attached = 25000;
    expected[{"201-01-001", "PLN"}].first -= attached;
    expected[{"205-01", "PLN"}].first += attached;
    EXPECT_EQ(test::differences(expected, test::openingLines(db(), f().year18)), QString());

    EXPECT_TRUE(test::settlementMismatches(db(), f().year18).empty());
    // Turnovers: every account the plan change leaves alone opens as it closed.
    const std::set<QString> moved{"010", "140", "141", "150", "201", "202", "203", "205", "401", "700", "800", "980", "990",
                                  "011", "860", "899"};
    const auto unmapped = [&](const QString& a) { return !moved.count(syntheticOf(a)); };
    EXPECT_TRUE(test::turnoverMismatches(db(), f().company, f().year2026, f().bz2026(), f().year18, f().bo18(), unmapped).empty());

    // The open supplier settlement is carried with 600.00 left (the next year's clearing does not count).
    {
        db::Rows s = db().select("select nr_konta, kwota, id_poz_dok_f from ROZRACHUNEK where id_lata_obrot=? and id_rozrachunku_zrodla=?",
                                 {f().year18, payable});
        ASSERT_TRUE(s.next());
        EXPECT_EQ(s.text(0), QString("203-01-001"));
        EXPECT_EQ(s.money(1), zl("600.00"));
        EXPECT_NE(s.int64(2), 0);
        EXPECT_FALSE(s.next());
    }
    EXPECT_EQ(*db().scalarInt("select count(*) from ROZRACHUNEK where id_lata_obrot=? and id_rozrachunku_zrodla=? and nr_konta='205-01'",
                              {f().year18, invoice}),
              1);
    // Cost centres: D1 100.00 and D2 0.00 (omitted).
    db::Rows m = db().select("select m.strona, m.kwota from MPK_DANE m join POZ_DOK p on p.id_poz_dok=m.id_poz_dok "
                             "where p.id_lata_obrot=? and p.czy_rk=10",
                             {f().year18});
    ASSERT_TRUE(m.next());
    EXPECT_EQ(m.text(0), QString("WN"));
    EXPECT_EQ(m.money(1), zl("100.00"));
    EXPECT_FALSE(m.next());

    EXPECT_TRUE(hasProblem(o, QString::fromUtf8("przeniesiono na konto 860")));
    EXPECT_TRUE(hasProblem(o, "899-01"));
    EXPECT_TRUE(hasProblem(o, QString::fromUtf8("więcej niż raz")));
    EXPECT_EQ(o.report.size(), 10u);
    EXPECT_EQ(*db().scalarInt("select status from LATA_OBROTOWE where id_lata_obrot=?", {f().year2026}), 1);
    // The recompute left nothing to repair.
    EXPECT_TURNOVERS_CURRENT(db(), f().company, f().year18);
    const QString before = nextYearState();
    UZUPELNIJ_OBROTY_Z_DOKUMENTOW(db(), f().company, f().year18, 0);
    EXPECT_EQ(nextYearState(), before);
    // What every line repeats from its header and accounts is current after the write.
    EXPECT_EQ(test::staleLineCopies(db()), QStringList());
    EXPECT_EQ(test::staleCostCentreCopies(db()), QStringList());
}

TEST_P(YearClosingTest, runningTwiceKeepsLinesSettlementIdsAndNextYearClearings) {
    createNextYearOpeningBalance(db(), request());
    const QString first = nextYearState();
    const int64_t carried = *db().scalarInt("select id_rozrachunku from ROZRACHUNEK where id_lata_obrot=? and id_rozrachunku_zrodla=?",
                                            {f().year18, payable});
    createNextYearOpeningBalance(db(), request());
    EXPECT_EQ(nextYearState().toStdString(), first.toStdString());
    // A clearing of the carried settlement in the next year survives a regeneration.
    db().execute("insert into ROZLICZENIE (id_rozrachunku, id_firmy, data_rozliczenia, kwota, kwota_w) values (?, ?, ?, 100, 0)",
                 {carried, f().company, f().month18(2027, 3)});
    createNextYearOpeningBalance(db(), request());
    EXPECT_EQ(*db().scalarInt("select count(*) from ROZLICZENIE where id_rozrachunku=?", {carried}), 1);
    EXPECT_EQ(*db().scalarInt("select id_rozrachunku from ROZRACHUNEK where id_lata_obrot=? and id_rozrachunku_zrodla=?",
                              {f().year18, payable}),
              carried);
    // The source paid off in the closing year: the carried one has a clearing, so it stays detached.
    db().execute("update ROZLICZENIE set data_rozliczenia=? where id_rozrachunku=? and id_poz_dok=?",
                 {f().bz2026(), payable, nextPayLine});
    const ClosingOutcome o = createNextYearOpeningBalance(db(), request());
    EXPECT_EQ(*db().scalarInt("select id_poz_dok_f from ROZRACHUNEK where id_rozrachunku=?", {carried}), 0);
    EXPECT_TRUE(hasProblem(o, QString::fromUtf8("nie jest już otwarty")));
}

TEST_P(YearClosingTest, aFailureOnTheSecondOfThreeCurrenciesLeavesEverythingAsBefore) {
    createNextYearOpeningBalance(db(), request());
    f().postIn2026(12, "130-01", "800", zl("1.00"));   // something new to carry
    db().execute("update LATA_OBROTOWE set status=0");
    const QString before = nextYearState();
    ClosingRequest r = request();
    r.afterCurrency = [](const QString& c) { if (c == "EUR") throw db::DbError("injected"); };
    EXPECT_THROW(createNextYearOpeningBalance(db(), r), db::DbError);
    EXPECT_EQ(nextYearState().toStdString(), before.toStdString());
    EXPECT_EQ(db().transactionDepth(), 0);
}

TEST_P(YearClosingTest, anApprovalOrAClaimOfAnotherUserRefusesAndDryRunChangesNothing) {
    ClosingRequest r = request();
    r.dryRun = true;
    const QString before = nextYearState();
    const ClosingOutcome preview = createNextYearOpeningBalance(db(), r);
    EXPECT_GT(preview.currencies.at(0).lines, 0);
    EXPECT_EQ(nextYearState(), before);

    createNextYearOpeningBalance(db(), request());
    const int64_t line = *db().scalarInt("select min(id_poz_dok) from POZ_DOK where id_lata_obrot=? and czy_rk=10", {f().year18});
    db().execute("insert into BLOKADY_POZYCJI (id_poz_dok, id_uzyt) values (?, 'anowak')", {line});
    try {
        createNextYearOpeningBalance(db(), request());
        FAIL() << "a claim of another user must refuse";
    } catch (const ClosingRefused& e) {
        EXPECT_EQ(e.reason(), ClosingRefused::Reason::LineLockedByOther);
        EXPECT_TRUE(e.text().contains("anowak"));
    }
    db().execute("delete from BLOKADY_POZYCJI");

    // Another session approves between the window's check and the run.
    r = request();
    r.refusalInside = [&] { return QString(); };
    auto other = db::Database::open(url());
    other->execute("update LATA_OBROTOWE set zamkniete_bo=1 where id_lata_obrot=?", {f().year18});
    try {
        createNextYearOpeningBalance(db(), r);
        FAIL() << "an approved next year must refuse";
    } catch (const ClosingRefused& e) {
        EXPECT_EQ(e.reason(), ClosingRefused::Reason::NextYearApproved);
        EXPECT_EQ(e.text(), QString::fromUtf8("Nie można wykonać tej operacji.|Bilans otwarcia w następnym roku obrotowym jest zatwierdzony."));
    }
    EXPECT_THROW(removeNextYearOpeningBalance(db(), f().company, f().year2026), ClosingRefused);
}

TEST_P(YearClosingTest, chosenAccountsRewriteOnlyTheirTargetsAndKeepAHandEnteredLine) {
    createNextYearOpeningBalance(db(), request());
    const int64_t doc = f().openingDocument(f().year18);
    const int64_t hand = f().addLine(doc, {"990", "", zl("3.00"), {}, {}, {}, ""});
    f().postIn2026(12, "140-02", "130-01", zl("1000.00"));
    db().execute("insert into ZAZNACZENIE (id_browsera, id_uzytkownika, opis_elementu) values (11, 7, '140')");
    const QString bankSql = "select kwota_wn - kwota_ma from POZ_DOK where id_nag_dok=? and (konto_wn='130-01' or konto_ma='130-01')";
    const int64_t bank = db().scalarInt(bankSql, {doc}).value_or(-1);
    ClosingRequest r = request();
    r.range = ClosingRange::Chosen;
    createNextYearOpeningBalance(db(), r);
    // 141-01 takes both merged sources with the new line; 130-01 is not chosen and stays.
    const test::Nets sources = test::closingBalances(db(), f().year2026);
    EXPECT_EQ(*db().scalarInt("select kwota_wn from POZ_DOK where id_nag_dok=? and konto_wn='141-01'", {doc}),
              sources.at({"140-01", "PLN"}).first + sources.at({"140-02", "PLN"}).first);
    EXPECT_EQ(db().scalarInt(bankSql, {doc}).value_or(-2), bank);
    EXPECT_EQ(*db().scalarInt("select count(*) from POZ_DOK where id_poz_dok=?", {hand}), 1);
}

TEST_P(YearClosingTest, removalDeletesOnlyOpeningDocumentsKeepsClearedSettlementsAndRecomputes) {
    createNextYearOpeningBalance(db(), request());
    const int64_t carried = *db().scalarInt("select id_rozrachunku from ROZRACHUNEK where id_lata_obrot=? and id_rozrachunku_zrodla=?",
                                            {f().year18, payable});
    db().execute("insert into ROZLICZENIE (id_rozrachunku, id_firmy, data_rozliczenia, kwota, kwota_w) values (?, ?, ?, 100, 0)",
                 {carried, f().company, f().month18(2027, 3)});
    const int64_t others = *db().scalarInt("select count(*) from NAG_DOK where id_lata_obrot=? and czy_rk<>10", {f().year18});
    removeNextYearOpeningBalance(db(), f().company, f().year2026, true);   // dry run
    EXPECT_GT(*db().scalarInt("select count(*) from NAG_DOK where id_lata_obrot=? and czy_rk=10", {f().year18}), 0);
    removeNextYearOpeningBalance(db(), f().company, f().year2026);
    EXPECT_EQ(*db().scalarInt("select count(*) from NAG_DOK where id_lata_obrot=? and czy_rk=10", {f().year18}), 0);
    EXPECT_EQ(*db().scalarInt("select count(*) from NAG_DOK where id_lata_obrot=? and czy_rk<>10", {f().year18}), others);
    EXPECT_EQ(*db().scalarInt("select id_poz_dok_f from ROZRACHUNEK where id_rozrachunku=?", {carried}), 0);
    EXPECT_EQ(*db().scalarInt("select count(*) from ROZRACHUNEK where id_lata_obrot=? and id_rozrachunku_zrodla=?", {f().year18, invoice}), 0);
    const QString after = nextYearState();
    UZUPELNIJ_OBROTY_Z_DOKUMENTOW(db(), f().company, f().year18, 0);
    EXPECT_EQ(nextYearState(), after);
    // A later closing attaches the kept settlement again.
    createNextYearOpeningBalance(db(), request());
    EXPECT_NE(*db().scalarInt("select id_poz_dok_f from ROZRACHUNEK where id_rozrachunku=?", {carried}), 0);
}

// The closing refreshes the next year's turnovers only for the accounts on its opening
// lines, before and after the run: an account that leaves the opening balance (its change
// row removed) loses its rows as a full recompute would drop them.
TEST_P(YearClosingTest, theNextYearsTurnoversEqualAFullRecomputeWhenAnAccountLeavesTheOpeningBalance) {
    createNextYearOpeningBalance(db(), request());
    ASSERT_GT(*db().scalarInt("select count(*) from OBROTY_I_SALDA where id_lata_obrot=? and nr_konta='011-01'", {f().year18}), 0);
    db().execute("delete from ZMIANA_PLANU_KONT where z_konta='010-01'");
    createNextYearOpeningBalance(db(), request());
    const QString refreshed = test::yearState(db(), f().year18);
    UZUPELNIJ_OBROTY_Z_DOKUMENTOW(db(), f().company, f().year18, 0);
    EXPECT_EQ(test::yearState(db(), f().year18).toStdString(), refreshed.toStdString());
    EXPECT_EQ(*db().scalarInt("select count(*) from POZ_DOK where id_lata_obrot=? and konto_wn='010-01' and czy_rk=10", {f().year18}), 1);
}

// A hand-entered line with two accounts (Dt one, Ct another) in the opening balance: rewriting
// the target on one side never changes the other account's side, in a chosen-accounts run
// and in a full run where both sides are targets.
TEST_P(YearClosingTest, aLineSharedWithAnotherAccountKeepsTheOtherSide) {
    createNextYearOpeningBalance(db(), request());
    const int64_t doc = f().openingDocument(f().year18);
    const int64_t hand = f().addLine(doc, {"141-01", "990", zl("7.00"), zl("7.00"), {}, {}, ""});
    const test::Nets before = test::openingLines(db(), f().year18);
    f().postIn2026(12, "140-02", "130-01", zl("1000.00"));
    db().execute("insert into ZAZNACZENIE (id_browsera, id_uzytkownika, opis_elementu) values (11, 7, '140')");
    ClosingRequest r = request();
    r.range = ClosingRange::Chosen;
    createNextYearOpeningBalance(db(), r);

    const test::Nets sources = test::closingBalances(db(), f().year2026);
    const test::Nets after = test::openingLines(db(), f().year18);
    EXPECT_EQ(after.at({"141-01", "PLN"}).first, sources.at({"140-01", "PLN"}).first + sources.at({"140-02", "PLN"}).first);
    EXPECT_EQ(after.at({"990", "PLN"}), before.at({"990", "PLN"}));
    EXPECT_EQ(after.at({"130-01", "PLN"}), before.at({"130-01", "PLN"}));   // not chosen
    {
        db::Rows h = db().select("select konto_wn, konto_ma, kwota_wn, kwota_ma from POZ_DOK where id_poz_dok=?", {hand});
        ASSERT_TRUE(h.next());
        EXPECT_EQ(h.text(0), QString());
        EXPECT_EQ(h.text(1), QString("990"));
        EXPECT_EQ(h.int64(2), 0);
        EXPECT_EQ(h.int64(3), 700);
    }
    EXPECT_EQ(*db().scalarInt("select count(*) from BLOKADY_POZYCJI"), 0);   // the split leaves no claim behind

    // A full run over a hand line whose both sides are targets writes each account once.
    f().addLine(doc, {"130-01", "800", zl("5.00"), zl("5.00"), {}, {}, ""});
    createNextYearOpeningBalance(db(), request());
    test::Nets expected = test::mapped(sources, target);
    expected[{"201-01-001", "PLN"}].first -= 25000;   // the attached invoice
    expected[{"205-01", "PLN"}].first += 25000;
    EXPECT_EQ(test::differences(expected, test::openingLines(db(), f().year18)), QString());
    EXPECT_TRUE(test::settlementMismatches(db(), f().year18).empty());
    // What every line repeats from its header and accounts is current after the write.
    EXPECT_EQ(test::staleLineCopies(db()), QStringList());
}

// A plan-change row on a result account: the balance still goes to 860, and the report row
// says so with the amounts per currency (not "brak salda"), or says that nothing was carried
// when the next year's chart has no 860.
TEST_P(YearClosingTest, aPlanChangeRowOnAResultAccountIsReportedAsClosedTo860) {
    const int64_t row = change("700-01", "701-01");
    auto netOf = [&](const QString& account, const QString& currency) {
        return *db().scalarInt("select coalesce(sum(case when konto_wn=? then kwota_wn else 0 end) - "
                               "sum(case when konto_ma=? then kwota_ma else 0 end), 0) from POZ_DOK where id_lata_obrot=? "
                               "and (status=2 or czy_rk=10) and (case when upper(waluta) in ('', 'PLN') then 'PLN' else upper(waluta) end)=?",
                               {account, account, f().year2026, currency});
    };
    const int64_t pln = netOf("700-01", "PLN"), usd = netOf("700-01", "USD");
    ASSERT_LT(pln, 0);
    ASSERT_LT(usd, 0);
    auto remarkOf = [&](const ClosingOutcome& o) {
        for (const TransferRow& t : o.report)
            if (t.fromAccount == "700-01") return t.remarks;
        return QString();
    };
    const ClosingOutcome o = createNextYearOpeningBalance(db(), request());
    const QString remark = remarkOf(o);
    EXPECT_TRUE(remark.startsWith(QString::fromUtf8("konto wynikowe: saldo przechodzi na konto 860"))) << remark.toStdString();
    EXPECT_TRUE(remark.contains(QString::fromUtf8("PLN: na konto 860 przeniesiono Ct ") + Money::fromMinor(-pln).toDisplay()))
        << remark.toStdString();
    EXPECT_TRUE(remark.contains(QString::fromUtf8("USD: na konto 860 przeniesiono Ct ") + Money::fromMinor(-usd).toDisplay()))
        << remark.toStdString();
    EXPECT_FALSE(remark.contains(QString::fromUtf8("brak salda")));
    EXPECT_EQ(*db().scalarInt("select count(*) from POZ_DOK where id_lata_obrot=? and (konto_wn='701-01' or konto_ma='701-01')", {f().year18}), 0);
    // 860 takes the result accounts with or without the row.
    const test::Nets sources = test::closingBalances(db(), f().year2026);
    EXPECT_EQ(test::differences(test::mapped(sources, [](const QString& a) { return a == "401" || a == "700-01" ? QString("860") : QString(); }),
                                test::mapped(test::openingLines(db(), f().year18), [](const QString& a) { return a == "860" ? a : QString(); })),
              QString());

    db().execute("delete from WARTOSCI_KONT where id_lata_obrot=? and nr_konta='860'", {f().year18});
    const QString without = remarkOf(createNextYearOpeningBalance(db(), request()));
    EXPECT_TRUE(without.contains(QString::fromUtf8("PLN: saldo Ct ") + Money::fromMinor(-pln).toDisplay() +
                                 QString::fromUtf8(" nie zostało przeniesione, bo w planie kont następnego roku nie ma konta 860")))
        << without.toStdString();
    EXPECT_EQ(*db().scalarInt("select count(*) from POZ_DOK where id_lata_obrot=? and (konto_wn in ('860', '701-01') or konto_ma in ('860', '701-01'))",
                              {f().year18}),
              0);
    (void)row;
}

// The window sends the procedure as text, one statement per currency; it must write what
// the typed call writes, with every argument honoured (the skip flag decides 980-01).
TEST_P(YearClosingTest, theProcedureCalledByNameWritesWhatTheTypedCallWrites) {
    auto lines = [&](int64_t doc) {
        QStringList out;
        db::Rows r = db().select("select konto_wn, konto_ma, kwota_wn, kwota_ma, kwota_wn_w, kwota_ma_w, "
                                 "(select count(*) from ROZRACHUNEK s where s.id_poz_dok_f=p.id_poz_dok), "
                                 "(select count(*) from MPK_DANE m where m.id_poz_dok=p.id_poz_dok) from POZ_DOK p "
                                 "where id_nag_dok=? order by konto_wn, konto_ma",
                                 {doc});
        while (r.next()) {
            QStringList row;
            for (int c = 0; c < r.columnCount(); ++c) row << r.text(c);
            out << row.join(',');
        }
        return out.join('\n');
    };
    const int64_t n = f().year18;
    for (int skip : {0, 1}) {
        for (const QString currency : {"PLN", "EUR", "USD"}) {
            SCOPED_TRACE((currency + " skip " + QString::number(skip)).toStdString());
            QString typed, byName;
            int64_t typedCount = 0;
            {
                db::Transaction tx(db());
                const int64_t doc = PRZYGOTUJ_DOKUMENT_BO(db(), f().company, n, "jkowal", f().bo18(), f().bo18(), currency);
                typedCount = DODAJ_POZYCJE_ZAMKNIECIE_ROKU(db(), f().company, f().year2026, n, doc, currency, f().bo18(), 7,
                                                           ClosingRange::All, skip == 1);
                typed = lines(doc);
            }
            {
                db::Transaction tx(db());
                const int64_t doc = PRZYGOTUJ_DOKUMENT_BO(db(), f().company, n, "jkowal", f().bo18(), f().bo18(), currency);
                db::PassThrough pt(db());
                db::PassResult r = pt.EXECSQL(QString("CALL DODAJ_POZYCJE_ZAMKNIECIE_ROKU(%1,%2,%3,%4,'%5',%6,7,0,%7)")
                                                  .arg(f().company).arg(f().year2026).arg(n).arg(doc)
                                                  .arg(currency).arg(f().bo18()).arg(skip));
                ASSERT_FALSE(r.failed()) << r.error().toStdString();
                ASSERT_TRUE(r.next());
                EXPECT_EQ(r.integer(1), typedCount);
                byName = lines(doc);
            }
            EXPECT_GT(typedCount, 0);
            EXPECT_EQ(byName.toStdString(), typed.toStdString());
            if (currency == "PLN") EXPECT_EQ(typed.contains("980-01"), skip == 0);
        }
    }
}

TEST_P(YearClosingTest, theLastYearHasNoNextYear) {
    ClosingRequest r = request();
    r.idLataObrot = f().year18;
    try {
        createNextYearOpeningBalance(db(), r);
        FAIL();
    } catch (const ClosingRefused& e) {
        EXPECT_EQ(e.reason(), ClosingRefused::Reason::NoNextYear);
    }
}

} // namespace
