#include "SchemaLedger.h"

using namespace ksiega;

// The year-end closing removes the next year's opening balance with one delete of its
// headers; removing opening-balance settlements removes them by id.
class RemovalTest : public test::SchemaLedgerTest {
protected:
    int64_t openingBalance(const QString& currency) {
        return db().insertReturningId(
            "insert into NAG_DOK (id_firmy, id_lata_obrot, czy_rk, waluta, data_okresu) values (?, ?, 10, ?, 82000)"
            " returning id_nag_dok", {firm, year, currency});
    }
    int64_t count(const QString& table) { return db().scalarInt("select count(*) from " + table).value_or(-1); }
};
KSIEGA_ON_BOTH_ENGINES(RemovalTest);

TEST_P(RemovalTest, removingAnOpeningBalanceTakesItsLinesAndWhatHangsOnThem) {
    const int64_t bo = openingBalance("PLN");
    const int64_t kept = addLine("400", "130", 10);   // a line of the ordinary document stays
    const int64_t line = db().insertReturningId(
        "insert into POZ_DOK (id_nag_dok, id_firmy, id_lata_obrot, konto_wn, kwota_wn, data_okresu, czy_rk)"
        " values (?, ?, ?, '201-01', 500, 82000, 10) returning id_poz_dok", {bo, firm, year});
    db().execute("insert into POZ_DOK_CZASTKOWE (id_poz_dok, nr_dok, kwota_wn) values (?, 'FV 1', 500)", {line});
    db().execute("insert into BT_DANE (id_poz_dok, id_firmy, id_lata_obrot, bt_klasyfikacja, kwota) values (?, ?, ?, '801-80101-4010', 500)",
                 {line, firm, year});
    db().execute("insert into MPK_DANE (id_poz_dok, id_firmy, id_lata_obrot, konto, kwota) values (?, ?, ?, '201-01', 500)",
                 {line, firm, year});
    const int64_t reg = db().insertReturningId(
        "insert into KARTOTEKA_UZYTKOWNIKA (id_firmy, symbol_kartoteki) values (?, 'Z') returning id_kartoteki_uzytkownika", {firm});
    const int64_t value = db().insertReturningId(
        "insert into KARTOTEKA_UZYTKOWNIKA_POZ (id_kartoteki_uzytkownika, wartosc) values (?, 'a') returning id_kartoteki_poz", {reg});
    db().execute("insert into SLOW_DANE (id_poz_dok, id_kartoteki_poz) values (?, ?)", {line, value});

    db().execute("delete from NAG_DOK where id_lata_obrot=? and czy_rk=10", {year});

    EXPECT_EQ(db().scalarInt("select min(id_poz_dok) from POZ_DOK"), kept);
    EXPECT_EQ(count("POZ_DOK"), 1);
    for (const char* table : {"POZ_DOK_CZASTKOWE", "BT_DANE", "MPK_DANE", "SLOW_DANE"}) EXPECT_EQ(count(table), 0) << table;
    EXPECT_EQ(count("KARTOTEKA_UZYTKOWNIKA_POZ"), 1);   // the dictionary itself stays
}

TEST_P(RemovalTest, aSecondOpeningBalanceOfTheSameCurrencyIsRefused) {
    openingBalance("PLN");
    EXPECT_THROW(openingBalance("PLN"), db::DbError);
    EXPECT_NO_THROW(openingBalance("EUR"));
    // Ordinary documents are not limited.
    for (int i = 0; i < 2; ++i)
        db().execute("insert into NAG_DOK (id_firmy, id_lata_obrot, waluta) values (?, ?, 'PLN')", {firm, year});
    EXPECT_EQ(count("NAG_DOK"), 5);
}

TEST_P(RemovalTest, removingASettlementTakesItsClearingsAndAttachments) {
    const int64_t settlement = db().insertReturningId(
        "insert into ROZRACHUNEK (id_firmy, id_lata_obrot, nr_konta, kwota, czy_bo) values (?, ?, '201-01', 900, 1)"
        " returning id_rozrachunku", {firm, year});
    db().execute("insert into ROZLICZENIE (id_rozrachunku, id_firmy, kwota) values (?, ?, 100)", {settlement, firm});
    const int64_t change = db().insertReturningId(
        "insert into ZMIANA_PLANU_KONT (id_firmy, id_lata_obrot, z_konta, na_konto) values (?, ?, '201-01', '201-02')"
        " returning id_zmiana_planu_kont", {firm, year});
    db().execute("insert into ZMIANA_PLANU_KONT_ROZRACHUNKI (id_uzytkownika, id_zmiana_planu_kont, id_rozrachunku) values (1, ?, ?)",
                 {change, settlement});

    db().execute("delete from ROZRACHUNEK where id_firmy=? and czy_bo=1", {firm});

    EXPECT_EQ(count("ROZLICZENIE"), 0);
    EXPECT_EQ(count("ZMIANA_PLANU_KONT_ROZRACHUNKI"), 0);
    EXPECT_EQ(count("ZMIANA_PLANU_KONT"), 1);
}
