// ksiega opening-balance run as the executable: its tree and its summary agree with sums
// taken straight from the opening-balance lines.
#include "frame/SessionContext.h"
#include "frame/lifecycle/ModuleState.h"
#include "support/LedgerFixture.h"
#include "support/TestDatabase.h"
#include <QCoreApplication>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include "KsiegaProcess.h"

using namespace ksiega;

namespace {

using test::Outcome;
using test::runKsiega;

class OpeningBalanceCommand : public test::DbTest {
protected:
    void SetUp() override {
        DbTest::SetUp();
        if (IsSkipped()) return;
        if (!QFileInfo::exists(test::ksiegaProgram())) GTEST_SKIP() << "the ksiega executable is not built";
        fx = std::make_unique<test::LedgerFixture>(db());
        fx->openingBalanceLine(fx->year2026, "990", "", test::zl("15.00"));
        fx->openingBalanceLine(fx->year2026, "", "234-01", test::zl("600.00"));
    }
    void TearDown() override {
        fx.reset();
        resetSession();
        resetModuleState();
        DbTest::TearDown();
    }
    QStringList command(const QStringList& more) {
        return QStringList{"opening-balance", "--db", url(), "--company", QString::number(fx->company), "--year", "2026",
                           "--user", fx->login} +
               more;
    }
    // One side of the lines for the account and the accounts below it; `where` picks the
    // documents (PLN's, EUR's, every one).
    Money sum(const QString& account, const QString& side, const QString& documents, const QString& column = {}) {
        const QString amount = column.isEmpty() ? "kwota_" + side : column;
        auto r = db().select("select coalesce(sum(p." + amount + "),0) from POZ_DOK p join NAG_DOK n on n.id_nag_dok=p.id_nag_dok "
                             "where n.czy_rk=10 and n.id_lata_obrot=? and " + documents + " and (p.konto_" + side +
                                 "=? or p.konto_" + side + " like ?)",
                             {fx->year2026, account, account + "-%"});
        r.next();
        return r.money(0);
    }
    std::unique_ptr<test::LedgerFixture> fx;
};

TEST_P(OpeningBalanceCommand, treeRowsAreTheSumsOfTheLinesInPlnEuroAndAggregated) {
    const struct {
        QStringList options;
        QString documents;
        bool currencyColumns;
    } cases[] = {{{}, "n.waluta=''", true}, {{"--currency", "EUR"}, "n.waluta='EUR'", true}, {{"--aggregate"}, "1=1", false}};
    for (const auto& c : cases) {
        const Outcome r = runKsiega(command(c.options));
        ASSERT_EQ(r.exitCode, 0) << r.err.toStdString();
        const QStringList lines = r.out.split('\n', Qt::SkipEmptyParts);
        ASSERT_GT(lines.size(), 1);
        EXPECT_EQ(lines[0], "konto,poziom,kwota_dt,kwota_ct,saldo_dt,saldo_ct,kwota_dt_w,kwota_ct_w,saldo_dt_w,saldo_ct_w");
        for (const QString& line : lines.mid(1)) {
            const QStringList v = line.split(',');
            ASSERT_EQ(v.size(), 10) << line.toStdString();
            EXPECT_EQ(v[1].toInt(), v[0].count('-') + 1) << line.toStdString();
            const Money dt = sum(v[0], "wn", c.documents), ct = sum(v[0], "ma", c.documents);
            EXPECT_EQ(v[2], dt.toString()) << line.toStdString();
            EXPECT_EQ(v[3], ct.toString()) << line.toStdString();
            EXPECT_EQ(v[4], (dt > ct ? dt - ct : Money()).toString()) << line.toStdString();
            EXPECT_EQ(v[5], (dt > ct ? Money() : ct - dt).toString()) << line.toStdString();
            const Money dtW = c.currencyColumns ? sum(v[0], "wn", c.documents, "kwota_wn_w") : Money();
            EXPECT_EQ(v[6], dtW.toString()) << line.toStdString();
        }
        if (c.options.isEmpty()) EXPECT_TRUE(lines.contains("234-01,2,500.00,600.00,0.00,100.00,0.00,0.00,0.00,0.00"));
    }
    EXPECT_NE(runKsiega(command({"--aggregate", "--currency", "EUR"})).exitCode, 0);
}

TEST_P(OpeningBalanceCommand, summaryListsTheCurrenciesThenTheFourTotals) {
    const Outcome r = runKsiega(command({"--summary"}));
    ASSERT_EQ(r.exitCode, 0) << r.err.toStdString();
    const QStringList blocks = r.out.split("\n\n");
    ASSERT_EQ(blocks.size(), 2) << r.out.toStdString();
    const QStringList rows = blocks[0].split('\n');
    EXPECT_EQ(rows[0], "waluta,kwota_dt,kwota_dt_w,kwota_ct,kwota_ct_w");
    ASSERT_EQ(rows.size(), 4);   // PLN, EUR, USD
    for (const QString& line : rows.mid(1)) {
        const QStringList v = line.split(',');
        const QString documents = v[0] == "PLN" ? QString("n.waluta=''") : "n.waluta='" + v[0] + "'";
        auto whole = [&](const char* column) {
            auto q = db().select(QString("select coalesce(sum(p.%1),0) from POZ_DOK p join NAG_DOK n on "
                                         "n.id_nag_dok=p.id_nag_dok where n.czy_rk=10 and n.id_lata_obrot=? and ")
                                         .arg(column) + documents,
                                 {fx->year2026});
            q.next();
            return q.money(0).toString();
        };
        EXPECT_EQ(v[1], whole("kwota_wn")) << line.toStdString();
        EXPECT_EQ(v[2], whole("kwota_wn_w")) << line.toStdString();
        EXPECT_EQ(v[3], whole("kwota_ma")) << line.toStdString();
        EXPECT_EQ(v[4], whole("kwota_ma_w")) << line.toStdString();
    }
    const QStringList totals = blocks[1].split('\n', Qt::SkipEmptyParts);
    ASSERT_EQ(totals.size(), 16);
    // Kwota Dt of the PLN tree over the synthetic accounts, with and without 990.
    Money all;
    auto synth = db().select("select nr_konta from WARTOSCI_KONT where id_lata_obrot=? and poziom=0", {fx->year2026});
    while (synth.next()) all += sum(synth.text(0), "wn", "n.waluta=''");
    const Money off = sum("990", "wn", "n.waluta=''");
    EXPECT_TRUE(totals.contains("Razem z uwzględnieniem kont pozabilansowych: kwota_dt," + all.toString())) << r.out.toStdString();
    EXPECT_TRUE(totals.contains("Razem bez uwzględnienia kont pozabilansowych: kwota_dt," + (all - off).toString()))
        << r.out.toStdString();

    const Outcome json = runKsiega(command({"--summary", "--format", "json"}));
    ASSERT_EQ(json.exitCode, 0) << json.err.toStdString();
    const QJsonObject o = QJsonDocument::fromJson(json.out.toUtf8()).object();
    EXPECT_EQ(o["waluty"].toArray().size(), 3);
    EXPECT_EQ(o["razem"].toArray().size(), 4);
}

KSIEGA_ON_BOTH_ENGINES(OpeningBalanceCommand);

} // namespace
