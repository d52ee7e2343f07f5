// The account ledger printout's page model: description lines and the account-name query,
// running page totals over a page break, "Razem" and "Persaldo", the empty queue.
#include "frame/SessionContext.h"
#include "platform/runtime/Picture.h"
#include "printouts/accountledger/AccountLedgerReport.h"
#include <gtest/gtest.h>

using namespace ksiega;
using namespace ksiega::report;
using namespace ksiega::printouts;
using ksiega::entries::PeriodTurnoverRow;
using ksiega::entries::AccountPeriodQueue;

namespace {

QString amount(Money m) { return Picture("@N-14_`2").format(m).trimmed(); }
Money gr(int64_t minor) { return Money::fromMinor(minor); }

// The texts on the line of the page that starts with label, left to right.
QStringList bandTexts(const Page& page, const QString& label) {
    double top = -1;
    for (const auto& item : page.items)
        if (item.kind == Item::Kind::Text && item.text == label) top = item.rect.top();
    if (top < 0) return {};
    std::vector<const Item*> found;
    for (const auto& item : page.items)
        if (item.kind == Item::Kind::Text && qAbs(item.rect.top() - top) < 0.01) found.push_back(&item);
    std::sort(found.begin(), found.end(), [](auto* a, auto* b) { return a->rect.left() < b->rect.left(); });
    QStringList out;
    for (auto* item : found) out << item->text;
    return out;
}

QStringList line(const QString& label, std::initializer_list<Money> amounts) {
    QStringList out{label};
    for (Money m : amounts) out << amount(m);
    return out;
}

// Period n: turnovers n zł Dt and n gr Ct, running sums, balance on the larger side.
std::vector<PeriodTurnoverRow> periods(int count) {
    std::vector<PeriodTurnoverRow> rows;
    Money dt, ct;
    for (int n = 1; n <= count; ++n) {
        PeriodTurnoverRow r;
        r.okres = QStringLiteral("Okres %1").arg(n, 3, 10, QLatin1Char('0'));
        r.obrotyDt = gr(n * 100);
        r.obrotyCt = gr(n);
        dt += r.obrotyDt;
        ct += r.obrotyCt;
        r.narastajacoDt = dt;
        r.narastajacoCt = ct;
        const Balance b = Balance::of(dt, ct);
        r.saldoDt = b.dt;
        r.saldoCt = b.ct;
        rows.push_back(r);
    }
    return rows;
}

void fillCompany(SessionContext& s) {
    s.DANE_ID_FIRMY = 1;
    s.DANE_LATA_OBROTOWE = 1;
    s.DANE_NAZWA_FIRMY = QStringLiteral("Hurtownia Łódź Sp. z o.o.");
    s.DANE_ADRES1_FIRMY = QStringLiteral("ul. Żółkiewskiego 5");
    s.DANE_ADRES2_FIRMY = QStringLiteral("90-001 Łódź");
    s.DANE_NIP_FIRMY = QStringLiteral("7250000000");
    s.DANE_LATA_OBROT_NAZWA = QStringLiteral("2026");
    s.DANE_DATA_WYDRUKU = 82000;
}

Document layOut(const ReportDefinition& def, const std::vector<PeriodTurnoverRow>& rows) {
    return layoutReport(def, [&](RowSink& sink) { feedAccountLedgerRows(rows, sink); }).document;
}

const QString kTitle = QStringLiteral("Zestawienie obrotów i sald konta");

} // namespace

