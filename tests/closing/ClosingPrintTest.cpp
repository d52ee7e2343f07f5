// Prn_Raport_BO and Prn_Raport_BO2: the pages laid out from the window's rows, written
// to a PDF and read back by an independent reader.
#include "ClosingFixture.h"
#include "closing/ClosingPrintouts.h"
#include "platform/report/PdfWriter.h"
#include "support/PdfText.h"
#include <QTemporaryDir>

using namespace ksiega;
using namespace ksiega::closing;
using namespace ksiega::test;
namespace T = ksiega::closing::texts;

namespace {

class ClosingPrint : public ClosingTest {
protected:
    QString pdfOf(const report::Document& document) {
        const QString file = m_dir.filePath(QStringLiteral("raport.pdf"));
        if (!report::writePdf(document, file, 96)) return {};
        return pdfText(file);
    }
    QTemporaryDir m_dir;
};

TEST_P(ClosingPrint, bothPrintoutsShareTheHeadingAndPrintEveryRow) {
    SessionContext& s = session();
    s.DANE_ADRES1_FIRMY = QStringLiteral("ul. Długa 5");
    s.DANE_ADRES2_FIRMY = QStringLiteral("00-950 Warszawa");
    s.DANE_NIP_FIRMY = QStringLiteral("527-000-00-00");
    s.DANE_DATA_WYDRUKU = date::fromYmd(2027, 1, 15);
    s.DANE_NAGLOWEK_WYDRUKU = T::PRINT_PROBLEMS_HEADER;
    const QString problems = pdfOf(layoutClosingReport(s, Printout::Problems, {{"EUR", T::NOTHING_GENERATED},
                                                                               {"PLN", "Brak konta 860 w planie kont"}}));
    if (problems.isEmpty()) GTEST_SKIP() << "no PDF reader";
    for (const QString& text : {T::PRINT_PROBLEMS_HEADER, s.DANE_NAZWA_FIRMY, QStringLiteral("Rok obrotowy: 2026"),
                                s.DANE_ADRES1_FIRMY, QStringLiteral("Data wydruku: 15-01-2027"), s.DANE_ADRES2_FIRMY,
                                s.DANE_NIP_FIRMY, QStringLiteral("Prn_Raport_BO"), T::COL_WALUTA, T::COL_UWAGI,
                                T::NOTHING_GENERATED, QStringLiteral("Brak konta 860 w planie kont"),
                                QStringLiteral("Koniec wydruku"), QStringLiteral("Strona 1 z 1")})
        EXPECT_TRUE(problems.contains(text)) << text.toStdString();

    s.DANE_NAGLOWEK_WYDRUKU = T::PRINT_REPORT_HEADER;
    std::vector<report::Row> rows;
    for (int i = 0; i < 150; ++i)
        rows.push_back({QStringLiteral("201-%1").arg(i, 3, 10, QChar('0')), QStringLiteral("202-%1").arg(i, 3, 10, QChar('0')),
                        QStringLiteral("przeniesiono saldo")});
    const report::Document document = layoutClosingReport(s, Printout::Report, rows);
    ASSERT_GT(document.pages.size(), 1u);
    const QString report = pdfOf(document);
    EXPECT_TRUE(report.contains(T::PRINT_REPORT_HEADER));
    EXPECT_TRUE(report.contains(QStringLiteral("Prn_Raport_BO2")));
    EXPECT_TRUE(report.contains(T::PRN_COL_Z_KONTA));
    EXPECT_TRUE(report.contains(T::PRN_COL_NA_KONTO));
    for (const report::Row& r : rows) EXPECT_TRUE(report.contains(r[0].text + QStringLiteral(" "))) << r[0].text.toStdString();
    EXPECT_EQ(report.count(QStringLiteral("Koniec wydruku")), 1);
    EXPECT_TRUE(report.contains(QStringLiteral("Strona %1 z %1").arg(document.pages.size())));
}

KSIEGA_ON_BOTH_ENGINES(ClosingPrint);

} // namespace
