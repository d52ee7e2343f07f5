#include "support/TestDatabase.h"
#include "platform/db/DbError.h"
#include "platform/db/Schema.h"
#include "support/SchemaOwner.h"
#include <QCoreApplication>
#include <QFile>
#include <QUrl>
#include <QUrlQuery>
#include <atomic>

namespace ksiega::test {

namespace {

// The schema and the application role's rights on it, as a production server gets them.
QString schemaScript(const QString& schema, const QString& owner, const QString& app) {
    QFile file(sourceDir() + QStringLiteral("/docs/postgresql-schema.sql"));
    if (!file.open(QIODevice::ReadOnly)) throw db::DbError(QStringLiteral("cannot read ") + file.fileName());
    QString script = QString::fromUtf8(file.readAll());
    auto quotedName = [](const QString& name) { return QChar('"') + name + QChar('"'); };
    return script.replace(QStringLiteral(":\"schema\""), quotedName(schema))
        .replace(QStringLiteral(":\"owner\""), quotedName(owner))
        .replace(QStringLiteral(":\"app\""), quotedName(app));
}

} // namespace

bool ScratchDatabase::postgresAvailable() { return !qEnvironmentVariableIsEmpty("KSIEGA_TEST_PG"); }

ScratchDatabase::ScratchDatabase(db::Engine engine, bool withSchema) {
    if (engine == db::Engine::Sqlite) {
        m_dir = std::make_unique<QTemporaryDir>();
        m_url = QStringLiteral("sqlite:") + m_dir->filePath(QStringLiteral("test.db"));
        m_db = db::Database::open(m_url);
        if (withSchema) db::createSchema(*m_db);
        return;
    }
    static std::atomic<int> counter{0};
    m_schemaName = QStringLiteral("t%1_%2").arg(QCoreApplication::applicationPid()).arg(++counter);
    m_url = postgresUrl(PgRole::App, m_schemaName);
    const QString owning = ownerUrl(m_url);
    {
        auto owner = db::Database::open(postgresUrl(PgRole::Owner));
        // A schema left behind by a crashed run of the same pid is dropped first.
        owner->executeScript(QStringLiteral("DROP SCHEMA IF EXISTS %1 CASCADE").arg(m_schemaName));
        const QString ownerRole = QUrl(owning).userName(), appRole = QUrl(m_url).userName();
        if (ownerRole == appRole) owner->executeScript(QStringLiteral("CREATE SCHEMA %1").arg(m_schemaName));
        else owner->executeScript(schemaScript(m_schemaName, ownerRole, appRole));
    }
    if (withSchema) db::createSchema(*db::Database::open(owning));
    m_db = db::Database::open(m_url);
}

ScratchDatabase::~ScratchDatabase() {
    m_db.reset();
    if (!m_schemaName.isEmpty()) {
        try {
            db::Database::open(postgresUrl(PgRole::Owner))
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
