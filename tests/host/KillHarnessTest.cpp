// Every command that writes the ledger, run as the executable on the demo database and
// killed with SIGKILL at seeded moments of its run: afterwards the database is sound (SQLite's
// integrity check), every document is whole or absent (no header without lines, Dt = Ct),
// and the turnovers equal a full recompute of the documents. A new writer adds one row to
// writers() below.
#include "platform/db/demo/DemoDatabase.h"
#include "platform/server/Turnovers.h"
#include "support/TestDatabase.h"
#include "KsiegaProcess.h"
#include "support/SchemaOwner.h"
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QTemporaryDir>
#include <QThread>
#include <functional>
#include <random>
#include <set>

using namespace ksiega;

namespace {

constexpr const char* kHarnessApplication = "ksiega-kill-harness";

class KillHarness;

struct Writer {
    const char* name;
    // The command line after "ksiega" of run number `run`, for a database at `url`; `dir`
    // holds its input files.
    std::function<QStringList(KillHarness&, const QString& url, const QString& dir, int run)> arguments;
};

class KillHarness : public test::DbTest {
protected:
    void SetUp() override {
        DbTest::SetUp();
        if (IsSkipped()) return;
        if (!QFileInfo::exists(test::ksiegaProgram())) GTEST_SKIP() << "the ksiega executable is not built";
        db::demo::buildDemoDatabase(db());
    }

public:
    // A fresh connection: a writer may have replaced the SQLite file the fixture holds.
    std::unique_ptr<db::Database> connect() { return db::Database::open(url()); }

    // What makes a ledger unsound, one per line; empty when every invariant holds. Documents
    // that were not whole in the last state a whole run left (the demo's opening balances in
    // a currency are balanced per currency, not in PLN) are not counted.
    std::string problems() {
        QStringList found;
        auto d = connect();
        if (GetParam() == db::Engine::Sqlite) {
            const QString check = d->scalarText("pragma integrity_check").value_or("no answer");
            if (check != "ok") found << "integrity check: " + check;
        }
        if (!d->tableExists("FIRMA")) return found.join('\n').toStdString(); // no ledger (a demo stopped before its end)
        for (const QString& doc : documentsNotWhole(*d))
            if (!accepted.count(doc)) found << "document not whole: " + doc;
        if (!d->scalarInt("select count(*) from POZ_DOK").value_or(0)) found << "no document lines";
        const QStringList kept = turnovers(*d);
        db::Rows years = d->select("select id_firmy, id_lata_obrot from LATA_OBROTOWE order by 1, 2");
        std::vector<std::pair<int64_t, int64_t>> all;
        while (years.next()) all.emplace_back(years.int64(0), years.int64(1));
        for (const auto& [company, year] : all) server::UZUPELNIJ_OBROTY_Z_DOKUMENTOW(*d, company, year, 0);
        const QStringList recomputed = turnovers(*d);
        if (kept != recomputed) found << QStringLiteral("turnovers differ from a recompute (%1 rows kept, %2 recomputed)")
                                             .arg(kept.size()).arg(recomputed.size());
        return found.join('\n').toStdString();
    }

    // The state a whole run left is the one later runs are judged against.
    void accept() { accepted = documentsNotWhole(*connect()); }
    std::set<QString> accepted;

    // Documents with no line, or whose lines do not balance, by company and register number.
    static std::set<QString> documentsNotWhole(db::Database& d) {
        std::set<QString> out;
        db::Rows r = d.select(
            "select n.id_firmy || '/' || n.id_lata_obrot || '/' || coalesce(n.nr_ewid_dok, '') from NAG_DOK n "
            "where not exists (select 1 from POZ_DOK p where p.id_nag_dok=n.id_nag_dok) "
            "or (select sum(p.kwota_wn) - sum(p.kwota_ma) from POZ_DOK p where p.id_nag_dok=n.id_nag_dok) <> 0");
        while (r.next()) out.insert(r.text(0));
        return out;
    }

