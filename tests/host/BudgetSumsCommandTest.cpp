// ksiega budget-sums run as the executable: its rows against plain-SQL sums of the budget
// lines and the plan, the order of detail and subtotal rows, the percentages, the date
// basis and the separation of companies.
#include "KsiegaProcess.h"
#include "frame/SessionContext.h"
#include "frame/lifecycle/ModuleState.h"
#include "host/HostFixture.h"
#include "support/BudgetSample.h"
#include "support/TestDatabase.h"
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

using namespace ksiega;

namespace {

struct SumsRow {
    QString symbol;
    int poziom = 0;
    QStringList values;   // plan .. do_realizacji as printed
};

class BudgetSumsCommand : public test::DbTest {
protected:
    void SetUp() override {
        DbTest::SetUp();
        if (IsSkipped()) return;
        if (!QFileInfo::exists(test::ksiegaProgram())) GTEST_SKIP() << "the ksiega executable is not built";
    }
    void TearDown() override {
        resetSession();
        resetModuleState();
        DbTest::TearDown();
    }
    std::vector<SumsRow> run(int64_t company, const QStringList& extra) {
        const test::Outcome r = test::runKsiega(QStringList{"budget-sums", "--db", url(), "--company", QString::number(company),
                                                            "--year", "2026"} + extra);
        EXPECT_EQ(r.exitCode, 0) << r.err.toStdString();
        EXPECT_EQ(r.err, QString());
        QStringList lines = r.out.split('\n', Qt::SkipEmptyParts);
        EXPECT_FALSE(lines.isEmpty());
        if (lines.isEmpty()) return {};
        EXPECT_EQ(lines.takeFirst(), "symbol,poziom,plan,wykonanie_nar,koszty_nar,zaangazowanie_nar,wykonanie,koszty,"
                                     "zaangazowanie,procent,do_realizacji");
        std::vector<SumsRow> rows;
        for (const QString& line : lines) {
            const QStringList v = test::csvFields(line);
            EXPECT_EQ(v.size(), 11) << line.toStdString();
            rows.push_back({v.value(0), v.value(1).toInt(), v.mid(2)});
        }
        return rows;
    }
    static QStringList range(const char* side, const char* from, const char* to) {
        return {"--side", side, "--from", from, "--to", to};
    }
};
KSIEGA_ON_BOTH_ENGINES(BudgetSumsCommand);

} // namespace

TEST_P(BudgetSumsCommand, rowsAgreeWithPlainSqlAndSubtotalsFollowTheirMembers) {
    test::LedgerFixture f(db());
    test::BudgetSample sample(f);
    const int from = date::fromYmd(2026, 4, 1), to = date::fromYmd(2026, 6, 30);
    const std::vector<SumsRow> rows = run(f.company, range("W", "2026-04-01", "2026-06-30"));

    // Members first, then the rozdział and dział rows of the group they close; the plan-only
    // and the entry-only symbol are there; the last group's subtotals close the list.
    QStringList order;
    for (const SumsRow& r : rows) order << r.symbol + '/' + QString::number(r.poziom);
    EXPECT_EQ(order, (QStringList{"801-80101-4010/0", "801-80101-4010-01/0", "801-80101-4010/3", "801-80101/2",
                                  "801-80104-4210/0", "801-80104/2", "801/1", "852-85202-4300/0", "852-85202/2", "852/1"}));

    const test::PlainBudgetSums plain{db(), f.company, f.year2026, "W"};
    for (const SumsRow& r : rows) {
        const bool subtree = r.poziom != 0;
        const Money plan = plain.plan(r.symbol, subtree, to);
        const Money acc = plain.lines(r.symbol, subtree, "rodzaj_wy", 0, to);
        const QStringList expected{plan.toString(),
                                   acc.toString(),
                                   plain.lines(r.symbol, subtree, "rodzaj_k", 0, to).toString(),
                                   plain.lines(r.symbol, subtree, "rodzaj_z", 0, to).toString(),
                                   plain.lines(r.symbol, subtree, "rodzaj_wy", from, to).toString(),
                                   plain.lines(r.symbol, subtree, "rodzaj_k", from, to).toString(),
                                   plain.lines(r.symbol, subtree, "rodzaj_z", from, to).toString()};
        EXPECT_EQ(r.values.mid(0, 7), expected) << r.symbol.toStdString() << '/' << r.poziom;
        EXPECT_EQ(r.values[8], (plan - acc).toString()) << r.symbol.toStdString();
    }
    auto find = [&](const QString& symbol, int poziom) {
        for (const SumsRow& r : rows)
            if (r.symbol == symbol && r.poziom == poziom) return r;
        ADD_FAILURE() << "no row " << symbol.toStdString();
        return SumsRow{};
    };
    // 50% and 100% make 230.00 of 430.00, not 150%; a plan of 0 gives 0.
    EXPECT_EQ(find("801-80101-4010", 0).values[7], "50.00");
    EXPECT_EQ(find("801-80101-4010-01", 0).values[7], "100.00");
    EXPECT_EQ(find("801-80101-4010", 3).values[7], "53.49");
    EXPECT_EQ(find("801-80104-4210", 0).values[7], "0.00");
    EXPECT_EQ(find("852-85202-4300", 0).values[1], "0.00");
    EXPECT_EQ(find("852-85202-4300", 0).values[7], "0.00");
    // The plan counts changes dated up to the end day only.
    EXPECT_EQ(run(f.company, range("W", "2026-01-01", "2026-05-09")).front().values[0], "300.00");
}

