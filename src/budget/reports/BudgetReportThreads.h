#pragma once
// Budget printouts on threads of their own: each job carries its copies of the settings
// and the session and its own connection, and prepares its own classification queue, so
// two reports running at once share nothing. The pages go to the GUI thread for the
// preview or the printer; an error is shown there as a warning and nothing is delivered.
#include "budget/reports/BudgetReports.h"
#include "platform/report/ReportOutput.h"
#include <functional>

namespace ksiega::budget {

struct BudgetPrintJob {
    BudgetReportJob report;
    QString databaseUrl;     // the worker opens its own connection
    bool prepareForms = false;   // the Rb forms: write and fill the variant-50 rows first
};

// What is done with a finished report on the GUI thread (tests put their own in place).
using BudgetReportDelivery = std::function<void(const BudgetReportResult&)>;
void setBudgetReportDelivery(BudgetReportDelivery delivery);   // empty: preview or printer of the session

// Starts a job on a worker thread (on the calling thread when there is no application).
void startBudgetReport(BudgetPrintJob job);
// Waits until every started report has finished and its result was delivered.
void waitForBudgetReports();

// A job from the session's globals and the module's print settings, taken now.
BudgetPrintJob sessionBudgetJob(int report, uint8_t range, uint8_t sort, bool descending, const QString& filter,
                                const QString& side, const QString& heading);

} // namespace ksiega::budget
