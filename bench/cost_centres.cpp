// The cost-centre list at scale, on a benchmark ledger made by `ksiega demo --lines N`
// (company 1, 2026; about one line in five split, so N = 5,000,000 gives about a million
// splits): the first page of the list in each of its six orders (both directions) and the
// next page, the "Podsumowanie" figures and "Zaznacz wszystko" (the figures the marks then
// stand for, and their store into ZAZNACZENIE), each against the bare SQL that does the
// same work by hand, with the ratio. Each figure is the median of --runs repetitions (the
// first one warms caches).
//   cost_centres URL [--runs 7] [--no-bare-pages]
// (--no-bare-pages: the list's pages alone, where the hand-written page takes too long.)
#include "MedianTime.h"
#include "costcentres/CostCentreFigures.h"
#include "frame/marks/MarksList.h"
#include "frame/marks/SelectionStore.h"
#include "platform/db/Database.h"
#include "platform/runtime/Date.h"
#include "platform/ui/list/PagedListModel.h"
#include <QCoreApplication>
#include <algorithm>
#include <cstdio>

using namespace ksiega;

namespace {

using bench::medianMs;

constexpr int kPage = 200;
constexpr int kBrowser = 32;

struct Order {
    const char* column;   // the list's column
    const char* bare;     // the same column in the hand-written join
};

// The six orders of the "MPK" window, each by company. The split holds each order's column
// (the header's sort columns as its copy of them), as a hand-written query would read it.
constexpr Order kOrders[] = {
    {"data_biezaca", "m.data_biezaca"}, {"data_dok_org", "m.data_dok_org"}, {"konto", "m.konto"},
    {"kwota", "m.kwota"},               {"nr_dok_org", "m.nr_dok_org"},     {"nr_ewid_dok", "m.nr_ewid_dok"},
};

ui::ListQuery listQuery() {
    using ui::ColumnKind;
    ui::ListQuery q;
    q.source = QStringLiteral("MPK_VIEW");
    q.columns = {{"kwota", "Kwota", ColumnKind::Money, 14},           {"konto", "Konto", ColumnKind::Text, 15},
                 {"strona", "Strona", ColumnKind::Text, 2},           {"nr_ewid_dok", "Nr ewidencyjny", ColumnKind::Text, 20},
                 {"data_biezaca", "Data księg.", ColumnKind::Date, 10}, {"nr_dok_org", "Nr dokumentu", ColumnKind::Text, 20},
                 {"data_dok_org", "Data dok.", ColumnKind::Date, 10},  {"nr_poz_dok", "Nr poz.", ColumnKind::Integer, 6},
                 {"tresc_poz_dok", "Opis pozycji", ColumnKind::Text, 30}, {"wskaznik_1", "Wskaźnik 1", ColumnKind::Text, 15},
                 {"wskaznik_2", "Wskaźnik 2", ColumnKind::Text, 15},  {"wskaznik_3", "Wskaźnik 3", ColumnKind::Text, 15},
                 {"wskaznik_4", "Wskaźnik 4", ColumnKind::Text, 15},  {"wskaznik_5", "Wskaźnik 5", ColumnKind::Text, 15}};
    q.idColumn = QStringLiteral("id_mpk_dane");
    q.sort = ui::SortOrder::ascending(QStringLiteral("Data księg."), {QStringLiteral("data_biezaca")});
    q.ranges = {{QStringLiteral("id_firmy"), int64_t(1)}};
    // The window's filter is never empty: the company scope stands in it.
    q.filter.where = QStringLiteral("id_firmy=1");
    return q;
}

// The first page written by hand: the same join, the same columns, the order and a limit.
QString barePage(const Order& o, bool descending) {
    const char* dir = descending ? " desc" : "";
    return QStringLiteral("select m.kwota, m.konto, m.strona, n.nr_ewid_dok, n.data_biezaca, n.nr_dok_org, n.data_dok_org, p.lp, "
                          "p.opis, w1.symbol, w2.symbol, w3.symbol, w4.symbol, w5.symbol, m.id_mpk_dane from MPK_DANE m "
                          "join POZ_DOK p on p.id_poz_dok=m.id_poz_dok join NAG_DOK n on n.id_nag_dok=p.id_nag_dok "
                          "left join MPK_WSKAZNIK w1 on w1.id_wskaznika=m.wskaznik_1_id "
                          "left join MPK_WSKAZNIK w2 on w2.id_wskaznika=m.wskaznik_2_id "
                          "left join MPK_WSKAZNIK w3 on w3.id_wskaznika=m.wskaznik_3_id "
                          "left join MPK_WSKAZNIK w4 on w4.id_wskaznika=m.wskaznik_4_id "
                          "left join MPK_WSKAZNIK w5 on w5.id_wskaznika=m.wskaznik_5_id "
                          "where m.id_firmy=1 order by %1%2, m.id_mpk_dane%2 limit %3")
        .arg(QString::fromLatin1(o.bare), QString::fromLatin1(dir))
        .arg(kPage);
}

void readAll(db::Rows r) {
    while (r.next()) {}
}

void row(const QString& what, double ms, double bare = -1) {
    if (bare < 0) std::printf("| %-40s | %10.2f ms | %12s | %7s |\n", qPrintable(what), ms, "", "");
    else std::printf("| %-40s | %10.2f ms | %9.2f ms | %7.2f |\n", qPrintable(what), ms, bare, ms / std::max(bare, 0.001));
}

} // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    std::setvbuf(stdout, nullptr, _IOLBF, 0);
    QString url;
    int runs = 7;
    bool barePages = true;
    const QStringList args = app.arguments();
    for (int i = 1; i < args.size(); ++i) {
        if (args[i] == QLatin1String("--runs") && i + 1 < args.size()) runs = std::max(1, args[++i].toInt());
        else if (args[i] == QLatin1String("--no-bare-pages")) barePages = false;
        else url = args[i];
    }
    if (url.isEmpty()) {
        std::fprintf(stderr, "usage: cost_centres URL [--runs N] [--no-bare-pages]\n");
        return 2;
    }
    auto db = db::Database::open(url);
    const int64_t splits = db->scalarInt(QStringLiteral("select count(*) from MPK_DANE where id_firmy=1")).value_or(0);
    if (splits == 0) qFatal("no cost-centre splits of company 1: make the database with ksiega demo --lines N");
    std::printf("cost_centres %s: %lld splits of company 1, pages of %d rows, median of %d runs\n", qPrintable(url),
                qlonglong(splits), kPage, runs);
    std::printf("| %-40s | %13s | %12s | %7s |\n", "measure", "list", "bare SQL", "ratio");

    // The list: the first page in each order and direction, and the next page.
    ui::PagedListModel model(*db, listQuery());
    model.setPageSize(kPage);
    for (const Order& o : kOrders) {
        for (bool descending : {false, true}) {
            ui::SortOrder s = ui::SortOrder::ascending(QString::fromLatin1(o.column), {QString::fromLatin1(o.column)});
            model.setSort(descending ? s.reversed() : s);
            const double t = medianMs(runs, [&] { model.toFirst(); });
            const QString bareSql = barePage(o, descending);
            const double bare = barePages ? medianMs(runs, [&] { readAll(db->select(bareSql)); }) : -1;
            row(QStringLiteral("first page by %1%2").arg(QString::fromLatin1(o.column), descending ? " desc" : ""), t, bare);
        }
    }
    model.setSort(ui::SortOrder::ascending(QStringLiteral("data_biezaca"), {QStringLiteral("data_biezaca")}));
    const double first = medianMs(runs, [&] { model.toFirst(); });
    const double both = medianMs(runs, [&] {
        model.toFirst();
        model.fetchMore();
    });
    row(QStringLiteral("next page by data_biezaca"), both - first);

    // "Podsumowanie": the shared statement over the view, against the bare aggregate of the
    // split table.
    costcentres::SplitSelection all;
    all.company = 1;
    costcentres::SplitFigures figures;
    const double summary = medianMs(runs, [&] { figures = costcentres::splitFigures(*db, all); });
    const QString bareSum = QStringLiteral("select sum(case when strona='WN' then kwota else 0 end), sum(case when strona='MA' then "
                                           "kwota else 0 end), count(*) from MPK_DANE where id_firmy=1");
    const double bare = medianMs(runs, [&] { readAll(db->select(bareSum)); });
    row(QStringLiteral("summary (%1 splits)").arg(figures.count), summary, bare);
    // With a filter the statement reads the view: the same filter by hand over the view and
    // over the joined tables.
    costcentres::SplitSelection dated = all;
    dated.where = QStringLiteral("data_biezaca>=%1").arg(date::fromYmd(2026, 7, 1));
    const double summaryDated = medianMs(runs, [&] { costcentres::splitFigures(*db, dated); });
    const double bareDated = medianMs(runs, [&] {
        readAll(db->select(QStringLiteral("select sum(case when m.strona='WN' then m.kwota else 0 end), sum(case when m.strona='MA' "
                                          "then m.kwota else 0 end), count(*) from MPK_DANE m join POZ_DOK p on "
                                          "p.id_poz_dok=m.id_poz_dok join NAG_DOK n on n.id_nag_dok=p.id_nag_dok where m.id_firmy=1 "
                                          "and n.data_biezaca>=?"),
                           {date::fromYmd(2026, 7, 1)}));
    });
    row(QStringLiteral("summary, posted from July"), summaryDated, bareDated);

    // "Zaznacz wszystko": every row marked stands for the figures of the whole list (the
    // summary above) and, when a print or "Pokaż zaznaczone" needs them, the store of the
    // ids into ZAZNACZENIE in one transaction.
    marks::MarksList marksList;
    marks::StoreRequest request;
    request.browser = kBrowser;
    request.user = 1;
    request.view = QStringLiteral("MPK_VIEW");
    request.idColumn = QStringLiteral("id_mpk_dane");
    request.filter = QStringLiteral("MPK:ID_FIRMY=1");
    int64_t stored = 0;
    const int storeRuns = std::min(runs, 3);
    const double markAll = medianMs(storeRuns, [&] {
        marksList.unmarkAll();
        marksList.markAll();
        costcentres::splitFigures(*db, all);
        stored = marks::storeMarks(*db, marksList, request).stored;
    });
    const double bareStore = medianMs(storeRuns, [&] {
        db::Transaction tx(*db);
        db->execute(QStringLiteral("delete from ZAZNACZENIE where id_uzytkownika=1 and id_browsera=32"));
        db->execute(QStringLiteral("insert into ZAZNACZENIE (id_browsera, id_uzytkownika, id_elementu) select 32, 1, id_mpk_dane "
                                   "from MPK_DANE where id_firmy=1"));
        tx.commit();
        readAll(db->select(bareSum));
    });
    row(QStringLiteral("Zaznacz wszystko + store (%1 ids)").arg(stored), markAll, bareStore);
    marks::clearMarks(*db, kBrowser, 1);
    return 0;
}
