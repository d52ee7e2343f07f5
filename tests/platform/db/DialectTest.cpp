// What differs between the engines, each member on its own engine: the statements it
// gives must run there and do what the member promises.
#include "platform/db/Schema.h"
#include "support/TestDatabase.h"
#include "support/SchemaOwner.h"
#include <QDirIterator>
#include <QFile>
#include <QRegularExpression>

using namespace ksiega;
using namespace ksiega::db;

class DialectTest : public test::DbTest {
protected:
    const Dialect& dialect() { return db().dialect(); }
    void createNumbered(const QString& table) {
        test::openAsOwner(url())->executeScript(QStringLiteral("CREATE TABLE %1 (id %2, nazwa VARCHAR(20))").arg(table, dialect().identityKey()));
    }
    int64_t insertWithoutId(const QString& table) {
        return db().insertReturningId(QStringLiteral("insert into %1 (nazwa) values ('x') returning id").arg(table));
    }
};
KSIEGA_ON_BOTH_ENGINES(DialectTest);

TEST_P(DialectTest, eachConnectionHasItsEnginesDialect) {
    EXPECT_EQ(&dialect(), &dialectOf(GetParam()));
    EXPECT_EQ(engineOf(db()), GetParam());
}

TEST_P(DialectTest, tablesAndViewsAreFoundWhateverTheCase) {
    EXPECT_TRUE(dialect().tableExists(db(), "POZ_DOK"));
    EXPECT_TRUE(dialect().tableExists(db(), "poz_dok"));
    EXPECT_FALSE(dialect().tableExists(db(), "POZ_DOK_NIE_MA"));
    EXPECT_FALSE(dialect().tableExists(db(), "'; drop table POZ_DOK; --"));
    EXPECT_TRUE(db().tableExists("POZ_DOK"));
    EXPECT_TRUE(dialect().tableExists(db(), "poz_dok_view_union"));
    EXPECT_FALSE(dialect().tableExists(db(), "OBROTY_I_SALDA_KONTO"));   // an index
}

TEST_P(DialectTest, aTableAnalysedAfterALoadHasItsStatisticsAndOutsideATransactionIsVacuumed) {
    // Making a table and vacuuming it are the owner's work (the application role is told it
    // may not, and the ledger's own loads run as the owner).
    const auto owner = test::openAsOwner(url());
    Database& d = *owner;
    d.executeScript("CREATE TABLE LADUNEK (id INTEGER PRIMARY KEY, konto VARCHAR(20) NOT NULL)");
    {
        Transaction tx(d);
        for (int i = 1; i <= 2000; ++i) d.execute("insert into LADUNEK (id, konto) values (?, ?)", {i, QString::number(i % 50)});
        dialect().analyzeTable(d, "LADUNEK");   // inside a transaction: statistics only
        tx.commit();
    }
    if (GetParam() == Engine::Sqlite) {
        dialect().analyzeTable(d, "LADUNEK");   // the planner does well without
        return;
    }
    // The server's count of the table's vacuums (read afresh: a session keeps a snapshot of
    // the statistics until it is cleared). Its oldest transaction id would move on too, but
    // not while another session's transaction is open, as in a parallel test run.
    const QString vacuums = "select pg_stat_get_vacuum_count('ladunek'::regclass) from (select pg_stat_clear_snapshot()) s";
    EXPECT_EQ(d.scalarInt("select reltuples::bigint from pg_class where oid = 'ladunek'::regclass"), 2000);
    EXPECT_EQ(d.scalarInt(vacuums), 0);
    d.execute("insert into LADUNEK (id, konto) values (2001, 'x')");   // a later transaction
    dialect().analyzeTable(d, "LADUNEK");
    EXPECT_EQ(d.scalarInt(vacuums), 1);
    EXPECT_EQ(d.scalarInt("select reltuples::bigint from pg_class where oid = 'ladunek'::regclass"), 2001);
}

TEST_P(DialectTest, theIdentityKeyNumbersRowsAndContinuesWhereTheIdsWereMovedTo) {
    createNumbered("NUMEROWANA");
    EXPECT_EQ(insertWithoutId("NUMEROWANA"), 1);
    EXPECT_EQ(insertWithoutId("NUMEROWANA"), 2);
    // Rows with ids of their own, then the identity is synced past them.
    db().execute("insert into NUMEROWANA (id, nazwa) values (10, 'y')");
    dialect().syncIdentity(db(), "NUMEROWANA", "id");
    EXPECT_EQ(insertWithoutId("NUMEROWANA"), 11);
}

