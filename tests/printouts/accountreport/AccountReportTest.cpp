// "Raport z konta": the amounts of the database procedure against the document lines,
// the summary rows, the range dialog's year check, printing, and the PDF of the report.
#include "frame/SessionContext.h"
#include "platform/db/passthrough/PassThrough.h"
#include "platform/report/Report.h"
#include "platform/runtime/Date.h"
#include "platform/server/CashReportAmounts.h"
#include "platform/server/FiscalYear.h"
#include "platform/ui/dialogs/ScriptedDialogs.h"
#include "printouts/accountreport/AccountReportController.h"
#include "platform/siblings/ledgerprint/LedgerListing.h"
#include "entries/print/LedgerListingStart.h"
#include "printouts/accountreport/RangeDialogController.h"
#include "AccountReportFixture.h"
#include "support/PdfText.h"
#include <QProcess>
#include <QRegularExpression>
#include "platform/runtime/FilterExpression.h"
#include <QTemporaryDir>

using namespace ksiega;
using namespace ksiega::printouts;
using namespace ksiega::entries;
using ksiega::test::zl;

namespace {

using test::day;

class AccountReportTest : public test::AccountReportDbTest {
protected:
    void SetUp() override {
        test::AccountReportDbTest::SetUp();
        SessionContext& s = session();
        s.DANE_DATA_BIEZACA = day(4, 17);
        s.DANE_NAZWA_FIRMY = QStringLiteral("Hurtownia Łódź Sp. z o.o.");
        // Cash account 100-01 in April: document and posting dates apart, one unposted line.
        addCashDocument("KP/1", nullptr, day(4, 1), day(4, 3), 2, "100-01", "201-01-001", "300.00");
        addCashDocument("KW/1", nullptr, day(4, 3), day(4, 1), 2, "202-01-001", "100-01", "120.50");
        addCashDocument("KP/2", nullptr, day(4, 10), day(4, 10), 2, "100-01", "700-01", "80.00");
        addCashDocument("KW/2", nullptr, day(4, 15), day(4, 15), 1, "401", "100-01", "999.99");
        addCashDocument("KP/3", nullptr, day(5, 2), day(5, 2), 2, "100-01", "201-01-002", "45.00");
        // The account's opening balance.
        fx->post(fx->openingPln, "100-01", "", zl("500.00"));
    }
};

// Sums of one side of an account's lines, taken straight from the lines.
struct DirectLine {
    QString dt, ct, currency;
    int64_t wn, ma, wnW, maW;
    int docDate, postDate, status, czyRk;
};

std::vector<DirectLine> allLines(db::Database& db, int64_t year) {
    std::vector<DirectLine> lines;
    db::Rows r = db.select("select p.konto_wn, p.konto_ma, upper(p.waluta), p.kwota_wn, p.kwota_ma, p.kwota_wn_w, p.kwota_ma_w, "
                           "n.data_dok_org, n.data_biezaca, p.status, p.czy_rk from POZ_DOK p join NAG_DOK n "
                           "on n.id_nag_dok=p.id_nag_dok where p.id_lata_obrot=?",
                           {year});
    while (r.next())
        lines.push_back({r.text(0), r.text(1), r.text(2), r.int64(3), r.int64(4), r.int64(5), r.int64(6), r.integer(7),
                         r.integer(8), r.integer(9), r.integer(10)});
    return lines;
}

int64_t directSum(const std::vector<DirectLine>& lines, const QString& account, int kind, bool posting, int upTo,
                  const QString& currency) {
    int64_t sum = 0;
    for (const DirectLine& l : lines) {
        const bool debit = kind % 2 == 1;
        if ((debit ? l.dt : l.ct) != account) continue;
        if (currency != "PLN" && l.currency != currency) continue;
        if (l.czyRk != 10 && (l.status != 2 || (posting ? l.postDate : l.docDate) > upTo)) continue;
        sum += kind == 1 ? l.wn : kind == 2 ? l.ma : kind == 3 ? l.wnW : l.maW;
    }
    return (currency == "PLN" && kind > 2) ? 0 : sum;
}

} // namespace

KSIEGA_ON_BOTH_ENGINES(AccountReportTest);

