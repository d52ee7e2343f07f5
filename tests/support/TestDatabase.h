#pragma once
// Fresh databases for tests: every test gets its own empty database with the schema,
// on SQLite (a temporary file) and on PostgreSQL (its own schema in the cluster that
// scripts/test starts). Use DbTest with TEST_P and KSIEGA_ON_BOTH_ENGINES(Suite).
//
// On PostgreSQL a test works as the ledger's application role (KSIEGA_TEST_PG: no superuser,
// owns nothing, only the rights docs/postgresql-schema.sql gives it on the test's schema);
// the schema is created, filled with the ledger's tables and dropped by its owner
// (KSIEGA_TEST_PG_OWNER). Without KSIEGA_TEST_PG_OWNER the owner is the role "ksiega_owner"
// when KSIEGA_TEST_PG names "ksiega_app" (the roles scripts/pg start makes), else the one
// role of KSIEGA_TEST_PG does everything.
#include "platform/db/Database.h"
#include "platform/db/Engine.h"
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <memory>

namespace ksiega::test {

// The test server's roles.
enum class PgRole {
    App,         // what the program runs as; every test's own connection
    Owner,       // creates, upgrades and drops a ledger's schema (ksiega demo)
    Superuser,   // creates roles (only the test of the roles scripts)
};
// The test server's URL as `role`, in `schema` (none: no ?schema=).
QString postgresUrl(PgRole role, const QString& schema = {});

class ScratchDatabase {
public:
    explicit ScratchDatabase(db::Engine engine, bool withSchema = true);
    ~ScratchDatabase();
    db::Database& db() { return *m_db; }
    const QString& url() const { return m_url; }   // for a second connection (another thread or user)
    // The same database as the schema's owner: for what only an owner does (creating or
    // replacing the ledger's tables, `ksiega demo`). The SQLite file's own URL.
    const QString& ownerUrl() const { return m_ownerUrl; }
    static bool postgresAvailable();

private:
    QString m_url;
    QString m_ownerUrl;
    QString m_schemaName;
    std::unique_ptr<QTemporaryDir> m_dir;
    std::unique_ptr<db::Database> m_db;
};

class DbTest : public ::testing::TestWithParam<db::Engine> {
protected:
    void SetUp() override;
    void TearDown() override {
        m_owner.reset();
        m_scratch.reset();
    }
    db::Database& db() { return m_scratch->db(); }
    const QString& url() const { return m_scratch->url(); }
    const QString& ownerUrl() const { return m_scratch->ownerUrl(); }
    // The schema's owner, for what only an owner does (changing or upgrading the ledger's
    // tables); on SQLite the test's own connection.
    db::Database& ownerDb();
    virtual bool withSchema() const { return true; }

private:
    std::unique_ptr<ScratchDatabase> m_scratch;
    std::unique_ptr<db::Database> m_owner;
};

std::string engineName(const ::testing::TestParamInfo<db::Engine>& info);
// Path of a file under tests/fixtures.
QString fixturePath(const QString& name);
// The source tree the tests were built from.
QString sourceDir();

} // namespace ksiega::test

#define KSIEGA_ON_BOTH_ENGINES(Suite)                                                     \
    INSTANTIATE_TEST_SUITE_P(Engines, Suite,                                              \
                             ::testing::Values(ksiega::db::Engine::Sqlite, ksiega::db::Engine::Postgres), \
                             ksiega::test::engineName)
