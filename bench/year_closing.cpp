// The year-end closing at scale: a benchmark ledger of --lines N lines in 2025 of company 1
// (the demo base, whose 2026 has the same chart), closed into 2026's opening balance, against
// the bare SQL that does the closing's core work in the same run (the grouped balance of
// every account and currency over the year's counted lines).
//
//   year_closing [--lines N] [--engine sqlite|postgresql|both] [--runs R]
//
// 1,000,000 lines by default; KSIEGA_BENCH_BIG=1 (or --lines 10000000) for ten million.
// PostgreSQL runs when KSIEGA_BENCH_PG (or KSIEGA_TEST_PG) holds a server URL; the data goes
// into a schema of its own that is dropped afterwards. The ledger is built by a child copy of
// this program (--build URL), then measured here, so that the peak memory reported (getrusage
// ru_maxrss, which a process keeps across fork and exec) is the measurement's own and not the
// generator's. The first closing
// writes into an empty 2026; the later runs regenerate it (same lines, replaced).
#include "platform/db/Database.h"
#include "platform/db/demo/DemoCompanies.h"
#include "platform/db/demo/DemoDatabase.h"
#include "platform/db/demo/LedgerGenerator.h"
#include "platform/server/YearClosing.h"
#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QProcess>
#include <QTemporaryDir>
#include <QTextStream>
#include <algorithm>
#include <sys/resource.h>

using namespace ksiega;