TEST_P(AccountReportTest, procedureAmountsAgreeWithTheDocumentLines) {
    const auto lines = allLines(db(), fx->year2026);
    db::PassThrough pt(db());
    int checked = 0;
    for (const QString account : {"100-01", "130-01", "131-01", "201-01-002", "234-01"})
        for (const QString currency : {"PLN", "EUR"})
            for (int upTo : {day(1, 1) - 1, day(1, 1), day(3, 2), day(4, 1), day(4, 3), day(4, 15), day(12, 31)})
                for (int kind = 1; kind <= 4; ++kind)
                    for (bool posting : {false, true}) {
                        const QString kindText = QString::number(kind) + (posting ? "1" : " ");
                        db::PassResult r = pt.EXECVAX(QStringLiteral("CALL OBLICZ_KWOTY_DLA_RK(%1,%2,%3,'%4',%5,'%6')")
                                                          .arg(fx->company)
                                                          .arg(fx->year2026)
                                                          .arg(upTo)
                                                          .arg(account, kindText, currency.toLower()));
                        ASSERT_TRUE(r.next()) << r.error().toStdString();
                        EXPECT_EQ(r.amount(1).minor(), directSum(lines, account, kind, posting, upTo, currency))
                            << account.toStdString() << " " << currency.toStdString() << " kind " << kind << " posting "
                            << posting << " up to " << date::toIso(upTo).toStdString();
                        ++checked;
                    }
    EXPECT_EQ(checked, 5 * 2 * 7 * 4 * 2);
    // Spot values: the dates of the kinds differ, the opening balance counts on any day.
    EXPECT_EQ(server::OBLICZ_KWOTY_DLA_RK(db(), fx->company, fx->year2026, day(4, 1), "100-01", 2, true, "PLN"), zl("120.50"));
    EXPECT_EQ(server::OBLICZ_KWOTY_DLA_RK(db(), fx->company, fx->year2026, day(4, 1), "100-01", 2, false, "PLN"), Money());
    EXPECT_EQ(server::OBLICZ_KWOTY_DLA_RK(db(), fx->company, fx->year2026, day(1, 1) - 1, "100-01", 1, false, "PLN"),
              zl("500.00"));
    // A typed account with a quote is a value, not SQL.
    EXPECT_EQ(server::OBLICZ_KWOTY_DLA_RK(db(), fx->company, fx->year2026, day(12, 31), "1' or '1'='1", 1, false, "PLN"), Money());
}

TEST_P(AccountReportTest, summaryCarriesInTheDayBeforeAndCarriesOutTheSumOfBothRows) {
    AccountReportController c(db(), services);
    // Starting on the first day of the year: the opening balance is carried in.
    c.addRange({false, day(1, 1), day(4, 2), "100-01"});
    CashSummary s = c.summary();
    EXPECT_EQ(s.carriedIn.label, "Z przeniesienia");
    EXPECT_EQ(s.carriedIn.obrotyDt, zl("500.00"));
    EXPECT_EQ(s.total.obrotyDt, zl("300.00")) << "the document date of KP/1 is the 1st of April";
    EXPECT_EQ(s.total.obrotyCt, Money());

    // Posting dates, 1-10 April: KP/1 (3rd), KW/1 (1st), KP/2 (10th); the entries of the
    // first day count in "Razem", not in "Z przeniesienia".
    c.addRange({false, day(4, 1), day(4, 10), "100-01"});
    c.setDateKind(DateKind::Posting);
    s = c.summary();
    EXPECT_EQ(s.carriedIn.obrotyDt, zl("500.00"));
    EXPECT_EQ(s.carriedIn.obrotyCt, Money());
    EXPECT_EQ(s.total.obrotyDt, zl("380.00"));
    EXPECT_EQ(s.total.obrotyCt, zl("120.50"));
    EXPECT_EQ(s.carriedOut.label, "Do przeniesienia");
    EXPECT_EQ(s.carriedOut.obrotyDt, s.carriedIn.obrotyDt + s.total.obrotyDt);
    EXPECT_EQ(s.carriedOut.obrotyCt, s.carriedIn.obrotyCt + s.total.obrotyCt);
    EXPECT_EQ(s.carriedOut.saldoDt, zl("759.50"));
    EXPECT_EQ(s.carriedOut.saldoCt, Money());
    // PLN: the currency columns stay 0.
    for (const SummaryRow* r : {&s.carriedIn, &s.total, &s.carriedOut}) {
        EXPECT_EQ(r->obrotyDtW, Money());
        EXPECT_EQ(r->saldoDtW, Money());
        EXPECT_EQ(r->obrotyCtW, Money());
        EXPECT_EQ(r->saldoCtW, Money());
    }

    // In a currency the currency columns come from the currency amounts.
    c.addRange({false, day(1, 1), day(12, 31), "131-01"});
    c.setCurrency("eur");
    s = c.summary();
    EXPECT_EQ(s.total.obrotyDtW, zl("500.00"));
    EXPECT_EQ(s.total.obrotyDt, zl("2150.00"));
}

