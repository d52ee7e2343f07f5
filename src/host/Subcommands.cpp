#include "host/Subcommands.h"
#include "platform/db/Schema.h"
#include <QDir>
#include <QStandardPaths>

namespace ksiega::host {

Arguments::Arguments(const QStringList& args, const QStringList& flagNames) {
    for (int i = 0; i < args.size(); ++i) {
        const QString& a = args[i];
        if (a.startsWith(QLatin1String("--"))) {
            const QString body = a.mid(2);
            const int eq = body.indexOf('=');
            if (eq >= 0) { m_options[body.left(eq)] = body.mid(eq + 1); continue; }
            if (flagNames.contains(body) || i + 1 >= args.size() || args[i + 1].startsWith(QLatin1String("--"))) {
                m_flags << body;
                continue;
            }
            m_options[body] = args[++i];
        } else {
            m_positional << a;
        }
    }
}

std::optional<QString> Arguments::option(const QString& name) const {
    auto it = m_options.find(name);
    if (it == m_options.end()) return std::nullopt;
    return it->second;
}

QString Arguments::option(const QString& name, const QString& fallback) const { return option(name).value_or(fallback); }
bool Arguments::flag(const QString& name) const { return m_flags.contains(name); }

QStringList Arguments::unknownOptions(const QStringList& known) const {
    QStringList unknown;
    for (const auto& [k, v] : m_options) if (!known.contains(k)) unknown << "--" + k;
    for (const QString& f : m_flags) if (!known.contains(f)) unknown << "--" + f;
    return unknown;
}

std::map<QString, Subcommand>& subcommands() {
    static std::map<QString, Subcommand> all;
    return all;
}

bool registerSubcommand(Subcommand command) {
    const QString name = command.name;
    subcommands()[name] = std::move(command);
    return true;
}

QString defaultDatabasePath() {
    if (!qEnvironmentVariableIsEmpty("KSIEGA_DB_PATH")) return qEnvironmentVariable("KSIEGA_DB_PATH");
    QString dir = QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation);
    if (dir.isEmpty()) dir = QDir::homePath() + "/.local/share";
    return dir + "/ksiega/ksiega-demo.db";
}

QString defaultDatabaseUrl() { return QStringLiteral("sqlite:") + defaultDatabasePath(); }

std::unique_ptr<db::Database> openDatabase(const Arguments& args) {
    auto db = db::Database::open(args.option(QStringLiteral("db"), defaultDatabaseUrl()));
    db::upgradeSchema(*db);
    return db;
}

int64_t companyArgument(db::Database& db, const Arguments& args) {
    const auto text = args.option(QStringLiteral("company"));
    if (!text) throw UsageError(QStringLiteral("--company is required (id_firmy)"));
    bool ok = false;
    const int64_t id = text->toLongLong(&ok);
    if (!ok || !db.scalarInt(QStringLiteral("select id_firmy from FIRMA where id_firmy=?"), {id}))
        throw UsageError(QStringLiteral("no company with id_firmy %1").arg(*text));
    return id;
}

int64_t yearArgument(db::Database& db, int64_t company, const Arguments& args) {
    const auto text = args.option(QStringLiteral("year"));
    if (!text) throw UsageError(QStringLiteral("--year is required (id_lata_obrot or the year, e.g. 2026)"));
    if (auto byName = db.scalarInt(
            QStringLiteral("select id_lata_obrot from LATA_OBROTOWE where id_firmy=? and rok_obrotowy=?"), {company, *text}))
        return *byName;
    bool ok = false;
    const int64_t id = text->toLongLong(&ok);
    if (ok) {
        if (auto byId = db.scalarInt(
                QStringLiteral("select id_lata_obrot from LATA_OBROTOWE where id_firmy=? and id_lata_obrot=?"), {company, id}))
            return *byId;
    }
    throw UsageError(QStringLiteral("company %1 has no fiscal year %2").arg(company).arg(*text));
}

} // namespace ksiega::host
