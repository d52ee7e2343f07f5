#pragma once
// The options a command declares, and its command line parsed against them: options as
// "--name value" or "--name=value", flags as "--name", and positional words.
#include <QString>
#include <QStringList>
#include <map>
#include <optional>
#include <stdexcept>
#include <vector>

namespace ksiega::host {

// A usage or input error: printed to standard error, exit code 2.
class UsageError : public std::runtime_error {
public:
    explicit UsageError(const QString& m) : std::runtime_error(m.toStdString()) {}
};

struct Option {
    QString name;          // without "--"
    QString valueName;     // what the value looks like ("URL", "0|1"); empty for a flag
    QString help;
    bool isRequired = false;
    QString defaultValue;  // the value when the option is not given; empty for none

    static Option value(QString name, QString valueName, QString help) {
        return {std::move(name), std::move(valueName), std::move(help)};
    }
    static Option flag(QString name, QString help) { return {std::move(name), {}, std::move(help)}; }
    Option required() const {
        Option o = *this;
        o.isRequired = true;
        return o;
    }
    Option defaultsTo(QString v) const {
        Option o = *this;
        o.defaultValue = std::move(v);
        return o;
    }
    bool isFlag() const { return valueName.isEmpty(); }
    // "--name V", "[--name V]" or "[--name]" as the usage line shows it.
    QString usage() const;
};

using Options = std::vector<Option>;
Options operator+(Options a, const Options& b);

class Arguments {
public:
    // Throws UsageError for an undeclared option, a flag given a value, a value option
    // without its value, or a required option not given.
    Arguments(const QStringList& args, Options declared);

    // The value given, else the declared default, else none. Asking for an option that
    // the command did not declare is a programming error (std::logic_error).
    std::optional<QString> option(const QString& name) const;
    QString option(const QString& name, const QString& fallback) const;
    // Given on the command line (a default does not count).
    bool given(const QString& name) const;
    bool flag(const QString& name) const;
    const QStringList& positional() const { return m_positional; }
    const Options& declared() const { return m_declared; }

private:
    const Option& declaration(const QString& name) const;

    Options m_declared;
    std::map<QString, QString> m_values;
    QStringList m_flags;
    QStringList m_positional;
};

// The first positional word of a command line whose options are not all known yet:
// an undeclared option is taken to carry a value when the next word is not an option.
QString firstPositional(const QStringList& args, const Options& declared);

// Options many commands share.
namespace options {
Option database();   // --db URL
Option company();    // --company C
Option year();       // --year Y
Option user();       // --user LOGIN
Option workingDate(); // --date YYYY-MM-DD
Option currency();   // --currency X (PLN)
Option format();     // --format csv|json
Option account();    // --account A
Option whole();      // --whole 0|1 (1)
// --db, --company, --year, --user, --date: what a command's session is loaded from;
// with --company and --year required.
Options session();
Options sessionOfCompanyAndYear();
} // namespace options

} // namespace ksiega::host
