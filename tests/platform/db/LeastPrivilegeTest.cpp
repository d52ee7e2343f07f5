// The PostgreSQL roles of docs/postgresql-roles.sql, set up by that very script: the
// application's role does the module's work in its own schema (rows, sequences, the
// turnover recompute with its temporary tables) and nothing else: no other schema, no
// objects, no server files, no sleeping, no large objects. A read-only connection refuses
// writes and carries the statement timeout.
#include "platform/db/BoundedRead.h"
#include "platform/db/OpenMode.h"
#include "platform/db/PostgresDatabase.h"
#include "platform/db/Schema.h"
#include "platform/server/Turnovers.h"
#include "support/LedgerFixture.h"
#include "support/SchemaOwner.h"
#include "support/TestDatabase.h"
#include <QCoreApplication>
#include <QFile>
#include <QUrl>
#include <QUrlQuery>
#include <gtest/gtest.h>

using namespace ksiega;

namespace {

QString quotedName(const QString& name) { return '"' + name + '"'; }

// The test server's address as `role`, in `schema`.
QString urlAs(const QString& role, const QString& schema) {
    QUrl url(test::postgresUrl(test::PgRole::Superuser));
    url.setUserName(role);
    QUrlQuery query(url);
    query.removeAllQueryItems("schema");
    if (!schema.isEmpty()) query.addQueryItem("schema", schema);
    url.setQuery(query);
    return url.toString();
}

// The roles script grants and revokes on objects every test process shares (the functions
// revoked from PUBLIC); test processes running at once take turns, or the server refuses
// one of them ("tuple concurrently updated").
class SharedCatalogTurn {
public:
    explicit SharedCatalogTurn(db::Database& d) : m_db(d) { m_db.select("select pg_advisory_lock(74190)").next(); }
    ~SharedCatalogTurn() { m_db.select("select pg_advisory_unlock(74190)").next(); }

private:
    db::Database& m_db;
};

class LeastPrivilege : public ::testing::Test {
protected:
    void SetUp() override {
        if (qEnvironmentVariableIsEmpty("KSIEGA_TEST_PG")) GTEST_SKIP() << "KSIEGA_TEST_PG is not set";
        const QString id = QString::number(QCoreApplication::applicationPid());
        schema = "lp_" + id, other = "lp_other_" + id, owner = "lp_owner_" + id, app = "lp_app_" + id;
        admin = db::Database::open(test::postgresUrl(test::PgRole::Superuser));
        {
            const SharedCatalogTurn turn(*admin);
            dropAll();
            const QString database = admin->scalarText("select current_database()").value_or("");
            for (const char* name : {"/docs/postgresql-roles.sql", "/docs/postgresql-schema.sql"}) {
                QFile file(test::sourceDir() + name);
                ASSERT_TRUE(file.open(QIODevice::ReadOnly));
                QString script = QString::fromUtf8(file.readAll());
                script.replace(":\"schema\"", quotedName(schema)).replace(":\"owner\"", quotedName(owner)).replace(":\"app\"", quotedName(app))
                    .replace(":\"DBNAME\"", quotedName(database));
                admin->executeScript(script);
            }
        }
        // Another company's books, in a schema of its own.
        admin->executeScript(QStringLiteral("CREATE SCHEMA %1; CREATE TABLE %1.secret (id serial primary key, opis text); "
                                            "INSERT INTO %1.secret (opis) VALUES ('tajne')").arg(other));
        // The owner creates the ledger's tables, as `ksiega demo` or an upgrade would.
        auto asOwner = db::openDatabase(urlAs(owner, schema), db::OpenMode::Existing);
        db::createSchema(*asOwner);
        test::LedgerFixture ledger(*asOwner);
        company = ledger.company;
        year = ledger.year2026;
    }
    void TearDown() override {
        if (!admin) return;
        const SharedCatalogTurn turn(*admin);
        dropAll();
    }
    void dropAll() {
        admin->executeScript(QStringLiteral("DROP SCHEMA IF EXISTS %1 CASCADE; DROP SCHEMA IF EXISTS %2 CASCADE").arg(schema, other));
        for (const QString& role : {app, owner}) {
            if (admin->scalarInt("select 1 from pg_roles where rolname=?", {role}))
                admin->executeScript(QStringLiteral("DROP OWNED BY %1; DROP ROLE %1").arg(quotedName(role)));
        }
    }

