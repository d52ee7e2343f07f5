#include "support/LedgerTest.h"

using namespace ksiega;
using test::zl;

// The derived views over the shared test ledger, with one bank statement of its own whose
// posting, document and period dates (and numbers) all differ.
class DerivedViewsTest : public test::LedgerTest {
protected:
    void SetUp() override {
        LedgerTest::SetUp();
        if (IsSkipped()) return;
        firm = f().company;
        year = f().year2026;
        document = f().addDocument({year, 82033, 2, 0, "WB/1", ""});
        db().execute("update NAG_DOK set nr_dok_org='WB 1/2026', data_biezaca=82040, data_dok_org=82039 where id_nag_dok=?",
                     {document});
    }
    // A line of the statement with its number and text.
    int64_t addLine(const QString& dt, const QString& ct, const char* pln, int lp, const QString& opis) {
        const int64_t line = f().post(document, dt, ct, zl(pln));
        db().execute("update POZ_DOK set lp=?, opis=? where id_poz_dok=?", {lp, opis, line});
        return line;
    }
    int64_t firm = 0, year = 0, document = 0;

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
        EXPECT_EQ(rows.text(1), "Odbiorcy krajowi");
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
    const int64_t line = addLine("401", "202-01-001", "10.00", 3, "paliwo");
    const int64_t dept = f().costCentre(1, "ADM", "Administracja");
    const int64_t car = f().costCentre(3, "WE 1234");
    f().splitCostCentres(line, "WN", {{zl("7.00"), {dept, 0, car}}, {zl("3.00"), {dept}}});

    db::Rows rows = db().select(
        "select kwota, konto, strona, wskaznik_1, wskaznik_1_id, wskaznik_2, wskaznik_3, nr_poz_dok, tresc_poz_dok,"
        " nr_ewid_dok, nr_dok_org, data_biezaca, data_okresu, id_paczka, id_nag_dok, drzewo_zbior_id"
        " from MPK_VIEW where id_firmy=? order by kwota desc, id_mpk_dane", {firm});
    ASSERT_TRUE(rows.next());
    EXPECT_EQ(rows.int64(0), 700);
    EXPECT_EQ(rows.text(1), "401");
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
    EXPECT_EQ(rows.int64(13), f().journal);
    EXPECT_EQ(rows.int64(14), document);
    EXPECT_EQ(rows.text(15), QStringLiteral("-%1-%2-").arg(dept).arg(car));
    ASSERT_TRUE(rows.next());
    EXPECT_EQ(rows.int64(0), 300);
    EXPECT_EQ(rows.text(6), "");
    EXPECT_FALSE(rows.next());
    EXPECT_EQ(db().scalarInt("select sum(kwota) from MPK_VIEW where id_firmy=? and strona='WN'", {firm}), 1000);
}

TEST_P(DerivedViewsTest, budgetViewShowsEveryBudgetLineOfASplitLine) {
    const int64_t line = addLine("401", "130-01", "10.00", 4, "materiały");
    f().addBudgetLines(line, {{"801-80101-4210", zl("6.00")}, {"801-80101-4300", zl("4.00")}});
    db::Rows rows = db().select(
        "select bt_klasyfikacja, kwota, konto_wn, konto_ma, nr_poz_dok, tresc_poz_dok, id_nag_dok, status, rodzaj_wy, rodzaj_x,"
        " rodzaj_d, substr(bt_klasyfikacja, 11, 4) from BT_VIEW where id_firmy=? and typ='W' order by bt_klasyfikacja", {firm});
    for (auto [symbol, amount, paragraf] : {std::tuple{"801-80101-4210", 600, "4210"}, std::tuple{"801-80101-4300", 400, "4300"}}) {
        ASSERT_TRUE(rows.next());
        EXPECT_EQ(rows.text(0), symbol);
        EXPECT_EQ(rows.int64(1), amount);
        EXPECT_EQ(rows.text(2), "401");
        EXPECT_EQ(rows.text(3), "130-01");
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
    const int64_t line = addLine("401", "130-01", "10.00", 1, "remont");
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
