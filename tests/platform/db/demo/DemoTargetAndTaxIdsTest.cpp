#include "platform/db/Schema.h"
#include "platform/db/demo/DemoTarget.h"
#include "platform/db/demo/TaxIds.h"
#include "support/TestDatabase.h"
#include "support/SchemaOwner.h"
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

using namespace ksiega;
using namespace ksiega::db;

namespace {

class DemoTargetTest : public test::DbTest {};
KSIEGA_ON_BOTH_ENGINES(DemoTargetTest);

TEST_P(DemoTargetTest, refusesANonEmptyDatabaseUnlessForcedAndReplacesItOnlyOnCommit) {
    db().execute("insert into WALUTY (sym_waluty) values ('EUR')");
    EXPECT_THROW(demo::DemoTarget(test::ownerUrl(url()), false), DbError);
    EXPECT_EQ(db().scalarInt("select count(*) from WALUTY"), 1);
    {
        demo::DemoTarget dropped(test::ownerUrl(url()), true);
        EXPECT_EQ(schemaVersion(dropped.db()), 0);
        createSchema(dropped.db());
    } // not committed: the old database stays whole
    EXPECT_EQ(db().scalarInt("select count(*) from WALUTY"), 1);
    EXPECT_FALSE(QFileInfo::exists(demo::DemoTarget::buildingPath(url().mid(7))));
}

TEST_P(DemoTargetTest, forceReplacesOnlyALedger) {
    if (GetParam() == Engine::Sqlite) {
        QTemporaryDir dir;
        const QString notes = dir.filePath("notes.txt");
        QFile f(notes);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write("not a database\n");
        f.close();
        EXPECT_THROW(demo::DemoTarget("sqlite:" + notes, true), DbError);
        EXPECT_EQ(QFileInfo(notes).size(), 15);
    } else {
        test::openAsOwner(url())->executeScript("drop table FIRMA cascade");
        test::openAsOwner(url())->executeScript("create table someone_elses (x int)");
        EXPECT_THROW(demo::DemoTarget(test::ownerUrl(url()), true), DbError);
        EXPECT_TRUE(db().tableExists("someone_elses"));
    }
}

TEST(TaxIdsTest, checkDigitsFollowTheWeights) {
    EXPECT_EQ(demo::nipWithCheckDigit("123456321"), "1234563218");
    EXPECT_TRUE(demo::isValidNip("123-456-32-18"));
    EXPECT_FALSE(demo::isValidNip("1234563219"));
    // A sum giving check value 10 makes no NIP.
    EXPECT_EQ(demo::nipWithCheckDigit("000000003"), "");
    EXPECT_EQ(demo::regonWithCheckDigit("12345678"), "123456785");
    EXPECT_TRUE(demo::isValidRegon("123456785"));
    EXPECT_FALSE(demo::isValidRegon("123456780"));
}

} // namespace
