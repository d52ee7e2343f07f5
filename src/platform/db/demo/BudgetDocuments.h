#pragma once
// The year's documents of the budget unit (a school): the financial plan and commitments
// off the balance sheet, purchase invoices, payroll, bank statements with the funding from
// the municipality and the payments, revenue accruals and receipts, cash and depreciation.
// Every amount that counts in the budget carries its classification (dział-rozdział-paragraf).
#include "platform/db/demo/GeneratorContext.h"

namespace ksiega::db::demo {

std::vector<DemoDocument> budgetDocuments(GeneratorContext& ctx, int scale);

// The plan of the year per classification symbol and side, in grosze.
struct PlanItem {
    QString symbol;
    QChar side;
    int64_t amount;
};
std::vector<PlanItem> budgetPlan(int year);

} // namespace ksiega::db::demo
