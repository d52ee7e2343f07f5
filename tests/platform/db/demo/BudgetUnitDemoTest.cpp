// The budget unit's demo: budget lines that add up to their ledger lines (two rows where a
// line is split), names for every level of every symbol with one renamed, and the data the
// budget windows and the export read.
#include "platform/db/demo/BudgetUnitDemo.h"
#include "platform/db/demo/DemoDatabase.h"
#include "platform/runtime/Date.h"
#include "platform/server/budget/BudgetFunctions.h"
#include "support/TestDatabase.h"

using namespace ksiega;
using namespace ksiega::db;

namespace {

class BudgetUnitDemoTest : public test::DbTest {
protected:
    int64_t count(const QString& sql, const Params& p = {}) { return db().scalarInt(sql, p).value_or(-1); }
};
KSIEGA_ON_BOTH_ENGINES(BudgetUnitDemoTest);

TEST_P(BudgetUnitDemoTest, budgetLinesAddUpToTheirLedgerLinesAndCoverEveryCase) {
    demo::buildDemoDatabase(db());
    // Every ledger line's budget lines add up to its amount, split lines included.
    EXPECT_EQ(count("select count(*) from POZ_DOK p join (select id_poz_dok, sum(kwota) as s from BT_DANE group by id_poz_dok) b "
                    "on b.id_poz_dok=p.id_poz_dok where b.s <> case when p.kwota_wn<>0 then p.kwota_wn else p.kwota_ma end"), 0);
    EXPECT_EQ(count("select count(*) from BT_DANE b join POZ_DOK p on p.id_poz_dok=b.id_poz_dok "
                    "where b.id_firmy<>p.id_firmy or b.id_lata_obrot<>p.id_lata_obrot or b.id_firmy<>2"), 0);
    EXPECT_EQ(count("select count(*) from BT_DANE where lp=2 and bt_klasyfikacja=?", {demo::kSplitSecondSymbol}), 2);
    EXPECT_EQ(count("select count(*) from BT_DANE where lp=2"), count("select count(distinct id_poz_dok) from BT_DANE where lp=2"));
    // Every combination of flags on both sides, a storno, amounts ending in .50, the opening balance.
    EXPECT_EQ(count("select count(distinct rodzaj_wy*8+rodzaj_k*4+rodzaj_z*2+rodzaj_x) from BT_DANE where typ='W'"), 16);
    EXPECT_EQ(count("select count(distinct rodzaj_d*4+rodzaj_wp*2+rodzaj_x) from BT_DANE where typ='D'"), 8);
    EXPECT_GE(count("select count(*) from BT_DANE where kwota<0"), 1);
    EXPECT_GE(count("select count(*) from BT_DANE where kwota - (kwota/100)*100 = 50"), 20);
    EXPECT_EQ(count("select count(*) from BT_VIEW where czy_rk=10 and id_firmy=2"), 2);
    // Analytic symbols under one paragraf; symbols only planned and only booked.
    EXPECT_GE(count("select count(distinct bt_klasyfikacja) from BT_DANE where bt_klasyfikacja like '801-80101-4210-%'"), 2);
    EXPECT_EQ(count("select count(*) from BT_DANE where bt_klasyfikacja=?", {demo::kPlanOnlySymbol}), 0);
    EXPECT_GE(count("select count(*) from BT_PLAN where bt_klasyfikacja=? and rodzaj_zmiany=1", {demo::kPlanOnlySymbol}), 1);
    EXPECT_EQ(count("select count(*) from BT_PLAN where bt_klasyfikacja=?", {demo::kEntryOnlySymbol}), 0);
    EXPECT_GE(count("select count(*) from BT_DANE where bt_klasyfikacja=?", {demo::kEntryOnlySymbol}), 1);

    // Every prefix of every symbol has a name; the renamed one shows its name of the day.
    EXPECT_EQ(count("select count(*) from BT_DANE b where not exists (select 1 from KLASYFIKACJA_BUDZETOWA k "
                    "where k.id_firmy=b.id_firmy and k.symbol=b.bt_klasyfikacja)"), 0);
    EXPECT_EQ(count("select count(distinct poziom) from KLASYFIKACJA_BUDZETOWA where id_firmy=2"), 4);
    const QString march = server::TG_Klasyfikacja_Info(db(), 2, demo::kRenamedSymbol, date::fromYmd(2026, 3, 31), "-", "W", 4);
    const QString may = server::TG_Klasyfikacja_Info(db(), 2, demo::kRenamedSymbol, date::fromYmd(2026, 5, 1), "-", "W", 4);
    EXPECT_EQ(march, QStringLiteral("Składki na Fundusz Pracy"));
    EXPECT_EQ(may, QStringLiteral("Składki na Fundusz Pracy oraz Fundusz Solidarnościowy"));
}

TEST_P(BudgetUnitDemoTest, theUnitCarriesItsCodesTaskBudgetAndALockedDocument) {
    demo::buildDemoDatabase(db());
    EXPECT_EQ(server::fn_fk_PobierzParamGlo(db(), 2, "BeKodW"), QStringLiteral("14"));
    for (const char* name : {"BeKodP", "BeKodG", "BeTypG", "BeTypP"}) EXPECT_FALSE(server::fn_fk_PobierzParamGlo(db(), 2, name).isEmpty());
    EXPECT_EQ(count("select count(*) from FIRMA where id_firmy=2 and fk_id_jb<>0 and regon<>''"), 1);
    EXPECT_NE(server::tg_AdresFirmy(db(), 2, date::fromYmd(2026, 8, 31), "S", 1),
              server::tg_AdresFirmy(db(), 2, date::fromYmd(2026, 9, 1), "S", 1));
    EXPECT_EQ(count("select count(*) from ADRESY_FIRMY where id_firmy=2 and (fk_rio='' or fk_kod_gus_1<>'14')"), 0);
    EXPECT_EQ(db().scalarText("select o.nazwa_wartosci from OPCJE_SYSTEMOWE o join LATA_OBROTOWE y on y.id_lata_obrot=o.id_lata_obrot "
                              "where o.id_firmy=2 and o.id_opcje=305 and y.rok_obrotowy='2026'").value_or(QString()),
              QStringLiteral("zadaniowy"));
    // The task budget's dictionaries are attached to budget lines, as the window's tab reads them.
    EXPECT_GT(count("select count(*) from KARTOTEKA_UZYTKOWNIKA_DANE_VIEW v join BT_DANE b on b.id_poz_dok=v.id_poz_dok "
                    "where v.id_firmy=2"), 50);
    EXPECT_EQ(count("select count(*) from BLOKADY_DOKUMENTOW l join BT_VIEW v on v.id_nag_dok=l.id_nag_dok where v.kwota<0"), 1);
    // The plan of a paragraf includes its analytic symbols and its changes (every row of the
    // year dated up to the day; the year before is not in force).
    const int64_t planned = count("select sum(kwota) from BT_PLAN where id_firmy=2 and bt_klasyfikacja like '801-80101-4210%' "
                                  "and data_planu<=? and id_lata_obrot=(select id_lata_obrot from LATA_OBROTOWE "
                                  "where id_firmy=2 and rok_obrotowy='2026')",
                                  {date::fromYmd(2026, 12, 31)});
    EXPECT_EQ(server::TG_BT_Plan_Sub(db(), 2, 0, date::fromYmd(2026, 12, 31), "801-80101-4210", "W", 2).minor(), planned);
}

} // namespace
