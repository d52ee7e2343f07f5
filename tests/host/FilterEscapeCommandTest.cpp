// The filter that once listed every company's and year's entries from the command
// line: `entries --filter` and `report WYDRUK_KSIEGA --filter` refuse it, point into the
// filter as it was typed, and print or write nothing.
#include "frame/SessionContext.h"
#include "frame/lifecycle/ModuleState.h"
#include "host/Subcommands.h"
#include "support/LedgerFixture.h"
#include "support/TestDatabase.h"
#include <QFile>
#include <QTemporaryDir>

using namespace ksiega;
using namespace ksiega::host;

namespace {

class FilterEscapeCommand : public test::DbTest {
protected:
    void TearDown() override {
        resetSession();
        resetModuleState();
        DbTest::TearDown();
    }
};

const QString kEscape = QStringLiteral("SQL(\"'\"))) OR 1=1 ; \"'\")");

} // namespace

KSIEGA_ON_BOTH_ENGINES(FilterEscapeCommand);

TEST_P(FilterEscapeCommand, entriesAndTheLedgerListingRefuseTheEscapingFilter) {
    test::LedgerFixture f(db());
    const QStringList base{QStringLiteral("--db"), url(), QStringLiteral("--company"), QString::number(f.company),
                           QStringLiteral("--year"), QStringLiteral("2026")};
    try {
        runSubcommand(QStringLiteral("entries"), base + QStringList{"--account", "130-01", "--filter", kEscape});
        ADD_FAILURE() << "the filter was taken";
    } catch (const UsageError& e) {
        EXPECT_TRUE(QString::fromStdString(e.what()).contains(QStringLiteral("pozycja 5"))) << e.what();
    }
    resetSession();
    resetModuleState();

    QTemporaryDir dir;
    const QString listing = dir.filePath(QStringLiteral("zapisy.txt"));
    int exit = 0;
    try {
        exit = runSubcommand(QStringLiteral("report"), QStringList{QStringLiteral("WYDRUK_KSIEGA")} + base +
                                                           QStringList{"--params", "68,0,0,1,1,Konto: 130-01", "--filter",
                                                                       kEscape, "--text", listing});
    } catch (const UsageError&) {
        exit = 2;
    }
    EXPECT_NE(exit, 0);
    EXPECT_FALSE(QFile::exists(listing));
}
