#pragma once
// The selection store: a person's marks on a list written to ZAZNACZENIE, one row per
// marked element, keyed by user number and browser number. A store replaces what that
// user had stored for that browser (the last store wins) in one transaction: it either
// writes the whole new set or leaves the old one in place.
//
// With the all-marked flag clear the marked ids are loaded in bulk. With the flag set the
// rows come from the list's own view and filter, set-based on the server: the stored marks
// no longer in the list are deleted, the list's rows not stored yet are inserted in one
// INSERT ... SELECT, and the ids the person unmarked are taken out again.
#include "frame/marks/MarksList.h"
#include "platform/db/Database.h"
#include <QString>
#include <functional>

namespace ksiega::marks {

// Browser numbers of the module's lists.
enum Browser : int64_t {
    BrowserDocumentPicker = 1,
    BrowserAccountPicker = 11,
    BrowserSettlements = 30,
    BrowserCostCentreEntries = 32,
    BrowserOpeningBalanceSettlementsRemoved = 34,
    BrowserBudgetRevenue = 36,
    BrowserBudgetExpenditure = 38,
    BrowserLedgerByAccounts = 40,
    BrowserLedgerByPeriods = 41,
    BrowserOpeningBalanceLineSettlements = 300,
};

// The progress window of a store.
inline const char* const kStoreProgressText = "Proszę czekać. Trwa czytanie zaznaczonych elementów...";
inline const char* const kStoreProgressTitle = "Bilantor: Informacja";

struct StoreRequest {
    int64_t browser = BrowserLedgerByAccounts;
    int64_t user = 0;                                   // DANE_ID_UZYTKOWNIKA_NR
    // For the all-marked case: the list's view, its id column and its filter in the
    // framework's syntax (translated by translateFilter()).
    QString view;
    QString idColumn = QStringLiteral("id_dokument_pozycja");
    QString filter;
    // A browser whose rows also hold texts (browser 36: the revenue marks by id with an
    // empty opis_elementu, the chosen classification symbols by text): the store then
    // removes and replaces only the rows with an empty opis_elementu.
    bool keepDescribed = false;
    // The list's company (DANE_ID_FIRMY), bound beside the filter; 0 = the view has none.
    int64_t company = 0;
    // A list of one fiscal year's entries: the year (DANE_LATA_OBROTOWE, one company's),
    // bound instead of the company. The lines' indexes lead with the year and carry what a
    // list's filter reads, so the ids come off them without a visit to every line.
    int64_t year = 0;
};

struct StoreOutcome {
    bool ok = true;
    bool cancelled = false;
    QString error;          // the engine's text (or the filter's), for MSG_OST
    int64_t stored = 0;     // rows written
};

// Percent done (0..100); return false to cancel (the old marks then stay).
using StoreProgress = std::function<bool(int percent)>;

StoreOutcome storeMarks(db::Database& db, const MarksList& marks, const StoreRequest& request,
                        const StoreProgress& progress = {});

// Removes the user's rows of a browser ("Odznacz wszystko" on lists that store at once).
StoreOutcome clearMarks(db::Database& db, int64_t browser, int64_t user);

// The filter condition that shows only the stored marks of a user and browser:
// SQL(id_dokument_pozycja in (select id_elementu from ZAZNACZENIE where id_uzytkownika=N AND id_browsera=40))
QString markedOnlyCondition(int64_t user, int64_t browser, const QString& idColumn = QStringLiteral("id_dokument_pozycja"));

} // namespace ksiega::marks
