// A person's filter in "Księga główna" (and `ksiega entries --filter`) cannot take the list
// out of its account, year and company: the texts that once ended an SQL(...) piece where
// the server did not are refused, the refusal points into the person's own text, and the
// list then shows nothing.
#include "entries/summary/AccountSummary.h"
#include "frame/marks/SelectionStore.h"
#include "ledger/accounts/LedgerEntriesController.h"
#include "platform/db/DbError.h"
#include "platform/runtime/Date.h"
#include "platform/runtime/FilterExpression.h"
#include "support/LedgerTest.h"
#include <QRegularExpression>

using namespace ksiega;
using ksiega::test::zl;

namespace {

class FilterScopeTest : public test::LedgerTest {
protected:
    void SetUp() override {
        LedgerTest::SetUp();
        if (IsSkipped()) return;
        f().postIn2026(2, "130-01", "700-01", zl("10.00"));
        f().postIn2026(3, "130-01", "201-01-001", zl("20.00"), 1);   // unposted
        session.DANE_ID_FIRMY = f().company;
        session.DANE_LATA_OBROTOWE = f().year2026;
        session.DANE_POCZATEK_ROKU = date::fromYmd(2026, 1, 1);
        session.DANE_KONIEC_ROKU = date::fromYmd(2026, 12, 31);
        session.DANE_ID_UZYTKOWNIKA_NR = 7;
    }
    int64_t count(const QString& where, const db::Params& params) {
        return *db().scalarInt(QStringLiteral("select count(*) from POZ_DOK_VIEW_UNION where ") + where, params);
    }
    SessionContext session;
};

// The two filters: a double-quoted "'" (SQLite) and an E'...' text (PostgreSQL).
const QString kSqliteEscape = QStringLiteral("SQL(\"'\"))) OR 1=1 ; \"'\")");
const QString kPostgresEscape = QStringLiteral("SQL(opis = E'\\'')) OR ((1=1 --'\n)");

} // namespace

KSIEGA_ON_BOTH_ENGINES(FilterScopeTest);

TEST_P(FilterScopeTest, escapingQuickFiltersAreRefusedAtThePersonsPositionAndListNothing) {
    for (const QString& quick : {kSqliteEscape, kPostgresEscape}) {
        ledger::LedgerEntriesController c(db(), session);
        c.setAccount(QStringLiteral("130-01"), true);
        c.setQuickFilter(true, quick);
        c.rebuild();
        const auto position = QRegularExpression(QStringLiteral("pozycja (\\d+)")).match(c.filterError());
        ASSERT_TRUE(position.hasMatch()) << c.filterError().toStdString();
        // 1-based, into the quick filter itself: the first character the engines read apart.
        const int expected = quick == kSqliteEscape ? quick.indexOf('"') : quick.indexOf(QStringLiteral("'")) ;
        EXPECT_EQ(position.captured(1).toInt(), expected + 1) << quick.toStdString();
        c.entries().toFirst();
        EXPECT_EQ(c.entries().heldRows(), 0);
    }
    // The same list with an ordinary filter lists the account's posted lines of the year.
    ledger::LedgerEntriesController c(db(), session);
    c.setAccount(QStringLiteral("130-01"), true);
    c.setQuickFilter(true, QStringLiteral("SQL(kwota_wn > 0)"));
    c.rebuild();
    EXPECT_TRUE(c.filterError().isEmpty()) << c.filterError().toStdString();
    c.entries().toFirst();
    EXPECT_EQ(c.entries().heldRows(), count(QStringLiteral("id_lata_obrot=? AND konto='130-01' AND status=2 AND czy_rk<>10 AND kwota_wn>0"),
                                            {f().year2026}));
}

