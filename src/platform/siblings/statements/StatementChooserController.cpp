#include "platform/siblings/statements/StatementChooserController.h"

namespace ksiega::statements {

StatementChooserController::StatementChooserController(const QString& context)
    : m_statements(statementsFor(context)), m_current(m_statements.empty() ? -1 : 0) {}

void StatementChooserController::setCurrent(int index) {
    if (index >= 0 && index < int(m_statements.size())) m_current = index;
}

int StatementChooserController::accept() const {
    if (m_current < 0) return 0;
    return m_statements[size_t(m_current)].code;
}

} // namespace ksiega::statements
