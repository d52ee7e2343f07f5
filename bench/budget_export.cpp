// The budget export at scale: --lines N (1,000,000) budget lines over --symbols S (2,000)
// classification symbols (a quarter of them analytic, merging into their paragraf) in one
// company's year, a plan row and a change for every symbol, and a second company with a
// tenth as many lines under the same symbols. Built by the generator below with bulk
// inserts into an empty database (documents of 20 lines, one budget line per ledger line).
//
// Measured: the whole export of the year (expenditure, BESTIA, months 1-12 cumulated) as
// the window and the command run it (gathering, formatting, the file written and renamed),
// against the bare SQL: the same two grouped statements read to the end and nothing else.
//
//   budget_export [--lines N] [--symbols S] [--engine sqlite|postgresql|both] [--runs R] [--keep NAME]
//
// PostgreSQL runs when KSIEGA_BENCH_PG (or KSIEGA_TEST_PG) holds a server URL; the data goes
// into a schema of its own that is dropped afterwards (with --keep: the schema NAME, built
// when it is empty and kept for the next run, for looking at the plans). Figures are medians of R runs.
#include "MedianTime.h"
#include "budget/export/BudgetExporter.h"
#include "platform/db/Database.h"
#include "platform/db/Schema.h"
#include "platform/runtime/Date.h"
#include <QCoreApplication>
#include <QDir>
#include <QTemporaryDir>
#include <QTextStream>

using namespace ksiega;

