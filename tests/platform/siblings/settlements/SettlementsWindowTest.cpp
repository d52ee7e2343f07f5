// The settlements window's stand-in: its filter keeps the account prefix out of the SQL
// text (bound, with % and _ taken literally), and what a confirmed list leaves in
// browser 30.
#include "platform/siblings/settlements/SettlementsWindow.h"
#include "support/LedgerTest.h"
#include <set>

using namespace ksiega;
using namespace ksiega::test;
using settlements::SettlementFilter;

namespace {

TEST(SettlementFilterText, quotesThePrefixWithTheOneHelper) {
    EXPECT_EQ((SettlementFilter{"201-0", 7}.text()), "spcSQL(NR_KONTA like '201-0%' AND ID_LATA_OBROT=7)");
    EXPECT_EQ((SettlementFilter{"20' or 1=1 --", 7}.text()), "spcSQL(NR_KONTA like '20'' or 1=1 --%' AND ID_LATA_OBROT=7)");
    EXPECT_EQ(settlements::escapeLike("2_0%\\"), "2\\_0\\%\\\\");
}

class SettlementList : public LedgerTest {
protected:
    std::set<int64_t> listed(const SettlementFilter& filter) {
        pickers::PickerContext context{db(), f().company, 0, 7, 0};
        auto list = settlements::settlementList(context, filter);
        std::set<int64_t> ids;
        auto& model = list->model();
        while (model.canFetchMore()) model.fetchMore();
        for (int r = 0; r < model.heldRows(); ++r) ids.insert(model.idAt(r));
        return ids;
    }
    int64_t settlementOn(int64_t year, const QString& account) {
        const int month = year == f().year2026 ? f().month2026(4) : f().month18(2027, 4);
        const int64_t doc = f().addDocument({year, month, 2, 0, "FV/" + account, ""});
        return f().openSettlement(f().post(doc, account, "700-01", zl("10.00")));
    }
};

TEST_P(SettlementList, listsTheYearsSettlementsUnderTheLiteralPrefix) {
    const int64_t a = settlementOn(f().year2026, "201-01-001");
    const int64_t b = settlementOn(f().year2026, "202-01-001");
    const int64_t c = settlementOn(f().year2026, "234-01");
    const int64_t later = settlementOn(f().year18, "201-01-001");
    db().execute("insert into WARTOSCI_KONT (id_firmy, id_lata_obrot, nr_konta, nazwa_konta, nr_konta_syn, poziom, czy_analityka) "
                 "values (?, ?, '2_1', 'dziwne', 201, 0, 1)", {f().company, f().year2026});
    const int64_t odd = settlementOn(f().year2026, "2_1");

    EXPECT_EQ(listed({"20", f().year2026}), (std::set<int64_t>{a, b}));
    EXPECT_EQ(listed({"201-0", f().year2026}), (std::set<int64_t>{a}));
    EXPECT_EQ(listed({"201-0", f().year18}), (std::set<int64_t>{later}));
    // % and _ are letters of the prefix, not wildcards.
    EXPECT_EQ(listed({"2_", f().year2026}), (std::set<int64_t>{odd}));
    EXPECT_TRUE(listed({"%", f().year2026}).empty());
    // A quote in the prefix is only a letter too.
    EXPECT_TRUE(listed({"2' or '1'='1", f().year2026}).empty());
    EXPECT_EQ(listed({"", f().year2026}), (std::set<int64_t>{a, b, c, odd}));
}

TEST_P(SettlementList, aConfirmedListLeavesItsMarksInBrowser30) {
    const int64_t a = settlementOn(f().year2026, "201-01-001");
    const int64_t b = settlementOn(f().year2026, "201-01-002");
    pickers::PickerContext context{db(), f().company, f().year2026, 7, 0};
    db().execute("insert into ZAZNACZENIE (id_browsera, id_uzytkownika, id_elementu) values (30, 7, 999999)");
    db().execute("insert into ZAZNACZENIE (id_browsera, id_uzytkownika, id_elementu) values (30, 8, 1)");
    auto list = settlements::settlementList(context, {"201", f().year2026});
    ASSERT_EQ(list->model().heldRows(), 2);
    list->toggleMark(0);
    list->toggleMark(1);
    ASSERT_TRUE(list->choose());
    EXPECT_EQ(settlements::storeMarkedSettlements(*list, context), 2);
    std::set<int64_t> stored;
    auto rows = db().select("select id_elementu from ZAZNACZENIE where id_browsera=30 and id_uzytkownika=7");
    while (rows.next()) stored.insert(rows.int64(0));
    EXPECT_EQ(stored, (std::set<int64_t>{a, b}));
    EXPECT_EQ(db().scalarInt("select count(*) from ZAZNACZENIE where id_browsera=30 and id_uzytkownika=8"), 1);

    // Nothing marked: the current row is what was chosen.
    auto single = settlements::settlementList(context, {"201", f().year2026});
    single->setCurrentRow(1);
    ASSERT_TRUE(single->choose());
    EXPECT_EQ(settlements::storeMarkedSettlements(*single, context), 1);
    EXPECT_EQ(db().scalarInt("select id_elementu from ZAZNACZENIE where id_browsera=30 and id_uzytkownika=7"),
              single->chosenId());
}

KSIEGA_ON_BOTH_ENGINES(SettlementList);

} // namespace
