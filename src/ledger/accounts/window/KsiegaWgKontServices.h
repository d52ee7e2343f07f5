#pragma once
// Connects the hooks of "Księga główna" to the libraries in force:
//   quick filter      KSIEGA_O_SZYBKI_FILTR("2");
//   "Dokument"        DocumentDrillDown over the documents library;
//   "Lista filtrów"   FILTR_LISTA of the contractor library for list 40, then
//                     GET_FILTR_LISTA for the chosen filter's expression;
//   "Zapisz filtr"    UP_FILTR_LISTA_STR for list 40 with the quick-filter text in force
//                     (the person's own narrowing; the account, currency and year are the
//                     window's and are not saved). Without a quick filter nothing is saved;
//   "Kontakty kontrahenta"  KONTAKTY_KONTRAHENTA with the contractor of the entry's document;
//   "Podgląd pól", "Konfiguracja kolumn" (KONFIGURACJA_OKNA, list 40), "Eksport do Excela"
//                     (EXPORT2EXCEL: the rows stream from the list's own query);
//   "Drukuj"          ZESTAWIENIA_CRS, PARAM_PRN_BRO, then WYDRUK_KSIEGA with the window's
//                     currency, or PRN_62_KSIEGA_K_THREAD for the period view's statement.
// The services live as long as the controller whose hooks they set. Dialogs of their own
// (file name, field preview) are members, so tests script them.
#include "ledger/accounts/window/KsiegaWgKontController.h"
#include "platform/ui/export/XlsxExport.h"
#include <QPointer>
#include <QWidget>

class QTableView;

namespace ksiega::ledger {

class KsiegaWgKontServices {
public:
    KsiegaWgKontServices(KsiegaWgKontController& controller, db::Database& db, SessionContext& session);

    // The window the libraries' windows belong to; its entries list (LIST1) takes the
    // stored column layout of list 40.
    void attach(QWidget* window);

    // The file the export writes ("" = the person gave up).
    std::function<QString()> chooseExportFile;
    // Shows "Podgląd pól".
    std::function<void(const std::vector<std::pair<QString, QString>>&)> showFields;

    const ui::ExportResult& lastExport() const { return m_lastExport; }

private:
    std::optional<SavedFilterChoice> chooseSaved();
    void saveQuickFilter(const QString& expression);
    void contacts(const CurrentEntry& entry);
    void service(const QString& item);
    void configureColumns();
    void exportList();
    QTableView* entriesView() const;

    KsiegaWgKontController& m_c;
    db::Database& m_db;
    SessionContext& m_session;
    QPointer<QWidget> m_window;
    ui::ExportResult m_lastExport;
};

} // namespace ksiega::ledger
