#pragma once
// The window "Dodawanie nowego dokumentu": it shows the controller's state and forwards
// the clicks.
#include "settlements/assignment/AssignmentController.h"
#include "settlements/shared/ChoiceWidgets.h"
#include <QDialog>

class QComboBox;
class QGridLayout;
class QLabel;
class QLineEdit;
class QTabWidget;

namespace ksiega::settlements {

class AssignmentWindow : public QDialog {
    Q_OBJECT
public:
    explicit AssignmentWindow(AssignmentController& controller, QWidget* parent = nullptr);
    ~AssignmentWindow() override;
    void sync();

private:
    QLineEdit* accountField(QWidget* parent, const char* name, const char* button, AccountSide side, QGridLayout* grid,
                            int row, const QString& label);

    AssignmentController& m_c;
    ChoiceWidgets* m_parts = nullptr;
    QTabWidget* m_sheet = nullptr;
    QLabel* m_journal = nullptr;
    QComboBox* m_type = nullptr;
    QLineEdit* m_opis = nullptr;
    QLineEdit* m_wn = nullptr;
    QLineEdit* m_ma = nullptr;
    bool m_syncing = false;
};

} // namespace ksiega::settlements
