// How the commands open the database: those that only read work on a file the user may only
// read and change nothing; no command creates a database file, folder or schema it was
// not asked to; a missing database is a message that says how to create one; the account
// a person types is taken literally and refused when longer than any account.
#include "platform/db/demo/DemoDatabase.h"
#include "support/SchemaOwner.h"
#include "support/TestDatabase.h"
#include "KsiegaProcess.h"
#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QTemporaryFile>
#include <sys/stat.h>
#include <unistd.h>

using namespace ksiega;

namespace {

using test::Outcome;

class DatabaseOpening : public test::DbTest {
protected:
    void SetUp() override {
        DbTest::SetUp();
        if (IsSkipped()) return;
        if (!QFileInfo::exists(test::ksiegaProgram())) GTEST_SKIP() << "the ksiega executable is not built";
        db::demo::buildDemoDatabase(db());
    }
    QStringList session(const QString& url) const { return {"--db", url, "--company", "1", "--year", "2026"}; }
};
KSIEGA_ON_BOTH_ENGINES(DatabaseOpening);

// The read commands, each with what it needs besides the session.
const std::vector<QStringList> kReadCommands = {
    {"trial-balance", "--period", "2026-01"},
    {"entries", "--account", "100", "--whole", "0"},
    {"turnovers", "--account", "100", "--whole", "0"},
    {"cost-centres"},
    {"settlements"},
};

QByteArray digest(const QString& path) {
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly)) return {};
    return QCryptographicHash::hash(f.readAll(), QCryptographicHash::Sha256);
}

TEST_P(DatabaseOpening, readCommandsWorkOnAFileTheUserMayOnlyReadAndLeaveItAsItWas) {
    if (GetParam() != db::Engine::Sqlite) GTEST_SKIP() << "a file of the embedded database";
    if (geteuid() != 0) GTEST_SKIP() << "runs the commands as another user, which needs root";
    // A closed copy in a folder only root may write, run as `nobody`.
    QTemporaryDir dir;
    ASSERT_EQ(::chmod(QFile::encodeName(dir.path()).constData(), 0755), 0);
    const QString path = dir.filePath("ledger.db");
    db().execute("vacuum into ?", {path});
    db::Database::open("sqlite:" + path).reset(); // in the log mode the program leaves its files in
    ASSERT_EQ(::chmod(QFile::encodeName(path).constData(), 0644), 0);
    QTemporaryDir home;
    ASSERT_EQ(::chown(QFile::encodeName(home.path()).constData(), 65534, 65534), 0);
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert("HOME", home.path());
    env.insert("XDG_CONFIG_HOME", home.path());
    env.insert("XDG_DATA_HOME", home.path());
    env.remove("XDG_RUNTIME_DIR");
    const QByteArray before = digest(path);

    for (const QStringList& command : kReadCommands) {
        const QStringList args = QStringList{"--reuid=65534", "--regid=65534", "--clear-groups", test::ksiegaProgram()} +
                                 QStringList{command.first()} + session("sqlite:" + path) + command.mid(1);
        QProcess p;
        p.setProcessEnvironment(env);
        p.start("setpriv", args);
        const Outcome o = test::finish(p);
        EXPECT_EQ(o.exitCode, 0) << command.join(' ').toStdString() << ": " << o.err.toStdString();
        EXPECT_GT(o.out.count('\n'), 1) << command.join(' ').toStdString();
    }
    EXPECT_EQ(digest(path), before);
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files), QStringList{"ledger.db"});
}

