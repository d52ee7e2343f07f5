// The page model of a report: what stands on which page, and which totals.
#include "ExampleReport.h"
#include <gtest/gtest.h>

using namespace ksiega;
using namespace ksiega::report;
using ksiega::test::amount;
using ksiega::test::bandTexts;
using ksiega::test::exampleReport;
using ksiega::test::exampleRow;
using ksiega::test::rowsOn;

namespace {

Document layOut(const ReportDefinition& def, int rows) {
    ReportLayout layout(def);
    layout.begin();
    for (int n = 1; n <= rows; ++n) layout.addRow(exampleRow(n));
    return layout.finish();
}

Money sumDt(const std::vector<int>& rows) {
    Money m;
    for (int n : rows) m += Money::fromMinor(n * 101);
    return m;
}
Money sumCt(const std::vector<int>& rows) {
    Money m;
    for (int n : rows) m += Money::fromMinor(n);
    return m;
}

} // namespace

TEST(ReportLayout, twoPageReportCarriesAndRestartsItsTotals) {
    const Document doc = layOut(exampleReport(), 80);
    ASSERT_EQ(doc.pages.size(), 2u);
    const Page& p1 = doc.pages[0];
    const Page& p2 = doc.pages[1];
    const auto rows1 = rowsOn(p1), rows2 = rowsOn(p2);
    ASSERT_FALSE(rows1.empty());
    EXPECT_EQ(rows1.size() + rows2.size(), 80u);
    EXPECT_EQ(rows2.front(), rows1.back() + 1);

    // The heading and the description stand on the first page only; the column header on both.
    EXPECT_TRUE(p1.hasText(QStringLiteral("Zestawienie obrotów próbne")));
    EXPECT_TRUE(p1.hasText(QStringLiteral("Konto: 201-01")));
    EXPECT_FALSE(p2.hasText(QStringLiteral("Konto: 201-01")));
    EXPECT_TRUE(p1.hasText(QStringLiteral("Opis")));
    EXPECT_TRUE(p2.hasText(QStringLiteral("Opis")));

    // Page 1: page totals and carried totals are the rows on it; balances of its last row.
    const Money balanceAtBreak = exampleRow(rows1.back())[4].amount;
    EXPECT_EQ(bandTexts(p1, RAZEM_NA_STRONIE), (QStringList{RAZEM_NA_STRONIE, amount(sumDt(rows1)), amount(sumCt(rows1))}));
    const QStringList carried{DO_PRZENIESIENIA, amount(sumDt(rows1)), amount(sumCt(rows1)), amount(balanceAtBreak),
                              amount(Money())};
    EXPECT_EQ(bandTexts(p1, DO_PRZENIESIENIA), carried);
    // Page 2 opens with the same figures and totals its own rows only.
    QStringList brought = carried;
    brought[0] = Z_PRZENIESIENIA;
    EXPECT_EQ(bandTexts(p2, Z_PRZENIESIENIA), brought);
    EXPECT_FALSE(p2.hasText(DO_PRZENIESIENIA));
    EXPECT_EQ(bandTexts(p2, RAZEM_NA_STRONIE), (QStringList{RAZEM_NA_STRONIE, amount(sumDt(rows2)), amount(sumCt(rows2))}));

    // "Razem": turnovers of every row, balances of the last; Persaldo from those balances.
    std::vector<int> all(80);
    for (int n = 1; n <= 80; ++n) all[size_t(n - 1)] = n;
    const Money lastBalance = exampleRow(80)[4].amount;
    EXPECT_EQ(bandTexts(p2, RAZEM),
              (QStringList{RAZEM, amount(sumDt(all)), amount(sumCt(all)), amount(lastBalance), amount(Money())}));
    EXPECT_EQ(bandTexts(p2, PERSALDO), (QStringList{PERSALDO, amount(lastBalance), amount(Money())}));

    EXPECT_FALSE(p1.hasText(KONIEC_WYDRUKU));
    EXPECT_TRUE(p2.hasText(KONIEC_WYDRUKU));
    EXPECT_TRUE(p1.hasText(QStringLiteral("Strona 1 z 2")));
    EXPECT_TRUE(p2.hasText(QStringLiteral("Strona 2 z 2")));
    EXPECT_FALSE(doc.cancelled);
    EXPECT_EQ(doc.rows, 80);
}

