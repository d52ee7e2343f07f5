// The turnovers table against the document lines it is computed from.
#include "platform/runtime/Date.h"
#include "platform/server/FiscalYear.h"
#include "platform/server/Procedures.h"
#include "platform/server/Turnovers.h"
#include "support/LedgerFixture.h"
#include "support/TestDatabase.h"
#include <QThread>
#include <map>

using namespace ksiega;
using namespace ksiega::server;
using ksiega::test::zl;

namespace {

struct Figures {
    int64_t obrWn = 0, obrMa = 0, saldoWn = 0, saldoMa = 0;
    int64_t obrWn2 = 0, obrMa2 = 0, saldoWn2 = 0, saldoMa2 = 0;
    int64_t obrWnW = 0, obrMaW = 0, saldoWnW = 0, saldoMaW = 0;
    bool operator==(const Figures&) const = default;
};

void PrintTo(const Figures& f, std::ostream* os) {
    *os << "{obr " << f.obrWn << "/" << f.obrMa << " saldo " << f.saldoWn << "/" << f.saldoMa << "; _2 " << f.obrWn2 << "/"
        << f.obrMa2 << " " << f.saldoWn2 << "/" << f.saldoMa2 << "; _w " << f.obrWnW << "/" << f.obrMaW << " " << f.saldoWnW
        << "/" << f.saldoMaW << "}";
}

using Key = std::tuple<QString, int, QString>;   // currency, period, account

class TurnoversTest : public test::DbTest {
protected:
    std::map<Key, Figures> stored(int64_t year) {
        std::map<Key, Figures> all;
        db::Rows r = db().select("select sym_waluty, data_okresu, nr_konta, obr_wn, obr_ma, saldo_wn, saldo_ma, obr_wn_2, "
                                 "obr_ma_2, saldo_wn_2, saldo_ma_2, obr_wn_w, obr_ma_w, saldo_wn_w, saldo_ma_w "
                                 "from OBROTY_I_SALDA where id_lata_obrot=?",
                                 {year});
        while (r.next())
            all[{r.text(0), r.integer(1), r.text(2)}] = {r.int64(3), r.int64(4),  r.int64(5),  r.int64(6),
                                                         r.int64(7), r.int64(8),  r.int64(9),  r.int64(10),
                                                         r.int64(11), r.int64(12), r.int64(13), r.int64(14)};
        return all;
    }

    Figures row(int64_t year, const QString& sym, int period, const QString& konto) {
        auto all = stored(year);
        auto it = all.find({sym, period, konto});
        EXPECT_NE(it, all.end()) << konto.toStdString() << " " << sym.toStdString() << " " << period;
        return it == all.end() ? Figures{} : it->second;
    }

    struct Line {
        QString konto[2];        // Dt, Ct
        int64_t kwota[2], kwotaW[2];
        QString waluta;
        int period;
        bool posted;
    };

    // The lines of a year, read straight from POZ_DOK.
    std::vector<Line> lines(const FiscalYear& y) {
        std::vector<Line> all;
        db::Rows r = db().select("select konto_wn, konto_ma, kwota_wn, kwota_ma, kwota_wn_w, kwota_ma_w, upper(waluta), "
                                 "data_okresu, status, czy_rk from POZ_DOK where id_lata_obrot=?",
                                 {y.idLataObrot});
        while (r.next())
            all.push_back({{r.text(0), r.text(1)}, {r.int64(2), r.int64(3)}, {r.int64(4), r.int64(5)}, r.text(6),
                           r.integer(9) == 10 ? y.openingPeriod() : r.integer(7), r.integer(8) == 2 || r.integer(9) == 10});
        return all;
    }

