// Options declared once per command: the parser and the refusal of anything undeclared
// follow the declaration; the command lines of README.md stay valid.
#include "host/Subcommands.h"
#include <gtest/gtest.h>

using namespace ksiega::host;

namespace {

const Options kDeclared{Option::value("db", "URL", "database"), Option::value("company", "C", "company").required(),
                        Option::value("whole", "0|1", "whole").defaultsTo("1"), Option::flag("summary", "summary")};

} // namespace

TEST(CommandOptions, parsesValuesFlagsDefaultsAndPositionalWords) {
    const Arguments a({"NAME", "--company", "2", "--db=sqlite:/x=y.db", "--summary", "FILE"}, kDeclared);
    EXPECT_EQ(a.option("company"), QString("2"));
    EXPECT_EQ(a.option("db"), QString("sqlite:/x=y.db"));
    EXPECT_EQ(a.option("whole"), QString("1"));   // the declared default
    EXPECT_FALSE(a.given("whole"));
    EXPECT_TRUE(a.flag("summary"));
    EXPECT_EQ(a.positional(), (QStringList{"NAME", "FILE"}));

    const Arguments b({"--company", "2", "--whole", "0"}, kDeclared);
    EXPECT_EQ(b.option("whole"), QString("0"));
    EXPECT_FALSE(b.flag("summary"));
    EXPECT_EQ(b.option("db"), std::nullopt);
    // Reading an option the command never declared is a fault of the command.
    EXPECT_THROW(b.option("year"), std::logic_error);
}

TEST(CommandOptions, refusesWhatTheDeclarationDoesNotAllow) {
    EXPECT_THROW(Arguments({"--company", "2", "--zakres", "1"}, kDeclared), UsageError);   // undeclared
    EXPECT_THROW(Arguments({"--company", "2", "--summary=1"}, kDeclared), UsageError);     // a flag with a value
    EXPECT_THROW(Arguments({"--company", "2", "--db"}, kDeclared), UsageError);            // value missing at the end
    EXPECT_THROW(Arguments({"--db", "--company", "2"}, kDeclared), UsageError);            // value missing before an option
    EXPECT_THROW(Arguments({"--db", "sqlite:x"}, kDeclared), UsageError);                  // required not given
}

TEST(CommandOptions, firstPositionalWordIsFoundBeforeTheWordsOptionsAreKnown) {
    EXPECT_EQ(firstPositional({"--db", "x", "--account", "130", "PRN", "--pdf", "f"}, kDeclared), QString("PRN"));
    EXPECT_EQ(firstPositional({"--summary", "PRN"}, kDeclared), QString("PRN"));
    EXPECT_EQ(firstPositional({"--db=x", "--summary"}, kDeclared), QString());
}

// Each command line of README.md's table (with every option it shows) parses against
// the command's declaration.
TEST(CommandOptions, documentedCommandLinesParse) {
    const std::vector<std::pair<QString, QStringList>> documented = {
        {"demo", {"--db", "sqlite:/tmp/d.db", "--force"}},
        {"demo", {"--lines", "1000", "--seed", "7", "--db", "sqlite:/tmp/d.db"}},
        {"import", {"--db", "sqlite:/tmp/d.db", "--company", "1", "--year", "2026", "a.csv", "--create-accounts"}},
        {"recompute", {"--company", "1", "--year", "2026"}},
        {"turnovers", {"--company", "1", "--year", "2026", "--account", "130", "--whole", "0", "--currency", "EUR", "--format", "json"}},
        {"trial-balance", {"--company", "1", "--year", "2026", "--period", "2026-03", "--currency", "EUR", "--format", "csv"}},
        {"entries", {"--company", "1", "--year", "2026", "--account", "130", "--whole", "1", "--currency", "PLN", "--filter",
                     "PDU:opis='x'", "--sort", "3", "--limit", "5", "--format", "json", "--summary"}},
        {"report", {"PRN_62_KSIEGA_K", "--company", "1", "--year", "2026", "--account", "130-01", "--whole", "0",
                    "--currency", "EUR", "--title", "T", "--pdf", "a.pdf"}},
        {"report", {"WYDRUK_KSIEGA", "--company", "1", "--year", "2026", "--params", "68,0,0,1,1,T", "--filter", "F",
                    "--title", "T", "--currency", "PLN", "--text", "a.txt"}},
        {"report", {"RAPORT_DLA_KONTA", "--company", "1", "--year", "2026", "--account", "130-01", "--from", "2026-01-01",
                    "--to", "2026-03-31", "--date-kind", "1", "--currency", "PLN", "--code", "66", "--png", "a.png"}},
        {"shot", {"KSIEGA_WG_KONT", "--account", "130-01", "--out", "a.png"}},
        {"gui", {"--db", "sqlite:/tmp/d.db", "--company", "1", "--year", "2026", "--user", "admin"}},
        {"demo-path", {}},
    };
    for (const auto& [name, args] : documented) {
        const Subcommand* command = subcommands().find(name);
        ASSERT_NE(command, nullptr) << name.toStdString();
        EXPECT_NO_THROW(parseArguments(*command, args)) << name.toStdString() << " " << args.join(' ').toStdString();
    }
    // A report's own options belong to that report only.
    EXPECT_THROW(parseArguments(*subcommands().find("report"),
                                {"WYDRUK_KSIEGA", "--company", "1", "--year", "2026", "--account", "1", "--pdf", "a"}),
                 UsageError);
}
