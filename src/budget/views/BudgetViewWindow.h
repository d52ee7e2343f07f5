#pragma once
// The window "Klasyfikacja budzetowa - Wydatki/Dochody": binds the tools, the filter tree,
// the list, the stepping and action buttons and the lower tabs to the controller. Control
// names are the window's own (LIST1, B_PLUS, B_FILTR_KLASYFIKACJI, ...).
#include "budget/views/BudgetViewController.h"
#include <QDialog>
class QTableView;
class QTableWidget;
class QListWidget;
class QComboBox;
class QCheckBox;
class QTabWidget;
class QLabel;
class QPushButton;

namespace ksiega::budget {

class BudgetViewWindow : public QDialog {
    Q_OBJECT
public:
    explicit BudgetViewWindow(BudgetViewController& controller, QWidget* parent = nullptr);
    // Shows the controller's state: tree, labels, icons, the current tab.
    void sync();

private:
    void fillTree();
    void showTabs();
    void after();
    static void fillPairs(QTableWidget* table, const std::vector<std::pair<QString, QString>>& pairs);

    BudgetViewController& m_c;
    QTableView* m_list = nullptr;
    QListWidget* m_tree = nullptr;
    QComboBox* m_sort = nullptr;
    QCheckBox* m_marked = nullptr;
    QTabWidget* m_sheet = nullptr;
    QTableWidget* m_summary = nullptr;
    QTableWidget* m_properties = nullptr;
    QTableWidget* m_dictionaries = nullptr;
    QWidget* m_taskTab = nullptr;
    QLabel* m_active = nullptr;
    QPushButton* m_classification = nullptr;
    QPushButton* m_direction = nullptr;
    bool m_syncing = false;
};

} // namespace ksiega::budget
