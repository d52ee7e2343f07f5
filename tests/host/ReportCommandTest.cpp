// ksiega report: the account ledger printout of a real ledger written to PDF and text,
// and the options it refuses.
#include "support/PdfText.h"
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
using ksiega::test::pdfText;
using namespace ksiega::host;

namespace {

int runCommand(const QStringList& args) { return runSubcommand(QStringLiteral("report"), args); }

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

TEST_P(ReportCommand, cashReportAndEntryListingGoThroughTheLedgerPrintLibrary) {
    test::LedgerFixture f(db());
    QTemporaryDir dir;
    const QStringList base{QStringLiteral("--db"), url(), QStringLiteral("--company"), QString::number(f.company),
                           QStringLiteral("--year"), QStringLiteral("2026")};
    auto textOf = [](const QString& file) {
        QFile in(file);
        return in.open(QIODevice::ReadOnly) ? QString::fromUtf8(in.readAll()) : QString();
    };
    const QString cash = dir.filePath(QStringLiteral("kasa.txt"));
    ASSERT_EQ(runCommand(QStringList{QStringLiteral("RAPORT_DLA_KONTA")} + base +
                         QStringList{"--account", "130-01", "--from", "2026-03-01", "--to", "2026-03-31", "--date-kind", "1",
                                     "--code", "66", "--text", cash}),
              0);
    const QString text = textOf(cash);
    for (const char* expected : {"Raport kasowy - RK Nr", "Konto: 130-01", "Zakres: od 01-03-2026 do 31-03-2026 wg daty księgowania",
                                 "Waluta: PLN", "Z przeniesienia", "Razem", "Do przeniesienia", "Koniec wydruku"})
        EXPECT_TRUE(text.contains(QString::fromUtf8(expected))) << expected << "\n" << text.toStdString();
    // A range outside the fiscal year is refused and nothing is written.
    const QString outside = dir.filePath(QStringLiteral("poza.txt"));
    EXPECT_NE(runCommand(QStringList{QStringLiteral("RAPORT_DLA_KONTA")} + base +
                         QStringList{"--account", "130-01", "--from", "2025-12-01", "--to", "2026-01-31", "--text", outside}),
              0);
    EXPECT_FALSE(QFile::exists(outside));
    EXPECT_THROW(runCommand(QStringList{QStringLiteral("RAPORT_DLA_KONTA")} + base +
                            QStringList{"--account", "130-01", "--from", "2026-03-01", "--to", "2026-03-31", "--code", "68",
                                        "--text", outside}),
                 UsageError);

    const QString listing = dir.filePath(QStringLiteral("zapisy.txt"));
    ASSERT_EQ(runCommand(QStringList{QStringLiteral("WYDRUK_KSIEGA")} + base +
                         QStringList{"--params", "68,0,0,1,1,Konto: 130-01", "--filter", "PDU:konto='130-01'", "--title",
                                     "Zestawienie zapisów księgowych dla konta", "--text", listing}),
              0);
    const QString lines = textOf(listing);
    for (const char* expected : {"Zestawienie zapisów księgowych dla konta", "Konto: 130-01", "Razem", "Koniec wydruku"})
        EXPECT_TRUE(lines.contains(QString::fromUtf8(expected))) << expected << "\n" << lines.toStdString();
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