    // The figures of an account (and everything below it) in one period, summed from the lines.
    static Figures direct(const std::vector<Line>& all, const QString& sym, int period, const QString& konto) {
        int64_t obr[2][3] = {}, cum[2][3] = {};
        for (const Line& l : all) {
            if (sym != "PLN" && l.waluta != sym) continue;
            if (l.period > period) continue;
            for (int side = 0; side < 2; ++side) {
                if (l.konto[side] != konto && !l.konto[side].startsWith(konto + "-")) continue;
                const int64_t v[3] = {l.posted ? l.kwota[side] : 0, l.kwota[side], l.posted ? l.kwotaW[side] : 0};
                for (int s = 0; s < 3; ++s) {
                    cum[side][s] += v[s];
                    if (l.period == period) obr[side][s] += v[s];
                }
            }
        }
        if (sym == "PLN") { obr[0][2] = obr[0][0]; obr[1][2] = obr[1][0]; cum[0][2] = cum[0][0]; cum[1][2] = cum[1][0]; }
        auto net = [](int64_t a, int64_t b) { return a > b ? a - b : 0; };
        Figures f;
        int64_t* fields = &f.obrWn;
        for (int s = 0; s < 3; ++s) {
            fields[4 * s] = obr[0][s];
            fields[4 * s + 1] = obr[1][s];
            fields[4 * s + 2] = net(cum[0][s], cum[1][s]);
            fields[4 * s + 3] = net(cum[1][s], cum[0][s]);
        }
        return f;
    }

    // Every stored row (except the two-balance synthetic 234) equals the direct sums, and
    // every account has a row in each period from its first one to the end of the year.
    void expectAgreesWithLines(int64_t yearId) {
        const FiscalYear y = *loadFiscalYear(db(), fixture().company, yearId);
        const auto all = stored(yearId);
        const auto source = lines(y);
        ASSERT_FALSE(all.empty());
        std::map<std::pair<QString, QString>, int> first, count;
        for (const auto& [key, figures] : all) {
            const auto& [sym, period, konto] = key;
            if (konto != "234") {
                EXPECT_EQ(figures, direct(source, sym, period, konto))
                    << konto.toStdString() << " " << sym.toStdString() << " " << date::toIso(period).toStdString();
            }
            auto k = std::pair{sym, konto};
            if (!first.count(k) || period < first[k]) first[k] = period;
            ++count[k];
        }
        const auto grid = y.periodDates();
        for (const auto& [k, f] : first)
            EXPECT_EQ(count[k], std::count_if(grid.begin(), grid.end(), [&](int d) { return d >= f; })) << k.second.toStdString();
    }

    test::LedgerFixture& fixture() {
        if (!m_fixture) m_fixture = std::make_unique<test::LedgerFixture>(db());
        return *m_fixture;
    }

private:
    std::unique_ptr<test::LedgerFixture> m_fixture;
};
KSIEGA_ON_BOTH_ENGINES(TurnoversTest);

} // namespace

TEST_P(TurnoversTest, everyLevelAndCurrencyAgreesWithTheDocumentLines) {
    auto& f = fixture();
    UZUPELNIJ_OBROTY_Z_DOKUMENTOW(db(), f.company, f.year2026, 0);
    expectAgreesWithLines(f.year2026);

    // A few figures by hand, so that a fault shared by both computations shows too.
    const Figures customers = row(f.year2026, "PLN", f.bz2026(), "201");
    EXPECT_EQ(customers.saldoWn, zl("80.00").minor());         // 2000 + 1230 - 1000 - 2150
    EXPECT_EQ(customers.saldoMa, 0);
    const Figures beta = row(f.year2026, "EUR", f.month2026(3), "201-01-002");
    EXPECT_EQ(beta.obrMa, zl("2150.00").minor());
    EXPECT_EQ(beta.obrMaW, zl("500.00").minor());
    // The PLN row of the currency account carries EUR and USD lines at their PLN value;
    // each currency row only its own lines.
    EXPECT_EQ(row(f.year2026, "PLN", f.bz2026(), "131").saldoWn, zl("6840.00").minor());
    EXPECT_EQ(row(f.year2026, "EUR", f.bz2026(), "131").saldoWnW, zl("1500.00").minor());
    EXPECT_EQ(row(f.year2026, "USD", f.bz2026(), "131-02").saldoWnW, zl("100.00").minor());
    EXPECT_EQ(stored(f.year2026).count({"USD", f.bz2026(), "131-01"}), 0u);
}

