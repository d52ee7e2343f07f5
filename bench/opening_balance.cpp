// "Bilans otwarcia" at scale: the demo database (company 1, 2026) whose PLN opening
// balance gets 100,000 lines more, spread over the leaf accounts of the chart. Measures,
// each against the bare SQL that computes the same sums in the same run:
//   load     the window's controller opened (year flags, option 224, chart, document,
//            the two grouped sums, roll-up, totals, sort)  vs  the two grouped statements;
//   summary  "Podsumowanie" (POZYCJE_BO_SUMUJ per currency and modes 2-4)  vs  one sum per
//            currency's document and the three year totals;
//   save     one line claimed, its amounts written with their turnovers, released
//            vs  the line's update and the grouped sum of its synthetic account.
// Each figure is the median of --runs timed runs after one untimed run.
//   opening_balance URL [--runs 7]     URL: sqlite:FILE or a PostgreSQL URL (empty, or a
//                                      demo database made by this program before)
#include "MedianTime.h"
#include "frame/SessionContext.h"
#include "openingbalance/browse/OpeningBalanceController.h"
#include "platform/db/Database.h"
#include "platform/db/Schema.h"
#include "platform/db/demo/DemoDatabase.h"
#include "platform/server/OpeningBalanceDocument.h"
#include "platform/server/OpeningBalanceLines.h"
#include "platform/ui/dialogs/ScriptedDialogs.h"
#include <QCoreApplication>
#include <QElapsedTimer>
#include <algorithm>
#include <cstdio>
#include <functional>

using namespace ksiega;

