#pragma once
// The window "Raport z konta": ranges, the entries of the current range with their sort
// and locators, the summary and the current entry's preview. Every rule is the
// controller's; this class only shows it and binds the controls to it.
#include "printouts/accountreport/AccountReportController.h"
#include <QDialog>
#include <memory>

class QCheckBox;
class QComboBox;
class QLineEdit;
class QListWidget;
class QPushButton;
class QRadioButton;
class QTabWidget;
class QTableView;
class QTableWidget;
class QToolButton;

namespace ksiega::printouts {

class AccountReportWindow : public QDialog {
    Q_OBJECT
public:
    AccountReportWindow(db::Database& db, std::unique_ptr<AccountReportController> controller, QWidget* parent = nullptr);
    ~AccountReportWindow() override;
    AccountReportController& controller() { return *m_controller; }

    // Shows the controller's state: the ranges, name, sort, entries, summary, preview.
    void refresh();
    void addRange();      // ?B_DODAJ_G: UP_RAPORT_DLA_KONTA
    void editRange();     // double click on a range
    void removeRange();   // ?B_USUN_G
    void printReport();   // ?B_DRUKUJ
    void showDocument();  // ?B_POKAZ, double click on LIST1

private:
    void build();
    void bindKeys();
    void fillRanges();
    void fillSort();
    void fillSummary();
    void fillPreview();

    db::Database& m_db;
    std::unique_ptr<AccountReportController> m_controller;
    QListWidget* m_ranges = nullptr;
    QLineEdit* m_name = nullptr;
    QTableView* m_entries = nullptr;
    QTabWidget* m_sheet = nullptr;
    QTableWidget* m_summary = nullptr;
    QTableWidget* m_preview = nullptr;
    QRadioButton* m_byDocument = nullptr;
    QRadioButton* m_byPosting = nullptr;
    QComboBox* m_currency = nullptr;
    QComboBox* m_sort = nullptr;
    QToolButton* m_direction = nullptr;
    QLineEdit* m_locator = nullptr;
    QLineEdit* m_dateLocator = nullptr;
    QCheckBox* m_previewSwitch = nullptr;
    bool m_syncing = false;
};

} // namespace ksiega::printouts
