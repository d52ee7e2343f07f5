// Storing "all marked" for 1,000,000 ledger-entry rows (500,000 lines with both sides)
// into ZAZNACZENIE, on SQLite and, when KSIEGA_BENCH_PG (or KSIEGA_TEST_PG) holds a
// PostgreSQL URL, on PostgreSQL in a schema of its own. Also the flag-clear path: the
// same number of ids marked one by one and loaded in bulk. Goal: 1 million ids a second.
// Beside each store, the bare SQL doing the same work in the same run: the list's ids
// written by the engine into a table without key or index (CREATE TEMP TABLE ... AS SELECT
// for "all marked", the bulk writer for the ids marked one by one); the summary at the end
// gives the medians, ids per second and the ratio.
//
// On a demo ledger (`ksiega demo --lines N`, company 1, 2026) the store the way "Księga
// główna" makes it: "Zaznacz wszystko" on an account prefix and the store of its marks,
// beside the bare INSERT ... SELECT of the same ids into a keyed table:
//   bench_marks --ledger sqlite:/tmp/x.db|postgresql://... [--prefix 201] [--runs 3]
#include "CpuClock.h"
#include "DemoYear.h"
#include "MedianTime.h"
#include "frame/SessionContext.h"
#include "ledger/accounts/LedgerEntriesController.h"
#include "platform/db/EntryRowId.h"
#include "frame/marks/SelectionStore.h"
#include "platform/db/Schema.h"
#include "platform/runtime/Date.h"
#include "platform/runtime/FilterExpression.h"
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>
#include <algorithm>
#include <cstdio>
#include <map>
#include <string>

using namespace ksiega;

namespace {

constexpr int kLines = 500000;   // two view rows each

// Seconds of every timed store and bare statement, by measure and engine, for the summary.
std::map<std::string, std::vector<double>>& timings() {
    static std::map<std::string, std::vector<double>> t;
    return t;
}
std::map<std::string, std::vector<double>>& cpuTimes() {
    static std::map<std::string, std::vector<double>> t;
    return t;
}
std::map<std::string, int64_t>& idCounts() {
    static std::map<std::string, int64_t> c;
    return c;
}

double medianOf(std::vector<double> v) {
    std::sort(v.begin(), v.end());
    return v.empty() ? 0 : v[v.size() / 2];
}

std::string key(const char* measure, bool pg) { return std::string(measure) + (pg ? " PostgreSQL" : " SQLite"); }

struct BenchDb {
    std::unique_ptr<QTemporaryDir> dir;
    QString pgBase, pgSchema;
    std::unique_ptr<db::Database> db;
    int64_t year = 0;
    int64_t firstId = 0;

