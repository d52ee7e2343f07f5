#pragma once
// The view of "Bilans otwarcia": the currency, the tools, the page "&Zapisy" with the
// account tree LIST1 and its totals LIST4, the page "&Podsumowanie" with LIST3 and its
// totals, and the buttons. Every rule is the controller's.
#include "openingbalance/browse/OpeningBalanceController.h"
#include <QDialog>

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QTabWidget;
class QTableWidget;
class QToolButton;

namespace ksiega::openingbalance {

class OpeningBalanceWindow : public QDialog {
    Q_OBJECT
public:
    explicit OpeningBalanceWindow(OpeningBalanceController& controller, QWidget* parent = nullptr);
    ~OpeningBalanceWindow() override;

    OpeningBalanceController& controller() { return m_c; }
    // Shows the controller's state.
    void sync();
    // The rows of LIST1 as shown: index into the controller's rows per line.
    const std::vector<int>& shownRows() const { return m_shown; }

private:
    void build();
    void bindKeys();
    void fillList();
    void fillTotals();
    void fillSummary();
    void refresh();
    void sortByColumn(int column);

    OpeningBalanceController& m_c;
    QComboBox* m_currency = nullptr;
    QToolButton* m_direction = nullptr;
    QToolButton* m_filter = nullptr;
    QCheckBox* m_aggregate = nullptr;
    QLineEdit* m_search = nullptr;
    QLabel* m_wait = nullptr;
    QTabWidget* m_pages = nullptr;
    QTableWidget* m_list = nullptr;
    QTableWidget* m_totals = nullptr;
    QTableWidget* m_summary = nullptr;
    QLineEdit* m_withDt = nullptr;
    QLineEdit* m_withCt = nullptr;
    QLineEdit* m_withoutDt = nullptr;
    QLineEdit* m_withoutCt = nullptr;
    QPushButton* m_print = nullptr;
    QPushButton* m_correct = nullptr;
    QPushButton* m_vat = nullptr;
    std::vector<int> m_shown;
    bool m_syncing = false;
};

} // namespace ksiega::openingbalance