namespace {

constexpr int LINES = 100000;

// Median milliseconds of `runs` timed calls after one untimed call; -1 when the work throws.
double medianMs(int runs, const std::function<void()>& work, QString* error) {
    try {
        return bench::medianMs(runs, work);
    } catch (const std::exception& e) {
        *error = QString::fromUtf8(e.what());
        return -1;
    }
}

void addLines(db::Database& db, int64_t company, int64_t year, int64_t document, int periodDate) {
    const int64_t present = db.scalarInt(QStringLiteral("select count(*) from POZ_DOK where id_nag_dok=?"), {document}).value_or(0);
    if (present >= LINES) return;
    QStringList leaves;
    db::Rows rows = db.select(QStringLiteral("select nr_konta from WARTOSCI_KONT where id_firmy=? and id_lata_obrot=? and "
                                             "czy_analityka=1 order by nr_konta"),
                              {company, year});
    while (rows.next()) leaves << rows.text(0).trimmed();
    db::Transaction tx(db);
    auto bulk = db.bulkInsert(QStringLiteral("POZ_DOK"),
                              {"id_nag_dok", "id_firmy", "id_lata_obrot", "lp", "konto_wn", "konto_ma", "kwota_wn", "kwota_ma",
                               "nr_ewid_dok", "data_okresu", "status", "czy_rk"});
    const int n = int(leaves.size());
    for (int i = 0; i < LINES; ++i) {
        const int64_t amount = 100 + (i * 37) % 100000;
        bulk->add({document, company, year, int(present) + i + 1, leaves[i % n], leaves[(i * 7 + 3) % n], amount, amount,
                   "BO", periodDate, 2, 10});
    }
    bulk->finish();
    tx.commit();
    db.analyze();
}

} // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    const QStringList args = app.arguments();
    QString url;
    int runs = 7;
    for (int i = 1; i < args.size(); ++i) {
        if (args[i] == QLatin1String("--runs") && i + 1 < args.size()) runs = std::max(1, args[++i].toInt());
        else url = args[i];
    }
    if (url.isEmpty()) {
        std::fprintf(stderr, "usage: opening_balance URL [--runs N]\n");
        return 2;
    }
    ui::ScriptedDialogs dialogs;   // no person at hand: a message is written down, not shown
    ui::ScopedDialogs scoped(dialogs);
    auto db = db::Database::open(url);
    db::upgradeSchema(*db);   // a database this program made under an older schema gains its indexes
    if (!db->tableExists(QStringLiteral("FIRMA")) || !db->scalarInt(QStringLiteral("select count(*) from FIRMA")).value_or(0))
        db::demo::buildDemoDatabase(*db);

    SessionContext& s = session();
    s.DANE_ID_FIRMY = 1;
    s.DANE_LATA_OBROTOWE = db->scalarInt(QStringLiteral("select id_lata_obrot from LATA_OBROTOWE where id_firmy=1 and "
                                                        "rok_obrotowy='2026'")).value_or(0);
    s.DANE_POCZATEK_ROKU = db->scalarInt(QStringLiteral("select poczatek_roku from LATA_OBROTOWE where id_lata_obrot=?"),
                                         {s.DANE_LATA_OBROTOWE}).value_or(0);
    s.DANE_ID_UZYT = db->scalarText(QStringLiteral("select login from UZYTKOWNICY order by login")).value_or(QString());
    s.DANE_ID_UZYTKOWNIKA_NR = 1;
    const int bo = s.DANE_POCZATEK_ROKU;
    const int64_t document = server::PRZYGOTUJ_DOKUMENT_BO(*db, s.DANE_ID_FIRMY, s.DANE_LATA_OBROTOWE, s.DANE_ID_UZYT, bo,
                                                           bo, QStringLiteral("PLN"));
    addLines(*db, s.DANE_ID_FIRMY, s.DANE_LATA_OBROTOWE, document, bo);
    const int64_t lines = db->scalarInt(QStringLiteral("select count(*) from POZ_DOK where id_nag_dok=?"), {document}).value_or(0);

    openingbalance::LineEditors& editors = openingbalance::noLineEditors();
    QString loadError, summaryError, saveError, bareError;
    int rowCount = 0;
    const double load = medianMs(runs, [&] {
        openingbalance::OpeningBalanceController c(*db, s, editors);
        c.filterWindow = [] { return uint8_t(0); };
        c.open();
        rowCount = int(c.rows().size());
    }, &loadError);
    const double loadBare = medianMs(runs, [&] {
        for (const char* side : {"wn", "ma"}) {
            db::Rows r = db->select(QStringLiteral("select konto_%1, sum(kwota_%1), sum(kwota_%1_w) from POZ_DOK where "
                                                   "id_nag_dok=? and konto_%1<>'' and (kwota_%1<>0 or kwota_%1_w<>0) "
                                                   "group by konto_%1").arg(QString::fromLatin1(side)),
                                    {document});
            while (r.next()) {}
        }
    }, &bareError);

    openingbalance::OpeningBalanceController summaryController(*db, s, editors);
    summaryController.filterWindow = [] { return uint8_t(0); };
    summaryController.open();
    const double summary = medianMs(runs, [&] { summaryController.refreshSummary(); }, &summaryError);
    const double summaryBare = medianMs(runs, [&] {
        db::Rows currencies = db->select(QStringLiteral("select sym_waluty from WALUTY"));
        QStringList symbols;
        while (currencies.next()) symbols << currencies.text(0);
        for (const QString& symbol : symbols) {
            db::Rows r = db->select(QStringLiteral("select sum(p.kwota_wn), sum(p.kwota_wn_w), sum(p.kwota_ma), sum(p.kwota_ma_w) "
                                                   "from POZ_DOK p join NAG_DOK n on n.id_nag_dok=p.id_nag_dok where "
                                                   "n.id_firmy=? and n.id_lata_obrot=? and n.czy_rk=10 and n.waluta=?"),
                                    {s.DANE_ID_FIRMY, s.DANE_LATA_OBROTOWE, symbol == QLatin1String("PLN") ? QString() : symbol});
            while (r.next()) {}
        }
        for (const QString& where : {QString(), QStringLiteral(" and k.typ_konta='P'")}) {
            db::Rows r = db->select(QStringLiteral("select sum(p.kwota_wn), sum(p.kwota_ma) from POZ_DOK p join NAG_DOK n on "
                                                   "n.id_nag_dok=p.id_nag_dok left join WARTOSCI_KONT w on "
                                                   "w.id_firmy=n.id_firmy and w.id_lata_obrot=n.id_lata_obrot and "
                                                   "w.nr_konta=p.konto_wn left join KONTA_SYNT k on k.id_firmy=w.id_firmy and "
                                                   "k.id_lata_obrot=w.id_lata_obrot and k.nr_konta_syn=w.nr_konta_syn "
                                                   "where n.id_firmy=? and n.id_lata_obrot=? and n.czy_rk=10") + where,
                                    {s.DANE_ID_FIRMY, s.DANE_LATA_OBROTOWE});
            while (r.next()) {}
        }
    }, &bareError);

    const QString account = db->scalarText(QStringLiteral("select konto_wn from POZ_DOK where id_nag_dok=? and konto_wn<>'' "
                                                          "order by id_poz_dok limit 1"), {document}).value_or(QString());
    int64_t flip = 0;
    const double save = medianMs(runs, [&] {
        const server::LineClaim claim = server::POZYCJE_BO_DODAJ(*db, s.DANE_ID_FIRMY, document, account, s.DANE_ID_UZYT,
                                                                 s.DANE_ID_UZYTKOWNIKA_NR);
        if (claim.status != server::LineClaimStatus::Claimed) throw std::runtime_error("line not claimed");
        server::LineAmounts amounts;
        amounts.kwotaWn = Money::fromMinor(100000 + (++flip % 2));
        server::POZYCJE_BO_AKTUALIZUJ(*db, document, bo, s.DANE_ID_FIRMY, s.DANE_LATA_OBROTOWE, claim.idPozDok, 0, QString(),
                                      QString(), amounts, s.DANE_ID_UZYTKOWNIKA_NR);
        server::POZYCJE_BO_ZWOLNIJ(*db, claim.idPozDok, s.DANE_ID_UZYT);
    }, &saveError);
    const int64_t someLine = db->scalarInt(QStringLiteral("select min(id_poz_dok) from POZ_DOK where id_nag_dok=?"), {document}).value_or(0);
    const double saveBare = medianMs(runs, [&] {
        db::Transaction tx(*db);
        db->execute(QStringLiteral("update POZ_DOK set kwota_wn=kwota_wn where id_poz_dok=?"), {someLine});
        db::Rows r = db->select(QStringLiteral("select konto_wn, sum(kwota_wn) from POZ_DOK where id_nag_dok=? and "
                                               "substr(konto_wn,1,3)=? group by konto_wn"),
                                {document, account.left(3)});
        while (r.next()) {}
        tx.commit();
    }, &bareError);

    auto line = [](const char* what, double ms, double bare, const QString& error) {
        if (ms < 0) std::printf("%-8s %10s %10.2f %8s   (%s)\n", what, "n/a", bare, "", error.toUtf8().constData());
        else std::printf("%-8s %10.2f %10.2f %8.2f\n", what, ms, bare, bare > 0 ? ms / bare : 0.0);
    };
    std::printf("%s: %lld lines in the PLN opening balance, %d rows in the tree, median of %d runs\n",
                url.section(QChar('?'), 0, 0).toUtf8().constData(), static_cast<long long>(lines), rowCount, runs);
    std::printf("%-8s %10s %10s %8s\n", "", "ms", "bare ms", "ratio");
    line("load", load, loadBare, loadError);
    line("summary", summary, summaryBare, summaryError);
    line("save", save, saveBare, saveError);
    if (!bareError.isEmpty()) std::printf("bare SQL failed: %s\n", bareError.toUtf8().constData());
    return 0;
}
