#include "frame/marks/SelectionStore.h"
#include "support/LedgerRows.h"
#include "platform/runtime/FilterExpression.h"
#include "support/TestDatabase.h"
#include <algorithm>

using namespace ksiega;
using namespace ksiega::marks;

namespace {

class MarksStoreTest : public test::DbTest {
protected:
    int64_t stored(int64_t user = 3, int64_t browser = 40) {
        return *db().scalarInt("select count(*) from ZAZNACZENIE where id_uzytkownika=? and id_browsera=?", {user, browser});
    }
    std::vector<int64_t> storedIds(int64_t user = 3, int64_t browser = 40) {
        std::vector<int64_t> ids;
        db::Rows r = db().select("select id_elementu from ZAZNACZENIE where id_uzytkownika=? and id_browsera=? order by id_elementu", {user, browser});
        while (r.next()) ids.push_back(r.int64(0));
        return ids;
    }
    static std::vector<int64_t> ids(db::Database& d, const QString& sql, const db::Params& params) {
        std::vector<int64_t> out;
        for (db::Rows r = d.select(sql, params); r.next();) out.push_back(r.int64(0));
        return out;
    }
    StoreRequest ledgerRequest(const test::Ledger& l, QString filter = {}) {
        StoreRequest req;
        req.browser = BrowserLedgerByAccounts;
        req.user = 3;
        req.view = "POZ_DOK_VIEW_UNION";
        req.filter = filter.isEmpty() ? fieldEquals("PDU:id_lata_obrot", l.year) : filter;
        return req;
    }
};
KSIEGA_ON_BOTH_ENGINES(MarksStoreTest);

} // namespace

TEST(MarksList, theFlagMarksUntouchedRowsAndInvertingTwiceRestores) {
    MarksList m;
    m.set(1, true);
    m.set(2, false);
    m.invert();
    EXPECT_TRUE(m.allMarked());
    EXPECT_FALSE(m.isMarked(1));
    EXPECT_TRUE(m.isMarked(2));
    EXPECT_TRUE(m.isMarked(3));                // never touched: marked under the flag
    EXPECT_FALSE(m.toggle(3));
    m.invert();
    EXPECT_FALSE(m.allMarked());
    EXPECT_TRUE(m.isMarked(1));
    EXPECT_FALSE(m.isMarked(2));
    EXPECT_TRUE(m.isMarked(3));
    m.markAll();
    EXPECT_TRUE(m.isMarked(2));                // "Zaznacz wszystko" sets every entry
    m.unmarkAll();
    EXPECT_EQ(m.entryCount(), 0u);
    EXPECT_FALSE(m.isMarked(1));
}

TEST_P(MarksStoreTest, emptyMarksWithTheFlagClearLeaveNoRowsOfThatUserAndList) {
    db().execute("insert into ZAZNACZENIE (id_browsera, id_uzytkownika, id_elementu) values (40,3,1),(40,3,2),(41,3,1),(40,4,1)");
    MarksList m;
    const StoreOutcome out = storeMarks(db(), m, {40, 3, {}, {}, {}});
    ASSERT_TRUE(out.ok) << out.error.toStdString();
    EXPECT_EQ(stored(), 0);
    EXPECT_EQ(stored(3, 41), 1);               // another list of the same user stays
    EXPECT_EQ(stored(4, 40), 1);               // another user stays
}

TEST_P(MarksStoreTest, markedIdsAreStoredAndTheLastStoreWins) {
    MarksList first;
    for (int64_t id : {10, 20, 30}) first.set(id, true);
    first.set(40, false);
    ASSERT_TRUE(storeMarks(db(), first, {40, 3, {}, {}, {}}).ok);
    EXPECT_EQ(storedIds(), (std::vector<int64_t>{10, 20, 30}));

    MarksList second;                          // another window of the same user and list
    second.set(20, true);
    second.set(50, true);
    const StoreOutcome out = storeMarks(db(), second, {40, 3, {}, {}, {}});
    EXPECT_EQ(out.stored, 2);
    EXPECT_EQ(storedIds(), (std::vector<int64_t>{20, 50}));
}

