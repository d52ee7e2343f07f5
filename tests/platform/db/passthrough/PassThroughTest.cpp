#include "support/LedgerRows.h"
#include "platform/db/SqlText.h"
#include "platform/db/passthrough/PassThrough.h"
#include "platform/runtime/FilterExpression.h"
#include "support/TestDatabase.h"
#include <set>

using namespace ksiega;
using namespace ksiega::db;

namespace {

// A stand-in procedure that echoes its arguments back, one row per argument.
server::ResultSet echo(Database&, const Params& args) {
    server::ResultSet r{{"nr", "wartosc"}, {}};
    for (size_t i = 0; i < args.size(); ++i) r.rows.push_back({int64_t(i + 1), args[i]});
    return r;
}
KSIEGA_SERVER_PROCEDURE("TEST_ECHO", echo);

// Four decimal results, as the turnover procedure gives them.
server::ResultSet fourResults(Database&, const Params&) {
    return {{"wynik1", "wynik2", "wynik3", "wynik4"}, {{Money::fromMinor(12345), Money::fromMinor(-5), Money(), Money::fromMinor(1)}}};
}
KSIEGA_SERVER_PROCEDURE("TEST_CZTERY_WYNIKI", fourResults);

class PassThroughTest : public test::DbTest {};
KSIEGA_ON_BOTH_ENGINES(PassThroughTest);

} // namespace

TEST_P(PassThroughTest, firstRowOrTheCallersDefaultThenLoopUntilNoRow) {
    PassThrough pt(db());
    db().execute("insert into WALUTY (sym_waluty, nazwa_waluty) values ('EUR','euro'),('USD','dolar'),('CHF','frank')");

    PassResult none = pt.EXECVAX("select nazwa_waluty from WALUTY where sym_waluty=?", {"XXX"});
    QString name = "domyślna";
    if (none.next()) name = none.text(1);
    EXPECT_EQ(name, QString::fromUtf8("domyślna"));
    EXPECT_FALSE(none.failed());

    PassResult all = pt.EXECVAY("select sym_waluty, nazwa_waluty from WALUTY with (NOLOCK) order by sym_waluty");
    QStringList seen;
    while (all.next()) seen << all.text(1) + "=" + all.text(2);
    EXPECT_EQ(seen, QStringList({"CHF=frank", "EUR=euro", "USD=dolar"}));
    EXPECT_FALSE(all.next());
    EXPECT_EQ(all.text(3), "");                       // beyond the row: empty

    // A select ending in a parenthesis is not taken for a server function call.
    EXPECT_EQ(pt.FUNCVAY("select count(*) from WALUTY where sym_waluty in ('EUR','CHF')"), "2");

    PassResult top = pt.EXECSQL("select top 1 1, nazwa_waluty from WALUTY order by sym_waluty desc");
    ASSERT_TRUE(top.next());
    EXPECT_EQ(top.number(), 1);
    EXPECT_EQ(top.label(), "dolar");
    EXPECT_FALSE(top.next());
}

TEST_P(PassThroughTest, amountsAndCountsReadExactly) {
    const test::Ledger l = test::makeLedger(db());
    test::addLines(db(), l, {{"201-01", "", 1}, {"201-01", "", 99999999999}, {"", "202", 7}});
    PassThrough pt(db());
    PassResult r = pt.EXECVAX("select sum(kwota_wn),sum(kwota_ma),sum(kwota_wn_w),sum(kwota_ma_w) from POZ_DOK_VIEW_UNION where id_lata_obrot=?", {l.year});
    ASSERT_TRUE(r.next());
    EXPECT_EQ(r.amount(1), Money::fromMinor(100000000000));
    EXPECT_EQ(r.amount(2), Money::fromMinor(7));
    EXPECT_EQ(r.amount(3), Money());
    PassResult c = pt.EXECVAX("select count(*) from POZ_DOK_VIEW_UNION where id_lata_obrot=" + QString::number(l.year));
    ASSERT_TRUE(c.next());
    EXPECT_EQ(c.integer(1), 3);
    // A sum over no rows is NULL: read as zero.
    PassResult empty = pt.EXECVAX("select sum(kwota_wn) from POZ_DOK_VIEW_UNION where id_lata_obrot=-1");
    ASSERT_TRUE(empty.next());
    EXPECT_TRUE(empty.isNull(1));
    EXPECT_EQ(empty.amount(1), Money());
}

TEST_P(PassThroughTest, aFailedStatementReportsTheEngineTextInsteadOfThrowing) {
    PassThrough pt(db());
    PassResult bad = pt.EXECVAX("select nie_ma_takiej from WALUTY");
    EXPECT_FALSE(bad.next());
    EXPECT_TRUE(bad.failed());
    EXPECT_FALSE(bad.error().isEmpty());
    EXPECT_EQ(pt.lastError(), bad.error());

    PassResult insert = pt.EXECVAX("insert into NIE_MA_TABELI values (1)");
    EXPECT_TRUE(insert.failed());
    EXPECT_FALSE(pt.FUNCVAY("select dbo.NIE_MA_FUNKCJI(1)").has_value());
    EXPECT_TRUE(pt.lastError().contains("NIE_MA_FUNKCJI"));
    // The connection stays usable after a failure.
    EXPECT_EQ(pt.FUNCVAY("select count(*) from WALUTY"), "0");
}

