// The turnovers a writer's change keeps: equal to a full recompute after every kind of
// change, figures checked against plain sums over the lines, and untouched rows untouched.
#include "platform/server/FiscalYear.h"
#include "platform/server/TurnoverChange.h"
#include "platform/server/Turnovers.h"
#include "support/LedgerFixture.h"
#include "support/TestDatabase.h"
#include "support/TurnoverCheck.h"
#include <random>

using namespace ksiega;
using namespace ksiega::server;
using ksiega::test::zl;

namespace {

class TurnoverChangeTest : public test::DbTest {
protected:
    void SetUp() override {
        test::DbTest::SetUp();
        f = std::make_unique<test::LedgerFixture>(db());
        UZUPELNIJ_OBROTY_Z_DOKUMENTOW(db(), f->company, f->year2026, 0);
    }

    // A writer's change in one transaction: `before` leave, write() changes the lines and
    // returns the documents that arrive.
    template <class Write>
    void change(const std::vector<int64_t>& before, Write write) {
        db::Transaction tx(db());
        TurnoverChange c(db(), f->company, f->year2026);
        c.leaving(before);
        const std::vector<int64_t> after = write();
        c.arriving(after);
        c.apply();
        tx.commit();
    }

    void setPeriod(int64_t doc, int period) {
        db().execute("update NAG_DOK set data_okresu=? where id_nag_dok=?", {period, doc});
        db().execute("update POZ_DOK set data_okresu=? where id_nag_dok=?", {period, doc});
    }

    int64_t stored(const QString& column, const QString& konto, int period, const QString& sym = "PLN") {
        return db().scalarInt(QStringLiteral("select %1 from OBROTY_I_SALDA where id_lata_obrot=? and nr_konta=? "
                                             "and data_okresu=? and sym_waluty=?").arg(column),
                              {f->year2026, konto, period, sym})
            .value_or(-1);
    }
    // A plain sum over the posted lines of an account's subtree, in one period.
    int64_t postedSum(const QString& side, const QString& konto, int period) {
        return db().scalarInt(QStringLiteral("select coalesce(sum(kwota_%1), 0) from POZ_DOK where id_lata_obrot=? "
                                             "and (konto_%1=? or konto_%1 like ?) and (status=2 or czy_rk=10) "
                                             "and (case when czy_rk=10 then ? else data_okresu end)=?").arg(side),
                              {f->year2026, konto, konto + "-%", f->bo2026(), period})
            .value_or(-1);
    }
    int64_t rowCount(const QString& konto) {
        return db().scalarInt("select count(*) from OBROTY_I_SALDA where id_lata_obrot=? and nr_konta=?", {f->year2026, konto})
            .value_or(-1);
    }

