// Loading speed of the benchmark ledger (ksiega demo --lines): lines per second on SQLite
// and, when KSIEGA_TEST_PG holds a server URL, on PostgreSQL. Bulk load, index build,
// ANALYZE and the turnover recompute are all counted.
//   demo_ledger_load --benchmark_filter=Sqlite/1000000
#include "platform/db/demo/DemoDatabase.h"
#include "platform/db/demo/DemoTarget.h"
#include "platform/db/demo/LedgerGenerator.h"
#include <QCoreApplication>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

using namespace ksiega;

static void load(benchmark::State& state, const QString& url) {
    for (auto _ : state) {
        state.PauseTiming();
        db::demo::DemoTarget target(url, true);
        auto* db = &target.db();
        db::demo::buildDemoBase(*db);
        state.ResumeTiming();
        db::demo::LedgerOptions o;
        o.lines = state.range(0);
        o.seed = 42;
        const auto r = db::demo::generateLedger(*db, o);
        state.counters["load_s"] = r.loadSeconds;
        state.counters["index_s"] = r.indexSeconds;
        state.counters["turnovers_s"] = r.turnoverSeconds;
    }
    state.SetItemsProcessed(state.iterations() * state.range(0));
}

static void Sqlite(benchmark::State& state) {
    QTemporaryDir dir;
    load(state, "sqlite:" + dir.filePath("ledger.db"));
}

static void Postgres(benchmark::State& state) {
    if (qEnvironmentVariableIsEmpty("KSIEGA_TEST_PG")) {
        state.SkipWithError("KSIEGA_TEST_PG is not set");
        return;
    }
    const QString base = qEnvironmentVariable("KSIEGA_TEST_PG");
    load(state, base + (base.contains('?') ? "&" : "?") + "schema=bench_ledger");
}

BENCHMARK(Sqlite)->Arg(100000)->Arg(1000000)->Iterations(1)->Unit(benchmark::kSecond);
BENCHMARK(Postgres)->Arg(100000)->Arg(1000000)->Iterations(1)->Unit(benchmark::kSecond);

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
