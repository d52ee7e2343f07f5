// An entry listing of the demo ledger (about 100,000 listed lines) laid out and written
// to PDF: the time of each step and the peak resident memory. SQLite in a temporary file,
// or PostgreSQL when KSIEGA_BENCH_PG holds a server URL.
//   [KSIEGA_BENCH_PG=URL] ./build/bench/ledger_listing_pdf [generated lines, default 50000: two listed per line]
#include "platform/db/demo/DemoDatabase.h"
#include "platform/db/demo/DemoTarget.h"
#include "platform/db/demo/LedgerGenerator.h"
#include "platform/report/PdfWriter.h"
#include "platform/siblings/ledgerprint/LedgerListing.h"
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
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return usage.ru_maxrss / 1024;
}

} // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    const int lines = argc > 1 ? std::atoi(argv[1]) : 50000;

    QTemporaryDir dir;
    // KSIEGA_BENCH_PG names a PostgreSQL server: the ledger goes into a schema of its own there.
    const QString pg = qEnvironmentVariable("KSIEGA_BENCH_PG");
    QString url = "sqlite:" + dir.filePath("ledger.db");
    if (!pg.isEmpty()) {
        const QString schema = QStringLiteral("bench_listing_%1").arg(QCoreApplication::applicationPid());
        db::Database::open(pg)->executeScript("DROP SCHEMA IF EXISTS " + schema + " CASCADE");
        url = pg + (pg.contains('?') ? "&schema=" : "?schema=") + schema;
    }
    db::demo::DemoTarget target(url, true);
    auto* db = &target.db();
    db::demo::buildDemoBase(*db);
    db::demo::LedgerOptions o;
    o.lines = lines;
    o.seed = 42;
    db::demo::generateLedger(*db, o);
    const long loadRss = peakRssMb();

    // The company and year with the most lines, listed whole.
    auto top = db->select("select id_firmy, id_lata_obrot, count(*) from POZ_DOK_VIEW_UNION "
                          "group by id_firmy, id_lata_obrot order by 3 desc limit 1");
    if (!top.next()) return 1;
    ledgerprint::ListingJob job;
    job.company = top.int64(0);
    job.fiscalYear = top.int64(1);
    const long long listed = top.int64(2);
    job.params = QStringLiteral("61,0,0,0,0,Okres obrotowy: Wszystkie");
    job.filter = QString();
    job.heading = QStringLiteral("Zestawienie zapisów księgowych w okresie");

    auto start = std::chrono::steady_clock::now();
    const report::RunResult r = ledgerprint::layoutListing(job, *db);
    const double layoutSeconds = seconds(start);
    const long layoutRss = peakRssMb();

    start = std::chrono::steady_clock::now();
    const QString pdf = dir.filePath("listing.pdf");
    const bool ok = report::writePdf(r.document, pdf, 150);
    const double pdfSeconds = seconds(start);

    std::printf("listed lines %lld, pages %zu\n", listed, r.document.pages.size());
    std::printf("layout %.2f s (peak RSS %ld MB; after load %ld MB)\n", layoutSeconds, layoutRss, loadRss);
    std::printf("pdf %.2f s, %lld kB, ok=%d (peak RSS %ld MB)\n", pdfSeconds, QFileInfo(pdf).size() / 1024, ok ? 1 : 0,
                peakRssMb());
    return ok ? 0 : 1;
}
