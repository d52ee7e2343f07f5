#pragma once
// The window of BT_SZYBKI_FILTR: binds its controls to the controller. In export mode the
// tab "Podstawowe" holds the export form and the controls that do not apply are hidden.
#include "budget/quickfilter/BudgetQuickFilterController.h"
#include <QDialog>
#include <array>

class QButtonGroup;
class QCheckBox;
class QComboBox;
class QDateEdit;
class QLabel;
class QLineEdit;
class QListWidget;
class QRadioButton;
class QSpinBox;

namespace ksiega::budget {

class BudgetQuickFilterDialog : public QDialog {
    Q_OBJECT
public:
    explicit BudgetQuickFilterDialog(BudgetQuickFilterController& controller, QWidget* parent = nullptr);
    BudgetQuickFilterController& controller() { return m_c; }

private:
    QWidget* exportTab();
    QWidget* classificationTab();
    QWidget* listsTab();
    QWidget* accountsTab();
    QWidget* datesTab();
    void showChoice();
    void takeChoice();
    void fillList(FilterList list);
    void fillExportPeriods();
    QListWidget* listOf(FilterList list) const;
    void selectControl(const QString& name);

    BudgetQuickFilterController& m_c;
    bool m_showing = false;   // controls being filled: their signals change nothing
    // export form
    QComboBox *m_exportSide = nullptr, *m_format = nullptr, *m_rounding = nullptr;
    QRadioButton *m_quarters = nullptr, *m_months = nullptr;
    QListWidget* m_exportPeriods = nullptr;
    QCheckBox *m_inQuarter = nullptr, *m_inYear = nullptr;
    QLineEdit *m_kw = nullptr, *m_kp = nullptr, *m_kg = nullptr, *m_tg = nullptr, *m_tp = nullptr;
    QLineEdit *m_regon1 = nullptr, *m_regon2 = nullptr, *m_jb = nullptr, *m_folder = nullptr;
    QDateEdit* m_reportDate = nullptr;
    // filter
    std::array<QCheckBox*, ExpenditureFlagCount> m_w{};
    std::array<QCheckBox*, RevenueFlagCount> m_d{};
    QButtonGroup* m_classification = nullptr;
    std::array<QLineEdit*, 4> m_parts{};
    std::array<QCheckBox*, 4> m_any{};
    QLineEdit* m_chosen = nullptr;
    QComboBox* m_year = nullptr;
    QListWidget *m_journals = nullptr, *m_periods = nullptr, *m_types = nullptr;
    QCheckBox *m_dt = nullptr, *m_ct = nullptr;
    QButtonGroup* m_account = nullptr;
    QLineEdit *m_from = nullptr, *m_to = nullptr, *m_mask = nullptr, *m_single = nullptr;
    QComboBox *m_docChoice = nullptr, *m_postChoice = nullptr;
    QDateEdit *m_doc1 = nullptr, *m_doc2 = nullptr, *m_post1 = nullptr, *m_post2 = nullptr;
};

} // namespace ksiega::budget
