// The `ksiega import` command: summary on success, errors and exit code 1 on refusal.
#include "ImportLedger.h"
#include "support/TestDatabase.h"
#include <QCoreApplication>
#include <QFileInfo>
#include <QProcess>

using namespace ksiega;
using namespace ksiega::test;

namespace {

class ImportCommandTest : public DbTest {
protected:
    void SetUp() override {
        DbTest::SetUp();
        if (IsSkipped()) return;
        ledger = ImportLedger::create(db());
        program = QCoreApplication::applicationDirPath() + "/../ksiega";
        if (!QFileInfo::exists(program)) GTEST_SKIP() << "the ksiega executable is not built";
    }
    int run(const QStringList& args) {
        QProcess p;
        p.start(program, QStringList{"import", "--db", url(), "--company", QString::number(ledger.firma), "--year", "2026"} + args);
        p.waitForFinished(60000);
        out = QString::fromUtf8(p.readAllStandardOutput());
        err = QString::fromUtf8(p.readAllStandardError());
        return p.exitCode();
    }
    ImportLedger ledger;
    QString program, out, err;
};
KSIEGA_ON_BOTH_ENGINES(ImportCommandTest);

TEST_P(ImportCommandTest, importsAFileAndPrintsASummary) {
    ASSERT_EQ(run({fixturePath("import/create_accounts.csv"), "--create-accounts", "--user", "ksiegowa"}), 0) << err.toStdString();
    EXPECT_TRUE(out.startsWith("imported 2 documents, 3 lines, created 4 accounts in ")) << out.toStdString();
    EXPECT_EQ(*db().scalarInt(QStringLiteral("select count(*) from NAG_DOK where id_uzyt_p = 'ksiegowa'")), 2);
}

TEST_P(ImportCommandTest, refusedFilePrintsItsErrorsAndFails) {
    const auto before = tableCounts(db());
    EXPECT_EQ(run({fixturePath("import/bad.csv")}), 1);
    // The errors and nothing else, in line order.
    EXPECT_TRUE(err.startsWith("line 4: unknown account 202-99\nline 5: document D/3 is unbalanced")) << err.toStdString();
    EXPECT_TRUE(err.endsWith("15 errors; nothing was imported\n")) << err.toStdString();
    EXPECT_EQ(tableCounts(db()), before);
    EXPECT_EQ(run({}), 2); // no file
}

} // namespace
