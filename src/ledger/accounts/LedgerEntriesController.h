#pragma once
// The entries side of "Księga główna": the chosen account, currency, saved and quick
// filters and the show-marked switch; the entries filter built from them; the paged
// entries list with its sort orders and mark column; the marks and their figures; the
// "Podsumowanie" figures; and, in view mode 1, the period-turnover list instead.
//
// Setters only change the state; rebuild() applies it (the window calls it after one or
// several changes), as a refresh does.
#include "frame/SessionContext.h"
#include "frame/marks/MarksList.h"
#include "frame/marks/SelectionStore.h"
#include "ledger/accounts/AccountSummary.h"
#include "ledger/accounts/EntriesFilter.h"
#include "ledger/turnovers/PeriodTurnoverList.h"
#include "platform/ui/list/PagedListModel.h"
#include <memory>
#include <optional>

namespace ksiega::ledger {

// The values bound per row of the list (computed here, not in SQL).
struct EntryRowValues {
    Money kwota_bro_WN, kwota_bro_MA;       // home currency
    Money kwota_bro_WN_w, kwota_bro_MA_w;   // the line's currency
    QString okresu_obrot;                   // "BO", a month, "BZ"
};

// What the document drill-down and the printouts need of a row.
struct CurrentEntry {
    int64_t idPozDok = 0;
    int64_t idNagDok = 0;
    int strona = 0;                // 0 Dt, 1 Ct
    int dataOkresu = 0;
    int64_t idDokumentPozycja = 0;
};

class EntriesListModel;

class LedgerEntriesController {
public:
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
    const QString& currency() const { return m_currency; }   // "PLN" or the symbol
    void setQuickFilter(bool on, const QString& text);
    bool quickFilterOn() const { return m_quickOn; }
    const QString& quickFilter() const { return m_quickFilter; }
    // A saved filter chosen from the list ("" name and expression = none).
    void setSavedFilter(const QString& name, const QString& expression);
    const QString& savedFilterName() const { return m_savedName; }
    const QString& savedFilterExpression() const { return m_savedExpression; }
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
    const QString& filterError() const { return m_filterError; }

    const QString& filter() const { return m_filter.filter; }
    const QString& rawFilter() const { return m_filter.rawFilter; }
    const QString& viewName() const { return m_viewName; }
    bool twoCalendarYears() const;

    // --- the list ---
    ui::PagedListModel& entries();
    EntryRowValues rowValues(int row) const;
    std::optional<CurrentEntry> entryAt(int row) const;
    void setCurrentRow(int row) { m_currentRow = row; }
    int currentRow() const { return m_currentRow; }
    std::optional<CurrentEntry> currentEntry() const { return entryAt(m_currentRow); }

    // --- sort ---
    void setSortOrder(int number);                         // 1..25
    int sortOrder() const { return m_sortNumber; }
    void toggleDirection();
    bool descending() const;

    // --- marks ---
    void toggleMark(int row);
    void toggleMarkById(int64_t id);
    void markAll();                                        // "Zaznacz wszystko"
    void unmarkAll();                                      // "Odznacz wszystko"
    void invertMarks();                                    // "Odwróć zaznaczone"
    bool isMarked(int64_t id) const { return m_marks.isMarked(id); }
    const marks::MarksList& marks() const { return m_marks; }
    marks::StoreOutcome storeMarks(const marks::StoreProgress& progress = {});

    // --- figures ---
    AccountSummary& summary() { return m_summary; }
    bool computeTotals();
    std::vector<SummaryRow> summaryRows() const { return m_summary.rows(m_currency); }
    PeriodTurnoverList& periodTurnovers() { return m_periods; }

private:
    EntryFigures figuresOf(int64_t id) const;
    SummaryScope summaryScope() const;
    void applySort();

    db::Database& m_db;
    const SessionContext& m_session;
    QString m_viewName;
    QString m_account;
    bool m_whole = true;
    QString m_currency = QStringLiteral("PLN");
    bool m_quickOn = false;
    QString m_quickFilter;
    QString m_savedName, m_savedExpression;
    bool m_showMarked = false;
    int m_viewMode = 0;
    bool m_summaryShown = false;
    int m_sortNumber = 1;
    int m_currentRow = -1;

    EntriesFilter m_filter;
    QString m_warning, m_filterError;
    marks::MarksList m_marks;
    AccountSummary m_summary;
    PeriodTurnoverList m_periods;
    std::unique_ptr<ui::MarksList> m_markColumn;
    std::unique_ptr<EntriesListModel> m_model;
};

} // namespace ksiega::ledger
