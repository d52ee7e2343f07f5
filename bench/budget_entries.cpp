// The budget windows at scale, on a benchmark ledger made by `ksiega demo --lines N
// --budget` (the budget unit, 2026, a budget line per ledger line) or by `ksiega demo
// --lines N` (company 1, 2026), with one budget line per ledger line written here when the
// ledger has none (a set-based generator: about a fifth of the lines on the revenue side, a
// thousand classification symbols, every flag combination). For each side: the first page
// of each of the eight sort orders both ways, a "+" step, the summary and "Zaznacz
// wszystko" stored into ZAZNACZENIE, each next to the bare SQL of the same work and the
// ratio. Each figure is the median of --runs repetitions (the first one warms caches); the
// bare first page reads BT_VIEW as the window does, ordered the same way.
// The company measured is the one with the most budget lines (--company C to choose).
//   budget_entries URL [--runs 7] [--company C]
#include "MedianTime.h"
#include "budget/views/BudgetSummary.h"
#include "budget/views/BudgetViewController.h"
#include "entries/services/WindowServices.h"
#include "frame/SessionContext.h"
#include "platform/db/BudgetLineCopies.h"
#include "platform/db/Database.h"
#include "platform/db/Schema.h"
#include "platform/runtime/FilterExpression.h"
#include "platform/ui/dialogs/ScriptedDialogs.h"
#include <QCoreApplication>
#include <cstdio>

using namespace ksiega;
using bench::medianMs;