// What the old scanner passed on to the server: each engine read the escape, and the
// account and posting conditions were gone. The checker is what stands between them now.
// (An E'\'' text like this one no longer reaches a PostgreSQL connection of ours at all: they
// refuse a \' with backslash_quote off. A dollar-quoted text escapes the old scanner alike.)
TEST_P(FilterScopeTest, theOldScannersOutputEscapedOnItsEngine) {
    const bool postgres = GetParam() == db::Engine::Postgres;
    const QString piece = postgres ? QStringLiteral("(opis = $$'$$)) OR ((1=1 --'\n) AND id_lata_obrot=%1)").arg(f().year2026)
                                   : QStringLiteral("((\"'\"))) OR 1=1 ");
    const QString where = QStringLiteral("id_firmy = ? and (konto='130-01' AND status=2 AND ") + piece;
    EXPECT_GT(count(where, {f().company}), count(QStringLiteral("konto='130-01' AND status=2"), {}));
    EXPECT_FALSE(translateFilter(postgres ? kPostgresEscape : kSqliteEscape).ok());
    if (postgres) {
        const QString escapeString = QStringLiteral("(opis = E'\\'')) OR ((1=1 --'\n) AND id_lata_obrot=%1)").arg(f().year2026);
        EXPECT_THROW(count(QStringLiteral("id_firmy = ? and (konto='130-01' AND status=2 AND ") + escapeString, {f().company}), db::DbError);
    }
}

// The summary's year is bound beside the filter, not written into it.
TEST_P(FilterScopeTest, theSummaryKeepsItsYearWhateverTheFilter) {
    f().openingBalanceLine(f().year18, "130-01", "800", zl("5.00"));
    entries::AccountSummary summary(db());
    entries::SummaryScope scope;
    scope.viewName = QStringLiteral("POZ_DOK_VIEW_UNION");
    scope.fiscalYear = f().year2026;
    scope.rawFilter = QStringLiteral("konto='130-01' OR id_lata_obrot=%1").arg(f().year18);
    ASSERT_TRUE(summary.computeTotals(scope)) << summary.lastError().toStdString();
    EXPECT_EQ(summary.totals().count,
              count(QStringLiteral("id_lata_obrot=? AND (konto='130-01' OR id_lata_obrot=?)"), {f().year2026, f().year18}));
    scope.rawFilter = kSqliteEscape;
    EXPECT_FALSE(summary.computeTotals(scope));
}

// A sub-query reads the session's own marks: another user's number is refused.
TEST_P(FilterScopeTest, aSubqueryReadsOnlyTheSessionsOwnUser) {
    const QString marks =
        QStringLiteral("SQL(id_dokument_pozycja in (select id_elementu from ZAZNACZENIE where id_uzytkownika=%1 AND id_browsera=40))");
    for (int64_t user : {int64_t(7), int64_t(8)}) {
        ledger::LedgerEntriesController c(db(), session);
        c.setAccount(QStringLiteral("130-01"), true);
        c.setQuickFilter(true, marks.arg(user));
        c.rebuild();
        EXPECT_EQ(c.filterError().isEmpty(), user == session.DANE_ID_UZYTKOWNIKA_NR) << c.filterError().toStdString();
    }
}

// "Mark all" stores the rows of the list's company only, whatever the filter names.
TEST_P(FilterScopeTest, markingEveryRowStoresOnlyTheListsCompany) {
    marks::MarksList all;
    all.markAll();
    marks::StoreRequest request{marks::BrowserLedgerByAccounts, 7, QStringLiteral("POZ_DOK_VIEW_UNION"),
                                QStringLiteral("id_dokument_pozycja"), QStringLiteral("PDU:konto='130-01' OR PDU:id_firmy<>0"), 0};
    for (const int64_t company : {f().company, f().company + 1000}) {
        request.company = company;
        const marks::StoreOutcome out = marks::storeMarks(db(), all, request);
        ASSERT_TRUE(out.ok) << out.error.toStdString();
        EXPECT_EQ(out.stored, count(QStringLiteral("id_firmy=? AND (konto='130-01' OR id_firmy<>0)"), {company}));
    }
    EXPECT_EQ(*db().scalarInt("select count(*) from ZAZNACZENIE where id_uzytkownika=7"), 0);
}
