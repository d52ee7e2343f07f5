// The ledger at scale, measured the way a person meets it, each figure beside the bare SQL
// that does the same work in the same run: on a benchmark ledger made by
// `ksiega demo --lines N` (company 1, 2026). Measures go through the stable entry points:
// the `ksiega` commands (run as child processes) and the public functions of the windows'
// controllers and of the server procedures.
//   scale URL [--runs 5] [--heavy-runs 3] [--ksiega PATH] [--account 130-01] [--prefix 201] [--big-import N] [--tsv]
// Prints one table (or tab-separated rows with --tsv, which bench/scale.sh joins into one
// table for both engines). Each time is the median of --runs calls after one untimed call.
// --big-import N (default 1000000, 0 skips) imports N generated lines into the year last:
// the ledger grows by them.
#include "DemoYear.h"
#include "MedianTime.h"
#include "frame/SessionContext.h"
#include "entries/turnovers/PeriodTurnoverList.h"
#include "ledger/accounts/LedgerEntriesController.h"
#include "platform/db/Database.h"
#include "platform/db/EntryRowId.h"
#include "platform/db/demo/LedgerGenerator.h"
#include "platform/db/import/DocumentImporter.h"
#include "platform/runtime/Date.h"
#include "platform/server/TrialBalance.h"
#include "platform/server/Turnovers.h"
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>
#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <fcntl.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

using namespace ksiega;
using bench::medianMs;

