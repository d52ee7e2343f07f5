#pragma once
// The window "BO w następnym roku obrotowym": a sheet of four pages (options, plan
// changes LIST1, problems LIST2, transfer report LIST3) and B_WYKONAJ / BUTTON7 below.
// It shows the controller's state and forwards the clicks; nothing else.
#include "closing/ClosingController.h"
#include <QDialog>

class QCheckBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QProgressBar;
class QPushButton;
class QRadioButton;
class QTabWidget;
class QTableWidget;
class QToolButton;

namespace ksiega::closing {

class ClosingWindow : public QDialog {
    Q_OBJECT
public:
    explicit ClosingWindow(ClosingController& controller, QWidget* parent = nullptr);
    ~ClosingWindow() override;
    // Re-reads the controller's state into the controls.
    void sync();

protected:
    bool event(QEvent* event) override;

private:
    QWidget* optionsPage();
    QWidget* planChangesPage();
    QWidget* problemsPage();
    QWidget* reportPage();
    void fillPlanChanges();
    void fillResults();

    ClosingController& m_c;
    QTabWidget* m_sheet = nullptr;
    QRadioButton* m_create = nullptr;
    QRadioButton* m_remove = nullptr;
    QGroupBox* m_rangeBox = nullptr;
    QRadioButton* m_all = nullptr;
    QRadioButton* m_chosen = nullptr;
    QCheckBox* m_skip = nullptr;
    QCheckBox* m_preview = nullptr;
    QLineEdit* m_chosenText = nullptr;
    QToolButton* m_picker = nullptr;
    QLabel* m_wait = nullptr;
    QProgressBar* m_progress = nullptr;
    QTableWidget* m_list1 = nullptr;
    QTableWidget* m_list2 = nullptr;
    QTableWidget* m_list3 = nullptr;
    QPushButton* m_execute = nullptr;
    QLabel* m_executeKey = nullptr;
    QPushButton* m_close = nullptr;
    bool m_syncing = false;
};

} // namespace ksiega::closing
