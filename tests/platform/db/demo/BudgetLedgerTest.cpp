// The benchmark ledger of the budget unit: one budget line per ledger line with its amount,
// 2,000 symbols, every flag combination of both sides, and a plan for every symbol.
#include "platform/db/demo/BudgetLedger.h"
#include "platform/db/demo/DemoCompanies.h"
#include "platform/db/demo/DemoDatabase.h"
#include "platform/db/demo/LedgerGenerator.h"
#include "support/LineCopiesCheck.h"
#include "support/TestDatabase.h"
#include "support/SchemaOwner.h"

using namespace ksiega;
using namespace ksiega::db;

namespace {

class BudgetLedgerTest : public test::DbTest {
protected:
    int64_t count(const QString& sql, const Params& p = {}) { return db().scalarInt(sql, p).value_or(-1); }
};
KSIEGA_ON_BOTH_ENGINES(BudgetLedgerTest);

TEST_P(BudgetLedgerTest, everyLineOfTheBudgetUnitGetsOneBudgetLineWithItsAmount) {
    const auto owner = test::openAsOwner(url());   // the generator suspends keys and indexes: the owner's work
    demo::buildDemoBase(*owner);
    demo::LedgerOptions o;
    o.lines = 40000;
    o.budget = true;
    o.company = demo::kBudgetUnit;
    const demo::LedgerResult r = demo::generateLedger(*owner, o);
    EXPECT_EQ(r.budgetLines, r.lines);
    EXPECT_EQ(r.costCentreSplits, 0);
    EXPECT_EQ(count("select count(*) from BT_DANE"), o.lines);
    EXPECT_EQ(count("select count(*) from POZ_DOK p join BT_DANE b on b.id_poz_dok=p.id_poz_dok where p.id_firmy=2 and b.id_firmy=2 "
                    "and b.id_lata_obrot=p.id_lata_obrot and b.kwota = case when p.kwota_wn<>0 then p.kwota_wn else p.kwota_ma end"),
              o.lines);
    EXPECT_EQ(count("select count(distinct bt_klasyfikacja) from BT_DANE"), demo::kBenchmarkBudgetSymbols);
    EXPECT_EQ(count("select count(*) from BT_DANE where length(bt_klasyfikacja)<>14 or substr(bt_klasyfikacja,4,1)<>'-' "
                    "or substr(bt_klasyfikacja,10,1)<>'-' or substr(bt_klasyfikacja,1,3)<>substr(bt_klasyfikacja,5,3)"), 0);
    EXPECT_EQ(count("select count(distinct rodzaj_wy*8+rodzaj_k*4+rodzaj_z*2+rodzaj_x) from BT_DANE where typ='W'"), 16);
    EXPECT_EQ(count("select count(distinct rodzaj_d*4+rodzaj_wp*2+rodzaj_x) from BT_DANE where typ='D'"), 8);
    EXPECT_EQ(count("select count(*) from BT_DANE where typ='W' and rodzaj_d+rodzaj_wp>0"), 0);
    EXPECT_EQ(count("select count(*) from BT_DANE where typ='D' and rodzaj_wy+rodzaj_k+rodzaj_z>0"), 0);
    EXPECT_EQ(count("select count(distinct bt_klasyfikacja) from BT_PLAN where id_firmy=2"), demo::kBenchmarkBudgetSymbols);
    EXPECT_EQ(count("select count(*) from BT_PLAN p where not exists (select 1 from BT_DANE b where b.bt_klasyfikacja=p.bt_klasyfikacja "
                    "and b.typ=p.typ)"), 0);
    // What the budget lines repeat of their documents and lines is written with them.
    EXPECT_EQ(test::staleBudgetLineCopies(db()), QStringList());
}

} // namespace
