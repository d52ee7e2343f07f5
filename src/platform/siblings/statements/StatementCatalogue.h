#pragma once
// Which statements a window may print: the statement library's catalogue, by the
// context name the window hands over ("KSIEGA_K_1" ledger by accounts, entries;
// "KSIEGA_K_2" its period turnovers; "KSIEGA_O_1" / "KSIEGA_O_2" ledger by periods,
// entries / account turnovers; "KSIEGA_R" report for account). Each statement is a
// report code and its name. An unknown context has no statements.
#include <QString>
#include <vector>

namespace ksiega::statements {

struct Statement {
    int code = 0;
    QString name;
};

std::vector<Statement> statementsFor(const QString& context);

} // namespace ksiega::statements
