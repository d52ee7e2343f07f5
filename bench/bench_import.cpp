// Import speed: a generated file of documents (default 500,000 lines) loaded into a fresh
// database, on SQLite and, when KSIEGA_TEST_PG (or KSIEGA_BENCH_PG) names a server, on
// PostgreSQL. Prints lines per second. Usage: bench_import [LINES]
//
// Into an existing ledger (a demo ledger of `ksiega demo --lines N`), which is copied for
// every run and left as it was:
//   bench_import --into sqlite:/tmp/x.db|postgresql://.../db --company C --year Y [--lines N] [--runs R]
// Prints for each run our import (the turnover recompute shown apart) and the bare work:
// the same header and line rows put in by the engine's bulk path (a reused prepared INSERT
// on SQLite, COPY on PostgreSQL) in one transaction, without any check; then the medians
// and their ratio.
#include "platform/db/Database.h"
#include "platform/db/Schema.h"
#include "ExistingLedgerImport.h"
#include "platform/db/import/DocumentImporter.h"
#include "platform/runtime/Date.h"
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>
#include <cstdio>
#include <ctime>

using namespace ksiega;

namespace {

constexpr int kAccounts = 200;

struct Scope { int64_t firma, rok; };

Scope seed(db::Database& db) {
    db::Transaction tx(db);
    const int64_t firma = db.insertReturningId(QStringLiteral("insert into FIRMA (nazwa) values ('Bench') returning id_firmy"));
    const int64_t rok = db.insertReturningId(
        QStringLiteral("insert into LATA_OBROTOWE (id_firmy, rok_obrotowy, poczatek_roku, koniec_roku) values (?, '2026', ?, ?) "
                       "returning id_lata_obrot"),
        {firma, date::fromYmd(2026, 1, 1), date::fromYmd(2026, 12, 31)});
    db.execute(QStringLiteral("insert into WALUTY (sym_waluty) values ('EUR')"));
    db.execute(QStringLiteral("insert into PACZKA (id_firmy, id_lata_obrot, kod_paczki) values (?, ?, 'KP')"), {firma, rok});
    db.execute(QStringLiteral("insert into TYP_DOK (id_firmy, sym_typ_dok_uz) values (?, 'PK')"), {firma});
    for (int syn : {201, 401}) {
        db.execute(QStringLiteral("insert into KONTA_SYNT (id_firmy, id_lata_obrot, nr_konta_syn) values (?, ?, ?)"), {firma, rok, syn});
        db.execute(QStringLiteral("insert into WARTOSCI_KONT (id_firmy, id_lata_obrot, nr_konta, nr_konta_syn, czy_analityka) "
                                  "values (?, ?, ?, ?, 0)"), {firma, rok, QString::number(syn), syn});
        for (int a = 0; a < kAccounts / 2; ++a)
            db.execute(QStringLiteral("insert into WARTOSCI_KONT (id_firmy, id_lata_obrot, nr_konta, nr_konta_syn, poziom, "
                                      "nr_konta_nadrz, czy_analityka) values (?, ?, ?, ?, 1, ?, 1)"),
                       {firma, rok, QStringLiteral("%1-%2").arg(syn).arg(a, 3, 10, QChar('0')), syn, QString::number(syn)});
    }
    tx.commit();
    return {firma, rok};
}

// Documents of four lines: two Dt, two Ct; every fifth document in EUR.
void writeFile(const QString& path, int lines) {
    QFile f(path);
    f.open(QIODevice::WriteOnly);
    QByteArray out("nr_dok_org,nr_ewid_dok,data_biezaca,data_dok_org,okres,dziennik,typ_dok,waluta,konto_wn,konto_ma,kwota,kwota_w,opis\n");
    for (int i = 0; i < lines; ++i) {
        const int doc = i / 4, k = i % 4, month = doc % 12 + 1;
        const bool eur = doc % 5 == 0;
        const QByteArray acc = QByteArray::number(k < 2 ? 401 : 201) + "-" + QByteArray::number((doc + k) % (kAccounts / 2)).rightJustified(3, '0');
        const QByteArray amount = QByteArray::number(100 + doc % 900) + "." + QByteArray::number(10 + k % 2 * 5);
        out += "FV " + QByteArray::number(doc) + "/2026,PK/" + QByteArray::number(doc) + ",2026-" +
               QByteArray::number(month).rightJustified(2, '0') + "-15,2026-" + QByteArray::number(month).rightJustified(2, '0') +
               "-10,2026-" + QByteArray::number(month).rightJustified(2, '0') + ",KP,PK," + (eur ? "EUR," : ",") +
               (k < 2 ? acc + "," : "," + acc) + "," + amount + "," + (eur ? amount + "," : QByteArray(",")) +
               "\"Pozycja " + QByteArray::number(i) + ", opis\"\n";
        if (out.size() > (1 << 20)) { f.write(out); out.clear(); }
    }
    f.write(out);
}

void run(const char* engine, const QString& url, const QString& file) {
    auto db = db::Database::open(url);
    db::createSchema(*db);
    const Scope scope = seed(*db);
    db::import::ImportOptions options;
    options.idFirmy = scope.firma;
    options.idLataObrot = scope.rok;
    const std::clock_t cpu = std::clock();
    const auto result = db::import::importDocumentsFromFile(*db, file, options);
    const double cpuSeconds = double(std::clock() - cpu) / CLOCKS_PER_SEC;
    if (!result.ok()) {
        std::printf("%s: refused: %s\n", engine, qPrintable(result.errors.front().text()));
        return;
    }
    // CPU time of this process: on a busy machine the wall clock mostly measures waiting.
    // Lines per second leave the turnover recompute out; it is shown on its own.
    const double loading = result.seconds - result.turnoverSeconds;
    std::printf("%-10s %8lld lines %7d documents %7.2f s %9.0f lines/s (client CPU %.2f s)\n", engine, (long long)result.lines,
                result.documents, loading, double(result.lines) / loading, cpuSeconds);
    std::printf("%-10s check %.2f s, headers %.2f s, lines %.2f s, indexes %.2f s, commit %.2f s; turnovers %.2f s\n", "",
                result.checkSeconds, result.headerSeconds, result.lineSeconds, result.indexSeconds, result.commitSeconds,
                result.turnoverSeconds);
}

} // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    if (argc > 1 && QByteArray(argv[1]) == "--into") return bench::importIntoExisting(app.arguments());
    const int lines = argc > 1 ? std::atoi(argv[1]) : 500000;
    QTemporaryDir dir;
    const QString file = dir.filePath(QStringLiteral("documents.csv"));
    QElapsedTimer t;
    t.start();
    writeFile(file, lines);
    std::printf("generated %d lines in %.2f s\n", lines, double(t.elapsed()) / 1000);

    run("SQLite", QStringLiteral("sqlite:") + dir.filePath(QStringLiteral("bench.db")), file);

    QString pg = qEnvironmentVariable("KSIEGA_BENCH_PG", qEnvironmentVariable("KSIEGA_TEST_PG"));
    if (pg.isEmpty()) return 0;
    const QString schema = QStringLiteral("bench_import_%1").arg(QCoreApplication::applicationPid());
    run("PostgreSQL", pg + (pg.contains('?') ? "&schema=" : "?schema=") + schema, file);
    db::Database::open(pg)->executeScript(QStringLiteral("DROP SCHEMA IF EXISTS %1 CASCADE").arg(schema));
    return 0;
}
