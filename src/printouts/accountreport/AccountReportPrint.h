#pragma once
// The printed account report (codes 65, 66, 67) of the current range of "Raport z konta":
// the range's entries with "Razem", then the summary lines "Z przeniesienia",
// "Do przeniesienia" and the balance.
#include "platform/report/Report.h"
#include "printouts/accountreport/AccountReportController.h"

namespace ksiega::printouts {

// The definition of the report of the current range (title of the code, the session's
// company heading, the description lines of the controller).
report::ReportDefinition accountReportDefinition(AccountReportController& controller, int code,
                                                 const CashSummary& summary);
// The rows of the current range, streamed from the entry view in date order.
report::RowSource accountReportRows(db::Database& db, const AccountReportController& controller);
// Both together, laid out on the calling thread.
report::RunResult layoutAccountReport(db::Database& db, AccountReportController& controller, int code);

} // namespace ksiega::printouts
