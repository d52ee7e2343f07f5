#pragma once
// The view of "Przeglądanie stanu kont": the period list on the left, the entries or the
// turnovers on the right with the previews below, the tools above and the buttons
// "Dokument", "Drukuj", "Zamknij". Every rule is the controller's.
#include "ledger/periods/KsiegaWgOkresowController.h"
#include <QDialog>

class QCheckBox;
class QComboBox;
class QLineEdit;
class QListWidget;
class QPushButton;
class QSplitter;
class QTabWidget;
class QTableView;
class QTableWidget;
class QToolButton;

namespace ksiega::ui { class ListViewBinding; }
namespace ksiega::entries { class PreviewSheet; }

namespace ksiega::ledger {

class KsiegaWgOkresowWindow : public QDialog {
    Q_OBJECT
public:
    explicit KsiegaWgOkresowWindow(KsiegaWgOkresowController& controller, QWidget* parent = nullptr);
    ~KsiegaWgOkresowWindow() override;

    KsiegaWgOkresowController& controller() { return m_c; }
    // Shows the controller's state (after open() and after every action).
    void sync();

protected:
    void done(int result) override;

private:
    void build();
    void bindKeys();
    void fillPreview();
    void fillSummary();
    void after();

    KsiegaWgOkresowController& m_c;
    QListWidget* m_periods = nullptr;
    QComboBox* m_currency = nullptr;
    QComboBox* m_sort = nullptr;
    QToolButton* m_direction = nullptr;
    QToolButton* m_quick = nullptr;
    QToolButton* m_savedList = nullptr;
    QLineEdit* m_savedName = nullptr;
    QToolButton* m_saveFilter = nullptr;
    QCheckBox* m_showMarked = nullptr;
    QCheckBox* m_showNames = nullptr;
    QCheckBox* m_previews = nullptr;
    QCheckBox* m_viewMode = nullptr;
    QTabWidget* m_lists = nullptr;
    QTableView* m_entries = nullptr;
    QTableView* m_turnovers = nullptr;
    entries::PreviewSheet* m_sheet = nullptr;
    QSplitter* m_vsplit = nullptr;
    QPushButton* m_document = nullptr;
    QPushButton* m_print = nullptr;
    bool m_syncing = false;
};

} // namespace ksiega::ledger
