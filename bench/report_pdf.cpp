// 100,000 synthetic rows laid out into pages and written to PDF: the time of each step
// and the peak resident memory. No database: the rows are made in memory.
//   ./build/bench/report_pdf [rows]
#include "platform/report/Report.h"
#include <QFileInfo>
#include <QGuiApplication>
#include <QTemporaryDir>
#include <chrono>
#include <cstdio>
#include <sys/resource.h>

using namespace ksiega;
using namespace ksiega::report;

namespace {

double seconds(std::chrono::steady_clock::time_point from) {
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - from).count();
}

long peakRssMb() {
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return usage.ru_maxrss / 1024;  // kB on Linux
}

ReportDefinition definition() {
    ReportDefinition def;
    def.name = QStringLiteral("Prn_Bench");
    def.title = QStringLiteral("Zestawienie próbne");
    def.heading = {QStringLiteral("Hurtownia Łódź Sp. z o.o.")};
    def.description = {QStringLiteral("Waluta: PLN")};
    def.columns = {Column::text(QStringLiteral("Lp."), 1, Align::Right), Column::text(QStringLiteral("Opis"), 4),
                   Column::money(QStringLiteral("Obroty\nDt"), 2), Column::money(QStringLiteral("Obroty\nCt"), 2),
                   Column::money(QStringLiteral("Saldo\nDt"), 2, Carried | FinalTotal, TotalMode::LastValue),
                   Column::money(QStringLiteral("Saldo\nCt"), 2, Carried | FinalTotal, TotalMode::LastValue)};
    return def;
}

} // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    const int rows = argc > 1 ? std::atoi(argv[1]) : 100000;

    auto start = std::chrono::steady_clock::now();
    const RunResult result = layoutReport(definition(), [rows](RowSink& sink) {
        Money balance;
        for (int n = 1; n <= rows; ++n) {
            const Money dt = Money::fromMinor(int64_t(n % 977) * 1013), ct = Money::fromMinor(int64_t(n % 313) * 701);
            balance += dt - ct;
            const Balance b = Balance::of(balance, Money());
            sink.add({QString::number(n), QStringLiteral("Dokument %1 sprzedaż żółć").arg(n), dt, ct, b.dt, b.ct});
        }
    });
    const double layoutSeconds = seconds(start);
    const long layoutRss = peakRssMb();

    QTemporaryDir dir;
    const QString file = dir.filePath(QStringLiteral("bench.pdf"));
    start = std::chrono::steady_clock::now();
    const bool written = writePdf(result.document, file);
    const double pdfSeconds = seconds(start);

    std::printf("rows %d, pages %zu\n", rows, result.document.pages.size());
    std::printf("layout     %.2f s (peak RSS after layout %ld MB)\n", layoutSeconds, layoutRss);
    std::printf("pdf        %.2f s, %s, %.1f MB\n", pdfSeconds, written ? "written" : "FAILED",
                QFileInfo(file).size() / 1048576.0);
    std::printf("peak RSS   %ld MB\n", peakRssMb());
    return written ? 0 : 1;
}
