// Batch commands run as the executable: their session is the window's (the budget
// edition of a budget company among it), their figures are the lines' sums, and standard
// error stays empty unless something went wrong.
#include "frame/SessionContext.h"
#include "frame/database/ModuleDatabase.h"
#include "frame/lifecycle/ModuleState.h"
#include "host/BatchSession.h"
#include "platform/db/demo/DemoDatabase.h"
#include "platform/server/Turnovers.h"
#include "support/LedgerFixture.h"
#include "support/LineSums.h"
#include "support/TestDatabase.h"
#include <QCoreApplication>
#include <QFileInfo>
#include <QImage>
#include "KsiegaProcess.h"
#include <QProcess>
#include <QTemporaryDir>

using namespace ksiega;
using namespace ksiega::host;

namespace {

using test::Outcome;
QString program() { return test::ksiegaProgram(); }

// The executable in an environment without XDG_RUNTIME_DIR, as a cron job or a container has it.
Outcome runKsiega(const QStringList& args) {
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.remove("XDG_RUNTIME_DIR");
    return test::runKsiega(args, env);
}

class BatchCommand : public test::DbTest {
protected:
    void SetUp() override {
        DbTest::SetUp();
        if (IsSkipped()) return;
        if (!QFileInfo::exists(program())) GTEST_SKIP() << "the ksiega executable is not built";
    }
    void TearDown() override {
        resetSession();
        resetModuleState();
        DbTest::TearDown();
    }
    QStringList session(int64_t company) {
        return {"--db", url(), "--company", QString::number(company), "--year", "2026"};
    }
};
KSIEGA_ON_BOTH_ENGINES(BatchCommand);

QStringList csvLines(const QString& out) {
    QStringList lines = out.split('\n', Qt::SkipEmptyParts);
    if (!lines.isEmpty()) lines.removeFirst();   // the header
    return lines;
}

} // namespace

TEST_P(BatchCommand, budgetCompanyHasTheBudgetEditionInItsSessionAndItsEntriesComeFromTheBudgetView) {
    db::demo::buildDemoDatabase(db());
    {
        const Arguments args(session(2), options::sessionOfCompanyAndYear());
        BatchSession batch(args);
        EXPECT_EQ(batch.session().DANE_CZY_WERSJA_BUDZET, 1);
        EXPECT_EQ(batch.session().DANE_ID_FIRMY, 2);
        EXPECT_EQ(batch.session().DANE_NAZWA_FIRMY, db().scalarText("select nazwa from FIRMA where id_firmy=2"));
        EXPECT_EQ(batch.session().DANE_ID_UZYT,
                  db().scalarText("select login from UZYTKOWNICY order by czy_administrator desc, login limit 1"));
        EXPECT_EQ(&moduleDatabase(), &batch.db());
    }
    {
        BatchSession batch(Arguments(session(1), options::sessionOfCompanyAndYear()));
        EXPECT_EQ(batch.session().DANE_CZY_WERSJA_BUDZET, 0);
    }

    // A condition on a budget field is answered only by the budget twin of the entry view:
    // the school lists the expense lines of 401-01, the wholesaler's plain view has no such field.
    const QStringList entries{"entries", "--account", "401-01", "--filter", "PDU:typ='W'", "--limit", "100000"};
    const Outcome school = runKsiega(QStringList{entries[0]} + session(2) + entries.mid(1));
    ASSERT_EQ(school.exitCode, 0) << school.err.toStdString();
    EXPECT_EQ(school.err, QString());
    const QString sides = "from POZ_DOK p join BT_DANE b on b.id_poz_dok=p.id_poz_dok and b.lp=1 "
                          "where p.id_firmy=2 and p.status=2 and p.czy_rk<>10 and b.typ='W' and p.id_lata_obrot="
                          "(select id_lata_obrot from LATA_OBROTOWE where id_firmy=2 and rok_obrotowy='2026') and ";
    const int64_t expected = *db().scalarInt("select count(*) " + sides + "p.konto_wn='401-01'") +
                             *db().scalarInt("select count(*) " + sides + "p.konto_ma='401-01'");
    EXPECT_GT(expected, 0);
    EXPECT_EQ(csvLines(school.out).size(), expected);

    const Outcome wholesaler = runKsiega(QStringList{entries[0]} + session(1) + entries.mid(1));
    EXPECT_NE(wholesaler.exitCode, 0);
    EXPECT_NE(wholesaler.err, QString());
}

