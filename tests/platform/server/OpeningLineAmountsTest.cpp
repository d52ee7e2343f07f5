// The amounts of opening-balance lines, the turnovers they feed and the summary's sums.
#include "platform/server/OpeningBalanceLines.h"
#include "platform/server/Procedures.h"
#include "platform/server/Turnovers.h"
#include "support/LedgerTest.h"
#include "support/LineSums.h"
#include "support/SchemaOwner.h"
#include <map>
#include <tuple>

using namespace ksiega;
using namespace ksiega::server;
using ksiega::test::zl;

namespace {

class OpeningLineAmountsTest : public test::LedgerTest {
protected:
    // Every stored turnover row of the year, all figures, as text.
    std::map<QString, QString> turnovers() {
        std::map<QString, QString> all;
        db::Rows r = db().select("select sym_waluty, data_okresu, nr_konta, obr_wn, obr_ma, saldo_wn, saldo_ma, obr_wn_2, obr_ma_2, "
                                 "saldo_wn_2, saldo_ma_2, obr_wn_w, obr_ma_w, saldo_wn_w, saldo_ma_w from OBROTY_I_SALDA "
                                 "where id_lata_obrot=?",
                                 {f().year2026});
        while (r.next()) {
            QStringList figures;
            for (int c = 3; c < 15; ++c) figures << QString::number(r.int64(c));
            all[r.text(0) + "|" + QString::number(r.integer(1)) + "|" + r.text(2)] = figures.join(' ');
        }
        return all;
    }
    // The rows a save may touch, as text, to compare before and after.
    QString tables() {
        QString out;
        for (const char* sql : {"select id_poz_dok, konto_wn, konto_ma, kwota_wn, kwota_ma, kwota_wn_w, kwota_ma_w, waluta from POZ_DOK "
                                "order by id_poz_dok",
                                "select id_poz_dok_czastkowe, id_poz_dok, kwota_wn, opis from POZ_DOK_CZASTKOWE order by 1",
                                "select id_mpk_dane, id_poz_dok, strona, konto, kwota from MPK_DANE order by 1",
                                "select id_rozrachunku, id_poz_dok_f, kwota from ROZRACHUNEK order by 1",
                                "select id_poz_dok, id_uzyt from BLOKADY_POZYCJI order by 1"}) {
            db::Rows r = db().select(sql);
            while (r.next()) {
                for (int c = 0; c < r.columnCount(); ++c) out += r.text(c) + ",";
                out += "\n";
            }
        }
        return out;
    }
    int64_t claim(const QString& account, int64_t doc = 0) {
        return POZYCJE_BO_DODAJ(db(), f().company, doc ? doc : f().openingPln, account, "jkowal", 1).idPozDok;
    }
    void set(int64_t line, const LineAmounts& amounts, const QString& waluta = "PLN", int64_t doc = 0) {
        POZYCJE_BO_AKTUALIZUJ(db(), doc ? doc : f().openingPln, f().bo2026(), f().company, f().year2026, line, 0, waluta, waluta,
                              amounts, 1);
    }
    // The partial recompute left what the full one makes of the year.
    void expectTurnoversAsFullRecompute(const char* after) {
        const auto partial = turnovers();
        UZUPELNIJ_OBROTY_Z_DOKUMENTOW(db(), f().company, f().year2026, 0);
        const auto full = turnovers();
        EXPECT_EQ(partial, full) << "after " << after;
    }
    int64_t scalar(const QString& sql, const db::Params& params = {}) { return db().scalarInt(sql, params).value_or(0); }
};
KSIEGA_ON_BOTH_ENGINES(OpeningLineAmountsTest);

TEST_P(OpeningLineAmountsTest, theAccountStandsOnEachSideWithAnAmountAndAZeroLineLosesWhatDividedIt) {
    const int64_t line = claim("401");
    set(line, {zl("100.00"), {}, zl("40.00"), {}});
    writePartialEntries(db(), line, {{f().bo2026(), "FV/1", "jedna", zl("100.00"), {}, zl("40.00"), {}, {}, {}, 1, 1}});
    f().splitCostCentres(line, "WN", {{zl("100.00"), {f().costCentre(1, "DZ1")}}});
    f().splitCostCentres(line, "MA", {{zl("40.00"), {f().costCentre(1, "DZ2")}}});

    auto accounts = [&] {
        db::Rows r = db().select("select konto_wn, konto_ma, kwota_wn + kwota_ma from POZ_DOK where id_poz_dok=?", {line});
        return r.next() ? r.text(0) + "|" + r.text(1) + "|" + QString::number(r.int64(2)) : QString("no line");
    };
    set(line, {zl("100.00"), {}, {}, {}});
    EXPECT_EQ(accounts(), QString("401||10000"));
    EXPECT_EQ(scalar("select count(*) from MPK_DANE where id_poz_dok=? and strona='MA'", {line}), 0) << "its side has no amount";
    EXPECT_EQ(scalar("select count(*) from MPK_DANE where id_poz_dok=? and strona='WN'", {line}), 1);
    EXPECT_EQ(readPartialEntries(db(), line).size(), 1u);

    set(line, {{}, {}, zl("5.00"), {}});
    EXPECT_EQ(accounts(), QString("|401|500"));

    set(line, {});
    EXPECT_EQ(accounts(), QString("401||0")) << "the line stays, the account on Dt";
    EXPECT_EQ(readPartialEntries(db(), line).size(), 0u);
    EXPECT_EQ(scalar("select count(*) from MPK_DANE where id_poz_dok=?", {line}), 0);
}

TEST_P(OpeningLineAmountsTest, partialEntriesKeepRatesAndTextsAndRefuseARateTheTableCannotHold) {
    const int64_t line = claim("131-01", f().openingEur);
    PartialEntry e{f().bo2026(), "FV/'7", "Opis z 'apostrofem'", zl("430.00"), zl("100.00"), {}, {}, Rate::parseOrThrow("4.3012"), {}, 1, 1};
    PartialEntry g{f().bo2026() + 3, "FV/8", "", {}, {}, zl("86.02"), zl("20.00"), {}, Rate::parseOrThrow("430.1"), 1, 100};
    writePartialEntries(db(), line, {e, g});
    const auto back = readPartialEntries(db(), line);
    ASSERT_EQ(back.size(), 2u);
    EXPECT_EQ(back[0].nrDok, e.nrDok);
    EXPECT_EQ(back[0].opis, e.opis);
    EXPECT_EQ(back[0].kursWn, e.kursWn);
    EXPECT_EQ(back[1].kursMa, g.kursMa);
    EXPECT_EQ(back[1].mnoznikMa, 100);
    EXPECT_EQ(scalar("select kurs_waluty_wn from POZ_DOK_CZASTKOWE where id_poz_dok=? and nr_dok=?", {line, e.nrDok}), 43012);

    e.kursWn = Rate::parseOrThrow("4.30125");
    EXPECT_THROW(writePartialEntries(db(), line, {g, e}), db::DbError);
    EXPECT_EQ(readPartialEntries(db(), line).size(), 2u) << "nothing replaced";
}

TEST_P(OpeningLineAmountsTest, turnoversAfterEachSaveAreWhatTheFullRecomputeMakesOfTheYear) {
    UZUPELNIJ_OBROTY_Z_DOKUMENTOW(db(), f().company, f().year2026, 0);
    const auto initial = turnovers();
    claim("800");   // merging the account's lines moves no amount
    EXPECT_EQ(turnovers(), initial);
    expectTurnoversAsFullRecompute("merging 800");

    set(claim("201-01-001"), {zl("2500.00"), {}, zl("100.00"), {}});
    expectTurnoversAsFullRecompute("changing 201-01-001");
    set(claim("202-01-001"), {{}, {}, zl("321.09"), {}});
    expectTurnoversAsFullRecompute("a new account, 202-01-001");
    set(claim("234-01"), {{}, {}, zl("800.00"), {}});
    expectTurnoversAsFullRecompute("two-balance 234-01 turned to Ct");
    set(claim("234-02"), {zl("50.00"), {}, zl("75.00"), {}});
    expectTurnoversAsFullRecompute("two-balance 234-02 on both sides");
    set(claim("131-01", f().openingEur), {zl("4400.00"), zl("1010.00"), {}, {}}, "EUR", f().openingEur);
    expectTurnoversAsFullRecompute("a currency line");
    set(claim("130-01"), {});
    expectTurnoversAsFullRecompute("zeroing 130-01");

    // And against the lines themselves.
    const test::LineSums lines(db(), f().year2026, f().bo2026());
    db::Rows r = db().select("select obr_wn, obr_ma, saldo_wn, saldo_ma from OBROTY_I_SALDA where id_lata_obrot=? and sym_waluty='PLN' "
                             "and data_okresu=? and nr_konta='202'",
                             {f().year2026, f().bo2026()});
    ASSERT_TRUE(r.next());
    EXPECT_EQ((test::LineFigures{r.money(0), r.money(1), r.money(2), r.money(3)}), lines.figures("202", "PLN", f().bo2026()));
    EXPECT_EQ(r.money(3), zl("321.09"));
}

TEST_P(OpeningLineAmountsTest, aFailureInsideTheSaveLeavesEveryTableAsItWas) {
    const auto owner = test::openAsOwner(url());   // changing the tables is the owner's work
    UZUPELNIJ_OBROTY_Z_DOKUMENTOW(db(), f().company, f().year2026, 0);
    const int64_t line = claim("201-01-001");
    writePartialEntries(db(), line, {{f().bo2026(), "FV/1", "", zl("2000.00"), {}, {}, {}, {}, {}, 1, 1}});
    f().splitCostCentres(line, "WN", {{zl("2000.00"), {f().costCentre(1, "DZ1")}}});
    const QString before = tables();
    const auto turnoversBefore = turnovers();

    // The turnovers' table is out of reach, so the last step of the save fails.
    owner->executeScript("alter table OBROTY_I_SALDA rename to OBROTY_I_SALDA_ODLOZONE");
    EXPECT_THROW(set(line, {}), db::DbError);
    owner->executeScript("alter table OBROTY_I_SALDA_ODLOZONE rename to OBROTY_I_SALDA");
    EXPECT_EQ(tables(), before);
    EXPECT_EQ(turnovers(), turnoversBefore);

    // Refusals come before anything is written.
    EXPECT_THROW(set(line, {zl("1.00"), {}, {}, {}}, "EUR"), db::DbError) << "not the document's currency";
    db().execute("update LATA_OBROTOWE set zamkniete_bo=1 where id_lata_obrot=?", {f().year2026});
    EXPECT_THROW(set(line, {zl("1.00"), {}, {}, {}}), db::DbError) << "approved";
    EXPECT_EQ(tables(), before);
}

TEST_P(OpeningLineAmountsTest, amountsGivenAsStatementTextAreExact) {
    const int64_t line = claim("401");
    callProcedure(db(), "POZYCJE_BO_AKTUALIZUJ",
                  {f().openingPln, f().bo2026(), f().company, f().year2026, line, 0, "PLN", "PLN", "1234.56", "0", "0.07", "", 1});
    EXPECT_EQ(scalar("select kwota_wn from POZ_DOK where id_poz_dok=?", {line}), 123456);
    EXPECT_EQ(scalar("select kwota_ma from POZ_DOK where id_poz_dok=?", {line}), 7);
    EXPECT_THROW(callProcedure(db(), "POZYCJE_BO_AKTUALIZUJ",
                               {f().openingPln, f().bo2026(), f().company, f().year2026, line, 0, "PLN", "PLN", "12.345", "0", "0", "0", 1}),
                 db::DbError);
    EXPECT_EQ(scalar("select kwota_wn from POZ_DOK where id_poz_dok=?", {line}), 123456);
}

TEST_P(OpeningLineAmountsTest, theSummarysSumsAgreeWithTheDocumentLines) {
    f().openingBalanceLine(f().year2026, "990", "", zl("15.00"));
    f().openingBalanceLine(f().year2026, "", "990", zl("4.30"), zl("1.00"), "EUR");
    f().openingBalanceLine(f().year2026, "9900", "", zl("99.00"));   // not under 990
    f().openingBalanceLine(f().year18, "130-01", "800", zl("777.00"));
    auto sum = [&](const QString& column, const QString& where) {
        return Money::fromMinor(scalar("select coalesce(sum(p." + column + "), 0) from POZ_DOK p join NAG_DOK n on n.id_nag_dok=p.id_nag_dok "
                                       "where n.czy_rk=10 and n.id_lata_obrot=? and " + where,
                                       {f().year2026}));
    };
    const QString dt = "p.konto_wn<>''", ct = "p.konto_ma<>''";
    const QString offDt = "(p.konto_wn='990' or p.konto_wn like '990-%')", offCt = "(p.konto_ma='990' or p.konto_ma like '990-%')";

    OpeningSums pln = POZYCJE_BO_SUMUJ(db(), f().company, f().year2026, "PLN", 1);
    EXPECT_EQ(pln.first, sum("kwota_wn", dt + " and n.waluta=''"));
    EXPECT_EQ(pln.third, sum("kwota_ma", ct + " and n.waluta=''"));
    OpeningSums eur = POZYCJE_BO_SUMUJ(db(), f().company, f().year2026, "eur", 1);
    EXPECT_EQ(eur.first, sum("kwota_wn", dt + " and n.waluta='EUR'"));
    EXPECT_EQ(eur.second, sum("kwota_wn_w", dt + " and n.waluta='EUR'"));
    EXPECT_EQ(eur.third, sum("kwota_ma", ct + " and n.waluta='EUR'"));
    EXPECT_EQ(eur.fourth, sum("kwota_ma_w", ct + " and n.waluta='EUR'"));
    EXPECT_EQ(eur.fourth, zl("1001.00"));

    OpeningSums all = POZYCJE_BO_SUMUJ(db(), f().company, f().year2026, "", 2);
    EXPECT_EQ(all.first, sum("kwota_wn", dt));
    EXPECT_EQ(all.third, sum("kwota_ma", ct));
    EXPECT_TRUE(all.second.isZero() && all.fourth.isZero());

    OpeningSums offDebit = POZYCJE_BO_SUMUJ(db(), f().company, f().year2026, "", 3);
    OpeningSums offCredit = POZYCJE_BO_SUMUJ(db(), f().company, f().year2026, "", 4);
    EXPECT_EQ(offDebit.first, sum("kwota_wn", offDt));
    EXPECT_EQ(offDebit.first, zl("15.00"));
    EXPECT_EQ(offCredit.first, sum("kwota_ma", offCt));
    EXPECT_EQ(offCredit.first, zl("4.30"));
    EXPECT_EQ(offCredit.third, offDebit.first);

    const ResultSet byName = callProcedure(db(), "POZYCJE_BO_SUMUJ", {f().company, f().year2026, "", 2});
    ASSERT_EQ(byName.rows.size(), 1u);
    EXPECT_EQ(byName.rows[0][0].toInt64(), all.first.minor());
    EXPECT_EQ(byName.rows[0][2].toInt64(), all.third.minor());
}

// "Podsumowanie" takes every figure from one pass over the year's lines: each must be what
// the procedure answers in its own mode and what a plain sum over the lines gives.
TEST_P(OpeningLineAmountsTest, theOnePassSummaryAnswersWhatEachModeAnswers) {
    f().openingBalanceLine(f().year2026, "990", "", zl("15.00"));
    f().openingBalanceLine(f().year2026, "990-1", "", zl("2.50"));                    // under 990
    f().openingBalanceLine(f().year2026, "9900", "990-1", zl("99.00"));               // 9900 is not under 990
    f().openingBalanceLine(f().year2026, "", "990", zl("4.30"), zl("1.00"), "EUR");
    f().openingBalanceLine(f().year18, "990", "800", zl("777.00"));                  // another year
    auto sum = [&](const QString& column, const QString& where) {
        return Money::fromMinor(scalar("select coalesce(sum(p." + column + "), 0) from POZ_DOK p join NAG_DOK n on n.id_nag_dok=p.id_nag_dok "
                                       "where n.czy_rk=10 and n.id_firmy=? and n.id_lata_obrot=? and " + where,
                                       {f().company, f().year2026}));
    };
    const QString dt = "p.konto_wn<>''", ct = "p.konto_ma<>''";
    const QString offDt = " and (p.konto_wn='990' or p.konto_wn like '990-%')", offCt = " and (p.konto_ma='990' or p.konto_ma like '990-%')";

    const OpeningBalanceSummarySums s = openingBalanceSummary(db(), f().company, f().year2026);
    EXPECT_EQ(s.all.first, sum("kwota_wn", dt));
    EXPECT_EQ(s.all.third, sum("kwota_ma", ct));
    EXPECT_TRUE(s.all.second.isZero() && s.all.fourth.isZero());
    EXPECT_EQ(s.offBalance.first, sum("kwota_wn", dt + offDt));
    EXPECT_EQ(s.offBalance.first, zl("17.50"));
    EXPECT_EQ(s.offBalance.third, sum("kwota_ma", ct + offCt));
    EXPECT_EQ(s.offBalance.third, zl("103.30"));

    ASSERT_EQ(s.byCurrency.size(), 2u);   // PLN and EUR have documents, USD none
    EXPECT_EQ(s.byCurrency.count("USD"), 0u);
    for (const auto& [symbol, where] : {std::pair{QString(), QString(" and n.waluta=''")}, {QString("EUR"), QString(" and n.waluta='EUR'")}}) {
        const OpeningSums& one = s.byCurrency.at(symbol);
        const OpeningSums mode1 = POZYCJE_BO_SUMUJ(db(), f().company, f().year2026, symbol.isEmpty() ? "PLN" : symbol, 1);
        EXPECT_EQ(one.first, sum("kwota_wn", dt + where)) << symbol.toStdString();
        EXPECT_EQ(one.second, sum("kwota_wn_w", dt + where)) << symbol.toStdString();
        EXPECT_EQ(one.third, sum("kwota_ma", ct + where)) << symbol.toStdString();
        EXPECT_EQ(one.fourth, sum("kwota_ma_w", ct + where)) << symbol.toStdString();
        EXPECT_EQ(std::tuple(one.first, one.second, one.third, one.fourth), std::tuple(mode1.first, mode1.second, mode1.third, mode1.fourth))
            << symbol.toStdString();
    }
    const OpeningSums mode4 = POZYCJE_BO_SUMUJ(db(), f().company, f().year2026, "", 4);
    EXPECT_EQ(mode4.first, s.offBalance.third);
    EXPECT_EQ(mode4.third, s.offBalance.first);
    const OpeningSums usd = POZYCJE_BO_SUMUJ(db(), f().company, f().year2026, "USD", 1);
    EXPECT_TRUE(usd.first.isZero() && usd.third.isZero());
}

} // namespace
