#pragma once
// The listings of the ledger print library, each a report definition and a row source
// that streams the rows of one sorted statement to the layout on the report's worker
// thread (the rows are never held all at once). Every statement is scoped by the job's company and fiscal year as bound values;
// the caller's filter enters only through translateFilter().
#include "platform/report/ReportDefinition.h"
#include "platform/report/ReportRunner.h"
#include "platform/siblings/ledgerprint/ListingJob.h"
#include "platform/siblings/ledgerprint/ListingParameters.h"
#include <functional>

namespace ksiega::ledgerprint {

// How a row source gets its connection: the caller's (command line, tests) or one of its
// own opened from the job's URL (worker threads).
using ConnectionProvider = std::function<db::Database&()>;

struct PreparedListing {
    report::ReportDefinition definition;
    report::RowSource source;
    QString error;   // parameters or filter refused: nothing to print
    bool ok() const { return error.isEmpty(); }
};

PreparedListing prepareListing(const ListingJob& job, ConnectionProvider connection);

// Lays the listing out on the calling thread (command line, tests, benchmarks).
report::RunResult layoutListing(const ListingJob& job, db::Database& connection);

} // namespace ksiega::ledgerprint