TEST(CashSummary, balanceOfWhatIsCarriedOutIsComputedFromTheSumsNotAdded) {
    // Carried in: Dt balance 100; the range: Ct balance 30; carried out: Dt 70.
    const CashSummary s = makeCashSummary({zl("150.00"), zl("50.00"), {}, {}}, {zl("160.00"), zl("90.00"), {}, {}});
    EXPECT_EQ(s.carriedIn.saldoDt, zl("100.00"));
    EXPECT_EQ(s.total.saldoCt, zl("30.00"));
    EXPECT_EQ(s.carriedOut.obrotyDt, zl("160.00"));
    EXPECT_EQ(s.carriedOut.obrotyCt, zl("90.00"));
    EXPECT_EQ(s.carriedOut.saldoDt, zl("70.00"));
    EXPECT_EQ(s.carriedOut.saldoCt, Money());
    const CashSummary even = makeCashSummary({zl("5.00"), zl("5.00"), {}, {}}, {zl("5.00"), zl("5.00"), {}, {}});
    EXPECT_EQ(even.carriedOut.saldoDt, Money());
    EXPECT_EQ(even.carriedOut.saldoCt, Money());
}

TEST_P(AccountReportTest, rangeDialogRefusesDatesOutsideTheFiscalYear) {
    RangeDialogController d(db(), nullptr, DateKind::Document);
    EXPECT_EQ(d.title(), "Nowy zakres dla konta");
    EXPECT_EQ(d.from(), day(4, 1));   // first day of the month of the working date
    d.setAccountText("130-01");
    d.setFrom(day(1, 1) - 1);
    EXPECT_FALSE(d.confirm());
    EXPECT_EQ(dialogs.texts(ui::ScriptedDialogs::Kind::Information), QStringList{kOutOfYearText});
    d.yearStart();
    d.setTo(date::fromYmd(2027, 1, 1));
    EXPECT_FALSE(d.confirm());
    d.yearEnd();
    EXPECT_TRUE(d.confirm());
    EXPECT_EQ(dialogs.texts().size(), 2);

    d.setFrom(day(6, 5));
    d.setTo(day(6, 5));
    const AccountRange r = d.result();
    EXPECT_TRUE(r.singleDay);
    EXPECT_EQ(r.account, "130-01");
    RangeDialogController edit(db(), &r, DateKind::Posting);
    EXPECT_EQ(edit.title(), "Raport z konta");
    EXPECT_EQ(edit.to(), day(6, 5));
}

TEST_P(AccountReportTest, printingHandsOverTheReportOfTheChosenCode) {
    AccountReportController c(db(), services);
    EXPECT_FALSE(c.print(0, 1, false)) << "no range, nothing to print";
    c.addRange({true, day(4, 3), day(4, 3), "100-01"});
    c.setDateKind(DateKind::Posting);
    std::vector<LedgerPrintJob> started;
    services.onChooseStatement = [](const QString& set) { return set == "KSIEGA_R" ? kCashReport : 0; };
    services.onStartListing = [&](const LedgerPrintJob& r, const CurrencyCode&) { started.push_back(r); };

    const auto request = c.print(42, 3, true);
    ASSERT_TRUE(request);
    ASSERT_EQ(started.size(), 1u);
    EXPECT_EQ(started[0].parameters, "66,0,3,1,0");
    EXPECT_EQ(started[0].header, "Raport kasowy - RK Nr");
    const CashSummary figures = c.summary();
    EXPECT_EQ(started[0].broughtForwardDt, figures.carriedIn.obrotyDt);
    EXPECT_EQ(started[0].broughtForwardCt, figures.carriedIn.obrotyCt);
    EXPECT_EQ(session().DANE_NAGLOWEK_WYDRUKU, "Raport kasowy - RK Nr");
    EXPECT_EQ(session().CRST_FILTR_INFO, "KSIEGA_R");
    EXPECT_EQ(session().GGG_DANE_ID_OBIEKTU, 42);
    EXPECT_EQ(session().DANE_OPIS_PRN,
              (QStringList{"Konto: 100-01 " + c.accountName(), "Na dzień: 03-04-2026 wg daty księgowania", "Waluta: PLN"}));

    c.setCurrency("EUR");
    services.onChooseStatement = [](const QString&) { return kAccountReport; };
    ASSERT_TRUE(c.print(0, 2, false));
    EXPECT_EQ(started.back().parameters, "81,0,2,0,1");
    EXPECT_TRUE(started.back().filter.contains("PDU:waluta='EUR'"));

    services.onAskPrintRange = [] { return false; };
    EXPECT_FALSE(c.print(0, 2, false));
    EXPECT_EQ(started.size(), 2u);
}

