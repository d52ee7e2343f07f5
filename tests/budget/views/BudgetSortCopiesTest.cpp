// The budget lines' copies of their document's and ledger line's columns: after every kind
// of writer, after a header correction and after a line's account change they equal what
// they copy, and every order of the budget lists returns the rows of a plain ORDER BY over
// the joined tables (ties by id).
#include "BudgetViewFixture.h"
#include "budget/views/BudgetViewController.h"
#include "platform/db/BudgetLineCopies.h"
#include "platform/db/LineCopies.h"
#include "platform/db/Schema.h"
#include "platform/db/demo/BudgetLedger.h"
#include "platform/siblings/budget/BudgetLineEditor.h"
#include "support/ListedIds.h"
#include "support/SchemaOwner.h"

using namespace ksiega;
using namespace ksiega::budget;

namespace {

struct Order {
    const char* source;   // the copied column in the joined tables
};
// In the order of the window's choice; "Kwota" and "Klasyfikacja" read BT_DANE's own columns.
constexpr Order kOrders[] = {{"n.nr_ewid_dok"}, {"n.data_biezaca"}, {"n.nr_dok_org"},
                             {"n.data_dok_org"}, {"p.konto_wn"},    {"p.konto_ma"}};

class BudgetSortCopiesTest : public test::BudgetViewTest {
protected:
    // Budget lines of the company whose copies differ from their document and line.
    int64_t staleCopies() {
        return *db().scalarInt("select count(*) from BT_DANE b join POZ_DOK p on p.id_poz_dok=b.id_poz_dok "
                               "join NAG_DOK n on n.id_nag_dok=p.id_nag_dok where b.id_firmy=? and "
                               "(b.nr_ewid_dok <> n.nr_ewid_dok or b.data_biezaca <> n.data_biezaca or b.nr_dok_org <> n.nr_dok_org "
                               "or b.data_dok_org <> n.data_dok_org or b.konto_wn <> p.konto_wn or b.konto_ma <> p.konto_ma)",
                               {f().company});
    }
    int64_t budgetLines() { return *db().scalarInt("select count(*) from BT_DANE where id_firmy=?", {f().company}); }
    int64_t documentOf(int64_t line) { return *db().scalarInt("select id_nag_dok from POZ_DOK where id_poz_dok=?", {line}); }

    // A correction of a document's header as the document window makes it: the header, then
    // the copies of its lines.
    void correctHeader(int64_t document, const QString& nrDokOrg, int dataBiezaca, int dataDokOrg, const QString& nrEwid) {
        db::Transaction tx(db());
        db().execute("update NAG_DOK set nr_dok_org=?, data_biezaca=?, data_dok_org=?, nr_ewid_dok=? where id_nag_dok=?",
                     {nrDokOrg, dataBiezaca, dataDokOrg, nrEwid, document});
        db::refreshLineCopies(db(), document);
        tx.commit();
    }

