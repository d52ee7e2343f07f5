#pragma once
// The window "Filtr" of the cost-centre view: binds its controls to the controller.
#include "costcentres/MpkQuickFilterController.h"
#include <QDialog>
class QComboBox;
class QListWidget;
class QCheckBox;
class QLineEdit;
class QButtonGroup;
class QDateEdit;

namespace ksiega::costcentres {

class MpkQuickFilterDialog : public QDialog {
    Q_OBJECT
public:
    explicit MpkQuickFilterDialog(MpkQuickFilterController& controller, QWidget* parent = nullptr);

private:
    void showChoice();
    void takeChoice();
    void fillList(MarkList list);
    QListWidget* listOf(MarkList list) const;

    MpkQuickFilterController& m_c;
    QComboBox* m_year = nullptr;
    QListWidget* m_journals = nullptr;
    QListWidget* m_periods = nullptr;
    QListWidget* m_types = nullptr;
    QCheckBox* m_dt = nullptr;
    QCheckBox* m_ct = nullptr;
    QButtonGroup* m_account = nullptr;
    QLineEdit *m_from = nullptr, *m_to = nullptr, *m_mask = nullptr, *m_single = nullptr;
    QCheckBox* m_docDates = nullptr;
    QCheckBox* m_postDates = nullptr;
    QDateEdit *m_doc1 = nullptr, *m_doc2 = nullptr, *m_post1 = nullptr, *m_post2 = nullptr;
};

} // namespace ksiega::costcentres
