// ksiega trial-balance --period all, run as the executable: one row per account and period,
// the periods in order and each by account, each row's figures the sums of the lines themselves.
#include "KsiegaProcess.h"
#include "platform/server/Turnovers.h"
#include "support/LedgerFixture.h"
#include "support/LineSums.h"
#include "support/TestDatabase.h"
#include <QFileInfo>
#include <algorithm>
#include <map>
#include <set>

using namespace ksiega;

namespace {

class TrialBalanceAllPeriods : public test::DbTest {
protected:
    void SetUp() override {
        DbTest::SetUp();
        if (IsSkipped()) return;
        if (!QFileInfo::exists(test::ksiegaProgram())) GTEST_SKIP() << "the ksiega executable is not built";
    }
    test::Outcome run(int64_t company, const QStringList& more) {
        return test::runKsiega(QStringList{"trial-balance", "--db", url(), "--company", QString::number(company), "--year", "2026"} +
                               more);
    }
};
KSIEGA_ON_BOTH_ENGINES(TrialBalanceAllPeriods);

QStringList bodyLines(const QString& out) {
    QStringList lines = out.split('\n', Qt::SkipEmptyParts);
    if (!lines.isEmpty()) lines.removeFirst();
    return lines;
}

} // namespace

TEST_P(TrialBalanceAllPeriods, everyAccountAndPeriodCarriesTheSumsOfItsLinesInPlnAndInEuro) {
    test::LedgerFixture f(db());
    using test::zl;
    // Beside the fixture's documents: a posting in BZ, one in euro, one on the
    // two-balance account and an opening-balance line.
    test::NewDocument closing{f.year2026, f.bz2026(), 2, 0, "BZ/1", {}};
    f.post(f.addDocument(closing), "700-01", "800", zl("321.09"));
    f.postIn2026(5, "131-01", "130-01", zl("430.00"));
    f.postIn2026(7, "234-01", "234-02", zl("77.70"));
    f.openingBalanceLine(f.year2026, "010-01", "800", zl("1000.00"));
    server::UZUPELNIJ_OBROTY_Z_DOKUMENTOW(db(), f.company, f.year2026, 0);
    const test::LineSums sums(db(), f.year2026, f.bo2026());

    const std::map<QString, int> periods = [&] {
        std::map<QString, int> m{{"BO", f.bo2026()}, {"BZ", f.bz2026()}};
        for (int month = 1; month <= 12; ++month) m[QStringLiteral("2026-%1").arg(month, 2, 10, QChar('0'))] = f.month2026(month);
        return m;
    }();

    for (const QString currency : {"PLN", "EUR"}) {
        const test::Outcome r = run(f.company, {"--period", "all", "--currency", currency});
        ASSERT_EQ(r.exitCode, 0) << r.err.toStdString();
        EXPECT_EQ(r.err, QString());
        EXPECT_TRUE(r.out.startsWith("konto,okres,obroty_dt,obroty_ct,saldo_dt,saldo_ct\n")) << r.out.toStdString();
        const QStringList lines = bodyLines(r.out);
        const int64_t stored = *db().scalarInt("select count(*) from OBROTY_I_SALDA where id_lata_obrot=? and sym_waluty=?",
                                               {f.year2026, currency});
        ASSERT_GT(stored, 0);
        EXPECT_EQ(lines.size(), stored) << currency.toStdString();

        std::set<QString> seenPeriods;
        std::pair<int, QString> previous;
        for (const QString& line : lines) {
            const QStringList v = line.split(',');
            ASSERT_EQ(v.size(), 6) << line.toStdString();
            ASSERT_TRUE(periods.count(v[1])) << line.toStdString();
            const int period = periods.at(v[1]);
            seenPeriods.insert(v[1]);
            const std::pair<int, QString> key{period, v[0]};
            EXPECT_LT(previous, key) << "out of order: " << line.toStdString();
            previous = key;

            const test::LineFigures e = sums.figures(v[0], currency, period);
            EXPECT_EQ(v[2], e.obrotyDt.toString()) << line.toStdString();
            EXPECT_EQ(v[3], e.obrotyCt.toString()) << line.toStdString();
            if (v[0] == "234") continue;   // two-balance: both sides of its sub-accounts
            EXPECT_EQ(v[4], e.saldoDt.toString()) << line.toStdString();
            EXPECT_EQ(v[5], e.saldoCt.toString()) << line.toStdString();
        }
        if (currency == "PLN") {
            EXPECT_EQ(seenPeriods.size(), periods.size());   // BO, twelve months, BZ
            EXPECT_TRUE(lines.contains("700-01,BZ,321.09,0.00," + sums.figures("700-01", "PLN", f.bz2026()).saldoDt.toString() +
                                       "," + sums.figures("700-01", "PLN", f.bz2026()).saldoCt.toString()))
                << r.out.toStdString();
            EXPECT_TRUE(std::any_of(lines.begin(), lines.end(), [](const QString& l) { return l.startsWith("010-01,BO,"); }))
                << r.out.toStdString();
        }
    }
}

TEST_P(TrialBalanceAllPeriods, aPeriodOfEveryPeriodsRunIsThatPeriodsOwnRunAndJsonCarriesThePeriod) {
    test::LedgerFixture f(db());
    f.postIn2026(3, "201-01", "700-01", test::zl("12.34"));
    server::UZUPELNIJ_OBROTY_Z_DOKUMENTOW(db(), f.company, f.year2026, 0);

    const test::Outcome all = run(f.company, {"--period", "ALL"});
    ASSERT_EQ(all.exitCode, 0) << all.err.toStdString();
    const test::Outcome march = run(f.company, {"--period", "2026-03"});
    ASSERT_EQ(march.exitCode, 0) << march.err.toStdString();
    QStringList fromAll;
    for (const QString& line : bodyLines(all.out)) {
        QStringList v = line.split(',');
        if (v.value(1) != "2026-03") continue;
        v.removeAt(1);
        fromAll << v.join(',');
    }
    EXPECT_FALSE(fromAll.isEmpty());
    EXPECT_EQ(fromAll, bodyLines(march.out));

    const test::Outcome json = run(f.company, {"--period", "all", "--format", "json"});
    ASSERT_EQ(json.exitCode, 0) << json.err.toStdString();
    EXPECT_TRUE(json.out.contains("\"konto\":\"201-01\",\"okres\":\"2026-03\",\"obroty_dt\":12.34")) << json.out.toStdString();

    const test::Outcome wrong = run(f.company, {"--period", "2025-12"});
    EXPECT_EQ(wrong.exitCode, 2);
    EXPECT_TRUE(wrong.err.contains("--period must be BO, BZ, YYYY-MM of the fiscal year or all")) << wrong.err.toStdString();
}
