// Settlements at scale, on the demo database of each engine with --open N (100,000) more
// settlements in the opening balance of the wholesaler's 2026, a third of them partly cleared,
// and --import M (10,000) warehouse settlements that no line carries yet:
// - the opening-balance settlement list: `ksiega settlements --opening --limit 50` (the first
//   page) and `--opening --summary` (its sums), run as the executable, against the bare SQL
//   that reads the same page and the same sums, and against the executable's floor (the same
//   command with --limit 0: start, session, no rows);
// - the import of the M settlements into the opening balance: TG_BO_IMPORT_OUT as the
//   command calls it, and the command itself, against the bare set-based SQL that claims the
//   settlements, records them and adds them to their lines in one transaction (rolled back).
//
//   settlements [--open N] [--import M] [--engine sqlite|postgresql|both] [--runs R]
//
// PostgreSQL runs when KSIEGA_BENCH_PG (or KSIEGA_TEST_PG) holds a server URL; the data goes
// into a schema of its own that is dropped afterwards. Figures are medians of R runs.
#include "MedianTime.h"
#include "platform/db/Database.h"
#include "platform/db/demo/DemoDatabase.h"
#include "platform/runtime/Date.h"
#include "platform/server/settlements/OpeningBalanceImport.h"
#include <QCoreApplication>
#include <QDir>
#include <QProcess>
#include <QTemporaryDir>
#include <QTextStream>

using namespace ksiega;