TEST(AccountLedgerReport, persaldoKeepsTheDifferenceOnTheLargerSideOfTheLastBalance) {
    SessionContext s;
    fillCompany(s);
    PeriodTurnoverRow bo, month;
    bo.okres = QStringLiteral("BO");
    bo.saldoDt = gr(5000);
    month.okres = QStringLiteral("Styczeń");
    month.obrotyDt = gr(10000);
    month.obrotyCt = gr(3000);
    month.saldoDt = gr(10000);  // balances of the last row as the procedure gave them
    month.saldoCt = gr(3000);
    AccountPeriodQueue queue{QStringLiteral("234-01"), QStringLiteral("PLN"), {bo, month}};
    Document doc = layOut(accountLedgerDefinition(s, queue, kTitle, 1, {}), queue.rows);
    ASSERT_EQ(doc.pages.size(), 1u);
    EXPECT_EQ(bandTexts(doc.pages[0], PERSALDO), line(PERSALDO, {gr(7000), Money()}));
    EXPECT_EQ(bandTexts(doc.pages[0], RAZEM),
              line(RAZEM, {gr(10000), gr(3000), Money(), Money(), gr(10000), gr(3000)}));

    queue.rows[1].saldoCt = gr(10000);
    doc = layOut(accountLedgerDefinition(s, queue, kTitle, 1, {}), queue.rows);
    EXPECT_EQ(bandTexts(doc.pages[0], PERSALDO), line(PERSALDO, {Money(), Money()}));

    queue.rows[1].saldoCt = gr(12000);
    doc = layOut(accountLedgerDefinition(s, queue, kTitle, 1, {}), queue.rows);
    EXPECT_EQ(bandTexts(doc.pages[0], PERSALDO), line(PERSALDO, {Money(), gr(2000)}));
}

TEST(AccountLedgerReport, pageTotalsRunFromTheFirstRowAcrossPageBreaks) {
    SessionContext s;
    fillCompany(s);
    const auto rows = periods(90);
    const AccountPeriodQueue queue{QStringLiteral("130-01"), QStringLiteral("PLN"), rows};
    const Document doc = layOut(accountLedgerDefinition(s, queue, kTitle, 1, {}), rows);
    ASSERT_GE(doc.pages.size(), 2u);

    auto lastRowOn = [&](const Page& page) {
        int last = 0;
        for (const auto& item : page.items)
            if (item.text.startsWith(QStringLiteral("Okres "))) last = std::max(last, item.text.mid(6).toInt());
        return last;
    };
    auto expectedFoot = [&](int last) {
        Money dt, ct;
        for (int n = 0; n < last; ++n) {
            dt += rows[size_t(n)].obrotyDt;
            ct += rows[size_t(n)].obrotyCt;
        }
        const auto& r = rows[size_t(last - 1)];
        return line(RAZEM_NA_STRONIE, {dt, ct, r.narastajacoDt, r.narastajacoCt, r.saldoDt, r.saldoCt});
    };
    const int last1 = lastRowOn(doc.pages[0]);
    ASSERT_GT(last1, 0);
    ASSERT_LT(last1, 90);
    EXPECT_EQ(bandTexts(doc.pages[0], RAZEM_NA_STRONIE), expectedFoot(last1));
    for (size_t n = 1; n + 1 < doc.pages.size(); ++n)
        EXPECT_EQ(bandTexts(doc.pages[n], RAZEM_NA_STRONIE), expectedFoot(lastRowOn(doc.pages[n])));
    // The last page closes with "Razem" alone: its running page sums would repeat it.
    EXPECT_FALSE(doc.pages.back().hasText(RAZEM_NA_STRONIE));
    EXPECT_TRUE(doc.pages.back().hasText(RAZEM));
    // No carried totals in this report; the column header starts every page.
    for (const Page& page : doc.pages) {
        EXPECT_FALSE(page.hasText(DO_PRZENIESIENIA));
        EXPECT_FALSE(page.hasText(Z_PRZENIESIENIA));
        EXPECT_TRUE(page.hasText(QStringLiteral("Okres obrachunkowy")));
    }
    const Page& end = doc.pages.back();
    EXPECT_EQ(bandTexts(end, RAZEM), [&] {
        QStringList l = expectedFoot(90);
        l[0] = RAZEM;
        return l;
    }());
    EXPECT_TRUE(end.hasText(KONIEC_WYDRUKU));
    EXPECT_FALSE(doc.pages[0].hasText(KONIEC_WYDRUKU));
}

