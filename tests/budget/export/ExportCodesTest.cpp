// The codes of an export file: ranges of the territorial codes, the period codes and names.
#include "budget/export/BudgetExporter.h"
#include "platform/runtime/Date.h"
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace ksiega;
using namespace ksiega::budget;

namespace {

BudgetExportForm form(const QString& folder, const QString& format = QStringLiteral("BESTIA")) {
    BudgetExportForm f;
    f.format = format;
    f.kodWojewodztwa = QStringLiteral("14");
    f.kodPowiatu = QStringLiteral("65");
    f.kodGminy = QStringLiteral("01");
    f.typGminy = QStringLiteral("1");
    f.regon = QStringLiteral("123456785");
    f.identyfikatorJb = 123;
    f.reportDate = date::fromYmd(2026, 7, 10);
    f.folder = folder;
    return f;
}

QString refusal(const BudgetExportForm& f, int from = date::fromYmd(2026, 4, 1), int to = date::fromYmd(2026, 6, 30)) {
    try {
        checkExportForm(f, from, to);
    } catch (const ExportRefused& e) {
        return e.text();
    }
    return {};
}

} // namespace

// The file names of whole exports are checked with their files (BudgetExportTest); here the
// voivodeship table's ends and the JB unit number.
TEST(ExportCodes, VoivodeshipCharacterAndUnitNumber) {
    EXPECT_EQ(voivodeshipCharacter(QStringLiteral("02")), QChar('0'));
    EXPECT_EQ(voivodeshipCharacter(QStringLiteral("14")), QChar('6'));
    EXPECT_EQ(voivodeshipCharacter(QStringLiteral("32")), QChar('F'));
    QTemporaryDir dir;
    BudgetExportForm f = form(dir.path(), QStringLiteral("JB"));
    f.side = QStringLiteral("D");
    f.kodWojewodztwa = QStringLiteral("32");
    f.identyfikatorJb = 7;
    EXPECT_EQ(exportFileName(f, date::fromYmd(2029, 2, 28)), "D9BF650100007.dbf");
    EXPECT_EQ(quarterOf(date::fromYmd(2026, 2, 28)), 1);
}

TEST(ExportCodes, CodesOutsideTheirRangesAreRefused) {
    QTemporaryDir dir;
    EXPECT_EQ(refusal(form(dir.path())), QString());
    const auto with = [&](auto change) {
        BudgetExportForm f = form(dir.path(), QStringLiteral("JB"));
        change(f);
        return refusal(f);
    };
    EXPECT_EQ(with([](auto& f) { f.kodWojewodztwa = QStringLiteral("?"); }), QStringLiteral("Proszę wypełnić kod województwa."));
    EXPECT_EQ(with([](auto& f) { f.kodPowiatu.clear(); }), QStringLiteral("Proszę wypełnić kod powiatu."));
    EXPECT_EQ(with([](auto& f) { f.kodGminy = QStringLiteral(" "); }), QStringLiteral("Proszę wypełnić kod gminy."));
    EXPECT_EQ(with([](auto& f) { f.identyfikatorJb = 0; }), QStringLiteral("Proszę wypełnić identyfikator jednostki budżetowej."));
    EXPECT_EQ(with([](auto& f) { f.folder.clear(); }), QStringLiteral("Proszę wybrać katalog plików."));
    EXPECT_EQ(with([](auto& f) { f.folder = QStringLiteral("/"); }),
              QStringLiteral("Proszę wybrać katalog plików (nie można importować plików do katalogu głównego)."));
    for (const char* bad : {"00", "34", "13", "1", "1a", "140"})
        EXPECT_TRUE(with([&](auto& f) { f.kodWojewodztwa = QString::fromLatin1(bad); }).startsWith("Niepoprawny kod województwa")) << bad;
    for (const char* bad : {"00", "6", "6x", "100"}) {
        EXPECT_TRUE(with([&](auto& f) { f.kodPowiatu = QString::fromLatin1(bad); }).startsWith("Niepoprawny kod powiatu")) << bad;
        EXPECT_TRUE(with([&](auto& f) { f.kodGminy = QString::fromLatin1(bad); }).startsWith("Niepoprawny kod gminy")) << bad;
    }
    EXPECT_TRUE(with([](auto& f) { f.typGminy = QStringLiteral("12"); }).startsWith("Niepoprawny typ gminy"));
    EXPECT_TRUE(with([](auto& f) { f.regon = QStringLiteral("12345"); }).startsWith("Niepoprawny REGON"));
    EXPECT_TRUE(with([](auto& f) { f.identyfikatorJb = 100000; }).startsWith("Niepoprawny identyfikator"));
    EXPECT_TRUE(with([](auto& f) { f.side = QStringLiteral("X"); }).startsWith("Niepoprawna strona"));
    EXPECT_TRUE(refusal(form(dir.path()), date::fromYmd(2026, 7, 1), date::fromYmd(2026, 6, 30)).startsWith("Niepoprawny okres"));
}
