// The ledger browse at scale, on a benchmark ledger made by `ksiega demo --lines N`
// (company 1, 2026): the entries list of one account ("Księga główna"), its summary, the
// period-turnover list and "Zaznacz wszystko" stored into ZAZNACZENIE. Prints one table
// per run; each figure is the median of --runs repetitions (the first one warms caches).
//   ledger_browse URL [--account 130-01] [--prefix 13] [--runs 7] [--sorts]
// --sorts adds the first page of every sort order, for the account and for the prefix, each
// beside the bare SQL returning the same page, and their ratio.
// bench/ledger_browse.sh builds the demo databases and runs this over them.
#include "DemoYear.h"
#include "MedianTime.h"
#include "frame/SessionContext.h"
#include "frame/marks/SelectionStore.h"
#include "ledger/accounts/LedgerEntriesController.h"
#include "entries/turnovers/PeriodTurnoverList.h"
#include "platform/db/Database.h"
#include "platform/db/DbError.h"
#include "platform/db/LineCopies.h"
#include "platform/db/SqlText.h"
#include "platform/db/demo/LedgerGenerator.h"
#include "platform/runtime/FilterExpression.h"
#include "platform/ui/list/PagedListModel.h"
#include <QCoreApplication>
#include <QElapsedTimer>
#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <sys/resource.h>

using namespace ksiega;

