// The speed of the year-end closing on a large ledger, against the bare grouped aggregate
// over the same year's lines. Not run by default: point KSIEGA_CLOSING_SPEED_DB at a
// database made by `ksiega demo --lines N` and run with
// --gtest_also_run_disabled_tests --gtest_filter='*ClosingSpeed*'. The year with the most
// lines is closed; when it has no next year, one is added with a copy of its chart.
#include "platform/runtime/Date.h"
#include "platform/server/Turnovers.h"
#include "platform/server/YearClosing.h"
#include <QElapsedTimer>
#include <gtest/gtest.h>
#include <cstdio>

using namespace ksiega;

namespace {

struct Busiest {
    int64_t company = 0, year = 0, lines = 0;
};

Busiest busiestYear(db::Database& db) {
    db::Rows r = db.select("select id_firmy, id_lata_obrot, count(*) from POZ_DOK group by id_firmy, id_lata_obrot order by 3 desc limit 1");
    if (!r.next()) return {};
    return {r.int64(0), r.int64(1), r.int64(2)};
}

void ensureNextYear(db::Database& db, const Busiest& b) {
    if (server::nextFiscalYear(db, b.company, b.year)) return;
    db::Transaction tx(db);
    db::Rows y = db.select("select koniec_roku from LATA_OBROTOWE where id_lata_obrot=?", {b.year});
    y.next();
    const int end = y.integer(0);
    const QDate first = date::toQDate(end + 1);
    const int64_t next = db.insertReturningId(
        "insert into LATA_OBROTOWE (id_firmy, rok_obrotowy, poczatek_roku, koniec_roku) values (?, ?, ?, ?) returning id_lata_obrot",
        {b.company, QString::number(first.year()), end + 1, date::fromQDate(first.addYears(1).addDays(-1))});
    db.execute("insert into KONTA_SYNT (id_firmy, id_lata_obrot, nr_konta_syn, nazwa, typ_konta, czy_walutowe, czy_rozrach, "
               "czy_dwusaldowe, czy_mpk, czy_ukryty_rozrachunek, kartoteka, symbol_kartoteki) "
               "select id_firmy, ?, nr_konta_syn, nazwa, typ_konta, czy_walutowe, czy_rozrach, czy_dwusaldowe, czy_mpk, "
               "czy_ukryty_rozrachunek, kartoteka, symbol_kartoteki from KONTA_SYNT where id_lata_obrot=?",
               {next, b.year});
    db.execute("insert into WARTOSCI_KONT (id_firmy, id_lata_obrot, nr_konta, nazwa_konta, nr_konta_syn, poziom, nr_konta_nadrz, "
               "czy_analityka, id_kartoteki, rodzaj_kartoteki) "
               "select id_firmy, ?, nr_konta, nazwa_konta, nr_konta_syn, poziom, nr_konta_nadrz, czy_analityka, id_kartoteki, "
               "rodzaj_kartoteki from WARTOSCI_KONT where id_lata_obrot=?",
               {next, b.year});
    tx.commit();
}

double seconds(const QElapsedTimer& t) { return double(t.nsecsElapsed()) / 1e9; }

TEST(ClosingSpeed, DISABLED_closingAgainstTheBareAggregate) {
    const QString url = qEnvironmentVariable("KSIEGA_CLOSING_SPEED_DB");
    if (url.isEmpty()) GTEST_SKIP() << "KSIEGA_CLOSING_SPEED_DB is not set";
    auto db = db::Database::open(url);
    const Busiest b = busiestYear(*db);
    ASSERT_GT(b.lines, 0);
    ensureNextYear(*db, b);

    int64_t groups = 0;
    auto bareAggregate = [&] {
        QElapsedTimer t;
        t.start();
        groups = 0;
        for (const char* side : {"wn", "ma"}) {
            db::Rows r = db->select(QString("select konto_%1, waluta, sum(kwota_%1), sum(kwota_%1_w) from POZ_DOK where id_lata_obrot=? "
                                            "and konto_%1<>'' and (status=2 or czy_rk=10) group by konto_%1, waluta")
                                        .arg(side),
                                    {b.year});
            while (r.next()) ++groups;
        }
        return seconds(t);
    };
    const double aggregate = bareAggregate();

    server::ClosingRequest request;
    request.idFirmy = b.company;
    request.idLataObrot = b.year;
    request.login = "bench";
    request.userNumber = 1;
    const bool commit = qEnvironmentVariableIsSet("KSIEGA_CLOSING_SPEED_COMMIT");
    request.dryRun = !commit;
    std::vector<std::pair<int, double>> marks;
    QElapsedTimer run;
    request.progress = [&](int p) { marks.emplace_back(p, seconds(run)); };
    run.start();
    const server::ClosingOutcome o = server::createNextYearOpeningBalance(*db, request);
    const double closing = seconds(run);
    const double aggregateAfter = bareAggregate();   // as warm as the closing was
    int64_t written = 0;
    for (const auto& c : o.currencies) written += c.lines;
    std::printf("%s: %lld lines of year %lld; bare aggregate %.2f s first, %.2f s after (%lld groups); closing %.2f s (%s, %zu currencies, "
                "%lld lines)\n",
                qPrintable(url.section(QLatin1Char(':'), 0, 0)), (long long)b.lines, (long long)b.year, aggregate, aggregateAfter,
                (long long)groups, closing,
                commit ? "committed" : "dry run", o.currencies.size(), (long long)written);
    for (const auto& [p, s] : marks) std::printf("  progress %3d at %.2f s\n", p, s);

    // With the run committed: the next year's full recompute against the refresh of the
    // synthetic accounts that the opening balance touches (what the closing does).
    if (commit) {
        db::Transaction tx(*db);
        QStringList synthetics;
        db::Rows r = db->select("select distinct konto_wn from POZ_DOK where id_lata_obrot=? and czy_rk=10 and konto_wn<>'' union "
                                "select distinct konto_ma from POZ_DOK where id_lata_obrot=? and czy_rk=10 and konto_ma<>''",
                                {o.nextYear.idLataObrot, o.nextYear.idLataObrot});
        while (r.next()) synthetics << server::syntheticOf(r.text(0));
        synthetics.removeDuplicates();
        QElapsedTimer u;
        u.start();
        server::UZUPELNIJ_OBROTY_Z_DOKUMENTOW(*db, b.company, o.nextYear.idLataObrot, 0);
        const double full = seconds(u);
        u.restart();
        server::refreshTurnoversOfSynthetic(*db, b.company, o.nextYear.idLataObrot, synthetics);
        std::printf("next year's turnovers: full recompute %.2f s, refresh of %lld synthetic accounts %.2f s\n", full,
                    (long long)synthetics.size(), seconds(u));
    }
}

} // namespace
