// The opening-balance VAT register lists the rows of its own document only, a page at a
// time in date order, with totals that agree with the register's rows.
#include "platform/siblings/vat/VatRegisterController.h"
#include "support/LedgerTest.h"

using namespace ksiega;
using namespace ksiega::vat;
using test::zl;

class VatRegisterTest : public test::LedgerTest {
protected:
    int64_t addRow(int64_t document, int64_t year, int day, const QString& number, int64_t netto, int64_t vat) {
        return db().insertReturningId(
            "insert into REJESTR_VAT_BO (id_nag_dok, id_firmy, id_lata_obrot, rejestr, nr_dok, data_dok, kontrahent, stawka,"
            " kwota_netto, kwota_vat) values (?, ?, ?, 'S', ?, ?, 'Odbiorca', '23', ?, ?) returning id_rejestru_bo",
            {document, f().company, year, number, day, netto, vat});
    }
};
KSIEGA_ON_BOTH_ENGINES(VatRegisterTest);

TEST_P(VatRegisterTest, listsOnlyItsDocumentsRowsInDateOrderWithTheirTotals) {
    const int64_t pln = f().openingPln, eur = f().openingEur;
    ASSERT_NE(pln, 0);
    ASSERT_NE(eur, 0);
    const int start = f().bo2026();
    std::vector<int64_t> expected;
    // More rows than a page, entered out of date order.
    for (int i = 0; i < 450; ++i) addRow(pln, f().year2026, start - 1 - (i * 7) % 30, QStringLiteral("FS/%1").arg(i), 1000 + i, 230 + i);
    addRow(eur, f().year2026, start - 3, "FS/EUR", 999999, 1);
    f().openingBalanceLine(f().year18, "130-01", "", zl("1.00"));
    addRow(f().openingDocument(f().year18), f().year18, start + 400, "FS/2027", 777, 7);

    VatRegisterController c(db(), pln, false);
    ui::PagedListModel& rows = c.rows();
    std::vector<int64_t> seen;
    int64_t lastDay = 0;
    while (rows.canFetchMore()) rows.fetchMore();
    for (int r = 0; r < rows.heldRows(); ++r) {
        seen.push_back(rows.idAt(r));
        const int64_t day = rows.valueAt(r, "data_dok").toInt64();
        EXPECT_GE(day, lastDay);
        lastDay = day;
    }
    db::Rows ids = db().select("select id_rejestru_bo from REJESTR_VAT_BO where id_nag_dok=? order by id_rejestru_bo", {pln});
    while (ids.next()) expected.push_back(ids.int64(0));
    std::sort(seen.begin(), seen.end());
    EXPECT_EQ(seen, expected);

    const VatRegisterTotals& t = c.totals();
    EXPECT_EQ(t.rows, 450);
    EXPECT_EQ(t.netto.minor(), 450 * 1000 + 449 * 450 / 2);
    EXPECT_EQ(t.vat.minor(), 450 * 230 + 449 * 450 / 2);
    EXPECT_EQ(t.brutto, t.netto + t.vat);

    VatRegisterController approved(db(), eur, true);
    ASSERT_EQ(approved.rows().heldRows(), 1);
    EXPECT_EQ(approved.rows().valueAt(0, "kwota_brutto").toInt64(), 1000000);
    EXPECT_EQ(approved.totals().netto, zl("9999.99"));
}
