#pragma once
// Fresh databases for tests: every test gets its own empty database with the schema,
// on SQLite (a temporary file) and on PostgreSQL (its own schema in the cluster that
// scripts/test starts; KSIEGA_TEST_PG holds its URL). Use DbTest with TEST_P and
// KSIEGA_ON_BOTH_ENGINES(Suite).
#include "platform/db/Database.h"
#include "platform/db/Engine.h"
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <memory>

namespace ksiega::test {

class ScratchDatabase {
public:
    explicit ScratchDatabase(db::Engine engine, bool withSchema = true);
    ~ScratchDatabase();
    db::Database& db() { return *m_db; }
    const QString& url() const { return m_url; }   // for a second connection (another thread or user)
    static bool postgresAvailable();

private:
    QString m_url;
    QString m_schemaName;
    std::unique_ptr<QTemporaryDir> m_dir;
    std::unique_ptr<db::Database> m_db;
};

class DbTest : public ::testing::TestWithParam<db::Engine> {
protected:
    void SetUp() override;
    void TearDown() override { m_scratch.reset(); }
    db::Database& db() { return m_scratch->db(); }
    const QString& url() const { return m_scratch->url(); }
    virtual bool withSchema() const { return true; }

private:
    std::unique_ptr<ScratchDatabase> m_scratch;
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
