// ksiega budget-export run as the executable: the file it names holds the figures summed
// here from the budget lines and the plan; refusals print the system's message and write
// nothing.
#include "platform/runtime/Date.h"
#include "support/DbfReaders.h"
#include "support/LedgerTest.h"
#include "KsiegaProcess.h"
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <map>

using namespace ksiega;
using namespace ksiega::test;

namespace {

class BudgetExportCommandTest : public LedgerTest {
protected:
    void SetUp() override {
        LedgerTest::SetUp();
        if (IsSkipped()) return;
        for (auto [month, symbol, amount] : {std::tuple{4, "801-80101-4010", "100.50"}, {5, "801-80101-4010-01", "0.49"},
                                             {6, "600-60016-4300", "-10.50"}, {7, "801-80101-4010", "9.00"}}) {
            const int64_t doc = f().postIn2026(month, "401", "130-01", zl(amount));
            const int64_t line = db().scalarInt("select max(id_poz_dok) from POZ_DOK where id_nag_dok=?", {doc}).value();
            f().addBudgetLine(line, QString::fromLatin1(symbol), 'W', Expenditure);
        }
        db().execute("insert into BT_PLAN (id_firmy, id_lata_obrot, bt_klasyfikacja, typ, data_planu, kwota) values (?, ?, ?, 'W', ?, ?)",
                     {f().company, f().year2026, QStringLiteral("801-80101-4010"), date::fromYmd(2026, 1, 1), zl("1000.50")});
        db().execute("update FIRMA set regon='123456785', fk_id_jb=77 where id_firmy=?", {f().company});
    }

    void codes() {
        for (auto [name, value] : {std::pair{"BeKodW", "32"}, {"BeKodP", "61"}, {"BeKodG", "01"}, {"BeTypG", "1"}, {"BeTypP", "2"}})
            db().execute("insert into PARAMETRY_GLOBALNE (id_firmy, nazwa_parametru, wartosc) values (?, ?, ?)",
                         {f().company, QString::fromLatin1(name), QString::fromLatin1(value)});
    }

    // The quarter's export; `extra` may name another period (a later option wins).
    Outcome exportQ2(const QStringList& extra = {}) {
        QStringList args{"budget-export", "--db", url(), "--company", QString::number(f().company), "--year", "2026", "--side", "W",
                         "--format", "JB", "--rounding", "whole", "--report-date", "2026-07-05", "--folder", dir.path()};
        if (!extra.contains("--period")) args << "--period" << "Q2";
        return runKsiega(args + extra);
    }

    QStringList files() const { return QDir(dir.path()).entryList(QDir::Files | QDir::Hidden); }

    QTemporaryDir dir;
};

} // namespace

TEST_P(BudgetExportCommandTest, WritesTheFileItNamesOrRefusesWithTheSystemsMessage) {
    Outcome o = exportQ2();
    EXPECT_EQ(o.exitCode, 1);
    EXPECT_EQ(o.err.trimmed(), "Proszę wypełnić kod województwa.");
    EXPECT_TRUE(files().isEmpty());

    codes();
    o = exportQ2();
    ASSERT_EQ(o.exitCode, 0) << o.err.toStdString();
    const QString path = dir.filePath("W62F61010" "0077.dbf");
    EXPECT_EQ(o.out.trimmed(), path);

    // Expenditure of the quarter per 14-character symbol, rounded half away from zero.
    std::map<QString, int64_t> grosze;
    db::Rows r = db().select("select b.bt_klasyfikacja, b.kwota, n.data_biezaca from BT_DANE b join POZ_DOK p on p.id_poz_dok=b.id_poz_dok "
                             "join NAG_DOK n on n.id_nag_dok=p.id_nag_dok where b.id_firmy=? and b.rodzaj_wy=1",
                             {f().company});
    while (r.next())
        if (r.integer(2) >= date::fromYmd(2026, 4, 1) && r.integer(2) <= date::fromYmd(2026, 6, 30)) grosze[r.text(0).left(14)] += r.int64(1);
    ASSERT_EQ(grosze.size(), 2u);
    EXPECT_EQ(grosze["801-80101-4010"], 10099);
    const DbfContents c = readWithDbfread(path);
    ASSERT_EQ(c.records.size(), 2u);
    EXPECT_EQ(c.records[0]["PAR"], "4300");
    EXPECT_EQ(c.records[0]["R10"], "-11.00");       // -10.50
    EXPECT_EQ(c.records[1]["R10"], "101.00");       // 100.50 + 0.49 = 100.99
    EXPECT_EQ(c.records[1]["R1"], "1001.00");       // 1000.50
    EXPECT_EQ(c.records[1]["ID_JB"], "77");
    EXPECT_EQ(c.records[1]["KWARTAL"], "2");
    EXPECT_EQ(c.records[1]["DAT_SKW"], "2026-07-05");

    // June summed from the start of its quarter: the quarter's figures under the month's name.
    o = exportQ2({"--period", "06", "--cumulative", "quarter"});
    ASSERT_EQ(o.exitCode, 0) << o.err.toStdString();
    EXPECT_EQ(o.out.trimmed(), dir.filePath("W6FF610100077.dbf"));
    const DbfContents june = readWithDbfread(o.out.trimmed());
    ASSERT_EQ(june.records.size(), 2u);
    EXPECT_EQ(june.records[1]["R10"], "101.00");
    EXPECT_EQ(june.records[1]["KWARTAL"], "F");
    QFile::remove(o.out.trimmed());

    o = exportQ2();
    EXPECT_EQ(o.exitCode, 1);
    EXPECT_TRUE(o.err.startsWith("W wybranym katalogu istnieje już plik eksportu W62F6101" "00077.dbf.")) << o.err.toStdString();
    o = exportQ2({"--overwrite", "--filter", "BTV:bt_klasyfikacja='600-60016-4300'"});
    ASSERT_EQ(o.exitCode, 0) << o.err.toStdString();
    const DbfContents filtered = readWithDbfread(path);
    ASSERT_EQ(filtered.records.size(), 2u);   // the plan's symbol stays, without the filtered-out sums
    EXPECT_EQ(filtered.records[1]["R10"], "0.00");
    EXPECT_EQ(files(), QStringList{QFileInfo(path).fileName()});

    o = exportQ2({"--overwrite", "--filter", "no_such_column=1"});
    EXPECT_EQ(o.exitCode, 2);
    EXPECT_EQ(readWithDbfread(path).records.size(), 2u);
}

KSIEGA_ON_BOTH_ENGINES(BudgetExportCommandTest);
