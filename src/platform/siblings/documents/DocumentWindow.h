#pragma once
// The document window of the documents library's stand-in: controls and layout over a
// DocumentWindowController. Header fields on top (NAGLOWEK), the lines below (LIST1); in
// correction mode the current line's description and amounts are edited below the list
// (OPIS_POZ, KWOTA_WN, KWOTA_MA, B_POPRAW_POZ) and "Zapisz" (B_ZAPISZ) saves.
// Closing the window in any way closes the controller, which releases the lock.
#include "platform/siblings/documents/DocumentWindowController.h"
#include <QDialog>

class QLineEdit;
class QPushButton;
class QTableView;
class QIdentityProxyModel;

namespace ksiega::documents {

class DocumentWindow : public QDialog {
    Q_OBJECT
public:
    DocumentWindow(DocumentWindowController& controller, QWidget* parent = nullptr);
    ~DocumentWindow() override;

    void done(int result) override;

private:
    void showCurrentLine();
    void applyLine();
    void saveAndClose();

    DocumentWindowController& m_controller;
    QIdentityProxyModel* m_proxy = nullptr;
    QTableView* m_list = nullptr;
    QLineEdit* m_opis = nullptr;
    QLineEdit* m_kwotaWn = nullptr;
    QLineEdit* m_kwotaMa = nullptr;
    QPushButton* m_apply = nullptr;
    QPushButton* m_save = nullptr;
};

} // namespace ksiega::documents
