#include "SchemaLedger.h"

using namespace ksiega;

class DerivedViewsTest : public test::SchemaLedgerTest {
protected:
    int64_t addSettlement(const QString& strona, int64_t kwota, int korekta = 0, int64_t warehouseDoc = 0) {
        return db().insertReturningId(
            "insert into ROZRACHUNEK (id_firmy, id_lata_obrot, nr_konta, symbol, nr_dok, data_dok, termin_platnosci,"
            " rodzaj, strona, kwota, kwota_w, sym_waluty, czy_korekta, czy_bo, id_nag_dok_m)"
            " values (?, ?, '201-01', 'FV 7', 'FV 7/2026', 82010, 82024, 'N', ?, ?, ?, 'EUR', ?, 1, ?) returning id_rozrachunku",
            {firm, year, strona, kwota, kwota / 4, korekta, warehouseDoc});
    }
    void clear(int64_t settlement, int64_t kwota) {
        db().execute("insert into ROZLICZENIE (id_rozrachunku, id_firmy, data_rozliczenia, kwota, kwota_w) values (?, ?, 82030, ?, ?)",
                     {settlement, firm, kwota, kwota / 4});
    }
};
KSIEGA_ON_BOTH_ENGINES(DerivedViewsTest);

TEST_P(DerivedViewsTest, settlementViewsSignCorrectionsAndSubtractClearings) {
    addAccount("201-01", "Odbiorca Sp. z o.o.");
    const int64_t receivable = addSettlement("WN", 100000);
    clear(receivable, 30000);
    clear(receivable, 20000);
    const int64_t correction = addSettlement("WN", 8000, 1);
    const int64_t fromWarehouse = addSettlement("MA", 5000, 0, 77);

    db::Rows rows = db().select(
        "select id_rozrachunku, nazwa_konta, kwota_wn, kwota_ma, pozostalo_wn, pozostalo_ma, kwota_wn_w, pozostalo_wn_w,"
        " nr_dok_org, data_dok_org, typ from ROZRACHUNEK_VIEW order by id_rozrachunku");
    struct Expected { int64_t id, wn, ma, leftWn, leftMa, wnW, leftWnW; };
    const Expected expected[] = {{receivable, 100000, 0, 50000, 0, 25000, 12500},
                                 {correction, -8000, 0, -8000, 0, -2000, -2000},
                                 {fromWarehouse, 0, 5000, 0, 5000, 0, 0}};
    for (const Expected& e : expected) {
        ASSERT_TRUE(rows.next());
        EXPECT_EQ(rows.int64(0), e.id);
        EXPECT_EQ(rows.text(1), "Odbiorca Sp. z o.o.");
        EXPECT_EQ(rows.int64(2), e.wn);
        EXPECT_EQ(rows.int64(3), e.ma);
        EXPECT_EQ(rows.int64(4), e.leftWn);
        EXPECT_EQ(rows.int64(5), e.leftMa);
        EXPECT_EQ(rows.int64(6), e.wnW);
        EXPECT_EQ(rows.int64(7), e.leftWnW);
        EXPECT_EQ(rows.text(8), "FV 7/2026");
        EXPECT_EQ(rows.integer(9), 82010);
        EXPECT_EQ(rows.text(10), "N");
    }
    EXPECT_FALSE(rows.next());

    // The source view keeps the stored amount and flag as entered.
    EXPECT_EQ(db().scalarInt("select kwota from ROZRACHUNEK_BILANTOR_V where id_rozrachunku=?", {correction}), 8000);
    EXPECT_EQ(db().scalarInt("select count(*) from ROZRACHUNEK_VIEW_ALIAS where czy_bo=1 and nr_konta like '201%'"), 3);
    // Only the warehouse system's settlement is in its views.
    EXPECT_EQ(db().scalarInt("select min(id_rozrachunku) from ROZRACHUNEK_TOVARIX_V"), fromWarehouse);
    EXPECT_EQ(db().scalarInt("select count(*) from ROZRACHUNEK_VIEW_TOVARIX"), 1);
    EXPECT_EQ(db().scalarInt("select count(*) from ROZLICZENIE_BILANTOR_V where id_rozrachunku=? and id_lata_obrot=?",
                             {receivable, year}), 2);
    // Sums of a list agree with its rows.
    EXPECT_EQ(db().scalarInt("select sum(pozostalo_wn) from ROZRACHUNEK_VIEW where id_firmy=?", {firm}), 42000);
}

