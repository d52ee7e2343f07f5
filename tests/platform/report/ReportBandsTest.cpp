// The bands of statements and forms: subtotal rows that add to nothing, ratio columns
// computed from their own totals, wrapped and shortened descriptions, a form heading with
// a signature band, and sections with columns of their own.
#include "ExampleReport.h"
#include "platform/runtime/TextWrap.h"
#include <gtest/gtest.h>

using namespace ksiega;
using namespace ksiega::report;
using ksiega::test::amount;
using ksiega::test::bandTexts;

namespace {

ReportDefinition planReport() {
    ReportDefinition def;
    def.name = QStringLiteral("Prn_Test_Plan");
    def.title = QStringLiteral("Zestawienie próbne");
    def.columns = {Column::text(QStringLiteral("Symbol"), 2), Column::wrapped(QStringLiteral("Opis"), 3),
                   Column::money(QStringLiteral("Plan"), 2), Column::money(QStringLiteral("Wykonanie"), 2),
                   Column::ratio(QStringLiteral("% realiz."), 1.5, 3, 2)};
    return def;
}

Row planRow(const char* symbol, const QString& opis, const char* plan, const char* done) {
    const Money p = Money::parseOrThrow(plan), d = Money::parseOrThrow(done);
    return {QString::fromUtf8(symbol), opis, p, d, Money::fromMinor(ratioHundredths(d, p))};
}

QStringList allTexts(const Document& doc) {
    QStringList texts;
    for (const Page& p : doc.pages) texts += p.texts();
    return texts;
}

} // namespace

TEST(ReportBands, subtotalRowsAddToNothingAndRatiosComeFromTheirOwnTotals) {
    ReportLayout layout(planReport());
    layout.begin();
    layout.addRow(planRow("801-80101-4010", "Wynagrodzenia", "400.00", "200.00"));    // 50%
    layout.addRow(planRow("801-80101-4010-01", "Analityka", "30.00", "30.00"));      // 100%
    layout.addRow(planRow("801-80101", "Szkoły", "430.00", "230.00"), RowKind::Subtotal);
    layout.countRow(planRow("852-85202-4300", "Niewidoczny", "100.00", "0.00"));     // below the printed level
    const Document doc = layout.finish();
    ASSERT_EQ(doc.pages.size(), 1u);
    EXPECT_EQ(doc.rows, 3);
    const QStringList total = bandTexts(doc.pages[0], RAZEM);
    // 530.00 of plan, 230.00 done: 43.40%, not 150% nor a sum of the rows' percentages.
    EXPECT_EQ(total, (QStringList{RAZEM, amount(Money::parseOrThrow("530.00")), amount(Money::parseOrThrow("230.00")), "43,40"}));
    const QStringList subtotal = bandTexts(doc.pages[0], "801-80101");
    EXPECT_EQ(subtotal.value(4), "53,49");
    EXPECT_FALSE(doc.pages[0].hasText("Niewidoczny"));
    EXPECT_EQ(ratioHundredths(Money::fromMinor(1), Money::fromMinor(3)), 3333);
    EXPECT_EQ(ratioHundredths(Money::fromMinor(-2), Money::fromMinor(3)), -6667);
    EXPECT_EQ(ratioHundredths(Money::fromMinor(5), Money()), 0);
}

