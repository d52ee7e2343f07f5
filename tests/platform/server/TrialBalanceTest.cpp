// The trial-balance rows (one reading of OBROTY_I_SALDA for the command, the turnover
// statement and the ledger by periods) against sums taken straight from the lines.
#include "platform/server/FiscalYear.h"
#include "platform/server/TrialBalance.h"
#include "platform/server/Turnovers.h"
#include "support/LedgerFixture.h"
#include "support/LineSums.h"
#include "support/TestDatabase.h"

using namespace ksiega;
using namespace ksiega::server;
using ksiega::test::zl;

namespace {

class TrialBalanceTest : public test::DbTest {
protected:
    std::vector<TrialBalanceRow> rows(const TrialBalanceQuery& q) {
        std::vector<TrialBalanceRow> out;
        forEachTrialBalanceRow(db(), q, [&](const TrialBalanceRow& r) {
            out.push_back(r);
            return true;
        });
        return out;
    }
    TrialBalanceQuery query(const test::LedgerFixture& f, int period, const QString& currency) {
        TrialBalanceQuery q;
        q.company = f.company;
        q.year = f.year2026;
        q.periodDate = period;
        q.currency = currency;
        return q;
    }
    // Every row equals the sums of its account's lines. 234 keeps both sides of its
    // sub-accounts' balances instead of netting them, so its balances are left out.
    void expectRowsAgreeWithLines(const std::vector<TrialBalanceRow>& got, const test::LineSums& sums,
                                  const QString& currency, bool withUnposted = false) {
        for (const TrialBalanceRow& r : got) {
            test::LineFigures expected = sums.figures(r.konto, currency, r.periodDate, withUnposted);
            test::LineFigures actual{r.obrotyDt, r.obrotyCt, r.saldoDt, r.saldoCt};
            if (r.konto == "234") actual.saldoDt = expected.saldoDt, actual.saldoCt = expected.saldoCt;
            EXPECT_EQ(actual, expected) << r.konto.toStdString() << " " << currency.toStdString() << " " << r.periodDate;
        }
    }
};
KSIEGA_ON_BOTH_ENGINES(TrialBalanceTest);

} // namespace

TEST_P(TrialBalanceTest, rowsOfOnePeriodAgreeWithTheLinesInPlnAndInACurrency) {
    test::LedgerFixture f(db());
    UZUPELNIJ_OBROTY_Z_DOKUMENTOW(db(), f.company, f.year2026, 0);
    const test::LineSums sums(db(), f.year2026, f.bo2026());

    const auto march = rows(query(f, f.month2026(3), "PLN"));
    ASSERT_FALSE(march.empty());
    expectRowsAgreeWithLines(march, sums, "PLN");
    for (size_t i = 1; i < march.size(); ++i) EXPECT_LT(march[i - 1].konto, march[i].konto);
    // Every account moved in March is listed.
    for (const char* moved : {"130", "130-01", "201", "234-01", "234-02"}) {
        EXPECT_TRUE(std::any_of(march.begin(), march.end(), [&](const TrialBalanceRow& r) { return r.konto == moved; }))
            << moved;
    }

    // In euro: the euro lines only, in euro; "eur" is the same symbol.
    const auto euro = rows(query(f, f.bz2026(), "eur"));
    ASSERT_FALSE(euro.empty());
    expectRowsAgreeWithLines(euro, sums, "EUR");
    const auto it = std::find_if(euro.begin(), euro.end(), [](const TrialBalanceRow& r) { return r.konto == "131"; });
    ASSERT_NE(it, euro.end());
    EXPECT_EQ(it->saldoDt, zl("1500.00"));
    EXPECT_EQ(countTrialBalanceRows(db(), query(f, f.bz2026(), "EUR")), int64_t(euro.size()));
}

TEST_P(TrialBalanceTest, everyPeriodOfTheYearSumsToTheYearsLines) {
    test::LedgerFixture f(db());
    UZUPELNIJ_OBROTY_Z_DOKUMENTOW(db(), f.company, f.year2026, 0);
    const test::LineSums sums(db(), f.year2026, f.bo2026());

    // Without a period: each account through every period, account then period in order.
    const auto year = rows(query(f, 0, "PLN"));
    expectRowsAgreeWithLines(year, sums, "PLN");
    Money dt130, ct130;
    for (const auto& r : year)
        if (r.konto == "130") dt130 += r.obrotyDt, ct130 += r.obrotyCt;
    const test::LineFigures end = sums.figures("130", "PLN", f.bz2026());
    EXPECT_EQ(dt130 - ct130, end.saldoDt - end.saldoCt);
    for (size_t i = 1; i < year.size(); ++i)
        EXPECT_TRUE(year[i - 1].konto < year[i].konto ||
                    (year[i - 1].konto == year[i].konto && year[i - 1].periodDate < year[i].periodDate));
}

TEST_P(TrialBalanceTest, conditionSortAndUnpostedSetNarrowAndOrderTheRows) {
    test::LedgerFixture f(db());
    UZUPELNIJ_OBROTY_Z_DOKUMENTOW(db(), f.company, f.year2026, 0);
    const test::LineSums sums(db(), f.year2026, f.bo2026());

    TrialBalanceQuery q = query(f, f.bz2026(), "PLN");
    q.where = "nr_konta like '2%'";
    q.sort = TrialBalanceSort::BalanceDt;
    q.descending = true;
    const auto got = rows(q);
    ASSERT_GE(got.size(), 3u);
    expectRowsAgreeWithLines(got, sums, "PLN");
    for (size_t i = 0; i < got.size(); ++i) {
        EXPECT_TRUE(got[i].konto.startsWith('2')) << got[i].konto.toStdString();
        if (i > 0) {
            EXPECT_TRUE(got[i - 1].saldoDt > got[i].saldoDt ||
                        (got[i - 1].saldoDt == got[i].saldoDt && got[i - 1].konto > got[i].konto));
        }
    }
    EXPECT_EQ(countTrialBalanceRows(db(), q), int64_t(got.size()));

    // Stopping early: the callback's false ends the reading.
    int seen = 0;
    forEachTrialBalanceRow(db(), q, [&](const TrialBalanceRow&) { return ++seen < 2; });
    EXPECT_EQ(seen, 2);

    // The figures with unposted documents (the unposted May purchase on 401).
    TrialBalanceQuery may = query(f, f.month2026(5), "PLN");
    may.withUnposted = true;
    may.where = "nr_konta = '401'";
    const auto withUnposted = rows(may);
    ASSERT_EQ(withUnposted.size(), 1u);
    expectRowsAgreeWithLines(withUnposted, sums, "PLN", true);
    EXPECT_EQ(withUnposted[0].obrotyDt, zl("99.99"));
}
