// The export files compared with figures computed here from BT_DANE, the ledger lines and
// BT_PLAN, each file read back by dbfread and by ogrinfo.
#include "budget/export/BudgetExporter.h"
#include "frame/SessionContext.h"
#include "frame/database/ModuleDatabase.h"
#include "platform/db/LineCopies.h"
#include "platform/dbase/DbaseTable.h"
#include "platform/runtime/Date.h"
#include "platform/server/budget/BudgetFunctions.h"
#include "platform/ui/dialogs/ScriptedDialogs.h"
#include "support/DbfReaders.h"
#include "support/LedgerTest.h"
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <map>

using namespace ksiega;
using namespace ksiega::budget;
using namespace ksiega::test;

namespace {

struct Expected {
    Money plan, execution, second;
};

// The amount fields of each layout, in order, and which of them carry the figures.
QStringList amountFields(const QString& side, const QString& format) {
    if (side == "W")
        return format == "BESTIA" ? QStringList{"R1", "R10", "R4", "R11", "R12", "R12U", "R12B", "R9"}
                                  : QStringList{"R1", "R10", "R4", "R11", "R12", "R9"};
    return format == "BESTIA" ? QStringList{"R1", "R2", "R3", "R4", "R9", "R5", "R6", "R7", "R8", "R11", "R11Z", "R11R", "R10"}
                              : QStringList{"R1", "R2", "R3", "R4", "R9", "R5", "R6", "R7", "R8", "R11", "R10"};
}

QString text(Money m) { return m.toString(); }

class BudgetExportTest : public LedgerTest {
protected:
    void SetUp() override {
        LedgerTest::SetUp();
        if (IsSkipped()) return;
        scope = {f().company, f().year2026, QStringLiteral("-")};
    }

    BudgetExportRun run(const QString& side, const QString& format, int fromMonth, int toMonth, bool byQuarters = true) {
        BudgetExportRun r;
        r.form.side = side;
        r.form.format = format;
        r.form.byQuarters = byQuarters;
        r.form.period = byQuarters ? toMonth / 3 : toMonth;
        r.form.kodWojewodztwa = "14";
        r.form.kodPowiatu = "65";
        r.form.kodGminy = "01";
        r.form.typGminy = "1";
        r.form.typPowiatu = "2";
        r.form.regon = "123456785";
        r.form.regonRozszerzony = "12345678512347";
        r.form.identyfikatorJb = 123;
        r.form.reportDate = date::fromYmd(2026, 7, 10);
        r.form.folder = dir.path();
        r.from = date::fromYmd(2026, fromMonth, 1);
        r.to = date::fromYmd(2026, toMonth, QDate(2026, toMonth, 1).daysInMonth());
        return r;
    }

    // A ledger line of `amount` in `month` split into budget lines.
    void budget(int month, const std::vector<BudgetPart>& parts, QChar side, unsigned senses) {
        Money total;
        for (const BudgetPart& p : parts) total += p.kwota;
        const int64_t doc = f().postIn2026(month, "401", "130-01", total);
        const int64_t line = db().scalarInt("select max(id_poz_dok) from POZ_DOK where id_nag_dok=?", {doc}).value();
        f().addBudgetLines(line, parts, side, senses);
    }

    void plan(int64_t company, int64_t year, const QString& symbol, QChar side, int day, const char* amount, int change = 0) {
        db().execute("insert into BT_PLAN (id_firmy, id_lata_obrot, bt_klasyfikacja, typ, data_planu, rodzaj_zmiany, kwota) "
                     "values (?, ?, ?, ?, ?, ?, ?)",
                     {company, year, symbol, QString(side), day, change, zl(amount)});
    }