    static QStringList turnovers(db::Database& d) {
        QStringList rows;
        db::Rows r = d.select("select id_lata_obrot, sym_waluty, data_okresu, nr_konta, obr_wn, obr_ma, saldo_wn, saldo_ma, "
                              "obr_wn_w, obr_ma_w from OBROTY_I_SALDA order by id_lata_obrot, sym_waluty, data_okresu, nr_konta");
        while (r.next()) {
            QStringList f;
            for (int c = 0; c < 10; ++c) f << r.text(c);
            rows << f.join('|');
        }
        return rows;
    }

    // The ids ("1,2,3") of company 1's 2026 settlements that satisfy `condition` (over ROZRACHUNEK r).
    QStringList settlements(const QString& condition) {
        auto d = connect();
        QStringList list;
        db::Rows r = d->select("select r.id_rozrachunku from ROZRACHUNEK r join LATA_OBROTOWE y on y.id_lata_obrot=r.id_lata_obrot "
                               "where r.id_firmy=1 and y.rok_obrotowy='2026' and " + condition + " order by r.id_rozrachunku");
        while (r.next()) list << r.text(0);
        return list;
    }

    // A file of `documents` balanced two-line documents for company 1, 2026, in the demo's
    // first journal and document type.
    QString importFile(const QString& dir, int documents, int run) {
        auto d = connect();
        const int64_t year = d->scalarInt("select id_lata_obrot from LATA_OBROTOWE where id_firmy=1 and rok_obrotowy='2026'").value_or(0);
        const QString journal = d->scalarText("select kod_paczki from PACZKA where id_firmy=1 and id_lata_obrot=? order by 1 limit 1", {year}).value_or("");
        const QString type = d->scalarText("select sym_typ_dok_uz from TYP_DOK where id_firmy=1 order by 1 limit 1").value_or("");
        const QStringList accounts{"130-01", "131-01"}; // bank accounts of the demo that take postings
        const QString path = QStringLiteral("%1/documents%2.csv").arg(dir).arg(run);
        QFile f(path);
        EXPECT_TRUE(f.open(QIODevice::WriteOnly));
        f.write("nr_dok_org,nr_ewid_dok,data_biezaca,data_dok_org,okres,dziennik,typ_dok,waluta,konto_wn,konto_ma,kwota,kwota_w,opis\n");
        for (int i = 1; i <= documents; ++i) {
            const QString head = QStringLiteral("K/%1,KILL%2/%1,2026-03-10,2026-03-10,2026-03,%3,%4,,").arg(i).arg(run).arg(journal, type);
            f.write((head + accounts.value(0) + ",," + QString::number(i) + ".25,,Dt\n").toUtf8());
            f.write((head + "," + accounts.value(1) + "," + QString::number(i) + ".25,,Ct\n").toUtf8());
        }
        return path;
    }
};
KSIEGA_ON_BOTH_ENGINES(KillHarness);

QStringList session(const QString& url, const char* year = "2026") {
    return {"--db", url, "--company", "1", "--year", year, "--user", "admin"};
}

// Every command that writes the ledger.
const std::vector<Writer>& writers() {
    static const std::vector<Writer> all = {
        {"import", [](KillHarness& h, const QString& url, const QString& dir, int run) {
             return QStringList{"import", "--db", url, "--company", "1", "--year", "2026", h.importFile(dir, 10000, run)};
         }},
        {"recompute", [](KillHarness&, const QString& url, const QString&, int) { return QStringList{"recompute"} + session(url); }},
        {"close-year", [](KillHarness&, const QString& url, const QString&, int) { return QStringList{"close-year"} + session(url, "2025"); }},
        // The demo's opening balance comes from closing 2025: entering it needs --unblock.
        {"opening-balance-set", [](KillHarness&, const QString& url, const QString&, int run) {
             return QStringList{"opening-balance-set"} + session(url) +
                    QStringList{"--unblock", "--account", "130-01", "--dt", QString::number(1000 + run), "--ct", "0"};
         }},
        // Even runs import the customer's warehouse settlements, odd runs undo that.
        {"settlements-import", [](KillHarness& h, const QString& url, const QString&, int run) {
             const QString ids = h.settlements("r.id_nag_dok_m <> 0 and r.id_poz_dok_f = 0 and r.nr_konta like '201-00003%'").join(',');
             return QStringList{"settlements-import"} + session(url) +
                    (run % 2 ? QStringList{"--undo", "--ids", ids} : QStringList{"--account", "201-00003", "--ids", ids, "--balance-date", "2025-12-31"});
         }},
        // Each run makes a document of settlements no earlier run took.
        {"settlements-document", [](KillHarness& h, const QString& url, const QString&, int run) {
             const QStringList open = h.settlements("r.id_nag_dok_m <> 0 and r.id_poz_dok_f = 0 and r.czy_bo = 0");
             return QStringList{"settlements-document"} + session(url) +
                    QStringList{"--journal", "PK", "--type", "PK", "--dt", "130-01", "--ct", "131-01", "--ids",
                                open.mid(run * 3, 3).join(',')};
         }},
        // The demo replaces the ledger's tables: on PostgreSQL that is the schema owner's work.
        {"demo --lines", [](KillHarness&, const QString& url, const QString&, int) {
             return QStringList{"demo", "--db", test::ownerUrl(url), "--force", "--lines", "20000"};
         }},
    };
    return all;
}

// Ends the server sessions of killed runs (the server may not notice a dead client while a
// statement runs) and waits until they are gone, so what they did is rolled back. The runs
// work as the application role or, for the demo, as the schema's owner: only the superuser
// may end the sessions of both.
void settle(db::Database& d) {
    for (int i = 0; i < 200; ++i) {
        const int64_t left = d.scalarInt("select count(*) from pg_stat_activity where application_name=?", {QString(kHarnessApplication)}).value_or(0);
        if (left == 0) return;
        d.select("select pg_terminate_backend(pid) from pg_stat_activity where application_name=?", {QString(kHarnessApplication)}).next();
        QThread::msleep(50);
    }
}

TEST_P(KillHarness, everyWriterKilledAtSeededMomentsLeavesTheLedgerSound) {
    accept();
    ASSERT_EQ(problems(), "");
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert("PGAPPNAME", kHarnessApplication);
    std::mt19937 random(19);
    for (const Writer& w : writers()) {
        SCOPED_TRACE(w.name);
        QTemporaryDir dir;
        // A whole run first: it must succeed, and its length bounds the moments to kill at.
        QElapsedTimer timer;
        timer.start();
        {
            QProcess p;
            p.setProcessEnvironment(env);
            p.start(test::ksiegaProgram(), w.arguments(*this, url(), dir.path(), 0));
            const test::Outcome whole = test::finish(p);
            ASSERT_EQ(whole.exitCode, 0) << whole.err.toStdString();
        }
        const int length = std::max(int(timer.elapsed()), 20);
        accept();
        EXPECT_EQ(problems(), "") << "after a whole run";
        for (int i = 0; i < 3; ++i) {
            const int delay = int(random() % uint32_t(length));
            const QStringList args = w.arguments(*this, url(), dir.path(), i + 1);
            QProcess p;
            p.setProcessEnvironment(env);
            p.start(test::ksiegaProgram(), args);
            ASSERT_TRUE(p.waitForStarted());
            QThread::msleep(delay);
            p.kill();
            p.waitForFinished(30000);
            if (GetParam() == db::Engine::Postgres) settle(*db::Database::open(test::postgresUrl(test::PgRole::Superuser)));
            EXPECT_EQ(problems(), "") << "killed after " << delay << " of " << length << " ms";
        }
    }
}

} // namespace
