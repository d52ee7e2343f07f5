// "Drukuj": the tree goes to the ledger print library as handed rows, and the statement
// of code 63 prints those rows (PDF read back by an independent reader).
#include "OpeningBalanceFixture.h"
#include "platform/report/PdfWriter.h"
#include "platform/siblings/ledgerprint/LedgerListing.h"
#include "platform/siblings/ledgerprint/LedgerPrintLibrary.h"
#include "platform/siblings/print/PrintLibrary.h"
#include "support/PdfText.h"
#include <QCoreApplication>
#include <QTemporaryDir>

using namespace ksiega;
using namespace ksiega::test;

namespace {

struct PrintLibraries : print::PrintLibrary, ledgerprint::LedgerPrintLibrary {
    int range = 0;
    int answer = 1;
    std::vector<ledgerprint::ListingJob> jobs;
    int PARAM_PRN_BRO(print::PrintGlobals g, QWidget*) override {
        g.DANE_ZAKRES_PRN = uint8_t(range);
        return answer;
    }
    bool WYDRUK_KSIEGA(const ledgerprint::ListingJob& job) override {
        jobs.push_back(job);
        return true;
    }
};

class OpeningBalancePrint : public OpeningBalanceTest {
protected:
    void SetUp() override {
        OpeningBalanceTest::SetUp();
        if (IsSkipped()) return;
        print::replacePrintLibrary(&libraries);
        ledgerprint::replaceLedgerPrintLibrary(&libraries);
    }
    void TearDown() override {
        print::replacePrintLibrary(nullptr);
        ledgerprint::replaceLedgerPrintLibrary(nullptr);
        OpeningBalanceTest::TearDown();
    }
    PrintLibraries libraries;
};

TEST_P(OpeningBalancePrint, theWindowHandsItsRowsWithTheParametersOfStatement63) {
    auto c = opened();
    c->setCurrency("EUR");
    c->print();
    QCoreApplication::processEvents();
    ASSERT_EQ(libraries.jobs.size(), 1u);
    const ledgerprint::ListingJob& job = libraries.jobs[0];
    EXPECT_EQ(job.params, "63,0,1,1,0,EUR,1");
    EXPECT_EQ(job.filter, QStringLiteral("OBR:ID_LATA_OBROT=%1 AND OBR:SYM_WALUTY='EUR' AND OBR:DATA_OKRESU=%2")
                              .arg(f().year2026)
                              .arg(f().bo2026()));
    EXPECT_EQ(job.heading, QStringLiteral("Bilans otwarcia"));
    EXPECT_EQ(session().DANE_NAGLOWEK_WYDRUKU, QStringLiteral("Bilans otwarcia"));
    EXPECT_EQ(job.currency, "EUR");
    ASSERT_TRUE(job.handedRows);
    ASSERT_EQ(job.handedRows->size(), c->rows().size());
    for (const auto& h : *job.handedRows)
        if (h.account == "131-01") {
            EXPECT_EQ(h.kwotaDtW, lineSum(f().openingEur, "131-01", "wn").second);
        }
    EXPECT_TRUE(session().DANE_KOLEJKA_VAX.empty());   // handed over, not kept

    // Any other range, or a cancelled range window, prints nothing.
    libraries.range = 1;
    c->print();
    libraries.range = 0;
    libraries.answer = 0;
    c->print();
    QCoreApplication::processEvents();
    EXPECT_EQ(libraries.jobs.size(), 1u);
}

TEST_P(OpeningBalancePrint, statement63PrintsTheHandedRowsNotTheTurnovers) {
    f().openingBalanceLine(f().year2026, "990", "", zl("15.00"));
    auto c = opened();
    c->print();
    QCoreApplication::processEvents();
    ASSERT_EQ(libraries.jobs.size(), 1u);
    ledgerprint::ListingJob job = libraries.jobs[0];
    job.companyLines = {QStringLiteral("Przykładowa Spółka z o.o.")};

    const report::RunResult r = ledgerprint::layoutListing(job, db());
    ASSERT_TRUE(r.error.isEmpty()) << r.error.toStdString();
    QTemporaryDir dir;
    const QString pdf = dir.filePath(QStringLiteral("bo.pdf"));
    ASSERT_TRUE(report::writePdf(r.document, pdf, 96));
    const QString text = pdfText(pdf);
    if (text.isEmpty()) GTEST_SKIP() << "no PDF reader";
    EXPECT_TRUE(text.contains(QStringLiteral("Bilans otwarcia")));
    EXPECT_TRUE(text.contains(QStringLiteral("Waluta: PLN")));
    EXPECT_TRUE(text.contains(QStringLiteral("Numer konta")));
    EXPECT_TRUE(text.contains(QStringLiteral("Pozostałe rozrachunki z pracownikami")));
    // The opening amounts of the lines, not the turnovers of the year.
    EXPECT_TRUE(text.contains(lineSum(f().openingPln, "010", "wn").first.toDisplay()));
    EXPECT_TRUE(text.contains(lineSum(f().openingPln, "990", "wn").first.toDisplay()));
    for (const QString& line : text.split('\n'))
        if (line.contains(QStringLiteral("130-01"))) {
            EXPECT_TRUE(line.contains(QStringLiteral("10 000,00"))) << line.toStdString();
        }
}

KSIEGA_ON_BOTH_ENGINES(OpeningBalancePrint);

} // namespace