TEST_P(DatabaseOpening, aMissingDatabaseIsNamedWithHowToCreateItAndNothingIsCreated) {
    QTemporaryDir dir;
    QStringList urls;
    if (GetParam() == db::Engine::Sqlite) {
        urls << "sqlite:" + dir.filePath("missing/folder/ledger.db") << "sqlite:file:" + dir.filePath("uri/ledger.db");
    } else {
        urls << qEnvironmentVariable("KSIEGA_TEST_PG") + "?schema=ksiega_missing_schema";
    }
    for (const QString& url : urls) {
        for (const QStringList& command :
             {QStringList{"trial-balance"}, QStringList{"entries", "--account", "100"}, QStringList{"recompute"}}) {
            QProcess p;
            p.setWorkingDirectory(dir.path());
            p.start(test::ksiegaProgram(), QStringList{command.first()} + session(url) + command.mid(1));
            const Outcome o = test::finish(p);
            EXPECT_NE(o.exitCode, 0) << url.toStdString();
            EXPECT_TRUE(o.err.contains("ksiega demo")) << url.toStdString() << ": " << o.err.toStdString();
        }
        QTemporaryFile csv;
        ASSERT_TRUE(csv.open());
        csv.write("nr_dok_org,nr_ewid_dok,data_biezaca,data_dok_org,okres,dziennik,typ_dok,waluta,konto_wn,konto_ma,kwota,kwota_w,opis\n");
        csv.close();
        QProcess p;
        p.setWorkingDirectory(dir.path());
        p.start(test::ksiegaProgram(), QStringList{"import", "--db", url, "--company", "1", "--year", "2026", csv.fileName()});
        const Outcome imported = test::finish(p);
        EXPECT_NE(imported.exitCode, 0);
        EXPECT_TRUE(imported.err.contains("ksiega demo")) << imported.err.toStdString();
    }
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot), QStringList());
    if (GetParam() == db::Engine::Postgres)
        EXPECT_EQ(db().scalarInt("select count(*) from pg_namespace where nspname='ksiega_missing_schema'"), 0);
}

// On a server the application's role may not upgrade an older ledger: the commands say who
// may, and the ledger stays as it was.
TEST_P(DatabaseOpening, anOlderLedgerTheRoleMayNotUpgradeIsRefusedWithWhoUpgradesIt) {
    if (GetParam() != db::Engine::Postgres) GTEST_SKIP() << "roles of a server";
    if (test::ownerUrl(url()) == url()) GTEST_SKIP() << "the tests run as one role";
    const int older = 6;   // its upgrade creates tables (where they are missing)
    db().execute("update WERSJA_SCHEMATU set wersja=?", {older});
    for (const QStringList& command : {QStringList{"trial-balance", "--period", "2026-01"}, QStringList{"recompute"}}) {
        QProcess p;
        p.start(test::ksiegaProgram(), QStringList{command.first()} + session(url()) + command.mid(1));
        const Outcome o = test::finish(p);
        EXPECT_NE(o.exitCode, 0);
        EXPECT_TRUE(o.err.contains("schema's owner")) << o.err.toStdString();
    }
    EXPECT_EQ(db().scalarInt("select max(wersja) from WERSJA_SCHEMATU"), older);
}

TEST_P(DatabaseOpening, anAccountIsTakenLiterallyAndRefusedWhenLongerThanAnyAccount) {
    // '_' and '%' are characters of the account, not wildcards: no account begins with "1_0"
    // or "1%", though many begin with "100".
    ASSERT_GT(db().scalarInt("select count(*) from POZ_DOK where konto_wn like '100%' or konto_ma like '100%'").value_or(0), 0);
    for (const char* prefix : {"1_0", "1%"}) {
        const Outcome o = test::runKsiega(QStringList{"entries"} + session(url()) + QStringList{"--account", prefix, "--whole", "0"});
        ASSERT_EQ(o.exitCode, 0) << o.err.toStdString();
        EXPECT_EQ(o.out.count('\n'), 1) << prefix << ": " << o.out.toStdString(); // the header only
    }
    const Outcome tooLong = test::runKsiega(QStringList{"entries"} + session(url()) + QStringList{"--account", QString(401, '1')});
    EXPECT_EQ(tooLong.exitCode, 2);
    EXPECT_TRUE(tooLong.err.contains("--account is longer than 60 characters")) << tooLong.err.toStdString();
    EXPECT_EQ(tooLong.out, QString());
}

} // namespace