TEST(AccountLedgerReport, accountNameIsAskedOnlyWithoutTheSuppressingByte) {
    SessionContext s;
    fillCompany(s);
    s.DANE_OPIS_PRN = {QStringLiteral("Wydatki, Dochody, "), QStringLiteral("Maska klasyfikacji budżetowej: 801")};
    const AccountPeriodQueue queue{QStringLiteral("130-01"), QStringLiteral("EUR"), {}};
    QStringList asked;
    const AccountNameLookup lookup = [&](const QString& konto) -> std::optional<QString> {
        asked << konto;
        return QStringLiteral("Rachunek bieżący");
    };

    EXPECT_EQ(accountLedgerDescription(s, queue, 1, lookup),
              (QStringList{QStringLiteral("Wydruk operacyjny do użytku wewnętrznego"), QStringLiteral("Waluta: EUR"),
                           QStringLiteral("Konto: 130-01"), s.DANE_OPIS_PRN[0], s.DANE_OPIS_PRN[1]}));
    EXPECT_TRUE(asked.isEmpty());

    EXPECT_EQ(accountLedgerDescription(s, queue, 0, lookup)[2], QStringLiteral("Konto: 130-01  Rachunek bieżący"));
    EXPECT_EQ(asked, QStringList{QStringLiteral("130-01")});

    // An account without a name prints the number alone; the customer variant drops the first line.
    s.customerVariant = 1;
    const QStringList noName = accountLedgerDescription(s, queue, 0, [](const QString&) { return std::nullopt; });
    EXPECT_EQ(noName.value(0), QStringLiteral("Waluta: EUR"));
    EXPECT_EQ(noName.value(1), QStringLiteral("Konto: 130-01"));
}

TEST(AccountLedgerReport, emptyQueueGivesHeadingDescriptionColumnHeaderAndZeroTotals) {
    SessionContext s;
    fillCompany(s);
    s.DANE_WYLACZ_SZAROSC = 1;
    const AccountPeriodQueue queue{QStringLiteral("700-01"), QString(), {}};
    const QString longTitle = kTitle + QString(200, QLatin1Char('x'));
    const Document doc = layOut(accountLedgerDefinition(s, queue, longTitle, 1, {}), {});
    ASSERT_EQ(doc.pages.size(), 1u);
    const Page& p = doc.pages[0];
    for (const QString& text :
         {s.DANE_NAZWA_FIRMY, s.DANE_ADRES1_FIRMY, s.DANE_ADRES2_FIRMY, QStringLiteral("NIP: 7250000000"),
          QStringLiteral("Rok obrotowy: 2026"), QStringLiteral("Wydruk operacyjny do użytku wewnętrznego"),
          QStringLiteral("Waluta: PLN"), QStringLiteral("Konto: 700-01"), QStringLiteral("Okres obrachunkowy"),
          QStringLiteral("Obroty w okresie"), QStringLiteral("Obroty narastająco"), QStringLiteral("Saldo"),
          KONIEC_WYDRUKU})
        EXPECT_TRUE(p.hasText(text)) << text.toStdString();
    EXPECT_TRUE(p.hasText(longTitle.left(150)));
    EXPECT_FALSE(p.hasText(longTitle));
    EXPECT_TRUE(p.texts().filter(QStringLiteral("Data wydruku: ")).size() == 1);
    const Money zero;
    EXPECT_EQ(bandTexts(p, RAZEM), line(RAZEM, {zero, zero, zero, zero, zero, zero}));
    EXPECT_EQ(bandTexts(p, PERSALDO), line(PERSALDO, {zero, zero}));
    // Without grey shading no box is filled.
    for (const Item& item : p.items) EXPECT_FALSE(item.kind == Item::Kind::Box && item.shaded);
}
