// The turnovers kept by a writer's change, measured on an existing ledger (the demo of
// `ksiega demo --lines N`): a 10-line import, a correction of one document and the
// document window's save of a corrected line, each against the bare SQL that writes the
// same lines without turnovers, in the same run, medians of several rounds. The import's
// time is broken down by its steps. The ledger is left as it was (every import is taken
// back, every correction made there and back).
// Usage: incremental_turnovers --db URL [--company C] [--year-id Y] [--rounds N]
#include "platform/db/Database.h"
#include "platform/db/import/DocumentImporter.h"
#include "platform/db/import/ImportFormat.h"
#include "platform/runtime/Date.h"
#include "platform/server/FiscalYear.h"
#include "platform/server/TurnoverChange.h"
#include "platform/server/TurnoverCheck.h"
#include "platform/server/Turnovers.h"
#include "platform/siblings/documents/DocumentWindowController.h"
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>
#include <algorithm>
#include <cstdio>
#include <functional>
#include <vector>

using namespace ksiega;

namespace {

double median(std::vector<double> v) {
    std::sort(v.begin(), v.end());
    return v.empty() ? 0 : v[v.size() / 2];
}

double millis(const std::function<void()>& work) {
    QElapsedTimer t;
    t.start();
    work();
    return double(t.nsecsElapsed()) / 1e6;
}

struct Ledger {
    int64_t company = 0, year = 0;
    QString journal, type, dt, ct;
    int month = 0;   // a period date in the middle of the year
};

Ledger readLedger(db::Database& db, int64_t company, int64_t year) {
    Ledger l{company, year};
    l.journal = db.scalarText(QStringLiteral("select min(kod_paczki) from PACZKA where id_firmy=? and id_lata_obrot=? and kod_paczki<>'BO'"),
                              {company, year}).value_or(QString());
    l.type = db.scalarText(QStringLiteral("select min(t.sym_typ_dok_uz) from TYP_DOK t join PACZKA_TYPDOK pt on pt.id_typ_dok=t.id_typ_dok "
                                          "join PACZKA p on p.id_paczka=pt.id_paczka where p.kod_paczki=? and p.id_lata_obrot=?"),
                           {l.journal, year}).value_or(QString());
    l.dt = db.scalarText(QStringLiteral("select min(nr_konta) from WARTOSCI_KONT where id_firmy=? and id_lata_obrot=? and czy_analityka=1 "
                                        "and nr_konta like '130%'"), {company, year}).value_or(QString());
    l.ct = db.scalarText(QStringLiteral("select min(nr_konta) from WARTOSCI_KONT where id_firmy=? and id_lata_obrot=? and czy_analityka=1 "
                                        "and nr_konta like '201%'"), {company, year}).value_or(QString());
    const auto fy = server::loadFiscalYear(db, company, year);
    l.month = fy->periodDates()[6];
    return l;
}

// Ten lines, five postings of one amount from a bank account to a customer account.
QByteArray importFile(const Ledger& l, int round) {
    const QString day = date::toIso(l.month + 10);
    QByteArray out = QByteArray(db::import::kHeaderLine.data(), qsizetype(db::import::kHeaderLine.size())) + "\n";
    for (int i = 0; i < 10; ++i) {
        const QString account = i % 2 == 0 ? l.dt : l.ct;
        out += QStringLiteral("B%1,BENCH/%1,%2,%2,%3,%4,%5,,%6,%7,%8.00,,bench\n")
                   .arg(round).arg(day, date::toIso(l.month).left(7), l.journal, l.type,
                        i % 2 == 0 ? account : QString(), i % 2 == 0 ? QString() : account)
                   .arg(100 + i / 2)
                   .toUtf8();
    }
    return out;
}

// The same lines written by plain statements: one header, ten lines.
void bareInsert(db::Database& db, const Ledger& l, int round) {
    db::Transaction tx(db);
    const int64_t doc = db.insertReturningId(
        QStringLiteral("insert into NAG_DOK (id_firmy, id_lata_obrot, nr_ewid_dok, nr_dok_org, data_okresu, data_biezaca, status) "
                       "values (?, ?, ?, ?, ?, ?, 2) returning id_nag_dok"),
        {l.company, l.year, QStringLiteral("BARE/%1").arg(round), QStringLiteral("BARE%1").arg(round), l.month, l.month + 10});
    for (int i = 0; i < 10; ++i)
        db.execute(QStringLiteral("insert into POZ_DOK (id_nag_dok, id_firmy, id_lata_obrot, lp, konto_wn, konto_ma, kwota_wn, kwota_ma, "
                                  "kwota_wn_w, kwota_ma_w, opis, nr_ewid_dok, data_okresu, status, czy_rk) "
                                  "values (?, ?, ?, ?, ?, ?, ?, ?, ?, ?, 'bench', ?, ?, 2, 0)"),
                   {doc, l.company, l.year, i + 1, i % 2 == 0 ? l.dt : QString(), i % 2 == 0 ? QString() : l.ct,
                    i % 2 == 0 ? 10000 + 100 * (i / 2) : 0, i % 2 == 0 ? 0 : 10000 + 100 * (i / 2),
                    i % 2 == 0 ? 10000 + 100 * (i / 2) : 0, i % 2 == 0 ? 0 : 10000 + 100 * (i / 2),
                    QStringLiteral("BARE/%1").arg(round), l.month});
    tx.commit();
}

// Removes what a round wrote, its turnovers with it.
void takeBack(db::Database& db, const Ledger& l, const QString& numberLike) {
    std::vector<int64_t> docs;
    db::Rows r = db.select(QStringLiteral("select id_nag_dok from NAG_DOK where id_firmy=? and id_lata_obrot=? and nr_ewid_dok like ?"),
                           {l.company, l.year, numberLike});
    while (r.next()) docs.push_back(r.int64(0));
    if (docs.empty()) return;
    db::Transaction tx(db);
    server::TurnoverChange change(db, l.company, l.year);
    change.leaving(docs);
    for (int64_t d : docs) db.execute(QStringLiteral("delete from NAG_DOK where id_nag_dok=?"), {d});
    change.apply();
    tx.commit();
}

// A correction of a document's lines: every amount times `factor` over `divisor`, and its
// first Dt line moved to `account`.
void correct(db::Database& db, const Ledger& l, int64_t doc, int factor, int divisor, const QString& account, bool withTurnovers) {
    db::Transaction tx(db);
    std::optional<server::TurnoverChange> change;
    if (withTurnovers) {
        change.emplace(db, l.company, l.year);
        change->leaving({doc});
    }
    db.execute(QStringLiteral("update POZ_DOK set kwota_wn=kwota_wn*?/?, kwota_ma=kwota_ma*?/?, kwota_wn_w=kwota_wn_w*?/?, "
                              "kwota_ma_w=kwota_ma_w*?/? where id_nag_dok=?"),
               {factor, divisor, factor, divisor, factor, divisor, factor, divisor, doc});
    db.execute(QStringLiteral("update POZ_DOK set konto_wn=? where id_poz_dok=(select min(id_poz_dok) from POZ_DOK where id_nag_dok=? "
                              "and konto_wn<>'')"),
               {account, doc});
    if (change) {
        change->arriving({doc});
        change->apply();
    }
    tx.commit();
}

// The document window's save of one line corrected to `amount` on both sides (open, take
// the lock, change the line, save: only the save is timed).
double windowSave(db::Database& db, int64_t doc, Money amount) {
    documents::DocumentWindowController window(db, QStringLiteral("bench"), doc, documents::MODE_CORRECT);
    if (!window.open() || !window.editable() || window.lines().heldRows() == 0) return -1;
    const QString text = amount.toDisplay();
    if (!window.changeLine(0, window.line(0).opis, text, text).isEmpty()) return -1;
    QString refusal;
    const double ms = millis([&] { refusal = window.save(); });
    return refusal.isEmpty() ? ms : -1;
}

// The same change of the line by one plain statement, without turnovers.
double bareLineUpdate(db::Database& db, int64_t line, Money amount) {
    return millis([&] {
        db::Transaction tx(db);
        db.execute(QStringLiteral("update POZ_DOK set kwota_wn=?, kwota_ma=? where id_poz_dok=?"), {amount, amount, line});
        tx.commit();
    });
}

} // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    QString url;
    int64_t company = 1, year = 0;
    int rounds = 7;
    for (int i = 1; i + 1 < argc; i += 2) {
        const QString k = QString::fromLocal8Bit(argv[i]), v = QString::fromLocal8Bit(argv[i + 1]);
        if (k == "--db") url = v;
        else if (k == "--company") company = v.toLongLong();
        else if (k == "--year-id") year = v.toLongLong();
        else if (k == "--rounds") rounds = v.toInt();
    }
    if (url.isEmpty()) {
        std::fprintf(stderr, "usage: incremental_turnovers --db URL [--company C] [--year-id Y] [--rounds N]\n");
        return 2;
    }
    auto db = db::Database::open(url);
    if (year == 0)
        year = db->scalarInt(QStringLiteral("select id_lata_obrot from LATA_OBROTOWE where id_firmy=? and rok_obrotowy='2026'"), {company})
                   .value_or(0);
    const Ledger l = readLedger(*db, company, year);
    const int64_t lines = db->scalarInt(QStringLiteral("select count(*) from POZ_DOK where id_lata_obrot=?"), {year}).value_or(0);
    std::printf("ledger %s: %lld lines in the year; accounts %s / %s, journal %s, type %s\n", qPrintable(url), (long long)lines,
                qPrintable(l.dt), qPrintable(l.ct), qPrintable(l.journal), qPrintable(l.type));

    QTemporaryDir dir;
    std::vector<double> imports, importTurnovers, bares, corrections, bareCorrections;
    std::vector<double> steps[6];   // the import's own steps: check, headers, lines, indexes, commit, the rest
    for (int round = 0; round < rounds; ++round) {
        const QString file = dir.filePath(QStringLiteral("import%1.csv").arg(round));
        QFile f(file);
        f.open(QIODevice::WriteOnly);
        f.write(importFile(l, round));
        f.close();
        db::import::ImportOptions options;
        options.idFirmy = company;
        options.idLataObrot = year;
        db::import::ImportResult result;
        imports.push_back(millis([&] { result = db::import::importDocumentsFromFile(*db, file, options); }));
        if (!result.ok()) {
            std::printf("import refused: %s\n", qPrintable(result.errors.front().text()));
            return 1;
        }
        importTurnovers.push_back(result.turnoverSeconds * 1000);
        const double parts[5] = {result.checkSeconds, result.headerSeconds, result.lineSeconds, result.indexSeconds, result.commitSeconds};
        double rest = result.seconds - result.turnoverSeconds;
        for (int i = 0; i < 5; ++i) {
            steps[i].push_back(parts[i] * 1000);
            rest -= parts[i];
        }
        steps[5].push_back(rest * 1000);
        bares.push_back(millis([&] { bareInsert(*db, l, round); }));
    }
    // A document in the middle of the year, corrected there and back.
    const int64_t doc = db->scalarInt(QStringLiteral("select min(id_nag_dok) from NAG_DOK where id_firmy=? and id_lata_obrot=? "
                                                     "and data_okresu=? and czy_rk=0"),
                                      {company, year, l.month}).value_or(0);
    const QString original = db->scalarText(QStringLiteral("select konto_wn from POZ_DOK where id_poz_dok=(select min(id_poz_dok) "
                                                           "from POZ_DOK where id_nag_dok=? and konto_wn<>'')"), {doc}).value_or(QString());
    // The window corrects the first line of the document: doubled, then back.
    std::vector<double> saves, bareSaves;
    const int64_t firstLine = db->scalarInt(QStringLiteral("select min(id_poz_dok) from POZ_DOK where id_nag_dok=?"), {doc}).value_or(0);
    const Money amount =
        Money::fromMinor(db->scalarInt(QStringLiteral("select kwota_wn from POZ_DOK where id_poz_dok=?"), {firstLine}).value_or(0));
    const bool bothSides = db->scalarInt(QStringLiteral("select count(*) from POZ_DOK where id_poz_dok=? and konto_wn<>'' and konto_ma<>'' "
                                                        "and kwota_wn=kwota_ma"), {firstLine}).value_or(0) == 1;
    for (int round = 0; bothSides && round < rounds; ++round) {
        saves.push_back(windowSave(*db, doc, amount + amount));
        saves.push_back(windowSave(*db, doc, amount));
        bareSaves.push_back(bareLineUpdate(*db, firstLine, amount + amount));
        bareSaves.push_back(bareLineUpdate(*db, firstLine, amount));
    }
    if (std::count(saves.begin(), saves.end(), -1.0) > 0) {
        std::printf("the document window refused to save\n");
        return 1;
    }
    for (int round = 0; round < rounds; ++round) {
        corrections.push_back(millis([&] { correct(*db, l, doc, 2, 1, l.dt, true); }));
        corrections.push_back(millis([&] { correct(*db, l, doc, 1, 2, original, true); }));
        bareCorrections.push_back(millis([&] { correct(*db, l, doc, 2, 1, l.dt, false); }));
        bareCorrections.push_back(millis([&] { correct(*db, l, doc, 1, 2, original, false); }));
    }
    // The bare writes left turnovers behind: what they wrote goes, the table made whole.
    takeBack(*db, l, QStringLiteral("BENCH/%"));
    db->execute(QStringLiteral("delete from NAG_DOK where id_firmy=? and id_lata_obrot=? and nr_ewid_dok like 'BARE/%'"), {company, year});
    // The bare writes netted out (corrected there and back, inserted and deleted): what the
    // changes kept must be what a full recompute makes.
    const size_t differences = server::compareTurnovers(*db, company, year).size();
    std::vector<double> full;
    full.push_back(millis([&] { server::UZUPELNIJ_OBROTY_Z_DOKUMENTOW(*db, company, year, 0); }));

    const double imp = median(imports), bare = median(bares), cor = median(corrections), bareCor = median(bareCorrections);
    std::printf("%-44s %10s %10s %7s\n", "measure (median of rounds, ms)", "ours", "bare SQL", "ratio");
    std::printf("%-44s %10.1f %10.1f %7.1f\n", "10-line import, turnovers included", imp, bare, imp / bare);
    std::printf("%-44s %10.1f %10s %7s\n", "  of which the turnovers", median(importTurnovers), "", "");
    std::printf("  the import's other steps (ms): check %.1f, headers %.1f, lines %.1f, indexes %.1f, commit %.1f, rest %.1f\n",
                median(steps[0]), median(steps[1]), median(steps[2]), median(steps[3]), median(steps[4]), median(steps[5]));
    std::printf("%-44s %10.1f %10.1f %7.1f\n", "correction of one document (amounts, account)", cor, bareCor, cor / bareCor);
    if (!saves.empty())
        std::printf("%-44s %10.1f %10.1f %7.1f\n", "document window: save of a corrected line", median(saves), median(bareSaves),
                    median(saves) / median(bareSaves));
    std::printf("%-44s %10.1f %10s %7s\n", "whole-year recompute, for scale", full[0], "", "");
    std::printf("after the runs: %zu differences from a full recompute\n", differences);
    return 0;
}