TEST(ReportBands, longDescriptionsWrapAtWordsOrEndWithAnEllipsis) {
    const QString text = QStringLiteral("Zakup materiałów biurowych i środków czystości dla szkoły podstawowej numer "
                                        "dwanaście w okresie od stycznia do czerwca wraz z transportem");
    const QStringList lines = wrapAtWords(text, 20);
    EXPECT_EQ(lines.join(' '), text);
    for (const QString& l : lines) {
        EXPECT_LE(l.size(), 20);
        EXPECT_FALSE(l.startsWith(' ') || l.endsWith(' '));
    }
    EXPECT_EQ(wrapAtWords(QStringLiteral("abcdefghij"), 4), (QStringList{"abcd", "efgh", "ij"}));
    EXPECT_EQ(elided(QStringLiteral("abcdef"), 4), QStringLiteral("abc…"));
    EXPECT_EQ(elided(QStringLiteral("abc"), 4), QStringLiteral("abc"));

    ReportDefinition def = planReport();
    ReportLayout wrapped(def);
    wrapped.begin();
    wrapped.addRow(planRow("801", text, "1.00", "1.00"));
    wrapped.addRow(planRow("802", "Krótki", "1.00", "1.00"));
    const Document w = wrapped.finish();
    const QStringList texts = allTexts(w);
    QStringList pieces;
    for (const QString& t : texts)
        if (text.contains(t) && t.size() > 3) pieces << t;
    EXPECT_GT(pieces.size(), 1);
    EXPECT_EQ(pieces.join(' '), text);
    // The next row starts below the last continuation line.
    double lastPiece = 0, next = 0;
    for (const Item& i : w.pages[0].items) {
        if (pieces.contains(i.text)) lastPiece = std::max(lastPiece, i.rect.top());
        if (i.text == "802") next = i.rect.top();
    }
    EXPECT_GT(next, lastPiece);

    def.columns[1].wrap = false;
    def.columns[1].elide = true;
    ReportLayout cut(def);
    cut.begin();
    cut.addRow(planRow("801", text, "1.00", "1.00"));
    const QStringList cutTexts = allTexts(cut.finish());
    bool ellipsis = false;
    for (const QString& t : cutTexts) ellipsis |= t.endsWith(QStringLiteral("…")) && text.startsWith(t.chopped(1));
    EXPECT_TRUE(ellipsis);
}

TEST(ReportBands, formHeadingSignaturesAndSectionsWithTheirOwnColumns) {
    ReportDefinition def;
    def.name = QStringLiteral("Prn_Test_Form");
    def.title = QStringLiteral("Formularz próbny");
    def.form = {FormBox{QRectF(0, 0, 90, 12), {QStringLiteral("Nazwa i adres jednostki"), QStringLiteral("Szkoła nr 12")}},
                FormBox{QRectF(100, 0, 90, 12), {QStringLiteral("REGIONALNA"), QStringLiteral("IZBA OBRACHUNKOWA")}}};
    def.formHeight = 14;
    def.signatures = {QStringLiteral("Główny księgowy"), QStringLiteral("rok   m-c   dzień"), QStringLiteral("Kierownik jednostki")};
    def.columns = {Column::text(QStringLiteral("Symbol"), 3), Column::money(QStringLiteral("Kwota"), 2)};
    ReportLayout layout(def);
    layout.begin();
    Section s;
    s.head = QStringLiteral("1. 801-80101-4010 Wynagrodzenia");
    s.figures = {{QStringLiteral("Plan"), QStringLiteral("400,00")}, {QStringLiteral("Do realizacji"), QStringLiteral("200,00")}};
    s.columns = {Column::text(QStringLiteral("Numer dokumentu"), 2), Column::text(QStringLiteral("Data księg."), 1),
                 Column::money(QStringLiteral("Kwota Dt"), 1, NoTotal)};
    layout.beginSection(s);
    for (int i = 1; i <= 90; ++i) layout.addSectionRow({QStringLiteral("DOK/%1").arg(i), QStringLiteral("02-01-2026"), Money::fromWhole(i)});
    layout.endSection();
    const Document doc = layout.finish();
    ASSERT_GE(doc.pages.size(), 2u);
    EXPECT_TRUE(doc.pages[0].hasText("Nazwa i adres jednostki"));
    EXPECT_TRUE(doc.pages[0].hasText("IZBA OBRACHUNKOWA"));
    EXPECT_FALSE(doc.pages[1].hasText("IZBA OBRACHUNKOWA"));
    EXPECT_TRUE(doc.pages[0].hasText("1. 801-80101-4010 Wynagrodzenia"));
    EXPECT_EQ(bandTexts(doc.pages[0], "Plan"), (QStringList{"Plan", "400,00", "Do realizacji", "200,00"}));
    // The section's own column header is repeated on the next page; its rows add to nothing.
    EXPECT_TRUE(doc.pages[1].hasText("Numer dokumentu"));
    EXPECT_TRUE(doc.pages[1].hasText("DOK/90"));
    EXPECT_EQ(doc.rows, 0);
    const Page& last = doc.pages.back();
    for (const char* label : {"Główny księgowy", "rok   m-c   dzień", "Kierownik jednostki"})
        EXPECT_TRUE(last.hasText(QString::fromUtf8(label))) << label;
    EXPECT_TRUE(last.hasText(KONIEC_WYDRUKU));
}
