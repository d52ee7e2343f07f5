#pragma once
// The window services of the running application: the libraries in force.
//   quick filter            the window's quick-filter procedure;
//   "Lista filtrów"         FILTR_LISTA of the contractor library, then GET_FILTR_LISTA for
//                           the chosen filter's expression;
//   "Zapisz filtr"          UP_FILTR_LISTA_STR;
//   "Kontakty kontrahenta"  KONTAKTY_KONTRAHENTA with the contractor of the document;
//   "Konfiguracja kolumn"   KONFIGURACJA_OKNA of the list (its stored layout at attach);
//   "Eksport do Excela"     EXPORT2EXCEL to the file the person names;
//   "Podgląd pól"           the field preview;
//   "Dokument"              the ledger's document drill-down over the documents library;
//   "Drukuj"                ZESTAWIENIA_CRS, PARAM_PRN_BRO, WYDRUK_KSIEGA or
//                           PRN_62_KSIEGA_K_THREAD, started once the button's handler is done.
#include "entries/services/WindowServices.h"
#include "frame/SessionContext.h"
#include "platform/db/Database.h"
#include "platform/ui/export/XlsxExport.h"
#include <QPointer>
#include <QWidget>
#include <functional>

class QTableView;

namespace ksiega::entries {

class ProductionWindowServices : public WindowServices {
public:
    using QuickFilterProcedure = std::function<QString(const QString& mode)>;

    ProductionWindowServices(db::Database& db, SessionContext& session, QuickFilterProcedure quickFilter);

    void attach(QWidget* window, const std::vector<WindowList>& lists) override;
    QString quickFilter(const QString& mode) override;
    std::optional<SavedFilter> chooseSavedFilter(int browser) override;
    void saveFilter(int browser, const QString& expression) override;
    void configureColumns(const WindowList& list) override;
    void exportList(const WindowList& list) override;
    void showFields(const FieldList& fields) override;
    void contractorContacts(int64_t idNagDok) override;
    bool openDocument(const DrillDownEntry& entry) override;
    int chooseStatement(const QString& set) override;
    bool askPrintRange() override;
    void startListing(const LedgerPrintJob& job, const CurrencyCode& currency) override;
    void startAccountLedger() override;

    // What the last "Eksport do Excela" wrote.
    const ui::ExportResult& lastExport() const { return m_lastExport; }

private:
    QTableView* viewOf(const WindowList& list) const;

    db::Database& m_db;
    SessionContext& m_session;
    QuickFilterProcedure m_quickFilter;
    QPointer<QWidget> m_window;
    ui::ExportResult m_lastExport;
};

} // namespace ksiega::entries
