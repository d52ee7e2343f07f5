#pragma once
// The rules of the window "BO - Import rozrachunków z programu TOVARIX"
// (BO_IMPORT_ROZRACHUNKOW): the tree of settlement accounts and the chosen account, the
// list of the settlements placed in the opening balance (on the shared entry browser: sort,
// locators, marks, popup, "Podsumowanie"), its quick filter, "Dodaj" (the import wizard for
// the chosen account) and "Usuń" (the chosen settlements taken out of the opening balance).
//
// Changing settlements takes the session's settlement flag; the window holds it until it
// closes. After a change the opening-balance turnovers are recomputed now or, when the
// person postpones it, on the way out. close() does both and runs on every way out (the
// destructor calls it when the procedure did not).
#include "entries/browser/EntryBrowser.h"
#include "entries/services/WindowServices.h"
#include "frame/SessionContext.h"
#include "settlements/openingimport/SettlementAccountTree.h"
#include <functional>
#include <memory>

namespace ksiega::settlements {

class OpeningImportController {
public:
    static constexpr int BROWSER_ID = 34;   // the list's column layout and the removal store
    static inline const QString SECTION = QStringLiteral("BO_import_rozrachunkow");
    static inline const QString LIST_VIEW = QStringLiteral("ROZRACHUNEK_VIEW_ALIAS");
    static inline const QString SUM_VIEW = QStringLiteral("ROZRACHUNEK_VIEW");

    using ImportWizard = std::function<uint8_t(const QString& title, const QString& cardSymbol, const QString& cardFlag,
                                               const QString& account, uint8_t importOption)>;

    OpeningImportController(db::Database& db, SessionContext& session, entries::WindowServices& services);
    ~OpeningImportController();

    // The tree and the first (empty-account) list.
    void open();
    // The way out: the postponed update (announced) and the flag released. Runs once.
    void close();

    // IMPORT_ROZRACHUNKOW and FILTR as the module exports them; set otherwise only by tests
    // of this controller.
    ImportWizard importWizard;
    std::function<uint8_t()> accountFilterWindow;

    entries::WindowServices& services() { return m_services; }
    std::vector<entries::WindowList> lists() { return {m_browser->windowList()}; }
    SettlementAccountTree& tree() { return m_tree; }
    entries::EntryBrowser& browser() { return *m_browser; }

    // --- the account ---------------------------------------------------------------------
    // A node of LIST2 chosen: its name, the card question on a register account, the list.
    void chooseAccount(const QString& account);
    const QString& currentAccount() const { return m_account.account; }
    const QString& accountName() const { return m_accountName; }   // ?NAZWA_KONTA
    // "Filtr kont (Shift+F8)": the tree again when the filter was applied.
    void runAccountFilter();

    // --- the list ----------------------------------------------------------------------
    // The list's filter (RNVA: fields) and the same with the prefixes cut.
    QString listFilter() const;
    void rebuildList(bool keepMarks = false);
    void refresh() { rebuildList(true); }   // ?B_ODSWIEZ
    void setCurrentRow(int row) { m_browser->setCurrentRow(row); }
    int currentRow() const { return m_browser->currentRow(); }
    int64_t currentId() const;

    // "Filtr (F8)": the ledger quick filter in mode "2", over the settlements.
    void runQuickFilter();
    const QString& quickFilter() const { return m_quick; }
    const QStringList& quickFilterDropped() const { return m_quickDropped; }
    QString quickFilterIcon() const;

    // "Sortuj wg...(F6)", "Sortuj rosnąco/malejąco (Ctrl+F6)".
    static QStringList sortNames();
    int sortIndex() const { return m_sort; }
    bool descending() const { return m_descending; }
    void chooseSort(int index);
    void toggleSortDirection();
    bool dateSortOrder() const;
    // ?SZUKAJ, ?SZUKAJ_DATY (dd-mm-yyyy): the row found, -1 none.
    int locate(const QString& text);
    int locateDate(const QString& text);

    // --- "Podsumowanie" (?LIST8) ---------------------------------------------------------
    // The sums of the list (one aggregate over its filter) and of the marked rows.
    std::vector<entries::SummaryRow> summaryRows();

    // --- popup -----------------------------------------------------------------------------
    static QStringList popupMenu();
    bool markingEnabled() const;
    void popupAction(const QString& item);

    // --- buttons -------------------------------------------------------------------------
    void add();      // "Dodaj"
    void remove();   // "Usuń"

    bool lockHeld() const { return m_holder; }
    bool updatePostponed() const { return m_postponed; }
    bool closed() const { return m_closed; }

private:
    bool takeLock();
    void afterChange();
    void runUpdate();
    bool storeCurrentForRemoval();

    db::Database& m_db;
    SessionContext& m_session;
    entries::WindowServices& m_services;
    SettlementAccountTree m_tree;
    std::unique_ptr<entries::EntryBrowser> m_browser;
    SettlementAccount m_account;
    QString m_accountName;
    QString m_quick, m_quickTranslated;
    QStringList m_quickDropped;
    int m_sort = 0;
    bool m_descending = false;
    bool m_holder = false;
    bool m_postponed = false;
    bool m_closed = false;
};

} // namespace ksiega::settlements