TEST_P(MarksStoreTest, allMarkedMinusOneStoresEveryRowOfTheFilterButThatOne) {
    const test::Ledger l = test::makeLedger(db());
    test::addSimpleLines(db(), l, 10000);
    test::addLines(db(), l, {{"202-01", "", 100}});          // outside the filter below
    const int64_t firstId = *db().scalarInt("select min(id_dokument_pozycja) from POZ_DOK_VIEW_UNION");
    MarksList m;
    m.markAll();
    m.toggle(firstId + 2 * 77);                               // ids go in steps of 2 (Dt side)
    m.set(-5, false);                                         // unmarked but not in the list
    std::vector<int> percents;
    const StoreOutcome out = storeMarks(db(), m, ledgerRequest(l, "SQL(konto like '201%') AND PDU:id_lata_obrot=" + QString::number(l.year)),
                                        [&](int p) { percents.push_back(p); return true; });
    ASSERT_TRUE(out.ok) << out.error.toStdString();
    EXPECT_EQ(out.stored, 9999);
    EXPECT_EQ(stored(), 9999);
    EXPECT_EQ(*db().scalarInt("select count(*) from ZAZNACZENIE where id_elementu=?", {firstId + 2 * 77}), 0);
    EXPECT_EQ(*db().scalarInt("select count(*) from ZAZNACZENIE z join POZ_DOK_VIEW_UNION v on v.id_dokument_pozycja=z.id_elementu where v.konto<>'201-01'"), 0);
    ASSERT_FALSE(percents.empty());
    EXPECT_EQ(percents.back(), 100);
    EXPECT_TRUE(std::is_sorted(percents.begin(), percents.end()));

    // The stored marks are what the "show marked" condition lists.
    const FilterTranslation t = translateFilter(markedOnlyCondition(3, 40) + " AND PDU:id_lata_obrot=" + QString::number(l.year));
    ASSERT_TRUE(t.ok());
    EXPECT_EQ(*db().scalarInt("select count(*) from POZ_DOK_VIEW_UNION where " + t.where), 9999);
}

// A list of one year's entries stores its marks within the year, as it lists them: never a
// row of another year or another company, whatever the filter leaves open.
TEST_P(MarksStoreTest, everyRowOfAYearsListIsStoredWithinTheYearAlone) {
    const test::Ledger mine = test::makeLedger(db());
    const test::Ledger other = test::makeLedger(db());
    const int64_t nextYear = db().insertReturningId(
        "insert into LATA_OBROTOWE (id_firmy, rok_obrotowy, poczatek_roku, koniec_roku) values (?,?,?,?) returning id_lata_obrot",
        {mine.company, "2027", date::fromYmd(2027, 1, 1), date::fromYmd(2027, 12, 31)});
    test::addLines(db(), mine, {{"201-01", "", 100}, {"201-02", "202-01", 50}});
    test::addLines(db(), other, {{"201-01", "", 7}});
    test::addLines(db(), {mine.company, nextYear, mine.document}, {{"201-01", "", 9}});
    MarksList m;
    m.markAll();
    StoreRequest req = ledgerRequest(mine, "SQL(konto like '201%')");
    req.company = mine.company;
    req.year = mine.year;
    const StoreOutcome out = storeMarks(db(), m, req);
    ASSERT_TRUE(out.ok) << out.error.toStdString();
    EXPECT_EQ(out.stored, 2);
    EXPECT_EQ(storedIds(), ids(db(), "select id_dokument_pozycja from POZ_DOK_VIEW_UNION where id_lata_obrot=? and konto like '201%' "
                                     "order by 1", {mine.year}));
}

TEST_P(MarksStoreTest, aFilterTextWithQuotesSelectsExactlyAndCannotBreakTheStatement) {
    const test::Ledger l = test::makeLedger(db());
    const QString opis = QStringLiteral("x') OR 1=1 OR ('");
    test::addLines(db(), l, {{"201-01", "", 1, 2, 0, opis}, {"201-01", "", 1, 2, 0, "inny"}});
    MarksList m;
    m.markAll();
    FilterBuilder f;
    f.add(fieldEquals("PDU:opis", opis)).add(fieldEquals("PDU:id_lata_obrot", l.year));
    const StoreOutcome out = storeMarks(db(), m, ledgerRequest(l, f.text()));
    ASSERT_TRUE(out.ok) << out.error.toStdString();
    EXPECT_EQ(stored(), 1);
}