TEST(ReportLayout, amountsCarriedIntoTheReportCountAtPageBreaksButNotInRazem) {
    ReportDefinition def = exampleReport();
    const Money inDt = Money::fromMinor(100000), inCt = Money::fromMinor(25000);
    def.carriedIn = {{2, inDt}, {3, inCt}};
    const Document doc = layOut(def, 80);
    ASSERT_EQ(doc.pages.size(), 2u);
    const auto rows1 = rowsOn(doc.pages[0]);
    const QStringList out = bandTexts(doc.pages[0], DO_PRZENIESIENIA);
    ASSERT_GE(out.size(), 3);
    EXPECT_EQ(out[1], amount(inDt + sumDt(rows1)));
    EXPECT_EQ(out[2], amount(inCt + sumCt(rows1)));
    EXPECT_EQ(bandTexts(doc.pages[1], Z_PRZENIESIENIA).mid(1, 2), out.mid(1, 2));
    std::vector<int> all(80);
    for (int n = 1; n <= 80; ++n) all[size_t(n - 1)] = n;
    EXPECT_EQ(bandTexts(doc.pages[1], RAZEM).mid(1, 2), (QStringList{amount(sumDt(all)), amount(sumCt(all))}));
}

TEST(ReportLayout, emptyReportKeepsHeadingZeroTotalsAndClosingLine) {
    const Document doc = layOut(exampleReport(), 0);
    ASSERT_EQ(doc.pages.size(), 1u);
    const Page& page = doc.pages[0];
    EXPECT_TRUE(page.hasText(QStringLiteral("Zestawienie obrotów próbne")));
    EXPECT_TRUE(page.hasText(QStringLiteral("Hurtownia Łódź Sp. z o.o.")));
    EXPECT_TRUE(page.hasText(QStringLiteral("Waluta: PLN")));
    EXPECT_TRUE(page.hasText(QStringLiteral("Opis")));
    EXPECT_EQ(bandTexts(page, RAZEM), (QStringList{RAZEM, "0,00", "0,00", "0,00", "0,00"}));
    EXPECT_EQ(bandTexts(page, PERSALDO), (QStringList{PERSALDO, "0,00", "0,00"}));
    EXPECT_TRUE(page.hasText(KONIEC_WYDRUKU));
    EXPECT_TRUE(page.hasText(QStringLiteral("Strona 1 z 1")));
}

// Whatever the number of rows: nothing runs into the footer, the page totals add up to
// "Razem", every row is printed once, and "Koniec wydruku" closes the last page.
TEST(ReportLayout, everyLengthFitsItsPagesAndAddsUp) {
    const ReportDefinition def = exampleReport();
    for (int count : {1, 40, 50, 51, 52, 53, 54, 55, 56, 57, 58, 110, 112, 114, 116, 118, 120, 250}) {
        SCOPED_TRACE(count);
        const Document doc = layOut(def, count);
        Money pageSums;
        std::vector<int> seen;
        for (size_t p = 0; p < doc.pages.size(); ++p) {
            const Page& page = doc.pages[p];
            const double footer = doc.paperMm.height() - def.marginMm - def.heights.footer;
            int inFooter = 0;
            for (const Item& item : page.items) {
                if (item.rect.top() >= footer - 1e-6) ++inFooter;
                else ASSERT_LE(item.rect.bottom(), footer + 1e-6) << item.text.toStdString();
            }
            EXPECT_EQ(inFooter, 3);  // rule, title, page number
            const auto rows = rowsOn(page);
            seen.insert(seen.end(), rows.begin(), rows.end());
            pageSums += Money::parseOrThrow(bandTexts(page, RAZEM_NA_STRONIE).value(1).remove(' ').replace(',', '.'));
            EXPECT_EQ(page.hasText(KONIEC_WYDRUKU), p + 1 == doc.pages.size());
        }
        std::vector<int> expected(static_cast<size_t>(count));
        for (int n = 1; n <= count; ++n) expected[size_t(n - 1)] = n;
        EXPECT_EQ(seen, expected);
        EXPECT_EQ(amount(pageSums), bandTexts(doc.pages.back(), RAZEM).value(1));
    }
}

TEST(ReportLayout, greyBoxesFollowTheShadingSwitch) {
    auto shadedBoxes = [](const Document& doc) {
        int n = 0;
        for (const Page& page : doc.pages)
            for (const Item& item : page.items) n += item.kind == Item::Kind::Box && item.shaded;
        return n;
    };
    ReportDefinition def = exampleReport();
    EXPECT_GT(shadedBoxes(layOut(def, 3)), 0);
    def.shading = false;
    const Document plain = layOut(def, 3);
    EXPECT_EQ(shadedBoxes(plain), 0);
    EXPECT_TRUE(plain.pages[0].hasText(RAZEM));
}