namespace {

double peakMb() {
    rusage u{};
    getrusage(RUSAGE_SELF, &u);
    return double(u.ru_maxrss) / 1024.0;   // kilobytes on Linux
}

int64_t yearId(db::Database& db, const QString& name) {
    return db.scalarInt(QStringLiteral("select id_lata_obrot from LATA_OBROTOWE where id_firmy=1 and rok_obrotowy=?"), {name}).value_or(0);
}

// The grouped balance per account, currency and side over the year's counted lines; the
// outer sums keep the server from dropping the inner ones as unused.
// On SQLite a pass over the table is the best plan for reading every line (the account index
// would fetch them in random order).
void bareAggregate(db::Database& db, int64_t year) {
    // The engine chooses the plan: on SQLite the covering account index and a sort of its
    // entries by account and currency, the plain statement of the same work.
    const QString table = QStringLiteral("POZ_DOK");
    for (const char* side : {"wn", "ma"})
        db.scalarInt(QStringLiteral("select count(*) + coalesce(sum(s), 0) + coalesce(sum(sw), 0) from (select konto_%1, waluta, "
                                    "sum(kwota_%1) as s, sum(kwota_%1_w) as sw from %2 where id_firmy=1 and id_lata_obrot=? "
                                    "and konto_%1<>'' and (status=2 or czy_rk=10) group by konto_%1, waluta) g")
                         .arg(QLatin1String(side), table),
                     {year});
}

// The measurement: bare SQL first, then the closing `runs` times.
int measure(const QString& url, int runs) {
    QTextStream out(stdout);
    auto db = db::Database::open(url);
    const int64_t first = yearId(*db, QStringLiteral("2025")), next = yearId(*db, QStringLiteral("2026"));
    const int64_t lines = db->scalarInt(QStringLiteral("select count(*) from POZ_DOK where id_lata_obrot=?"), {first}).value_or(0);
    const double startMb = peakMb();

    double bare = 1e30;
    for (int i = 0; i < std::max(runs, 2); ++i) {
        QElapsedTimer t;
        t.start();
        bareAggregate(*db, first);
        bare = std::min(bare, t.nsecsElapsed() / 1e9);
    }
    const double bareMb = peakMb();

    server::ClosingRequest request;
    request.idFirmy = 1;
    request.idLataObrot = first;
    request.login = QString::fromLatin1(db::demo::kAdminLogin);
    request.userNumber = db->scalarInt(QStringLiteral("select id_uzytkownika from UZYTKOWNICY where login=?"), {request.login}).value_or(1);
    request.today = db->scalarInt(QStringLiteral("select poczatek_roku from LATA_OBROTOWE where id_lata_obrot=?"), {next}).value_or(0);
    std::vector<double> times;
    QString error;
    int64_t written = 0;
    for (int i = 0; i < runs && error.isEmpty(); ++i) {
        QElapsedTimer t;
        t.start();
        try {
            const server::ClosingOutcome o = server::createNextYearOpeningBalance(*db, request);
            times.push_back(t.nsecsElapsed() / 1e9);
            written = 0;
            for (const auto& c : o.currencies) written += c.lines;
        } catch (const std::exception& e) {
            error = QString::fromUtf8(e.what());
        }
    }
    out << "  " << lines << " lines in 2025; bare grouped balance " << QString::number(bare, 'f', 3) << " s (best of "
        << std::max(runs, 2) << ")\n";
    if (times.empty()) {
        out << "  closing: n/a (" << error << ")\n";
    } else {
        const double best = *std::min_element(times.begin(), times.end());
        out << "  closing: first " << QString::number(times.front(), 'f', 3) << " s into an empty 2026";
        if (times.size() > 1) out << ", best regeneration " << QString::number(*std::min_element(times.begin() + 1, times.end()), 'f', 3) << " s";
        out << "; " << written << " opening lines; ratio to bare " << QString::number(best / bare, 'f', 1) << "\n";
    }
    out << "  peak memory (ru_maxrss): " << QString::number(startMb, 'f', 0) << " MB opened, " << QString::number(bareMb, 'f', 0)
        << " MB after the bare SQL, " << QString::number(peakMb(), 'f', 0) << " MB after the closing\n";
    return times.empty() ? 1 : 0;
}

void build(const QString& engine, const QString& url, int64_t lines) {
    QTextStream out(stdout);
    auto db = db::Database::open(url);
    QElapsedTimer t;
    t.start();
    db::demo::buildDemoBase(*db);
    db::demo::LedgerOptions options;
    options.lines = lines;
    options.year = QStringLiteral("2025");
    db::demo::generateLedger(*db, options);
    out << engine << ": ledger of " << lines << " lines built in " << QString::number(t.elapsed() / 1000.0, 'f', 1) << " s\n";
    out.flush();
}

void run(const QString& engine, const QString& url, int64_t lines, int runs) {
    QProcess child;
    child.setProcessChannelMode(QProcess::ForwardedChannels);
    child.start(QCoreApplication::applicationFilePath(),
                {QStringLiteral("--build"), url, QStringLiteral("--lines"), QString::number(lines), QStringLiteral("--engine"), engine});
    child.waitForFinished(-1);
    if (child.exitCode() == 0) measure(url, runs);
}

} // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    int64_t lines = qEnvironmentVariableIntValue("KSIEGA_BENCH_BIG") ? 10000000 : 1000000;
    int runs = 3;
    QString engine = QStringLiteral("both"), buildUrl;
    const QStringList args = app.arguments();
    for (int i = 1; i + 1 < args.size(); i += 2) {
        if (args[i] == QLatin1String("--lines")) lines = args[i + 1].toLongLong();
        else if (args[i] == QLatin1String("--engine")) engine = args[i + 1];
        else if (args[i] == QLatin1String("--runs")) runs = std::max(1, args[i + 1].toInt());
        else if (args[i] == QLatin1String("--build")) buildUrl = args[i + 1];
    }
    if (!buildUrl.isEmpty()) {
        build(engine, buildUrl, lines);
        return 0;
    }

    if (engine == QLatin1String("sqlite") || engine == QLatin1String("both")) {
        QTemporaryDir dir(QDir::tempPath() + QStringLiteral("/year_closing-XXXXXX"));
        run(QStringLiteral("SQLite"), QStringLiteral("sqlite:") + dir.filePath(QStringLiteral("bench.db")), lines, runs);
    }
    const QString pg = qEnvironmentVariable("KSIEGA_BENCH_PG", qEnvironmentVariable("KSIEGA_TEST_PG"));
    if ((engine == QLatin1String("postgresql") || engine == QLatin1String("both")) && !pg.isEmpty()) {
        const QString schema = QStringLiteral("year_closing_%1").arg(QCoreApplication::applicationPid());
        db::Database::open(pg)->executeScript(QStringLiteral("DROP SCHEMA IF EXISTS ") + schema + QStringLiteral(" CASCADE"));
        run(QStringLiteral("PostgreSQL"), pg + (pg.contains(QLatin1Char('?')) ? QStringLiteral("&schema=") : QStringLiteral("?schema=")) + schema,
            lines, runs);
        db::Database::open(pg)->executeScript(QStringLiteral("DROP SCHEMA IF EXISTS ") + schema + QStringLiteral(" CASCADE"));
    }
    return 0;
}
