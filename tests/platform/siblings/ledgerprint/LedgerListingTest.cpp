// The listings against a real ledger: what they print agrees with the rows of their filter.
#include "ListingPages.h"
#include "platform/db/Database.h"
#include "platform/report/PdfWriter.h"
#include "platform/report/Texts.h"
#include "platform/runtime/Date.h"
#include "platform/server/Turnovers.h"
#include "platform/siblings/ledgerprint/LedgerListing.h"
#include "support/LedgerFixture.h"
#include "support/PdfText.h"
#include "support/TestDatabase.h"
#include <QProcess>
#include <QTemporaryDir>

using namespace ksiega;
using namespace ksiega::test;
using ledgerprint::ListingJob;

namespace {

const QString BANK_FILTER = QStringLiteral("PDU:konto='130-01' AND PDU:status=2 AND PDU:czy_rk<>10");

class LedgerListing : public DbTest {
protected:
    void SetUp() override {
        DbTest::SetUp();
        fx = std::make_unique<LedgerFixture>(db());
    }

    ListingJob job(const QString& params, const QString& filter) const {
        ListingJob j;
        j.params = params;
        j.filter = filter;
        j.heading = QStringLiteral("Zestawienie zapisów księgowych dla konta");
        j.company = fx->company;
        j.fiscalYear = fx->year2026;
        j.userNumber = 7;
        j.companyLines = {QStringLiteral("Hurtownia Łódź Sp. z o.o.")};
        return j;
    }

    report::Document layout(const ListingJob& j) {
        const report::RunResult r = ledgerprint::layoutListing(j, db());
        EXPECT_TRUE(r.error.isEmpty()) << r.error.toStdString();
        return r.document;
    }

    // Sums of the bank account's lines under BANK_FILTER, as the database has them.
    std::pair<Money, Money> bankSums() {
        auto rows = db().select("select coalesce(sum(kwota_wn),0), coalesce(sum(kwota_ma),0), count(*) from POZ_DOK_VIEW_UNION"
                                " where id_firmy=? and id_lata_obrot=? and konto='130-01' and status=2 and czy_rk<>10",
                                {fx->company, fx->year2026});
        rows.next();
        bankCount = rows.int64(2);
        return {rows.money(0), rows.money(1)};
    }

    std::unique_ptr<LedgerFixture> fx;
    int64_t bankCount = 0;
};

} // namespace

TEST_P(LedgerListing, entryListingPrintsEveryLineOfItsFilterWithItsTotals) {
    // Several pages of lines, most of them on the same posting date; an unposted line and
    // another account's lines stay out.
    db::Transaction tx(db());
    for (int i = 1; i <= 530; ++i)
        fx->postIn2026(i % 7 == 0 ? 4 : 3, "130-01", "700-01", Money::fromMinor(i * 101));
    fx->postIn2026(3, "700-01", "130-01", zl("250,00"));
    fx->postIn2026(3, "130-01", "700-01", zl("999,00"), /*status*/ 1);
    fx->postIn2026(3, "401", "202-01-001", zl("55,00"));
    tx.commit();

    const report::Document doc = layout(job(QStringLiteral("68,0,0,0,1,Konto: 130-01  Rachunek bieżący"), BANK_FILTER));
    const auto [dt, ct] = bankSums();
    EXPECT_EQ(listedRows(doc), bankCount);
    EXPECT_GT(doc.pages.size(), 1u);
    const QStringList razem = lineTexts(doc, report::RAZEM);
    EXPECT_TRUE(razem.contains(shown(dt))) << razem.join('|').toStdString();
    EXPECT_TRUE(razem.contains(shown(ct))) << razem.join('|').toStdString();
    EXPECT_EQ(countText(doc, report::RAZEM_NA_STRONIE), int(doc.pages.size()));
    EXPECT_EQ(countText(doc, report::KONIEC_WYDRUKU), 1);
    EXPECT_EQ(countText(doc, QStringLiteral("Konto: 130-01  Rachunek bieżący")), 1);
}

