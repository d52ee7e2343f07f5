#pragma once
// The entry browser: what every list of ledger entries does alike, whatever view it reads.
// A window gives it its view names, columns, id column, browser number and sort, and the
// filter it built; the browser keeps the paged list with its mark column, the current
// row, the marks and their figures, the "Podsumowanie" totals, the rows' previews, the
// store of the marks for the libraries that read them, and the list popup's common items.
//
// The window's own rules (how its filter is built, its sort choices, its print) stay in
// the window's controller.
#include "entries/browser/FilterState.h"
#include "entries/services/WindowServices.h"
#include "entries/summary/AccountSummary.h"
#include "frame/SessionContext.h"
#include "frame/marks/MarksList.h"
#include "frame/marks/SelectionStore.h"
#include "entries/preview/DocumentPreview.h"
#include "platform/ui/list/PagedListModel.h"
#include <functional>
#include <memory>
#include <optional>

namespace ksiega::entries {

struct EntryBrowserConfig {
    QString listObject = QStringLiteral("LIST1");   // the list's control
    QString listView;           // the view the list reads
    QString sumView;            // the plain entry view: totals, marks and row look-ups
    ui::ListColumns columns;
    ui::SortOrder sort;
    int browser = 0;            // selection store and column layout number
    // The row id of both views. The entry views' own by default; a list of other rows
    // (settlements: "id_rozrachunku") names its id, and its sum view then gives the four
    // amounts kwota_wn, kwota_ma, kwota_wn_w, kwota_ma_w per row of that id.
    QString idColumn = QStringLiteral("id_dokument_pozycja");
    // The browser number is shared with rows that carry a text (opis_elementu): the marks
    // store leaves those alone.
    bool sharedBrowser = false;
    // The list shows the session year's entries only (its filter names the year): the marks
    // are stored within the year rather than the company, which the lines' indexes serve.
    bool oneYear = false;
    // A list model of the window's own kind (null = the plain paged model).
    std::function<std::unique_ptr<ui::PagedListModel>(db::Database&, ui::ListQuery)> makeModel;
};

// One view row of the entries list: the line and the side it shows.
struct CurrentEntry {
    int64_t idPozDok = 0;
    int64_t idNagDok = 0;
    int strona = 0;                // 0 Dt, 1 Ct
    int dataOkresu = 0;
    int64_t idDokumentPozycja = 0;

    DrillDownEntry drillDown() const { return {idNagDok, idPozDok, dataOkresu}; }
};

// A filter in the framework's syntax and the same with the prefixes cut.
struct EntryFilterText {
    QString filter;
    QString rawFilter;
};

class EntryBrowser {
public:
    EntryBrowser(db::Database& db, const SessionContext& session, EntryBrowserConfig config);
    ~EntryBrowser();
    EntryBrowser(const EntryBrowser&) = delete;
    EntryBrowser& operator=(const EntryBrowser&) = delete;

    const EntryBrowserConfig& config() const { return m_config; }
    ui::PagedListModel& list() { return *m_model; }
    const ui::PagedListModel& list() const { return *m_model; }
    WindowList windowList() { return {m_config.listObject, m_model.get(), m_config.browser}; }

    // --- the filter -----------------------------------------------------------------
    // Lists what the filter selects from its first page; a filter that cannot be read
    // lists nothing and keeps the reason in filterError(). Marks go unless keepMarks.
    void applyFilter(const EntryFilterText& filter, bool keepMarks);
    // Nothing listed and nothing to add up (view mode without entries).
    void clear(bool keepMarks);
    const QString& filter() const { return m_filter.filter; }
    const QString& rawFilter() const { return m_filter.rawFilter; }
    const QString& filterError() const { return m_filterError; }
    bool listsNothing() const { return m_filter.filter.isEmpty() || !m_filterError.isEmpty(); }

    void setSort(const ui::SortOrder& order);

    // --- rows -------------------------------------------------------------------------
    void setCurrentRow(int row) { m_row = row; }
    int currentRow() const { return m_row; }
    std::optional<CurrentEntry> entryAt(int row) const;
    std::optional<CurrentEntry> currentEntry() const { return entryAt(m_row); }
    // After a document was saved: the list read again around the current row.
    void refreshAroundCurrent();
    // "Podgląd pól": the row's columns as shown, then its ids ("" none).
    FieldList fieldPreview(int row) const;
    // "Dokument księgowy" of the current entry: the line's fields (LIST7).
    std::vector<PreviewRow> entryPreview(bool journalNumber = false) const;
    // The same tab in "Księga główna": the whole document of the current entry.
    std::vector<PreviewRow> documentPreview() const;

    // --- marks ------------------------------------------------------------------------
    void toggleMark(int row);
    void toggleMarkById(int64_t id);
    void markAll();
    void unmarkAll();
    void invertMarks();
    bool isMarked(int64_t id) const { return m_marks.isMarked(id); }
    const marks::MarksList& marks() const { return m_marks; }
    // Writes the marks where the libraries read them; the filter names the rows that
    // "all marked" stands for (the list's filter without its marked-only condition).
    marks::StoreOutcome storeMarks(const QString& rowsFilter, const marks::StoreProgress& progress = {});
    // The same, a failure shown with MSG_OST; false when the caller must stop.
    bool storeMarksOrWarn(const QString& rowsFilter);

    // --- figures ----------------------------------------------------------------------
    AccountSummary& summary() { return m_summary; }
    const AccountSummary& summary() const { return m_summary; }
    bool computeTotals();
    std::vector<SummaryRow> summaryRows(const CurrencyCode& currency) const { return m_summary.rows(currency.symbol()); }

    // --- the list popup ---------------------------------------------------------------
    // The popup every entry list shows: the row preview (its window's name for it),
    // the marks, the contractor's contacts, the column layout and the export ("-" a
    // separator).
    static QStringList popupMenu(const QString& previewItem);
    // The items every entry list offers: marks, contractor's contacts, column layout,
    // spreadsheet export and the field preview ("Podgląd" or "Podgląd pól"). True when
    // the item was one of them.
    bool popupAction(const QString& item, WindowServices& services);

    // --- rights, settings helpers -----------------------------------------------------
    // A function's right: administrators always, others as the database answers.
    bool granted(const QString& functionCode) const;
    // WALUTY by symbol, the current one first when the table lacks it.
    QStringList currencies(const CurrencyCode& current) const;

private:
    EntryFigures figuresOf(int64_t id) const;
    bool listsEntries() const { return m_config.idColumn == QLatin1String("id_dokument_pozycja"); }

    db::Database& m_db;
    const SessionContext& m_session;
    EntryBrowserConfig m_config;
    EntryFilterText m_filter;
    QString m_filterError;
    int m_row = -1;
    marks::MarksList m_marks;
    AccountSummary m_summary;
    std::unique_ptr<ui::MarksList> m_markColumn;
    std::unique_ptr<ui::PagedListModel> m_model;
};

} // namespace ksiega::entries