    ~BenchDb() {
        db.reset();
        if (!pgSchema.isEmpty())
            db::Database::open(pgBase)->executeScript("DROP SCHEMA IF EXISTS " + pgSchema + " CASCADE");
    }
};

void fill(BenchDb& b) {
    db::Database& db = *b.db;
    db::createSchema(db);
    const int64_t company = db.insertReturningId("insert into FIRMA (nazwa) values ('Bench') returning id_firmy");
    b.year = db.insertReturningId(
        "insert into LATA_OBROTOWE (id_firmy, rok_obrotowy, poczatek_roku, koniec_roku) values (?,'2026',?,?) returning id_lata_obrot",
        {company, date::fromYmd(2026, 1, 1), date::fromYmd(2026, 12, 31)});
    const int64_t doc = db.insertReturningId(
        "insert into NAG_DOK (id_firmy, id_lata_obrot, status) values (?,?,2) returning id_nag_dok", {company, b.year});
    db::Transaction tx(db);
    auto w = db.bulkInsert("POZ_DOK", {"id_nag_dok", "id_firmy", "id_lata_obrot", "lp", "konto_wn", "konto_ma", "kwota_wn", "kwota_ma", "status"});
    for (int i = 0; i < kLines; ++i)
        w->add({doc, company, b.year, i, "201-01", "202-01", 100, 100, 2});
    w->finish();
    tx.commit();
    db.analyze();
    b.firstId = *db.scalarInt("select min(id_dokument_pozycja) from POZ_DOK_VIEW_UNION");
}

BenchDb& database(bool postgres) {
    static std::unique_ptr<BenchDb> sqlite, pg;
    std::unique_ptr<BenchDb>& slot = postgres ? pg : sqlite;
    if (!slot) {
        slot = std::make_unique<BenchDb>();
        if (postgres) {
            slot->pgBase = qEnvironmentVariable("KSIEGA_BENCH_PG", qEnvironmentVariable("KSIEGA_TEST_PG"));
            slot->pgSchema = QStringLiteral("bench_marks_%1").arg(QCoreApplication::applicationPid());
            db::Database::open(slot->pgBase)->executeScript("DROP SCHEMA IF EXISTS " + slot->pgSchema + " CASCADE");
            slot->db = db::Database::open(slot->pgBase + (slot->pgBase.contains('?') ? "&schema=" : "?schema=") + slot->pgSchema);
        } else {
            slot->dir = std::make_unique<QTemporaryDir>();
            slot->db = db::Database::open("sqlite:" + slot->dir->filePath("bench.db"));
        }
        fill(*slot);
    }
    return *slot;
}

bool postgresWanted(benchmark::State& state) {
    if (state.range(0) == 0) return false;
    if (qEnvironmentVariableIsEmpty("KSIEGA_BENCH_PG") && qEnvironmentVariableIsEmpty("KSIEGA_TEST_PG")) {
        state.SkipWithError("no PostgreSQL URL (KSIEGA_BENCH_PG)");
    }
    return true;
}

void storeAllMarked(benchmark::State& state) {
    const bool pg = postgresWanted(state);
    if (state.error_occurred()) return;
    BenchDb& b = database(pg);
    marks::MarksList m;
    m.markAll();
    m.toggle(b.firstId + 10);                    // one row unmarked by hand
    marks::StoreRequest req;
    req.user = 3;
    req.view = "POZ_DOK_VIEW_UNION";
    req.filter = fieldEquals("PDU:id_lata_obrot", b.year);
    int64_t stored = 0;
    double deleteSeconds = 0, insertSeconds = 0;
    for (auto _ : state) {
        // Phases from the progress reports: 5 = old rows deleted, 80 = new rows inserted.
        QElapsedTimer clock;
        clock.start();
        const bench::CpuClock cpu(*b.db);
        qint64 deleted = 0, inserted = 0;
        const marks::StoreOutcome out = marks::storeMarks(*b.db, m, req, [&](int p) {
            if (p == 5) deleted = clock.nsecsElapsed();
            if (p == 80) inserted = clock.nsecsElapsed();
            return true;
        });
        if (!out.ok) { state.SkipWithError(out.error.toStdString().c_str()); return; }
        stored = out.stored;
        timings()[key("all marked", pg)].push_back(double(clock.nsecsElapsed()) / 1e9);
        cpuTimes()[key("all marked", pg)].push_back(cpu.seconds());
        deleteSeconds += deleted / 1e9;
        insertSeconds += (inserted - deleted) / 1e9;
    }
    state.SetItemsProcessed(state.iterations() * stored);
    state.counters["ids"] = double(stored);
    idCounts()[key("all marked", pg)] = stored;
    state.counters["delete_s"] = deleteSeconds / double(state.iterations());
    state.counters["insert_s"] = insertSeconds / double(state.iterations());
}

void storeMarkedOneByOne(benchmark::State& state) {
    const bool pg = postgresWanted(state);
    if (state.error_occurred()) return;
    BenchDb& b = database(pg);
    marks::MarksList m;
    m.reserve(2 * kLines);
    for (int64_t i = 0; i < 2 * kLines; ++i) m.set(b.firstId + i, true);
    marks::StoreRequest req;
    req.user = 4;
    int64_t stored = 0;
    for (auto _ : state) {
        QElapsedTimer clock;
        clock.start();
        const bench::CpuClock cpu(*b.db);
        const marks::StoreOutcome out = marks::storeMarks(*b.db, m, req);
        if (!out.ok) { state.SkipWithError(out.error.toStdString().c_str()); return; }
        stored = out.stored;
        timings()[key("one by one", pg)].push_back(double(clock.nsecsElapsed()) / 1e9);
        cpuTimes()[key("one by one", pg)].push_back(cpu.seconds());
    }
    idCounts()[key("one by one", pg)] = stored;
    state.SetItemsProcessed(state.iterations() * stored);
    state.counters["ids"] = double(stored);
}

// The bare work of "all marked": the same ids of the same list query into a table without
// key or index, in one transaction.
void bareAllMarked(benchmark::State& state) {
    const bool pg = postgresWanted(state);
    if (state.error_occurred()) return;
    BenchDb& b = database(pg);
    FilterRules rules;
    rules.scope.user = 3;
    const FilterTranslation t = translateFilter(fieldEquals("PDU:id_lata_obrot", b.year), rules);
    for (auto _ : state) {
        QElapsedTimer clock;
        clock.start();
        const bench::CpuClock cpu(*b.db);
        db::Transaction tx(*b.db);
        b.db->executeScript(QStringLiteral("CREATE %1 TABLE bare_marks AS SELECT 40 AS id_browsera, 3 AS id_uzytkownika, "
                                           "id_dokument_pozycja AS id_elementu FROM POZ_DOK_VIEW_UNION WHERE %2")
                                .arg(pg ? "UNLOGGED" : "", t.where));
        b.db->executeScript(QStringLiteral("DROP TABLE bare_marks"));
        tx.commit();
        timings()[key("bare all marked", pg)].push_back(double(clock.nsecsElapsed()) / 1e9);
        cpuTimes()[key("bare all marked", pg)].push_back(cpu.seconds());
    }
}

// The bare work of the ids marked one by one: the same ids through the bulk writer into a
// table without key or index.
void bareMarkedOneByOne(benchmark::State& state) {
    const bool pg = postgresWanted(state);
    if (state.error_occurred()) return;
    BenchDb& b = database(pg);
    for (auto _ : state) {
        QElapsedTimer clock;
        clock.start();
        const bench::CpuClock cpu(*b.db);
        db::Transaction tx(*b.db);
        b.db->executeScript(QStringLiteral("CREATE %1 TABLE bare_marks (id_browsera INTEGER, id_uzytkownika BIGINT, id_elementu BIGINT)")
                                .arg(pg ? "UNLOGGED" : ""));
        auto w = b.db->bulkInsert("bare_marks", {"id_browsera", "id_uzytkownika", "id_elementu"});
        db::Params row{int64_t(40), int64_t(4), int64_t(0)};
        for (int64_t i = 0; i < 2 * kLines; ++i) {
            row[2] = b.firstId + i;
            w->add(row);
        }
        w->finish();
        w.reset();
        b.db->executeScript("DROP TABLE bare_marks");
        tx.commit();
        timings()[key("bare one by one", pg)].push_back(double(clock.nsecsElapsed()) / 1e9);
        cpuTimes()[key("bare one by one", pg)].push_back(cpu.seconds());
    }
}

void printSummary() {
    // Wall clock and CPU (this process and, on PostgreSQL, the server process of the connection).
    std::printf("\n%-24s %9s %9s %6s %12s | %9s %9s %6s %12s\n", "measure", "ours ms", "bare ms", "ratio", "ours ids/s", "ours CPU",
                "bare CPU", "ratio", "ids/CPU s");
    for (const char* measure : {"all marked", "one by one"})
        for (bool pg : {false, true}) {
            const auto ours = timings().find(key(measure, pg));
            const auto bare = timings().find("bare " + key(measure, pg));
            if (ours == timings().end() || bare == timings().end()) continue;
            const double o = medianOf(ours->second), b = medianOf(bare->second);
            const double oc = medianOf(cpuTimes()[key(measure, pg)]), bc = medianOf(cpuTimes()["bare " + key(measure, pg)]);
            const double ids = double(idCounts()[key(measure, pg)]);
            std::printf("%-24s %9.0f %9.0f %6.2f %12.0f | %9.0f %9.0f %6.2f %12.0f\n", key(measure, pg).c_str(), o * 1000, b * 1000,
                        o / b, ids / o, oc * 1000, bc * 1000, oc / bc, ids / oc);
        }
}

// The ledger's prefix list: mark all, store; the bare SQL inserts the same ids (both sides of
// the year's posted lines on the prefix) into a keyed temporary table.
int ledgerStore(const QStringList& args) {
    auto option = [&](const char* name, const QString& fallback) {
        const int i = int(args.indexOf(QLatin1String(name)));
        return i > 0 && i + 1 < args.size() ? args[i + 1] : fallback;
    };
    const QString url = option("--ledger", QString()), prefixText = option("--prefix", "201");
    const int runs = option("--runs", "3").toInt();
    auto db = db::Database::open(url);
    const bench::DemoYear y = bench::demoYear(*db);
    SessionContext s;
    bench::openDemoSession(s, y);
    ledger::LedgerEntriesController list(*db, s);
    list.setAccount(prefixText, false);
    list.rebuild();
    {
        FilterRules rules;
        rules.scope.user = 1;
        std::printf("filter: %s\nSQL: %s\n", qPrintable(list.filter()), qPrintable(translateFilter(list.filter(), rules).where));
    }
    const db::Params params{y.id, prefixText + QLatin1Char('%'), y.id, prefixText + QLatin1Char('%')};
    const int64_t ids = db->scalarInt(QStringLiteral("select count(*) from POZ_DOK where id_lata_obrot=? and konto_wn like ? and status=2 and "
                                                     "czy_rk<>10") , {y.id, prefixText + QLatin1Char('%')}).value_or(0) +
                        db->scalarInt(QStringLiteral("select count(*) from POZ_DOK where id_lata_obrot=? and konto_ma like ? and status=2 and "
                                                     "czy_rk<>10"), {y.id, prefixText + QLatin1Char('%')}).value_or(0);
    std::vector<double> cpu;
    int64_t stored = 0;
    const double ours = bench::medianMs(runs, [&] {
        list.unmarkAll();
        list.markAll();
        const bench::CpuClock clock(*db);
        stored = list.storeMarks().stored;
        cpu.push_back(clock.seconds());
    });
    list.unmarkAll();
    list.storeMarks();
    db->execute(QStringLiteral("create temporary table BENCH_IDS (id BIGINT PRIMARY KEY)"));
    const QString bareSql = bench::bareMarkedIdsInsert(QStringLiteral("BENCH_IDS"));
    std::vector<double> bareCpu;
    const double bare = bench::medianMs(runs, [&] {
        const bench::CpuClock clock(*db);
        db::Transaction tx(*db);
        db->execute(QStringLiteral("delete from BENCH_IDS"));
        db->execute(bareSql, params);
        tx.commit();
        bareCpu.push_back(clock.seconds());
    });
    db->execute(QStringLiteral("drop table BENCH_IDS"));
    std::printf("prefix %s: %lld ids (stored %lld); ours %.0f ms = %.0f ids/s (CPU %.0f ms), bare %.0f ms = %.0f ids/s (CPU %.0f ms), "
                "ratio %.2f\n",
                qPrintable(prefixText), qlonglong(ids), qlonglong(stored), ours, ids / (ours / 1000), medianOf(cpu) * 1000, bare,
                ids / (bare / 1000), medianOf(bareCpu) * 1000, ours / bare);
    return stored == ids ? 0 : 1;
}

} // namespace

// Argument: 0 SQLite, 1 PostgreSQL. Each store replaces the previous one of the same
// user, so every iteration deletes 1,000,000 rows and writes them again.
BENCHMARK(storeAllMarked)->Arg(0)->Arg(1)->Iterations(3)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(storeMarkedOneByOne)->Arg(0)->Arg(1)->Iterations(3)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(bareAllMarked)->Arg(0)->Arg(1)->Iterations(3)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(bareMarkedOneByOne)->Arg(0)->Arg(1)->Iterations(3)->Unit(benchmark::kMillisecond)->UseRealTime();

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    if (argc > 1 && QByteArray(argv[1]) == "--ledger") return ledgerStore(app.arguments());
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    printSummary();
    return 0;
}