    // Analytic symbols under one paragraf, a plan change inside and one after the quarter,
    // a symbol only in the plan, amounts ending in .50, a negative amount, lines outside the
    // quarter, both sides.
    void seed() {
        budget(4, {{"801-80101-4010", zl("600.25")}, {"801-80101-4010-01", zl("400.25")}}, 'W', Expenditure | Commitment | Cash);
        budget(5, {{"801-80101-4010-02", zl("10.50")}}, 'W', Commitment);
        budget(6, {{"600-60016-4300", zl("-10.50")}}, 'W', Expenditure | Commitment);
        budget(6, {{"600-60016-4270", zl("10.50")}}, 'W', Expenditure);
        budget(3, {{"801-80101-4010", zl("5.00")}}, 'W', Expenditure);
        budget(7, {{"801-80101-4010", zl("99.99")}}, 'W', Expenditure | Commitment);
        budget(5, {{"756-75601-0350", zl("250.50")}}, 'D', Revenue | Receipt | Cash);
        budget(6, {{"756-75601-0350-01", zl("10.50")}}, 'D', Revenue);
        budget(6, {{"756-75615-0310", zl("-0.50")}}, 'D', Receipt);
        const int64_t c = f().company, y = f().year2026;
        plan(c, y, "801-80101-4010", 'W', date::fromYmd(2026, 1, 1), "10000.00");
        plan(c, y, "801-80101-4010", 'W', date::fromYmd(2026, 5, 15), "500.50", 1);
        plan(c, y, "801-80101-4010", 'W', date::fromYmd(2026, 7, 1), "1000.00", 1);
        plan(c, y, "801-80101-4010-01", 'W', date::fromYmd(2026, 1, 1), "200.00");
        plan(c, y, "900-90001-4210", 'W', date::fromYmd(2026, 2, 1), "300.00");
        plan(c, y, "756-75601-0350", 'D', date::fromYmd(2026, 1, 1), "5000.00");
        plan(c, y, "756-75601-0350", 'D', date::fromYmd(2026, 6, 30), "-100.50", 1);
    }

    // What the file must hold, from the raw rows: every budget line of the company's year
    // with its booking date and flags, every plan row; added up per 14-character key here.
    std::map<QString, Expected> expected(const BudgetExportRun& r, int64_t company, int64_t year, const QString& extra = {}) {
        const bool w = r.form.side == "W";
        std::map<QString, Expected> out;
        db::Rows lines = db().select("select b.bt_klasyfikacja, b.kwota, b.rodzaj_wy, b.rodzaj_z, b.rodzaj_d, b.rodzaj_wp, n.data_biezaca "
                                     "from BT_DANE b join POZ_DOK p on p.id_poz_dok=b.id_poz_dok "
                                     "join NAG_DOK n on n.id_nag_dok=p.id_nag_dok "
                                     "where b.id_firmy=? and b.id_lata_obrot=? and b.typ=?" + extra,
                                     {company, year, r.form.side});
        while (lines.next()) {
            const int day = lines.integer(6);
            if (day < r.from || day > r.to) continue;
            Expected& e = out[lines.text(0).left(14)];
            if (lines.integer(w ? 2 : 4) == 1) e.execution += lines.money(1);
            if (lines.integer(w ? 3 : 5) == 1) e.second += lines.money(1);
        }
        db::Rows plans = db().select("select bt_klasyfikacja, kwota, data_planu from BT_PLAN where id_firmy=? and id_lata_obrot=? and typ=?",
                                     {company, year, r.form.side});
        while (plans.next()) {
            Expected& e = out[plans.text(0).left(14)];
            if (plans.integer(2) <= r.to) e.plan += plans.money(1);
        }
        for (auto& [key, e] : out) {
            e.plan = roundAmount(e.plan, r.form.rounding);
            e.execution = roundAmount(e.execution, r.form.rounding);
            e.second = roundAmount(e.second, r.form.rounding);
        }
        return out;
    }