TEST_P(LedgerListing, linesFollowTheSortOfTheCallingList) {
    fx->postIn2026(3, "130-01", "700-01", zl("10,00"));
    fx->postIn2026(5, "130-01", "700-01", zl("20,00"));
    fx->postIn2026(4, "130-01", "700-01", zl("40,00"));
    // The texts of one column from top to bottom.
    auto column = [](const report::Document& doc, const QString& heading) {
        QStringList out;
        for (const auto& page : doc.pages) {
            double left = -1;
            for (const auto& item : page.items)
                if (item.text == heading) left = item.rect.left();
            for (const auto& item : page.items)
                if (item.kind == report::Item::Kind::Text && qAbs(item.rect.left() - left) < 0.01 && item.text != heading)
                    out << item.text;
        }
        return out;
    };
    auto sorted = [](QStringList l, bool descending) {
        std::sort(l.begin(), l.end());
        if (descending) std::reverse(l.begin(), l.end());
        return l;
    };
    // The ledger by periods: choice 1 "Nr ewidencyjny", descending.
    const QStringList byNumber = column(layout(job(QStringLiteral("61,0,1,1,0,Okres"), BANK_FILTER)), "Nr ewidencyjny");
    ASSERT_GE(byNumber.size(), 3);
    EXPECT_EQ(byNumber, sorted(byNumber, true));
    // Choice 4 "Data księgowania", ascending, as dates run.
    QStringList dates = column(layout(job(QStringLiteral("61,0,4,0,0,Okres"), BANK_FILTER)), "Data księg.");
    for (QString& d : dates) d = d.mid(6, 4) + d.mid(3, 2) + d.left(2);
    EXPECT_EQ(dates, sorted(dates, false));

    // The turnover statement by "Obroty Dt", descending.
    ListingJob t = job(QStringLiteral("63,0,2,1,0,Okres obrotowy: Marzec"),
                       QStringLiteral("OBR:SYM_WALUTY='PLN' AND OBR:DATA_OKRESU=%1").arg(fx->month2026(3)));
    server::UZUPELNIJ_OBROTY_Z_DOKUMENTOW(db(), fx->company, fx->year2026, 0);
    std::vector<Money> turnovers;
    for (const QString& text : column(layout(t), "Obroty Dt")) {
        if (text.isEmpty() || !text.at(0).isDigit()) continue;
        turnovers.push_back(Money::parseOrThrow(QString(text).remove(' ').replace(',', '.')));
    }
    ASSERT_GE(turnovers.size(), 2u);
    // The last ones are the totals of the page and the report.
    turnovers.resize(turnovers.size() - 2);
    EXPECT_TRUE(std::is_sorted(turnovers.rbegin(), turnovers.rend()));
}

TEST_P(LedgerListing, accountReportSortedByRegisterNumberDescending) {
    // Register numbers that run against the posting dates.
    const int64_t docs[] = {fx->postIn2026(3, "130-01", "700-01", zl("10,00")), fx->postIn2026(4, "130-01", "700-01", zl("20,00")),
                            fx->postIn2026(5, "130-01", "700-01", zl("30,00"))};
    const char* numbers[] = {"R-3", "R-1", "R-2"};
    for (int i = 0; i < 3; ++i) {
        db().execute("update NAG_DOK set nr_ewid_dok=? where id_nag_dok=?", {QString::fromLatin1(numbers[i]), docs[i]});
        db().execute("update POZ_DOK set nr_ewid_dok=? where id_nag_dok=?", {QString::fromLatin1(numbers[i]), docs[i]});
    }
    const report::Document doc = layout(job(QStringLiteral("81,0,3,1,0"), BANK_FILTER));
    QStringList numbersShown, dates;
    for (const auto& page : doc.pages) {
        double numberLeft = -1, dateLeft = -1;
        for (const auto& item : page.items) {
            if (item.text == "Nr ewidencyjny") numberLeft = item.rect.left();
            if (item.text == "Data księg.") dateLeft = item.rect.left();
        }
        for (const auto& item : page.items) {
            if (item.kind != report::Item::Kind::Text) continue;
            if (qAbs(item.rect.left() - numberLeft) < 0.01 && item.text.startsWith("R-")) numbersShown << item.text;
            if (qAbs(item.rect.left() - dateLeft) < 0.01 && item.text.count('-') == 2) dates << item.text;
        }
    }
    EXPECT_EQ(numbersShown, (QStringList{"R-3", "R-2", "R-1"}));
    // Beside the number the posting date stands: March first, then May, then April.
    ASSERT_GE(dates.size(), 3);
    EXPECT_EQ(dates.mid(0, 3), (QStringList{date::toDisplay(fx->month2026(3)), date::toDisplay(fx->month2026(5)),
                                            date::toDisplay(fx->month2026(4))}));
}

