#pragma once
// The budget printouts laid out into pages: the plan report (1), the classification report
// (2), the entries report (3), the full classification report with its entries (4) and the
// Rb forms. A job holds copies of the settings and the session, so a report laid out on a
// worker thread reads nothing that the windows may change meanwhile. A preparation or
// query error gives no pages (nothing that would look like a whole report) and its text.
#include "budget/reports/BudgetPreparation.h"
#include "platform/report/PageModel.h"
#include <QStringList>
#include <optional>

namespace ksiega::budget {

enum BudgetReportNumber : int {
    kPlanReport = 1,            // "Zestawienie planu klasyfikacji budżetowej"
    kClassificationReport = 2,  // "Zestawienie klasyfikacji budżetowej"
    kEntriesReport = 3,         // "Zestawienie zapisów księgowych"
    kFullClassificationReport = 4,
    kRb27Form = 27,
    kRb30Form = 30,
};

// The heading of report 1..4 as the views store it in DANE_NAGLOWEK_WYDRUKU ("" for others).
QString budgetReportHeading(int report);

struct BudgetReportJob {
    int report = kClassificationReport;
    uint8_t range = 0;            // DANE_ZAKRES_PRN: 0 all, 1 marked, 2 single (the filter says which rows)
    int sortOrder = 1;            // entries report: 1..8 as the view's sort list
    bool descending = false;
    QString side = QStringLiteral("W");
    QString heading;              // the title
    QString filter;               // the view's record filter (framework syntax)
    BudgetPrintSettings settings;
    BudgetScope scope;
    QStringList description;      // DANE_OPIS_PRN
};

struct BudgetReportResult {
    std::optional<report::Document> document;
    QString error;
};

// Lays a job out on the calling thread with the given connection.
BudgetReportResult layOutBudgetReport(db::Database& db, const BudgetReportJob& job);

// The ORDER BY of the entries report for a sort order 1..8 (1 for anything else).
QString entriesOrderClause(int sortOrder, bool descending);

// "za okres od początku roku do dnia 30-06-2026" or "za okres od dnia .. do dnia ..".
QString formPeriodLine(int from, int to);

} // namespace ksiega::budget
