// A backslash inside a filter's '...' text is an ordinary character on both engines: the
// same rows are listed as a plain comparison with a bound value finds, also when the
// PostgreSQL connection is asked for the old reading of backslashes. A LIKE pattern, where
// the engines read a backslash apart, must name its escape character; E'...' stays refused.
#include "ledger/accounts/LedgerEntriesController.h"
#include "platform/runtime/Date.h"
#include "platform/runtime/FilterExpression.h"
#include "support/LedgerTest.h"

using namespace ksiega;
using ksiega::test::zl;

namespace {

// Descriptions a backslash-unaware reader would end, continue or escape.
const QString kPath = QStringLiteral("C:\\dane\\plik.txt");
const QString kQuote = QStringLiteral("a\\'b");
const QString kTrailing = QStringLiteral("koniec\\");
const QString kTwo = QStringLiteral("\\\\");

class FilterBackslashTest : public test::LedgerTest {
protected:
    void SetUp() override {
        LedgerTest::SetUp();
        if (IsSkipped()) return;
        for (const QString& opis : {kPath, kQuote, kTrailing, kTwo, kPath}) {
            const int64_t doc = f().postIn2026(4, "130-01", "700-01", zl("1.00"));
            db().execute("update POZ_DOK set opis=? where id_nag_dok=?", {opis, doc});
        }
    }
    // The rows of the company's view the translated filter lists, through `d`.
    int64_t listed(db::Database& d, const QString& filter) {
        const FilterTranslation t = translateFilter(filter);
        EXPECT_TRUE(t.ok()) << filter.toStdString() << ": " << t.error.toStdString();
        if (!t.ok()) return -1;
        return *d.scalarInt(QStringLiteral("select count(*) from POZ_DOK_VIEW_UNION where id_firmy=? and (") + t.where + ')',
                            {f().company});
    }
    // The same rows found with the description bound, not written into the statement.
    int64_t withDescription(const QStringList& descriptions) {
        int64_t n = 0;
        for (const QString& opis : descriptions)
            n += *db().scalarInt("select count(*) from POZ_DOK_VIEW_UNION where id_firmy=? and opis=?", {f().company, opis});
        return n;
    }
    void expectSameRows(db::Database& d) {
        EXPECT_EQ(listed(d, QStringLiteral("PDU:opis='C:\\dane\\plik.txt'")), withDescription({kPath}));
        EXPECT_EQ(listed(d, QStringLiteral("PDU:opis='a\\''b'")), withDescription({kQuote}));
        EXPECT_EQ(listed(d, QStringLiteral("PDU:opis='koniec\\' OR PDU:opis='\\\\'")), withDescription({kTrailing, kTwo}));
        EXPECT_EQ(listed(d, QStringLiteral("SQL(opis = 'koniec\\' OR opis = 'a\\''b')")), withDescription({kTrailing, kQuote}));
        EXPECT_EQ(listed(d, QStringLiteral("SQL(opis like 'C:\\dane%' escape '!' OR opis like '%\\' escape '!')")),
                  withDescription({kPath, kTrailing, kTwo}));
        EXPECT_EQ(listed(d, QStringLiteral("SQL(opis like '%\\\\%' escape '\\')")), withDescription({kPath, kTwo, kTrailing, kQuote}));
        EXPECT_EQ(listed(d, QStringLiteral("NOT PDU:opis='koniec\\' AND SQL(opis <> '\\\\' AND opis <> 'C:\\dane\\plik.txt')")),
                  *db().scalarInt("select count(*) from POZ_DOK_VIEW_UNION where id_firmy=? and opis not in (?, ?, ?)",
                                  {f().company, kTrailing, kTwo, kPath}));
    }
};

} // namespace

KSIEGA_ON_BOTH_ENGINES(FilterBackslashTest);

TEST_P(FilterBackslashTest, textsWithBackslashesListTheRowsABoundValueFinds) {
    ASSERT_EQ(withDescription({kPath}), 4);   // two lines, each on two sides of the view
    expectSameRows(db());
}

TEST_P(FilterBackslashTest, theConnectionReadsBackslashesAsItselfWhateverItIsAskedFor) {
    if (GetParam() != db::Engine::Postgres) GTEST_SKIP() << "SQLite has one reading of texts";
    auto asked = db::Database::open(url() + QStringLiteral("&options=-c%20standard_conforming_strings%3Doff%20-c%20backslash_quote%3Don"));
    EXPECT_EQ(asked->scalarText("show standard_conforming_strings"), QStringLiteral("on"));
    EXPECT_EQ(asked->scalarText("show backslash_quote"), QStringLiteral("off"));
    expectSameRows(*asked);
}

TEST_P(FilterBackslashTest, aLikePatternWithABackslashNamesItsEscapeAndEscapeStringsStayRefused) {
    for (const QString& filter : {QStringLiteral("SQL(opis like 'C:\\%')"), QStringLiteral("SQL(opis not like '%' || 'x\\')"),
                                  QStringLiteral("SQL(opis = E'a\\\\b')"), QStringLiteral("SQL(opis = e'x')")}) {
        const FilterTranslation t = translateFilter(filter);
        EXPECT_FALSE(t.ok()) << filter.toStdString();
        const int expected = filter.contains(QStringLiteral("like")) ? int(filter.indexOf('\\')) : int(filter.indexOf('\''));
        EXPECT_EQ(t.errorPosition, expected) << filter.toStdString() << ": " << t.error.toStdString();
    }
}

// The person's quick filter in "Księga główna" lists the account's posted lines with that
// description.
TEST_P(FilterBackslashTest, theLedgersQuickFilterFindsADescriptionWithBackslashes) {
    SessionContext session;
    session.DANE_ID_FIRMY = f().company;
    session.DANE_LATA_OBROTOWE = f().year2026;
    session.DANE_POCZATEK_ROKU = date::fromYmd(2026, 1, 1);
    session.DANE_KONIEC_ROKU = date::fromYmd(2026, 12, 31);
    session.DANE_ID_UZYTKOWNIKA_NR = 7;
    ledger::LedgerEntriesController c(db(), session);
    c.setAccount(QStringLiteral("130-01"), true);
    c.setQuickFilter(true, QStringLiteral("PDU:opis='C:\\dane\\plik.txt' OR PDU:opis='koniec\\'"));
    c.rebuild();
    EXPECT_TRUE(c.filterError().isEmpty()) << c.filterError().toStdString();
    c.entries().toFirst();
    EXPECT_EQ(c.entries().heldRows(),
              *db().scalarInt("select count(*) from POZ_DOK_VIEW_UNION where id_lata_obrot=? and konto='130-01' and status=2 "
                              "and czy_rk<>10 and opis in (?, ?)",
                              {f().year2026, kPath, kTrailing}));
}
