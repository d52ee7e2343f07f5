// The paged list at scale: the first page, a page after a locator seek, the last page and
// the next page downwards, on a table of 1,000,000 rows (SQLite; PostgreSQL too when
// KSIEGA_TEST_PG holds a server URL). Rows are loaded once per engine.
#include "platform/db/Database.h"
#include "platform/ui/list/PagedListModel.h"
#include <QCoreApplication>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>
#include <memory>

using namespace ksiega;
using namespace ksiega::ui;

namespace {

constexpr int64_t kRows = 1000000;

void load(db::Database& db) {
    db.executeScript(QStringLiteral(
        "CREATE TABLE BENCH_LISTA (id BIGINT PRIMARY KEY, id_firmy BIGINT NOT NULL, nazwa VARCHAR(20) NOT NULL,"
        " kwota BIGINT NOT NULL, data INTEGER NOT NULL);"
        "CREATE INDEX BENCH_LISTA_NAZWA ON BENCH_LISTA (id_firmy, nazwa, id);"
        "CREATE INDEX BENCH_LISTA_DATA ON BENCH_LISTA (id_firmy, data, id);"));
    db::Transaction tx(db);
    auto w = db.bulkInsert(QStringLiteral("BENCH_LISTA"), {"id", "id_firmy", "nazwa", "kwota", "data"});
    for (int64_t i = 1; i <= kRows; ++i)
        w->add({qint64(i), 1, QStringLiteral("N%1").arg(i % 50000, 6, 10, QLatin1Char('0')),
                qint64((i * 7919) % 1000003), 40000 + int(i % 365)});
    w->finish();
    tx.commit();
    db.analyze();
}

ListQuery query() {
    ListQuery q;
    q.source = QStringLiteral("BENCH_LISTA");
    q.columns = {{"nazwa", "Nazwa", ColumnKind::Text, 20},
                 {"kwota", "Kwota", ColumnKind::Money, 14},
                 {"data", "Data", ColumnKind::Date, 10}};
    q.sort = SortOrder::ascending(QStringLiteral("Nazwa"), {"nazwa"});
    q.ranges = {{"id_firmy", 1}};
    return q;
}

struct Engine {
    std::unique_ptr<db::Database> db;
    std::unique_ptr<PagedListModel> model;
};

void firstPage(benchmark::State& state, Engine* e) {
    for (auto _ : state) {
        e->model->toFirst();
        benchmark::DoNotOptimize(e->model->heldRows());
    }
}

void pageAfterSeek(benchmark::State& state, Engine* e) {
    int n = 0;
    for (auto _ : state) {
        const int row = e->model->locate(QStringLiteral("N%1").arg(1000 + (n++ * 7919) % 48000, 6, 10, QLatin1Char('0')));
        e->model->fetchMore();
        benchmark::DoNotOptimize(row);
    }
}

void lastPage(benchmark::State& state, Engine* e) {
    for (auto _ : state) {
        e->model->toLast();
        e->model->fetchPrevious();
        benchmark::DoNotOptimize(e->model->heldRows());
    }
}

void scrollDown(benchmark::State& state, Engine* e) {
    e->model->toFirst();
    for (auto _ : state) {
        if (!e->model->canFetchMore()) e->model->toFirst();
        e->model->fetchMore();
    }
    state.counters["held"] = e->model->heldRows();
}

void registerFor(const char* name, Engine* e) {
    const std::string n(name);
    benchmark::RegisterBenchmark((n + "/first_page").c_str(), firstPage, e)->Unit(benchmark::kMillisecond)->MinTime(0.5);
    benchmark::RegisterBenchmark((n + "/seek_then_next_page").c_str(), pageAfterSeek, e)->Unit(benchmark::kMillisecond)->MinTime(0.5);
    benchmark::RegisterBenchmark((n + "/last_page_then_previous").c_str(), lastPage, e)->Unit(benchmark::kMillisecond)->MinTime(0.5);
    benchmark::RegisterBenchmark((n + "/next_page_while_scrolling").c_str(), scrollDown, e)->Unit(benchmark::kMillisecond)->MinTime(0.5);
}

} // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    QTemporaryDir dir;
    Engine sqlite;
    sqlite.db = db::Database::open(QStringLiteral("sqlite:") + dir.filePath(QStringLiteral("bench.db")));
    load(*sqlite.db);
    sqlite.model = std::make_unique<PagedListModel>(*sqlite.db, query());
    registerFor("sqlite", &sqlite);

    Engine pg;
    const QString pgBase = qEnvironmentVariable("KSIEGA_TEST_PG");
    const QString pgSchema = QStringLiteral("bench_list_%1").arg(QCoreApplication::applicationPid());
    if (!pgBase.isEmpty()) {
        pg.db = db::Database::open(pgBase + (pgBase.contains('?') ? "&schema=" : "?schema=") + pgSchema);
        load(*pg.db);
        pg.model = std::make_unique<PagedListModel>(*pg.db, query());
        registerFor("postgresql", &pg);
    }

    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    pg.model.reset();
    pg.db.reset();
    if (!pgBase.isEmpty()) db::Database::open(pgBase)->executeScript(QStringLiteral("DROP SCHEMA IF EXISTS %1 CASCADE").arg(pgSchema));
    return 0;
}
