#pragma once
// "Wybór firmy i roku obrotowego": company, fiscal year, user and working date.
// The rules are SessionChooserController's; this only binds the controls.
#include "host/gui/SessionChooserController.h"
#include <QDialog>

class QComboBox;
class QDateEdit;
class QPushButton;

namespace ksiega::host {

class PagedListModel;

class SessionChooserDialog : public QDialog {
    Q_OBJECT
public:
    SessionChooserDialog(db::Database& db, int today, const SessionChoice& earlier = {}, QWidget* parent = nullptr);
    SessionChoice choice() const { return m_controller.choice(); }
    SessionChooserController& controller() { return m_controller; }

private:
    void showCompany();
    void showYear();
    void companyPicked(int row);
    void yearPicked(int row);
    void userPicked(int row);
    void updateOk();

    SessionChooserController m_controller;
    PagedListModel *m_companies, *m_years, *m_users;
    QComboBox *m_companyBox, *m_yearBox, *m_userBox;
    QDateEdit* m_dateEdit;
    QPushButton* m_ok;
    bool m_binding = false;
};

} // namespace ksiega::host
