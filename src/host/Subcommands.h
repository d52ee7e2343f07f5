#pragma once
// Command-line subcommands of the ksiega executable. Each lives in its own file and
// registers itself with KSIEGA_SUBCOMMAND; main() dispatches on the first argument.
#include "platform/db/Database.h"
#include <QStringList>
#include <functional>
#include <map>
#include <optional>

namespace ksiega::host {

// Options as "--name value" or "--name=value", flags as "--name", and positional words.
class Arguments {
public:
    explicit Arguments(const QStringList& args, const QStringList& flagNames = {});
    std::optional<QString> option(const QString& name) const;
    QString option(const QString& name, const QString& fallback) const;
    bool flag(const QString& name) const;
    const QStringList& positional() const { return m_positional; }
    // Options that no subcommand reads are an error; call after reading.
    QStringList unknownOptions(const QStringList& known) const;

private:
    std::map<QString, QString> m_options;
    QStringList m_flags;
    QStringList m_positional;
};

// A usage or input error: printed to standard error, exit code 2.
class UsageError : public std::runtime_error {
public:
    explicit UsageError(const QString& m) : std::runtime_error(m.toStdString()) {}
};

struct Subcommand {
    QString name;
    QString usage;
    std::function<int(const Arguments&)> run;
    QStringList flagNames;
};

std::map<QString, Subcommand>& subcommands();
bool registerSubcommand(Subcommand command);

// The embedded demo database: a file in the user's data folder.
QString defaultDatabasePath();
QString defaultDatabaseUrl();
// --db or the embedded database, opened.
std::unique_ptr<db::Database> openDatabase(const Arguments& args);
// --company as id_firmy (must exist).
int64_t companyArgument(db::Database& db, const Arguments& args);
// --year as id_lata_obrot or as the year's name (rok_obrotowy) of the company.
int64_t yearArgument(db::Database& db, int64_t company, const Arguments& args);

} // namespace ksiega::host

#define KSIEGA_SUBCOMMAND_CAT2(a, b) a##b
#define KSIEGA_SUBCOMMAND_CAT(a, b) KSIEGA_SUBCOMMAND_CAT2(a, b)
#define KSIEGA_SUBCOMMAND(...) \
    static const bool KSIEGA_SUBCOMMAND_CAT(registered_, __LINE__) = ::ksiega::host::registerSubcommand({__VA_ARGS__})
