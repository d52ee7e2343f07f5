#pragma once
// The module boundary: KSIEGA_INIT, KSIEGA_KILL and the exported procedures, as the host
// calls them. None takes the company, fiscal year or user: each reads the session
// context (frame/SessionContext.h) at the moment it runs.

#include <QString>
#include <cstdint>

namespace ksiega {

class ErrorReporter;
class Settings;

// Initialisation, once: the host's error and settings objects (either may be null, and
// the module's own then stay in use) become the global ones, and the ten sibling
// libraries are initialised in order with both. A second call does nothing.
void KSIEGA_INIT(ErrorReporter* errorObject, Settings* settingsObject);
// Shut-down, once: the sibling libraries are shut down in the same order.
void KSIEGA_KILL();

// Exported procedures are declared here as they land.
uint8_t FILTR();  // account filter window; 1 when the filter was applied
QString KSIEGA_O_SZYBKI_FILTR(const QString& mode);  // ledger quick filter; the expression, "" when cancelled
void KSIEGA_WG_KONT();  // "Księga główna": ledger browse by accounts
void PRN_62_KSIEGA_K(const QString& title, uint8_t noAccountName);  // account ledger printout of the period-turnover queue
void PRN_62_KSIEGA_K_THREAD(const QString& byteText);  // the same on a thread of its own, title DANE_NAGLOWEK_WYDRUKU
void RAPORT_DLA_KONTA();  // "Raport z konta": account, cash and bank reports of account ranges
uint8_t UP_RAPORT_DLA_KONTA(uint8_t newRange);  // one range of "Raport z konta"; 1 when confirmed
void KSIEGA_WG_OKRESOW(const QString& parameter);  // "Przeglądanie stanu kont": ledger by periods
void BO();  // "Bilans otwarcia": opening-balance browse of the current fiscal year
uint8_t FILTR_BO();  // account filter of the opening-balance browse; 1 when the filter was applied
void ZAMKNIECIE_ROKU();  // "BO w następnym roku obrotowym": the next year's opening balance made or removed
void BO_IMPORT_ROZRACHUNKOW();  // settlements of the opening balance: the account tree, import and removal
// The import wizard "Import rozrachunków do BO" for one account: title (account, a blank,
// its name), card symbol, card flag ("0"/"1"), account number, import option; 1 when an
// import was carried out.
uint8_t IMPORT_ROZRACHUNKOW(const QString& title, const QString& cardSymbol, const QString& cardFlag, const QString& account,
                            uint8_t importOption);
void PRZYPISZ_ROZRACHUNKI(int64_t idPaczka);  // "Dodawanie nowego dokumentu" from chosen settlements, in the journal
void MPK_VIEW();  // "MPK": the cost-centre splits of the company
QString MPK_SZYBKI_FILTR();  // cost-centre quick filter "Filtr"; the expression, "" when cancelled
// Budget units. The views' side is "W" (expenditure) or "D" (revenue).
void BT_VIEW_W(const QString& side);  // "Klasyfikacja budzetowa - Wydatki": budget lines of expenditure
void BT_VIEW_D(const QString& side);  // "Klasyfikacja budzetowa - Dochody": budget lines of revenue
void UP_BT_DOKUMENT(int64_t idNagDok);  // the document of a budget line, for correction or view
// "Filtr klasyfikacji budżetowej" (mode "") or "Export do pliku" (mode "EKSPORT"); the
// expression of the filter mode, "" when cancelled.
QString BT_SZYBKI_FILTR(const QString& mode, const QString& side, const QString& third);
void OPISY_WYDRUKOW_KSIEGA(const QString& filter);  // description lines of the budget filter into DANE_OPIS_PRN
// "Parametry drukowania" of the budget printouts; 1 when the user chose "Drukuj".
uint8_t PARAM_PRN_BT(uint8_t first, uint8_t second, uint8_t third, int64_t reportNumber);
// The budget printouts' dispatcher: "report,range,sort,descending,side", the record filter, the heading.
void WYDRUK_BUDZET(const QString& parameters, const QString& filter, const QString& heading);
// Budget data preparation: the record filter (the view's) in SQL with the report's date range.
QString BUDZET_PD(const QString& side, const QString& filter, int64_t reportNumber);
// The Rb forms' work rows (ZESTAW_ZESTAW of the user, the variant) for the side and record filter.
void BUDZET_PD_2(const QString& side, const QString& filter, int64_t variant);
// The budget printouts (print range, sort order 1..8, descending, record filter, side, heading),
// each laid out on a thread of its own with a copy of the print settings and the session.
void PRN_BT_PLAN(uint8_t range, uint8_t sort, uint8_t descending, const QString& filter, const QString& side, const QString& heading);
void PRN_BT_KLASYFIKACJA(uint8_t range, uint8_t sort, uint8_t descending, const QString& filter, const QString& side,
                         const QString& heading);
void PRN_BT_KLASYFIKACJA_PELNY(uint8_t range, uint8_t sort, uint8_t descending, const QString& filter, const QString& side,
                               const QString& heading);
void PRN_BT_DOWODY(uint8_t range, uint8_t sort, uint8_t descending, const QString& filter, const QString& side,
                   const QString& heading);
// The Rb-27S / Rb-30 forms from the user's prepared rows of variant 50.
void PRN_BT_RB27(uint8_t range, uint8_t sort, uint8_t descending, const QString& filter, const QString& side, const QString& heading);
void PRN_BT_RB30(uint8_t range, uint8_t sort, uint8_t descending, const QString& filter, const QString& side, const QString& heading);
} // namespace ksiega
