#include "SchemaLedger.h"

using namespace ksiega;

class EntryViewsTest : public test::SchemaLedgerTest {
protected:
    int64_t addBudgetLine(int64_t line, int lp, const QString& symbol, const QString& flag, int64_t amount) {
        return db().insertReturningId(
            QStringLiteral("insert into BT_DANE (id_poz_dok, lp, id_firmy, id_lata_obrot, bt_klasyfikacja, typ, %1, kwota)"
                           " values (?, ?, ?, ?, ?, 'W', 1, ?) returning id_bt_dane").arg(flag),
            {line, lp, firm, year, symbol, amount});
    }
    // Every row of a view as text, ordered by id_dokument_pozycja, limited to its first columns.
    QList<QStringList> rowsOf(const QString& view, int columns, QStringList* names = nullptr) {
        db::Rows rows = db().select("select * from " + view + " order by id_dokument_pozycja");
        QList<QStringList> out;
        while (rows.next()) {
            if (names && names->isEmpty())
                for (int c = 0; c < columns; ++c) names->append(rows.columnName(c).toLower());
            QStringList row;
            for (int c = 0; c < columns; ++c) row << (rows.isNull(c) ? QStringLiteral("<null>") : rows.text(c));
            out << row;
        }
        return out;
    }
    int columnCount(const QString& view) {
        db::Rows rows = db().select("select * from " + view + " where 1=0");
        return rows.columnCount();
    }
};
KSIEGA_ON_BOTH_ENGINES(EntryViewsTest);

TEST_P(EntryViewsTest, aLineWithBothSidesGivesOneRowPerSideWithItsOwnSelectionId) {
    const int64_t both = addLine("201-01", "131", 12345, 1);
    const int64_t debitOnly = addLine("402", "", 500, 2);
    db::Rows rows = db().select(
        "select id_dokument_pozycja, id_poz_dok, konto, strona, kwota_wn, kwota_ma, sygnatura, nr_poz_dok, nr_ewid_dok,"
        " data_biezaca, id_paczka, id_typ_dok from POZ_DOK_VIEW_UNION order by id_dokument_pozycja");
    struct Expected { int64_t id, line; const char* konto; int strona; int64_t wn, ma; int lp; };
    const Expected expected[] = {{2 * both, both, "201-01", 0, 12345, 0, 1},
                                 {2 * both + 1, both, "131", 1, 0, 12345, 1},
                                 {2 * debitOnly, debitOnly, "402", 0, 500, 0, 2}};
    for (const Expected& e : expected) {
        ASSERT_TRUE(rows.next());
        EXPECT_EQ(rows.int64(0), e.id);
        EXPECT_EQ(rows.int64(1), e.line);
        EXPECT_EQ(rows.text(2), e.konto);
        EXPECT_EQ(rows.integer(3), e.strona);
        EXPECT_EQ(rows.int64(4), e.wn);
        EXPECT_EQ(rows.int64(5), e.ma);
        EXPECT_EQ(rows.text(6), "BANK");
        EXPECT_EQ(rows.integer(7), e.lp);
        EXPECT_EQ(rows.text(8), "WB/1");
        EXPECT_EQ(rows.integer(9), 82040);
        EXPECT_EQ(rows.int64(10), journal);
        EXPECT_EQ(rows.int64(11), docType);
    }
    EXPECT_FALSE(rows.next());
}

TEST_P(EntryViewsTest, twinsHaveTheBaseRowsAndColumnsFirst) {
    const int64_t split = addLine("400", "201-01", 1000, 1);
    addLine("131", "750", 250, 2);
    addLine("", "201-02", 70, 3);
    // A line split over two budget lines must still give one row per side in the twins.
    addBudgetLine(split, 1, "801-80101-4010", "rodzaj_wy", 600);
    addBudgetLine(split, 2, "801-80101-4210", "rodzaj_k", 400);
    addAccount("201-01", "Odbiorca");

    const int baseColumns = columnCount("POZ_DOK_VIEW_UNION");
    QStringList baseNames;
    const auto base = rowsOf("POZ_DOK_VIEW_UNION", baseColumns, &baseNames);
    ASSERT_EQ(base.size(), 5);
    for (const char* twin : {"POZ_DOK_VIEW_UNION_BT", "POZ_DOK_VIEW_UNION_EXT", "POZ_DOK_VIEW_UNION_BT_EXT"}) {
        QStringList names;
        EXPECT_EQ(rowsOf(twin, baseColumns, &names), base) << twin;
        EXPECT_EQ(names, baseNames) << twin;
    }
}

TEST_P(EntryViewsTest, budgetTwinShowsTheLinesFirstBudgetLineAndExtTwinTheAccountName) {
    const int64_t split = addLine("400", "201-01", 1000, 1);
    const int64_t plain = addLine("131", "999-XX", 250, 2);
    addBudgetLine(split, 2, "801-80101-4210", "rodzaj_k", 400);   // entered first, numbered second
    const int64_t first = addBudgetLine(split, 1, "801-80101-4010", "rodzaj_wy", 600);
    addAccount("400", "Koszty");
    addAccount("201-01", "Odbiorca");
    addAccount("131", "Bank");

    db::Rows rows = db().select(
        "select id_dokument_pozycja, id_bt_dane, bt_klasyfikacja, typ, rodzaj_wy, rodzaj_k, nazwa_konta, sym_typ_dok_uz"
        " from POZ_DOK_VIEW_UNION_BT_EXT order by id_dokument_pozycja");
    struct Expected { int64_t id, bt; const char* symbol; const char* typ; int wy, k; const char* name; };
    const Expected expected[] = {{2 * split, first, "801-80101-4010", "W", 1, 0, "Koszty"},
                                 {2 * split + 1, first, "801-80101-4010", "W", 1, 0, "Odbiorca"},
                                 {2 * plain, 0, "", "", 0, 0, "Bank"},
                                 {2 * plain + 1, 0, "", "", 0, 0, ""}};   // account missing from the chart
    for (const Expected& e : expected) {
        ASSERT_TRUE(rows.next());
        EXPECT_EQ(rows.int64(0), e.id);
        EXPECT_EQ(rows.int64(1), e.bt);
        EXPECT_EQ(rows.text(2), e.symbol);
        EXPECT_EQ(rows.text(3), e.typ);
        EXPECT_EQ(rows.integer(4), e.wy);
        EXPECT_EQ(rows.integer(5), e.k);
        EXPECT_EQ(rows.text(6), e.name);
        EXPECT_EQ(rows.text(7), "WB");
    }
    EXPECT_FALSE(rows.next());
    // The quick filter's budget conditions run on the twins.
    EXPECT_EQ(db().scalarInt("select count(*) from POZ_DOK_VIEW_UNION_BT where rodzaj_wy=1 and bt_klasyfikacja like '801-80101-%'"), 2);
    EXPECT_EQ(db().scalarInt("select count(*) from POZ_DOK_VIEW_UNION_EXT where nazwa_konta='Bank' and id_lata_obrot=?", {year}), 1);
}