TEST_P(AccountReportTest, entryFilterListsTheRangeAndQuotesTheAccount) {
    AccountReportController c(db(), services);
    c.addRange({false, day(4, 1), day(4, 30), "O'Hara"});
    EXPECT_TRUE(c.entryFilter().startsWith("PDU:konto='O''Hara' AND PDU:data_dok_org>="));
    c.addRange({false, day(4, 1), day(4, 30), "100-01"});
    const FilterTranslation t = translateFilter(c.entryFilter());
    ASSERT_TRUE(t.ok()) << t.error.toStdString();
    EXPECT_EQ(db().scalarInt("select count(*) from POZ_DOK_VIEW_UNION where " + t.where), 3) << "KP/1, KW/1, KP/2";
    c.removeRange(1);
    EXPECT_EQ(c.currentIndex(), 0);
    c.removeRange(0);
    EXPECT_TRUE(c.entryFilter().isEmpty());
}

TEST_P(AccountReportTest, pdfOfTheReportHoldsItsHeadingTotalsAndEnd) {
    AccountReportController c(db(), services);
    c.addRange({false, day(4, 1), day(4, 30), "100-01"});
    // "Drukuj" hands the report to the ledger print library; here it is laid out at once.
    std::optional<LedgerPrintJob> printed;
    services.onChooseStatement = [](const QString&) { return kAccountReport; };
    services.onStartListing = [&](const LedgerPrintJob& request, const CurrencyCode&) { printed = request; };
    ASSERT_TRUE(c.print(0, 2, false));
    ASSERT_TRUE(printed);
    ledgerprint::ListingJob job = sessionListingJob(session(), printed->parameters, printed->filter, printed->header);
    job.broughtForward = {printed->broughtForwardDt, printed->broughtForwardCt};
    const report::RunResult r = ledgerprint::layoutListing(job, db());
    ASSERT_TRUE(r.error.isEmpty()) << r.error.toStdString();
    EXPECT_EQ(r.document.rows, 3);
    QTemporaryDir dir;
    const QString file = dir.filePath("raport.pdf");
    ASSERT_TRUE(report::writePdf(r.document, file));
    const QString text = test::pdfText(file);
    for (const char* expected : {"Raport z konta", "Hurtownia Łódź Sp. z o.o.", "Konto: 100-01", "Zakres: od 01-04-2026 do 30-04-2026",
                                 "Z przeniesienia", "Razem", "Do przeniesienia", "Koniec wydruku", "KW/1"})
        EXPECT_TRUE(text.contains(QString::fromUtf8(expected))) << expected << "\n" << text.toStdString();
    // "Razem" of the printed entries is the summary's, and carried out is carried in plus it.
    EXPECT_TRUE(text.contains(QRegularExpression("Razem\\s+380,00\\s+120,50"))) << text.toStdString();
    EXPECT_TRUE(text.contains(QRegularExpression("Z przeniesienia\\s+500,00"))) << text.toStdString();
    EXPECT_TRUE(text.contains(QRegularExpression("Do przeniesienia\\s+880,00\\s+120,50"))) << text.toStdString();
    EXPECT_TRUE(text.contains(QRegularExpression("Saldo\\s+759,50"))) << text.toStdString();
}