    // The file as both readers see it against the expected figures.
    void checkFile(const QString& path, const BudgetExportRun& r, const std::map<QString, Expected>& want, const QString& kwartal) {
        const bool w = r.form.side == "W", jb = r.form.format == "JB";
        QStringList names;
        if (jb) names << "ID_JB";
        names << "REGON";
        if (jb) names << "REGON_2";
        names << QStringList{"WK", "PK", "GK", "GT", "PT", "ROK", "KWARTAL", "DAT_SKW", "UWAGI", "DZIAL", "ROZDZIAL", "STATUS", "PAR"}
              << amountFields(r.form.side, r.form.format);
        const QString planField = "R1", firstField = w ? "R10" : "R4", secondField = w ? "R4" : "R9";

        for (const DbfContents& c : {readWithDbfread(path), readWithOgrinfo(path)}) {
            QStringList got;
            for (const DbfField& fd : c.fields) {
                got << fd.name;
                if (amountFields(r.form.side, r.form.format).contains(fd.name)) {
                    EXPECT_EQ(fd.type, QChar('N')) << fd.name.toStdString();
                    EXPECT_EQ(fd.length, 15);
                    EXPECT_EQ(fd.decimals, 2);
                }
                if (fd.name == "ID_JB") EXPECT_EQ(std::tuple(fd.type, fd.length, fd.decimals), std::tuple(QChar('N'), 15, 0));
            }
            EXPECT_EQ(got, names);
            EXPECT_EQ(c.date, QDate::currentDate());
            ASSERT_EQ(c.recordCount, int(want.size()));
            ASSERT_EQ(c.records.size(), want.size());
            auto it = want.begin();
            for (const auto& rec : c.records) {
                const QString& key = it->first;
                const Expected& e = it->second;
                SCOPED_TRACE(key.toStdString());
                EXPECT_EQ(rec["DZIAL"] + "-" + rec["ROZDZIAL"] + "-" + rec["PAR"], key);
                EXPECT_EQ(rec[planField], text(e.plan));
                EXPECT_EQ(rec[firstField], text(e.execution));
                EXPECT_EQ(rec[secondField], text(e.second));
                for (const QString& other : amountFields(r.form.side, r.form.format))
                    if (other != planField && other != firstField && other != secondField) EXPECT_EQ(rec[other], "0.00") << other.toStdString();
                EXPECT_EQ(rec["REGON"], "123456785");
                EXPECT_EQ(rec["WK"] + rec["PK"] + rec["GK"] + rec["GT"] + rec["PT"], "1465011" "2");
                EXPECT_EQ(rec["ROK"], "2026");
                EXPECT_EQ(rec["KWARTAL"], kwartal);
                EXPECT_EQ(rec["DAT_SKW"], "2026-07-10");
                if (jb) {
                    EXPECT_EQ(rec["ID_JB"], "123");
                    EXPECT_EQ(rec["REGON_2"], "12345678512347");
                }
                ++it;
            }
        }
    }

    QStringList files() const { return QDir(dir.path()).entryList(QDir::Files | QDir::Hidden); }

    QTemporaryDir dir;
    ExportScope scope;
};

} // namespace

TEST_P(BudgetExportTest, EveryLayoutHoldsThePlanAndExecutionOfTheLedger) {
    seed();
    const std::map<QString, QString> quarterField{{"BESTIA", "2"}, {"JB", "2"}, {"JST", "B"}};
    for (const QString side : {"W", "D"}) {
        for (const QString format : {"BESTIA", "JB", "JST"}) {
            SCOPED_TRACE((side + " " + format).toStdString());
            BudgetExportRun r = run(side, format, 4, 6);
            r.overwrite = true;   // BESTIA and JST files share their names
            const ExportResult result = exportBudget(db(), scope, r);
            EXPECT_EQ(result.fileName, side + (format == "JB" ? "62665010" "0123.dbf" : "6B66501.dbf"));
            const auto want = expected(r, f().company, f().year2026);
            EXPECT_EQ(result.records, int(want.size()));
            checkFile(result.path, r, want, quarterField.at(format));
        }
    }
    // Spot checks of the figures the fixture was built for: the analytic symbols merged, the
    // plan change after the quarter left out, the plan-only symbol present with zero sums.
    const BudgetExportRun r = run("W", "BESTIA", 4, 6);
    const auto want = expected(r, f().company, f().year2026);
    ASSERT_EQ(want.size(), 4u);
    EXPECT_EQ(want.at("801-80101-4010").plan, zl("10700.50"));
    EXPECT_EQ(want.at("801-80101-4010").execution, zl("1000.50"));
    EXPECT_EQ(want.at("801-80101-4010").second, zl("1011.00"));
    EXPECT_EQ(want.at("900-90001-4210").execution, Money());
    // In a company with one year the plan is what the server function gives per symbol.
    for (const auto& [key, e] : want)
        EXPECT_EQ(e.plan, server::TG_BT_Plan_Sub(db(), f().company, r.from, r.to, key, "W", 2)) << key.toStdString();
}

