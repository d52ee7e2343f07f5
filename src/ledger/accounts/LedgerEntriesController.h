#pragma once
// The entries side of "Księga główna": the chosen account, currency, saved and quick
// filters and the show-marked switch; the entries filter built from them over the entry
// browser (list, marks, figures); and, in view mode 1, the period-turnover list instead.
//
// Setters only change the state; rebuild() applies it (the window calls it after one or
// several changes), as a refresh does.
#include "entries/browser/EntryBrowser.h"
#include "entries/turnovers/PeriodTurnoverList.h"
#include "ledger/accounts/EntriesFilter.h"
#include "platform/runtime/CurrencyCode.h"
#include <memory>
#include <optional>

namespace ksiega::ledger {

using entries::CurrentEntry;

// The values bound per row of the list (computed here, not in SQL).
struct EntryRowValues {
    Money kwota_bro_WN, kwota_bro_MA;       // home currency
    Money kwota_bro_WN_w, kwota_bro_MA_w;   // the line's currency
    QString okresu_obrot;                   // "BO", a month, "BZ"
};

class EntriesListModel;

class LedgerEntriesController {
public:
    static constexpr int BROWSER_ID = 40;

    LedgerEntriesController(db::Database& db, const SessionContext& session);
    ~LedgerEntriesController();
    LedgerEntriesController(const LedgerEntriesController&) = delete;
    LedgerEntriesController& operator=(const LedgerEntriesController&) = delete;

    // --- state (call rebuild() afterwards) ---
    // account unquoted ("" = none); whole: exact account, else every account beginning with it
    void setAccount(const QString& account, bool whole);
    const QString& account() const { return m_account; }
    bool wholeAccount() const { return m_whole; }
    void setCurrency(const QString& currency);              // "" = the home currency
    const QString& currency() const { return m_currency.symbol(); }   // "PLN" or the symbol
    const CurrencyCode& currencyCode() const { return m_currency; }
    // The quick filter and the saved filter both narrow the list.
    entries::FilterState& filters() { return m_filters; }
    const entries::FilterState& filters() const { return m_filters; }
    void setQuickFilter(bool on, const QString& text) { m_filters.setQuick(on ? text : QString()); }
    bool quickFilterOn() const { return m_filters.quickOn(); }
    const QString& quickFilter() const { return m_filters.quickText(); }
    void setSavedFilter(const QString& name, const QString& expression) { m_filters.setSaved(name, expression); }
    const QString& savedFilterName() const { return m_filters.savedName(); }
    const QString& savedFilterExpression() const { return m_filters.savedExpression(); }
    // "Pokaż zaznaczone": turning it on stores the marks first (browser 40); a failed store
    // leaves the switch off and returns the reason.
    marks::StoreOutcome setShowMarked(bool on, const marks::StoreProgress& progress = {});
    bool showMarked() const { return m_showMarked; }
    void setViewMode(int mode);                             // 0 entries, 1 period turnovers
    int viewMode() const { return m_viewMode; }
    // The previews are shown with "Podsumowanie" current: a rebuild recomputes the totals.
    void setSummaryShown(bool shown) { m_summaryShown = shown; }
    bool summaryShown() const { return m_summaryShown; }

    // Builds the filter and refills the list from its first page (view mode 0), or the
    // period-turnover list (view mode 1). Clears the marks and marked figures unless
    // keepMarks. Returns the warning to show with MSG_OST ("" = none); also in warning().
    QString rebuild(bool keepMarks = false);
    const QString& warning() const { return m_warning; }
    // Why the filter could not be read ("" = it was); the list is then empty.
    // Why the filter lists nothing: a refusal of the person's own filter text (its position
    // counted in that text), else the list's.
    const QString& filterError() const { return m_ownFilterError.isEmpty() ? m_browser.filterError() : m_ownFilterError; }

    const QString& filter() const { return m_browser.filter(); }
    const QString& rawFilter() const { return m_browser.rawFilter(); }
    const QString& viewName() const { return m_browser.config().listView; }
    bool twoCalendarYears() const;

    // --- the list ---
    entries::EntryBrowser& browser() { return m_browser; }
    ui::PagedListModel& entries() { return m_browser.list(); }
    EntryRowValues rowValues(int row) const;
    std::optional<CurrentEntry> entryAt(int row) const { return m_browser.entryAt(row); }
    void setCurrentRow(int row) { m_browser.setCurrentRow(row); }
    int currentRow() const { return m_browser.currentRow(); }
    std::optional<CurrentEntry> currentEntry() const { return m_browser.currentEntry(); }

    // --- sort ---
    void setSortOrder(int number);                         // 1..25
    int sortOrder() const { return m_sortNumber; }
    void toggleDirection();
    bool descending() const;

    // --- marks ---
    void toggleMark(int row) { m_browser.toggleMark(row); }
    void toggleMarkById(int64_t id) { m_browser.toggleMarkById(id); }
    void markAll() { m_browser.markAll(); }                // "Zaznacz wszystko"
    void unmarkAll() { m_browser.unmarkAll(); }            // "Odznacz wszystko"
    void invertMarks() { m_browser.invertMarks(); }        // "Odwróć zaznaczone"
    bool isMarked(int64_t id) const { return m_browser.isMarked(id); }
    const marks::MarksList& marks() const { return m_browser.marks(); }
    marks::StoreOutcome storeMarks(const marks::StoreProgress& progress = {});

    // --- figures ---
    entries::AccountSummary& summary() { return m_browser.summary(); }
    bool computeTotals() { return m_browser.computeTotals(); }
    std::vector<entries::SummaryRow> summaryRows() const { return m_browser.summaryRows(m_currency); }
    entries::PeriodTurnoverList& periodTurnovers() { return m_periods; }

private:
    void applySort();
    const EntriesListModel& model() const;

    db::Database& m_db;
    const SessionContext& m_session;
    entries::EntryBrowser m_browser;
    QString m_ownFilterError;
    QString m_account;
    bool m_whole = true;
    CurrencyCode m_currency;
    entries::FilterState m_filters{entries::FilterPrecedence::SavedAndQuick};
    bool m_showMarked = false;
    int m_viewMode = 0;
    bool m_summaryShown = false;
    int m_sortNumber = 1;
    QString m_warning;
    entries::PeriodTurnoverList m_periods;
};

} // namespace ksiega::ledger
