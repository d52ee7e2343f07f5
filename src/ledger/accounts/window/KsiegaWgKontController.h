#pragma once
// The rules of the main window "Księga główna" (KSIEGA_WG_KONT): its opening order, the
// caption with the currency, the rights of "Drukuj" and "Dokument", the currency list,
// the account tree and the current account, the view mode (entries or period
// turnovers), the filter buttons and their icons, the document preview and what the
// window keeps in its settings. The entries side (filter, list, marks, summary) is the
// LedgerEntriesController it owns.
//
// Windows of other libraries are reached through the window services it is given.
#include "entries/services/WindowServices.h"
#include "frame/SessionContext.h"
#include "ledger/accounts/LedgerEntriesController.h"
#include "ledger/accounts/tree/AccountTreeController.h"
#include "platform/ui/settings/WindowSettings.h"
#include <functional>
#include <memory>
#include <optional>

namespace ksiega::ledger {

class KsiegaWgKontController {
public:
    static constexpr int BROWSER_ID = 40;
    static inline const QString SECTION = QStringLiteral("Ksiega_wg_kont");
    static inline const QString RIGHT_PRINT = QStringLiteral("4_1_1_1");
    static inline const QString RIGHT_DOCUMENT = QStringLiteral("4_1_1_2");

    KsiegaWgKontController(db::Database& db, SessionContext& session, entries::WindowServices& services);
    ~KsiegaWgKontController();

    // Opening, in this order: the view name, the currency, the caption, the rights, the
    // account tree, the window's switches, the entries filter.
    void open(const WindowSwitches& switches = {});
    // What the window keeps under "Ksiega_wg_kont" when it closes.
    void storeSwitches(WindowSwitches& switches) const;

    // FILTR, the account filter window of this module; 1 = applied.
    std::function<uint8_t()> accountFilterWindow;
    entries::WindowServices& services() { return m_services; }
    // The lists whose column layouts are stored.
    std::vector<entries::WindowList> lists() { return {m_entries->browser().windowList()}; }

    // --- state the view shows ----------------------------------------------------------
    const QString& entryViewName() const { return m_viewName; }
    const QString& currency() const { return m_entries->currency(); }
    QString caption() const;
    bool printEnabled() const { return m_rightPrint; }
    bool documentEnabled() const { return m_rightDocument; }
    // WALUTY, by symbol, the current currency included.
    QStringList currencies() const;
    void setCurrency(const QString& symbol);

    AccountTreeController& tree() { return *m_tree; }
    LedgerEntriesController& entries() { return *m_entries; }

    // The person picks a node of the account list: a branch (a register account too)
    // shows every account below it, a leaf itself.
    void chooseAccount(const QString& account);
    // "Pokaż konta kartotekowe" on a register account (or Enter on it): asks, lists the
    // cards with turnovers below it and takes the first one exactly.
    void showRegisterAccounts(const QString& account);
    const QString& currentAccount() const { return m_account; }
    bool wholeAccount() const { return m_whole; }
    // The account display text: number, or number, two blanks and name when names are shown.
    QString accountDisplayText();
    // ?NAZWA_KONTA
    QString accountName();
    void toggleNames();
    // ?STRSZUKAJ: the account the search text finds ("" none).
    QString searchAccount(const QString& text) const { return m_tree->search(text); }

    // View mode 0 entries, 1 period turnovers (?CZY_POZYCJE_NAGLOWKI_K).
    int viewMode() const { return m_viewMode; }
    void setViewMode(int mode);

    // ?CZY_POKAZ_ZAKLADKE_K and the tab of ?SHEET1 (0 "Dokument księgowy", 1 "Podsumowanie").
    bool previewsShown() const { return m_previews; }
    void setPreviewsShown(bool on);
    int previewTab() const { return m_previewTab; }
    void setPreviewTab(int tab);

    // Filter buttons.
    void runQuickFilter();
    QString quickFilterIcon() const;
    void chooseSavedFilterFromList();
    void saveCurrentFilter();
    const QString& savedFilterName() const { return m_entries->savedFilterName(); }
    void runAccountFilter();
    QString accountFilterIcon() const;
    bool showMarked() const { return m_showMarked; }
    void setShowMarked(bool on);
    void refresh();

    // ?SZUKAJ_DATY serves the date sort orders, ?SZUKAJ the others.
    bool dateSortOrder() const;
    // ?SZUKAJ_DATY: the row of the date typed (dd-mm-yyyy) on a date sort order; -1 when
    // the text is not a whole date, the order is not a date one or the list is empty.
    int locateDate(const QString& text);

    // ?LIST3 (index of entrySortNames()) and ?B_ROS_MAL.
    void chooseSort(int choiceIndex);
    void toggleSortDirection();
    QString sortDirectionIcon() const;

    // The entries list after a rebuild; a too-long filter's warning has been shown.
    void rebuildEntries(bool keepMarks = false);

    // "Dokument" and "Drukuj": nothing without their rights.
    void showDocument();
    void printList();

    // The current entry of LIST1 (row of the entries model) and its document's preview.
    void setCurrentRow(int row);
    int currentRow() const { return m_entries->currentRow(); }
    std::vector<entries::PreviewRow> documentPreview();

    // "Podgląd pól": the current entry's fields (name, value as shown), its ids and the
    // values bound per row; empty without a current entry.
    std::vector<std::pair<QString, QString>> fieldPreview();

    // Popup menus in their order; "-" is a separator.
    static QStringList entriesMenu();
    static QStringList accountMenu();
    // An item of the entries popup chosen.
    void entriesMenuAction(const QString& item);

    // Splitter positions (GGG:VSPLITPOS, GGG:HSPLITPOS) as the view reports them.
    void setSplitPositions(int64_t vsplit, int64_t hsplit) { m_vsplit = vsplit; m_hsplit = hsplit; }
    int64_t vsplitPos() const { return m_vsplit; }
    int64_t hsplitPos() const { return m_hsplit; }
    bool intuitiveSearch() const { return m_intuitive; }
    void setIntuitiveSearch(bool on);

private:
    void askRights();
    void summaryVisibilityChanged();
    void applyChoice(const ChosenAccount& choice);

    db::Database& m_db;
    SessionContext& m_session;
    entries::WindowServices& m_services;
    std::unique_ptr<AccountTreeController> m_tree;
    std::unique_ptr<LedgerEntriesController> m_entries;
    QString m_viewName = QStringLiteral("POZ_DOK_VIEW_UNION");
    bool m_rightPrint = true;
    bool m_rightDocument = true;
    QString m_account;
    bool m_whole = false;
    int m_viewMode = 0;
    bool m_previews = true;
    int m_previewTab = 0;
    bool m_showMarked = false;
    bool m_intuitive = false;
    int64_t m_vsplit = 0, m_hsplit = 0;
};

} // namespace ksiega::ledger
