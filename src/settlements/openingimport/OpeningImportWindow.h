#pragma once
// The view of "BO - Import rozrachunków z programu TOVARIX": the settlement accounts on
// the left, the opening-balance settlements of the chosen account on the right with the
// "Podsumowanie" page below, "Dodaj", "Usuń", "Zamknij". Every rule is the controller's.
#include "settlements/openingimport/OpeningImportController.h"
#include <QDialog>

class QCheckBox;
class QComboBox;
class QLineEdit;
class QPushButton;
class QTabWidget;
class QTableView;
class QTableWidget;
class QToolButton;

namespace ksiega::ui {
class AccountTreeWidget;
class ListViewBinding;
}

namespace ksiega::settlements {

class OpeningImportWindow : public QDialog {
    Q_OBJECT
public:
    explicit OpeningImportWindow(OpeningImportController& controller, QWidget* parent = nullptr);
    ~OpeningImportWindow() override;

    OpeningImportController& controller() { return m_c; }
    void sync();
    void chooseAccount(const QString& account);

protected:
    void done(int result) override;

private:
    void build();
    void bindKeys();
    void afterListChange();
    void fillSummary();

    OpeningImportController& m_c;
    ui::AccountTreeWidget* m_tree = nullptr;
    QLineEdit* m_accountName = nullptr;
    QComboBox* m_sort = nullptr;
    QToolButton* m_direction = nullptr;
    QLineEdit* m_locator = nullptr;
    QLineEdit* m_dateLocator = nullptr;
    QCheckBox* m_intuitive = nullptr;
    QToolButton* m_refresh = nullptr;
    QCheckBox* m_previews = nullptr;
    QToolButton* m_quick = nullptr;
    QToolButton* m_accountFilter = nullptr;
    QTableView* m_list = nullptr;
    QTabWidget* m_sheet = nullptr;
    QTableWidget* m_summary = nullptr;
    ui::ListViewBinding* m_binding = nullptr;
    bool m_syncing = false;
};

} // namespace ksiega::settlements