TEST_P(DialectTest, reservedIdsAreFreeAndTheIdentityMovesPastTheirBlock) {
    createNumbered("NUMEROWANA");
    insertWithoutId("NUMEROWANA");
    {
        // An insert rolled back: a server sequence stays ahead of the table.
        Transaction tx(db());
        insertWithoutId("NUMEROWANA");
        insertWithoutId("NUMEROWANA");
    }
    Transaction tx(db());
    const int64_t first = dialect().reserveIds(db(), "NUMEROWANA", "id", 5);
    EXPECT_GE(first, 2);
    for (int64_t id = first; id < first + 5; ++id)
        db().execute("insert into NUMEROWANA (id, nazwa) values (?, 'z')", {id});
    dialect().advanceIdentity(db(), "NUMEROWANA", "id", first + 4);
    EXPECT_EQ(insertWithoutId("NUMEROWANA"), first + 5);
    tx.commit();
    EXPECT_EQ(dialect().reserveIds(db(), "NUMEROWANA", "id", 0), first + 6);
}

TEST_P(DialectTest, queryFormsAreValidWhereTheyAreWritten) {
    db().execute("insert into WALUTY (sym_waluty) values ('EUR'), ('USD')");
    EXPECT_EQ(db().scalarInt(QStringLiteral("select count(*) from (select sym_waluty from WALUTY order by sym_waluty%1) w")
                                 .arg(dialect().limitWithoutEnd())),
              2);
    EXPECT_EQ(db().scalarInt(QStringLiteral("select count(*) from %1 where id_firmy = 0").arg(dialect().unindexed("POZ_DOK"))), 0);
    const QString version = db().scalarText(dialect().serverVersionSql()).value_or(QString());
    EXPECT_TRUE(QRegularExpression(QStringLiteral("^\\d+\\.\\d+")).match(version).hasMatch()) << version.toStdString();
}

TEST_P(DialectTest, plannerAndMemorySettingsLastOnlyTheirTransaction) {
    db().executeScript("CREATE TEMPORARY TABLE tmp_praca (a INTEGER)");
    {
        Transaction tx(db());
        dialect().setLocalWorkMemory(db(), "64MB");
        dialect().analyzeTable(db(), "tmp_praca");
        dialect().relaxCommitDurability(db());
        if (GetParam() == Engine::Postgres) EXPECT_EQ(db().scalarText("select current_setting('work_mem')"), "64MB");
        tx.commit();
    }
    if (GetParam() == Engine::Postgres) EXPECT_NE(db().scalarText("select current_setting('work_mem')"), "64MB");
}

TEST_P(DialectTest, foreignKeysDroppedForALoadAreTheTablesOwn) {
    const auto keys = dialect().droppableForeignKeys(db(), "POZ_DOK");
    if (GetParam() == Engine::Sqlite) {
        EXPECT_TRUE(keys.empty());
        return;
    }
    ASSERT_FALSE(keys.empty());
    for (const ForeignKey& k : keys) EXPECT_TRUE(k.definition.startsWith("FOREIGN KEY")) << k.definition.toStdString();
}

TEST_P(DialectTest, schemaFilesOfTheOtherEngineStayOutOfTheScript) {
    const QString script = schemaSql(dialect());
    EXPECT_FALSE(script.contains("{{"));
    EXPECT_TRUE(script.contains(dialect().identityKey()));
    const Dialect& other = dialectOf(GetParam() == Engine::Sqlite ? Engine::Postgres : Engine::Sqlite);
    EXPECT_FALSE(script.contains(other.identityKey()));
}

// Only the database layer knows which engine it runs on; the rest asks the dialect.
TEST(DialectBoundary, nothingOutsideTheDatabaseLayerAsksWhichEngineItRunsOn) {
    const QString root = test::sourceDir();
    static const QRegularExpression asks(QStringLiteral("\\bengine\\(\\)|\\bEngine::|db::Engine\\b"));
    QStringList offenders;
    for (const QString& folder : {QStringLiteral("/src"), QStringLiteral("/bench")}) {
        QDirIterator it(root + folder, {QStringLiteral("*.cpp"), QStringLiteral("*.h")}, QDir::Files, QDirIterator::Subdirectories);
        while (it.hasNext()) {
            const QString path = it.next();
            if (path.contains(QStringLiteral("/src/platform/db/"))) continue;
            QFile f(path);
            if (f.open(QIODevice::ReadOnly) && asks.match(QString::fromUtf8(f.readAll())).hasMatch()) offenders << path.mid(root.size());
        }
    }
    EXPECT_TRUE(offenders.isEmpty()) << offenders.join(", ").toStdString();
}
