// Filter trees of the lists: the stored configurations and branches, and what a chosen
// branch selects from the cost-centre list, checked against rows picked out by hand.
#include "platform/db/Schema.h"
#include "platform/db/passthrough/PassThrough.h"
#include "platform/filtertree/TreeFunctions.h"
#include "platform/runtime/FilterExpression.h"
#include "support/LedgerFixture.h"
#include "support/TestDatabase.h"
#include "support/SchemaOwner.h"
#include <set>

using namespace ksiega;
using namespace ksiega::filtertree;
using test::zl;

namespace {

class FilterTreeTest : public test::DbTest {
protected:
    void SetUp() override {
        DbTest::SetUp();
        f = std::make_unique<test::LedgerFixture>(db());
        scope = {f->company, kCostCentreBrowser, 7};
    }

    // A cost-centre split of a new line, with its set path and line text as given.
    int64_t split(const QString& path, const QString& strona = "WN", const QString& text = "Koszty") {
        const int64_t doc = f->postIn2026(3, "501-01", "490", zl("10.00"));
        const int64_t line = db().scalarInt("select max(id_poz_dok) from POZ_DOK where id_nag_dok=?", {doc}).value();
        db().execute("update POZ_DOK set opis=? where id_poz_dok=?", {text, line});
        const int64_t id = f->splitCostCentres(line, strona, {{zl("10.00"), {}}}).front();
        db().execute("update MPK_DANE set drzewo_zbior_id=? where id_mpk_dane=?", {path, id});
        return id;
    }
    // The rows the statement form of the branch selects.
    std::set<int64_t> boundRows(int64_t branch, const QString& separator = "-") {
        const BoundCondition c = treeCondition(db(), scope, branch, separator);
        db::Params params{f->company};
        params.insert(params.end(), c.params.begin(), c.params.end());
        return ids(QStringLiteral("select id_mpk_dane from MPK_VIEW where id_firmy=?") +
                       (c.isEmpty() ? QString() : QStringLiteral(" and ") + c.sql),
                   params);
    }
    // The rows the filter form selects, translated as the lists translate it.
    std::set<int64_t> filterRows(int64_t branch, const QString& separator = "-") {
        const FilterTranslation t = translateFilter(treeFilter(db(), scope, branch, separator));
        EXPECT_TRUE(t.ok()) << t.error.toStdString();
        return ids(QStringLiteral("select id_mpk_dane from MPK_VIEW where id_firmy=?") +
                       (t.where.isEmpty() ? QString() : QStringLiteral(" and ") + t.where),
                   {f->company});
    }
    std::set<int64_t> ids(const QString& sql, const db::Params& params) {
        std::set<int64_t> out;
        db::Rows r = db().select(sql, params);
        while (r.next()) out.insert(r.int64(0));
        return out;
    }
    int64_t count(const QString& sql, const db::Params& params = {}) { return db().scalarInt(sql, params).value_or(-1); }

