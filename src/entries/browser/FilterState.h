#pragma once
// The person's own narrowing of an entry list: the quick filter and the saved filter
// chosen from the list of filters, with the window's rule for how the two combine.
#include <QString>

namespace ksiega::entries {

enum class FilterPrecedence {
    // Both apply: a saved filter narrows the list and the quick filter narrows it further
    // ("Księga główna"); "Zapisz filtr" saves the quick filter.
    SavedAndQuick,
    // The filter chosen last replaces the other ("Przeglądanie stanu kont"); "Zapisz filtr"
    // saves the one in force.
    LastChosen,
};

class FilterState {
public:
    // The quick filter and the saved filter take at most this many characters.
    static constexpr int kMaxExpression = 3000;

    explicit FilterState(FilterPrecedence precedence) : m_precedence(precedence) {}

    // What the quick-filter window returned ("" = cancelled or cleared: no quick filter).
    void setQuick(const QString& expression);
    // A filter chosen from the list ("" expression = none).
    void setSaved(const QString& name, const QString& expression);

    FilterPrecedence precedence() const { return m_precedence; }
    bool quickOn() const { return m_quickOn; }
    const QString& quickText() const { return m_quick; }
    const QString& savedName() const { return m_savedName; }
    const QString& savedExpression() const { return m_saved; }
    // The saved filter is in force.
    bool savedActive() const;

    // The expressions the entry filter joins: the saved one (when in force) and the quick
    // one (when in force), each "" when not.
    QString savedInForce() const;
    QString quickInForce() const;
    // One expression for windows that join a single active filter.
    QString active() const;
    // What "Zapisz filtr" stores.
    QString toSave() const;
    // "~filtr_on.ico" while the quick filter narrows the list, else "~filtr.ico".
    QString quickIcon() const;

private:
    FilterPrecedence m_precedence;
    bool m_quickOn = false;
    QString m_quick;
    QString m_savedName, m_saved;
    bool m_savedChosenLast = false;
};

} // namespace ksiega::entries