TEST_P(BudgetExportTest, HalvesUnderTheThreeRoundingsKeepTheirSigns) {
    budget(6, {{"600-60016-4270", zl("10.50")}}, 'W', Expenditure);
    budget(6, {{"600-60016-4300", zl("-10.50")}}, 'W', Expenditure);
    const std::map<ExportRounding, std::pair<const char*, const char*>> want{
        {ExportRounding::None, {"10.50", "-10.50"}}, {ExportRounding::Whole, {"11.00", "-11.00"}}, {ExportRounding::Truncate, {"10.00", "-10.00"}}};
    for (const auto& [rounding, amounts] : want) {
        BudgetExportRun r = run("W", "JST", 6, 6, false);
        r.form.rounding = rounding;
        r.overwrite = true;
        const QString path = exportBudget(db(), scope, r).path;
        for (const DbfContents& c : {readWithDbfread(path), readWithOgrinfo(path)}) {
            ASSERT_EQ(c.records.size(), 2u);
            EXPECT_EQ(c.records[0]["R10"], amounts.first);    // 600-60016-4270
            EXPECT_EQ(c.records[1]["R10"], amounts.second);   // 600-60016-4300
            EXPECT_EQ(c.records[0]["R1"], "0.00");
        }
    }
}

TEST_P(BudgetExportTest, MonthlyAndQuarterlyPeriodCodes) {
    budget(12, {{"801-80101-4010", zl("1.00")}}, 'W', Expenditure);
    budget(1, {{"801-80101-4010", zl("2.00")}}, 'W', Expenditure);
    const struct {
        QString format;
        int month;
        bool quarters;
        QString name, kwartal;
    } cases[] = {{"BESTIA", 12, false, "W6L66501.dbf", "4"}, {"JB", 12, false, "W6L6650100123.dbf", "L"},
                 {"JST", 12, false, "W6L66501.dbf", "D"},    {"BESTIA", 1, false, "W6A66501.dbf", "1"},
                 {"JB", 6, true, "W626650100123.dbf", "2"},  {"JST", 6, true, "W6B66501.dbf", "B"}};
    for (const auto& c : cases) {
        SCOPED_TRACE((c.format + " " + c.name).toStdString());
        BudgetExportRun r = run("W", c.format, c.quarters ? c.month - 2 : c.month, c.month, c.quarters);
        r.overwrite = true;
        const ExportResult result = exportBudget(db(), scope, r);
        EXPECT_EQ(result.fileName, c.name);
        const DbfContents read = readWithDbfread(result.path);
        for (const auto& rec : read.records) EXPECT_EQ(rec["KWARTAL"], c.kwartal);
    }
}

TEST_P(BudgetExportTest, TheFilterNarrowsTheSumsAsWellAsTheSymbols) {
    seed();
    // The same symbol booked on another account: the filter must keep it out of the sums.
    const int64_t doc = f().postIn2026(5, "700-01", "130-01", zl("77.77"));
    const int64_t line = db().scalarInt("select max(id_poz_dok) from POZ_DOK where id_nag_dok=?", {doc}).value();
    f().addBudgetLine(line, "801-80101-4010", 'W', Expenditure | Commitment);
    budget(5, {{"851-85154-4210", zl("1.00")}}, 'W', Expenditure);
    db().execute("update POZ_DOK set konto_wn='700-01' where id_poz_dok in (select id_poz_dok from BT_DANE where bt_klasyfikacja=?)",
                 {QStringLiteral("851-85154-4210")});
    // What repeats the changed accounts follows them, as after every writer of a line.
    std::vector<int64_t> changed;
    for (db::Rows rows = db().select("select id_poz_dok from BT_DANE where bt_klasyfikacja='851-85154-4210'"); rows.next();)
        changed.push_back(rows.int64(0));
    for (const int64_t id : changed) db::refreshLineCopiesOfLine(db(), id);

    BudgetExportRun r = run("W", "BESTIA", 4, 6);
    r.sqlFilter = "konto_wn='401'";
    const ExportResult result = exportBudget(db(), scope, r);
    const auto want = expected(r, f().company, f().year2026, " and p.konto_wn='401'");
    EXPECT_EQ(want.count("851-85154-4210"), 0u);   // no line of its passes, nor any plan
    EXPECT_EQ(want.at("801-80101-4010").execution, zl("1000.50"));
    checkFile(result.path, r, want, "2");
}

