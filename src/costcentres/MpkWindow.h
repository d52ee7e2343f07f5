#pragma once
// The window "MPK": binds the list, the filter tree, the tools and the two tabs to the
// controller.
#include "costcentres/MpkViewController.h"
#include <QDialog>
class QTableView;
class QTableWidget;
class QListWidget;
class QComboBox;
class QCheckBox;
class QTabWidget;

namespace ksiega::costcentres {

class MpkWindow : public QDialog {
    Q_OBJECT
public:
    explicit MpkWindow(MpkViewController& controller, QWidget* parent = nullptr);

private:
    void fillTree();
    void showTabs();
    void fillPairs(QTableWidget* table, const std::vector<std::pair<QString, QString>>& pairs);

    MpkViewController& m_c;
    QTableView* m_list = nullptr;
    QListWidget* m_tree = nullptr;
    QComboBox* m_sort = nullptr;
    QCheckBox* m_marked = nullptr;
    QTabWidget* m_sheet = nullptr;
    QTableWidget* m_summary = nullptr;
    QTableWidget* m_properties = nullptr;
};

} // namespace ksiega::costcentres
