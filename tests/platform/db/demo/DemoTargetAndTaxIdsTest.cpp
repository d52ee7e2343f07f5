#include "platform/db/Schema.h"
#include "platform/db/demo/DemoTarget.h"
#include "platform/db/demo/TaxIds.h"
#include "support/TestDatabase.h"

using namespace ksiega;
using namespace ksiega::db;

namespace {

class DemoTargetTest : public test::DbTest {};
KSIEGA_ON_BOTH_ENGINES(DemoTargetTest);

TEST_P(DemoTargetTest, refusesANonEmptyDatabaseUnlessForcedAndThenEmptiesIt) {
    db().execute("insert into WALUTY (sym_waluty) values ('EUR')");
    EXPECT_THROW(demo::openEmptyDatabase(url(), false), DbError);
    EXPECT_EQ(db().scalarInt("select count(*) from WALUTY"), 1);

    auto fresh = demo::openEmptyDatabase(url(), true);
    EXPECT_EQ(schemaVersion(*fresh), 0);
    EXPECT_FALSE(fresh->tableExists("WALUTY"));
    createSchema(*fresh);
    EXPECT_EQ(fresh->scalarInt("select count(*) from WALUTY"), 0);
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
