#pragma once
// The stand-in window of UP_BUDZET_DANE: the symbol, the side and the senses of one budget
// line; "Zapisz" saves through BudgetLineEditor, "Anuluj" leaves it.
#include "platform/siblings/budget/BudgetLineEditor.h"
#include <QDialog>

class QCheckBox;
class QComboBox;
class QLineEdit;

namespace ksiega::siblings {

class BudgetLineDialog : public QDialog {
    Q_OBJECT
public:
    BudgetLineDialog(BudgetLineEditor& editor, BudgetLineData line, QWidget* parent = nullptr);
    bool saved() const { return m_saved; }

private:
    void save();
    BudgetLineEditor& m_editor;
    BudgetLineData m_line;
    QLineEdit* m_symbol = nullptr;
    QComboBox* m_side = nullptr;
    std::array<QCheckBox*, SenseCount> m_senses{};
    bool m_saved = false;
};

} // namespace ksiega::siblings
