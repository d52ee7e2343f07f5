// The renderers and the delivery: PDF text as pdftotext reads it, the text file, the PNG
// page image, the save-as-PDF switch and the preview window.
#include "support/PdfText.h"
#include "ExampleReport.h"
#include "platform/report/PreviewWindow.h"
#include "platform/report/SaveFileChooser.h"
#include "platform/ui/dialogs/ScriptedDialogs.h"
#include "platform/ui/settings/Settings.h"
#include <QFile>
#include <QImage>
#include <QLabel>
#include <QProcess>
#include <QTemporaryDir>
#include <QToolButton>
#include <gtest/gtest.h>

using namespace ksiega;
using ksiega::test::pdfText;
using namespace ksiega::report;
using ksiega::test::amount;
using ksiega::test::exampleReport;
using ksiega::test::exampleRow;

namespace {

Document twoPages() {
    return layoutReport(exampleReport(), [](RowSink& sink) {
               for (int n = 1; n <= 80; ++n) sink.add(exampleRow(n));
           }).document;
}

} // namespace

TEST(ReportOutput, pdfHoldsExtractableTextWithPolishLetters) {
    QTemporaryDir dir;
    const QString file = dir.filePath(QStringLiteral("raport.pdf"));
    ASSERT_TRUE(writePdf(twoPages(), file));
    const QString text = pdfText(file);
    ASSERT_FALSE(text.isEmpty()) << "pdftotext read nothing";
    EXPECT_TRUE(text.contains(QStringLiteral("Zestawienie obrotów próbne")));
    EXPECT_TRUE(text.contains(QStringLiteral("Hurtownia Łódź Sp. z o.o.")));
    EXPECT_TRUE(text.contains(QStringLiteral("Pozycja 001 zażółć gęślą jaźń")));
    EXPECT_TRUE(text.contains(QStringLiteral("Pozycja 080 zażółć gęślą jaźń")));
    EXPECT_TRUE(text.contains(RAZEM + QLatin1Char(' ')));
    EXPECT_TRUE(text.contains(KONIEC_WYDRUKU));
    EXPECT_TRUE(text.contains(QStringLiteral("Strona 2 z 2")));
    EXPECT_EQ(text.count(QLatin1Char('\f')), 2);  // pdftotext ends every page with a form feed

    EXPECT_FALSE(writePdf(twoPages(), dir.filePath(QStringLiteral("brak/raport.pdf"))));
}

TEST(ReportOutput, textFileKeepsRowsOnOneLineAndPagesApart) {
    const Document doc = twoPages();
    const QString text = documentText(doc);
    const QStringList pages = text.split(QLatin1Char('\f'));
    ASSERT_EQ(pages.size(), 2);
    EXPECT_TRUE(pages[0].contains(QStringLiteral("Zestawienie obrotów próbne")));
    EXPECT_TRUE(pages[1].contains(KONIEC_WYDRUKU));
    EXPECT_FALSE(pages[0].contains(KONIEC_WYDRUKU));

    // A detail row is one line: number, description, the amounts in column order.
    const QStringList lines = text.split(QLatin1Char('\n'));
    const auto row7 = std::find_if(lines.begin(), lines.end(),
                                   [](const QString& l) { return l.contains(QStringLiteral("Pozycja 007")); });
    ASSERT_NE(row7, lines.end());
    EXPECT_EQ(row7->simplified(), QStringLiteral("7 Pozycja 007 zażółć gęślą jaźń 7,07 0,07 28,00 0,00"));

    // "Razem" is one line with every total, Polish letters survive the file.
    const auto razem = std::find_if(lines.begin(), lines.end(),
                                    [](const QString& l) { return l.simplified().startsWith(RAZEM + QLatin1Char(' ')) && !l.contains(RAZEM_NA_STRONIE); });
    ASSERT_NE(razem, lines.end());
    // 1,01 × (1 + ... + 80), 0,01 × (1 + ... + 80), the last balance
    EXPECT_EQ(razem->simplified(), QStringLiteral("Razem 3 272,40 32,40 3 240,00 0,00"));
    QTemporaryDir dir;
    const QString file = dir.filePath(QStringLiteral("raport.txt"));
    ASSERT_TRUE(writeText(doc, file));
    QFile in(file);
    ASSERT_TRUE(in.open(QIODevice::ReadOnly));
    EXPECT_EQ(QString::fromUtf8(in.readAll()), text);
}

