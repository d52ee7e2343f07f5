#include "support/SchemaOwner.h"
#include <QUrl>
#include <QUrlQuery>

namespace ksiega::test {

namespace {

QString withUser(const QString& url, const QString& user) {
    QUrl u(url);
    u.setUserName(user);
    return u.toString();
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

QString ownerUrl(const QString& url) {
    if (url.startsWith(QLatin1String("sqlite:"))) return url;
    return postgresUrl(PgRole::Owner, QUrlQuery(QUrl(url)).queryItemValue(QStringLiteral("schema")));
}

std::unique_ptr<db::Database> openAsOwner(const QString& url) { return db::Database::open(ownerUrl(url)); }

} // namespace ksiega::test
