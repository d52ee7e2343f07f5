// Whole-year turnover recompute at scale, against a bare GROUP BY over the same lines.
//
//   bench_recompute [--lines N] [--engine sqlite|postgresql|both] [--repeat R] [--keep NAME]
//
// PostgreSQL runs when KSIEGA_BENCH_PG (or KSIEGA_TEST_PG) holds a server URL; the data
// goes into a schema of its own that is dropped afterwards. Generated ledger: 2 000
// posted accounts on three levels under 40 synthetic accounts (one of them two-balance),
// 13 periods (BO and twelve months), 5 % unposted, 20 lines per document except the one
// opening-balance document, which holds every line of the BO period. The first four
// synthetic accounts are currency accounts: 60 % of their lines are in EUR or USD; every
// other account is kept in PLN.
#include "platform/db/Database.h"
#include "platform/db/Schema.h"
#include "platform/runtime/Date.h"
#include "platform/server/Turnovers.h"
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QTemporaryDir>
#include <QTextStream>
#include <algorithm>
#include <random>
#include <sys/resource.h>

using namespace ksiega;

namespace {

constexpr int kSynthetic = 40, kSecond = 5, kCards = 10;   // 40 * 5 * 10 = 2000 posted accounts

QString leaf(int n) {
    const int s = n / (kSecond * kCards), a = (n / kCards) % kSecond, c = n % kCards;
    return QStringLiteral("%1-%2-%3").arg(200 + s).arg(a + 1, 2, 10, QChar('0')).arg(c + 1, 3, 10, QChar('0'));
}

void generate(db::Database& db, int64_t lines) {
    db::Transaction tx(db);
    db.execute("insert into FIRMA (id_firmy, nazwa) values (1, 'Bench')");
    db.execute("insert into LATA_OBROTOWE (id_lata_obrot, id_firmy, rok_obrotowy, poczatek_roku, koniec_roku) values (1, 1, '2026', ?, ?)",
               {date::fromYmd(2026, 1, 1), date::fromYmd(2026, 12, 31)});
    for (int s = 0; s < kSynthetic; ++s) {
        db.execute("insert into KONTA_SYNT (id_firmy, id_lata_obrot, nr_konta_syn, nazwa, czy_dwusaldowe) values (1, 1, ?, 'S', ?)",
                   {200 + s, s == 34 ? 1 : 0});
        db.execute("insert into WARTOSCI_KONT (id_firmy, id_lata_obrot, nr_konta, nr_konta_syn, czy_analityka) values (1, 1, ?, ?, 0)",
                   {QString::number(200 + s), 200 + s});
    }
    for (int n = 0; n < kSynthetic * kSecond * kCards; ++n)
        db.execute("insert into WARTOSCI_KONT (id_firmy, id_lata_obrot, nr_konta, nr_konta_syn, poziom) values (1, 1, ?, ?, 2)",
                   {leaf(n), 200 + n / (kSecond * kCards)});

    std::vector<int> periods{date::fromYmd(2026, 1, 1)};
    for (int m = 1; m <= 12; ++m) periods.push_back(date::monthPeriod(2026, m));
    std::mt19937_64 random(42);
    const int64_t documents = (lines + 19) / 20;
    {
        auto headers = db.bulkInsert("NAG_DOK", {"id_nag_dok", "id_firmy", "id_lata_obrot", "data_okresu", "status", "czy_rk"});
        for (int64_t d = 1; d <= documents; ++d) {
            const int p = int(d * 13 / (documents + 1));
            headers->add({d, 1, 1, periods[p], random() % 20 == 0 ? 1 : 2, d == 1 ? 10 : 0});
        }
        headers->finish();
    }
    auto writer = db.bulkInsert("POZ_DOK", {"id_nag_dok", "id_firmy", "id_lata_obrot", "konto_wn", "konto_ma", "kwota_wn",
                                            "kwota_ma", "kwota_wn_w", "kwota_ma_w", "waluta", "data_okresu", "status", "czy_rk"});
    const int accounts = kSynthetic * kSecond * kCards;
    random.seed(42);
    for (int64_t i = 0; i < lines; ++i) {
        const int64_t d = i / 20 + 1;
        const int p = int(d * 13 / (documents + 1));
        const int64_t status = random() % 20 == 0 ? 1 : 2;
        const int64_t amount = int64_t(random() % 1000000) + 1;
        const int dt = int(random() % accounts), r = int(random() % 100);
        const bool currencyAccount = dt < 4 * kSecond * kCards;
        const QString waluta = !currencyAccount || r < 40 ? QString() : r < 80 ? QStringLiteral("EUR") : QStringLiteral("USD");
        const int64_t currency = waluta.isEmpty() ? 0 : amount / 4;
        writer->add({p == 0 ? 1 : d, 1, 1, leaf(dt), leaf(int(random() % accounts)), amount, amount, currency, currency, waluta, periods[p],
                     status, p == 0 ? 10 : 0});
    }
    writer->finish();
    tx.commit();
    db.analyze();
}

double cpuSeconds() {
    rusage u{};
    getrusage(RUSAGE_SELF, &u);
    return u.ru_utime.tv_sec + u.ru_stime.tv_sec + (u.ru_utime.tv_usec + u.ru_stime.tv_usec) / 1e6;
}

// Best of `repeat` runs: wall-clock seconds, and this process's CPU seconds (which is the
// whole work on SQLite, and stays meaningful on a machine shared with other jobs).
struct Timing {
    double wall = 1e30, cpu = 1e30;
};

Timing seconds(const std::function<void()>& work, int repeat) {
    Timing best;
    for (int i = 0; i < repeat; ++i) {
        QElapsedTimer t;
        t.start();
        const double c = cpuSeconds();
        work();
        best.wall = std::min(best.wall, t.nsecsElapsed() / 1e9);
        best.cpu = std::min(best.cpu, cpuSeconds() - c);
    }
    return best;
}

void run(const QString& engine, const QString& url, int64_t lines, int repeat) {
    QTextStream out(stdout);
    auto db = db::Database::open(url);
    // A kept database (--keep) is measured again as it is.
    int64_t kept = 0;
    try {
        kept = db->scalarInt("select count(*) from POZ_DOK").value_or(0);
    } catch (const db::DbError&) {
    }
    if (kept == 0) {
        db::createSchema(*db);
        QElapsedTimer t;
        t.start();
        generate(*db, lines);
        out << engine << ": " << lines << " lines generated in " << t.elapsed() / 1000.0 << " s\n";
    } else {
        lines = kept;
        out << engine << ": " << lines << " lines kept from an earlier run\n";
    }
    out.flush();

    // The best plan for reading every line: a pass over the table (on SQLite the account
    // index would fetch the lines in random order).
    const QString table = engine == "SQLite" ? QStringLiteral("POZ_DOK not indexed") : QStringLiteral("POZ_DOK");
    const Timing bare = seconds(
        [&] {
            for (const char* side : {"wn", "ma"})
                // The outer sums keep the server from dropping the inner ones as unused.
                db->scalarInt(QStringLiteral("select count(*) + sum(s) + sum(sw) from (select konto_%1, waluta, data_okresu, "
                                             "sum(kwota_%1) as s, sum(kwota_%1_w) as sw from %2 where id_firmy=1 and "
                                             "id_lata_obrot=1 and konto_%1<>'' group by konto_%1, waluta, data_okresu) g")
                                  .arg(QLatin1String(side), table));
        },
        repeat);
    // First into an empty OBROTY_I_SALDA (every row written), then again over unchanged
    // lines (the figures found as they are): best of `repeat` each.
    auto recompute = [&] { server::UZUPELNIJ_OBROTY_Z_DOKUMENTOW(*db, 1, 1, 0); };
    Timing first;
    for (int i = 0; i < repeat; ++i) {
        db->execute("delete from OBROTY_I_SALDA");
        const Timing t = seconds(recompute, 1);
        first.wall = std::min(first.wall, t.wall);
        first.cpu = std::min(first.cpu, t.cpu);
    }
    const Timing again = seconds(recompute, repeat);
    const auto rows = db->scalarInt("select count(*) from OBROTY_I_SALDA");
    out << engine << ": bare GROUP BY " << bare.wall << " s (cpu " << bare.cpu << " s); " << rows.value_or(0)
        << " rows of OBROTY_I_SALDA\n";
    for (const auto& [name, t] : {std::pair{"into an empty table", first}, std::pair{"again, unchanged", again}}) {
        out << "  recompute " << name << ": " << t.wall << " s (cpu " << t.cpu << " s), ratio " << t.wall / bare.wall << " wall";
        if (engine == "SQLite") out << ", " << t.cpu / bare.cpu << " cpu";
        out << "\n";
    }
    out.flush();
}

} // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    int64_t lines = 1000000;
    int repeat = 2;
    QString engine = QStringLiteral("both");
    QString keep;   // --keep NAME: the data stays in /tmp/NAME.db and in schema NAME, and is reused
    const QStringList args = app.arguments();
    for (int i = 1; i + 1 < args.size(); i += 2) {
        if (args[i] == "--lines") lines = args[i + 1].toLongLong();
        else if (args[i] == "--engine") engine = args[i + 1];
        else if (args[i] == "--repeat") repeat = args[i + 1].toInt();
        else if (args[i] == "--keep") keep = args[i + 1].toLower();
    }
    if (engine == "sqlite" || engine == "both") {
        QTemporaryDir dir(QDir::tempPath() + "/bench_recompute-XXXXXX");
        run("SQLite", "sqlite:" + (keep.isEmpty() ? dir.filePath("bench.db") : QDir::tempPath() + "/" + keep + ".db"), lines, repeat);
    }
    QString pg = qEnvironmentVariable("KSIEGA_BENCH_PG", qEnvironmentVariable("KSIEGA_TEST_PG"));
    if ((engine == "postgresql" || engine == "both") && !pg.isEmpty()) {
        const QString schema = keep.isEmpty() ? QStringLiteral("bench_recompute_%1").arg(QCoreApplication::applicationPid()) : keep;
        if (keep.isEmpty()) db::Database::open(pg)->executeScript("DROP SCHEMA IF EXISTS " + schema + " CASCADE");
        run("PostgreSQL", pg + (pg.contains('?') ? "&schema=" : "?schema=") + schema, lines, repeat);
        if (keep.isEmpty()) db::Database::open(pg)->executeScript("DROP SCHEMA IF EXISTS " + schema + " CASCADE");
    }
    return 0;
}
