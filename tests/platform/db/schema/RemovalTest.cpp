#include "support/LedgerTest.h"

using namespace ksiega;
using test::zl;

// The year-end closing removes the next year's opening balance with one delete of its
// headers; removing opening-balance settlements removes them by id. The next year is the
// test ledger's 18-month year, which has no opening balance of its own yet.
class RemovalTest : public test::LedgerTest {
protected:
    void SetUp() override {
        LedgerTest::SetUp();
        if (IsSkipped()) return;
        firm = f().company;
        year = f().year18;
    }
    // A bare opening-balance header, as a second writer racing the first would insert it.
    int64_t openingBalance(const QString& currency) {
        return db().insertReturningId(
            "insert into NAG_DOK (id_firmy, id_lata_obrot, czy_rk, waluta, data_okresu) values (?, ?, 10, ?, ?)"
            " returning id_nag_dok", {firm, year, currency, f().bo18()});
    }
    int64_t count(const QString& table) { return db().scalarInt("select count(*) from " + table).value_or(-1); }
    int64_t countOfYear(const QString& table) {
        return db().scalarInt("select count(*) from " + table + " where id_lata_obrot=?", {year}).value_or(-1);
    }
    int64_t firm = 0, year = 0;
};
KSIEGA_ON_BOTH_ENGINES(RemovalTest);

TEST_P(RemovalTest, removingAnOpeningBalanceTakesItsLinesAndWhatHangsOnThem) {
    const int64_t ordinary = f().addDocument({year, f().month18(2027, 3), 2, 0, "PK/2027/03", ""});
    const int64_t kept = f().post(ordinary, "401", "130-01", zl("0.10"));   // a line of an ordinary document stays
    const int64_t line = f().openingBalanceLine(year, "201-01-001", "", zl("5.00"));
    const int64_t linesBefore = countOfYear("POZ_DOK"), linesOf2026 = count("POZ_DOK") - linesBefore;
    db().execute("insert into POZ_DOK_CZASTKOWE (id_poz_dok, nr_dok, kwota_wn) values (?, 'FV 1', 500)", {line});
    f().addBudgetLine(line, "801-80101-4010");
    f().splitCostCentres(line, "WN", {{zl("5.00")}});
    const int64_t reg = db().insertReturningId(
        "insert into KARTOTEKA_UZYTKOWNIKA (id_firmy, symbol_kartoteki) values (?, 'Z') returning id_kartoteki_uzytkownika", {firm});
    const int64_t value = db().insertReturningId(
        "insert into KARTOTEKA_UZYTKOWNIKA_POZ (id_kartoteki_uzytkownika, wartosc) values (?, 'a') returning id_kartoteki_poz", {reg});
    db().execute("insert into SLOW_DANE (id_poz_dok, id_kartoteki_poz) values (?, ?)", {line, value});

    db().execute("delete from NAG_DOK where id_lata_obrot=? and czy_rk=10", {year});

    EXPECT_EQ(db().scalarInt("select count(*) from POZ_DOK where id_poz_dok=?", {kept}), 1);
    EXPECT_EQ(countOfYear("POZ_DOK"), linesBefore - 1);
    EXPECT_EQ(count("POZ_DOK") - countOfYear("POZ_DOK"), linesOf2026);   // the other year keeps its opening balance
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
    EXPECT_EQ(countOfYear("NAG_DOK"), 1 + 2 + 2);   // the year's one document, two opening balances, two ordinary
}

TEST_P(RemovalTest, removingASettlementTakesItsClearingsAndAttachments) {
    const int64_t opening = f().openingBalanceLine(year, "201-01-001", "", zl("9.00"));
    const int64_t settlement = f().openSettlement(opening);
    const int64_t payment = f().post(f().addDocument({year, f().month18(2027, 2), 2, 0, "WB/2027/02", ""}), "130-01", "201-01-001",
                                     zl("1.00"));
    f().settle(settlement, payment, zl("1.00"));
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
