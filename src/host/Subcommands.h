#pragma once
// Command-line subcommands of the ksiega executable. Each lives in its own file and
// registers itself with KSIEGA_SUBCOMMAND, declaring its options once: parsing, the
// refusal of anything undeclared and `ksiega help COMMAND` all come from that declaration.
#include "host/CommandOptions.h"
#include "platform/db/Database.h"
#include "platform/runtime/Registry.h"
#include <functional>

namespace ksiega::host {

struct Subcommand {
    QString name;
    QString summary;      // what the command does, one line
    QString positional;   // the words it takes besides options ("NAME", "FILE.csv"), for the usage line
    Options options;
    std::function<int(const Arguments&)> run;
    // Options that come with the first positional word (a report's own options). Throws
    // UsageError for a word the command does not know.
    std::function<Options(const QString& word)> optionsFor = {};
    // Further help text after the options (e.g. the reports and their options).
    std::function<QString()> moreHelp = {};
};

Registry<Subcommand>& subcommands();
// Throws std::logic_error for a name already registered.
bool registerSubcommand(Subcommand command);

// The command's arguments parsed against its declaration (and the options of its first
// positional word). Throws UsageError.
Arguments parseArguments(const Subcommand& command, const QStringList& args);
// Parses and runs the named command. Throws UsageError for an unknown name.
int runSubcommand(const QString& name, const QStringList& args);

// "entries --company C --year Y [--whole 0|1] ...": the usage line built from the declaration.
QString usageLine(const Subcommand& command);
// The usage line, the summary and one line per option with its help text.
QString commandHelp(const Subcommand& command);

// The embedded demo database: a file in the user's data folder.
QString defaultDatabasePath();
QString defaultDatabaseUrl();
// --company as id_firmy (must exist).
int64_t companyArgument(db::Database& db, const Arguments& args);
// --year as id_lata_obrot or as the year's name (rok_obrotowy) of the company.
int64_t yearArgument(db::Database& db, int64_t company, const Arguments& args);

} // namespace ksiega::host

#define KSIEGA_SUBCOMMAND_CAT2(a, b) a##b
#define KSIEGA_SUBCOMMAND_CAT(a, b) KSIEGA_SUBCOMMAND_CAT2(a, b)
#define KSIEGA_SUBCOMMAND(...) \
    static const bool KSIEGA_SUBCOMMAND_CAT(registered_, __LINE__) = ::ksiega::host::registerSubcommand({__VA_ARGS__})
