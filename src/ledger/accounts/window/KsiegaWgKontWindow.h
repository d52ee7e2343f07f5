#pragma once
// The view of "Księga główna": the account tree on the left, the entries (or the period
// turnovers) on the right with the previews below them, the tool buttons above and the
// buttons "Dokument", "Drukuj", "Zamknij". Every rule is the controller's.
#include "ledger/accounts/window/KsiegaWgKontController.h"
#include <QDialog>

class QCheckBox;
class QComboBox;
class QLineEdit;
class QPushButton;
class QSplitter;
class QStackedWidget;
class QTabWidget;
class QTableView;
class QTableWidget;
class QToolButton;

namespace ksiega::ui {
class AccountTreeWidget;
class ListViewBinding;
}

namespace ksiega::entries { class PreviewSheet; }

namespace ksiega::ledger {

class KsiegaWgKontWindow : public QDialog {
    Q_OBJECT
public:
    explicit KsiegaWgKontWindow(KsiegaWgKontController& controller, QWidget* parent = nullptr);
    ~KsiegaWgKontWindow() override;

    KsiegaWgKontController& controller() { return m_c; }
    // Shows the controller's state (after open() and after every action).
    void sync();
    // Chooses an account as a click on LIST2 does.
    void chooseAccount(const QString& account);

protected:
    void done(int result) override;

private:
    void build();
    void bindKeys();
    void restoreSplitters();
    void fillPeriods();
    void fillPreview();
    void fillSummary();
    void accountPopup(const QPoint& at);
    void afterEntriesChange();

    KsiegaWgKontController& m_c;
    ui::AccountTreeWidget* m_tree = nullptr;
    QLineEdit* m_accountName = nullptr;
    QComboBox* m_currency = nullptr;
    QComboBox* m_sort = nullptr;
    QToolButton* m_direction = nullptr;
    QLineEdit* m_locator = nullptr;
    QLineEdit* m_dateLocator = nullptr;
    QCheckBox* m_intuitive = nullptr;
    QToolButton* m_quick = nullptr;
    QToolButton* m_savedList = nullptr;
    QLineEdit* m_savedName = nullptr;
    QToolButton* m_saveFilter = nullptr;
    QToolButton* m_accountFilter = nullptr;
    QCheckBox* m_showMarked = nullptr;
    QCheckBox* m_showNames = nullptr;
    QToolButton* m_refresh = nullptr;
    QCheckBox* m_previews = nullptr;
    QCheckBox* m_periodsMode = nullptr;
    QStackedWidget* m_lists = nullptr;
    QTableView* m_entries = nullptr;
    QTableWidget* m_periods = nullptr;
    entries::PreviewSheet* m_sheet = nullptr;
    QSplitter* m_vsplit = nullptr;
    QSplitter* m_hsplit = nullptr;
    QPushButton* m_document = nullptr;
    QPushButton* m_print = nullptr;
    ui::ListViewBinding* m_binding = nullptr;
    bool m_syncing = false;
};

} // namespace ksiega::ledger
