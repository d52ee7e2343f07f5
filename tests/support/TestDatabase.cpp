#include "support/TestDatabase.h"
#include "platform/db/Schema.h"
#include <QCoreApplication>
#include <atomic>

namespace ksiega::test {

bool ScratchDatabase::postgresAvailable() { return !qEnvironmentVariableIsEmpty("KSIEGA_TEST_PG"); }

ScratchDatabase::ScratchDatabase(db::Engine engine, bool withSchema) {
    if (engine == db::Engine::Sqlite) {
        m_dir = std::make_unique<QTemporaryDir>();
        m_url = QStringLiteral("sqlite:") + m_dir->filePath(QStringLiteral("test.db"));
    } else {
        static std::atomic<int> counter{0};
        m_schemaName = QStringLiteral("t%1_%2").arg(QCoreApplication::applicationPid()).arg(++counter);
        const QString base = qEnvironmentVariable("KSIEGA_TEST_PG");
        m_url = base + (base.contains('?') ? QStringLiteral("&schema=") : QStringLiteral("?schema=")) + m_schemaName;
        // A schema left behind by a crashed run of the same pid is dropped first.
        db::Database::open(base)->executeScript(QStringLiteral("DROP SCHEMA IF EXISTS %1 CASCADE").arg(m_schemaName));
    }
    m_db = db::Database::open(m_url);
    if (withSchema) db::createSchema(*m_db);
}

ScratchDatabase::~ScratchDatabase() {
    m_db.reset();
    if (!m_schemaName.isEmpty()) {
        try {
            db::Database::open(qEnvironmentVariable("KSIEGA_TEST_PG"))
                ->executeScript(QStringLiteral("DROP SCHEMA IF EXISTS %1 CASCADE").arg(m_schemaName));
        } catch (...) {
        }
    }
}

void DbTest::SetUp() {
    if (GetParam() == db::Engine::Postgres && !ScratchDatabase::postgresAvailable())
        GTEST_SKIP() << "KSIEGA_TEST_PG is not set (scripts/test starts a PostgreSQL cluster)";
    m_scratch = std::make_unique<ScratchDatabase>(GetParam(), withSchema());
}

std::string engineName(const ::testing::TestParamInfo<db::Engine>& info) {
    return info.param == db::Engine::Sqlite ? "SQLite" : "PostgreSQL";
}

QString sourceDir() { return qEnvironmentVariable("KSIEGA_SOURCE_DIR", QStringLiteral(KSIEGA_SOURCE_DIR_DEFAULT)); }

QString fixturePath(const QString& name) {
    return sourceDir() + "/tests/fixtures/" + name;
}

} // namespace ksiega::test
