#include "host/CommandOptions.h"

namespace ksiega::host {

QString Option::usage() const {
    const QString text = "--" + name + (isFlag() ? QString() : ' ' + valueName);
    return isRequired ? text : '[' + text + ']';
}

Options operator+(Options a, const Options& b) {
    a.insert(a.end(), b.begin(), b.end());
    return a;
}

namespace {

const Option* findOption(const Options& declared, const QString& name) {
    for (const Option& o : declared)
        if (o.name == name) return &o;
    return nullptr;
}

bool isOptionWord(const QString& word) { return word.startsWith(QLatin1String("--")) && word.size() > 2; }

} // namespace

Arguments::Arguments(const QStringList& args, Options declared) : m_declared(std::move(declared)) {
    for (int i = 0; i < args.size(); ++i) {
        const QString& word = args[i];
        if (!isOptionWord(word)) {
            m_positional << word;
            continue;
        }
        const QString body = word.mid(2);
        const int eq = body.indexOf('=');
        const QString name = eq >= 0 ? body.left(eq) : body;
        const Option* o = findOption(m_declared, name);
        if (!o) throw UsageError(QStringLiteral("unknown option --%1").arg(name));
        if (o->isFlag()) {
            if (eq >= 0) throw UsageError(QStringLiteral("--%1 takes no value").arg(name));
            if (!m_flags.contains(name)) m_flags << name;
            continue;
        }
        if (eq >= 0) {
            m_values[name] = body.mid(eq + 1);
            continue;
        }
        if (i + 1 >= args.size() || isOptionWord(args[i + 1]))
            throw UsageError(QStringLiteral("--%1 needs a value (%2)").arg(name, o->valueName));
        m_values[name] = args[++i];
    }
    for (const Option& o : m_declared)
        if (o.isRequired && !given(o.name)) throw UsageError(QStringLiteral("--%1 is required (%2)").arg(o.name, o.valueName));
}

const Option& Arguments::declaration(const QString& name) const {
    const Option* o = findOption(m_declared, name);
    if (!o) throw std::logic_error(("the command reads --" + name + " without declaring it").toStdString());
    return *o;
}

std::optional<QString> Arguments::option(const QString& name) const {
    const Option& o = declaration(name);
    auto it = m_values.find(name);
    if (it != m_values.end()) return it->second;
    if (!o.defaultValue.isEmpty()) return o.defaultValue;
    return std::nullopt;
}

QString Arguments::option(const QString& name, const QString& fallback) const { return option(name).value_or(fallback); }

bool Arguments::given(const QString& name) const {
    const Option& o = declaration(name);
    return o.isFlag() ? m_flags.contains(name) : m_values.count(name) > 0;
}

bool Arguments::flag(const QString& name) const {
    declaration(name);
    return m_flags.contains(name);
}

QString firstPositional(const QStringList& args, const Options& declared) {
    for (int i = 0; i < args.size(); ++i) {
        const QString& word = args[i];
        if (!isOptionWord(word)) return word;
        if (word.contains('=')) continue;
        const Option* o = findOption(declared, word.mid(2));
        const bool takesValue = o ? !o->isFlag() : (i + 1 < args.size() && !isOptionWord(args[i + 1]));
        if (takesValue) ++i;
    }
    return {};
}

namespace options {
Option database() { return Option::value("db", "URL", "sqlite:PATH or postgresql://user@host:port/db (default: the demo database)"); }
Option company() { return Option::value("company", "C", "the company, id_firmy"); }
Option year() { return Option::value("year", "Y", "the fiscal year, id_lata_obrot or its name (2026)"); }
Option user() { return Option::value("user", "LOGIN", "the user (default: the first administrator)"); }
Option workingDate() { return Option::value("date", "YYYY-MM-DD", "the working date (default: today)"); }
Option currency() { return Option::value("currency", "X", "the currency, a three-letter symbol").defaultsTo("PLN"); }
Option format() { return Option::value("format", "csv|json", "machine output").defaultsTo("csv"); }
Option account() { return Option::value("account", "A", "the account number"); }
Option whole() { return Option::value("whole", "0|1", "1: with the sub-accounts, 0: the account alone").defaultsTo("1"); }
Options session() { return {database(), company(), year(), user(), workingDate()}; }
Options sessionOfCompanyAndYear() { return {database(), company().required(), year().required(), user(), workingDate()}; }
} // namespace options

} // namespace ksiega::host
