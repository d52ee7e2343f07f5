#pragma once
// The rules of "Przeglądanie stanu kont" (KSIEGA_WG_OKRESOW): the period list, the
// currency, the two views (entries of the period, turnovers of every account) with their
// filters, sort choices and currency columns, the marks of browser 41 and their figures,
// the "Podsumowanie" figures, the rights of "Drukuj" and "Dokument", the document of the
// current entry and the hand-over to the printouts.
//
// Other libraries are reached through the window services it is given. The entries view
// is an entry browser; the quick and the saved filter replace each other.
#include "entries/browser/EntryBrowser.h"
#include "frame/SessionContext.h"
#include "ledger/periods/PeriodsFilter.h"
#include "ledger/periods/PeriodsPrint.h"
#include "ledger/periods/PeriodsState.h"
#include "platform/ui/list/PagedListModel.h"
#include "platform/ui/settings/WindowSettings.h"
#include <functional>
#include <memory>
#include <optional>

namespace ksiega::ledger {

// A row of the turnover view, as shown.
struct TurnoverRow {
    QString konto;
    Money obrotyDt, obrotyCt, saldoDt, saldoCt;
};


class KsiegaWgOkresowController {
public:
    static constexpr int BROWSER_ID = 41;
    static inline const QString SECTION = QStringLiteral("Ksiega_wg_okresow");
    static inline const QString COLUMN_LAYOUT = QStringLiteral("ViewKsiega_wg_okresow");
    static inline const QString RIGHT_PRINT = QStringLiteral("4_1_2_1");
    static inline const QString RIGHT_DOCUMENT = QStringLiteral("4_1_2_2");
    static inline const QString CAPTION = QStringLiteral("Przeglądanie stanu kont");

    KsiegaWgOkresowController(db::Database& db, SessionContext& session, entries::WindowServices& services);
    ~KsiegaWgOkresowController();

    // Opening: period list, rights, switches, view names, filter; the entries view.
    void open(const WindowSwitches& switches = {});
    void storeSwitches(WindowSwitches& switches) const;

    entries::WindowServices& services() { return m_services; }
    // The lists whose column layouts are stored.
    std::vector<entries::WindowList> lists();

    // --- periods and currency -----------------------------------------------------
    const std::vector<PeriodListRow>& periods() const { return periodsState().periods; }
    int periodRow() const { return m_periodRow; }
    const PeriodListRow& period() const;
    void choosePeriod(int row);
    const QString& currency() const { return periodsState().currency; }
    CurrencyCode currencyCode() const { return CurrencyCode::of(currency()); }
    void setCurrency(const QString& symbol);
    QStringList currencies() const;   // WALUTY, the current one included

    // --- views ---------------------------------------------------------------------
    int viewMode() const { return periodsState().viewMode; }
    void setViewMode(int mode);   // ?CZY_POZYCJE_NAGLOWKI_O
    ui::PagedListModel& entries() { return m_browser.list(); }  // LIST1
    entries::EntryBrowser& browser() { return m_browser; }
    ui::PagedListModel& turnovers() { return *m_turnovers; } // LIST6
    const QString& entryViewName() const { return m_browser.config().listView; }
    const QString& sumViewName() const { return m_browser.config().sumView; }
    const PeriodsFilter& filter() const { return m_filter; }
    void refresh();
    // Every row of the turnover view under its filter, in its sort order (streamed).
    void forEachTurnoverRow(const std::function<void(const TurnoverRow&)>& row) const;

    bool accountNamesShown() const { return m_names; }   // ?POKAZ_NAZWE_KONTA
    void toggleAccountNames() { m_names = !m_names; }

    // --- sort (LIST3, ?B_ROS_MAL) ---------------------------------------------------
    QStringList sortNames() const;
    int sortChoice() const { return viewMode() == 1 ? m_turnoverSort : m_entrySort; }
    bool descending() const { return viewMode() == 1 ? m_turnoverDesc : m_entryDesc; }
    void chooseSort(int choice);
    void toggleSortDirection();
    QString sortDirectionIcon() const;

    // --- filters -------------------------------------------------------------------
    void runQuickFilter();
    void chooseSavedFilterFromList();
    void saveCurrentFilter();
    const QString& savedFilterName() const { return m_filters.savedName(); }
    QString quickFilterIcon() const;
    bool showMarked() const { return m_showMarked; }
    void setShowMarked(bool on);

    // --- previews ------------------------------------------------------------------
    bool previewsShown() const { return periodsState().previewsShown; }
    void setPreviewsShown(bool on);
    int previewTab() const { return m_previewTab; }
    void setPreviewTab(int tab);
    std::vector<entries::SummaryRow> summaryRows() const { return m_browser.summaryRows(currencyCode()); }
    entries::AccountSummary& summary() { return m_browser.summary(); }
    bool computeTotals();
    std::vector<entries::PreviewRow> entryPreview();   // LIST7

    // --- current entry, marks, document, print ------------------------------------
    void setCurrentRow(int row) { m_browser.setCurrentRow(row); }
    int currentRow() const { return m_browser.currentRow(); }
    std::optional<entries::CurrentEntry> entryAt(int row) const;
    void toggleMark(int row);
    void markAll() { m_browser.markAll(); }
    void unmarkAll() { m_browser.unmarkAll(); }
    void invertMarks() { m_browser.invertMarks(); }
    bool isMarked(int64_t id) const { return m_browser.isMarked(id); }
    marks::StoreOutcome storeMarks(const marks::StoreProgress& progress = {});

    bool printEnabled() const { return m_rightPrint; }
    bool documentEnabled() const { return m_rightDocument; }
    void showDocument();
    void printList();

    static QStringList listMenu();
    void menuAction(const QString& item);

    void setSplitPosition(int64_t vsplit) { m_vsplit = vsplit; }

private:
    void askRights();
    void rebuild(bool keepMarks = false);
    void applySort();
    // The rows "all marked" stands for: the list's filter without its marked-only condition.
    QString markedRowsFilter() const;

    db::Database& m_db;
    SessionContext& m_session;
    entries::WindowServices& m_services;
    entries::EntryBrowser m_browser;
    int m_periodRow = 0;
    bool m_rightPrint = true, m_rightDocument = true;
    bool m_names = true;
    int m_entrySort = 0, m_turnoverSort = 0;
    bool m_entryDesc = false, m_turnoverDesc = false;
    entries::FilterState m_filters{entries::FilterPrecedence::LastChosen};
    bool m_showMarked = false;
    int m_previewTab = 0;
    int64_t m_vsplit = 0;
    PeriodsFilter m_filter;
    QString m_turnoverError;
    std::unique_ptr<ui::PagedListModel> m_turnovers;
};

} // namespace ksiega::ledger
