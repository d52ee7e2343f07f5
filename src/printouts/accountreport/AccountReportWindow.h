#pragma once
// The window "Raport z konta": ranges, the entries of the current range, the summary.
// Every rule is the controller's; this class only shows it.
#include "printouts/accountreport/AccountReportController.h"
#include <QDialog>
#include <memory>

class QListWidget;
class QLineEdit;
class QTableView;
class QTableWidget;
class QRadioButton;
class QComboBox;

namespace ksiega::ui { class PagedListModel; }

namespace ksiega::printouts {

class AccountReportWindow : public QDialog {
    Q_OBJECT
public:
    AccountReportWindow(db::Database& db, std::unique_ptr<AccountReportController> controller, QWidget* parent = nullptr);
    ~AccountReportWindow() override;
    AccountReportController& controller() { return *m_controller; }

    // Shows the current range: its list row, name, entries and summary.
    void refresh();
    void addRange();      // ?B_DODAJ_G: UP_RAPORT_DLA_KONTA
    void editRange();     // double click on a range
    void removeRange();   // ?B_USUN_G
    void printReport();   // ?B_DRUKUJ

private:
    void fillRanges();
    void fillSummary();

    db::Database& m_db;
    std::unique_ptr<AccountReportController> m_controller;
    QListWidget* m_ranges = nullptr;
    QLineEdit* m_name = nullptr;
    QTableView* m_entries = nullptr;
    ui::PagedListModel* m_model = nullptr;
    QTableWidget* m_summary = nullptr;
    QRadioButton* m_byDocument = nullptr;
    QRadioButton* m_byPosting = nullptr;
    QComboBox* m_currency = nullptr;
};

} // namespace ksiega::printouts
