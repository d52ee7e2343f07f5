// The budget stand-ins of the sibling libraries: a symbol's names on a day, the plan
// summary against plain SQL, and the budget-line editor kept within its company.
#include "budget/quickfilter/BudgetFilterFixture.h"
#include "platform/siblings/budget/BudgetClassificationInfo.h"
#include "platform/siblings/budget/BudgetLineEditor.h"

using namespace ksiega;
using namespace ksiega::siblings;

namespace ksiega::test {
namespace {

class BudgetSiblingsTest : public BudgetFilterTest {};
KSIEGA_ON_BOTH_ENGINES(BudgetSiblingsTest);

TEST_P(BudgetSiblingsTest, descriptionAndPlanSummaryOfASymbol) {
    const QString insert = "insert into KLASYFIKACJA_BUDZETOWA (id_firmy, symbol, typ, poziom, nazwa, data_od, data_do) values (?, ?, ?, ?, ?, ?, ?)";
    db().execute(insert, {f().company, "801", "", 1, "Oświata i wychowanie", 0, 0});
    db().execute(insert, {f().company, "801-80101", "", 2, "Szkoły podstawowe", 0, 0});
    db().execute("delete from KLASYFIKACJA_BUDZETOWA where symbol='801-80101-4210'");
    db().execute(insert, {f().company, "801-80101-4210", "W", 3, "Zakup materiałów", 0, date::fromYmd(2026, 3, 31)});
    db().execute(insert, {f().company, "801-80101-4210", "W", 3, "Zakup materiałów i wyposażenia", date::fromYmd(2026, 4, 1), 0});
    EXPECT_EQ(classificationDescription(db(), f().company, "W", "801-80101-4210", date::fromYmd(2026, 3, 1), "-"),
              QStringList({"Dział 801: Oświata i wychowanie", "Rozdział 80101: Szkoły podstawowe", "Paragraf 4210: Zakup materiałów"}));
    EXPECT_EQ(classificationDescription(db(), f().company, "W", "801-80101-4210", date::fromYmd(2026, 5, 1), "-").value(2),
              QStringLiteral("Paragraf 4210: Zakup materiałów i wyposażenia"));

    const QString plan = "insert into BT_PLAN (id_firmy, id_lata_obrot, bt_klasyfikacja, typ, data_planu, rodzaj_zmiany, kwota) values (?, ?, ?, 'W', ?, ?, ?)";
    db().execute(plan, {f().company, f().year2026, "801-80101-4210", date::fromYmd(2026, 1, 2), 0, 100000});
    db().execute(plan, {f().company, f().year2026, "801-80101-4210-01", date::fromYmd(2026, 1, 2), 0, 5050});
    db().execute(plan, {f().company, f().year2026, "801-80101-4210", date::fromYmd(2026, 6, 1), 1, -2000});
    db().execute(plan, {f().company, f().year2026, "801-80101-42100", date::fromYmd(2026, 1, 2), 0, 999});   // not below 4210
    const PlanSummary p = planSummary(db(), f().company, f().year2026, "W", "801-80101-4210", date::fromYmd(2026, 12, 31), "-");
    EXPECT_EQ(p.adopted.minor(), 105050);
    EXPECT_EQ(p.changes.minor(), -2000);
    EXPECT_EQ(p.afterChanges.minor(), 103050);
    const char* flags[] = {"rodzaj_wy", "rodzaj_k", "rodzaj_z", "rodzaj_x"};
    for (int i = 0; i < 4; ++i)
        EXPECT_EQ(p.executed[size_t(i)].minor(),
                  *db().scalarInt(QStringLiteral("select coalesce(sum(kwota),0) from BT_DANE where id_firmy=? and typ='W' and %1=1 "
                                                 "and (bt_klasyfikacja='801-80101-4210' or bt_klasyfikacja like '801-80101-4210-%')")
                                      .arg(flags[i]),
                                  {f().company}))
            << flags[i];
    EXPECT_EQ(p.executed[0].minor(), 12050);   // the other company's 7.77 is not in it
}

TEST_P(BudgetSiblingsTest, theLineEditorSavesSymbolAndSensesWithinItsCompany) {
    const int64_t id = *db().scalarInt("select id_bt_dane from BT_DANE where id_firmy=? and bt_klasyfikacja='801-80101-4300'", {f().company});
    const int64_t foreign = *db().scalarInt("select id_bt_dane from BT_DANE where id_firmy<>?", {f().company});
    BudgetLineEditor editor(db(), f().company);
    EXPECT_FALSE(editor.load(foreign).has_value());
    auto line = editor.load(id);
    ASSERT_TRUE(line.has_value());
    EXPECT_EQ(line->amount, 8000);
    line->symbol = QString();
    EXPECT_EQ(BudgetLineEditor::check(*line), QStringLiteral("Proszę wybrać klasyfikację budżetową."));
    EXPECT_FALSE(editor.save(*line));
    line->symbol = QStringLiteral("801-80101-4270");
    line->senses = {true, false, true, false, true, true};   // revenue senses on an expenditure line are dropped
    ASSERT_TRUE(editor.save(*line));
    db::Rows r = db().select("select bt_klasyfikacja, rodzaj_wy, rodzaj_k, rodzaj_z, rodzaj_x, rodzaj_d, rodzaj_wp, kwota from BT_DANE "
                             "where id_bt_dane=?", {id});
    ASSERT_TRUE(r.next());
    EXPECT_EQ(r.text(0), QStringLiteral("801-80101-4270"));
    EXPECT_EQ(std::vector<int64_t>({r.int64(1), r.int64(2), r.int64(3), r.int64(4), r.int64(5), r.int64(6), r.int64(7)}),
              std::vector<int64_t>({1, 0, 1, 0, 0, 0, 8000}));
    // Another company's line is never written.
    BudgetLineData other = *line;
    other.id = foreign;
    EXPECT_FALSE(editor.save(other));
    EXPECT_EQ(*db().scalarText("select bt_klasyfikacja from BT_DANE where id_bt_dane=?", {foreign}), QStringLiteral("801-80101-4210"));
}

} // namespace
} // namespace ksiega::test