    std::unique_ptr<test::LedgerFixture> f;
    TreeScope scope;
};
KSIEGA_ON_BOTH_ENGINES(FilterTreeTest);

TEST_P(FilterTreeTest, aSetBranchFindsItsSetAndNotTheSetsWhoseIdsContainIt) {
    const int64_t five = split("5-"), fifteen = split("15-"), fiftyOne = split("51-"), both = split("51-5-"),
                  leading = split("-15-5-"), hundredFifteen = split("115-"), none = split("");
    const int64_t b5 = TREE_DODAJ_GALAZ(db(), scope, 0, "MPK:DRZEWO_ZBIOR_ID", "=", "5", "Zbiór 5");
    const int64_t b15 = TREE_DODAJ_GALAZ(db(), scope, 0, "drzewo_zbior_id", "=", "15", "Zbiór 15");
    EXPECT_EQ(boundRows(b5), (std::set<int64_t>{five, both, leading}));
    EXPECT_EQ(filterRows(b5), boundRows(b5));
    EXPECT_EQ(boundRows(b15), (std::set<int64_t>{fifteen, leading}));
    EXPECT_EQ(filterRows(b15), boundRows(b15));
    // No branch: no condition, every split of the company.
    EXPECT_EQ(boundRows(0), (std::set<int64_t>{five, fifteen, fiftyOne, both, leading, hundredFifteen, none}));
    EXPECT_EQ(filterRows(0).size(), 7u);
}

TEST_P(FilterTreeTest, aSeparatorThatIsAWildcardIsTakenLiterally) {
    const int64_t five = split("5_"), other = split("545_"), fifteen = split("15_");
    const int64_t b5 = TREE_DODAJ_GALAZ(db(), scope, 0, "drzewo_zbior_id", "=", "5", "");
    EXPECT_EQ(boundRows(b5, "_"), (std::set<int64_t>{five}));
    EXPECT_EQ(filterRows(b5, "_"), (std::set<int64_t>{five}));
    (void)other, (void)fifteen;
}

TEST_P(FilterTreeTest, aBranchAddsTheConditionsOfTheBranchesAboveIt) {
    const int64_t debit = split("5-", "WN", "Koszty O'Briena"), credit = split("5-", "MA", "Koszty O'Briena");
    split("5-", "WN", "Koszty inne");
    split("15-", "WN", "Koszty O'Briena");
    const int64_t top = TREE_DODAJ_GALAZ(db(), scope, 0, "drzewo_zbior_id", "=", "5", "Zbiór 5");
    const int64_t text = TREE_DODAJ_GALAZ(db(), scope, top, "tresc_poz_dok", "=", "Koszty O'Briena  ", "");
    const int64_t side = TREE_DODAJ_GALAZ(db(), scope, text, "MPK:STRONA", "=", "MA", "");
    EXPECT_EQ(branches(db(), scope).back().level, 3);
    EXPECT_EQ(boundRows(text), (std::set<int64_t>{debit, credit}));
    EXPECT_EQ(filterRows(text), boundRows(text));
    EXPECT_EQ(boundRows(side), (std::set<int64_t>{credit}));
    EXPECT_EQ(filterRows(side), boundRows(side));

    // Amounts, dates and masks are read as their columns hold them.
    const int64_t amount = TREE_DODAJ_GALAZ(db(), scope, 0, "kwota", ">=", "10.00", "");
    EXPECT_EQ(boundRows(amount).size(), size_t(count("select count(*) from MPK_DANE where kwota>=1000")));
    const int64_t mask = TREE_DODAJ_GALAZ(db(), scope, 0, "tresc_poz_dok", "like", "%O'Brien%", "");
    EXPECT_EQ(filterRows(mask), boundRows(mask));
    EXPECT_EQ(boundRows(mask).size(), 3u);
    const int64_t date = TREE_DODAJ_GALAZ(db(), scope, 0, "data_biezaca", "<", "2026-01-01", "");
    EXPECT_TRUE(boundRows(date).empty());
}

TEST_P(FilterTreeTest, branchesNamingAnythingButTheListsColumnsAndOperatorsAreRefused) {
    const auto refused = [&](const QString& field, const QString& op, const QString& value) {
        EXPECT_THROW(TREE_DODAJ_GALAZ(db(), scope, 0, field, op, value, ""), InvalidBranch) << field.toStdString() << op.toStdString();
    };
    refused("id_firmy", "=", "1");                         // not a column the tree offers: the company is the list's own scope
    refused("konto=konto or 1", "=", "1");
    refused("konto", "= '' or 1=1 or konto", "x");
    refused("konto", "in", "(1)");
    refused("drzewo_zbior_id", "<>", "5");                  // a set is tested by membership only
    refused("drzewo_zbior_id", "=", "5%");
    refused("kwota", "=", "dużo");
    refused("data_biezaca", "=", "1) or (1=1");
    refused("id_paczka", "LIKE", "1%");
    EXPECT_EQ(count("select count(*) from DRZEWO_FILTRA"), 0);
    EXPECT_THROW(TREE_DODAJ_GALAZ(db(), scope, 9999, "konto", "=", "201", ""), InvalidBranch) << "an unknown parent";
    // A branch changed behind the store's back is refused when its condition is built.
    const int64_t b = TREE_DODAJ_GALAZ(db(), scope, 0, "konto", "=", "201", "");
    db().execute("update DRZEWO_FILTRA set operator='or 1=1 --' where id_galezi=?", {b});
    EXPECT_THROW(treeCondition(db(), scope, b, "-"), InvalidBranch);
    EXPECT_THROW(treeFilter(db(), scope, b, "-"), InvalidBranch);
}

TEST_P(FilterTreeTest, configurationsAreSavedChosenAndRemovedOneAtATime) {
    const int64_t top = TREE_DODAJ_GALAZ(db(), scope, 0, "drzewo_zbior_id", "=", "5", "Zbiór 5");
    TREE_DODAJ_GALAZ(db(), scope, top, "strona", "=", "WN", "Dt");
    const int64_t a = TREE_DODAJ_KONFIG(db(), scope, "Koszty zarządu");
    // Saving a named tree under another name copies it; the copy is the current one.
    const int64_t b = TREE_DODAJ_KONFIG(db(), scope, "Koszty sprzedaży");
    EXPECT_NE(a, b);
    const std::vector<TreeBranch> copied = branches(db(), scope);
    ASSERT_EQ(copied.size(), 2u);
    EXPECT_EQ(copied[1].parent, copied[0].id) << "the copy keeps its shape";
    TREE_USUN_GALAZ(db(), scope, copied[1].id);
    EXPECT_EQ(branches(db(), scope).size(), 1u);

    // Another user's and another list's trees stand beside them.
    const TreeScope other{f->company, kCostCentreBrowser, 8};
    TREE_DODAJ_GALAZ(db(), other, 0, "konto", "=", "501-01", "");
    TREE_DODAJ_KONFIG(db(), other, "Cudza");
    EXPECT_FALSE(TREE_WYBIERZ_KONFIG(db(), other, a)) << "someone else's configuration cannot be chosen";
    EXPECT_FALSE(TREE_USUN_GALAZ(db(), other, copied[0].id));

    ASSERT_TRUE(TREE_WYBIERZ_KONFIG(db(), scope, a));
    EXPECT_EQ(branches(db(), scope).size(), 2u) << "the first one kept both branches";

    // Removing, as the list sends it: the current one only.
    db::PassThrough pt(db());
    db::PassResult r = pt.EXECSQL(QStringLiteral("CALL OBSLUGA_KONFIG_BROW(?,?,?)"), {f->company, int64_t(7), kCostCentreBrowser});
    ASSERT_TRUE(r.next()) << r.error().toStdString();
    EXPECT_EQ(r.integer(1), 1);
    const std::vector<TreeConfiguration> left = configurations(db(), scope);
    ASSERT_EQ(left.size(), 1u);
    EXPECT_EQ(left[0].id, b);
    EXPECT_FALSE(left[0].current);
    EXPECT_TRUE(branches(db(), scope).empty()) << "no current configuration: no tree";
    EXPECT_EQ(count("select count(*) from DRZEWO_FILTRA where id_konfiguracji=?", {a}), 0);
    EXPECT_EQ(count("select count(*) from DRZEWO_FILTRA where id_konfiguracji=?", {b}), 1);
    EXPECT_EQ(configurations(db(), other).size(), 1u);
    // Nothing current: nothing more goes.
    EXPECT_EQ(OBSLUGA_KONFIG_BROW(db(), f->company, 7, kCostCentreBrowser), 0);
    EXPECT_EQ(count("select count(*) from DRZEWO_FILTRA_KONFIG"), 2);
}

TEST_P(FilterTreeTest, aVersionSixDatabaseGetsTheMissingFilterTreeTables) {
    const auto owner = test::openAsOwner(url());   // changing the tables is the owner's work
    const TreeScope kept{f->company, kCostCentreBrowser, 1};
    TREE_DODAJ_KONFIG(db(), kept, "Stara");
    db().execute("delete from WERSJA_SCHEMATU");
    db().execute("insert into WERSJA_SCHEMATU (wersja, opis) values (6, 'schemat utworzony')");
    // The configurations are there already, the branches not: only those are created.
    owner->executeScript("DROP TABLE DRZEWO_FILTRA");
    owner->executeScript("DROP VIEW MPK_VIEW_KWOTY");
    db::upgradeSchema(*owner);
    EXPECT_EQ(db::schemaVersion(db()), db::kSchemaVersion);
    EXPECT_EQ(db().scalarInt("select count(*) from MPK_VIEW_KWOTY"), db().scalarInt("select count(*) from MPK_DANE"));
    EXPECT_EQ(configurations(db(), kept).size(), 1u);
    ASSERT_NO_THROW(TREE_DODAJ_GALAZ(db(), kept, 0, "konto", "=", "201", ""));
    EXPECT_EQ(branches(db(), kept).size(), 1u);
}

TEST_P(FilterTreeTest, aVersionSevenDatabaseGetsTheCompanyWideOrdersOfTheCostCentreList) {
    const auto owner = test::openAsOwner(url());   // changing the tables is the owner's work
    db().execute("delete from WERSJA_SCHEMATU");
    db().execute("insert into WERSJA_SCHEMATU (wersja, opis) values (7, 'schemat utworzony')");
    owner->executeScript("DROP INDEX MPK_DANE_FIRMA_KONTO");
    db::upgradeSchema(*owner);
    EXPECT_EQ(db::schemaVersion(db()), db::kSchemaVersion);
    // Both indexes there again (one created, one kept): a second create fails.
    EXPECT_THROW(owner->executeScript("CREATE INDEX MPK_DANE_FIRMA_KONTO ON MPK_DANE (id_firmy)"), db::DbError);
    EXPECT_THROW(owner->executeScript("CREATE INDEX MPK_DANE_FIRMA_KWOTA ON MPK_DANE (id_firmy)"), db::DbError);
}

} // namespace
