#pragma once
// The statement chooser's rules: the statements of the context, the current one (the
// first at opening), and the answer: the current statement's report code, or 0 when the
// person cancels or the context has nothing to print.
#include "platform/siblings/statements/StatementCatalogue.h"

namespace ksiega::statements {

class StatementChooserController {
public:
    explicit StatementChooserController(const QString& context);

    const std::vector<Statement>& statements() const { return m_statements; }
    bool isEmpty() const { return m_statements.empty(); }
    int current() const { return m_current; }
    void setCurrent(int index);

    int accept() const;
    int cancel() const { return 0; }

private:
    std::vector<Statement> m_statements;
    int m_current = -1;
};

} // namespace ksiega::statements
