#include "platform/db/demo/DemoDatabase.h"
#include "platform/db/demo/ForeignKeys.h"
#include "platform/db/demo/LedgerGenerator.h"
#include "platform/db/demo/SecondaryIndexes.h"
#include "support/CostCentreCopiesCheck.h"
#include "support/LineCopiesCheck.h"
#include "support/TestDatabase.h"
#include "support/SchemaOwner.h"

using namespace ksiega;
using namespace ksiega::db;

namespace {

class LedgerGeneratorTest : public test::DbTest {
protected:
    int64_t count(const QString& sql, const Params& p = {}) { return db().scalarInt(sql, p).value_or(-1); }
    static demo::LedgerResult generate(Database& target, int64_t lines, uint64_t seed) {
        demo::buildDemoBase(target);
        demo::LedgerOptions o;
        o.lines = lines;
        o.seed = seed;
        return demo::generateLedger(target, o);
    }
    static std::vector<int64_t> fingerprint(Database& d) {
        Rows r = d.select("select count(*), count(distinct id_nag_dok), sum(kwota_wn), sum(kwota_ma_w), "
                          "sum(length(konto_wn) * lp), sum(data_okresu), sum(status), sum(czy_rk) from POZ_DOK");
        r.next();
        std::vector<int64_t> out;
        for (int c = 0; c < r.columnCount(); ++c) out.push_back(r.int64(c));
        return out;
    }
};
KSIEGA_ON_BOTH_ENGINES(LedgerGeneratorTest);

TEST_P(LedgerGeneratorTest, makesExactlyTheLinesAskedForDeterministically) {
    const auto owner = test::openAsOwner(url());   // the generator suspends keys and indexes: the owner's work
    const auto result = generate(*owner, 4999, 7);
    EXPECT_EQ(result.lines, 4999);
    EXPECT_EQ(count("select count(*) from POZ_DOK"), 4999);
    EXPECT_EQ(count("select count(*) from NAG_DOK"), result.documents);

    test::ScratchDatabase same(Engine::Sqlite), other(Engine::Sqlite);
    generate(same.db(), 4999, 7);
    generate(other.db(), 4999, 8);
    EXPECT_EQ(fingerprint(db()), fingerprint(same.db()));
    EXPECT_NE(fingerprint(db()), fingerprint(other.db()));
}

TEST_P(LedgerGeneratorTest, ledgerIsBalancedSpreadAndConsistentWithItsHeaders) {
    const auto owner = test::openAsOwner(url());   // the generator suspends keys and indexes: the owner's work
    generate(*owner, 20000, 3);
    EXPECT_EQ(count("select count(*) from (select id_nag_dok from POZ_DOK where czy_rk<>10 group by id_nag_dok "
                    "having sum(kwota_wn)<>sum(kwota_ma)) x"), 0);
    EXPECT_EQ(count("select count(*) from (select id_nag_dok from POZ_DOK where czy_rk=10 group by id_nag_dok "
                    "having sum(kwota_wn)<>sum(kwota_ma)) x"), 0);
    // One opening balance per currency.
    EXPECT_EQ(count("select count(*) from NAG_DOK where czy_rk=10"), 3);
    EXPECT_EQ(count("select count(*) from POZ_DOK p join NAG_DOK n on n.id_nag_dok=p.id_nag_dok where p.id_firmy<>n.id_firmy "
                    "or p.id_lata_obrot<>n.id_lata_obrot or p.nr_ewid_dok<>n.nr_ewid_dok or p.data_okresu<>n.data_okresu "
                    "or p.status<>n.status or p.czy_rk<>n.czy_rk"), 0);
    // The hot account takes part in about a tenth of the lines.
    const int64_t hot = count("select count(*) from POZ_DOK where konto_wn=? or konto_ma=?", {demo::hotAccount(), demo::hotAccount()});
    EXPECT_GT(hot, 1400);
    EXPECT_LT(hot, 2600);
    // Every period from BO to BZ, several currencies, some unposted documents.
    EXPECT_EQ(count("select count(distinct data_okresu) from POZ_DOK"), 14);
    EXPECT_EQ(count("select count(distinct waluta) from POZ_DOK"), 3);
    EXPECT_GT(count("select count(*) from NAG_DOK where status<2"), 0);
    // What every line repeats from its header and accounts is current after the write.
    EXPECT_EQ(test::staleLineCopies(db()), QStringList());
    EXPECT_EQ(test::staleCostCentreCopies(db()), QStringList());
}

TEST_P(LedgerGeneratorTest, indexesAndForeignKeysAreBackAndIdsContinueAfterTheLoad) {
    const auto owner = test::openAsOwner(url());   // the generator suspends keys and indexes: the owner's work
    generate(*owner, 1000, 1);
    const auto indexes = demo::secondaryIndexes(db().dialect(), {"NAG_DOK", "POZ_DOK"});
    ASSERT_GE(indexes.size(), 5u);
    for (const auto& i : indexes) {
        const QString sql = db::engineOf(db()) == Engine::Sqlite
            ? "select count(*) from sqlite_master where type='index' and lower(name)=lower(?)"
            : "select count(*) from pg_indexes where schemaname=current_schema() and lower(indexname)=lower(?)";
        EXPECT_EQ(count(sql, {i.name}), 1) << i.name.toStdString();
    }
    // Foreign keys are in force again after the load.
    if (db::engineOf(db()) == Engine::Sqlite)
        EXPECT_EQ(count("PRAGMA foreign_keys"), 1);
    else
        EXPECT_EQ(count("select count(*) from pg_constraint where contype='f' and conrelid in "
                        "(cast('nag_dok' as regclass), cast('poz_dok' as regclass))"), 5);
    EXPECT_THROW(db().execute("insert into POZ_DOK (id_nag_dok, id_firmy, id_lata_obrot) values (999999999, 1, 1)"), DbError);
    // The partial unique index keeps its condition: one opening balance per currency, any number of documents.
    EXPECT_THROW(db().execute("insert into NAG_DOK (id_firmy, id_lata_obrot, czy_rk, waluta) select id_firmy, id_lata_obrot, 10, waluta "
                              "from NAG_DOK where czy_rk=10 and waluta='PLN'"), DbError);
    const int64_t id = db().insertReturningId("insert into NAG_DOK (id_firmy, id_lata_obrot) values (1, "
                                              "(select id_lata_obrot from LATA_OBROTOWE where id_firmy=1 and rok_obrotowy='2026')) "
                                              "returning id_nag_dok");
    EXPECT_GT(id, count("select max(id_nag_dok) from NAG_DOK where id_nag_dok<>?", {id}));
}

TEST_P(LedgerGeneratorTest, aLoadedRowWithoutItsParentRollsTheWholeLoadBack) {
    const auto owner = test::openAsOwner(url());   // the generator suspends keys and indexes: the owner's work
    demo::buildDemoBase(*owner);
    const int64_t before = count("select count(*) from POZ_DOK");
    {
        demo::SuspendedForeignKeys keys(*owner, {"NAG_DOK", "POZ_DOK"});
        Transaction tx(*owner);
        keys.dropInsideTransaction();
        owner->execute("insert into POZ_DOK (id_nag_dok, id_firmy, id_lata_obrot) values (999999999, 1, 1)");
        EXPECT_THROW(keys.addInsideTransaction(), DbError);
    }
    EXPECT_EQ(count("select count(*) from POZ_DOK"), before);
    EXPECT_EQ(count("select count(*) from POZ_DOK where id_nag_dok=999999999"), 0);
    if (db::engineOf(db()) == Engine::Sqlite) EXPECT_EQ(owner->scalarInt("PRAGMA foreign_keys"), 1);
}

} // namespace