namespace {

struct Setup {
    int64_t company = 0, year = 0;
};

QString symbolOf(int i) {
    const int paragraf = 4000 + i % 400, rozdzial = 80101 + (i / 400) % 50, dzial = 801 + i / 20000;
    QString s = QStringLiteral("%1-%2-%3").arg(dzial).arg(rozdzial).arg(paragraf);
    return s;
}

// Lines of one company: documents of 20 lines over the year, budget lines cycling through
// the symbols (every fourth one analytic), flags and amounts varied.
void addLines(db::Database& db, int64_t company, int64_t year, int lines, int symbols) {
    const int documents = (lines + 19) / 20;
    const int64_t firstDoc = db.dialect().reserveIds(db, QStringLiteral("NAG_DOK"), QStringLiteral("id_nag_dok"), documents);
    const int64_t firstLine = db.dialect().reserveIds(db, QStringLiteral("POZ_DOK"), QStringLiteral("id_poz_dok"), lines);
    const int jan1 = date::fromYmd(2026, 1, 1);
    {
        auto w = db.bulkInsert(QStringLiteral("NAG_DOK"), {"id_nag_dok", "id_firmy", "id_lata_obrot", "nr_ewid_dok", "nr_dok_org", "data_biezaca",
                                                           "data_dok_org", "data_okresu", "status"});
        for (int d = 0; d < documents; ++d) {
            const int day = jan1 + d % 365;
            const int period = date::fromYmd(2026, date::month(day), 2);
            w->add({firstDoc + d, company, year, QStringLiteral("D/%1").arg(d), QStringLiteral("D/%1").arg(d), day, day, period, 2});
        }
        w->finish();
    }
    auto amountOf = [](int i) { return int64_t(100) + (int64_t(i) * 7919) % 1000000 - (i % 50 == 0 ? 500000 : 0); };
    {
        // One bulk writer at a time: PostgreSQL copies one table at a time per connection.
        auto p = db.bulkInsert(QStringLiteral("POZ_DOK"), {"id_poz_dok", "id_nag_dok", "id_firmy", "id_lata_obrot", "lp", "konto_wn", "konto_ma",
                                                           "kwota_wn", "kwota_ma", "status"});
        for (int i = 0; i < lines; ++i)
            p->add({firstLine + i, firstDoc + i / 20, company, year, i % 20 + 1, "401", "130", amountOf(i), amountOf(i), 2});
        p->finish();
    }
    {
        auto b = db.bulkInsert(QStringLiteral("BT_DANE"), {"id_poz_dok", "lp", "id_firmy", "id_lata_obrot", "bt_klasyfikacja", "typ", "rodzaj_wy",
                                                           "rodzaj_z", "rodzaj_x", "kwota"});
        for (int i = 0; i < lines; ++i) {
            QString symbol = symbolOf(i % symbols);
            if (i % 4 == 0) symbol += QStringLiteral("-%1").arg(i % 7 + 1, 2, 10, QChar('0'));
            b->add({firstLine + i, 1, company, year, symbol, "W", i % 3 != 0 ? 1 : 0, i % 2, 1, amountOf(i)});
        }
        b->finish();
    }
    auto plan = db.bulkInsert(QStringLiteral("BT_PLAN"), {"id_firmy", "id_lata_obrot", "bt_klasyfikacja", "typ", "data_planu", "rodzaj_zmiany", "kwota"});
    for (int s = 0; s < symbols; ++s) {
        plan->add({company, year, symbolOf(s), "W", jan1, 0, 1000000 + s});
        plan->add({company, year, symbolOf(s), "W", date::fromYmd(2026, 6, 15), 1, 5050});
    }
    plan->finish();
}

Setup build(db::Database& db, int lines, int symbols) {
    db::createSchema(db);
    Setup s;
    db::Transaction tx(db);
    for (int c = 0; c < 2; ++c) {
        const int64_t company = db.insertReturningId(QStringLiteral("insert into FIRMA (nazwa) values (?) returning id_firmy"),
                                                     {QStringLiteral("Jednostka %1").arg(c + 1)});
        const int64_t year = db.insertReturningId(QStringLiteral("insert into LATA_OBROTOWE (id_firmy, rok_obrotowy, poczatek_roku, koniec_roku) "
                                                                 "values (?, '2026', ?, ?) returning id_lata_obrot"),
                                                  {company, date::fromYmd(2026, 1, 1), date::fromYmd(2026, 12, 31)});
        addLines(db, company, year, c == 0 ? lines : lines / 10, symbols);
        if (c == 0) s = {company, year};
    }
    tx.commit();
    db.analyze();
    return s;
}

budget::BudgetExportRun yearRun(const QString& folder) {
    budget::BudgetExportRun r;
    r.form.side = QStringLiteral("W");
    r.form.format = QStringLiteral("BESTIA");
    r.form.period = 12;
    r.form.cumulativeInYear = true;
    r.form.kodWojewodztwa = QStringLiteral("14");
    r.form.kodPowiatu = QStringLiteral("65");
    r.form.kodGminy = QStringLiteral("01");
    r.form.regon = QStringLiteral("123456785");
    r.form.reportDate = date::fromYmd(2027, 1, 10);
    r.form.folder = folder;
    r.from = date::fromYmd(2026, 1, 1);
    r.to = date::fromYmd(2026, 12, 31);
    r.overwrite = true;
    return r;
}

void measure(const QString& engine, const QString& url, int lines, int symbols, int runs) {
    QTextStream out(stdout);
    auto db = db::Database::open(url);
    QElapsedTimer t;
    t.start();
    Setup s;
    try {
        if (db::schemaVersion(*db) > 0) {
            s.company = db->scalarInt(QStringLiteral("select min(id_firmy) from FIRMA")).value_or(0);
            s.year = db->scalarInt(QStringLiteral("select min(id_lata_obrot) from LATA_OBROTOWE")).value_or(0);
        } else {
            s = build(*db, lines, symbols);
        }
    } catch (const db::DbError& e) {
        out << engine << ": the data could not be built: " << e.message() << "\n" << e.statement().left(300) << "\n";
        return;
    }
    out << engine << ": " << lines << " budget lines, " << symbols << " symbols, built in " << QString::number(t.elapsed() / 1000.0, 'f', 1)
        << " s\n";
    QTemporaryDir folder;
    const budget::BudgetExportRun run = yearRun(folder.path());
    const budget::ExportScope scope{s.company, s.year, QStringLiteral("-")};
    int records = 0;
    const double exportMs = bench::medianMs(runs, [&] { records = budget::exportBudget(*db, scope, run).records; });
    int64_t check = 0;
    const double bareMs = bench::medianMs(runs, [&] {
        db::Rows l = db->select(QStringLiteral("select bt_klasyfikacja, sum(case when rodzaj_wy=1 then kwota else 0 end), "
                                               "sum(case when rodzaj_z=1 then kwota else 0 end) from BT_VIEW where id_firmy=? and id_lata_obrot=? "
                                               "and typ='W' and data_biezaca>=? and data_biezaca<=? group by bt_klasyfikacja"),
                                {s.company, s.year, run.from, run.to});
        while (l.next()) check += l.int64(1);
        db::Rows p = db->select(QStringLiteral("select bt_klasyfikacja, sum(case when data_planu<=? then kwota else 0 end) from BT_PLAN "
                                               "where id_firmy=? and id_lata_obrot=? and typ='W' group by bt_klasyfikacja"),
                                {run.to, s.company, s.year});
        while (p.next()) check += p.int64(1);
    });
    out << "  export of the year (" << records << " records): " << QString::number(exportMs, 'f', 0) << " ms; bare SQL "
        << QString::number(bareMs, 'f', 0) << " ms; ratio " << QString::number(exportMs / bareMs, 'f', 2) << "\n";
}

} // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    int lines = 1000000, symbols = 2000, runs = 3;
    QString engine = QStringLiteral("both"), keep;
    const QStringList args = app.arguments();
    for (int i = 1; i + 1 < args.size(); i += 2) {
        if (args[i] == QLatin1String("--lines")) lines = args[i + 1].toInt();
        else if (args[i] == QLatin1String("--symbols")) symbols = std::max(1, args[i + 1].toInt());
        else if (args[i] == QLatin1String("--engine")) engine = args[i + 1];
        else if (args[i] == QLatin1String("--runs")) runs = std::max(1, args[i + 1].toInt());
        else if (args[i] == QLatin1String("--keep")) keep = args[i + 1];
    }
    if (engine == QLatin1String("sqlite") || engine == QLatin1String("both")) {
        QTemporaryDir dir(QDir::tempPath() + QStringLiteral("/budget-export-XXXXXX"));
        measure(QStringLiteral("SQLite"), QStringLiteral("sqlite:") + dir.filePath(QStringLiteral("bench.db")), lines, symbols, runs);
    }
    const QString pg = qEnvironmentVariable("KSIEGA_BENCH_PG", qEnvironmentVariable("KSIEGA_TEST_PG"));
    if ((engine == QLatin1String("postgresql") || engine == QLatin1String("both")) && !pg.isEmpty()) {
        const QString schema = keep.isEmpty() ? QStringLiteral("budget_export_%1").arg(QCoreApplication::applicationPid()) : keep;
        if (keep.isEmpty()) db::Database::open(pg)->executeScript(QStringLiteral("DROP SCHEMA IF EXISTS ") + schema + QStringLiteral(" CASCADE"));
        measure(QStringLiteral("PostgreSQL"), pg + (pg.contains(QLatin1Char('?')) ? QStringLiteral("&schema=") : QStringLiteral("?schema=")) + schema,
                lines, symbols, runs);
        if (keep.isEmpty()) db::Database::open(pg)->executeScript(QStringLiteral("DROP SCHEMA IF EXISTS ") + schema + QStringLiteral(" CASCADE"));
    }
    return 0;
}
