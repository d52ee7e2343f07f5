#include "platform/db/Schema.h"
#include "support/SchemaOwner.h"
#include "support/TestDatabase.h"

using namespace ksiega;

namespace {

// Rebuilding the store is an upgrade, the schema owner's work: the test works as the owner.
class MarksStoreUpgradeTest : public test::DbTest {
protected:
    db::Database& owner() {
        if (!m_owner) m_owner = test::openAsOwner(url());
        return *m_owner;
    }
    int64_t count(const QString& sql) { return owner().scalarInt(sql).value_or(-1); }

    // The selection store as version 9 had it: no key, two indexes, the same element twice.
    void makeVersionNineStore() {
        owner().executeScript("DROP TABLE ZAZNACZENIE");
        owner().executeScript("CREATE TABLE ZAZNACZENIE (id_browsera INTEGER NOT NULL, id_uzytkownika BIGINT NOT NULL, "
                           "id_elementu BIGINT NOT NULL DEFAULT 0, opis_elementu VARCHAR(60) NOT NULL DEFAULT '');"
                           "CREATE INDEX ZAZNACZENIE_UZYT_BROWSER ON ZAZNACZENIE (id_uzytkownika, id_browsera, id_elementu);"
                           "CREATE INDEX ZAZNACZENIE_UZYT_BROWSER_OPIS ON ZAZNACZENIE (id_uzytkownika, id_browsera, opis_elementu)");
        owner().execute("insert into ZAZNACZENIE (id_browsera, id_uzytkownika, id_elementu, opis_elementu) values "
                     "(40,3,10,''),(40,3,10,''),(40,3,12,''),(36,3,7,''),(36,3,0,'Dział 600'),(36,3,0,'Dział 600'),"
                     "(36,3,0,'Rozdział 60016'),(40,4,10,'')");
        owner().execute("delete from WERSJA_SCHEMATU");
        owner().execute("insert into WERSJA_SCHEMATU (wersja, opis) values (9, 'schemat utworzony')");
    }

private:
    std::unique_ptr<db::Database> m_owner;
};
KSIEGA_ON_BOTH_ENGINES(MarksStoreUpgradeTest);

} // namespace

TEST_P(MarksStoreUpgradeTest, aVersionNineStoreKeepsEveryMarkOnceAndTheReadersQueriesWork) {
    makeVersionNineStore();
    db::upgradeSchema(owner());
    EXPECT_EQ(db::schemaVersion(owner()), db::kSchemaVersion);
    EXPECT_EQ(count("select count(*) from ZAZNACZENIE"), 6);
    EXPECT_EQ(count("select count(*) from ZAZNACZENIE where id_uzytkownika=3 and id_browsera=40 and id_elementu in (10,12)"), 2);
    EXPECT_EQ(count("select count(*) from ZAZNACZENIE where id_uzytkownika=4 and id_browsera=40"), 1);
    // Browser 36: the row mark and the chosen symbols, the Polish text intact.
    EXPECT_EQ(count("select count(*) from ZAZNACZENIE where id_uzytkownika=3 and id_browsera=36 and opis_elementu=''"), 1);
    EXPECT_EQ(owner().scalarText("select min(opis_elementu) from ZAZNACZENIE where id_uzytkownika=3 and id_browsera=36 and opis_elementu<>''"),
              QStringLiteral("Dział 600"));
    EXPECT_FALSE(owner().tableExists("ZAZNACZENIE_DAWNE"));

    // A database already in the new form is left as it is by a second pass of the step.
    owner().execute("delete from WERSJA_SCHEMATU");
    owner().execute("insert into WERSJA_SCHEMATU (wersja, opis) values (9, 'schemat utworzony')");
    owner().execute("insert into ZAZNACZENIE (id_browsera, id_uzytkownika, id_elementu) values (41, 5, 99)");
    db::upgradeSchema(owner());
    EXPECT_EQ(db::schemaVersion(owner()), db::kSchemaVersion);
    EXPECT_EQ(count("select count(*) from ZAZNACZENIE"), 7);
}
