// The budget printouts over a large ledger: the classification report and the entries
// report of company 1, expenditure side. Their preparation (median of runs) beside the bare
// grouped SQL over the same lines, the layout and PDF times, and the peak memory.
//
//   ./build/ksiega demo --db URL --lines 1000000
//   ./build/bench/budget_reports URL [--symbols 2000] [--runs 3] [--entries-month 3]
//
// When the ledger has no budget lines yet they are made here in one set-based insert: one
// budget line per ledger line of company 1, under one of `symbols` classification symbols
// (20 działy x 10 rozdziały x 10 paragrafy for 2000), with a plan row per symbol. The
// entries report prints the lines of one month (a year of a million lines is some
// twenty-five thousand pages); the classification report covers the whole year.
#include "MedianTime.h"
#include "budget/reports/BudgetReports.h"
#include "platform/db/BudgetLineCopies.h"
#include "platform/db/Database.h"
#include "platform/report/Report.h"
#include "platform/runtime/Date.h"
#include <QFileInfo>
#include <QGuiApplication>
#include <QTemporaryDir>
#include <chrono>
#include <cstdio>
#include <sys/resource.h>

using namespace ksiega;

namespace {

double seconds(std::chrono::steady_clock::time_point from) {
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - from).count();
}

long peakRssMb() {
    rusage u{};
    getrusage(RUSAGE_SELF, &u);
    return u.ru_maxrss / 1024;
}

