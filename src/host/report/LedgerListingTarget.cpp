// `ksiega report WYDRUK_KSIEGA --params P --filter F --title T [--currency X] [--entry N]
//  --pdf FILE | --text FILE`: a listing of the ledger print library for the session the
// command loaded (company, year, user).
#include "frame/SessionContext.h"
#include "frame/database/ModuleDatabase.h"
#include "host/report/ReportTargets.h"
#include "platform/siblings/ledgerprint/LedgerListing.h"
#include "entries/print/LedgerListingStart.h"

namespace ksiega::host {

namespace {

ReportTargetResult ledgerListingTarget(const Arguments& args) {
    SessionContext& s = session();
    const QString params = args.option(QStringLiteral("params"), QString());
    if (params.isEmpty()) return ReportTargetResult::failed(QStringLiteral("--params is required"));
    ledgerprint::ListingJob job = entries::sessionListingJob(
        s, params, args.option(QStringLiteral("filter"), QString()), args.option(QStringLiteral("title"), s.DANE_NAGLOWEK_WYDRUKU));
    job.currentEntry = args.option(QStringLiteral("entry"), QStringLiteral("0")).toLongLong();
    job.currency = args.option(QStringLiteral("currency"), s.activeCurrency()).toUpper();

    const report::RunResult result = ledgerprint::layoutListing(job, moduleDatabase());
    if (!result.error.isEmpty() && result.document.pages.empty()) return ReportTargetResult::failed(result.error);
    return ReportTargetResult::pages(result.document);
}

} // namespace

KSIEGA_REPORT_TARGET("WYDRUK_KSIEGA", ledgerListingTarget,
                     Options{Option::value("params", "CODE,RANGE,A,B,FLAG,TITLE", "the listing's parameters").required(),
                             Option::value("filter", "F", "the filter of the listed rows"),
                             Option::value("title", "T", "the heading (default: the session's)"),
                             Option::value("currency", "X", "the currency (default: the session's)"),
                             Option::value("entry", "ID", "the current entry").defaultsTo("0")});

} // namespace ksiega::host
