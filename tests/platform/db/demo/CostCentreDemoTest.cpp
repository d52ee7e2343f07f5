// The cost centres of the demo and of the benchmark ledger: splits that add up to their
// lines on the side they split, every dimension and the overlapping set ids in use, the
// saved filter tree, the clerk's denied right.
#include "platform/db/demo/CostCentreDemo.h"
#include "platform/db/demo/DemoDatabase.h"
#include "platform/db/demo/LedgerGenerator.h"
#include "platform/filtertree/TreeFunctions.h"
#include "platform/server/AccessRights.h"
#include "support/TestDatabase.h"
#include "support/SchemaOwner.h"

using namespace ksiega;
using namespace ksiega::db;

namespace {

// Lines whose splits of one side do not add up to that side's amount or carry another account.
const char* kSplitsNotMatchingTheirLine =
    "select count(*) from POZ_DOK p join (select id_poz_dok, strona, sum(kwota) as kwota, min(konto) as k1, max(konto) as k2 "
    "from MPK_DANE group by id_poz_dok, strona) m on m.id_poz_dok=p.id_poz_dok "
    "where m.kwota <> case when m.strona='WN' then p.kwota_wn else p.kwota_ma end "
    "or m.k1 <> m.k2 or m.k1 <> case when m.strona='WN' then p.konto_wn else p.konto_ma end";

class CostCentreDemoTest : public test::DbTest {
protected:
    int64_t count(const QString& sql, const Params& p = {}) { return db().scalarInt(sql, p).value_or(-1); }
};
KSIEGA_ON_BOTH_ENGINES(CostCentreDemoTest);

TEST_P(CostCentreDemoTest, theDemoCompanySplitsBothSidesOfBothYearsOntoAllDimensions) {
    demo::buildDemoDatabase(db());
    EXPECT_EQ(count(kSplitsNotMatchingTheirLine), 0);
    EXPECT_EQ(count("select count(*) from MPK_DANE m join POZ_DOK p on p.id_poz_dok=m.id_poz_dok "
                    "where m.id_firmy<>p.id_firmy or m.id_lata_obrot<>p.id_lata_obrot"), 0);
    EXPECT_EQ(count("select count(*) from MPK_DANE where id_firmy<>1"), 0);
    for (const char* side : {"WN", "MA"}) {
        for (const char* year : {"2025", "2026"})
            EXPECT_GT(count("select count(*) from MPK_VIEW v join LATA_OBROTOWE y on y.id_lata_obrot=v.id_lata_obrot "
                            "where v.strona=? and y.rok_obrotowy=? and v.czy_rk<>10", {side, year}), 10) << side << year;
        EXPECT_GT(count("select count(*) from MPK_VIEW where strona=? and czy_rk=10", {side}), 0) << side;
    }
    for (int dimension = 1; dimension <= 5; ++dimension)
        EXPECT_GT(count(QStringLiteral("select count(distinct m.wskaznik_%1_id) from MPK_DANE m join MPK_WSKAZNIK w "
                                       "on w.id_wskaznika=m.wskaznik_%1_id and w.nr_wskaznika=%1").arg(dimension)), 1) << dimension;
    // The set path is the indicator ids between separators; 5, 15 and 51 all in use.
    EXPECT_EQ(count("select count(*) from MPK_DANE where drzewo_zbior_id <> '-' || "
                    "(case when wskaznik_1_id<>0 then cast(wskaznik_1_id as varchar(20)) || '-' else '' end) || "
                    "(case when wskaznik_2_id<>0 then cast(wskaznik_2_id as varchar(20)) || '-' else '' end) || "
                    "(case when wskaznik_3_id<>0 then cast(wskaznik_3_id as varchar(20)) || '-' else '' end) || "
                    "(case when wskaznik_4_id<>0 then cast(wskaznik_4_id as varchar(20)) || '-' else '' end) || "
                    "(case when wskaznik_5_id<>0 then cast(wskaznik_5_id as varchar(20)) || '-' else '' end)"), 0);
    for (int set : {5, 15, 51})
        EXPECT_GT(count("select count(*) from MPK_DANE where ? in (wskaznik_1_id, wskaznik_2_id, wskaznik_3_id, wskaznik_4_id, "
                        "wskaznik_5_id)", {set}), 10) << set;

    // The clerk's tree: two levels, saved as the current configuration beside another one.
    const int64_t clerk = count("select id_uzytkownika from UZYTKOWNICY where login='ksiegowa'");
    const filtertree::TreeScope scope{1, filtertree::kCostCentreBrowser, clerk};
    const auto configs = filtertree::configurations(db(), scope);
    ASSERT_EQ(configs.size(), 2u);
    const auto tree = filtertree::branches(db(), scope);
    ASSERT_FALSE(tree.empty());
    EXPECT_EQ(tree.back().level, 2);
    // Its branch of the sales task's Ct side selects the Ct splits that carry indicator 15.
    const filtertree::TreeBranch* salesCt = nullptr;
    for (const auto& b : tree)
        if (b.label == QStringLiteral("Sprzedaż - strona Ct")) salesCt = &b;
    ASSERT_NE(salesCt, nullptr);
    const filtertree::BoundCondition c = filtertree::treeCondition(db(), scope, salesCt->id, "-");
    Params params{int64_t(1)};
    params.insert(params.end(), c.params.begin(), c.params.end());
    const int64_t selected = count("select count(*) from MPK_VIEW where id_firmy=? and " + c.sql, params);
    EXPECT_EQ(selected, count("select count(*) from MPK_DANE where strona='MA' and ? in (wskaznik_1_id, wskaznik_2_id, "
                              "wskaznik_3_id, wskaznik_4_id, wskaznik_5_id)", {demo::kSalesTask}));
    EXPECT_GT(selected, 0);

    // One of the window's six functions is denied to the clerk, none to the administrator.
    int denied = 0;
    for (int f = 1; f <= 6; ++f) {
        const QString code = QStringLiteral("5_1_1_%1").arg(f);
        denied += server::USTAL_PRAWO_DOSTEPU_FUNKCJA(db(), 1, "ksiegowa", code) == std::optional<int>(0);
        EXPECT_NE(server::USTAL_PRAWO_DOSTEPU_FUNKCJA(db(), 1, "admin", code), std::optional<int>(0));
    }
    EXPECT_EQ(denied, 1);
}

TEST_P(CostCentreDemoTest, aBenchmarkLedgerSplitsAboutOneLineInFive) {
    const auto owner = test::openAsOwner(url());   // the generator suspends keys and indexes: the owner's work
    demo::buildDemoBase(*owner);
    demo::LedgerOptions o;
    o.lines = 3000;
    const demo::LedgerResult r = demo::generateLedger(*owner, o);
    const int64_t chosen = count("select count(*) from POZ_DOK where id_poz_dok % 5 = 0");
    EXPECT_EQ(r.costCentreSplits, chosen);
    EXPECT_EQ(count("select count(*) from MPK_DANE"), chosen) << "one split per chosen line";
    EXPECT_NEAR(double(chosen), 600.0, 2.0);
    EXPECT_EQ(count(kSplitsNotMatchingTheirLine), 0);
    EXPECT_GT(count("select count(*) from MPK_VIEW where strona='WN'"), 200);
    EXPECT_GT(count("select count(*) from MPK_VIEW where strona='MA'"), 200);
    EXPECT_EQ(count("select count(*) from MPK_VIEW"), chosen) << "every split is seen through the view";
    // A second ledger in the same company gets splits of its own lines only, on the same indicators.
    const int64_t indicators = count("select count(*) from MPK_WSKAZNIK");
    EXPECT_EQ(demo::writeLedgerSplits(*owner, 1, count("select id_lata_obrot from LATA_OBROTOWE where id_firmy=1 and rok_obrotowy='2026'"),
                                      1, 0), 0);
    EXPECT_EQ(count("select count(*) from MPK_WSKAZNIK"), indicators);
}

} // namespace
