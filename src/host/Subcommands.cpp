#include "host/Subcommands.h"
#include <QDir>
#include <QStandardPaths>

namespace ksiega::host {

Registry<Subcommand>& subcommands() {
    static Registry<Subcommand> all(QStringLiteral("subcommand"));
    return all;
}

bool registerSubcommand(Subcommand command) {
    const QString name = command.name;
    subcommands().add(name, std::move(command));
    return true;
}

Arguments parseArguments(const Subcommand& command, const QStringList& args) {
    Options declared = command.options;
    if (command.optionsFor) declared = declared + command.optionsFor(firstPositional(args, command.options));
    return Arguments(args, std::move(declared));
}

int runSubcommand(const QString& name, const QStringList& args) {
    const Subcommand* command = subcommands().find(name);
    if (!command) throw UsageError(QStringLiteral("unknown command '%1'").arg(name));
    return command->run(parseArguments(*command, args));
}

QString usageLine(const Subcommand& command) {
    QStringList words{command.name};
    if (!command.positional.isEmpty()) words << command.positional;
    for (const Option& o : command.options) words << o.usage();
    return words.join(' ');
}

QString commandHelp(const Subcommand& command) {
    QString text = QStringLiteral("usage: ksiega %1\n%2\n").arg(usageLine(command), command.summary);
    if (!command.options.empty()) text += QStringLiteral("\noptions:\n");
    for (const Option& o : command.options) {
        QString line = QStringLiteral("  --%1%2").arg(o.name, o.isFlag() ? QString() : ' ' + o.valueName);
        line = line.leftJustified(28) + ' ' + o.help;
        if (o.isRequired) line += QStringLiteral(" (required)");
        else if (!o.defaultValue.isEmpty()) line += QStringLiteral(" (default %1)").arg(o.defaultValue);
        text += line + '\n';
    }
    if (command.moreHelp) text += '\n' + command.moreHelp();
    return text;
}

QString defaultDatabasePath() {
    if (!qEnvironmentVariableIsEmpty("KSIEGA_DB_PATH")) return qEnvironmentVariable("KSIEGA_DB_PATH");
    QString dir = QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation);
    if (dir.isEmpty()) dir = QDir::homePath() + "/.local/share";
    return dir + "/ksiega/ksiega-demo.db";
}

QString defaultDatabaseUrl() { return QStringLiteral("sqlite:") + defaultDatabasePath(); }



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
