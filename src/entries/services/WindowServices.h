#pragma once
// What an entry window asks of the libraries around it, as one interface the window's
// controller takes in its constructor: saved filters, the column layout and the
// spreadsheet export of a list, the field preview, the contractor's contacts, the
// document drill-down, the statement and print-range choosers and the start of a
// printout. Production wiring is ProductionWindowServices; tests give their own.
#include "entries/drilldown/DocumentDrillDown.h"
#include "entries/print/LedgerPrintJob.h"
#include "platform/runtime/CurrencyCode.h"
#include <QString>
#include <optional>
#include <utility>
#include <vector>

class QWidget;

namespace ksiega::ui { class PagedListModel; }

namespace ksiega::entries {

struct SavedFilter {
    QString name;
    QString expression;
};

// A list of the window as the services reach it.
struct WindowList {
    QString objectName;                   // the control, "LIST1"
    ui::PagedListModel* model = nullptr;
    int browser = 0;                      // its number for the stored column layout
};

using FieldList = std::vector<std::pair<QString, QString>>;

class WindowServices {
public:
    virtual ~WindowServices() = default;

    // The window the libraries' windows belong to; its lists take their stored layouts.
    virtual void attach(QWidget* window, const std::vector<WindowList>& lists) = 0;

    // The window's quick filter: the expression, "" when cancelled.
    virtual QString quickFilter(const QString& mode) = 0;
    // "Lista filtrów": the chosen filter of the list, none when cancelled or gone.
    virtual std::optional<SavedFilter> chooseSavedFilter(int browser) = 0;
    // "Zapisz filtr": nothing is saved for an empty expression.
    virtual void saveFilter(int browser, const QString& expression) = 0;

    // "Konfiguracja kolumn" and "Eksport do Excela" of a list.
    virtual void configureColumns(const WindowList& list) = 0;
    virtual void exportList(const WindowList& list) = 0;
    // "Podgląd pól": the current row's fields.
    virtual void showFields(const FieldList& fields) = 0;
    // "Kontakty kontrahenta" of a document's contractor.
    virtual void contractorContacts(int64_t idNagDok) = 0;
    // "Dokument": true when the document was saved (the list is refreshed).
    virtual bool openDocument(const DrillDownEntry& entry) = 0;

    // "Drukuj": the statement of the set (0 = nothing), the print range (false = stop),
    // then the listing of the ledger print library in the window's currency, or the
    // account ledger printout of the period-turnover queue.
    virtual int chooseStatement(const QString& set) = 0;
    virtual bool askPrintRange() = 0;
    virtual void startListing(const LedgerPrintJob& job, const CurrencyCode& currency) = 0;
    virtual void startAccountLedger() = 0;
};

} // namespace ksiega::entries