namespace {

struct Options {
    QString url;
    QString account = db::demo::hotAccount();
    QString prefix = QStringLiteral("13");
    int runs = 7;
    bool sorts = false;
};

Options parse(const QStringList& args) {
    Options o;
    for (int i = 1; i < args.size(); ++i) {
        const QString& a = args[i];
        auto next = [&] { return i + 1 < args.size() ? args[++i] : QString(); };
        if (a == QLatin1String("--account")) o.account = next();
        else if (a == QLatin1String("--prefix")) o.prefix = next();
        else if (a == QLatin1String("--runs")) o.runs = std::max(1, next().toInt());
        else if (a == QLatin1String("--sorts")) o.sorts = true;
        else o.url = a;
    }
    return o;
}

using bench::medianMs;

long peakRssMb() {
    rusage u{};
    getrusage(RUSAGE_SELF, &u);
    return u.ru_maxrss / 1024;
}

using Year = bench::DemoYear;

// The list as the window builds it: the view, its columns, the default order, the filter.
ui::ListQuery entriesQuery(const QString& filter) {
    using ui::ColumnKind;
    ui::ListQuery q;
    q.source = QStringLiteral("POZ_DOK_VIEW_UNION");
    q.columns = {{"nr_ewid_dok", "Nr ewidencyjny", ColumnKind::Text, 12},
                 {"data_biezaca", "Data księgowania", ColumnKind::Date, 10},
                 {"data_okresu", "Okres", ColumnKind::Date, 10},
                 {"nr_dok_org", "Nr dokumentu", ColumnKind::Text, 12},
                 {"data_dok_org", "Data dokumentu", ColumnKind::Date, 10},
                 {"opis", "Opis pozycji", ColumnKind::Text, 30},
                 {"kwota_wn", "Kwota Dt", ColumnKind::Money, 14},
                 {"kwota_ma", "Kwota Ct", ColumnKind::Money, 14},
                 {"kwota_wn_w", "Kwota Dt waluta", ColumnKind::Money, 14},
                 {"kwota_ma_w", "Kwota Ct waluta", ColumnKind::Money, 14},
                 {"waluta", "Waluta", ColumnKind::Text, 3},
                 {"sygnatura", "Dziennik", ColumnKind::Text, 6},
                 {"id_uzyt_p", "Użytkownik", ColumnKind::Text, 8},
                 {"id_nag_dok", "", ColumnKind::Integer, 0},
                 {"id_poz_dok", "", ColumnKind::Integer, 0},
                 {"strona", "", ColumnKind::Integer, 0}};
    q.idColumn = QStringLiteral("id_dokument_pozycja");
    q.sort = ui::SortOrder::ascending(QStringLiteral("Nr ewidencyjny"), {"nr_ewid_dok"});
    q.ranges = {{"id_firmy", int64_t(1)}};
    const FilterTranslation t = translateFilter(filter);
    if (!t.ok()) qFatal("filter: %s", qPrintable(t.error));
    q.filter.where = t.where;
    return q;
}

void row(const char* what, const QString& value, const char* note = "") {
    std::printf("| %-34s | %16s | %s\n", what, qPrintable(value), note);
}

QString ms(double v) { return QString::number(v, 'f', 2) + QStringLiteral(" ms"); }

} // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    std::setvbuf(stdout, nullptr, _IOLBF, 0); // each row as it is measured
    const Options o = parse(app.arguments());
    if (o.url.isEmpty()) {
        std::fprintf(stderr, "usage: ledger_browse URL [--account A] [--prefix P] [--runs N] [--sorts]\n");
        return 2;
    }
    auto db = db::Database::open(o.url);
    const Year y = bench::demoYear(*db);
    const int64_t lines = db->scalarInt(QStringLiteral("select count(*) from POZ_DOK where id_lata_obrot=?"), {y.id}).value_or(0);
    const QString tail = QStringLiteral(" AND PDU:status=2 AND PDU:czy_rk<>10 AND PDU:id_lata_obrot=%1").arg(y.id);
    const QString accountFilter = fieldEquals(QStringLiteral("PDU:konto"), o.account) + tail;
    const QString prefixFilter = sqlPiece(QStringLiteral("konto like ") + db::quoted(o.prefix + QLatin1Char('%'))) + tail;

    std::printf("ledger_browse %s: %lld lines in the year, account %s, prefix %s, median of %d runs, load %.2f\n",
                qPrintable(o.url), qlonglong(lines), qPrintable(o.account), qPrintable(o.prefix), o.runs, [] {
                    double l[1] = {0};
                    return getloadavg(l, 1) == 1 ? l[0] : -1.0;
                }());
    std::printf("| %-34s | %16s |\n", "measure", "value");

    // The entries list: first page (200 rows) and the next page, default order.
    ui::PagedListModel model(*db, entriesQuery(accountFilter));
    row("first page, account", ms(medianMs(o.runs, [&] { model.toFirst(); })));
    row("next page, account", ms(medianMs(o.runs, [&] {
            model.toFirst();
            model.fetchMore();
        }) - medianMs(o.runs, [&] { model.toFirst(); })));
    ui::PagedListModel prefixModel(*db, entriesQuery(prefixFilter));
    row("first page, prefix", ms(medianMs(std::min(o.runs, 3), [&] { prefixModel.toFirst(); })));

    // The summary: the window's aggregate over the view, and the same written by hand on POZ_DOK.
    const QString raw = translateFilter(accountFilter).where;
    const QString summarySql = QStringLiteral("select sum(kwota_wn),sum(kwota_ma),sum(kwota_wn_w),sum(kwota_ma_w),count(*) "
                                              "from POZ_DOK_VIEW_UNION where id_lata_obrot=%1 AND %2").arg(y.id).arg(raw);
    int64_t matching = 0;
    const double summary = medianMs(o.runs, [&] {
        db::Rows r = db->select(summarySql);
        if (r.next()) matching = r.int64(4);
    });
    const QString bareSql = QStringLiteral(
        "select sum(wn), sum(ma), sum(wn_w), sum(ma_w), sum(n) from ("
        "select sum(kwota_wn) wn, 0 ma, sum(kwota_wn_w) wn_w, 0 ma_w, count(*) n from POZ_DOK "
        "where id_lata_obrot=? and konto_wn=? and status=2 and czy_rk<>10 union all "
        "select 0, sum(kwota_ma), 0, sum(kwota_ma_w), count(*) from POZ_DOK "
        "where id_lata_obrot=? and konto_ma=? and status=2 and czy_rk<>10) s");
    const double bare = medianMs(o.runs, [&] { db->select(bareSql, {y.id, o.account, y.id, o.account}).next(); });
    // The same sums with the view read in a subquery that SQLite cannot merge into the
    // aggregate ("limit -1"): it then opens the union and leaves the header out.
    const QString nestedSql = QStringLiteral("select sum(kwota_wn),sum(kwota_ma),sum(kwota_wn_w),sum(kwota_ma_w),count(*) "
                                             "from (select kwota_wn, kwota_ma, kwota_wn_w, kwota_ma_w from POZ_DOK_VIEW_UNION "
                                             "where id_lata_obrot=%1 AND %2%3) v").arg(y.id).arg(raw, db->dialect().limitWithoutEnd());
    const double nested = medianMs(o.runs, [&] { db->select(nestedSql).next(); });
    row("summary (view)", ms(summary), qPrintable(QStringLiteral("%1 matching rows").arg(matching)));
    row("summary (view in a subquery)", ms(nested));
    row("bare aggregate (POZ_DOK)", ms(bare), qPrintable(QStringLiteral("ratios %1 / %2").arg(summary / bare, 0, 'f', 2)
                                                            .arg(nested / bare, 0, 'f', 2)));
    row("summary lines/s", QString::number(qint64(matching / (summary / 1000.0))));
    row("bare aggregate lines/s", QString::number(qint64(matching / (bare / 1000.0))));

    // The period-turnover list: OBLICZ_OBROTY_DLA_KONTA for BO, each month, BZ.
    entries::PeriodTurnoverList periods(*db);
    entries::PeriodTurnoverQuery pq{1, y.id, y.start, y.end, QStringLiteral("PLN"), o.account, true, 0};
    const double periodMs = medianMs(o.runs, [&] { periods.rebuild(pq); });
    row("period list", ms(periodMs), qPrintable(QStringLiteral("%1 rows").arg(periods.rows().size())));

    // "Zaznacz wszystko" and the store of the marks (browser 40).
    marks::MarksList all;
    all.markAll();
    marks::StoreRequest request;
    request.user = 1;
    request.view = QStringLiteral("POZ_DOK_VIEW_UNION");
    request.filter = accountFilter;
    int64_t stored = 0;
    const double store = medianMs(std::min(o.runs, 5), [&] { stored = marks::storeMarks(*db, all, request).stored; });
    row("mark all + store", ms(store), qPrintable(QStringLiteral("%1 ids").arg(stored)));
    row("stored ids/s", QString::number(qint64(stored / (store / 1000.0))));
    marks::clearMarks(*db, marks::BrowserLedgerByAccounts, 1);

    // The same through the window's own controller: choosing the account (filter built, list
    // read from its first page) and the "Podsumowanie" totals.
    {
        SessionContext session;
        bench::openDemoSession(session, y);
        ledger::LedgerEntriesController controller(*db, session);
        controller.setAccount(o.account, true);
        const double choose = medianMs(o.runs, [&] { controller.rebuild(); });
        row("controller: choose account", ms(choose),
            qPrintable(QStringLiteral("%1 rows held").arg(controller.entries().heldRows())));
        const double totals = medianMs(o.runs, [&] {
            controller.summary().invalidate(false);
            controller.computeTotals();
        });
        row("controller: summary totals", ms(totals),
            qPrintable(QStringLiteral("%1 x bare, %2 lines/s").arg(totals / bare, 0, 'f', 2)
                           .arg(qint64(matching / (totals / 1000.0)))));
        const double markAll = medianMs(std::min(o.runs, 5), [&] {
            controller.unmarkAll();
            controller.markAll();
            controller.storeMarks();
        });
        row("controller: mark all + store", ms(markAll),
            qPrintable(QStringLiteral("%1 ids/s").arg(qint64(matching / (markAll / 1000.0)))));
        marks::clearMarks(*db, marks::BrowserLedgerByAccounts, 1);
    }

    if (o.sorts) {
        // Every sort order of the list: the first page for the account and for the prefix,
        // each beside the bare SQL that returns the same page from the same rows (both sides of
        // the lines, the header joined for its columns, ORDER BY ... LIMIT).
        const bool oneSynthetic = [&] {
            try {
                return db::prefixIsOneSynthetic(*db, y.id, o.prefix);
            } catch (const db::DbError&) {
                return false; // a database made before the lines carried their synthetic account
            }
        }();
        ui::PagedListModel orderedPrefix(
            *db, entriesQuery((oneSynthetic ? fieldEquals(QStringLiteral("PDU:syntetyka"), o.prefix) + QStringLiteral(" AND ")
                                            : QString()) + prefixFilter));
        std::printf("\nfirst page (200 rows) per order; prefix %s %s; bare = ORDER BY ... LIMIT over POZ_DOK join NAG_DOK\n",
                    qPrintable(o.prefix), oneSynthetic ? "read as one synthetic account" : "read by its account range");
        std::printf("| %-24s | %10s | %10s | %6s | %10s | %10s | %6s |\n", "order", "account", "bare", "ratio", "prefix", "bare",
                    "ratio");
        const QStringList headerColumns{"data_biezaca", "nr_dok_org", "data_dok_org", "data_oper_gosp", "data_zatwierdzenia",
                                        "nr_sys_dok"};
        // One measure: the median of up to three runs, one when a run takes over a second.
        auto time = [&](const std::function<void()>& work) {
            const double first = medianMs(1, work);
            return first > 1000 ? first : medianMs(std::min(o.runs, 3), work);
        };
        for (const char* c : {"nr_ewid_dok", "data_biezaca", "data_okresu", "nr_dok_org", "data_dok_org", "data_oper_gosp",
                              "kwota_wn", "kwota_ma", "kwota_wn_w", "kwota_ma_w", "opis", "data_zatwierdzenia", "nr_sys_dok"}) {
            const QString column = QString::fromLatin1(c);
            for (bool descending : {false, true}) {
                ui::SortOrder s;
                s.keys = {{column, descending}};
                model.setSort(s);
                orderedPrefix.setSort(s);
                const QString dir = descending ? QStringLiteral(" desc") : QStringLiteral(" asc");
                auto side = [&](int strona, const QString& account) {
                    const QString k = strona == 0 ? QStringLiteral("konto_wn") : QStringLiteral("konto_ma");
                    QString value = headerColumns.contains(column) ? QStringLiteral("n.") + column : QStringLiteral("p.") + column;
                    if (column.startsWith(QLatin1String("kwota")) && column.endsWith(strona == 0 ? QLatin1String("ma") : QLatin1String("wn")))
                        value = QStringLiteral("0");
                    if (column.startsWith(QLatin1String("kwota")) && column.endsWith(strona == 0 ? QLatin1String("ma_w") : QLatin1String("wn_w")))
                        value = QStringLiteral("0");
                    return QStringLiteral("select %1 v, p.id_poz_dok * 2 + %2 id from POZ_DOK p join NAG_DOK n on n.id_nag_dok = p.id_nag_dok "
                                          "where p.id_lata_obrot = %3 and p.status = 2 and p.czy_rk <> 10 and %4")
                        .arg(value).arg(strona).arg(y.id).arg(account.arg(QStringLiteral("p.") + k));
                };
                auto bareSql = [&](const QString& account) {
                    return QStringLiteral("select v, id from (%1 union all %2) u order by v%3, id%3 limit 200")
                        .arg(side(0, account), side(1, account), dir);
                };
                const QString leaf = QStringLiteral("%1 = ") + db::quoted(o.account);
                const QString range = QStringLiteral("%1 like ") + db::quoted(o.prefix + QLatin1Char('%'));
                const double a = time([&] { model.toFirst(); });
                const double ab = time([&] { db::Rows r = db->select(bareSql(leaf)); while (r.next()) {} });
                const double p = time([&] { orderedPrefix.toFirst(); });
                const double pb = time([&] { db::Rows r = db->select(bareSql(range)); while (r.next()) {} });
                std::printf("| %-24s | %7.2f ms | %7.2f ms | %6.2f | %7.2f ms | %7.2f ms | %6.2f |\n",
                            qPrintable(column + dir), a, ab, a / ab, p, pb, p / pb);
            }
        }
    }
    row("peak RSS", QString::number(peakRssMb()) + QStringLiteral(" MB"));
    return 0;
}
