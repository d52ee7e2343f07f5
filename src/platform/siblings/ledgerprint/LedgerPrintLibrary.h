#pragma once
// The ledger print library as the module calls it: WYDRUK_KSIEGA prints a listing of
// the ledger (entries of an account or a period, in currency, turnovers and balances,
// the account, cash and bank reports) and delivers it to the preview, the printer or a
// PDF. The library in force is ledgerPrintLibrary(); a test puts its own in place with
// replaceLedgerPrintLibrary and watches the calls.
#include "platform/siblings/ledgerprint/ListingJob.h"

namespace ksiega::ledgerprint {

class LedgerPrintLibrary {
public:
    virtual ~LedgerPrintLibrary() = default;
    // Lays the listing out on a worker thread (with a progress window that can stop it)
    // and delivers it. Errors are shown as warnings; returns false when nothing was printed.
    virtual bool WYDRUK_KSIEGA(const ListingJob& job) = 0;
};

LedgerPrintLibrary& ledgerPrintLibrary();
// Puts a library in place (not owned); nullptr brings our stand-in back.
void replaceLedgerPrintLibrary(LedgerPrintLibrary* library);

} // namespace ksiega::ledgerprint
