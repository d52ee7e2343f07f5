#pragma once
// The rules of the window "Raport z konta" (RAPORT_DLA_KONTA): the list of ranges and the
// current one, the date kind and currency, the entry filter and the entries list with its
// sort and locators, the summary, the current entry's preview and document, the popup
// menus, what the window keeps in its settings, the description lines of a printout and
// the printing of the account, cash and bank reports.
#include "frame/SessionContext.h"
#include "entries/preview/DocumentPreview.h"
#include "entries/services/WindowServices.h"
#include "platform/db/Database.h"
#include "platform/ui/list/PagedListModel.h"
#include "platform/ui/settings/WindowSettings.h"
#include "printouts/accountreport/AccountRange.h"
#include "printouts/accountreport/AccountReportColumns.h"
#include "printouts/accountreport/CashSummary.h"
#include <QStringList>
#include <functional>
#include <memory>
#include <optional>
#include <vector>

namespace ksiega::printouts {

// Report codes of the statement chooser for "KSIEGA_R".
inline constexpr int kAccountReport = 65;   // "Raport z konta"
inline constexpr int kCashReport = 66;      // "Raport kasowy - RK Nr"
inline constexpr int kBankReport = 67;      // "Raport bankowy"

// What a print hands over (for the caller and for tests).
struct PrintRequest {
    int code = 0;
    QString parameters;
    QString filter;
    QString heading;
    // "Z przeniesienia" of the summary: the turnovers before the range, in PLN or, when a
    // currency is chosen, in that currency.
    Money carriedInDt, carriedInCt;
};

// A row of ?LIST6 as shown: the label and the eight amounts ("Obroty Dt", "Saldo Dt",
// "Obroty Ct", "Saldo Ct", then the same four /wal./).
struct SummaryLine {
    QString label;
    QStringList values;
};

class AccountReportController {
public:
    static inline const QString SECTION = QStringLiteral("Raport_dla_konta");
    // The list's number for its stored column layout.
    static constexpr int BROWSER_ID = 42;

    // Company and fiscal year come from the session at construction; the libraries
    // around the window are reached through the services.
    AccountReportController(db::Database& db, entries::WindowServices& services);
    ~AccountReportController();

    // The stored sort choice and direction and the preview switch; without a stored
    // choice the list is sorted by the date the range compares.
    void open(const WindowSwitches& switches = {});
    void storeSwitches(WindowSwitches& switches) const;

    entries::WindowServices& services() { return m_services; }
    // The lists whose column layouts are stored.
    std::vector<entries::WindowList> lists() { return {entriesList()}; }

    const std::vector<AccountRange>& ranges() const { return m_ranges; }
    // The added range joins the list and becomes current.
    void addRange(const AccountRange& range);
    void replaceRange(int index, const AccountRange& range);
    void removeRange(int index);
    void setCurrent(int index);
    int currentIndex() const { return m_current; }
    const AccountRange* current() const;

    void setDateKind(DateKind kind);
    DateKind dateKind() const { return m_dateKind; }
    void setCurrency(const QString& currency);
    const QString& currency() const { return m_currency; }
    bool homeCurrency() const;

    // Entry filter of the current range ("" without a range: the list stays empty).
    QString entryFilter() const;

    // --- the entries list (LIST1) -------------------------------------------------------
    ui::PagedListModel& entries() { return *m_entries; }
    // Reads the list again under the current range, date kind and currency.
    void reloadEntries();
    void setCurrentRow(int row) { m_row = row; }
    int currentRow() const { return m_row; }
    // The view row (id_dokument_pozycja) of the current entry; 0 when none.
    int64_t currentEntryId() const;

    // ?S:NAZWA and ?B_ROS_MAL.
    static QStringList sortNames() { return accountReportSortNames(); }
    EntrySort sortChoice() const { return m_sort; }
    bool descending() const { return m_descending; }
    void chooseSort(int choice);
    void toggleSortDirection();
    QString sortDirectionIcon() const;
    // ?SZUKAJ_DATY on the date orders, ?SZUKAJ on the others; the found row becomes
    // current (-1: nothing found, a date not whole or the wrong locator).
    bool dateSortOrder() const { return isDateSort(m_sort); }
    int locate(const QString& text);
    int locateDate(const QString& text);

    // ?CZY_POKAZ_ZAKLADKE_R
    bool previewShown() const { return m_previewShown; }
    void setPreviewShown(bool on) { m_previewShown = on; }

    // ?LIST7: the current entry's lines, with "Nr w dzienniku".
    std::vector<entries::PreviewRow> entryPreview();
    // ?LIST6 as shown.
    std::vector<SummaryLine> summaryLines();

    // ?B_POKAZ and a double click: the current entry's document; the list is read again
    // around it when the document was saved.
    void showDocument();

    // Popups of LIST1 and LIST2 ("-" a separator).
    static QStringList entriesMenu();
    static QStringList rangesMenu();
    void entriesMenuAction(const QString& item);
    // "Podgląd": the current entry's fields as the list shows them, and its ids.
    std::vector<std::pair<QString, QString>> fieldPreview();
    // Name of the current range's account ("" when none).
    QString accountName();
    // The summary of the current range; zeros without a range.
    CashSummary summary();
    // "Konto: ...", "Zakres: od ... do ..." / "Na dzień: ...", "Waluta: ...".
    QStringList descriptionLines();

    // One amount through the pass-through call of the database procedure.
    Money amountAt(int date, int kind);

    // "Drukuj": asks the report, the range, and starts the printout; nullopt when cancelled.
    // sortChoice: 1 posting date, 2 document date, 3 register number, 4 document number.
    std::optional<PrintRequest> print(int64_t currentEntry, int sortChoice, bool descending);
    // "Drukuj" of the window: the current entry and the list's own sort.
    std::optional<PrintRequest> printList();

    static QString reportTitle(int code);

private:
    entries::WindowList entriesList() { return {QStringLiteral("LIST1"), m_entries.get(), BROWSER_ID}; }

    db::Database& m_db;
    entries::WindowServices& m_services;
    int64_t m_firm = 0;
    int64_t m_year = 0;
    std::vector<AccountRange> m_ranges;
    int m_current = -1;
    DateKind m_dateKind = DateKind::Document;
    QString m_currency = QStringLiteral("PLN");
    EntrySort m_sort = EntrySort::DocumentDate;
    bool m_descending = false;
    bool m_sortFollowsDateKind = true;   // until a choice is made or restored
    bool m_previewShown = true;
    int m_row = -1;
    std::unique_ptr<ui::PagedListModel> m_entries;
};

} // namespace ksiega::printouts