TEST_P(PassThroughTest, aFailedStatementInsideATransactionDoesNotUndoTheRest) {
    PassThrough pt(db());
    Transaction tx(db());
    EXPECT_FALSE(pt.EXECVAX("insert into ZAZNACZENIE (id_browsera, id_uzytkownika, id_elementu) values(40,3,1)").failed());
    EXPECT_TRUE(pt.EXECVAX("insert into NIE_MA_TABELI values (1)").failed());
    EXPECT_FALSE(pt.EXECVAX("insert into ZAZNACZENIE (id_browsera, id_uzytkownika, id_elementu) values(40,3,2)").failed());
    tx.commit();
    EXPECT_EQ(db().scalarInt("select count(*) from ZAZNACZENIE"), 2);
}

TEST_P(PassThroughTest, callsReachTheProcedureWithTheirArgumentsIntact) {
    PassThrough pt(db());
    const QString tricky = QStringLiteral("O'Brien, 'x'); delete from WALUTY; --");
    PassResult r = pt.EXECSQL("CALL TEST_ECHO (7,-3, " + quoted(tricky) + ",'',NULL, 12.50, ?)", {"bound 'value'"});
    QStringList got;
    while (r.next()) got << (r.isNull(2) ? QString("<null>") : r.text(2));
    ASSERT_FALSE(r.failed()) << r.error().toStdString();
    EXPECT_EQ(got, QStringList({"7", "-3", tricky, "", "<null>", "12.50", "bound 'value'"}));

    EXPECT_EQ(pt.FUNCVAY("select dbo.TEST_ECHO('a''b')"), "1");
    PassResult f = pt.EXECVAY("select dbo.test_echo('a''b')");
    ASSERT_TRUE(f.next());
    EXPECT_EQ(f.text(2), "a'b");

    PassResult four = pt.EXECSQL("CALL TEST_CZTERY_WYNIKI(1,2)");
    ASSERT_TRUE(four.next());
    EXPECT_EQ(four.result(1), Money::fromMinor(12345));
    EXPECT_EQ(four.result(2), Money::fromMinor(-5));
    EXPECT_EQ(four.result(3), Money());
    EXPECT_EQ(four.result(4), Money::fromMinor(1));

    // Unreadable arguments fail the call instead of calling with something else.
    for (const char* bad : {"CALL TEST_ECHO('abc)", "CALL TEST_ECHO(1 2)", "CALL TEST_ECHO(abc)", "CALL TEST_ECHO(?)", "CALL TEST_ECHO(1,)"}) {
        PassResult b = pt.EXECSQL(QString::fromLatin1(bad));
        EXPECT_TRUE(b.failed()) << bad;
        EXPECT_FALSE(b.next());
    }
    EXPECT_EQ(pt.statementsSent(), 9);
    EXPECT_EQ(db().scalarInt("select count(*) from WALUTY"), 0);
}

// Lines with awkward texts and accounts; the expected rows are worked out here, apart
// from SQL, and compared with what a list and its aggregates select.
TEST_P(PassThroughTest, aFilterSelectsTheSameRowsForAListAndForItsSums) {
    const test::Ledger l = test::makeLedger(db());
    const QString quoteText = QStringLiteral("Faktura 'ABC' ') OR 1=1 --");
    test::addLines(db(), l, {
        {"201-01", "", 100, 2, 0, quoteText},      // 1
        {"201-02", "", 200, 2, 0, "zwykły"},       // 2
        {"201-01", "", 400, 1, 0, quoteText},      // 3 not posted
        {"201-01", "", 800, 2, 10, quoteText},     // 4 excluded kind
        {"202-01", "", 1600, 2, 0, quoteText},     // 5 other account
        {"", "201-01", 3200, 2, 0, "Ct"},          // 6 credit side
    });
    FilterBuilder f;
    f.add(sqlPiece("konto like '201%'")).add("PDU:status=2").add("PDU:czy_rk<>10")
        .add(orGroup({fieldEquals("PDU:opis", quoteText), "PDU:strona=1"}))
        .add(fieldEquals("PDU:id_lata_obrot", l.year));
    const FilterTranslation t = translateFilter(f.text());
    ASSERT_TRUE(t.ok()) << t.error.toStdString();

    PassThrough pt(db());
    PassResult list = pt.EXECVAX("select lp, kwota_wn, kwota_ma from POZ_DOK_VIEW_UNION where " + t.where + " order by lp");
    std::set<int64_t> lps;
    Money dt, ct;
    while (list.next()) {
        lps.insert(list.integer(1));
        dt += list.amount(2);
        ct += list.amount(3);
    }
    ASSERT_FALSE(list.failed()) << list.error().toStdString();
    EXPECT_EQ(lps, (std::set<int64_t>{1, 6}));

    PassResult sums = pt.EXECVAX("select sum(kwota_wn),sum(kwota_ma),count(*) from POZ_DOK_VIEW_UNION where " + t.where);
    ASSERT_TRUE(sums.next());
    EXPECT_EQ(sums.amount(1), dt);
    EXPECT_EQ(sums.amount(2), ct);
    EXPECT_EQ(sums.integer(3), int64_t(lps.size()));
    EXPECT_EQ(dt, Money::fromMinor(100));
    EXPECT_EQ(ct, Money::fromMinor(3200));
    // The quoted text reached the database intact.
    EXPECT_EQ(pt.FUNCVAY("select opis from POZ_DOK_VIEW_UNION where lp=1"), quoteText);
}
