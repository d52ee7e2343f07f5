#pragma once
// The rules of "Przeglądanie stanu kont" (KSIEGA_WG_OKRESOW): the period list, the
// currency, the two views (entries of the period, turnovers of every account) with their
// filters, sort choices and currency columns, the marks of browser 41 and their figures,
// the "Podsumowanie" figures, the rights of "Drukuj" and "Dokument", the document of the
// current entry and the hand-over to the printouts.
//
// Other libraries are reached through hooks, so that tests script them and the window
// runs before they exist; a hook left empty does nothing.
#include "frame/SessionContext.h"
#include "frame/marks/MarksList.h"
#include "frame/marks/SelectionStore.h"
#include "ledger/accounts/AccountSummary.h"
#include "ledger/accounts/DocumentDrillDown.h"
#include "ledger/accounts/LedgerEntriesController.h"
#include "ledger/accounts/window/DocumentPreview.h"
#include "ledger/periods/PeriodsFilter.h"
#include "ledger/periods/PeriodsPrint.h"
#include "ledger/periods/PeriodsState.h"
#include "platform/ui/list/PagedListModel.h"
#include "platform/ui/settings/WindowSettings.h"
#include <functional>
#include <memory>
#include <optional>

namespace ksiega::ledger {

struct PeriodsSavedFilter {
    QString name;
    QString expression;
};

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

    KsiegaWgOkresowController(db::Database& db, SessionContext& session);
    ~KsiegaWgOkresowController();

    // Opening: period list, rights, switches, view names, filter; the entries view.
    void open(const WindowSwitches& switches = {});
    void storeSwitches(WindowSwitches& switches) const;

    // --- hooks of other libraries ---------------------------------------------------
    std::function<QString(const QString& mode)> quickFilter;              // KSIEGA_O_SZYBKI_FILTR("1")
    std::function<std::optional<PeriodsSavedFilter>()> chooseSavedFilter; // ?B_FILTR
    std::function<void(const QString& expression)> saveFilter;            // ?B_FILTR_ZAPISZ
    std::function<void(const DrillDownEntry&)> openDocument;              // default: DocumentDrillDown
    std::function<int(const QString& name)> chooseStatement;              // ZESTAWIENIA_CRS; 0 nothing
    std::function<bool()> askPrintRange;                                  // PARAM_PRN_BRO; sets DANE_ZAKRES_PRN
    std::function<void(const LedgerPrintJob&)> startPrint;              // WYDRUK_KSIEGA on its own thread

    // --- periods and currency -----------------------------------------------------
    const std::vector<PeriodListRow>& periods() const { return periodsState().periods; }
    int periodRow() const { return m_periodRow; }
    const PeriodListRow& period() const;
    void choosePeriod(int row);
    const QString& currency() const { return periodsState().currency; }
    void setCurrency(const QString& symbol);
    QStringList currencies() const;   // WALUTY, the current one included

    // --- views ---------------------------------------------------------------------
    int viewMode() const { return periodsState().viewMode; }
    void setViewMode(int mode);   // ?CZY_POZYCJE_NAGLOWKI_O
    ui::PagedListModel& entries() { return *m_entries; }     // LIST1
    ui::PagedListModel& turnovers() { return *m_turnovers; } // LIST6
    const QString& entryViewName() const { return m_listView; }
    const QString& sumViewName() const { return m_sumView; }
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
    const QString& savedFilterName() const { return m_savedName; }
    QString quickFilterIcon() const;
    bool showMarked() const { return m_showMarked; }
    void setShowMarked(bool on);

    // --- previews ------------------------------------------------------------------
    bool previewsShown() const { return periodsState().previewsShown; }
    void setPreviewsShown(bool on);
    int previewTab() const { return m_previewTab; }
    void setPreviewTab(int tab);
    std::vector<SummaryRow> summaryRows() const { return m_summary.rows(currency()); }
    AccountSummary& summary() { return m_summary; }
    bool computeTotals();
    std::vector<PreviewRow> entryPreview();   // LIST7

    // --- current entry, marks, document, print ------------------------------------
    void setCurrentRow(int row) { m_row = row; }
    int currentRow() const { return m_row; }
    std::optional<CurrentEntry> entryAt(int row) const;
    void toggleMark(int row);
    void toggleMarkById(int64_t id);
    void markAll();
    void unmarkAll();
    void invertMarks();
    bool isMarked(int64_t id) const { return m_marks.isMarked(id); }
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
    QString activeFilter() const;
    EntryFigures figuresOf(int64_t id) const;

    db::Database& m_db;
    SessionContext& m_session;
    QString m_listView, m_sumView;
    int m_periodRow = 0;
    bool m_rightPrint = true, m_rightDocument = true;
    bool m_names = true;
    int m_entrySort = 0, m_turnoverSort = 0;
    bool m_entryDesc = false, m_turnoverDesc = false;
    bool m_quickOn = false;
    QString m_quickText;
    QString m_savedName, m_savedExpression;
    bool m_savedActive = false;
    bool m_showMarked = false;
    int m_previewTab = 0;
    int m_row = -1;
    int64_t m_vsplit = 0;
    PeriodsFilter m_filter;
    QString m_filterError;
    marks::MarksList m_marks;
    AccountSummary m_summary;
    std::unique_ptr<ui::MarksList> m_markColumn;
    std::unique_ptr<ui::PagedListModel> m_entries;
    std::unique_ptr<ui::PagedListModel> m_turnovers;
};

} // namespace ksiega::ledger
