// The settlements window under a mode: which view it lists, the warehouse-only view, the
// wizard's account with the accounts below it and the card filter (a bound value, quote
// included), and the settlements that clear the marked ones joining them in browser 30.
#include "platform/siblings/settlements/SettlementsWindow.h"
#include "support/LedgerTest.h"
#include <set>

using namespace ksiega;
using namespace ksiega::test;
using settlements::SettlementChoice;

namespace {

class SettlementChoiceList : public LedgerTest {
protected:
    pickers::PickerContext context() { return {db(), f().company, f().year2026, 7, 0}; }
    std::set<int64_t> listed(const SettlementChoice& choice) {
        auto list = settlements::settlementList(context(), choice);
        std::set<int64_t> ids;
        auto& model = list->model();
        while (model.canFetchMore()) model.fetchMore();
        for (int r = 0; r < model.heldRows(); ++r) ids.insert(model.idAt(r));
        return ids;
    }
    int64_t settlement(const QString& account, int64_t warehouseDoc = 0, int64_t line = 0) {
        return db().insertReturningId("insert into ROZRACHUNEK (id_firmy, id_lata_obrot, nr_konta, strona, kwota, id_nag_dok_m, id_poz_dok_f) "
                                      "values (?, ?, ?, 'WN', 1000, ?, ?) returning id_rozrachunku",
                                      {f().company, f().year2026, account, warehouseDoc, line});
    }
    std::set<int64_t> marked() {
        std::set<int64_t> out;
        auto rows = db().select("select id_elementu from ZAZNACZENIE where id_browsera=30 and id_uzytkownika=7");
        while (rows.next()) out.insert(rows.int64(0));
        return out;
    }
};
KSIEGA_ON_BOTH_ENGINES(SettlementChoiceList);

TEST(SettlementChoiceMode, readsTheThreeCharacters) {
    EXPECT_EQ((SettlementChoice{"111"}.view()), "ROZRACHUNEK_VIEW");
    EXPECT_EQ((SettlementChoice{"112"}.view()), "ROZRACHUNEK_VIEW_TOVARIX");
    EXPECT_TRUE((SettlementChoice{"211"}.withClearing()));
    EXPECT_FALSE((SettlementChoice{"121"}.withClearing()));
    EXPECT_TRUE((SettlementChoice{"121"}.warehouseOnly()));
    EXPECT_FALSE((SettlementChoice{"112"}.warehouseOnly()));
}

TEST_P(SettlementChoiceList, theModeChoosesTheViewAndLeavesOutWhatTheBooksCarry) {
    const int64_t own = settlement("201-01-001");
    const int64_t warehouse = settlement("201-01-001", 5);
    settlement("201-01-001", 0, 77);   // booked: never offered
    const int64_t other = settlement("202-01-001", 6);
    EXPECT_EQ(listed({"111"}), (std::set<int64_t>{own, warehouse, other}));
    EXPECT_EQ(listed({"121"}), (std::set<int64_t>{warehouse, other}));
    EXPECT_EQ(listed({"112"}), (std::set<int64_t>{warehouse, other}));
    EXPECT_EQ(listed({"111", "201-01-001"}), (std::set<int64_t>{own, warehouse}));
    // Without the card flag the account is taken exactly, never as a prefix.
    EXPECT_TRUE(listed({"111", "201-01"}).empty());
    EXPECT_EQ(listed({"111", "201-01", true}), (std::set<int64_t>{own, warehouse}));
    EXPECT_TRUE(listed({"111", "201-01' or '1'='1", true}).empty());
}

TEST_P(SettlementChoiceList, theCardFilterNarrowsTheCardsAsABoundValue) {
    const int64_t obrien = db().insertReturningId("insert into KONTRAHENCI (id_firmy, symbol, nazwa) values (?, ?, ?) returning id_kontrahenta",
                                                  {f().company, "O'BRIEN", "O'Brien Ltd"});
    const int64_t beta = db().insertReturningId("insert into KONTRAHENCI (id_firmy, symbol, nazwa) values (?, ?, ?) returning id_kontrahenta",
                                                {f().company, "BETA", "Beta S.A."});
    db().execute("update WARTOSCI_KONT set id_kartoteki=?, rodzaj_kartoteki='K' where nr_konta='201-01-001'", {obrien});
    db().execute("update WARTOSCI_KONT set id_kartoteki=?, rodzaj_kartoteki='K' where nr_konta='201-01-002'", {beta});
    const int64_t a = settlement("201-01-001");
    const int64_t b = settlement("201-01-002");
    EXPECT_EQ(listed({"111", "201-01", true, "o'b*"}), (std::set<int64_t>{a}));
    EXPECT_EQ(listed({"111", "201-01", true, "BE"}), (std::set<int64_t>{b}));
    EXPECT_TRUE(listed({"111", "201-01", true, "x' or '1'='1"}).empty());
    EXPECT_EQ(listed({"111", "201-01", true, ""}), (std::set<int64_t>{a, b}));
}

TEST_P(SettlementChoiceList, settlementsClearingTheMarkedOnesJoinThemOnceEitherWayRound) {
    const int64_t invoice = settlement("201-01-001", 5);
    const int64_t payment = settlement("201-01-001", 5);
    const int64_t other = settlement("201-01-002", 5);
    const int64_t unrelated = settlement("201-01-002", 5);
    // A pair cleared against each other has a row each way; `other` clears only `invoice`.
    auto clearing = [&](int64_t s, int64_t against) {
        db().execute("insert into ROZLICZENIE (id_rozrachunku, id_rozrachunku_rozl, id_firmy, data_rozliczenia, kwota) values (?, ?, ?, 1, 10)",
                     {s, against, f().company});
    };
    clearing(invoice, payment);
    clearing(payment, invoice);
    clearing(other, invoice);
    db().execute("insert into ZAZNACZENIE (id_browsera, id_uzytkownika, id_elementu) values (30, 7, ?)", {invoice});
    db().execute("insert into ZAZNACZENIE (id_browsera, id_uzytkownika, id_elementu) values (30, 8, ?)", {unrelated});
    EXPECT_EQ(settlements::addClearingSettlements(context()), 2);
    EXPECT_EQ(marked(), (std::set<int64_t>{invoice, payment, other}));
    EXPECT_EQ(settlements::addClearingSettlements(context()), 0);
    EXPECT_EQ(db().scalarInt("select count(*) from ZAZNACZENIE where id_browsera=30 and id_uzytkownika=8"), 1);
}

} // namespace
