// The entries list of "Księga główna" over POZ_DOK_VIEW_UNION keeps its speed only while
// each engine reads a page of one account straight off the account indexes, in the list's
// order, and merges the two sides of the union without sorting. These tests look at the
// plans, and check that the rows, their order and the sums stay what they were.
#include "platform/db/demo/DemoDatabase.h"
#include "platform/db/demo/LedgerGenerator.h"
#include "platform/runtime/FilterExpression.h"
#include "platform/ui/list/PagedListModel.h"
#include "support/SchemaOwner.h"
#include "support/TestDatabase.h"

using namespace ksiega;

namespace {

class EntryListShapeTest : public test::DbTest {
protected:
    void SetUp() override {
        DbTest::SetUp();
        if (IsSkipped()) return;
        // The generator suspends keys and indexes: the schema owner's work.
        const auto owner = test::openAsOwner(url());
        db::demo::buildDemoBase(*owner);
        db::demo::LedgerOptions o;
        o.lines = 3000;
        o.seed = 11;
        db::demo::generateLedger(*owner, o);
        year = db().scalarInt("select id_lata_obrot from LATA_OBROTOWE where id_firmy=1 and rok_obrotowy='2026'").value_or(0);
    }

    QString accountFilter() const {
        return fieldEquals("PDU:konto", db::demo::hotAccount()) +
               QStringLiteral(" AND PDU:status=2 AND PDU:czy_rk<>10 AND PDU:id_lata_obrot=%1").arg(year);
    }

    ui::ListQuery query(const QString& filter, const QString& column, bool descending) const {
        ui::ListQuery q;
        q.source = "POZ_DOK_VIEW_UNION";
        q.columns = {{"nr_ewid_dok", "Nr ewidencyjny", ui::ColumnKind::Text, 12},
                     {"data_okresu", "Okres", ui::ColumnKind::Date, 10},
                     {"kwota_wn", "Kwota Dt", ui::ColumnKind::Money, 14},
                     {"sygnatura", "Dziennik", ui::ColumnKind::Text, 6}};
        q.idColumn = "id_dokument_pozycja";
        q.sort.keys = {{column, descending}};
        q.ranges = {{"id_firmy", int64_t(1)}};
        q.filter.where = translateFilter(filter).where;
        return q;
    }

    // The engine's plan of a statement, one line per step.
    QStringList plan(const ui::Statement& s) {
        const bool sqlite = db::engineOf(db()) == db::Engine::Sqlite;
        if (!sqlite) db().executeScript("SET enable_seqscan = off");
        db::Rows r = db().select((sqlite ? "explain query plan " : "explain ") + s.sql, s.params);
        QStringList lines;
        while (r.next()) lines << r.text(sqlite ? 3 : 0);
        if (!sqlite) db().executeScript("RESET enable_seqscan");
        return lines;
    }

    std::vector<int64_t> ids(const QString& sql) {
        std::vector<int64_t> out;
        for (db::Rows r = db().select(sql); r.next();) out.push_back(r.int64(0));
        return out;
    }