TEST_P(LedgerListing, markedRangePrintsOnlyTheMarksOfItsBrowserAndSingleRangeTheCurrentLine) {
    const int64_t a = fx->postIn2026(3, "130-01", "700-01", zl("10,00"));
    fx->postIn2026(3, "130-01", "700-01", zl("20,00"));
    fx->postIn2026(4, "130-01", "700-01", zl("40,00"));
    auto entryOf = [&](int64_t document) {
        return *db().scalarInt("select id_dokument_pozycja from POZ_DOK_VIEW_UNION where id_nag_dok=? and strona=0",
                               {document});
    };
    const int64_t first = entryOf(a);
    auto rows = db().select("select id_dokument_pozycja from POZ_DOK_VIEW_UNION where konto='130-01' and id_lata_obrot=? "
                            "order by id_dokument_pozycja desc limit 2", {fx->year2026});
    std::vector<int64_t> last;
    while (rows.next()) last.push_back(rows.int64(0));
    auto mark = [&](int browser, int64_t user, int64_t element) {
        db().execute("insert into ZAZNACZENIE (id_browsera, id_uzytkownika, id_elementu) values (?, ?, ?)",
                     {browser, user, element});
    };
    mark(40, 7, last[0]);
    mark(40, 7, last[1]);
    mark(41, 7, first);    // another browser's mark
    mark(40, 8, first);    // another user's mark

    report::Document marked = layout(job(QStringLiteral("68,1,0,0,1,Konto: 130-01"), BANK_FILTER));
    EXPECT_EQ(listedRows(marked), 2);
    EXPECT_TRUE(lineTexts(marked, report::RAZEM).contains(shown(zl("60,00"))));
    // From the period browse the marks of browser 41 count.
    EXPECT_EQ(listedRows(layout(job(QStringLiteral("61,1,0,0,0,Okres obrotowy: Marzec"), BANK_FILTER))), 1);
    // No marks: an empty listing that still closes.
    ListingJob nobody = job(QStringLiteral("68,1,0,0,1,Konto: 130-01"), BANK_FILTER);
    nobody.userNumber = 99;
    const report::Document empty = layout(nobody);
    EXPECT_EQ(listedRows(empty), 0);
    EXPECT_EQ(countText(empty, report::KONIEC_WYDRUKU), 1);

    ListingJob single = job(QStringLiteral("68,2,0,0,1,Konto: 130-01"), BANK_FILTER);
    single.currentEntry = first;
    const report::Document one = layout(single);
    EXPECT_EQ(listedRows(one), 1);
    EXPECT_TRUE(lineTexts(one, report::RAZEM).contains(shown(zl("10,00"))));
}

TEST_P(LedgerListing, turnoverStatementAgreesWithTurnoversAndBalances) {
    fx->postIn2026(3, "130-01", "700-01", zl("1 000,00"));
    fx->postIn2026(3, "401", "202-01-001", zl("300,50"));
    fx->postIn2026(4, "130-01", "201-01-001", zl("77,00"));
    server::UZUPELNIJ_OBROTY_Z_DOKUMENTOW(db(), fx->company, fx->year2026, 0);

    const QString filter = QStringLiteral("OBR:SYM_WALUTY='PLN' AND OBR:DATA_OKRESU=%1").arg(fx->month2026(3));
    ListingJob j = job(QStringLiteral("63,0,0,0,0,Okres obrotowy: Marzec"), filter);
    j.heading = QStringLiteral("Zestawienie obrotów i sald w okresie");
    const report::Document doc = layout(j);

    auto rows = db().select("select count(*), sum(obr_wn), sum(obr_ma), sum(saldo_wn), sum(saldo_ma) from OBROTY_I_SALDA"
                            " where id_firmy=? and id_lata_obrot=? and sym_waluty='PLN' and data_okresu=?",
                            {fx->company, fx->year2026, fx->month2026(3)});
    ASSERT_TRUE(rows.next());
    ASSERT_GT(rows.int64(0), 0);
    int printed = 0;
    for (const auto& page : doc.pages)
        for (const auto& item : page.items)
            if (item.text.endsWith(QStringLiteral("Marzec")) && item.text.startsWith(QStringLiteral("2026"))) ++printed;
    EXPECT_EQ(printed, rows.int64(0));
    const QStringList razem = lineTexts(doc, report::RAZEM);
    for (int c = 1; c <= 4; ++c) EXPECT_TRUE(razem.contains(shown(rows.money(c)))) << c << razem.join('|').toStdString();
}

