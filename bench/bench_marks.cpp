// Storing "all marked" for 1,000,000 ledger-entry rows (500,000 lines with both sides)
// into ZAZNACZENIE, on SQLite and, when KSIEGA_BENCH_PG (or KSIEGA_TEST_PG) holds a
// PostgreSQL URL, on PostgreSQL in a schema of its own. Also the flag-clear path: the
// same number of ids marked one by one and loaded in bulk. Goal: 2 million ids a second.
#include "frame/marks/SelectionStore.h"
#include "platform/db/Schema.h"
#include "platform/runtime/Date.h"
#include "platform/runtime/FilterExpression.h"
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

using namespace ksiega;

namespace {

constexpr int kLines = 500000;   // two view rows each

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
        qint64 deleted = 0, inserted = 0;
        const marks::StoreOutcome out = marks::storeMarks(*b.db, m, req, [&](int p) {
            if (p == 5) deleted = clock.nsecsElapsed();
            if (p == 80) inserted = clock.nsecsElapsed();
            return true;
        });
        if (!out.ok) { state.SkipWithError(out.error.toStdString().c_str()); return; }
        stored = out.stored;
        deleteSeconds += deleted / 1e9;
        insertSeconds += (inserted - deleted) / 1e9;
    }
    state.SetItemsProcessed(state.iterations() * stored);
    state.counters["ids"] = double(stored);
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
        const marks::StoreOutcome out = marks::storeMarks(*b.db, m, req);
        if (!out.ok) { state.SkipWithError(out.error.toStdString().c_str()); return; }
        stored = out.stored;
    }
    state.SetItemsProcessed(state.iterations() * stored);
    state.counters["ids"] = double(stored);
}

} // namespace

// Argument: 0 SQLite, 1 PostgreSQL. Each store replaces the previous one of the same
// user, so every iteration deletes 1,000,000 rows and writes them again.
BENCHMARK(storeAllMarked)->Arg(0)->Arg(1)->Iterations(3)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(storeMarkedOneByOne)->Arg(0)->Arg(1)->Iterations(3)->Unit(benchmark::kMillisecond)->UseRealTime();

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
