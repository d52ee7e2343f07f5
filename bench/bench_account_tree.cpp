// The account tree of "Księga główna" on a large chart (SQLite): 300 synthetic accounts,
// 6,000 analytic accounts and 60,000 contractor cards below 30 register accounts.
// Building the tree must not read the cards; showing names asks each node once.
#include "frame/SessionContext.h"
#include "ledger/accounts/tree/AccountTreeController.h"
#include "platform/db/Schema.h"
#include "platform/runtime/Date.h"
#include <QCoreApplication>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

using namespace ksiega;

namespace {

std::unique_ptr<db::Database> g_db;
SessionContext g_session;
entries::AccountFilterSettings g_filter;

void load(db::Database& db) {
    db::createSchema(db);
    const int64_t company = db.insertReturningId("insert into FIRMA (nazwa) values ('Bench') returning id_firmy");
    const int64_t year = db.insertReturningId("insert into LATA_OBROTOWE (id_firmy, rok_obrotowy, poczatek_roku, koniec_roku) "
                                              "values (?,?,?,?) returning id_lata_obrot",
                                              {company, "2026", date::fromYmd(2026, 1, 1), date::fromYmd(2026, 12, 31)});
    db::Transaction tx(db);
    auto synt = db.bulkInsert("KONTA_SYNT", {"id_firmy", "id_lata_obrot", "nr_konta_syn", "nazwa", "typ_konta"});
    auto wk = db.bulkInsert("WARTOSCI_KONT", {"id_firmy", "id_lata_obrot", "nr_konta", "nazwa_konta", "nr_konta_syn", "poziom",
                                              "nr_konta_nadrz", "czy_analityka", "id_kartoteki", "rodzaj_kartoteki"});
    int64_t card = 0;
    for (int s = 100; s < 400; ++s) {
        const QString nr = QString::number(s);
        synt->add({company, year, s, "Konto " + nr, s < 300 ? "B" : "W"});
        wk->add({company, year, nr, "Konto " + nr, s, 0, "", 0, 0, ""});
        for (int a = 1; a <= 20; ++a) {
            const QString an = nr + QStringLiteral("-%1").arg(a, 2, 10, QChar('0'));
            wk->add({company, year, an, "Analityka " + an, s, 1, nr, s % 10 == 0 && a == 1 ? 0 : 1, 0, ""});
            if (s % 10 == 0 && a == 1)
                for (int k = 1; k <= 2000; ++k)
                    wk->add({company, year, an + QStringLiteral("-%1").arg(k, 5, 10, QChar('0')), "Kontrahent", s, 2, an, 1,
                             ++card, "K"});
        }
    }
    synt->finish();
    wk->finish();
    tx.commit();
    db.analyze();
    g_session.DANE_ID_FIRMY = company;
    g_session.DANE_LATA_OBROTOWE = year;
}

void treeBuild(benchmark::State& state) {
    ledger::AccountTreeController tree(*g_db, g_session, g_filter);
    for (auto _ : state) {
        tree.rebuild();
        benchmark::DoNotOptimize(tree.model().rowCount());
    }
}

void treeWithNames(benchmark::State& state) {
    for (auto _ : state) {
        ledger::AccountTreeController tree(*g_db, g_session, g_filter);
        tree.rebuild();
        tree.setNamesShown(true);   // 6,300 names asked
        benchmark::DoNotOptimize(tree.model().rowCount());
    }
}

} // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    QTemporaryDir dir;
    g_db = db::Database::open(QStringLiteral("sqlite:") + dir.filePath(QStringLiteral("bench.db")));
    load(*g_db);
    benchmark::RegisterBenchmark("AccountTree/build", treeBuild)->Unit(benchmark::kMillisecond);
    benchmark::RegisterBenchmark("AccountTree/buildWithNames", treeWithNames)->Unit(benchmark::kMillisecond)->Iterations(3);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    g_db.reset();
    return 0;
}