namespace {

struct Setup {
    int64_t year = 0, user = 0;
    QStringList importIds;
};

// The opening settlements hang on the year's PLN opening lines of the customers' and
// suppliers' accounts; the warehouse ones are spread over the same accounts.
Setup build(db::Database& db, int open, int imports) {
    db::demo::buildDemoDatabase(db);
    Setup s;
    s.year = db.scalarInt(QStringLiteral("select id_lata_obrot from LATA_OBROTOWE where id_firmy=1 and rok_obrotowy='2026'")).value_or(0);
    s.user = db.scalarInt(QStringLiteral("select id_uzytkownika from UZYTKOWNICY where login='admin'")).value_or(0);
    std::vector<std::pair<int64_t, QString>> lines;   // opening line, account
    {
        db::Rows r = db.select(QStringLiteral("select p.id_poz_dok, p.konto_wn || p.konto_ma from POZ_DOK p join NAG_DOK n on n.id_nag_dok=p.id_nag_dok "
                                              "where p.id_lata_obrot=? and p.czy_rk=10 and n.waluta in ('', 'PLN') and "
                                              "(p.konto_wn like '20%' or p.konto_ma like '20%') order by p.id_poz_dok"),
                               {s.year});
        while (r.next()) lines.emplace_back(r.int64(0), r.text(1).left(9));
    }
    QStringList accounts;
    {
        db::Rows r = db.select(QStringLiteral("select nr_konta from WARTOSCI_KONT where id_firmy=1 and id_lata_obrot=? and nr_konta_syn in (201, 202) "
                                              "and czy_analityka=1 order by nr_konta"),
                               {s.year});
        while (r.next()) accounts << r.text(0);
    }
    const int day = date::fromYmd(2025, 12, 1);
    db::Transaction tx(db);
    auto settlements = db.bulkInsert(QStringLiteral("ROZRACHUNEK"), {"id_firmy", "id_lata_obrot", "nr_konta", "symbol", "nr_dok", "data_dok",
                                                                     "termin_platnosci", "rodzaj", "strona", "kwota", "sym_waluty", "czy_bo",
                                                                     "id_poz_dok_f", "id_nag_dok_m"});
    for (int i = 0; i < open; ++i) {
        const auto& [line, account] = lines[size_t(i) % lines.size()];
        const bool debit = account.startsWith(QLatin1String("201"));
        settlements->add({1, s.year, account, QStringLiteral("BO/%1").arg(i), QStringLiteral("BO/%1").arg(i), day + i % 30, day + i % 30 + 14,
                          debit ? "N" : "Z", debit ? "WN" : "MA", 10000 + i % 997 * 100, "PLN", 1, line, 0});
    }
    for (int i = 0; i < imports; ++i) {
        const QString account = accounts[i % accounts.size()];
        const bool debit = account.startsWith(QLatin1String("201"));
        settlements->add({1, s.year, account, QStringLiteral("WZ/%1").arg(i), QStringLiteral("WZ/%1").arg(i), day + i % 30, day + i % 30 + 14,
                          debit ? "N" : "Z", debit ? "WN" : "MA", 5000 + i % 991 * 10, "PLN", 0, 0, 900000 + i});
    }
    settlements->finish();
    // A third of the opening settlements partly cleared, half of those after the year began.
    db.execute(QStringLiteral("insert into ROZLICZENIE (id_rozrachunku, id_firmy, data_rozliczenia, kwota) select id_rozrachunku, 1, "
                              "case when id_rozrachunku % 2 = 0 then CAST(? AS INTEGER) else CAST(? AS INTEGER) end, kwota / 4 from ROZRACHUNEK "
                              "where id_lata_obrot=? and czy_bo=1 and symbol like 'BO/%' and id_rozrachunku % 3 = 0"),
               {date::fromYmd(2025, 12, 20), date::fromYmd(2026, 1, 20), s.year});
    tx.commit();
    db.analyze();
    db::Rows r = db.select(QStringLiteral("select id_rozrachunku from ROZRACHUNEK where id_lata_obrot=? and symbol like 'WZ/%' order by 1"), {s.year});
    while (r.next()) s.importIds << r.text(0);
    return s;
}

void runCommand(const QString& url, const QStringList& more) {
    const QString program = QCoreApplication::applicationDirPath() + QStringLiteral("/../ksiega");
    {
        QProcess p;
        p.start(program, QStringList{more.first(), QStringLiteral("--db"), url, QStringLiteral("--company"), QStringLiteral("1"), QStringLiteral("--year"),
                                     QStringLiteral("2026"), QStringLiteral("--user"), QStringLiteral("admin")} + more.mid(1));
        p.waitForFinished(-1);
        p.readAllStandardOutput();
        if (p.exitCode() != 0) QTextStream(stderr) << "ksiega " << more.join(' ').left(80) << ": " << p.readAllStandardError() << "\n";
    }
}

double commandMs(const QString& url, const QStringList& more, int runs) {
    return bench::medianMs(runs, [&] { runCommand(url, more); });
}

void mark(db::Database& db, const Setup& s, int browser) {
    db::Transaction tx(db);
    db.execute(QStringLiteral("delete from ZAZNACZENIE where id_uzytkownika=? and id_browsera=?"), {s.user, browser});
    db.execute(QStringLiteral("insert into ZAZNACZENIE (id_browsera, id_uzytkownika, id_elementu) select ?, ?, id_rozrachunku from ROZRACHUNEK "
                              "where id_lata_obrot=? and symbol like 'WZ/%'"),
               {browser, s.user, s.year});
    tx.commit();
}

// The bare work of an import: claim the marked settlements, record what they bring, add it to
// the lines of their accounts (already there) per side; rolled back.
void bareImport(db::Database& db, const Setup& s) {
    db::Transaction tx(db);
    const int64_t document = db.scalarInt(QStringLiteral("select min(id_nag_dok) from NAG_DOK where id_lata_obrot=? and czy_rk=10 and waluta in ('', 'PLN')"),
                                          {s.year}).value_or(0);
    db.execute(QStringLiteral("update ROZRACHUNEK set id_poz_dok_f=coalesce((select min(p.id_poz_dok) from POZ_DOK p where p.id_nag_dok=? and "
                              "(p.konto_wn=ROZRACHUNEK.nr_konta or p.konto_ma=ROZRACHUNEK.nr_konta)), 0), czy_bo=1 where id_rozrachunku in "
                              "(select z.id_elementu from ZAZNACZENIE z where z.id_uzytkownika=? and z.id_browsera=30) and id_poz_dok_f=0"),
               {document, s.user});
    db.execute(QStringLiteral("insert into ROZRACHUNEK_IMPORT_BO (id_rozrachunku, kwota, kwota_w, czy_bo_przed, id_uzytkownika) "
                              "select r.id_rozrachunku, r.kwota - coalesce((select sum(z.kwota) from ROZLICZENIE z where z.id_rozrachunku=r.id_rozrachunku), 0), "
                              "0, 0, ? from ROZRACHUNEK r where r.id_rozrachunku in (select z.id_elementu from ZAZNACZENIE z where "
                              "z.id_uzytkownika=? and z.id_browsera=30)"),
               {s.user, s.user});
    db.execute(QStringLiteral("update POZ_DOK set kwota_wn=kwota_wn + coalesce((select sum(i.kwota) from ROZRACHUNEK_IMPORT_BO i join ROZRACHUNEK r "
                              "on r.id_rozrachunku=i.id_rozrachunku where r.id_poz_dok_f=POZ_DOK.id_poz_dok and r.strona='WN'), 0), "
                              "kwota_ma=kwota_ma + coalesce((select sum(i.kwota) from ROZRACHUNEK_IMPORT_BO i join ROZRACHUNEK r "
                              "on r.id_rozrachunku=i.id_rozrachunku where r.id_poz_dok_f=POZ_DOK.id_poz_dok and r.strona='MA'), 0) "
                              "where id_nag_dok=?"),
               {document});
}

void measure(const QString& engine, const QString& url, int open, int imports, int runs) {
    QTextStream out(stdout);
    auto db = db::Database::open(url);
    QElapsedTimer t;
    t.start();
    const Setup s = build(*db, open, imports);
    out << engine << ": " << open << " opening settlements, " << imports << " to import, built in " << QString::number(t.elapsed() / 1000.0, 'f', 1)
        << " s\n";

    const double floor = commandMs(url, {QStringLiteral("settlements"), QStringLiteral("--opening"), QStringLiteral("--limit"), QStringLiteral("0")}, runs);
    const double page = commandMs(url, {QStringLiteral("settlements"), QStringLiteral("--opening"), QStringLiteral("--limit"), QStringLiteral("50")}, runs);
    const double sums = commandMs(url, {QStringLiteral("settlements"), QStringLiteral("--opening"), QStringLiteral("--summary")}, runs);
    const double barePage = bench::medianMs(runs, [&] {
        db::Rows r = db->select(QStringLiteral("select v.id_rozrachunku, v.nr_konta, v.symbol, v.data_dok, v.termin_platnosci, v.strona, v.sym_waluty, "
                                               "v.kwota_wn + v.kwota_ma, v.kwota_wn_w + v.kwota_ma_w, v.pozostalo_wn + v.pozostalo_ma, "
                                               "v.pozostalo_wn_w + v.pozostalo_ma_w from ROZRACHUNEK_VIEW v where v.id_firmy=1 and "
                                               "v.id_lata_obrot=? and v.czy_bo=1 order by v.nr_konta, v.id_rozrachunku limit 50"),
                                {s.year});
        while (r.next()) {}
    });
    const double bareSums = bench::medianMs(runs, [&] {
        db->select(QStringLiteral("select sum(case when r.strona='WN' then r.kwota else 0 end), sum(case when r.strona='MA' then r.kwota else 0 end), "
                                  "sum(case when r.strona='WN' then r.kwota - coalesce(z.s, 0) else 0 end), "
                                  "sum(case when r.strona='MA' then r.kwota - coalesce(z.s, 0) else 0 end) from ROZRACHUNEK r "
                                  "left join (select id_rozrachunku, sum(kwota) as s from ROZLICZENIE group by id_rozrachunku) z "
                                  "on z.id_rozrachunku=r.id_rozrachunku where r.id_firmy=1 and r.id_lata_obrot=? and r.czy_bo=1"),
                   {s.year}).next();
    });
    out << "  list, first page of 50: ksiega " << QString::number(page, 'f', 1) << " ms (floor " << QString::number(floor, 'f', 1)
        << " ms, so " << QString::number(page - floor, 'f', 1) << " ms for the page), bare SQL " << QString::number(barePage, 'f', 1)
        << " ms, ratio (page less floor / bare) " << QString::number((page - floor) / std::max(barePage, 0.01), 'f', 1) << "\n";
    out << "  list, sums: ksiega " << QString::number(sums, 'f', 1) << " ms (" << QString::number(sums - floor, 'f', 1)
        << " ms less floor), bare SQL " << QString::number(bareSums, 'f', 1) << " ms, ratio "
        << QString::number((sums - floor) / std::max(bareSums, 0.01), 'f', 1) << "\n";

    server::SettlementImportRequest request;
    request.idFirmy = 1;
    request.idLataObrot = s.year;
    request.userNumber = s.user;
    request.konto = QStringLiteral("201");
    request.kartoteka = true;
    std::vector<double> importMs, undoMs, commandImportMs;
    int imported = 0;
    for (int i = 0; i < runs; ++i) {
        mark(*db, s, 30);
        for (const QString& account : {QStringLiteral("201"), QStringLiteral("202")}) {
            request.konto = account;
            QElapsedTimer w;
            w.start();
            imported += server::TG_BO_IMPORT_OUT(*db, request, 0).imported;
            importMs.push_back(w.nsecsElapsed() / 1e6);
        }
        mark(*db, s, 34);
        QElapsedTimer u;
        u.start();
        server::TG_BO_IMPORT_UNDO(*db, 1, s.user);
        undoMs.push_back(u.nsecsElapsed() / 1e6);
    }
    // The pair of imports (201 and 202) is what takes all the settlements.
    std::vector<double> pairs;
    for (size_t i = 0; i + 1 < importMs.size(); i += 2) pairs.push_back(importMs[i] + importMs[i + 1]);
    std::sort(pairs.begin(), pairs.end());
    std::sort(undoMs.begin(), undoMs.end());
    const double importMedian = pairs[pairs.size() / 2];
    mark(*db, s, 30);
    const double bare = bench::medianMs(runs, [&] { bareImport(*db, s); });
    // The command, 201's settlements then undone.
    const QString ids201 = [&] {
        QStringList list;
        db::Rows r = db->select(QStringLiteral("select id_rozrachunku from ROZRACHUNEK where id_lata_obrot=? and symbol like 'WZ/%' and nr_konta like '201%'"),
                                {s.year});
        while (r.next()) list << r.text(0);
        return list.join(QLatin1Char(','));
    }();
    for (int i = 0; i < runs; ++i) {
        QElapsedTimer c;
        c.start();
        runCommand(url, {QStringLiteral("settlements-import"), QStringLiteral("--account"), QStringLiteral("201"), QStringLiteral("--ids"), ids201});
        commandImportMs.push_back(c.nsecsElapsed() / 1e6);
        mark(*db, s, 34);
        server::TG_BO_IMPORT_UNDO(*db, 1, s.user);
    }
    std::sort(commandImportMs.begin(), commandImportMs.end());
    out << "  import of " << imported / runs << " settlements: TG_BO_IMPORT_OUT " << QString::number(importMedian, 'f', 0) << " ms, bare SQL "
        << QString::number(bare, 'f', 0) << " ms, ratio " << QString::number(importMedian / std::max(bare, 0.01), 'f', 1) << "; undo "
        << QString::number(undoMs[undoMs.size() / 2], 'f', 0) << " ms; `ksiega settlements-import` of the "
        << ids201.count(QLatin1Char(',')) + 1 << " on 201: " << QString::number(commandImportMs[commandImportMs.size() / 2], 'f', 0) << " ms\n";
    out.flush();
}

} // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    qputenv("QT_QPA_PLATFORM", "offscreen");   // for the ksiega runs
    int open = 100000, imports = 10000, runs = 3;
    QString engine = QStringLiteral("both");
    const QStringList args = app.arguments();
    for (int i = 1; i + 1 < args.size(); i += 2) {
        if (args[i] == QLatin1String("--open")) open = args[i + 1].toInt();
        else if (args[i] == QLatin1String("--import")) imports = args[i + 1].toInt();
        else if (args[i] == QLatin1String("--engine")) engine = args[i + 1];
        else if (args[i] == QLatin1String("--runs")) runs = std::max(1, args[i + 1].toInt());
    }
    if (engine == QLatin1String("sqlite") || engine == QLatin1String("both")) {
        QTemporaryDir dir(QDir::tempPath() + QStringLiteral("/settlements-XXXXXX"));
        measure(QStringLiteral("SQLite"), QStringLiteral("sqlite:") + dir.filePath(QStringLiteral("bench.db")), open, imports, runs);
    }
    const QString pg = qEnvironmentVariable("KSIEGA_BENCH_PG", qEnvironmentVariable("KSIEGA_TEST_PG"));
    if ((engine == QLatin1String("postgresql") || engine == QLatin1String("both")) && !pg.isEmpty()) {
        const QString schema = QStringLiteral("settlements_%1").arg(QCoreApplication::applicationPid());
        db::Database::open(pg)->executeScript(QStringLiteral("DROP SCHEMA IF EXISTS ") + schema + QStringLiteral(" CASCADE"));
        measure(QStringLiteral("PostgreSQL"), pg + (pg.contains(QLatin1Char('?')) ? QStringLiteral("&schema=") : QStringLiteral("?schema=")) + schema,
                open, imports, runs);
        db::Database::open(pg)->executeScript(QStringLiteral("DROP SCHEMA IF EXISTS ") + schema + QStringLiteral(" CASCADE"));
    }
    return 0;
}