TEST_P(LedgerListing, cashReportCarriesInAndOut) {
    fx->postIn2026(3, "130-01", "700-01", zl("500,00"));
    fx->postIn2026(3, "401", "130-01", zl("120,00"));
    ListingJob j = job(QStringLiteral("66,0,0,0,0"), BANK_FILTER);
    j.heading = QStringLiteral("Raport kasowy - RK Nr");
    j.broughtForward = {zl("1 000,00"), zl("300,00")};
    const report::Document doc = layout(j);
    EXPECT_EQ(lineTexts(doc, report::Z_PRZENIESIENIA).mid(1),
              (QStringList{shown(zl("1 000,00")), shown(zl("300,00"))}));
    // The fixture's own bank lines count as well: the expectation follows the database.
    const auto [dt, ct] = bankSums();
    const Money outDt = zl("1 000,00") + dt, outCt = zl("300,00") + ct;
    EXPECT_EQ(lineTexts(doc, report::DO_PRZENIESIENIA).mid(1), (QStringList{shown(outDt), shown(outCt)}));
    EXPECT_TRUE(lineTexts(doc, QStringLiteral("Saldo")).contains(shown(Balance::of(outDt, outCt).dt)));
    // The summary reads down: carried in, the report's own total, carried out, balance.
    auto top = [&](const QString& label) {
        double y = -1;
        for (const auto& item : doc.pages.back().items)
            if (item.text == label) y = item.rect.top();
        return y;
    };
    EXPECT_LT(top(report::Z_PRZENIESIENIA), top(report::RAZEM));
    EXPECT_LT(top(report::RAZEM), top(report::DO_PRZENIESIENIA));
    EXPECT_LT(top(report::DO_PRZENIESIENIA), top(QStringLiteral("Saldo")));
}

TEST_P(LedgerListing, refusesAFilterThatIsNotAFilter) {
    const report::RunResult r = ledgerprint::layoutListing(
        job(QStringLiteral("68,0,0,0,1,x"), QStringLiteral("SQL(1=1); delete from POZ_DOK")), db());
    EXPECT_FALSE(r.error.isEmpty());
    EXPECT_TRUE(r.document.pages.empty());
}

TEST_P(LedgerListing, pdfHoldsHeadingRowsPageTotalsAndEnd) {
    for (int i = 1; i <= 120; ++i) fx->postIn2026(5, "130-01", "700-01", Money::fromMinor(i * 1000));
    const report::Document doc = layout(job(QStringLiteral("68,0,0,0,1,Konto: 130-01  Rachunek"), BANK_FILTER));
    QTemporaryDir dir;
    const QString pdf = dir.filePath(QStringLiteral("listing.pdf"));
    ASSERT_TRUE(report::writePdf(doc, pdf, 96));
    const QString text = pdfText(pdf);
    for (const QString& expected :
         {QStringLiteral("Zestawienie zapisów księgowych dla konta"), QStringLiteral("Hurtownia Łódź Sp. z o.o."),
          QStringLiteral("Konto: 130-01"), QStringLiteral("PK/5/"), report::RAZEM_NA_STRONIE,
          report::DO_PRZENIESIENIA, report::Z_PRZENIESIENIA, report::KONIEC_WYDRUKU})
        EXPECT_TRUE(text.contains(expected)) << expected.toStdString();
}

KSIEGA_ON_BOTH_ENGINES(LedgerListing);