TEST_P(MarksStoreTest, aFailedOrCancelledStoreKeepsThePreviousMarks) {
    const test::Ledger l = test::makeLedger(db());
    test::addSimpleLines(db(), l, 50);
    MarksList before;
    before.set(1, true);
    before.set(2, true);
    ASSERT_TRUE(storeMarks(db(), before, {40, 3, {}, {}, {}}).ok);

    MarksList all;
    all.markAll();
    StoreRequest broken = ledgerRequest(l, "SQL(nie_ma_kolumny=1)");
    const StoreOutcome failed = storeMarks(db(), all, broken);
    EXPECT_FALSE(failed.ok);
    EXPECT_FALSE(failed.cancelled);
    EXPECT_FALSE(failed.error.isEmpty());
    EXPECT_EQ(storedIds(), (std::vector<int64_t>{1, 2}));

    const StoreOutcome invalid = storeMarks(db(), all, ledgerRequest(l, "PDU:opis='abc"));
    EXPECT_FALSE(invalid.ok);
    EXPECT_FALSE(invalid.error.isEmpty());

    const StoreOutcome cancelled = storeMarks(db(), all, ledgerRequest(l), [](int p) { return p < 50; });
    EXPECT_TRUE(cancelled.cancelled);
    EXPECT_EQ(storedIds(), (std::vector<int64_t>{1, 2}));
}

TEST_P(MarksStoreTest, everyStoreReplacesTheUsersMarksOfTheListAsAWhole) {
    const test::Ledger l = test::makeLedger(db());
    test::addSimpleLines(db(), l, 3000);
    const int64_t rows = *db().scalarInt("select count(*) from POZ_DOK p where p.id_lata_obrot=? and p.konto_wn<>''", {l.year}) +
                         *db().scalarInt("select count(*) from POZ_DOK p where p.id_lata_obrot=? and p.konto_ma<>''", {l.year});
    const int64_t idSum = *db().scalarInt("select coalesce(sum(2*id_poz_dok), 0) from POZ_DOK where id_lata_obrot=? and konto_wn<>''", {l.year}) +
                          *db().scalarInt("select coalesce(sum(2*id_poz_dok+1), 0) from POZ_DOK where id_lata_obrot=? and konto_ma<>''", {l.year});
    db().execute("insert into ZAZNACZENIE (id_browsera, id_uzytkownika, id_elementu) values (40,4,1),(41,3,1)");
    MarksList all;
    all.markAll();
    // "Zaznacz wszystko" twice in a row: the same ids again, each stored once.
    for (int round = 0; round < 2; ++round) {
        const StoreOutcome out = storeMarks(db(), all, ledgerRequest(l));
        ASSERT_TRUE(out.ok) << out.error.toStdString();
        EXPECT_EQ(out.stored, rows);
        EXPECT_EQ(stored(), rows);
        EXPECT_EQ(*db().scalarInt("select sum(id_elementu) from ZAZNACZENIE where id_uzytkownika=3 and id_browsera=40"), idSum);
    }
    // Then a few rows marked by hand, in no particular order, replace all of them.
    MarksList some;
    for (int64_t id : {905, 17, 433, 18}) some.set(id, true);
    EXPECT_EQ(storeMarks(db(), some, {40, 3, {}, {}, {}}).stored, 4);
    EXPECT_EQ(storedIds(), (std::vector<int64_t>{17, 18, 433, 905}));
    EXPECT_EQ(stored(4, 40), 1);
    EXPECT_EQ(stored(3, 41), 1);
}