    std::unique_ptr<db::Database> admin;
    QString schema, other, owner, app;
    int64_t company = 0, year = 0;
};

TEST_F(LeastPrivilege, theApplicationRoleDoesTheModulesWorkInItsSchemaAndNothingElse) {
    auto d = db::openDatabase(urlAs(app, schema), db::OpenMode::Existing);
    EXPECT_EQ(d->scalarInt("select rolsuper::int + rolcreaterole::int + rolcreatedb::int from pg_roles where rolname=current_user"), 0);
    EXPECT_EQ(d->scalarInt("select count(*) from pg_class c join pg_roles r on r.oid=c.relowner where r.rolname=current_user"), 0);
    // Its own grant, not PUBLIC's, lets it make the recompute's temporary tables.
    EXPECT_EQ(d->scalarInt("select count(*) from pg_database, aclexplode(datacl) a join pg_roles r on r.oid=a.grantee "
                           "where datname=current_database() and r.rolname=current_user and a.privilege_type='TEMPORARY'"), 1);
    // A second connection of the kind the program opens by default finds the schema there
    // and does not try to create it (which the role may not).
    EXPECT_NO_THROW(db::Database::open(urlAs(app, schema)));
    EXPECT_THROW(db::Database::open(urlAs(app, "lp_not_created")), db::DbError);

    // Its own rows: read, written, and the turnovers recomputed (temporary tables, deletes, inserts).
    EXPECT_GT(d->scalarInt("select count(*) from POZ_DOK").value_or(0), 0);
    d->execute("insert into WALUTY (sym_waluty) values ('CHF')");
    EXPECT_NO_THROW(server::UZUPELNIJ_OBROTY_Z_DOKUMENTOW(*d, company, year, 0));
    EXPECT_EQ(d->scalarInt("select count(*) from OBROTY_I_SALDA where id_lata_obrot=?", {year}).value_or(0) > 0, true);

    const std::vector<QString> refused = {
        QStringLiteral("select opis from %1.secret").arg(other),
        QStringLiteral("update %1.secret set opis='x'").arg(other),
        QStringLiteral("select setval('%1.secret_id_seq', 1000)").arg(other),
        "create table mine (x int)",
        "create view mine as select 1 as x",
        "create function mine() returns int language sql as 'select 1'",
        "drop table POZ_DOK",
        "alter table FIRMA add column x int",
        "truncate table OBROTY_I_SALDA",
        "create index mine on POZ_DOK (opis)",
        "create schema mine",
        "create table public.mine (x int)",
        "select pg_read_file('/etc/hostname')",
        "select pg_ls_dir('.')",
        "select pg_sleep(0)",
        "select lo_create(0)",
        "select lo_from_bytea(0, 'x')",
        "copy POZ_DOK to '/tmp/lp_out.txt'",
        "set role postgres",
        "alter role current_user superuser",
    };
    for (const QString& sql : refused) {
        SCOPED_TRACE(sql.toStdString());
        EXPECT_THROW(d->execute(sql), db::DbError);
    }
    // Nothing changed where it had no right.
    EXPECT_EQ(admin->scalarText(QStringLiteral("select string_agg(opis, ',') from %1.secret").arg(other)), QStringLiteral("tajne"));
    EXPECT_EQ(admin->scalarInt("select count(*) from pg_largeobject_metadata"), 0);
}

// Statistics are gathered for the ledger's own tables, by their owner; another schema of the
// server (even one of the same owner) is not gone through, and the application's role, which
// owns nothing, gathers nothing and fails nothing.
TEST_F(LeastPrivilege, statisticsCoverOnlyTheLedgersSchemaAndOnlyForItsOwner) {
    admin->executeScript(QStringLiteral("CREATE SCHEMA %1_more AUTHORIZATION %2; CREATE TABLE %1_more.t (x int) ; "
                                        "ALTER TABLE %1_more.t OWNER TO %2; INSERT INTO %1_more.t VALUES (1)")
                             .arg(schema, quotedName(owner)));
    auto analysed = [&](const QString& in) {
        return admin->scalarInt("select count(distinct tablename) from pg_stats where schemaname=?", {in}).value_or(0);
    };
    ASSERT_EQ(analysed(schema), 0);
    EXPECT_NO_THROW(db::openDatabase(urlAs(app, schema), db::OpenMode::Existing)->analyze());
    EXPECT_EQ(analysed(schema), 0);
    db::openDatabase(urlAs(owner, schema), db::OpenMode::Existing)->analyze();
    EXPECT_GE(analysed(schema), 3);   // at least the filled FIRMA, NAG_DOK and POZ_DOK
    EXPECT_EQ(analysed(schema + "_more"), 0);
    admin->executeScript(QStringLiteral("DROP SCHEMA %1_more CASCADE").arg(schema));
}

TEST_F(LeastPrivilege, aReadOnlyConnectionRefusesWritesAndHasAStatementTimeout) {
    auto d = db::openDatabase(urlAs(app, schema), db::OpenMode::ReadOnly);
    EXPECT_GT(d->scalarInt("select count(*) from POZ_DOK").value_or(0), 0);
    EXPECT_THROW(d->execute("insert into WALUTY (sym_waluty) values ('CHF')"), db::DbError);
    static_assert(db::PostgresDatabase::kReadStatementTimeoutMs == 120000);
    EXPECT_EQ(d->scalarText("show statement_timeout"), QStringLiteral("2min"));
    // A schema that is not there is an error, not created.
    EXPECT_THROW(db::openDatabase(urlAs(app, "lp_nowhere"), db::OpenMode::ReadOnly), db::DbError);
    EXPECT_THROW(db::openDatabase(urlAs(app, "lp_nowhere"), db::OpenMode::Existing), db::DbError);
    EXPECT_EQ(admin->scalarInt("select count(*) from pg_namespace where nspname='lp_nowhere'"), 0);
}

TEST_F(LeastPrivilege, aBoundedReadIsCancelledAtItsLimitAndPutsTheTimeoutBack) {
    const QString before = admin->scalarText("show statement_timeout").value_or("");
    {
        const db::BoundedRead bounded(*admin, 100);
        EXPECT_THROW(admin->select("select pg_sleep(5)").next(), db::DbError);
    }
    EXPECT_EQ(admin->scalarText("show statement_timeout"), before);
}

} // namespace
