// The shared test ledger writes budget lines, cost-centre splits, settlements and
// opening-balance lines that the schema's views read back like the application's own rows:
// the parts of a line add up to it, one opening-balance document per year and currency.
#include "platform/runtime/Date.h"
#include "support/LedgerTest.h"
#include "support/LineSums.h"
#include <stdexcept>

namespace ksiega {
namespace {

using test::zl;

class TestLedgerRowsTest : public test::LedgerTest {
protected:
    // A posted document of April 2026 with one line; returns the line.
    int64_t line(const QString& dt, const QString& ct, Money pln, Money currency = {}, const QString& waluta = {}) {
        const int64_t doc = f().addDocument({f().year2026, f().month2026(4), 2, 0, QStringLiteral("FV/04/%1").arg(++m_docs), waluta});
        return f().post(doc, dt, ct, pln, currency, waluta);
    }
    int64_t count(const char* sql, const db::Params& params) { return db().scalarInt(QString::fromLatin1(sql), params).value_or(-1); }

private:
    int m_docs = 0;
};

TEST_P(TestLedgerRowsTest, budgetLinesSplitTheLineExactlyUnderTheirClassifications) {
    const int64_t l = line("401", "130-01", zl("1000.01"));
    const auto ids = f().addBudgetLines(l, {{"801-80101-4010", zl("600.00")}, {"801-80101-4210", zl("400.01")}});
    ASSERT_EQ(ids.size(), 2u);

    // Read back through the budget view: the line's company, year and accounts, lp from 1.
    db::Rows r = db().select("select lp, bt_klasyfikacja, typ, rodzaj_wy, rodzaj_x, rodzaj_k, b.kwota, b.id_firmy, b.id_lata_obrot "
                             "from BT_DANE b where id_poz_dok=? order by lp",
                             {l});
    int lp = 0;
    int64_t sum = 0;
    while (r.next()) {
        EXPECT_EQ(r.integer(0), ++lp);
        EXPECT_EQ(r.text(2), "W");
        EXPECT_EQ(r.integer(3), 1);
        EXPECT_EQ(r.integer(4), 1);
        EXPECT_EQ(r.integer(5), 0);
        EXPECT_EQ(r.int64(7), f().company);
        EXPECT_EQ(r.int64(8), f().year2026);
        sum += r.int64(6);
    }
    EXPECT_EQ(lp, 2);
    EXPECT_EQ(sum, count("select kwota_wn from POZ_DOK where id_poz_dok=?", {l}));
    EXPECT_EQ(count("select count(*) from BT_VIEW where id_poz_dok=? and konto_wn='401' and konto_ma='130-01'", {l}), 2);
    EXPECT_EQ(count("select count(*) from KLASYFIKACJA_BUDZETOWA where id_firmy=? and symbol in ('801-80101-4010', "
                    "'801-80101-4210') and poziom=3",
                    {f().company}),
              2);

    // A revenue line under one symbol takes the whole amount; the dictionary keeps one row per symbol.
    const int64_t revenue = line("130-01", "700-01", zl("250.00"));
    f().addBudgetLine(revenue, "801-80101-4010", QChar('D'), test::Revenue | test::Receipt);
    EXPECT_EQ(count("select kwota from BT_VIEW where id_poz_dok=? and typ='D' and rodzaj_d=1 and rodzaj_wp=1", {revenue}), 25000);
    EXPECT_EQ(count("select count(*) from KLASYFIKACJA_BUDZETOWA where symbol='801-80101-4010'", {}), 1);
}

TEST_P(TestLedgerRowsTest, partsThatDoNotAddUpToTheLineAreRefusedAndWriteNothing) {
    const int64_t l = line("401", "202-01-001", zl("100.00"));
    EXPECT_THROW(f().addBudgetLines(l, {{"801-80101-4010", zl("60.00")}, {"801-80101-4210", zl("39.99")}}), std::invalid_argument);
    EXPECT_THROW(f().splitCostCentres(l, "WN", {{zl("100.01")}}), std::invalid_argument);
    EXPECT_THROW(f().splitCostCentres(l, "XX", {{zl("100.00")}}), std::invalid_argument);
    EXPECT_EQ(count("select count(*) from BT_DANE where id_poz_dok=?", {l}), 0);
    EXPECT_EQ(count("select count(*) from MPK_DANE where id_poz_dok=?", {l}), 0);
}

TEST_P(TestLedgerRowsTest, costCentreSplitsAddUpToTheirSideOnItsAccountWithTheIndicators) {
    const int64_t l = line("401", "202-01-001", zl("1234.57"));
    const int64_t shop = f().costCentre(1, "WAW", "Hurtownia w Warszawie");
    const int64_t board = f().costCentre(1, "ZARZ");
    const int64_t van = f().costCentre(3, "WE 1234");
    EXPECT_EQ(f().costCentre(1, "WAW"), shop);   // found, not created again

    // 70 % to the shop (with the van), the rest to the board, allocated to the grosz.
    const std::vector<Money> parts = zl("1234.57").allocate(std::vector<int64_t>{70, 30});
    f().splitCostCentres(l, "WN", {{parts[0], {shop, 0, van, 0, 0}}, {parts[1], {board}}});
    f().splitCostCentres(l, "MA", {{zl("1234.57"), {board}}});

    db::Rows r = db().select("select strona, konto, kwota, wskaznik_1, wskaznik_3, drzewo_zbior_id from MPK_VIEW where id_poz_dok=? "
                             "order by strona desc, kwota desc",
                             {l});
    ASSERT_TRUE(r.next());
    EXPECT_EQ(r.text(0), "WN");
    EXPECT_EQ(r.text(1), "401");
    EXPECT_EQ(r.text(3), "WAW");
    EXPECT_EQ(r.text(4), "WE 1234");
    EXPECT_EQ(r.text(5), QStringLiteral("-%1-%2-").arg(shop).arg(van));
    ASSERT_TRUE(r.next());
    EXPECT_EQ(r.text(3), "ZARZ");
    EXPECT_EQ(r.text(4), "");
    ASSERT_TRUE(r.next());
    EXPECT_EQ(r.text(0), "MA");
    EXPECT_EQ(r.text(1), "202-01-001");
    EXPECT_FALSE(r.next());
    for (const char* side : {"WN", "MA"})
        EXPECT_EQ(count("select cast(sum(kwota) as bigint) from MPK_DANE where id_poz_dok=? and strona=?", {l, side}), 123457) << side;
}

TEST_P(TestLedgerRowsTest, aSettlementOfALineIsLeftWhatItsClearingsDoNotCover) {
    // A sale to a customer kept on a card, paid in two parts.
    const int64_t sale = line("201-01-002", "700-01", zl("1230.00"));
    const int64_t receivable = f().openSettlement(sale, "WN", "FV 17/2026", 30);
    const int64_t first = line("130-01", "201-01-002", zl("1000.00"));
    const int64_t second = line("130-01", "201-01-002", zl("200.00"));
    f().settle(receivable, first, zl("1000.00"));
    f().settle(receivable, second, zl("200.00"));
    EXPECT_THROW(f().settle(receivable, second, zl("30.01")), std::invalid_argument);

    db::Rows r = db().select("select nr_konta, symbol, rodzaj, kwota_wn, pozostalo_wn, pozostalo_ma, czy_bo, id_poz_dok_f, "
                             "id_kartoteki, termin_platnosci - data_dok, sym_waluty from ROZRACHUNEK_VIEW where id_rozrachunku=?",
                             {receivable});
    ASSERT_TRUE(r.next());
    EXPECT_EQ(r.text(0), "201-01-002");
    EXPECT_EQ(r.text(1), "FV 17/2026");
    EXPECT_EQ(r.text(2), "N");
    EXPECT_EQ(r.int64(3), 123000);
    EXPECT_EQ(r.int64(4), 123000 - 100000 - 20000);
    EXPECT_EQ(r.int64(5), 0);
    EXPECT_EQ(r.integer(6), 0);
    EXPECT_EQ(r.int64(7), sale);
    EXPECT_EQ(r.int64(8), count("select id_kartoteki from WARTOSCI_KONT where id_lata_obrot=? and nr_konta='201-01-002'",
                                {f().year2026}));
    EXPECT_NE(r.int64(8), 0);
    EXPECT_EQ(r.integer(9), 30);
    EXPECT_EQ(r.text(10), "PLN");
    EXPECT_EQ(count("select count(*) from ROZLICZENIE where id_rozrachunku=? and data_rozliczenia=?", {receivable, f().month2026(4)}),
              2);
}

TEST_P(TestLedgerRowsTest, aPayableClearedAgainstAnAdvanceGetsOneClearingEachWay) {
    const int64_t invoice = line("401", "202-01-001", zl("300.00"));
    const int64_t advance = line("202-01-001", "130-01", zl("500.00"));
    const int64_t payable = f().openSettlement(invoice, "MA");
    const int64_t payment = f().openSettlement(advance, "WN");
    f().settle(payable, advance, zl("300.00"), {}, payment);
    EXPECT_EQ(count("select pozostalo_ma from ROZRACHUNEK_VIEW where id_rozrachunku=?", {payable}), 0);
    EXPECT_EQ(count("select pozostalo_wn from ROZRACHUNEK_VIEW where id_rozrachunku=?", {payment}), 20000);
    EXPECT_EQ(count("select id_rozrachunku_rozl from ROZLICZENIE where id_rozrachunku=?", {payable}), payment);
    EXPECT_EQ(count("select id_rozrachunku_rozl from ROZLICZENIE where id_rozrachunku=?", {payment}), payable);
    EXPECT_EQ(count("select count(*) from ROZRACHUNEK where id_rozrachunku=? and rodzaj='Z' and strona='MA'", {payable}), 1);
}

TEST_P(TestLedgerRowsTest, openingBalanceLinesLandOnTheOneDocumentOfTheirYearAndCurrency) {
    // The 2026 documents exist: PLN and EUR lines go onto them.
    const int64_t pln = f().openingBalanceLine(f().year2026, "202-01-001", "800", zl("0.01"));
    const int64_t eur = f().openingBalanceLine(f().year2026, "131-01", "800", zl("43.00"), zl("10.00"), "EUR");
    EXPECT_EQ(count("select id_nag_dok from POZ_DOK where id_poz_dok=?", {pln}), f().openingPln);
    EXPECT_EQ(count("select id_nag_dok from POZ_DOK where id_poz_dok=?", {eur}), f().openingEur);
    EXPECT_EQ(f().openingDocument(f().year2026, "PLN"), f().openingPln);

    // USD in 2026 and PLN in the 18-month year get one new document each, however many lines.
    EXPECT_EQ(f().openingDocument(f().year2026, "USD"), 0);
    f().openingBalanceLine(f().year2026, "131-02", "800", zl("39.00"), zl("10.00"), "usd");
    f().openingBalanceLine(f().year2026, "131-02", "800", zl("78.00"), zl("20.00"), "USD");
    f().openingBalanceLine(f().year18, "130-01", "800", zl("5.00"));
    f().openingBalanceLine(f().year18, "800", "234-02", zl("5.00"));
    EXPECT_EQ(count("select count(*) from NAG_DOK where id_lata_obrot=? and czy_rk=10", {f().year2026}), 3);
    EXPECT_EQ(count("select count(*) from NAG_DOK where id_lata_obrot=? and czy_rk=10", {f().year18}), 1);
    const int64_t usd = f().openingDocument(f().year2026, "USD");
    EXPECT_EQ(count("select count(*) from POZ_DOK where id_nag_dok=? and waluta='USD' and czy_rk=10 and status=2", {usd}), 2);

    // Every opening line carries czy_rk 10 and day 1 of its year's first month.
    EXPECT_EQ(count("select count(*) from POZ_DOK where czy_rk=10 and id_lata_obrot=? and data_okresu<>?",
                    {f().year2026, date::fromYmd(2026, 1, 1)}),
              0);
    EXPECT_EQ(count("select count(*) from POZ_DOK where czy_rk=10 and id_lata_obrot=? and data_okresu=?",
                    {f().year18, date::fromYmd(2027, 1, 1)}),
              2);

    // The opening balance of 202 now counts the grosz; of 131-02 the dollars.
    const test::LineSums sums(db(), f().year2026, f().bo2026());
    EXPECT_EQ(sums.figures("202", "PLN", f().bo2026()).saldoDt, zl("0.01"));
    EXPECT_EQ(sums.figures("131-02", "USD", f().bo2026()).obrotyDt, zl("30.00"));
}

TEST_P(TestLedgerRowsTest, aSettlementOfAnOpeningBalanceLineBelongsToTheOpeningBalance) {
    const int64_t l = f().openingBalanceLine(f().year2026, "201-01-001", "800", zl("150.00"));
    const int64_t s = f().openSettlement(l);
    EXPECT_EQ(count("select czy_bo from ROZRACHUNEK where id_rozrachunku=?", {s}), 1);
    EXPECT_EQ(count("select kwota_wn from ROZRACHUNEK_VIEW where id_rozrachunku=?", {s}), 15000);
}

KSIEGA_ON_BOTH_ENGINES(TestLedgerRowsTest);

} // namespace
} // namespace ksiega
