#include "support/TestDatabase.h"
#include "platform/db/DbError.h"
#include "platform/db/Schema.h"
#include <QCoreApplication>
#include <QFile>
#include <QUrl>
#include <QUrlQuery>
#include <atomic>

namespace ksiega::test {

namespace {

QString withUser(const QString& url, const QString& user) {
    QUrl u(url);
    u.setUserName(user);
    return u.toString();
}

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

QString postgresUrl(PgRole role, const QString& schema) {
    const QString app = qEnvironmentVariable("KSIEGA_TEST_PG");
    const bool madeByScript = QUrl(app).userName() == QLatin1String("ksiega_app");
    QString url = app;
    if (role == PgRole::Owner)
        url = qEnvironmentVariable("KSIEGA_TEST_PG_OWNER", madeByScript ? withUser(app, QStringLiteral("ksiega_owner")) : app);
    else if (role == PgRole::Superuser)
        url = qEnvironmentVariable("KSIEGA_TEST_PG_SUPERUSER", madeByScript ? withUser(app, QStringLiteral("postgres")) : app);
    QUrl u(url);
    QUrlQuery query(u);
    query.removeAllQueryItems(QStringLiteral("schema"));
    if (!schema.isEmpty()) query.addQueryItem(QStringLiteral("schema"), schema);
    u.setQuery(query);
    return u.toString();
}

bool ScratchDatabase::postgresAvailable() { return !qEnvironmentVariableIsEmpty("KSIEGA_TEST_PG"); }

ScratchDatabase::ScratchDatabase(db::Engine engine, bool withSchema) {
    if (engine == db::Engine::Sqlite) {
        m_dir = std::make_unique<QTemporaryDir>();
        m_url = QStringLiteral("sqlite:") + m_dir->filePath(QStringLiteral("test.db"));
        m_ownerUrl = m_url;
        m_db = db::Database::open(m_url);
        if (withSchema) db::createSchema(*m_db);
        return;
    }
    static std::atomic<int> counter{0};
    m_schemaName = QStringLiteral("t%1_%2").arg(QCoreApplication::applicationPid()).arg(++counter);
    m_url = postgresUrl(PgRole::App, m_schemaName);
    m_ownerUrl = postgresUrl(PgRole::Owner, m_schemaName);
    {
        auto owner = db::Database::open(postgresUrl(PgRole::Owner));
        // A schema left behind by a crashed run of the same pid is dropped first.
        owner->executeScript(QStringLiteral("DROP SCHEMA IF EXISTS %1 CASCADE").arg(m_schemaName));
        const QString ownerRole = QUrl(m_ownerUrl).userName(), appRole = QUrl(m_url).userName();
        if (ownerRole == appRole) owner->executeScript(QStringLiteral("CREATE SCHEMA %1").arg(m_schemaName));
        else owner->executeScript(schemaScript(m_schemaName, ownerRole, appRole));
    }
    if (withSchema) db::createSchema(*db::Database::open(m_ownerUrl));
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

db::Database& DbTest::ownerDb() {
    if (GetParam() == db::Engine::Sqlite) return db();
    if (!m_owner) m_owner = db::Database::open(ownerUrl());
    return *m_owner;
}

std::string engineName(const ::testing::TestParamInfo<db::Engine>& info) {
    return info.param == db::Engine::Sqlite ? "SQLite" : "PostgreSQL";
}

QString sourceDir() { return qEnvironmentVariable("KSIEGA_SOURCE_DIR", QStringLiteral(KSIEGA_SOURCE_DIR_DEFAULT)); }

QString fixturePath(const QString& name) {
    return sourceDir() + "/tests/fixtures/" + name;
}

} // namespace ksiega::test