TEST(ReportOutput, pageImageIsAnA4PageWithInk) {
    QTemporaryDir dir;
    const QString file = dir.filePath(QStringLiteral("strona.png"));
    ASSERT_TRUE(writePageImage(twoPages(), 0, file, 96));
    QImage image(file);
    EXPECT_EQ(image.size(), QSize(794, 1123));
    int dark = 0;
    for (int y = 0; y < image.height(); y += 2)
        for (int x = 0; x < image.width(); x += 2) dark += qGray(image.pixel(x, y)) < 128;
    EXPECT_GT(dark, 500);
}

TEST(ReportOutput, saveAsPdfSwitchWritesThePdfAndIsCleared) {
    QTemporaryDir dir;
    const QString file = dir.filePath(QStringLiteral("wyslij.pdf"));
    QString suggested;
    installSaveFileChooser([&](const QString& name) { suggested = name; return file; });
    uint8_t flag = 1;
    OutputChoice choice;
    choice.emailPdfSaveAs = &flag;
    const Delivery delivery = deliver(twoPages(), choice);
    EXPECT_EQ(delivery.how, Delivered::Pdf);
    EXPECT_EQ(delivery.pdfFile, file);
    EXPECT_EQ(suggested, QStringLiteral("Prn_Test_Raport.pdf"));
    EXPECT_EQ(flag, 0);
    EXPECT_TRUE(pdfText(file).contains(KONIEC_WYDRUKU));

    // Cancelling the save dialog delivers nothing; the switch is spent all the same.
    installSaveFileChooser([](const QString&) { return QString(); });
    flag = 1;
    EXPECT_EQ(deliver(twoPages(), choice).how, Delivered::NotDelivered);
    EXPECT_EQ(flag, 0);
    installSaveFileChooser({});
}

TEST(ReportOutput, savingAPdfShowsProgressAndAStopLeavesNoFile) {
    QTemporaryDir dir;
    const QString file = dir.filePath(QStringLiteral("raport.pdf"));
    ui::ScriptedDialogs dialogs;
    EXPECT_EQ(savePdf(twoPages(), file, dialogs), PdfSaved::Written);
    ASSERT_EQ(dialogs.shown().size(), 1u);
    EXPECT_EQ(dialogs.shown()[0].values.back(), 100);
    EXPECT_TRUE(pdfText(file).contains(KONIEC_WYDRUKU));

    // "Anuluj" after the first of two pages: no half file, no warning.
    QFile::remove(file);
    ui::ScriptedDialogs stopping;
    stopping.cancelProgressAt(50);
    EXPECT_EQ(savePdf(twoPages(), file, stopping), PdfSaved::Stopped);
    EXPECT_FALSE(QFile::exists(file));
    EXPECT_EQ(stopping.shown().size(), 1u);

    // A file that cannot be written is a warning.
    ui::ScriptedDialogs failing;
    EXPECT_EQ(savePdf(twoPages(), dir.filePath(QStringLiteral("brak/raport.pdf")), failing), PdfSaved::Failed);
    EXPECT_EQ(failing.shown().size(), 2u);
}

TEST(ReportOutput, previewNavigatesAndKeepsItsZoomUnderTheReportName) {
    QTemporaryDir dir;
    Settings settings(dir.filePath(QStringLiteral("ksiega.ini")));
    int printed = 0;
    {
        PreviewWindow preview(twoPages(), &settings, [&](const Document& d) { printed = int(d.pages.size()); });
        auto* label = preview.findChild<QLabel*>(QStringLiteral("STRONA"));
        ASSERT_TRUE(label);
        EXPECT_EQ(label->text(), QStringLiteral("Strona 1 z 2"));
        EXPECT_FALSE(preview.findChild<QToolButton*>(QStringLiteral("B_POPRZEDNIA"))->isEnabled());
        preview.findChild<QToolButton*>(QStringLiteral("B_NASTEPNA"))->click();
        EXPECT_EQ(label->text(), QStringLiteral("Strona 2 z 2"));
        EXPECT_FALSE(preview.findChild<QToolButton*>(QStringLiteral("B_NASTEPNA"))->isEnabled());
        preview.findChild<QToolButton*>(QStringLiteral("B_POWIEKSZ"))->click();
        EXPECT_EQ(preview.controller().zoom(), 125);
        preview.findChild<QToolButton*>(QStringLiteral("B_DRUKUJ"))->click();
        EXPECT_EQ(printed, 2);
        preview.close();
    }
    EXPECT_EQ(settings.getInt(QStringLiteral("Prn_Test_Raport"), QStringLiteral("Zoom")), 125);
    PreviewWindow again(twoPages(), &settings, {});
    EXPECT_EQ(again.controller().zoom(), 125);
}