TEST_P(BudgetSumsCommand, periodFromTheYearsStartIsTheAccumulatedAndTheDateBasisMovesALine) {
    test::LedgerFixture f(db());
    test::BudgetSample sample(f);
    for (const SumsRow& r : run(f.company, range("W", "2026-01-01", "2026-12-31")))
        EXPECT_EQ(r.values.mid(4, 3), r.values.mid(1, 3)) << r.symbol.toStdString();

    // Booked 2 April, dated 28 March: in April's period by booking date, in March's by document date.
    auto period = [&](const char* basis, const char* from, const char* to) {
        for (const SumsRow& r : run(f.company, range("W", from, to) + QStringList{"--date-basis", basis}))
            if (r.symbol == "801-80104-4210" && r.poziom == 0) return r.values[4];
        return QString("absent");
    };
    EXPECT_EQ(period("booking", "2026-04-01", "2026-04-30"), "200.00");
    EXPECT_EQ(period("document", "2026-04-01", "2026-04-30"), "0.00");
    EXPECT_EQ(period("booking", "2026-03-01", "2026-03-31"), "absent");
    EXPECT_EQ(period("document", "2026-03-01", "2026-03-31"), "200.00");

    // Revenue: its own flags and plan; a filter narrows the lines; a wrong side is refused.
    const std::vector<SumsRow> revenue = run(f.company, range("D", "2026-01-01", "2026-12-31"));
    ASSERT_FALSE(revenue.empty());
    EXPECT_EQ(revenue.front().symbol, "756-75615-0310");
    EXPECT_EQ(revenue.front().values.mid(0, 4), (QStringList{"151.00", "75.50", "75.50", "0.00"}));
    EXPECT_EQ(revenue.front().values[7], "50.00");
    const std::vector<SumsRow> filtered =
        run(f.company, range("W", "2026-01-01", "2026-12-31") + QStringList{"--filter", "BTV:rodzaj_z=1"});
    for (const SumsRow& r : filtered)
        if (r.symbol == "801-80101-4010" && r.poziom == 0) EXPECT_EQ(r.values[1], "0.00");
    const test::Outcome wrong = test::runKsiega({"budget-sums", "--db", url(), "--company", QString::number(f.company), "--year",
                                                 "2026", "--side", "X", "--from", "2026-01-01", "--to", "2026-12-31"});
    EXPECT_NE(wrong.exitCode, 0);
    const test::Outcome badFilter = test::runKsiega({"budget-sums", "--db", url(), "--company", QString::number(f.company),
                                                     "--year", "2026", "--side", "W", "--from", "2026-01-01", "--to",
                                                     "2026-12-31", "--filter", "kwota=1; drop table BT_DANE"});
    EXPECT_NE(badFilter.exitCode, 0);
    EXPECT_TRUE(db().tableExists("BT_DANE"));
}

TEST_P(BudgetSumsCommand, twoCompaniesWithTheSameSymbolsAndYearDatesNeverMix) {
    test::LedgerFixture f(db());
    test::BudgetSample sample(f);
    const int64_t other = test::addCompany(db(), "Druga jednostka", 1);
    const int64_t otherYear = test::addYear(db(), other, "2026", QDate(2026, 1, 1), QDate(2026, 12, 31));
    const int64_t doc = db().insertReturningId(
        "insert into NAG_DOK (id_firmy, id_lata_obrot, status, data_biezaca, data_dok_org, data_okresu) values (?, ?, 2, ?, ?, ?) "
        "returning id_nag_dok",
        {other, otherYear, date::fromYmd(2026, 2, 2), date::fromYmd(2026, 2, 2), date::fromYmd(2026, 2, 2)});
    const int64_t line = db().insertReturningId(
        "insert into POZ_DOK (id_nag_dok, id_firmy, id_lata_obrot, lp, konto_wn, konto_ma, kwota_wn, kwota_ma, status) "
        "values (?, ?, ?, 1, '401', '130', 99900, 99900, 2) returning id_poz_dok",
        {doc, other, otherYear});
    db().execute("insert into BT_DANE (id_poz_dok, lp, id_firmy, id_lata_obrot, bt_klasyfikacja, typ, rodzaj_wy, kwota) "
                 "values (?, 1, ?, ?, '801-80101-4010', 'W', 1, 99900)",
                 {line, other, otherYear});
    db().execute("insert into BT_PLAN (id_firmy, id_lata_obrot, bt_klasyfikacja, typ, data_planu, kwota) "
                 "values (?, ?, '999-99999-9999', 'W', ?, 77700)",
                 {other, otherYear, date::fromYmd(2026, 1, 1)});

    const std::vector<SumsRow> mine = run(f.company, range("W", "2026-01-01", "2026-12-31"));
    for (const SumsRow& r : mine) EXPECT_FALSE(r.symbol.startsWith("999")) << r.symbol.toStdString();
    EXPECT_EQ(mine.front().values[1], "200.00");
    const std::vector<SumsRow> theirs = run(other, range("W", "2026-01-01", "2026-12-31"));
    ASSERT_EQ(theirs.size(), 6u);   // two details, four subtotals
    EXPECT_EQ(theirs.front().values[1], "999.00");
    EXPECT_EQ(theirs.front().values[0], "0.00");
}