namespace {

// The window's calls to other libraries: none is made while measuring.
struct NoServices : entries::WindowServices {
    void attach(QWidget*, const std::vector<entries::WindowList>&) override {}
    QString quickFilter(const QString&) override { return {}; }
    std::optional<entries::SavedFilter> chooseSavedFilter(int) override { return std::nullopt; }
    void saveFilter(int, const QString&) override {}
    void configureColumns(const entries::WindowList&) override {}
    void exportList(const entries::WindowList&) override {}
    void showFields(const entries::FieldList&) override {}
    void contractorContacts(int64_t) override {}
    bool openDocument(const entries::DrillDownEntry&) override { return false; }
    int chooseStatement(const QString&) override { return 0; }
    bool askPrintRange() override { return false; }
    void startListing(const entries::LedgerPrintJob&, const CurrencyCode&) override {}
    void startAccountLedger() override {}
};

struct NoBudgetServices : budget::BudgetViewServices {
    QString quickFilter(const QString&) override { return {}; }
    std::optional<QString> chooseClassification(const QString&) override { return std::nullopt; }
    void describeClassification(const QString&, const QString&) override {}
    void planSummary(const QString&, const QString&) override {}
    int editBudgetLine(int64_t) override { return 0; }
    int printParameters(int, int, int, int64_t) override { return 0; }
    void startBudgetPrint(const QString&, const QString&, const QString&) override {}
    std::optional<budget::BranchRequest> askBranch() override { return std::nullopt; }
    QString askConfigurationName() override { return {}; }
    int64_t chooseConfiguration(const std::vector<filtertree::TreeConfiguration>&) override { return 0; }
};

// One budget line per ledger line of the company that has none: the side, the symbol
// (dział-rozdział-paragraf of a thousand) and the flags follow the line's id.
int64_t generateBudgetLines(db::Database& db, int64_t company) {
    db::Transaction tx(db);
    const int64_t n = db.execute(QStringLiteral(
        "insert into BT_DANE (id_poz_dok, lp, id_firmy, id_lata_obrot, bt_klasyfikacja, typ, rodzaj_wy, rodzaj_k, rodzaj_z, "
        "rodzaj_x, rodzaj_d, rodzaj_wp, kwota, %1) "
        "select p.id_poz_dok, 1, p.id_firmy, p.id_lata_obrot, "
        "CAST(750 + (p.id_poz_dok % 10) * 10 AS VARCHAR(3)) || '-' || "
        "CAST((750 + (p.id_poz_dok % 10) * 10) * 100 + (p.id_poz_dok / 10) % 5 AS VARCHAR(5)) || '-' || "
        "CAST(4000 + ((p.id_poz_dok / 50) % 20) * 10 AS VARCHAR(4)), "
        "CASE WHEN p.id_poz_dok % 5 = 0 THEN 'D' ELSE 'W' END, "
        "p.id_poz_dok % 2, (p.id_poz_dok / 2) % 2, (p.id_poz_dok / 4) % 2, (p.id_poz_dok / 8) % 2, "
        "(p.id_poz_dok / 2) % 2, (p.id_poz_dok / 4) % 2, p.kwota_wn + p.kwota_ma, %2 "
        "from POZ_DOK p join NAG_DOK n on n.id_nag_dok=p.id_nag_dok "
        "where p.id_firmy=? and not exists (select 1 from BT_DANE b where b.id_poz_dok=p.id_poz_dok)")
        .arg(db::budgetLineCopyColumns(), db::budgetLineCopiesSelect(QStringLiteral("p"), QStringLiteral("n"))), {company});
    tx.commit();
    db.analyze();
    return n;
}

void row(const char* measure, double window, double bare) {
    std::printf("| %-40s | %10.2f | %10.2f | %6.2f |\n", measure, window, bare, bare > 0 ? window / bare : 0.0);
    std::fflush(stdout);
}

} // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    QString url;
    int runs = 7;
    int64_t company = 0;
    const QStringList args = app.arguments();
    for (int i = 1; i < args.size(); ++i) {
        if (args[i] == QLatin1String("--runs") && i + 1 < args.size()) runs = std::max(1, args[++i].toInt());
        else if (args[i] == QLatin1String("--company") && i + 1 < args.size()) company = args[++i].toLongLong();
        else url = args[i];
    }
    if (url.isEmpty()) {
        std::fprintf(stderr, "usage: budget_entries URL [--runs N] [--company C]\n");
        return 2;
    }
    auto db = db::Database::open(url);
    db::upgradeSchema(*db);
    if (company == 0)
        company = db->scalarInt(QStringLiteral("select id_firmy from BT_DANE group by id_firmy order by count(*) desc limit 1")).value_or(1);
    const int64_t year = db->scalarInt(QStringLiteral("select id_lata_obrot from LATA_OBROTOWE where id_firmy=? and rok_obrotowy='2026'"),
                                       {company})
                             .value_or(0);
    if (year == 0) qFatal("no fiscal year 2026 of the company: make the database with ksiega demo --lines N [--budget]");
    const int64_t made = db->scalarInt(QStringLiteral("select count(*) from BT_DANE where id_firmy=?"), {company}).value_or(0) > 0
                             ? 0
                             : generateBudgetLines(*db, company);
    const int64_t lines = db->scalarInt(QStringLiteral("select count(*) from BT_DANE where id_firmy=?"), {company}).value_or(0);
    std::printf("budget_entries %s: %lld budget lines (%lld written now), median of %d runs\n", qPrintable(url), qlonglong(lines),
                qlonglong(made), runs);

    ui::ScriptedDialogs dialogs;
    ui::ScopedDialogs scoped(dialogs);
    SessionContext session;
    session.DANE_ID_FIRMY = company;
    session.DANE_LATA_OBROTOWE = year;
    session.DANE_ID_UZYTKOWNIKA_NR = 999;
    session.DANE_ADMINISTRATOR = 1;
    NoServices services;
    NoBudgetServices budgetServices;

    for (const QString side : {QStringLiteral("W"), QStringLiteral("D")}) {
        const budget::BudgetSide& s = budget::BudgetSide::of(side);
        budget::BudgetViewController c(*db, session, services, budgetServices, s);
        c.open();
        const int64_t count = db->scalarInt(QStringLiteral("select count(*) from BT_DANE where id_firmy=? and typ=?"), {company, side}).value_or(0);
        std::printf("\nside %s: %lld lines\n| %-40s | %10s | %10s | %6s |\n", qPrintable(side), qlonglong(count), "measure",
                    "window ms", "bare ms", "ratio");
        // "+" from a symbol in the middle: the step query and the list it then shows.
        const QString middle = db->scalarText(QStringLiteral("select bt_klasyfikacja from BT_DANE where id_firmy=? and typ=? "
                                                             "order by bt_klasyfikacja limit 1 offset ?"),
                                              {company, side, count / 2})
                                   .value_or(QString());
        const double step = medianMs(runs, [&] {
            c.setClassificationSymbol(middle);
            c.stepUp();
        }) - medianMs(runs, [&] { c.setClassificationSymbol(middle); });
        const double stepBare = medianMs(runs, [&] {
            db->select(QStringLiteral("select bt_klasyfikacja from BT_DANE where id_firmy=? and typ=? and bt_klasyfikacja > ? "
                                      "order by bt_klasyfikacja limit 1"),
                       {company, side, middle})
                .next();
        });
        row("step to the next symbol (+)", step, stepBare);
        c.clearClassification();

        // The summary over the whole side, and over a date range (through the view).
        const QString bareSummary = QStringLiteral("select ") + budget::figuresSelectList(s) +
                                    QStringLiteral(" from BT_DANE where id_firmy=? and typ=?");
        const double summary = medianMs(runs, [&] { c.computeTotals(); });
        const double summaryBare = medianMs(runs, [&] { db->select(bareSummary, {company, side}).next(); });
        row("summary, whole side", summary, summaryBare);
        c.setQuickFilter(QStringLiteral("BTV:KWOTA>=0"));
        const double filtered = medianMs(runs, [&] { c.computeTotals(); });
        const double filteredBare = medianMs(runs, [&] {
            db->select(QStringLiteral("select ") + budget::figuresSelectList(s) +
                           QStringLiteral(" from BT_DANE b join POZ_DOK p on p.id_poz_dok=b.id_poz_dok join NAG_DOK n on "
                                          "n.id_nag_dok=p.id_nag_dok where b.id_firmy=? and b.typ=? and b.kwota>=0"),
                       {company, side})
                .next();
        });
        row("summary, with a quick filter", filtered, filteredBare);
        c.setQuickFilter(QString());

        // "Zaznacz wszystko" and its store (one insert-select).
        const double markAll = medianMs(std::min(runs, 3), [&] {
            c.unmarkAll();
            c.markAll();
            if (!c.browser().storeMarksOrWarn(c.listFilter())) qFatal("the marks were not stored");
        });
        const double markAllBare = medianMs(std::min(runs, 3), [&] {
            db::Transaction tx(*db);
            db->execute(QStringLiteral("delete from ZAZNACZENIE where id_uzytkownika=999 and id_browsera=?"), {s.browser});
            db->execute(QStringLiteral("insert into ZAZNACZENIE (id_browsera, id_uzytkownika, id_elementu) select ?, 999, id_bt_dane "
                                       "from BT_DANE where id_firmy=? and typ=? order by id_bt_dane"),
                        {s.browser, company, side});
            tx.commit();
        });
        row("Zaznacz wszystko, stored", markAll, markAllBare);
        db->execute(QStringLiteral("delete from ZAZNACZENIE where id_uzytkownika=999"));

        // The first page of each order, both ways.
        static const char* columns[] = {"nr_ewid_dok", "data_biezaca", "nr_dok_org", "data_dok_org",
                                        "konto_wn", "konto_ma", "kwota", "bt_klasyfikacja"};
        const QStringList names = budget::BudgetViewController::sortNames();
        for (int i = 0; i < 8; ++i) {
            for (bool descending : {false, true}) {
                if (c.descending() != descending) c.toggleSortDirection();
                const int n = runs;
                const double window = medianMs(n, [&] {
                    c.chooseSort(i);
                    c.browser().list().rowCount({});
                });
                const QString dir = descending ? QStringLiteral(" desc") : QString();
                const QString bareSql = QStringLiteral("select id_bt_dane, bt_klasyfikacja, kwota, konto_wn, konto_ma, nr_ewid_dok, "
                                                       "data_biezaca, nr_dok_org, data_dok_org, nr_poz_dok, tresc_poz_dok from BT_VIEW "
                                                       "where id_firmy=? and typ=? order by %1%2, id_bt_dane%2 limit 100")
                                            .arg(QString::fromLatin1(columns[i]), dir);
                const double bare = medianMs(n, [&] {
                    db::Rows r = db->select(bareSql, {company, side});
                    while (r.next()) {}
                });
                row(qPrintable(QStringLiteral("first page: %1%2").arg(names[i], descending ? QStringLiteral(" (malejąco)") : QString())),
                    window, bare);
            }
        }
        if (c.descending()) c.toggleSortDirection();
        c.chooseSort(budget::BudgetViewController::kDefaultSort);
    }
    return 0;
}
