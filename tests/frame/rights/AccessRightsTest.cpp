#include "frame/rights/AccessRights.h"
#include "support/TestDatabase.h"
#include "support/SchemaOwner.h"

using namespace ksiega;

namespace {

// Until the server's own procedure is in place: the same answer from PRAWA_DOSTEPU,
// no row when nothing is recorded.
server::ResultSet rightsFromTable(db::Database& db, const db::Params& a) {
    server::ResultSet r{{"prawo"}, {}};
    db::Rows rows = db.select("select prawo from PRAWA_DOSTEPU where id_firmy=? and login=? and kod_funkcji=?", a);
    while (rows.next()) r.rows.push_back({rows.int64(0)});
    return r;
}

class AccessRightsTest : public test::DbTest {
protected:
    void SetUp() override {
        test::DbTest::SetUp();
        if (!server::findProcedure("USTAL_PRAWO_DOSTEPU_FUNKCJA"))
            server::registerProcedure("USTAL_PRAWO_DOSTEPU_FUNKCJA", rightsFromTable);
        session.DANE_ID_FIRMY = 1;
        session.DANE_ID_UZYT = "JAN'K";
    }
    SessionContext session;
};
KSIEGA_ON_BOTH_ENGINES(AccessRightsTest);

} // namespace

TEST_P(AccessRightsTest, aRecordedRightIsReadAndNoAnswerGrants) {
    db().execute("insert into PRAWA_DOSTEPU (id_firmy, login, kod_funkcji, prawo) values (1, ?, '4_1_1_1', 0)", {session.DANE_ID_UZYT});
    db().execute("insert into PRAWA_DOSTEPU (id_firmy, login, kod_funkcji, prawo) values (2, ?, '4_1_1_2', 0)", {session.DANE_ID_UZYT});
    db::PassThrough pt(db());
    rights::AccessRights rights(pt, session);
    EXPECT_EQ(rights.right("4_1_1_1"), 0);
    EXPECT_EQ(rights.right("4_1_1_2"), 1);          // denied in another company only
    EXPECT_TRUE(rights.granted("4_1_2_1"));         // nothing recorded
    EXPECT_EQ(pt.statementsSent(), 3);
    EXPECT_TRUE(rights.lastError().isEmpty());
}

TEST_P(AccessRightsTest, anAdministratorIsNeverAsked) {
    db().execute("insert into PRAWA_DOSTEPU (id_firmy, login, kod_funkcji, prawo) values (1, ?, '4_1_1_1', 0)", {session.DANE_ID_UZYT});
    session.DANE_ADMINISTRATOR = 1;
    db::PassThrough pt(db());
    rights::AccessRights rights(pt, session);
    EXPECT_EQ(rights.right("4_1_1_1"), 1);
    EXPECT_EQ(rights.right("4_1_1_2"), 1);
    EXPECT_EQ(pt.statementsSent(), 0);
}

TEST_P(AccessRightsTest, aFailingRightsQueryDeniesAndSaysWhy) {
    const auto owner = test::openAsOwner(url());   // changing the tables is the owner's work
    owner->execute("drop table PRAWA_DOSTEPU");
    db::PassThrough pt(db());
    rights::AccessRights rights(pt, session);
    EXPECT_EQ(rights.right("4_1_1_1"), 0);
    EXPECT_FALSE(rights.lastError().isEmpty());
}
