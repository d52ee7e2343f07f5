#pragma once
// "Drukuj" of "Przeglądanie stanu kont": what goes to the statement chooser, the title of
// the listing and the parameter string handed to the ledger print library.
//   parameters = code "," range "," sort choice "," direction ",0," title line
// Range 2 (the current row) prints the one side of the current line; any other range the
// list's filter.
#include "entries/print/LedgerPrintJob.h"
#include <optional>

namespace ksiega::ledger {

// The statement code of the currency listing, offered by the chooser beside 61, 63, 68.
inline constexpr int kCurrencyListingCode = 64;

struct PeriodsPrintInput {
    int code = 0;            // what the chooser returned
    int range = 0;           // DANE_ZAKRES_PRN: 0 listed, 1 marked, 2 current row
    int sortChoice = 0;      // LIST3 choice (1-based as the list shows it)
    bool descending = false;
    QString titleLine;       // "Okres obrotowy: ..." (or the filter's description)
    QString listFilter;      // prefixes cut
    int64_t idPozDok = 0;    // the current line and side, for range 2
    int strona = 0;
};

// The title of a code this window prints; none for the codes the chooser handles itself.
std::optional<QString> periodsPrintTitle(int code);
entries::LedgerPrintJob periodsPrintJob(const PeriodsPrintInput& in, const QString& header);

} // namespace ksiega::ledger
