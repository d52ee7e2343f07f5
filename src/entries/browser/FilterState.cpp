#include "entries/browser/FilterState.h"

namespace ksiega::entries {

void FilterState::setQuick(const QString& expression) {
    m_quick = expression.left(kMaxExpression);
    m_quickOn = !m_quick.trimmed().isEmpty();
    if (m_quickOn) m_savedChosenLast = false;
}

void FilterState::setSaved(const QString& name, const QString& expression) {
    m_savedName = name;
    m_saved = expression.left(kMaxExpression);
    m_savedChosenLast = !m_saved.trimmed().isEmpty();
}

bool FilterState::savedActive() const {
    if (m_saved.trimmed().isEmpty()) return false;
    return m_precedence == FilterPrecedence::SavedAndQuick || m_savedChosenLast;
}

QString FilterState::savedInForce() const { return savedActive() ? m_saved : QString(); }

QString FilterState::quickInForce() const {
    if (!m_quickOn) return {};
    if (m_precedence == FilterPrecedence::LastChosen && m_savedChosenLast) return {};
    return m_quick;
}

QString FilterState::active() const {
    const QString saved = savedInForce();
    return saved.isEmpty() ? quickInForce() : saved;
}

QString FilterState::toSave() const {
    return m_precedence == FilterPrecedence::SavedAndQuick ? quickInForce() : active();
}

QString FilterState::quickIcon() const {
    return quickInForce().trimmed().isEmpty() ? QStringLiteral("~filtr.ico") : QStringLiteral("~filtr_on.ico");
}

} // namespace ksiega::entries
