#pragma once
// How the module's windows hand a listing to the ledger print library: WYDRUK_KSIEGA
// with its three strings and what the library reads of the session (company, year,
// user, currency, heading data, description lines, print switches), copied when the
// listing is asked for, so that the window may go on and change its globals.
#include "frame/SessionContext.h"
#include "platform/report/ReportOutput.h"
#include "platform/siblings/ledgerprint/ListingJob.h"

class QWidget;

namespace ksiega::entries {

// The job of WYDRUK_KSIEGA(params, filter, heading) for the session as it is now. The
// description lines are taken from DANE_OPIS_PRN and the handed rows from
// DANE_KOLEJKA_VAX; both are then emptied.
ledgerprint::ListingJob sessionListingJob(SessionContext& session, const QString& params, const QString& filter,
                                          const QString& heading);

// Where a printout of the session goes: DANE_DRUKARKA_EKRAN, GGG:NUMCOPY,
// GGG:EMAILPDFSAVEAS and the module's settings for the preview.
report::OutputChoice sessionOutputChoice(SessionContext& session);

// Starts the listing once the calling window's handler has returned: the window does
// not wait for it. The library lays the pages out on a worker thread of its own, with a
// progress window that can stop it, and delivers them.
void startLedgerListing(ledgerprint::ListingJob job);

// PRN_62_KSIEGA_K_THREAD(byte) started the same way, after the caller filled the
// account period-turnover queue and DANE_NAGLOWEK_WYDRUKU.
void startAccountLedgerPrintout(const QString& noAccountName);

// The calls of a window's "Drukuj", to the libraries in force:
// ZESTAWIENIA_CRS(set): the report code, 0 when cancelled.
int chooseStatement(const QString& set, QWidget* parent);
// PARAM_PRN_BRO with the session's print globals (DANE_ZAKRES_PRN, DANE_DRUKARKA_EKRAN,
// GGG:NUMCOPY): true to print.
bool askPrintRange(SessionContext& session, QWidget* parent);

} // namespace ksiega::entries
