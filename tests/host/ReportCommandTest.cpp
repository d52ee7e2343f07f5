// ksiega report: the account ledger printout of a real ledger written to PDF and text,
// and the options it refuses.
#include "frame/SessionContext.h"
#include "frame/lifecycle/ModuleState.h"
#include "host/Subcommands.h"
#include "platform/server/Turnovers.h"
#include "support/LedgerFixture.h"
#include "support/TestDatabase.h"
#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>

using namespace ksiega;
using namespace ksiega::host;

namespace {

int runCommand(const QStringList& args) {
    const Subcommand& command = subcommands().at(QStringLiteral("report"));
    return command.run(Arguments(args, command.flagNames));
}

QString pdfText(const QString& file) {
    QProcess p;
    p.start(QStringLiteral("pdftotext"), {QStringLiteral("-layout"), QStringLiteral("-enc"), QStringLiteral("UTF-8"),
                                          file, QStringLiteral("-")});
    if (!p.waitForFinished(30000)) return {};
    return QString::fromUtf8(p.readAllStandardOutput());
}

class ReportCommand : public test::DbTest {
protected:
    void TearDown() override {
        resetSession();
        resetModuleState();
        DbTest::TearDown();
    }
};

} // namespace

TEST_P(ReportCommand, accountLedgerPdfHoldsHeadingRowsTotalsAndEnd) {
    test::LedgerFixture f(db());
    server::UZUPELNIJ_OBROTY_Z_DOKUMENTOW(db(), f.company, f.year2026, 0);
    QTemporaryDir dir;
    const QString pdf = dir.filePath(QStringLiteral("konto.pdf"));
    ASSERT_EQ(runCommand({QStringLiteral("PRN_62_KSIEGA_K"), QStringLiteral("--db"), url(), QStringLiteral("--company"),
                          QString::number(f.company), QStringLiteral("--year"), QStringLiteral("2026"),
                          QStringLiteral("--account"), QStringLiteral("130-01"), QStringLiteral("--pdf"), pdf}),
              0);
    const QString text = pdfText(pdf);
    for (const char* expected :
         {"Przykładowa Spółka z o.o.", "Rok obrotowy: 2026", "Zestawienie obrotów i sald konta", "Waluta: PLN",
          "Okres obrachunkowy", "BO", "BZ", "10 000,00", "Razem", "Persaldo",
          "Koniec wydruku"})
        EXPECT_TRUE(text.contains(QString::fromUtf8(expected))) << expected << "\n" << text.toStdString();
    // pdftotext may join the two blanks between the number and the name.
    EXPECT_TRUE(text.contains(QRegularExpression(QStringLiteral("Konto: 130-01 +Rachunek bieżący PKO"))));

    const QString txt = dir.filePath(QStringLiteral("konto.txt"));
    ASSERT_EQ(runCommand({QStringLiteral("PRN_62_KSIEGA_K"), QStringLiteral("--db"), url(), QStringLiteral("--company"),
                          QString::number(f.company), QStringLiteral("--year"), QStringLiteral("2026"),
                          QStringLiteral("--account"), QStringLiteral("130-01"), QStringLiteral("--currency"),
                          QStringLiteral("EUR"), QStringLiteral("--text"), txt}),
              0);
    QFile file(txt);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QString plain = QString::fromUtf8(file.readAll());
    EXPECT_TRUE(plain.contains(QStringLiteral("Waluta: EUR")));
    EXPECT_TRUE(plain.contains(QStringLiteral("Koniec wydruku")));
}

TEST_P(ReportCommand, refusesUnknownReportsOptionsAndMissingOutput) {
    test::LedgerFixture f(db());
    QTemporaryDir dir;
    const QString company = QString::number(f.company);
    const QStringList base{QStringLiteral("--db"), url(), QStringLiteral("--company"), company, QStringLiteral("--year"),
                           QStringLiteral("2026")};
    EXPECT_THROW(runCommand(QStringList{QStringLiteral("NIE_MA")} + base + QStringList{"--pdf", dir.filePath("a.pdf")}),
                 UsageError);
    EXPECT_THROW(runCommand(QStringList{QStringLiteral("PRN_62_KSIEGA_K")} + base + QStringList{"--account", "130-01"}),
                 UsageError);
    EXPECT_THROW(runCommand(QStringList{QStringLiteral("PRN_62_KSIEGA_K")} + base +
                            QStringList{"--account", "130-01", "--pdf", dir.filePath("a.pdf"), "--text", dir.filePath("a.txt")}),
                 UsageError);
    EXPECT_THROW(runCommand(QStringList{QStringLiteral("PRN_62_KSIEGA_K")} + base +
                            QStringList{"--account", "130-01", "--zakres", "2", "--pdf", dir.filePath("a.pdf")}),
                 UsageError);
    EXPECT_THROW(runCommand(QStringList{QStringLiteral("PRN_62_KSIEGA_K")} + base + QStringList{"--pdf", dir.filePath("a.pdf")}),
                 UsageError);
    EXPECT_FALSE(QFile::exists(dir.filePath("a.pdf")));
}

KSIEGA_ON_BOTH_ENGINES(ReportCommand);
