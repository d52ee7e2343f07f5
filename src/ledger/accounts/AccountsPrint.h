#pragma once
// "Drukuj" of "Księga główna": the statement set the chooser is asked for, the title of
// each report code and the parameter string handed to the ledger print library:
//   code "," range "," list row "," sort order ",1,Konto: " account display text
// (the 1 tells the library the call comes from the ledger by accounts: range 1 prints the
// marks of browser 40). Range 2 prints the one side of the current line; any other range
// the list's filter. Code 62, the turnover statement of the period view, is the account
// ledger printout of the period-turnover queue.
#include "entries/print/LedgerPrintJob.h"
#include <optional>

namespace ksiega::ledger {

inline constexpr int kAccountTurnoverStatementCode = 62;

// "KSIEGA_K_1" in the entries view, "KSIEGA_K_2" in the period-turnover view.
QString accountsStatementSet(int viewMode);
// The title put into DANE_NAGLOWEK_WYDRUKU; none for a code this window does not print.
std::optional<QString> accountsPrintTitle(int code);

struct AccountsPrintInput {
    int code = 0;
    int range = 0;              // DANE_ZAKRES_PRN
    int listRow = 0;            // the selected row of the list, 1-based (0: none)
    int sortOrder = 1;          // the list's sort order
    QString accountDisplay;     // the account as the window shows it
    QString listFilter;
    int64_t idPozDok = 0;       // the current line and side, for range 2
    int strona = 0;
};

entries::LedgerPrintJob accountsPrintJob(const AccountsPrintInput& in, const QString& header);

} // namespace ksiega::ledger
