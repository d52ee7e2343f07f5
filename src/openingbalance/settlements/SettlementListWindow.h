#pragma once
// The list "Rozrachunki dla konta: " + account: controls and layout over a
// SettlementListController.
#include "openingbalance/settlements/SettlementListController.h"
#include <QDialog>

class QLineEdit;
class QTableWidget;

namespace ksiega::openingbalance {

class SettlementListWindow : public QDialog {
    Q_OBJECT
public:
    SettlementListWindow(SettlementListController& controller, QWidget* parent = nullptr);

private:
    void redisplay(int select);
    int selected() const;

    SettlementListController& m_c;
    QTableWidget* m_list = nullptr;
    QLineEdit* m_sumWn = nullptr;
    QLineEdit* m_sumMa = nullptr;
};

// Runs the form as a modal dialog over `parent` (the list window, once it exists).
class DialogFormRunner : public FormRunner {
public:
    explicit DialogFormRunner(QWidget* parent) : m_parent(parent) {}
    void setParent(QWidget* parent) { m_parent = parent; }
    bool run(SettlementFormController& form) override;

private:
    QWidget* m_parent;
};

} // namespace ksiega::openingbalance