    int64_t year = 0;
};
KSIEGA_ON_BOTH_ENGINES(EntryListShapeTest);

TEST_P(EntryListShapeTest, onePageOfAnAccountIsReadOffItsIndexesAndOnSqliteInTheListOrder) {
    for (bool descending : {false, true}) {
        SCOPED_TRACE(descending ? "desc" : "asc");
        const ui::ListQuery q = query(accountFilter(), "nr_ewid_dok", descending);
        const ui::SortOrder order = q.totalSort();
        const db::Params key{QStringLiteral("FS/5"), int64_t(1000)};
        // The first page, and a page after the key of a row.
        for (const ui::Statement& s : {ui::keyset::page(q, order, std::nullopt, false, 200),
                                       ui::keyset::page(q, order, key, false, 200)}) {
            const QString steps = plan(s).join('\n');
            // PostgreSQL (15) plans an arm that joins the header as a subquery of its own and
            // sorts the account's rows above the union; it still reaches them by the indexes.
            if (GetParam() == db::Engine::Sqlite)
                EXPECT_FALSE(steps.contains("TEMP B-TREE", Qt::CaseInsensitive)) << steps.toStdString();
            EXPECT_TRUE(steps.contains("POZ_DOK_KONTO_WN", Qt::CaseInsensitive)) << steps.toStdString();
            EXPECT_TRUE(steps.contains("POZ_DOK_KONTO_MA", Qt::CaseInsensitive)) << steps.toStdString();
        }
    }
}

// What reads only the line's own fields (the summary's sums, the ids that "Zaznacz wszystko"
// stores) must be answered from the lines' indexes alone, for an account and for a whole
// synthetic account: a view that names the header's key in a join sends every row to the table.
TEST_P(EntryListShapeTest, sumsAndIdsOfAnAccountOrASyntheticAccountReadTheIndexesAlone) {
    if (GetParam() != db::Engine::Sqlite) GTEST_SKIP() << "the plan's wording is SQLite's";
    const QString synthetic = db::demo::hotAccount().section('-', 0, 0);
    const QString syntheticFilter = fieldEquals("PDU:syntetyka", synthetic) + " AND " +
                                    sqlPiece(QStringLiteral("konto like '%1%'").arg(synthetic)) +
                                    QStringLiteral(" AND PDU:status=2 AND PDU:czy_rk<>10 AND PDU:id_lata_obrot=%1").arg(year);
    for (const QString& filter : {accountFilter(), syntheticFilter}) {
        SCOPED_TRACE(filter.toStdString());
        const QString where = translateFilter(filter).where;
        for (const QString& sql :
             {QStringLiteral("select count(*), sum(kwota_wn), sum(kwota_ma), sum(kwota_wn_w), sum(kwota_ma_w) from (select kwota_wn, "
                             "kwota_ma, kwota_wn_w, kwota_ma_w from POZ_DOK_VIEW_UNION where id_lata_obrot = %1 and (%2) limit -1) e"),
              QStringLiteral("select id_dokument_pozycja from POZ_DOK_VIEW_UNION where id_lata_obrot = %1 and (%2)")}) {
            const QString steps = plan({sql.arg(year).arg(where), {}}).join('\n');
            EXPECT_EQ(steps.count(QStringLiteral("USING COVERING INDEX")), 2) << steps.toStdString();
            EXPECT_FALSE(steps.contains("NAG_DOK")) << steps.toStdString();
        }
    }
}

TEST_P(EntryListShapeTest, pagesFollowTheListOrderAndTheSumsAreThoseOfTheLines) {
    const QString where = translateFilter(accountFilter()).where;
    for (bool descending : {false, true}) {
        SCOPED_TRACE(descending ? "desc" : "asc");
        ui::PagedListModel model(db(), query(accountFilter(), "nr_ewid_dok", descending));
        model.setPageSize(23);
        model.setMaxPages(1000);
        while (model.canFetchMore()) model.fetchMore();
        std::vector<int64_t> listed;
        for (int row = 0; row < model.heldRows(); ++row) listed.push_back(model.idAt(row));
        const char* dir = descending ? " desc" : "";
        const auto expected = ids(QStringLiteral("select id_dokument_pozycja from POZ_DOK_VIEW_UNION where %1 "
                                                 "order by nr_ewid_dok%2, id_dokument_pozycja%2").arg(where, dir));
        ASSERT_GT(expected.size(), 200u);
        EXPECT_EQ(listed, expected);
    }
    // Every row shows its header's register number.
    EXPECT_EQ(db().scalarInt("select count(*) from POZ_DOK_VIEW_UNION v join NAG_DOK n on n.id_nag_dok=v.id_nag_dok "
                             "where v.nr_ewid_dok<>n.nr_ewid_dok or v.nr_dok_org<>n.nr_dok_org"), 0);

    // The window's aggregate over the view equals the sums written against the lines.
    db::Rows view = db().select(QStringLiteral("select sum(kwota_wn), sum(kwota_ma), sum(kwota_wn_w), sum(kwota_ma_w), count(*) "
                                               "from POZ_DOK_VIEW_UNION where id_lata_obrot=%1 AND %2").arg(year).arg(where));
    const QString a = db::demo::hotAccount();
    db::Rows lines = db().select(
        "select (select coalesce(sum(kwota_wn), 0) from POZ_DOK where konto_wn=? and status=2 and czy_rk<>10), "
        "(select coalesce(sum(kwota_ma), 0) from POZ_DOK where konto_ma=? and status=2 and czy_rk<>10), "
        "(select coalesce(sum(kwota_wn_w), 0) from POZ_DOK where konto_wn=? and status=2 and czy_rk<>10), "
        "(select coalesce(sum(kwota_ma_w), 0) from POZ_DOK where konto_ma=? and status=2 and czy_rk<>10), "
        "(select count(*) from POZ_DOK where konto_wn=? and status=2 and czy_rk<>10) + "
        "(select count(*) from POZ_DOK where konto_ma=? and status=2 and czy_rk<>10)",
        {a, a, a, a, a, a});
    ASSERT_TRUE(view.next());
    ASSERT_TRUE(lines.next());
    for (int c = 0; c < 5; ++c) EXPECT_EQ(view.int64(c), lines.int64(c)) << "column " << c;
    EXPECT_GT(view.int64(0), 0);
    EXPECT_GT(view.int64(1), 0);
}

} // namespace
