#pragma once
// bench_import --into: a generated file imported into a copy of an existing ledger, beside
// the bare engine work of putting the same rows in. Each run starts from a fresh copy (a
// copied file on SQLite, CREATE DATABASE ... TEMPLATE on PostgreSQL).
#include "CpuClock.h"
#include "MedianTime.h"
#include "platform/db/Database.h"
#include "platform/db/import/DocumentImporter.h"
#include "platform/runtime/Date.h"
#include "platform/server/Turnovers.h"
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>
#include <QUrl>
#include <algorithm>
#include <cstdio>
#include <vector>

namespace ksiega::bench {

struct LedgerShape {
    int64_t firma = 0, rok = 0;
    int year = 2026;
    QString journal, type;
    QStringList accounts;       // posting accounts of the year
};

// Line i of the generated file: documents of four lines (two Dt, two Ct), every fifth in EUR.
struct GeneratedLine {
    int doc, month;
    bool eur, dt;
    QString account;
    int64_t grosze;
};

inline GeneratedLine generatedLine(const LedgerShape& s, int i) {
    const int doc = i / 4, k = i % 4;
    const int n = int(s.accounts.size());
    return {doc, doc % 12 + 1, doc % 5 == 0, k < 2, s.accounts[(doc * 7 + k * 13) % n], int64_t(100 + doc % 900) * 100 + 10 + k % 2 * 5};
}

inline QByteArray amountText(int64_t grosze) {
    return QByteArray::number(grosze / 100) + "." + QByteArray::number(grosze % 100).rightJustified(2, '0');
}

inline QByteArray numberOf(int doc) { return "IMP/" + QByteArray::number(doc); }

inline void writeImportFile(const LedgerShape& s, const QString& path, int lines) {
    QFile f(path);
    f.open(QIODevice::WriteOnly);
    QByteArray out("nr_dok_org,nr_ewid_dok,data_biezaca,data_dok_org,okres,dziennik,typ_dok,waluta,konto_wn,konto_ma,kwota,kwota_w,opis\n");
    const QByteArray year = QByteArray::number(s.year), journal = s.journal.toUtf8(), type = s.type.toUtf8();
    for (int i = 0; i < lines; ++i) {
        const GeneratedLine l = generatedLine(s, i);
        const QByteArray month = QByteArray::number(l.month).rightJustified(2, '0'), acc = l.account.toUtf8(),
                         amount = amountText(l.grosze);
        out += "FV " + QByteArray::number(l.doc) + "/" + year + "," + numberOf(l.doc) + "," + year + "-" + month + "-15," + year + "-" +
               month + "-10," + year + "-" + month + "," + journal + "," + type + "," + (l.eur ? "EUR," : ",") +
               (l.dt ? acc + "," : "," + acc) + "," + amount + "," + (l.eur ? amount + "," : QByteArray(",")) + "\"Pozycja " +
               QByteArray::number(i) + ", opis\"\n";
        if (out.size() > (1 << 20)) { f.write(out); out.clear(); }
    }
    f.write(out);
}

inline LedgerShape readShape(db::Database& db, int64_t firma, int64_t rok) {
    LedgerShape s{firma, rok};
    s.year = date::toQDate(int(db.scalarInt("select poczatek_roku from LATA_OBROTOWE where id_lata_obrot=?", {rok}).value_or(0))).year();
    s.journal = db.scalarText("select min(kod_paczki) from PACZKA where id_firmy=? and id_lata_obrot=? and kod_paczki<>'BO'", {firma, rok})
                    .value_or(QString());
    s.type = db.scalarText("select min(sym_typ_dok_uz) from TYP_DOK where id_firmy=? and sym_typ_dok_uz<>'BO'", {firma}).value_or(QString());
    db::Rows r = db.select("select nr_konta from WARTOSCI_KONT where id_firmy=? and id_lata_obrot=? and czy_analityka=1 order by nr_konta",
                           {firma, rok});
    while (r.next()) s.accounts << r.text(0);
    return s;
}

// The bare work: the same headers and lines through the engine's bulk path, one transaction.
inline void bareLoad(db::Database& db, const LedgerShape& s, int lines) {
    db::Transaction tx(db);
    const int64_t firstDoc = db.scalarInt("select coalesce(max(id_nag_dok),0)+1 from NAG_DOK").value_or(1);
    const int64_t firstLine = db.scalarInt("select coalesce(max(id_poz_dok),0)+1 from POZ_DOK").value_or(1);
    const int64_t journal = db.scalarInt("select id_paczka from PACZKA where id_firmy=? and id_lata_obrot=? and kod_paczki=?",
                                         {s.firma, s.rok, s.journal}).value_or(0);
    const int64_t type = db.scalarInt("select id_typ_dok from TYP_DOK where id_firmy=? and sym_typ_dok_uz=?", {s.firma, s.type}).value_or(0);
    const int documents = (lines + 3) / 4;
    {
        auto out = db.bulkInsert("NAG_DOK", {"id_nag_dok", "id_firmy", "id_lata_obrot", "id_paczka", "id_typ_dok", "nr_ewid_dok",
                                             "nr_dok_org", "data_biezaca", "data_dok_org", "data_okresu", "data_zatwierdzenia",
                                             "status", "czy_rk", "waluta", "id_uzyt_p"});
        for (int d = 0; d < documents; ++d) {
            const int month = d % 12 + 1;
            out->add({firstDoc + d, s.firma, s.rok, journal, type, QString::fromLatin1(numberOf(d)), QStringLiteral("FV %1/%2").arg(d).arg(s.year),
                      date::fromYmd(s.year, month, 15), date::fromYmd(s.year, month, 10), date::fromYmd(s.year, month, 2),
                      date::fromYmd(s.year, 12, 31), 2, 0, d % 5 == 0 ? QStringLiteral("EUR") : QString(), QStringLiteral("import")});
        }
        out->finish();
    }
    auto out = db.bulkInsert("POZ_DOK", {"id_poz_dok", "id_nag_dok", "id_firmy", "id_lata_obrot", "lp", "konto_wn", "konto_ma",
                                         "kwota_wn", "kwota_ma", "kwota_wn_w", "kwota_ma_w", "waluta", "opis", "nr_ewid_dok",
                                         "data_okresu", "status", "czy_rk"});
    for (int i = 0; i < lines; ++i) {
        const GeneratedLine l = generatedLine(s, i);
        const int64_t w = l.eur ? l.grosze : 0;
        out->add({firstLine + i, firstDoc + l.doc, s.firma, s.rok, i % 4 + 1, l.dt ? l.account : QString(), l.dt ? QString() : l.account,
                  l.dt ? l.grosze : 0, l.dt ? 0 : l.grosze, l.dt ? w : 0, l.dt ? 0 : w, l.eur ? QStringLiteral("EUR") : QString(),
                  QStringLiteral("Pozycja %1, opis").arg(i), QString::fromLatin1(numberOf(l.doc)), date::fromYmd(s.year, l.month, 2), 2, 0});
    }
    out->finish();
    tx.commit();
}

// A fresh copy of the ledger for one run; the copy goes when the object does.
class LedgerCopy {
public:
    LedgerCopy(const QString& url, const QString& tag) : m_url(url) {
        if (url.startsWith(QLatin1String("sqlite:"))) {
            m_copy = QStringLiteral("%1.%2.%3").arg(url.mid(7), tag).arg(QCoreApplication::applicationPid());
            QFile::remove(m_copy);
            QFile::copy(url.mid(7), m_copy);
            m_db = db::Database::open(QStringLiteral("sqlite:") + m_copy);
        } else {
            QUrl u(url);
            const QString source = u.path().mid(1);
            m_copy = QStringLiteral("%1_%2_%3").arg(source, tag).arg(QCoreApplication::applicationPid());
            u.setPath(QStringLiteral("/postgres"));
            m_admin = u.toString();
            auto admin = db::Database::open(m_admin);
            admin->executeScript(QStringLiteral("DROP DATABASE IF EXISTS %1").arg(m_copy));
            admin->executeScript(QStringLiteral("CREATE DATABASE %1 TEMPLATE %2").arg(m_copy, source));
            u.setPath(QLatin1Char('/') + m_copy);
            m_db = db::Database::open(u.toString());
        }
    }
    ~LedgerCopy() {
        m_db.reset();
        if (m_admin.isEmpty()) {
            for (const char* suffix : {"", "-wal", "-shm", "-journal"}) QFile::remove(m_copy + QLatin1String(suffix));
        } else {
            db::Database::open(m_admin)->executeScript(QStringLiteral("DROP DATABASE IF EXISTS %1").arg(m_copy));
        }
    }
    db::Database& db() { return *m_db; }

private:
    QString m_url, m_copy, m_admin;
    std::unique_ptr<db::Database> m_db;
};

inline double median(std::vector<double> v) {
    std::sort(v.begin(), v.end());
    return v.empty() ? 0 : v[v.size() / 2];
}

inline int importIntoExisting(const QStringList& args) {
    auto option = [&](const char* name, const QString& fallback) {
        const int i = int(args.indexOf(QLatin1String(name)));
        return i > 0 && i + 1 < args.size() ? args[i + 1] : fallback;
    };
    const QString url = option("--into", QString());
    const int64_t firma = option("--company", "1").toLongLong(), rok = option("--year", "2").toLongLong();
    const int lines = option("--lines", "1000000").toInt(), runs = option("--runs", "1").toInt();
    LedgerShape shape;
    int64_t before = 0;
    {
        auto db = db::Database::open(url);
        shape = readShape(*db, firma, rok);
        before = db->scalarInt("select count(*) from POZ_DOK where id_lata_obrot=?", {rok}).value_or(0);
    }
    if (shape.accounts.isEmpty() || shape.journal.isEmpty() || shape.type.isEmpty()) {
        std::printf("no posting accounts, journal or document type in company %lld year %lld\n", (long long)firma, (long long)rok);
        return 1;
    }
    QTemporaryDir dir;
    const QString file = dir.filePath(QStringLiteral("documents.csv"));
    writeImportFile(shape, file, lines);
    std::printf("%s: %d lines into a year of %lld lines (%lld accounts, journal %s, type %s)\n", qPrintable(url), lines, (long long)before,
                (long long)shape.accounts.size(), qPrintable(shape.journal), qPrintable(shape.type));
    std::vector<double> ours, loading, bare, oursCpu, bareCpu;
    for (int run = 0; run < runs; ++run) {
        {
            LedgerCopy copy(url, QStringLiteral("imp"));
            db::import::ImportOptions options;
            options.idFirmy = firma;
            options.idLataObrot = rok;
            const CpuClock cpu(copy.db());
            const auto result = db::import::importDocumentsFromFile(copy.db(), file, options);
            // The import's turnover recompute, timed again on its own and taken out of the CPU figure.
            const double withTurnovers = cpu.seconds();
            const CpuClock again(copy.db());
            server::UZUPELNIJ_OBROTY_Z_DOKUMENTOW(copy.db(), firma, rok, 0);
            oursCpu.push_back(withTurnovers - again.seconds());
            if (!result.ok()) {
                std::printf("refused: %s\n", qPrintable(result.errors.front().text()));
                return 1;
            }
            const double load = result.seconds - result.turnoverSeconds;
            std::printf("run %d ours: %.2f s (%.0f lines/s) without turnovers, CPU %.2f s without them; check %.2f, headers %.2f, lines %.2f, indexes %.2f, "
                        "commit %.2f; turnovers %.2f s\n",
                        run + 1, load, double(result.lines) / load, oursCpu.back(), result.checkSeconds, result.headerSeconds, result.lineSeconds,
                        result.indexSeconds, result.commitSeconds, result.turnoverSeconds);
            ours.push_back(result.seconds);
            loading.push_back(load);
        }
        {
            LedgerCopy copy(url, QStringLiteral("bare"));
            QElapsedTimer t;
            t.start();
            const CpuClock cpu(copy.db());
            bareLoad(copy.db(), shape, lines);
            bare.push_back(double(t.nsecsElapsed()) / 1e9);
            bareCpu.push_back(cpu.seconds());
            std::printf("run %d bare: %.2f s (%.0f lines/s), CPU %.2f s\n", run + 1, bare.back(), lines / bare.back(), bareCpu.back());
        }
    }
    const double l = median(loading), b = median(bare);
    std::printf("median of %d: ours %.2f s = %.0f lines/s (with turnovers %.2f s), bare %.2f s = %.0f lines/s, ratio %.2f\n", runs, l,
                lines / l, median(ours), b, lines / b, l / b);
    std::printf("median CPU without turnovers: ours %.2f s = %.0f lines/s, bare %.2f s = %.0f lines/s, ratio %.2f\n", median(oursCpu),
                lines / median(oursCpu), median(bareCpu), lines / median(bareCpu), median(oursCpu) / median(bareCpu));
    return 0;
}

} // namespace ksiega::bench