    std::unique_ptr<test::LedgerFixture> f;
};
KSIEGA_ON_BOTH_ENGINES(TurnoverChangeTest);

TEST_P(TurnoverChangeTest, NewDocumentsAddTheirTurnoversAndLeaveOtherRowsAsTheyWere) {
    const auto untouched = [&] {
        std::vector<int64_t> rows;
        db::Rows r = db().select("select id_obroty_i_salda, obr_wn, saldo_wn from OBROTY_I_SALDA where id_lata_obrot=? "
                                 "and nr_konta like '010%' order by 1", {f->year2026});
        while (r.next()) rows.insert(rows.end(), {r.int64(0), r.int64(1), r.int64(2)});
        return rows;
    };
    const auto before = untouched();
    const int64_t rows401 = rowCount("401");
    change({f->openingPln}, [&] {
        const int64_t feb = f->addDocument({f->year2026, f->month2026(2), 2, 0, "PK/T/1", ""});
        f->post(feb, "401", "234-02", zl("40.00"));          // 401: its first turnover now earlier
        f->post(feb, "234-01", "", zl("900.00"));            // two-balance synthetic 234
        const int64_t eur = f->addDocument({f->year2026, f->month2026(4), 2, 0, "WB/T/1", "EUR"});
        f->post(eur, "131-01", "700-01", zl("430.00"), zl("100.00"), "EUR");
        const int64_t bz = f->addDocument({f->year2026, f->bz2026(), 2, 0, "PK/T/BZ", ""});
        f->post(bz, "800", "130-01", zl("1.00"));
        f->openingBalanceLine(f->year2026, "202-01-001", "800", zl("12.34"));
        return std::vector<int64_t>{feb, eur, bz, f->openingPln};
    });
    EXPECT_TURNOVERS_CURRENT(db(), f->company, f->year2026);

    for (const QString& konto : {QStringLiteral("401"), QStringLiteral("234"), QStringLiteral("234-02"), QStringLiteral("800")})
        for (int period : {f->month2026(2), f->bz2026()}) {
            EXPECT_EQ(stored("obr_wn", konto, period), postedSum("wn", konto, period)) << konto.toStdString();
            EXPECT_EQ(stored("obr_ma", konto, period), postedSum("ma", konto, period)) << konto.toStdString();
        }
    EXPECT_EQ(rowCount("401"), rows401 + 3);   // February, March and April before May
    EXPECT_EQ(stored("obr_wn_w", "131-01", f->month2026(4), "EUR"), 10000);
    // 234: the sum of the netted balances of 234-01 (Dt) and 234-02 (Ct), from the lines.
    const int64_t net01 = db().scalarInt("select sum(kwota_wn) - sum(kwota_ma) from (select kwota_wn, 0 as kwota_ma from POZ_DOK "
                                         "where id_lata_obrot=? and konto_wn='234-01' and (status=2 or czy_rk=10) union all "
                                         "select 0, kwota_ma from POZ_DOK where id_lata_obrot=? and konto_ma='234-01' "
                                         "and (status=2 or czy_rk=10)) x", {f->year2026, f->year2026}).value_or(0);
    const int64_t net02 = db().scalarInt("select sum(kwota_wn) - sum(kwota_ma) from (select kwota_wn, 0 as kwota_ma from POZ_DOK "
                                         "where id_lata_obrot=? and konto_wn='234-02' and (status=2 or czy_rk=10) union all "
                                         "select 0, kwota_ma from POZ_DOK where id_lata_obrot=? and konto_ma='234-02' "
                                         "and (status=2 or czy_rk=10)) x", {f->year2026, f->year2026}).value_or(0);
    ASSERT_GT(net01, 0);
    ASSERT_LT(net02, 0);
    EXPECT_EQ(stored("saldo_wn", "234", f->bz2026()), net01);
    EXPECT_EQ(stored("saldo_ma", "234", f->bz2026()), -net02);
    EXPECT_EQ(untouched(), before);   // not rewritten: same ids, same figures
}

TEST_P(TurnoverChangeTest, ACorrectionMovesALineToAnotherAccountAndPeriodAndItsOldRowsGo) {
    const int64_t doc = f->postIn2026(4, "401", "130-01", zl("50.00"));
    UZUPELNIJ_OBROTY_Z_DOKUMENTOW(db(), f->company, f->year2026, 0);
    ASSERT_GT(stored("obr_wn", "401", f->month2026(4)), 0);
    change({doc}, [&] {
        db().execute("update POZ_DOK set konto_wn='234-02' where id_nag_dok=?", {doc});
        setPeriod(doc, f->month2026(6));
        return std::vector<int64_t>{doc};
    });
    EXPECT_TURNOVERS_CURRENT(db(), f->company, f->year2026);
    // 401 keeps only its unposted May line: its rows begin in May again.
    EXPECT_EQ(stored("obr_wn", "401", f->month2026(4)), -1);
    EXPECT_EQ(stored("obr_wn_2", "401", f->month2026(5)), postedSum("wn", "401", f->month2026(5)) + 9999);
    EXPECT_EQ(stored("obr_wn", "234", f->month2026(6)), postedSum("wn", "234", f->month2026(6)));
}

TEST_P(TurnoverChangeTest, ARemovedDocumentTakesItsTurnoversAndTheRowsOfAnAccountLeftWithoutLines) {
    const int64_t march = db().scalarInt("select id_nag_dok from NAG_DOK where nr_ewid_dok='WB/03/1'").value_or(0);
    ASSERT_GT(rowCount("201-01-002"), 0);
    change({march}, [&] {
        db().execute("delete from NAG_DOK where id_nag_dok=?", {march});
        return std::vector<int64_t>{};
    });
    EXPECT_TURNOVERS_CURRENT(db(), f->company, f->year2026);
    EXPECT_EQ(rowCount("201-01-002"), 0);
    EXPECT_EQ(stored("obr_wn_w", "131-01", f->month2026(3), "EUR"), 0);
    EXPECT_EQ(stored("obr_ma", "201", f->month2026(3)), postedSum("ma", "201", f->month2026(3)));
}

TEST_P(TurnoverChangeTest, ALineWithNothingOnItKeepsItsAccountsRows) {
    const int64_t zero = f->addDocument({f->year2026, f->month2026(1), 2, 0, "PK/T/0", ""});
    f->addLine(zero, {"990", "", Money(), Money(), Money(), Money(), ""});
    const int64_t june = f->postIn2026(1, "990", "", zl("5.00"));
    UZUPELNIJ_OBROTY_Z_DOKUMENTOW(db(), f->company, f->year2026, 0);
    change({june}, [&] {
        db().execute("delete from NAG_DOK where id_nag_dok=?", {june});
        return std::vector<int64_t>{};
    });
    EXPECT_TURNOVERS_CURRENT(db(), f->company, f->year2026);
    EXPECT_EQ(stored("obr_wn", "990", f->month2026(1)), 0);   // the row stays, with nothing in it
}

TEST_P(TurnoverChangeTest, PostingAnUnpostedDocumentMovesItsLinesIntoThePostedSet) {
    const int64_t may = db().scalarInt("select id_nag_dok from NAG_DOK where id_lata_obrot=? and status=1", {f->year2026}).value_or(0);
    change({may}, [&] {
        db().execute("update NAG_DOK set status=2 where id_nag_dok=?", {may});
        db().execute("update POZ_DOK set status=2 where id_nag_dok=?", {may});
        return std::vector<int64_t>{may};
    });
    EXPECT_TURNOVERS_CURRENT(db(), f->company, f->year2026);
    EXPECT_EQ(stored("obr_ma", "202", f->month2026(5)), 9999);
}

TEST_P(TurnoverChangeTest, ADateOffThePeriodGridFallsBackToTheFullRecompute) {
    change({}, [&] {
        const int64_t doc = f->addDocument({f->year2026, f->month2026(3) + 5, 2, 0, "PK/T/X", ""});
        f->post(doc, "130-01", "800", zl("3.00"));
        return std::vector<int64_t>{doc};
    });
    EXPECT_TURNOVERS_CURRENT(db(), f->company, f->year2026);
}

// Random writers' changes (new documents, corrections of accounts, amounts, periods and
// status, removals), on ordinary, two-balance, currency, opening-balance and BZ lines:
// after each one the turnovers equal a full recompute.
TEST_P(TurnoverChangeTest, RandomChangesKeepTheTurnoversEqualToAFullRecompute) {
    std::mt19937 rng(18);
    const QStringList accounts{"010-01", "130-01", "131-01", "201-01-001", "201-01-002", "202-01-001",
                               "234-01", "234-02", "401",    "700-01",     "800",        "990"};
    const FiscalYear year = *loadFiscalYear(db(), f->company, f->year2026);
    const std::vector<int> periods = year.periodDates();
    auto pick = [&](int n) { return int(rng() % unsigned(n)); };
    auto account = [&] { return pick(5) == 0 ? QString() : accounts[pick(int(accounts.size()))]; };
    auto addLines = [&](int64_t doc, bool euro) {
        for (int i = 0, n = 1 + pick(3); i < n; ++i) {
            const QString dt = account(), ct = dt.isEmpty() ? accounts[pick(int(accounts.size()))] : account();
            const Money pln = Money::fromMinor(pick(4) == 0 ? 0 : 1 + pick(100000));
            f->addLine(doc, {dt, ct, dt.isEmpty() ? Money() : pln, ct.isEmpty() ? Money() : pln,
                             dt.isEmpty() || !euro ? Money() : Money::fromMinor(pln.minor() / 4),
                             ct.isEmpty() || !euro ? Money() : Money::fromMinor(pln.minor() / 4), euro ? "EUR" : ""});
        }
    };
    std::vector<int64_t> docs;
    for (int step = 0; step < 60 && !HasFailure(); ++step) {
        const int op = docs.empty() ? 0 : pick(5);
        if (op == 0) {          // a new document, or lines added to an opening-balance document
            const bool opening = pick(6) == 0;
            const int64_t doc = opening ? f->openingPln : 0;
            change(opening ? std::vector<int64_t>{doc} : std::vector<int64_t>{}, [&] {
                int64_t d = doc;
                const bool euro = !opening && pick(3) == 0;
                if (!opening) {
                    d = f->addDocument({f->year2026, periods[1 + pick(int(periods.size()) - 1)], pick(3) == 0 ? 1 : 2, 0,
                                        QStringLiteral("R/%1").arg(step), euro ? "EUR" : ""});
                    docs.push_back(d);
                }
                addLines(d, euro);
                return std::vector<int64_t>{d};
            });
        } else if (op == 1) {   // a line moved to another account and the document to another period
            const int64_t doc = docs[pick(int(docs.size()))];
            change({doc}, [&] {
                db().execute("update POZ_DOK set konto_wn=? where id_poz_dok=(select min(id_poz_dok) from POZ_DOK "
                             "where id_nag_dok=? and konto_wn<>'')", {accounts[pick(int(accounts.size()))], doc});
                setPeriod(doc, periods[1 + pick(int(periods.size()) - 1)]);
                return std::vector<int64_t>{doc};
            });
        } else if (op == 2) {   // amounts changed
            const int64_t doc = docs[pick(int(docs.size()))];
            change({doc}, [&] {
                db().execute("update POZ_DOK set kwota_wn=kwota_wn*2, kwota_ma=kwota_ma*3, kwota_wn_w=kwota_wn_w+1 where id_nag_dok=?",
                             {doc});
                return std::vector<int64_t>{doc};
            });
        } else if (op == 3) {   // posted, or back to unposted
            const int64_t doc = docs[pick(int(docs.size()))];
            change({doc}, [&] {
                db().execute("update NAG_DOK set status=3-status where id_nag_dok=?", {doc});
                db().execute("update POZ_DOK set status=3-status where id_nag_dok=?", {doc});
                return std::vector<int64_t>{doc};
            });
        } else {                // removed
            const size_t at = size_t(pick(int(docs.size())));
            const int64_t doc = docs[at];
            docs.erase(docs.begin() + std::ptrdiff_t(at));
            change({doc}, [&] {
                db().execute("delete from NAG_DOK where id_nag_dok=?", {doc});
                return std::vector<int64_t>{};
            });
        }
        EXPECT_TURNOVERS_CURRENT(db(), f->company, f->year2026) << "after step " << step << " (" << op << ")";
    }
}

} // namespace