TEST_P(DerivedViewsTest, costCentreViewShowsEachSplitWithItsLineDocumentAndIndicators) {
    const int64_t line = addLine("402-01", "201-01", 1000, 3, "paliwo");
    const int64_t dept = db().insertReturningId(
        "insert into MPK_WSKAZNIK (id_firmy, nr_wskaznika, symbol, nazwa) values (?, 1, 'ADM', 'Administracja')"
        " returning id_wskaznika", {firm});
    const int64_t car = db().insertReturningId(
        "insert into MPK_WSKAZNIK (id_firmy, nr_wskaznika, symbol) values (?, 3, 'WE 1234') returning id_wskaznika", {firm});
    db().execute("insert into MPK_DANE (id_poz_dok, id_firmy, id_lata_obrot, strona, konto, kwota, wskaznik_1_id, wskaznik_3_id,"
                 " drzewo_zbior_id) values (?, ?, ?, 'WN', '402-01', 700, ?, ?, '4-9-')", {line, firm, year, dept, car});
    db().execute("insert into MPK_DANE (id_poz_dok, id_firmy, id_lata_obrot, strona, konto, kwota, wskaznik_1_id)"
                 " values (?, ?, ?, 'WN', '402-01', 300, ?)", {line, firm, year, dept});

    db::Rows rows = db().select(
        "select kwota, konto, strona, wskaznik_1, wskaznik_1_id, wskaznik_2, wskaznik_3, nr_poz_dok, tresc_poz_dok,"
        " nr_ewid_dok, nr_dok_org, data_biezaca, data_okresu, id_paczka, id_nag_dok, drzewo_zbior_id"
        " from MPK_VIEW where id_firmy=? order by kwota desc, id_mpk_dane", {firm});
    ASSERT_TRUE(rows.next());
    EXPECT_EQ(rows.int64(0), 700);
    EXPECT_EQ(rows.text(1), "402-01");
    EXPECT_EQ(rows.text(2), "WN");
    EXPECT_EQ(rows.text(3), "ADM");
    EXPECT_EQ(rows.int64(4), dept);
    EXPECT_EQ(rows.text(5), "");
    EXPECT_EQ(rows.text(6), "WE 1234");
    EXPECT_EQ(rows.integer(7), 3);
    EXPECT_EQ(rows.text(8), "paliwo");
    EXPECT_EQ(rows.text(9), "WB/1");
    EXPECT_EQ(rows.text(10), "WB 1/2026");
    EXPECT_EQ(rows.integer(11), 82040);
    EXPECT_EQ(rows.integer(12), 82033);
    EXPECT_EQ(rows.int64(13), journal);
    EXPECT_EQ(rows.int64(14), document);
    EXPECT_EQ(rows.text(15), "4-9-");
    ASSERT_TRUE(rows.next());
    EXPECT_EQ(rows.int64(0), 300);
    EXPECT_EQ(rows.text(6), "");
    EXPECT_FALSE(rows.next());
    EXPECT_EQ(db().scalarInt("select sum(kwota) from MPK_VIEW where id_firmy=? and strona='WN'", {firm}), 1000);
}

TEST_P(DerivedViewsTest, budgetViewShowsEveryBudgetLineOfASplitLine) {
    const int64_t line = addLine("400", "130", 1000, 4, "materiały");
    int lp = 0;
    for (auto [symbol, amount] : {std::pair{"801-80101-4210", 600}, std::pair{"801-80101-4300", 400}})
        db().execute("insert into BT_DANE (id_poz_dok, lp, id_firmy, id_lata_obrot, bt_klasyfikacja, typ, rodzaj_wy, rodzaj_x, kwota)"
                     " values (?, ?, ?, ?, ?, 'W', 1, 1, ?)", {line, ++lp, firm, year, QString::fromLatin1(symbol), amount});
    db::Rows rows = db().select(
        "select bt_klasyfikacja, kwota, konto_wn, konto_ma, nr_poz_dok, tresc_poz_dok, id_nag_dok, status, rodzaj_wy, rodzaj_x,"
        " rodzaj_d, substr(bt_klasyfikacja, 11, 4) from BT_VIEW where id_firmy=? and typ='W' order by bt_klasyfikacja", {firm});
    for (auto [symbol, amount, paragraf] : {std::tuple{"801-80101-4210", 600, "4210"}, std::tuple{"801-80101-4300", 400, "4300"}}) {
        ASSERT_TRUE(rows.next());
        EXPECT_EQ(rows.text(0), symbol);
        EXPECT_EQ(rows.int64(1), amount);
        EXPECT_EQ(rows.text(2), "400");
        EXPECT_EQ(rows.text(3), "130");
        EXPECT_EQ(rows.integer(4), 4);
        EXPECT_EQ(rows.text(5), "materiały");
        EXPECT_EQ(rows.int64(6), document);
        EXPECT_EQ(rows.integer(7), 2);
        EXPECT_EQ(rows.integer(8), 1);
        EXPECT_EQ(rows.integer(9), 1);
        EXPECT_EQ(rows.integer(10), 0);
        EXPECT_EQ(rows.text(11), paragraf);
    }
    EXPECT_FALSE(rows.next());
}

TEST_P(DerivedViewsTest, dictionaryViewNamesTheRegisterAndValueOfEachLine) {
    const int64_t line = addLine("400", "130", 1000);
    const int64_t reg = db().insertReturningId(
        "insert into KARTOTEKA_UZYTKOWNIKA (id_firmy, symbol_kartoteki, nazwa_kartoteki) values (?, 'ZADANIA', 'Zadania')"
        " returning id_kartoteki_uzytkownika", {firm});
    const int64_t value = db().insertReturningId(
        "insert into KARTOTEKA_UZYTKOWNIKA_POZ (id_kartoteki_uzytkownika, kod, wartosc) values (?, 'Z1', 'Remont szkoły')"
        " returning id_kartoteki_poz", {reg});
    db().execute("insert into SLOW_DANE (id_poz_dok, id_kartoteki_poz, lp) values (?, ?, 1)", {line, value});
    db::Rows rows = db().select("select kod_kartoteki, wartosc, kod, id_firmy, lp from KARTOTEKA_UZYTKOWNIKA_DANE_VIEW where id_poz_dok=?", {line});
    ASSERT_TRUE(rows.next());
    EXPECT_EQ(rows.text(0), "ZADANIA");
    EXPECT_EQ(rows.text(1), "Remont szkoły");
    EXPECT_EQ(rows.text(2), "Z1");
    EXPECT_EQ(rows.int64(3), firm);
    EXPECT_EQ(rows.integer(4), 1);
    EXPECT_FALSE(rows.next());
}