TEST_P(TurnoversTest, twoBalanceSyntheticAccountKeepsBothSidesOfItsSubAccounts) {
    auto& f = fixture();
    UZUPELNIJ_OBROTY_Z_DOKUMENTOW(db(), f.company, f.year2026, 0);
    // 234-01 Dt 500 at BO, Ct 200 in March; 234-02 Ct 300 at BO, Dt 100 in March.
    const Figures bo = row(f.year2026, "PLN", f.bo2026(), "234");
    EXPECT_EQ(bo.saldoWn, zl("500.00").minor());
    EXPECT_EQ(bo.saldoMa, zl("300.00").minor());
    const Figures end = row(f.year2026, "PLN", f.bz2026(), "234");
    EXPECT_EQ(end.saldoWn, zl("300.00").minor());
    EXPECT_EQ(end.saldoMa, zl("200.00").minor());
    EXPECT_EQ(end.saldoWn2, zl("300.00").minor());
    EXPECT_EQ(end.saldoMa2, zl("200.00").minor());
    // Turnovers at synthetic level are plain sums; the sub-accounts net.
    EXPECT_EQ(row(f.year2026, "PLN", f.month2026(3), "234").obrWn, zl("100.00").minor());
    EXPECT_EQ(row(f.year2026, "PLN", f.month2026(3), "234").obrMa, zl("200.00").minor());
    EXPECT_EQ(row(f.year2026, "PLN", f.bz2026(), "234-02").saldoMa, zl("200.00").minor());
    // An ordinary synthetic account nets its sub-accounts: 201-01-001 Dt 2230, 201-01-002 Ct 2150.
    EXPECT_EQ(row(f.year2026, "PLN", f.bz2026(), "201").saldoMa, 0);
}

TEST_P(TurnoversTest, periodsWithoutTurnoverCarryTheBalanceForward) {
    auto& f = fixture();
    UZUPELNIJ_OBROTY_Z_DOKUMENTOW(db(), f.company, f.year2026, 0);
    const Figures april = row(f.year2026, "PLN", f.month2026(4), "130-01");
    EXPECT_EQ(april.obrWn, 0);
    EXPECT_EQ(april.obrMa, 0);
    EXPECT_EQ(april.saldoWn, zl("11100.00").minor());
    // No row before the first turnover: sales begin in January.
    const auto all = stored(f.year2026);
    EXPECT_EQ(all.count({"PLN", f.bo2026(), "700-01"}), 0u);
    EXPECT_EQ(all.count({"PLN", f.month2026(1), "700-01"}), 1u);
    EXPECT_EQ(all.count({"PLN", f.bz2026(), "700-01"}), 1u);
}

TEST_P(TurnoversTest, unpostedLinesCountOnlyInTheAlternativeSet) {
    auto& f = fixture();
    UZUPELNIJ_OBROTY_Z_DOKUMENTOW(db(), f.company, f.year2026, 0);
    const Figures may = row(f.year2026, "PLN", f.month2026(5), "401");
    EXPECT_EQ(may.obrWn, 0);
    EXPECT_EQ(may.saldoWn, 0);
    EXPECT_EQ(may.obrWnW, 0);
    EXPECT_EQ(may.obrWn2, zl("99.99").minor());
    EXPECT_EQ(row(f.year2026, "PLN", f.bz2026(), "202").saldoMa2, zl("99.99").minor());
    EXPECT_EQ(row(f.year2026, "PLN", f.bz2026(), "202").saldoMa, 0);
}

TEST_P(TurnoversTest, openingBalanceLinesCountInTheOpeningPeriod) {
    auto& f = fixture();
    // A line of the opening-balance document that carries a wrong period date still counts in BO.
    db().execute("update POZ_DOK set data_okresu=? where id_nag_dok=? and konto_wn='010-01'", {f.month2026(6), f.openingPln});
    db().execute("update NAG_DOK set status=0 where id_nag_dok=?", {f.openingPln});
    db().execute("update POZ_DOK set status=0 where id_nag_dok=?", {f.openingPln});
    UZUPELNIJ_OBROTY_Z_DOKUMENTOW(db(), f.company, f.year2026, f.bo2026());
    const Figures bo = row(f.year2026, "PLN", f.bo2026(), "010");
    EXPECT_EQ(bo.obrWn, zl("50000.00").minor());
    EXPECT_EQ(row(f.year2026, "PLN", f.month2026(6), "010").obrWn, 0);
    EXPECT_EQ(row(f.year2026, "EUR", f.bo2026(), "131-01").obrWnW, zl("1000.00").minor());
    EXPECT_EQ(row(f.year2026, "PLN", f.bo2026(), "800").obrMa, zl("66800.00").minor());
}

