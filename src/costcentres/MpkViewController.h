#pragma once
// The rules of the window "MPK" (MPK_VIEW): the cost-centre splits of the company on the
// shared entry browser (browser 32), the filter tree, the quick filter "Filtr", the saved
// filters and the marked-only display joined into one filter, the six sort orders, the
// "Podsumowanie" figures (one aggregate over the list's own filter), the row's
// properties, the marks, "Dokument" and "Drukuj".
//
// Rights: "5_1_1_1" Drukuj, "5_1_1_2" Dokument, "5_1_1_3" marking (the popup's mark items
// and "Pokaż zaznaczone"), "5_1_1_4" Eksport do Excela, "5_1_1_5" the filter tree's
// branches and configurations, "5_1_1_6" Zapisz filtr.
#include "costcentres/CostCentreFigures.h"
#include "costcentres/FilterTree.h"
#include "entries/browser/EntryBrowser.h"
#include "entries/services/WindowServices.h"
#include "frame/SessionContext.h"
#include <functional>
#include <memory>

namespace ksiega::costcentres {

// The figures of "Podsumowanie": Dt, Ct and the count.
// The "Podsumowanie" figures: Dt, Ct and the count, from the one statement the command shares.
using CostCentreTotals = SplitFigures;

enum class MpkRight { Print = 0, Document, Marks, Export, Tree, SaveFilter };

class MpkViewController {
public:
    static constexpr int BROWSER_ID = 32;
    static inline const QString SECTION = QStringLiteral("MPK_view");
    static inline const QString LIST_VIEW = QStringLiteral("MPK_VIEW");
    static constexpr int kMaxFilter = 400;
    static const QStringList& rightCodes();

    MpkViewController(db::Database& db, SessionContext& session, entries::WindowServices& services,
                      FilterTreeSource* tree = nullptr);

    // MPK_SZYBKI_FILTR as the module exports it; tests give their own.
    std::function<QString()> quickFilterWindow;

    void open();
    entries::WindowServices& services() { return m_services; }
    entries::EntryBrowser& browser() { return *m_browser; }
    std::vector<entries::WindowList> lists() { return {m_browser->windowList()}; }
    bool allowed(MpkRight right) const { return m_rights[size_t(right)]; }

    // --- the filter tree (LIST2) -----------------------------------------------------
    FilterTreeSource& tree() { return *m_tree; }
    const std::vector<FilterTreeNode>& treeNodes() const { return m_nodes; }
    // -1 = "<Bez filtra>".
    void chooseTreeNode(int index);
    int treeNode() const { return m_treeNode; }
    void treeAction(const QString& item);   // the tree's buttons and menu items

    // --- the list filter -----------------------------------------------------------------
    void runQuickFilter();                   // "Filtr (F8)"
    void setQuickFilter(const QString& expression);
    const QString& quickFilter() const { return m_quick; }
    void chooseSavedFilterFromList();        // "Lista filtrów (Ctrl+F7)"
    void saveCurrentFilter();                // "Zapisz filtr"
    const QString& savedFilterName() const { return m_savedName; }
    bool showMarked() const { return m_showMarked; }
    void setShowMarked(bool on);             // "Pokaż zaznaczone (Shift+F5)"
    // The list's filter (MPK: fields); always scoped by the company.
    QString listFilter() const;
    void rebuild(bool keepMarks = false);
    void refresh() { rebuild(true); }

    // --- sort ----------------------------------------------------------------------------
    static QStringList sortNames();
    int sortChoice() const { return m_sort; }
    bool descending() const { return m_descending; }
    void chooseSort(int choice);
    // SZUKAJ: the first row of the current order at the typed text (a date order takes
    // the date as dd-mm-yyyy; the intuitive search finds a row containing the text); -1
    // when none. The row found becomes the current one.
    int locate(const QString& text);
    bool intuitiveSearch() const { return m_intuitive; }
    void setIntuitiveSearch(bool on);   // INTU
    bool tabsShown() const { return m_tabsShown; }
    void setTabsShown(bool on) { m_tabsShown = on; }   // CZY_POKAZ_ZAKLADKE_MPK
    void toggleSortDirection();

    // --- figures -------------------------------------------------------------------------
    // One aggregate over the list's filter; false (figures kept) when it fails.
    bool computeTotals();
    const CostCentreTotals& totals() const { return m_totals; }
    CostCentreTotals markedTotals() const;
    std::vector<entries::SummaryRow> summaryRows();           // LIST6
    std::vector<std::pair<QString, QString>> rowProperties();  // LIST5

    // --- rows, marks, document, print ------------------------------------------------------
    void setCurrentRow(int row) { m_browser->setCurrentRow(row); }
    int currentRow() const { return m_browser->currentRow(); }
    int64_t currentId() const;
    void toggleMark(int row);
    void markAll();
    void unmarkAll();
    void invertMarks();
    static QStringList popupMenu();
    // The filter tree's own menu (LIST2).
    static QStringList treeMenu();
    void popupAction(const QString& item);
    void showDocument();   // "Dokument"
    void printList();      // "Drukuj"

private:
    void askRights();
    QString userFilter() const;
    // The list's filter with or without the marked-only condition.
    QString filterWith(bool markedOnly) const;
    QString markedOnlyCondition() const;
    void ensureTotals();

    db::Database& m_db;
    SessionContext& m_session;
    entries::WindowServices& m_services;
    FilterTreeSource m_emptyTree;
    FilterTreeSource* m_tree;
    std::unique_ptr<entries::EntryBrowser> m_browser;
    std::vector<FilterTreeNode> m_nodes;
    int m_treeNode = -1;
    QString m_quick, m_savedName, m_saved;
    bool m_showMarked = false;
    int m_sort = 0;
    bool m_descending = false;
    bool m_intuitive = false;
    bool m_tabsShown = true;
    bool m_rights[6] = {true, true, true, true, true, true};
    CostCentreTotals m_totals;
    bool m_totalsComputed = false;
};

} // namespace ksiega::costcentres
