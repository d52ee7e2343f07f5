// Account prefixes ("konto like '201%'") get an index range beside the LIKE; the rows they
// select must stay exactly those of the LIKE.
#include "platform/db/SqlText.h"
#include "platform/db/passthrough/PrefixRange.h"
#include "platform/runtime/FilterExpression.h"
#include "support/TestDatabase.h"

using namespace ksiega;

TEST(PrefixRange, aPlainPrefixStandingAloneGetsItsRangeAndEverythingElsePassesUnchanged) {
    EXPECT_EQ(db::withPrefixRanges("konto like '201%'"), "(konto like '201%' and konto >= '201' and konto < '202')");
    EXPECT_EQ(db::withPrefixRanges("status=2 AND (p.konto_wn LIKE '13-%') AND x=1"),
              "status=2 AND ((p.konto_wn like '13-%' and p.konto_wn >= '13-' and p.konto_wn < '13.')) AND x=1");
    // NOT before the column negates the whole parenthesised condition.
    EXPECT_EQ(db::withPrefixRanges("not konto like '2%'"), "not (konto like '2%' and konto >= '2' and konto < '3')");
    for (const char* same : {"konto not like '201%'",            // NOT LIKE
                             "konto like '2_1%'",                // a wildcard inside
                             "konto like '201%' escape '!'",     // an escape clause
                             "konto like '%01'",                 // not a prefix
                             "konto like '201'",                 // no wildcard
                             "konto like '20~%'",                // no character after the last one
                             "konto like 'zaż%'",                // outside printable ASCII
                             "'a' || konto like '201%'",         // an operand of a longer expression
                             "lower(konto) like '201%'",
                             "opis = 'konto like ''201%'''",     // inside a text
                             "konto like '201%' || 'x'"}) {
        EXPECT_EQ(db::withPrefixRanges(same), same);
    }
}

namespace {

class PrefixRowsTest : public test::DbTest {};
KSIEGA_ON_BOTH_ENGINES(PrefixRowsTest);

TEST_P(PrefixRowsTest, theRangeSelectsExactlyTheRowsOfTheLike) {
    const int64_t firm = db().insertReturningId("insert into FIRMA (nazwa) values ('F') returning id_firmy");
    const int64_t year = db().insertReturningId(
        "insert into LATA_OBROTOWE (id_firmy, rok_obrotowy, poczatek_roku, koniec_roku) values (?, '2026', 82000, 82364) "
        "returning id_lata_obrot", {firm});
    const int64_t doc = db().insertReturningId(
        "insert into NAG_DOK (id_firmy, id_lata_obrot, nr_ewid_dok, status) values (?, ?, 'PK/1', 2) returning id_nag_dok",
        {firm, year});
    const QStringList accounts{"2",     "20",     "201",   "201-",  "201-01", "201-99-9", "2010",   "201.",
                               "201/1", "202",    "21",    "A201",  "a201",   "201 ",     "201-ó",  "1999"};
    int lp = 0;
    for (const QString& a : accounts)
        db().execute("insert into POZ_DOK (id_nag_dok, id_firmy, id_lata_obrot, lp, konto_wn, konto_ma, kwota_wn, kwota_ma, "
                     "nr_ewid_dok, status) values (?, ?, ?, ?, ?, '999', 1, 1, 'PK/1', 2)",
                     {doc, firm, year, ++lp, a});
    for (const char* prefix : {"2", "20", "201", "201-", "201-0", "201/", "A", "a20", "201 ", "1"}) {
        SCOPED_TRACE(prefix);
        const QString like = QStringLiteral("konto like %1").arg(db::quoted(QString::fromLatin1(prefix) + '%'));
        const FilterTranslation t = translateFilter(sqlPiece(like));
        ASSERT_TRUE(t.ok());
        ASSERT_TRUE(t.where.contains(">=")) << t.where.toStdString();
        auto konta = [&](const QString& where) {
            QStringList out;
            for (db::Rows r = db().select("select konto from POZ_DOK_VIEW_UNION where strona=0 and " + where + " order by id_poz_dok");
                 r.next();)
                out << r.text(0);
            return out;
        };
        EXPECT_EQ(konta(t.where), konta(like));
    }
}

} // namespace