TEST_P(BudgetExportTest, AnotherCompanyWithTheSameSymbolsStaysOut) {
    seed();
    const int64_t other = db().insertReturningId("insert into FIRMA (nazwa) values ('Druga') returning id_firmy");
    const int64_t year = db().insertReturningId(
        "insert into LATA_OBROTOWE (id_firmy, rok_obrotowy, poczatek_roku, koniec_roku) values (?, '2026', ?, ?) returning id_lata_obrot",
        {other, date::fromYmd(2026, 1, 1), date::fromYmd(2026, 12, 31)});
    const int day = date::fromYmd(2026, 5, 2);
    const int64_t doc = db().insertReturningId(
        "insert into NAG_DOK (id_firmy, id_lata_obrot, nr_ewid_dok, data_biezaca, data_dok_org, data_okresu, status) "
        "values (?, ?, 'X/1', ?, ?, ?, 2) returning id_nag_dok",
        {other, year, day, day, day});
    const int64_t line = db().insertReturningId(
        "insert into POZ_DOK (id_nag_dok, id_firmy, id_lata_obrot, lp, konto_wn, konto_ma, kwota_wn, kwota_ma, data_okresu, status) "
        "values (?, ?, ?, 1, '401', '130-01', ?, ?, ?, 2) returning id_poz_dok",
        {doc, other, year, zl("5555.55"), zl("5555.55"), day});
    for (const char* symbol : {"801-80101-4010", "999-99999-9999"})
        db().execute("insert into BT_DANE (id_poz_dok, lp, id_firmy, id_lata_obrot, bt_klasyfikacja, typ, rodzaj_wy, rodzaj_z, kwota) "
                     "values (?, ?, ?, ?, ?, 'W', 1, 1, ?)",
                     {line, symbol[0] == '8' ? 1 : 2, other, year, QString::fromLatin1(symbol), zl("5555.55")});
    plan(other, year, "801-80101-4010", 'W', date::fromYmd(2026, 1, 1), "88888.88");
    plan(other, year, "999-99999-9999", 'W', date::fromYmd(2026, 1, 1), "1.00");

    const BudgetExportRun r = run("W", "JB", 4, 6);
    const auto want = expected(r, f().company, f().year2026);
    EXPECT_EQ(want.count("999-99999-9999"), 0u);
    checkFile(exportBudget(db(), scope, r).path, r, want, "2");
}

TEST_P(BudgetExportTest, SymbolsWithoutTheirShapeAreListedAndRefused) {
    seed();
    budget(5, {{"80-80101-4010", zl("1.00")}}, 'W', Expenditure);
    plan(f().company, f().year2026, "801801014010", 'W', date::fromYmd(2026, 1, 1), "1.00");
    try {
        exportBudget(db(), scope, run("W", "BESTIA", 4, 6));
        FAIL() << "exported";
    } catch (const ExportRefused& e) {
        EXPECT_TRUE(e.text().contains("\"80-80101-4010\"")) << e.text().toStdString();
        EXPECT_TRUE(e.text().contains("\"801801014010\"")) << e.text().toStdString();
    }
    EXPECT_TRUE(files().isEmpty());
}