TEST_P(MarksStoreTest, rowMarksOfTheRevenueListLeaveTheChosenSymbolsOfItsBrowser) {
    const test::Ledger l = test::makeLedger(db());
    test::addSimpleLines(db(), l, 20);
    db().execute("insert into ZAZNACZENIE (id_browsera, id_uzytkownika, id_elementu, opis_elementu) values "
                 "(36,3,0,'Dział 750'),(36,3,0,'§ 0970'),(36,3,5,'')");
    auto symbols = [&] {
        return *db().scalarInt("select count(*) from ZAZNACZENIE where id_uzytkownika=3 and id_browsera=36 and opis_elementu<>''");
    };
    auto rowMarks = [&] {
        return *db().scalarInt("select count(*) from ZAZNACZENIE where id_uzytkownika=3 and id_browsera=36 and opis_elementu=''");
    };
    StoreRequest req = ledgerRequest(l);
    req.browser = BrowserBudgetRevenue;
    req.keepDescribed = true;
    MarksList all;
    all.markAll();
    ASSERT_TRUE(storeMarks(db(), all, req).ok);
    EXPECT_EQ(rowMarks(), *db().scalarInt("select count(*) from POZ_DOK_VIEW_UNION where id_lata_obrot=?", {l.year}));
    EXPECT_EQ(symbols(), 2);

    MarksList some;
    some.set(5, true);
    some.set(0, true);               // the row id 0 beside the symbols' id 0: both kept apart by the text
    ASSERT_TRUE(storeMarks(db(), some, req).ok);
    EXPECT_EQ(rowMarks(), 2);
    EXPECT_EQ(symbols(), 2);
    EXPECT_EQ(db().scalarText("select min(opis_elementu) from ZAZNACZENIE where id_browsera=36 and opis_elementu like 'Dzia%'"),
              QStringLiteral("Dział 750"));
}

TEST_P(MarksStoreTest, markingEveryRowOfAListShowingOnlyTheMarkedOnesKeepsThem) {
    const test::Ledger l = test::makeLedger(db());
    test::addSimpleLines(db(), l, 40);
    const int64_t firstId = *db().scalarInt("select min(id_dokument_pozycja) from POZ_DOK_VIEW_UNION");
    MarksList some;
    for (int k : {3, 5, 8}) some.set(firstId + 2 * k, true);
    some.set(-7, true);                                       // no longer in the list
    ASSERT_TRUE(storeMarks(db(), some, {40, 3, {}, {}, {}}).ok);
    // "Zaznacz wszystko" in the list filtered to the marked rows: they stay marked.
    MarksList all;
    all.markAll();
    const StoreOutcome out =
        storeMarks(db(), all, ledgerRequest(l, markedOnlyCondition(3, 40) + " AND PDU:id_lata_obrot=" + QString::number(l.year)));
    ASSERT_TRUE(out.ok) << out.error.toStdString();
    EXPECT_EQ(out.stored, 3);
    EXPECT_EQ(storedIds(), (std::vector<int64_t>{firstId + 6, firstId + 10, firstId + 16}));
}

TEST_P(MarksStoreTest, aStoreInsideTheCallersTransactionLeavesItsReadPlansAsTheyWere) {
    const test::Ledger l = test::makeLedger(db());
    test::addSimpleLines(db(), l, 200);
    const bool pg = db::engineOf(db()) == db::Engine::Postgres;
    const int64_t rows = *db().scalarInt("select count(*) from POZ_DOK where id_lata_obrot=? and konto_wn<>''", {l.year}) +
                         *db().scalarInt("select count(*) from POZ_DOK where id_lata_obrot=? and konto_ma<>''", {l.year});
    db::Transaction outer(db());
    MarksList all;
    all.markAll();
    all.toggle(*db().scalarInt("select min(id_dokument_pozycja) from POZ_DOK_VIEW_UNION"));
    const StoreOutcome out = storeMarks(db(), all, ledgerRequest(l));
    ASSERT_TRUE(out.ok) << out.error.toStdString();
    EXPECT_EQ(out.stored, rows - 1);
    EXPECT_EQ(stored(), rows - 1);
    // The store reads the list page by page; the caller's later reads choose their own way.
    if (pg) EXPECT_EQ(db().scalarText("select current_setting('enable_indexscan')"), QStringLiteral("on"));
    outer.commit();
    EXPECT_EQ(stored(), rows - 1);
}