TEST_P(BatchCommand, trialBalancePrintsTheSumsOfTheLinesInPlnAndInEuro) {
    test::LedgerFixture f(db());
    server::UZUPELNIJ_OBROTY_Z_DOKUMENTOW(db(), f.company, f.year2026, 0);
    const test::LineSums sums(db(), f.year2026, f.bo2026());

    for (const auto& [currency, period, periodDate] :
         {std::tuple{QString("PLN"), QString("2026-03"), f.month2026(3)}, std::tuple{QString("EUR"), QString("BZ"), f.bz2026()}}) {
        const Outcome r = runKsiega(QStringList{"trial-balance"} + session(f.company) +
                                QStringList{"--period", period, "--currency", currency});
        ASSERT_EQ(r.exitCode, 0) << r.err.toStdString();
        EXPECT_EQ(r.err, QString());
        EXPECT_TRUE(r.out.startsWith("konto,obroty_dt,obroty_ct,saldo_dt,saldo_ct\n")) << r.out.toStdString();
        const QStringList lines = csvLines(r.out);
        ASSERT_FALSE(lines.isEmpty());
        for (const QString& line : lines) {
            const QStringList v = line.split(',');
            ASSERT_EQ(v.size(), 5) << line.toStdString();
            const test::LineFigures e = sums.figures(v[0], currency, periodDate);
            EXPECT_EQ(v[1], e.obrotyDt.toString()) << line.toStdString();
            EXPECT_EQ(v[2], e.obrotyCt.toString()) << line.toStdString();
            if (v[0] == "234") continue;   // two-balance: both sides of its sub-accounts
            EXPECT_EQ(v[3], e.saldoDt.toString()) << line.toStdString();
            EXPECT_EQ(v[4], e.saldoCt.toString()) << line.toStdString();
        }
        if (currency == "EUR") {
            EXPECT_TRUE(lines.contains("131,0.00,0.00,1500.00,0.00")) << r.out.toStdString();
        }
    }
}

TEST_P(BatchCommand, windowShotWritesTheImageAndNothingToStandardError) {
    test::LedgerFixture f(db());
    QTemporaryDir dir;
    const QString png = dir.filePath("okno.png");
    const Outcome r = runKsiega(QStringList{"shot", "KSIEGA_WG_KONT", "--account", "130-01", "--out", png} + session(f.company));
    ASSERT_EQ(r.exitCode, 0) << r.err.toStdString();
    EXPECT_EQ(r.err, QString());
    EXPECT_FALSE(QImage(png).isNull());
}

TEST(BatchCommandOutput, helpWritesNothingToStandardErrorAndAWrongOptionIsAnError) {
    if (!QFileInfo::exists(program())) GTEST_SKIP() << "the ksiega executable is not built";
    const Outcome all = runKsiega({"help"});
    EXPECT_EQ(all.exitCode, 0);
    EXPECT_EQ(all.err, QString());
    for (const char* name : {"demo", "import", "recompute", "turnovers", "trial-balance", "entries", "report", "shot"})
        EXPECT_TRUE(all.out.contains(QStringLiteral("ksiega %1 ").arg(name))) << name;

    const Outcome one = runKsiega({"help", "entries"});
    EXPECT_EQ(one.err, QString());
    for (const char* option : {"--account A", "--whole 0|1", "--filter EXPR", "--sort 1..25", "--limit N", "--summary"})
        EXPECT_TRUE(one.out.contains(QString::fromUtf8(option))) << option << "\n" << one.out.toStdString();
    EXPECT_EQ(runKsiega({"entries", "--help"}).out, one.out);

    const Outcome wrong = runKsiega({"entries", "--company", "1", "--year", "2026", "--account", "130", "--bogus", "1"});
    EXPECT_EQ(wrong.exitCode, 2);
    EXPECT_EQ(wrong.err, QString("ksiega entries: unknown option --bogus\n"));
}