    std::vector<int64_t> plainOrder(const QString& side, const char* source, bool descending) {
        const QString dir = descending ? QStringLiteral(" desc") : QString();
        db::Rows r = db().select(QStringLiteral("select b.id_bt_dane from BT_DANE b join POZ_DOK p on p.id_poz_dok=b.id_poz_dok "
                                                "join NAG_DOK n on n.id_nag_dok=p.id_nag_dok where b.id_firmy=? and b.typ=? "
                                                "order by %1%2, b.id_bt_dane%2")
                                     .arg(QLatin1String(source), dir),
                                 {f().company, side});
        std::vector<int64_t> out;
        while (r.next()) out.push_back(r.int64(0));
        return out;
    }
    void expectEveryOrderAsThePlainJoin() {
        for (const QString side : {QStringLiteral("W"), QStringLiteral("D")}) {
            BudgetViewController c(db(), session(), services, budgetServices, BudgetSide::of(side));
            c.open();
            for (int i = 0; i < int(std::size(kOrders)); ++i) {
                for (bool descending : {false, true}) {
                    if (c.descending() != descending) c.toggleSortDirection();
                    c.chooseSort(i);
                    const auto expected = plainOrder(side, kOrders[i].source, descending);
                    ASSERT_FALSE(expected.empty());
                    EXPECT_EQ(test::listedIdsToTheEnd(c.browser().list()), expected) << side.toStdString() << " " << kOrders[i].source << (descending ? " desc" : "");
                }
            }
        }
    }
};
KSIEGA_ON_BOTH_ENGINES(BudgetSortCopiesTest);

TEST_P(BudgetSortCopiesTest, everyOrderListsAsThePlainJoinAfterHeaderCorrectionsAndAnAccountChange) {
    EXPECT_EQ(staleCopies(), 0);   // the budget lines as the writers left them
    {
        BudgetViewController w(db(), session(), services, budgetServices, BudgetSide::of("W"));
        w.open();
        EXPECT_EQ(w.sortChoice(), 0);   // opens in "Nr ewidencyjny"
    }
    // Headers corrected so that each order differs from the order of the ids, with ties:
    // the March document moves after June on the booking date, the May one before March on
    // the document's number, and the June one shares its document date with March.
    const int64_t march = documentOf(splitLine), may = documentOf(costLine), june = documentOf(analyticLine);
    correctHeader(march, "FV/9", f().month2026(7) + 3, f().month2026(2), "PK/9/1");
    correctHeader(may, "FV/1", f().month2026(5), f().month2026(4), "PK/1/1");
    correctHeader(june, "FV/5", f().month2026(6), f().month2026(2), "PK/5/1");
    // A line's account changed on both sides: its budget lines follow.
    db().execute("update POZ_DOK set konto_wn='130-01', konto_ma='999-99' where id_poz_dok=?", {costLine});
    db::refreshLineCopiesOfLine(db(), costLine);
    EXPECT_EQ(staleCopies(), 0);
    EXPECT_EQ(*db().scalarText("select konto_ma from BT_VIEW where id_bt_dane=?", {cost}), "999-99");
    EXPECT_EQ(*db().scalarText("select nr_dok_org from BT_VIEW where id_bt_dane=?", {split[1]}), "FV/9");
    expectEveryOrderAsThePlainJoin();
    // A second refresh finds nothing left to change.
    EXPECT_EQ(db::refreshBudgetLineCopies(db(), march, june), 0);
}

TEST_P(BudgetSortCopiesTest, eachWriterOfBudgetLinesLeavesTheirCopiesCurrent) {
    ASSERT_GT(budgetLines(), 5);
    EXPECT_EQ(staleCopies(), 0);

    // The budget line editor: whatever it saves, the line's copies are made current (here
    // stale ones, as an older writer might have left them).
    db().execute("update BT_DANE set nr_ewid_dok='?', konto_wn='?', data_biezaca=0 where id_bt_dane=?", {cost});
    EXPECT_EQ(staleCopies(), 1);
    siblings::BudgetLineEditor editor(db(), f().company);
    auto line = editor.load(cost);
    ASSERT_TRUE(line.has_value());
    line->side = QStringLiteral("D");
    ASSERT_TRUE(editor.save(*line));
    EXPECT_EQ(staleCopies(), 0);

    // The benchmark's generator writes the copies with the lines.
    db().execute("delete from BT_DANE where id_firmy=?", {f().company});
    const int64_t first = *db().scalarInt("select min(id_poz_dok) from POZ_DOK where id_firmy=?", {f().company});
    const int64_t last = *db().scalarInt("select max(id_poz_dok) from POZ_DOK where id_firmy=?", {f().company});
    {
        db::Transaction tx(db());
        EXPECT_GT(db::demo::writeBudgetLines(db(), f().company, f().year2026, first, last), 5);
        tx.commit();
    }
    EXPECT_EQ(staleCopies(), 0);
    expectEveryOrderAsThePlainJoin();
}

TEST_P(BudgetSortCopiesTest, theUpgradeFillsTheCopiesOfExistingBudgetLines) {
    correctHeader(documentOf(costLine), "FV/1", f().month2026(5), f().month2026(4), "PK/1/1");
    const auto owner = test::openAsOwner(url());   // changing the tables is the owner's work
    // The schema before the copies: no columns, no indexes, the views joining the headers.
    owner->executeScript("DROP VIEW BT_VIEW_KWOTY;\nDROP VIEW BT_VIEW;\n"
                         "DROP INDEX BT_DANE_FIRMA_TYP_NREWID;\nDROP INDEX BT_DANE_FIRMA_TYP_DATABIEZ;\n"
                         "DROP INDEX BT_DANE_FIRMA_TYP_NRDOK;\nDROP INDEX BT_DANE_FIRMA_TYP_DATADOK;\n"
                         "DROP INDEX BT_DANE_FIRMA_TYP_KONTO_WN;\nDROP INDEX BT_DANE_FIRMA_TYP_KONTO_MA;\n");
    for (const char* column : {"nr_ewid_dok", "data_biezaca", "nr_dok_org", "data_dok_org", "konto_wn", "konto_ma"})
        owner->execute(QStringLiteral("ALTER TABLE BT_DANE DROP COLUMN %1").arg(QLatin1String(column)));
    owner->executeScript("CREATE VIEW BT_VIEW AS SELECT b.id_bt_dane, b.id_firmy, b.typ FROM BT_DANE b");
    db().execute("delete from WERSJA_SCHEMATU");
    db().execute("insert into WERSJA_SCHEMATU (wersja, opis) values (11, 'schemat utworzony')");
    db::upgradeSchema(*owner);
    EXPECT_EQ(db::schemaVersion(db()), db::kSchemaVersion);
    EXPECT_EQ(staleCopies(), 0);
    EXPECT_EQ(*db().scalarText("select nr_dok_org from BT_VIEW_KWOTY where id_bt_dane=?", {cost}), "FV/1");
    expectEveryOrderAsThePlainJoin();
}

TEST_P(BudgetSortCopiesTest, everyOrderOfTheListReadsAnIndexOfTheBudgetLines) {
    // The plan of a first page: no sort of the side's rows, on either engine.
    for (const char* column : {"nr_ewid_dok", "data_biezaca", "nr_dok_org", "data_dok_org", "konto_wn", "konto_ma"}) {
        for (const char* dir : {"", " desc"}) {
            const QString sql = QStringLiteral("select * from BT_VIEW_KWOTY where id_firmy=? and typ=? order by %1%2, id_bt_dane%2 "
                                               "limit 100")
                                    .arg(QLatin1String(column), QLatin1String(dir));
            const bool sqlite = GetParam() == db::Engine::Sqlite;
            // A sort node on PostgreSQL, a temporary b-tree on SQLite, would sort the whole side.
            if (!sqlite) db().execute("set enable_seqscan = off");   // a handful of rows: plan as on a large table
            db::Rows r = db().select((sqlite ? QStringLiteral("explain query plan ") : QStringLiteral("explain ")) + sql,
                                     {f().company, QStringLiteral("W")});
            QString plan;
            while (r.next()) plan += r.text(sqlite ? 3 : 0) + QLatin1Char('\n');
            EXPECT_FALSE(plan.contains(QLatin1String("TEMP B-TREE FOR ORDER BY"))) << column << dir << "\n" << plan.toStdString();
            EXPECT_FALSE(plan.contains(QLatin1String("Sort"))) << column << dir << "\n" << plan.toStdString();
            EXPECT_TRUE(plan.contains(QLatin1String("BT_DANE_FIRMA_TYP"), Qt::CaseInsensitive)) << column << dir << "\n" << plan.toStdString();
        }
    }
    if (GetParam() == db::Engine::Postgres) db().execute("reset enable_seqscan");
}

} // namespace