TEST_P(BudgetExportTest, NothingIsWrittenOnOverflowOrFailureAndTheOldFileStays) {
    seed();
    const BudgetExportRun r = run("W", "BESTIA", 4, 6);
    const QString path = exportPath(r);
    {
        QFile old(path);
        ASSERT_TRUE(old.open(QIODevice::WriteOnly));
        old.write("OLD");
    }
    const auto oldIsThere = [&] {
        QFile f(path);
        return f.open(QIODevice::ReadOnly) && f.readAll() == "OLD" && files() == QStringList{QFileInfo(path).fileName()};
    };
    // Without leave to overwrite the file is not touched.
    EXPECT_THROW(exportBudget(db(), scope, r), ExportRefused);
    EXPECT_TRUE(oldIsThere());

    BudgetExportRun replace = r;
    replace.overwrite = true;
    // A failure in the middle of the records.
    ExportHooks failing;
    failing.afterRecord = [](int n) {
        if (n == 2) throw dbase::DbaseError("add: disk full");
    };
    EXPECT_THROW(exportBudget(db(), scope, replace, failing), dbase::DbaseError);
    EXPECT_TRUE(oldIsThere());

    // A folder that cannot be written into.
    BudgetExportRun readOnly = replace;
    readOnly.form.folder = "/proc/self";
    EXPECT_THROW(exportBudget(db(), scope, readOnly), dbase::DbaseError);

    // An amount that does not fit N(15,2): refused before the file is opened.
    budget(5, {{"801-80101-4210", Money::fromWhole(1000000000000)}}, 'W', Expenditure);
    try {
        exportBudget(db(), scope, replace);
        FAIL() << "exported";
    } catch (const ExportRefused& e) {
        EXPECT_TRUE(e.text().contains("1000000000000.00")) << e.text().toStdString();
    }
    EXPECT_TRUE(oldIsThere());

}

TEST_P(BudgetExportTest, TheWindowsRunAsksShowsProgressAndReportsOnlyWhatHappened) {
    seed();
    resetSession();
    session().DANE_ID_FIRMY = f().company;
    session().DANE_LATA_OBROTOWE = f().year2026;
    lendDatabase(&db());
    ui::ScriptedDialogs dialogs;
    ui::ScopedDialogs scripted(dialogs);
    const BudgetExportRun r = run("D", "JST", 4, 6);
    const QString name = exportFileName(r.form, r.to);

    ASSERT_TRUE(runBudgetExport(r));
    EXPECT_EQ(dialogs.texts(ui::ScriptedDialogs::Kind::Progress),
              QStringList{"Eksport dokumentów...\nProszę czekać. Trwa eksportowanie danych..."});
    EXPECT_EQ(dialogs.last().text, "Import do pliku " + name + " został zakończony.");
    EXPECT_EQ(readWithDbfread(exportPath(r)).recordCount, int(expected(r, f().company, f().year2026).size()));

    // The file exists: "Nie" leaves it, "Tak" writes it again.
    dialogs.clear();
    dialogs.answer(2);
    EXPECT_FALSE(runBudgetExport(r));
    EXPECT_EQ(dialogs.texts(), QStringList{"W wybranym katalogu istnieje już plik eksportu " + name + ". Czy chcesz nadpisać plik ?"});
    dialogs.clear();
    dialogs.answer(1);
    EXPECT_TRUE(runBudgetExport(r));

    // A write error and an SQL error are shown, and never followed by the closing message.
    dialogs.clear();
    BudgetExportRun readOnly = r;
    readOnly.form.folder = "/proc/self";
    EXPECT_FALSE(runBudgetExport(readOnly));
    ASSERT_EQ(dialogs.texts(ui::ScriptedDialogs::Kind::Information).size(), 1);
    EXPECT_FALSE(dialogs.texts(ui::ScriptedDialogs::Kind::Information).front().contains("Import"));
    dialogs.clear();
    BudgetExportRun badFilter = r;
    badFilter.overwrite = true;
    badFilter.sqlFilter = "no_such_column=1";
    EXPECT_FALSE(runBudgetExport(badFilter));
    ASSERT_EQ(dialogs.texts(ui::ScriptedDialogs::Kind::Information).size(), 1);
    EXPECT_FALSE(dialogs.texts(ui::ScriptedDialogs::Kind::Information).front().contains("Import"));
    EXPECT_EQ(readWithDbfread(exportPath(r)).recordCount, int(expected(r, f().company, f().year2026).size()));
    lendDatabase(nullptr);
}

KSIEGA_ON_BOTH_ENGINES(BudgetExportTest);