TEST_P(TurnoversTest, recomputeReplacesTheYearAndIsIdempotent) {
    auto& f = fixture();
    UZUPELNIJ_OBROTY_Z_DOKUMENTOW(db(), f.company, f.year2026, 0);
    const auto first = stored(f.year2026);
    UZUPELNIJ_OBROTY_Z_DOKUMENTOW(db(), f.company, f.year2026, 0);
    EXPECT_EQ(stored(f.year2026), first);

    // Through the procedure registry, as a statement sent by name; a new document shows up.
    f.postIn2026(11, "130-01", "700-01", zl("0.01"));
    callProcedure(db(), "UZUPELNIJ_OBROTY_Z_DOKUMENTOW", {f.company, f.year2026, f.month2026(11)});
    EXPECT_EQ(row(f.year2026, "PLN", f.bz2026(), "130-01").saldoWn, zl("11100.01").minor());
    EXPECT_EQ(stored(f.year2026).size(), first.size());   // both accounts had rows in November already
    expectAgreesWithLines(f.year2026);
    // The other year is left alone.
    EXPECT_TRUE(stored(f.year18).empty());
}

TEST_P(TurnoversTest, eighteenMonthYearHasAllItsPeriods) {
    auto& f = fixture();
    UZUPELNIJ_OBROTY_Z_DOKUMENTOW(db(), f.company, f.year18, 0);
    expectAgreesWithLines(f.year18);
    const FiscalYear y = *loadFiscalYear(db(), f.company, f.year18);
    EXPECT_EQ(y.periodDates().size(), 20u);   // BO, 18 months, BZ
    // The only posting falls in February 2028: rows from there to BZ (Feb-Jun 2028 and BZ).
    int rows = 0;
    for (const auto& [key, figures] : stored(f.year18))
        if (std::get<2>(key) == "130-01") ++rows;
    EXPECT_EQ(rows, 6);
    EXPECT_EQ(row(f.year18, "PLN", f.bz18(), "700").saldoMa, zl("777.77").minor());
}

TEST_P(TurnoversTest, aYearOfAnotherCompanyIsRefusedAndNothingChanges) {
    auto& f = fixture();
    UZUPELNIJ_OBROTY_Z_DOKUMENTOW(db(), f.company, f.year2026, 0);
    const auto before = stored(f.year2026);
    EXPECT_THROW(UZUPELNIJ_OBROTY_Z_DOKUMENTOW(db(), f.company + 1, f.year2026, 0), db::DbError);
    EXPECT_EQ(stored(f.year2026), before);
}

TEST_P(TurnoversTest, aRecomputeAfterChangesLeavesNoStaleRows) {
    auto& f = fixture();
    UZUPELNIJ_OBROTY_Z_DOKUMENTOW(db(), f.company, f.year2026, 0);
    const auto before = stored(f.year2026);

    // A posting on an account without turnovers so far, and one that changes existing figures.
    const int64_t cash = f.postIn2026(12, "145", "130-01", zl("5.00"));
    const int64_t sale = f.postIn2026(4, "130-01", "700-01", zl("7.00"));
    UZUPELNIJ_OBROTY_Z_DOKUMENTOW(db(), f.company, f.year2026, f.month2026(4));
    expectAgreesWithLines(f.year2026);
    EXPECT_EQ(row(f.year2026, "PLN", f.bz2026(), "145").saldoWn, zl("5.00").minor());
    EXPECT_NE(stored(f.year2026), before);

    // Both documents removed: the year's rows are again exactly those of the first recompute.
    db().execute("delete from NAG_DOK where id_nag_dok in (?, ?)", {cash, sale});
    UZUPELNIJ_OBROTY_Z_DOKUMENTOW(db(), f.company, f.year2026, f.month2026(4));
    EXPECT_EQ(stored(f.year2026), before);
}