void makeBudgetLines(db::Database& db, int64_t year, int symbols) {
    const int64_t have = db.scalarInt("select count(*) from BT_DANE where id_firmy=1 and id_lata_obrot=?", {year}).value_or(0);
    if (have > 0) {
        std::printf("budget lines present: %lld\n", static_cast<long long>(have));
        return;
    }
    const int dzialy = std::max(1, symbols / 100);
    auto start = std::chrono::steady_clock::now();
    db::Transaction tx(db);
    // dział 600.., rozdział dział*100 + 0..9, paragraf 4000 + 0..9: fixed widths 3, 5, 4.
    db.execute(QStringLiteral(
                   "insert into BT_DANE (id_poz_dok, lp, id_firmy, id_lata_obrot, bt_klasyfikacja, typ, rodzaj_wy, rodzaj_k, "
                   "rodzaj_z, rodzaj_x, kwota) "
                   "select id_poz_dok, 1, id_firmy, id_lata_obrot, "
                   "cast(600 + id_poz_dok % %1 as varchar(3)) || '-' || cast((600 + id_poz_dok % %1) * 100 + (id_poz_dok / %1) % 10 as varchar(5)) "
                   "|| '-' || cast(4000 + (id_poz_dok / (%1 * 10)) % 10 as varchar(4)), 'W', 1, id_poz_dok % 2, "
                   "case when id_poz_dok % 3 = 0 then 1 else 0 end, 1, "
                   "case when kwota_wn <> 0 then kwota_wn else kwota_ma end "
                   "from POZ_DOK where id_firmy=1 and id_lata_obrot=?")
                   .arg(dzialy),
               {year});
    db.execute("insert into BT_PLAN (id_firmy, id_lata_obrot, bt_klasyfikacja, typ, data_planu, kwota) "
               "select 1, ?, bt_klasyfikacja, 'W', 0, 2 * sum(kwota) from BT_DANE where id_firmy=1 and id_lata_obrot=? "
               "group by bt_klasyfikacja",
               {year, year});
    db::refreshAllBudgetLineCopies(db);
    tx.commit();
    db.analyze();
    std::printf("budget lines made: %lld in %.1f s\n",
                static_cast<long long>(db.scalarInt("select count(*) from BT_DANE where id_firmy=1").value_or(0)), seconds(start));
}

} // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    QString url;
    int symbols = 2000, runs = 3, month = 3;
    const QStringList args = app.arguments();
    for (int i = 1; i < args.size(); ++i) {
        auto next = [&] { return i + 1 < args.size() ? args[++i] : QString(); };
        if (args[i] == "--symbols") symbols = next().toInt();
        else if (args[i] == "--runs") runs = std::max(1, next().toInt());
        else if (args[i] == "--entries-month") month = next().toInt();
        else url = args[i];
    }
    if (url.isEmpty()) {
        std::fprintf(stderr, "usage: budget_reports URL [--symbols N] [--runs N] [--entries-month M]\n");
        return 2;
    }
    auto db = db::Database::open(url);
    db::Rows y = db->select("select id_lata_obrot, poczatek_roku, koniec_roku from LATA_OBROTOWE where id_firmy=1 "
                            "and rok_obrotowy='2026'");
    if (!y.next()) {
        std::fprintf(stderr, "no year 2026 of company 1\n");
        return 1;
    }
    const int64_t year = y.int64(0);
    const int first = y.integer(1), last = y.integer(2);
    makeBudgetLines(*db, year, symbols);
    const long long lines = db->scalarInt("select count(*) from BT_DANE where id_firmy=1 and typ='W'").value_or(0);
    const long long distinct = db->scalarInt("select count(distinct bt_klasyfikacja) from BT_DANE where id_firmy=1").value_or(0);
    std::printf("engine %s, %lld budget lines, %lld symbols\n", url.startsWith("sqlite") ? "SQLite" : "PostgreSQL", lines, distinct);

    budget::BudgetReportJob job;
    job.scope.company = 1;
    job.scope.year = year;
    job.scope.user = 1;
    job.scope.yearStart = first;
    job.scope.yearEnd = last;
    job.scope.printDate = last;
    job.side = QStringLiteral("W");
    job.settings.BT_PRN_DATA_OD = date::fromYmd(2026, 4, 1);
    job.settings.BT_PRN_DATA_DO = last;
    job.settings.BT_PRN_CZY_PLAN = true;
    job.settings.BT_PRN_CZY_SYNTETYKI = true;

    // The bare grouped SQL over the same lines (one pass, one flag).
    const double bare = bench::medianMs(runs, [&] {
        db::Rows r = db->select("select bt_klasyfikacja, sum(kwota) from BT_VIEW where id_firmy=1 and id_lata_obrot=? "
                                "and typ='W' and data_biezaca<=? group by bt_klasyfikacja",
                                {year, last});
        while (r.next()) {}
    });
    size_t queue = 0;
    const double prepare = bench::medianMs(runs, [&] {
        const budget::PreparedClassification p = budget::prepareClassification(*db, job.scope, job.settings, job.side, QString(), 2);
        if (!p.ok()) qFatal("%s", qPrintable(p.error));
        queue = p.queue.size();
    });
    std::printf("classification preparation %.0f ms (queue %zu entries); bare grouped SQL %.0f ms; ratio %.2f\n", prepare, queue,
                bare, bare > 0 ? prepare / bare : 0.0);

    QTemporaryDir dir;
    auto pdfOf = [&](budget::BudgetReportJob j, const char* name) {
        auto start = std::chrono::steady_clock::now();
        const budget::BudgetReportResult r = budget::layOutBudgetReport(*db, j);
        if (!r.document) qFatal("%s", qPrintable(r.error));
        const double layout = seconds(start);
        const QString file = dir.filePath(QString::fromLatin1(name) + ".pdf");
        start = std::chrono::steady_clock::now();
        const bool written = report::writePdf(*r.document, file);
        std::printf("%s: %lld rows, %zu pages; preparation+layout %.2f s, PDF %.2f s (%s, %.1f MB); peak RSS %ld MB\n", name,
                    r.document->rows, r.document->pages.size(), layout, seconds(start), written ? "written" : "FAILED",
                    QFileInfo(file).size() / 1048576.0, peakRssMb());
    };
    pdfOf(job, "PRN_BT_KLASYFIKACJA");

    budget::BudgetReportJob entries = job;
    entries.report = budget::kEntriesReport;
    entries.settings.BT_PRN_DATA_OD = date::fromYmd(2026, month, 1);
    entries.settings.BT_PRN_DATA_DO = date::fromYmd(2026, month, date::toQDate(date::fromYmd(2026, month, 1)).daysInMonth());
    entries.sortOrder = 7;
    const double entriesBare = bench::medianMs(runs, [&] {
        db::Rows r = db->select("select count(*), sum(kwota) from BT_VIEW where id_firmy=1 and id_lata_obrot=? and typ='W' "
                                "and data_biezaca>=? and data_biezaca<=?",
                                {year, entries.settings.BT_PRN_DATA_OD, entries.settings.BT_PRN_DATA_DO});
        while (r.next()) {}
    });
    std::printf("entries report, month %d: bare count and sum %.0f ms\n", month, entriesBare);
    pdfOf(entries, "PRN_BT_DOWODY");
    std::printf("peak RSS %ld MB\n", peakRssMb());
    return 0;
}