namespace {

struct Options {
    QString url;
    QString ksiega;
    QString account = db::demo::hotAccount();
    QString prefix = QStringLiteral("201");
    int runs = 5;
    int heavyRuns = 3;   // the whole-prefix marks and the whole-year recompute
    int bigImport = 1000000;
    bool tsv = false;
};

Options parse(const QStringList& args) {
    Options o;
    o.ksiega = QCoreApplication::applicationDirPath() + QStringLiteral("/../ksiega");
    for (int i = 1; i < args.size(); ++i) {
        const QString& a = args[i];
        auto next = [&] { return i + 1 < args.size() ? args[++i] : QString(); };
        if (a == QLatin1String("--account")) o.account = next();
        else if (a == QLatin1String("--prefix")) o.prefix = next();
        else if (a == QLatin1String("--runs")) o.runs = std::max(1, next().toInt());
        else if (a == QLatin1String("--heavy-runs")) o.heavyRuns = std::max(1, next().toInt());
        else if (a == QLatin1String("--ksiega")) o.ksiega = next();
        else if (a == QLatin1String("--big-import")) o.bigImport = std::max(0, next().toInt());
        else if (a == QLatin1String("--tsv")) o.tsv = true;
        else o.url = a;
    }
    return o;
}

double peakRssMb() {
    rusage u{};
    getrusage(RUSAGE_SELF, &u);
    return double(u.ru_maxrss) / 1024.0;
}

// A child process: its wall time, its own peak memory and its exit code; standard output
// goes to `out` ("" = nowhere).
struct ChildRun {
    double ms = 0;
    double peakMb = 0;
    int exitCode = -1;
    double cpuMs = 0;   // user and system time of the child: what it costs on an idle machine
};

ChildRun runChild(const QString& program, const QStringList& args, const QString& out = {}) {
    std::vector<QByteArray> bytes{program.toLocal8Bit()};
    for (const QString& a : args) bytes.push_back(a.toLocal8Bit());
    std::vector<char*> argv;
    for (QByteArray& b : bytes) argv.push_back(b.data());
    argv.push_back(nullptr);
    const QByteArray outPath = out.isEmpty() ? QByteArray("/dev/null") : out.toLocal8Bit();
    QElapsedTimer t;
    t.start();
    const pid_t pid = fork();
    if (pid == 0) {
        const int fd = open(outPath.constData(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
        if (fd >= 0) dup2(fd, 1);
        execv(argv[0], argv.data());
        _exit(127);
    }
    int status = 0;
    rusage u{};
    wait4(pid, &status, 0, &u);
    const auto ms = [](const timeval& v) { return double(v.tv_sec) * 1000.0 + double(v.tv_usec) / 1000.0; };
    return {double(t.nsecsElapsed()) / 1e6, double(u.ru_maxrss) / 1024.0, WIFEXITED(status) ? WEXITSTATUS(status) : -1,
            ms(u.ru_utime) + ms(u.ru_stime)};
}

// The median run of a child (the first one untimed).
ChildRun medianChild(int runs, const std::function<ChildRun()>& run) {
    run();
    std::vector<ChildRun> all;
    for (int i = 0; i < runs; ++i) all.push_back(run());
    std::sort(all.begin(), all.end(), [](const ChildRun& a, const ChildRun& b) { return a.ms < b.ms; });
    return all[all.size() / 2];
}

class Table {
public:
    explicit Table(bool tsv) : m_tsv(tsv) {
        if (!m_tsv) {
            std::printf("| %-44s | %12s | %12s | %7s | %8s | %s\n", "measure", "ours", "bare SQL", "ratio", "peak MB", "note");
            std::printf("|%s|%s|%s|%s|%s|---\n", QByteArray(46, '-').constData(), QByteArray(14, '-').constData(),
                        QByteArray(14, '-').constData(), QByteArray(9, '-').constData(), QByteArray(10, '-').constData());
        }
    }
    // Times in ms; a rate row gives its unit in `unit` and the values as rates.
    void add(const QString& what, double ours, double bare, double peakMb, const QString& note = {},
             const QString& unit = QStringLiteral("ms")) {
        // > 1: we are slower; 0 where there is nothing to compare
        const double ratio = ours <= 0 || bare <= 0 ? 0 : unit == QLatin1String("ms") ? ours / bare : bare / ours;
        if (m_tsv) {
            std::printf("%s\t%.2f\t%.2f\t%s\t%.0f\t%s\n", qPrintable(what), ours, bare, qPrintable(unit), peakMb, qPrintable(note));
        } else {
            const auto value = [&](double v) {
                return unit == QLatin1String("ms") ? QString::number(v, 'f', v < 10 ? 2 : v < 100 ? 1 : 0) + QStringLiteral(" ms")
                                                   : QString::number(qint64(v)) + QLatin1Char(' ') + unit;
            };
            std::printf("| %-44s | %12s | %12s | %7.2f | %8.0f | %s\n", qPrintable(what), qPrintable(value(ours)),
                        qPrintable(value(bare)), ratio, peakMb, qPrintable(note));
        }
        std::fflush(stdout);
    }

private:
    bool m_tsv;
};

using Year = bench::DemoYear;

struct Ledger {
    QString journal, documentType;
    QStringList accounts;   // posting accounts of the year, PLN
};

Ledger ledgerOf(db::Database& db, const Year& y) {
    Ledger l;
    l.journal = *db.scalarText(QStringLiteral("select min(kod_paczki) from PACZKA where id_firmy=1 and id_lata_obrot=? and kod_paczki<>'BO'"),
                              {y.id});
    l.documentType = *db.scalarText(QStringLiteral("select min(sym_typ_dok_uz) from TYP_DOK where id_firmy=1 and sym_typ_dok_uz<>'BO'"));
    db::Rows r = db.select(QStringLiteral("select nr_konta from WARTOSCI_KONT where id_firmy=1 and id_lata_obrot=? and czy_analityka=1 "
                                          "order by nr_konta"),
                           {y.id});
    while (r.next()) l.accounts << r.text(0);
    return l;
}

// An import file of `lines` lines in documents of ten, posting between the year's
// accounts in PLN; registration numbers start with `tag` so that every file is new.
void writeImportFile(const QString& path, const Ledger& l, const QString& tag, int lines) {
    QFile f(path);
    if (!f.open(QIODevice::WriteOnly)) qFatal("cannot write %s", qPrintable(path));
    QByteArray out("nr_dok_org,nr_ewid_dok,data_biezaca,data_dok_org,okres,dziennik,typ_dok,waluta,konto_wn,konto_ma,kwota,kwota_w,opis\n");
    const QByteArray journal = l.journal.toUtf8(), type = l.documentType.toUtf8(), prefix = tag.toUtf8();
    const int accounts = int(l.accounts.size());
    for (int i = 0; i < lines; ++i) {
        const int doc = i / 10, month = doc % 12 + 1;
        const QByteArray mm = QByteArray::number(month).rightJustified(2, '0');
        const QByteArray dt = l.accounts[(i * 7) % accounts].toUtf8(), ct = l.accounts[(i * 13 + 5) % accounts].toUtf8();
        out += "S " + QByteArray::number(doc) + "," + prefix + "/" + QByteArray::number(doc) + ",2026-" + mm + "-15,2026-" + mm +
               "-10,2026-" + mm + "," + journal + "," + type + ",," + dt + "," + ct + "," + QByteArray::number(100 + i % 9000) +
               ".25,,pozycja " + QByteArray::number(i) + "\n";
        if (out.size() > (1 << 20)) {
            f.write(out);
            out.clear();
        }
    }
    f.write(out);
}

// The entries list's first page written by hand over the lines: both sides of the lines
// of the account (or prefix) that the list shows, the header's fields of the page's rows,
// in the order's column, 200 rows.
QString bareFirstPage(const QString& accountCondition, const QString& orderColumn) {
    QString arms;
    for (int side = 0; side < 2; ++side) {
        const QString account = side == 0 ? QStringLiteral("konto_wn") : QStringLiteral("konto_ma");
        if (side) arms += QStringLiteral(" union all ");
        arms += QStringLiteral("select p.id_poz_dok, %1 as id_dokument_pozycja, p.nr_ewid_dok, p.data_okresu, p.opis, "
                               "p.%2 as konto, p.kwota_wn * %3 as kwota_wn, p.kwota_ma * %4 as kwota_ma, p.id_nag_dok "
                               "from POZ_DOK p where p.id_lata_obrot=? and %5 and p.status=2 and p.czy_rk<>10")
                    .arg(db::EntryRowId::sql(QStringLiteral("p.id_poz_dok"), side), account, side == 0 ? "1" : "0",
                         side == 0 ? "0" : "1", QString(accountCondition).replace(QStringLiteral("{k}"), QStringLiteral("p.") + account));
    }
    return QStringLiteral("select s.*, n.nr_dok_org, n.data_biezaca, n.data_dok_org from (select * from (%1) u order by %2, "
                          "id_dokument_pozycja limit 200) s left join NAG_DOK n on n.id_nag_dok = s.id_nag_dok order by %2, "
                          "id_dokument_pozycja")
        .arg(arms, orderColumn);
}

void drain(db::Rows r) {
    while (r.next()) {
    }
}

} // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    const Options o = parse(app.arguments());
    if (o.url.isEmpty()) {
        std::fprintf(stderr, "usage: scale URL [--runs N] [--heavy-runs N] [--ksiega PATH] [--account A] [--prefix P] [--big-import N] [--tsv]\n");
        return 2;
    }
    auto db = db::Database::open(o.url);
    const Year y = bench::demoYear(*db);
    const int64_t lines = db->scalarInt(QStringLiteral("select count(*) from POZ_DOK where id_lata_obrot=?"), {y.id}).value_or(0);
    const Ledger ledger = ledgerOf(*db, y);
    const QStringList session{QStringLiteral("--db"), o.url, QStringLiteral("--company"), QStringLiteral("1"),
                              QStringLiteral("--year"), QStringLiteral("2026")};
    double load[1] = {0};
    getloadavg(load, 1);
    std::fprintf(stderr, "scale %s: %lld lines in the year, account %s, prefix %s, median of %d runs, load %.2f\n",
                 qPrintable(o.url), qlonglong(lines), qPrintable(o.account), qPrintable(o.prefix), o.runs, load[0]);
    Table table(o.tsv);
    // The measures that take seconds at ten million lines: with --heavy-runs 1 one timed call,
    // without the untimed one before it.
    const int heavyRuns = std::min(o.runs, o.heavyRuns);
    auto heavyMs = [&](const std::function<void()>& work) {
        if (heavyRuns > 1) return medianMs(heavyRuns, work);
        QElapsedTimer t;
        t.start();
        work();
        return double(t.nsecsElapsed()) / 1e6;
    };

    // Process start: what every command row below carries beside its database work.
    const ChildRun start = medianChild(o.runs, [&] { return runChild(o.ksiega, {QStringLiteral("help")}); });

    // A 10-line import into the year (one document), turnovers included; the bare SQL
    // inserts the same header and lines and takes them out again.
    {
        QTemporaryDir dir;
        int run = 0;
        const double ours = medianMs(o.runs, [&] {
            const QString file = dir.filePath(QStringLiteral("small%1.csv").arg(run));
            writeImportFile(file, ledger, QStringLiteral("SCALE%1-%2").arg(QCoreApplication::applicationPid()).arg(run++), 10);
            db::import::ImportOptions options;
            options.idFirmy = 1;
            options.idLataObrot = y.id;
            const auto result = db::import::importDocumentsFromFile(*db, file, options);
            if (!result.ok()) qFatal("import refused: %s", qPrintable(result.errors.front().text()));
        });
        const double bare = medianMs(o.runs, [&] {
            db::Transaction tx(*db);
            const int64_t header = db->insertReturningId(
                QStringLiteral("insert into NAG_DOK (id_firmy, id_lata_obrot, nr_ewid_dok, nr_dok_org, data_biezaca, data_okresu, "
                               "status) values (1, ?, 'SCALE-BARE', 'S', ?, ?, 2) returning id_nag_dok"),
                {y.id, y.start + 14, date::monthPeriod(date::year(y.start), date::month(y.start))});
            for (int i = 0; i < 10; ++i)
                db->execute(QStringLiteral("insert into POZ_DOK (id_nag_dok, id_firmy, id_lata_obrot, lp, konto_wn, konto_ma, kwota_wn, "
                                           "kwota_ma, opis, nr_ewid_dok, data_okresu, status) values (?, 1, ?, ?, ?, ?, ?, ?, 'b', "
                                           "'SCALE-BARE', ?, 2)"),
                            {header, y.id, i + 1, ledger.accounts[(i * 7) % ledger.accounts.size()],
                             ledger.accounts[(i * 13 + 5) % ledger.accounts.size()], int64_t(10025), int64_t(10025),
                             date::monthPeriod(date::year(y.start), date::month(y.start))});
            tx.commit();
            db->execute(QStringLiteral("delete from NAG_DOK where id_nag_dok=?"), {header});
        });
        table.add(QStringLiteral("import of a 10-line file"), ours, bare, peakRssMb(),
                  QStringLiteral("importDocumentsFromFile, turnovers included; bare: insert header + lines"));
    }

    // The entries list of "Księga główna": the first page as the window fills it (filter
    // built, first page read), for the account and the prefix, orders 1 and 3.
    SessionContext s;
    bench::openDemoSession(s, y);
    ledger::LedgerEntriesController leaf(*db, s), prefix(*db, s);
    leaf.setAccount(o.account, true);
    prefix.setAccount(o.prefix, false);
    const QString leafCondition = QStringLiteral("{k} = ?");
    const QString prefixCondition = QStringLiteral("{k} like ?");
    const db::Params leafParams{y.id, o.account, y.id, o.account};
    const db::Params prefixParams{y.id, o.prefix + QLatin1Char('%'), y.id, o.prefix + QLatin1Char('%')};
    for (int order : {1, 3}) {
        const QString column = order == 1 ? QStringLiteral("nr_ewid_dok") : QStringLiteral("data_okresu");
        for (auto* c : {&leaf, &prefix}) {
            const bool isLeaf = c == &leaf;
            c->setSortOrder(order);
            const double ours = medianMs(o.runs, [&] { c->rebuild(); });
            const QString bareSql = bareFirstPage(isLeaf ? leafCondition : prefixCondition, column);
            const double bare = medianMs(o.runs, [&] { drain(db->select(bareSql, isLeaf ? leafParams : prefixParams)); });
            table.add(QStringLiteral("first page, order %1, %2 %3").arg(order).arg(isLeaf ? "account" : "prefix", isLeaf ? o.account : o.prefix),
                      ours, bare, peakRssMb(), QStringLiteral("%1 rows held").arg(c->entries().heldRows()));
        }
    }
    prefix.setSortOrder(1);
    prefix.rebuild();

    // "Podsumowanie" of the prefix against the bare aggregate of the same rows.
    int64_t prefixRows = 0;
    {
        const double ours = medianMs(o.runs, [&] {
            prefix.summary().invalidate(false);
            prefix.computeTotals();
        });
        prefixRows = prefix.summary().totals().count;
        const QString bareSql = QStringLiteral(
            "select sum(n), sum(wn), sum(ma), sum(wn_w), sum(ma_w) from ("
            "select count(*) n, sum(kwota_wn) wn, 0 ma, sum(kwota_wn_w) wn_w, 0 ma_w from POZ_DOK "
            "where id_lata_obrot=? and konto_wn like ? and status=2 and czy_rk<>10 union all "
            "select count(*), 0, sum(kwota_ma), 0, sum(kwota_ma_w) from POZ_DOK "
            "where id_lata_obrot=? and konto_ma like ? and status=2 and czy_rk<>10) s");
        int64_t bareRows = 0;
        const double bare = medianMs(o.runs, [&] {
            db::Rows r = db->select(bareSql, prefixParams);
            if (r.next()) bareRows = r.int64(0);
        });
        table.add(QStringLiteral("summary of prefix %1").arg(o.prefix), ours, bare, peakRssMb(),
                  QStringLiteral("%1 rows (bare: %2)").arg(prefixRows).arg(bareRows));
    }

    // The trial balance: the server function the window and the command read with, and the
    // command as a process, for one month and for every period.
    const int month = date::monthPeriod(date::year(y.start), 6);
    for (int period : {month, 0}) {
        server::TrialBalanceQuery q;
        q.company = 1;
        q.year = y.id;
        q.periodDate = period;
        q.currency = QStringLiteral("PLN");
        int64_t rows = 0;
        const double ours = medianMs(o.runs, [&] {
            rows = 0;
            server::forEachTrialBalanceRow(*db, q, [&](const server::TrialBalanceRow&) { return ++rows, true; });
        });
        const QString bareSql = QStringLiteral("select nr_konta, data_okresu, obr_wn, obr_ma, saldo_wn, saldo_ma from OBROTY_I_SALDA "
                                               "where id_firmy=1 and id_lata_obrot=? and sym_waluty='PLN'%1")
                                    .arg(period ? QStringLiteral(" and data_okresu=?") : QString());
        const double bare = medianMs(o.runs, [&] {
            drain(db->select(bareSql, period ? db::Params{y.id, period} : db::Params{y.id}));
        });
        const QString name = period ? QStringLiteral("trial balance of one period") : QStringLiteral("trial balance of every period");
        table.add(name, ours, bare, peakRssMb(), QStringLiteral("%1 rows; bare: the rows unsorted").arg(rows));
        const QString periodArg = period ? server::periodName(period) : QStringLiteral("all");
        const ChildRun command = medianChild(o.runs, [&] {
            return runChild(o.ksiega, QStringList{QStringLiteral("trial-balance")} + session + QStringList{QStringLiteral("--period"), periodArg});
        });
        table.add(QStringLiteral("ksiega trial-balance --period %1").arg(periodArg), command.ms, start.ms + bare, command.peakMb,
                  QStringLiteral("whole process, CPU %1 ms; bare: `ksiega help` (%2 ms, CPU %3 ms) + the bare SQL")
                      .arg(command.cpuMs, 0, 'f', 0).arg(start.ms, 0, 'f', 0).arg(start.cpuMs, 0, 'f', 0));
    }

    // The period-turnover list of an account and of the prefix (BO, the months, BZ).
    for (bool whole : {true, false}) {
        const QString account = whole ? o.account : o.prefix;
        entries::PeriodTurnoverList list(*db);
        const entries::PeriodTurnoverQuery pq{1, y.id, y.start, y.end, QStringLiteral("PLN"), account, whole, 0};
        const double ours = medianMs(o.runs, [&] { list.rebuild(pq); });
        // The same figures in one statement: the account's rows of every period.
        // (A prefix counts its own row: its sub-accounts' rows are summed into it.)
        const QString bareSql = QStringLiteral("select data_okresu, obr_wn, obr_ma, saldo_wn, saldo_ma from OBROTY_I_SALDA where "
                                               "id_firmy=1 and id_lata_obrot=? and sym_waluty='PLN' and nr_konta=?");
        const double bare = medianMs(o.runs, [&] { drain(db->select(bareSql, {y.id, account})); });
        table.add(QStringLiteral("period list, %1 %2").arg(whole ? "account" : "prefix", account), ours, bare, peakRssMb(),
                  QStringLiteral("%1 rows").arg(list.rows().size()));
    }

    // "Zaznacz wszystko" on the prefix and the store of the marks, against the bare insert
    // of the same ids into a keyed table.
    {
        const double ours = heavyMs([&] {
            prefix.unmarkAll();
            prefix.markAll();
            prefix.storeMarks();
        });
        prefix.unmarkAll();
        prefix.storeMarks();
        db->execute(QStringLiteral("create temporary table SCALE_IDS (id BIGINT PRIMARY KEY)"));
        const QString bareSql = bench::bareMarkedIdsInsert(QStringLiteral("SCALE_IDS"));
        const double bare = heavyMs([&] {
            db::Transaction tx(*db);
            db->execute(QStringLiteral("delete from SCALE_IDS"));
            db->execute(bareSql, prefixParams);
            tx.commit();
        });
        db->execute(QStringLiteral("drop table SCALE_IDS"));
        table.add(QStringLiteral("\"Zaznacz wszystko\" + store, prefix %1").arg(o.prefix), prefixRows / (ours / 1000.0),
                  prefixRows / (bare / 1000.0), peakRssMb(), QStringLiteral("%1 ids; %2 ms / bare %3 ms").arg(prefixRows).arg(ours, 0, 'f', 0).arg(bare, 0, 'f', 0),
                  QStringLiteral("ids/s"));
    }

    // The whole-year recompute against the bare grouped aggregate it needs (both sides).
    {
        const double ours = heavyMs([&] { server::UZUPELNIJ_OBROTY_Z_DOKUMENTOW(*db, 1, y.id, 0); });
        const double bare = heavyMs([&] {
            for (const char* side : {"wn", "ma"})
                db->scalarInt(QStringLiteral("select count(*) + sum(s) + sum(sw) from (select konto_%1, waluta, data_okresu, "
                                             "sum(kwota_%1) as s, sum(kwota_%1_w) as sw from %2 where id_firmy=1 and "
                                             "id_lata_obrot=? and konto_%1<>'' group by konto_%1, waluta, data_okresu) g")
                                  .arg(QLatin1String(side), db->dialect().unindexed(QStringLiteral("POZ_DOK"))),
                              {y.id});
        });
        table.add(QStringLiteral("whole-year recompute"), ours, bare, peakRssMb(),
                  QStringLiteral("UZUPELNIJ_OBROTY_Z_DOKUMENTOW; bare: grouped sums of both sides"));
    }

    // A large import into the year, as the command runs it; the bare SQL copies as many of
    // the year's lines into the table in one statement (indexes and keys kept) and rolls back.
    if (o.bigImport > 0) {
        QTemporaryDir dir;
        const QString file = dir.filePath(QStringLiteral("big.csv"));
        writeImportFile(file, ledger, QStringLiteral("BIG%1").arg(QCoreApplication::applicationPid()), o.bigImport);
        double bare = 0;
        {
            db::Transaction tx(*db);
            QElapsedTimer t;
            t.start();
            db->execute(QStringLiteral("insert into POZ_DOK (id_nag_dok, id_firmy, id_lata_obrot, lp, konto_wn, konto_ma, kwota_wn, "
                                       "kwota_ma, kwota_wn_w, kwota_ma_w, waluta, opis, nr_ewid_dok, data_okresu, status, czy_rk) "
                                       "select id_nag_dok, id_firmy, id_lata_obrot, lp + 1000, konto_wn, konto_ma, kwota_wn, kwota_ma, "
                                       "kwota_wn_w, kwota_ma_w, waluta, opis, nr_ewid_dok, data_okresu, status, czy_rk from POZ_DOK "
                                       "where id_lata_obrot=? and id_poz_dok in (select id_poz_dok from POZ_DOK where id_lata_obrot=? "
                                       "order by id_poz_dok limit %1)")
                            .arg(o.bigImport),
                        {y.id, y.id});
            bare = double(t.nsecsElapsed()) / 1e6;
        }   // rolled back
        const ChildRun run = runChild(o.ksiega, QStringList{QStringLiteral("import")} + session + QStringList{file});
        if (run.exitCode != 0) std::fprintf(stderr, "ksiega import exited with %d\n", run.exitCode);
        table.add(QStringLiteral("import of %1 lines into the year").arg(o.bigImport), o.bigImport / (run.ms / 1000.0),
                  o.bigImport / (bare / 1000.0), run.peakMb,
                  QStringLiteral("whole process %1 s (CPU %2 s); bare: insert-select of as many lines %3 s")
                      .arg(run.ms / 1000, 0, 'f', 1).arg(run.cpuMs / 1000, 0, 'f', 1).arg(bare / 1000, 0, 'f', 1),
                  QStringLiteral("lines/s"));
    }
    table.add(QStringLiteral("peak memory of this process"), 0, 0, peakRssMb(), QStringLiteral("the in-process measures above"));
    return 0;
}
