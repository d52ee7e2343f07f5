#pragma once
// The rules of the budget entry windows "Klasyfikacja budzetowa - Wydatki" (BT_VIEW_W) and
// "- Dochody" (BT_VIEW_D): one controller for both sides on the shared entry browser over
// BT_VIEW. The side gives the captions, flag columns, summary rows, browser number (38/36),
// statement set ("BTW"/"BTD") and settings section; the controller joins the filter tree,
// the stored or quick filter, the dictionary, classification, side and marked-only
// conditions into one filter, steps from symbol to symbol, keeps the marks and their
// figures, and hands over to the document window, the budget line's properties and the
// budget printouts.
#include "budget/views/BudgetFilter.h"
#include "budget/views/BudgetSide.h"
#include "budget/views/BudgetSummary.h"
#include "budget/views/BudgetViewServices.h"
#include "entries/browser/EntryBrowser.h"
#include "entries/browser/FilterState.h"
#include "entries/services/WindowServices.h"
#include "frame/SessionContext.h"
#include "platform/filtertree/FilterTreeStore.h"
#include <memory>
#include <optional>

namespace ksiega::budget {

class BudgetViewController {
public:
    static inline const QString LIST_VIEW = QStringLiteral("BT_VIEW_KWOTY");

    BudgetViewController(db::Database& db, SessionContext& session, entries::WindowServices& services,
                         BudgetViewServices& budget, const BudgetSide& side);

    // Reads the budget model, the dictionary choices and the tree, then lists.
    void open();
    const BudgetSide& side() const { return m_side; }
    QString caption() const;
    // The task budget ("zadaniowy") offers the tab "Klasyfikacja wg słowników".
    bool taskBudget() const { return m_session.GGG_BT_BUDZET_ZADANIOWY == 1; }
    entries::EntryBrowser& browser() { return *m_browser; }
    entries::WindowServices& services() { return m_services; }
    std::vector<entries::WindowList> lists() { return {m_browser->windowList()}; }

    // --- the filter tree (LIST2) ---------------------------------------------------------
    const std::vector<filtertree::TreeBranch>& treeBranches() const { return m_branches; }
    void chooseTreeBranch(int64_t id);   // 0 = "<Bez filtra>"
    int64_t treeBranch() const { return m_branch; }
    void treeAction(const QString& item);

    // --- the list filter --------------------------------------------------------------
    void runQuickFilter();                        // "Filtr (F8)"
    void setQuickFilter(const QString& expression);
    void chooseSavedFilterFromList();             // "Lista filtrów (Ctrl+F7)"
    void saveCurrentFilter();                     // "Zapisz filtr (Alt+F8)"
    QString activeFilterName() const { return m_filters.savedActive() ? m_filters.savedName() : QString(); }
    void setDictionaryChoices(std::vector<DictionaryChoice> choices);
    // "Filtr klasyfikacji": the chooser's symbol or mask.
    void chooseClassificationFilter();
    void setClassificationSymbol(const QString& symbol);
    void setClassificationMask(const QString& chosen);
    void clearClassification();
    const QString& classificationSymbol() const { return m_symbol; }
    bool classificationActive() const { return !m_classification.isEmpty(); }
    QString filterIcon() const;
    // "+" / "-": the next symbol up or down under the rest of the filter; false (filter
    // kept) when there is none.
    bool stepUp() { return step(true); }
    bool stepDown() { return step(false); }
    bool showMarked() const { return m_showMarked; }
    void setShowMarked(bool on);                  // "Pokaż zaznaczone (Shift+F5)"
    QString listFilter() const { return m_filter; }
    void rebuild(bool keepMarks = false);
    void refresh() { rebuild(true); }

    // --- sort -----------------------------------------------------------------------------
    static constexpr int kDefaultSort = 0;
    static QStringList sortNames();
    int sortChoice() const { return m_sort; }
    bool descending() const { return m_descending; }
    void chooseSort(int choice);
    void toggleSortDirection();
    QString sortIcon() const;

    // --- figures ----------------------------------------------------------------------------
    bool computeTotals();
    const BudgetFigures& totals();
    BudgetFigures markedFigures();
    std::vector<entries::SummaryRow> summaryRows();            // LIST6
    std::vector<std::pair<QString, QString>> rowProperties();   // LIST5
    // "Klasyfikacja wg słowników": the dictionaries of the current row's ledger line.
    std::vector<std::vector<QString>> dictionaryRows();

    // --- rows, marks, actions -----------------------------------------------------------------
    void setCurrentRow(int row) { m_browser->setCurrentRow(row); }
    int currentRow() const { return m_browser->currentRow(); }
    int64_t currentId() const;
    QString currentSymbol() const;
    void toggleMark(int row);
    void markAll();
    void unmarkAll();
    void invertMarks();
    // A mark changed outside the controller (the list's mark column): the marked figures
    // are read again when next shown.
    void marksChanged() { m_markedKnown = false; }
    static QStringList popupMenu();
    void popupAction(const QString& item);
    void showDocument();    // "Dokument"
    void correctLine();     // "Popraw"
    void printList();       // "Drukuj"

private:
    void readBudgetModel();
    void readDictionaryChoices();
    void readTree();
    QString userPart() const;
    ComposedFilter compose(bool withClassification, bool markedOnly) const;
    bool marksStandForEverything() const;
    bool step(bool up);

    db::Database& m_db;
    SessionContext& m_session;
    entries::WindowServices& m_services;
    BudgetViewServices& m_budget;
    const BudgetSide& m_side;
    std::unique_ptr<entries::EntryBrowser> m_browser;
    std::unique_ptr<filtertree::FilterTreeStore> m_tree;
    std::vector<filtertree::TreeBranch> m_branches;
    int64_t m_branch = 0;
    entries::FilterState m_filters{entries::FilterPrecedence::LastChosen};
    std::vector<DictionaryChoice> m_dictionary;
    QString m_classification, m_symbol;
    bool m_showMarked = false;
    QString m_filter;
    bool m_userNeedsView = false;
    // The first order of the choice ("Nr ewidencyjny") until the person picks another; every
    // order reads an index of the budget lines (their copies of the document's columns).
    int m_sort = kDefaultSort;
    bool m_descending = false;
    BudgetFigures m_totals, m_marked;
    bool m_totalsKnown = false, m_markedKnown = false;
};

// The columns a filter-tree branch of the budget lists may test.
const std::vector<filtertree::TreeField>& budgetTreeFields();

} // namespace ksiega::budget
