#pragma once
// What hangs on the demo documents once they are written: the register cards (contractors,
// employees, offices), the settlements of invoices with their payments, and the budget
// lines and budget plan of the budget unit.
#include "platform/db/demo/BudgetDocuments.h"
#include "platform/db/demo/DocumentWriter.h"
#include "platform/db/demo/IdentitySync.h"

namespace ksiega::db::demo {

// Contractors, employees and offices with the ids their card accounts carry.
void writeCards(Database& db, const std::vector<DemoCard>& cards);
// One settlement per invoice line with a settlement key, and a settling entry per later line with the same key.
void writeSettlements(Database& db, const std::vector<DemoDocument>& docs, const WrittenDocuments& written);
// Budget lines of every classified amount, and the plan of each year of the budget unit.
void writeBudget(Database& db, int64_t company, const std::map<int, int64_t>& years, const std::vector<DemoDocument>& docs,
                 const WrittenDocuments& written);

} // namespace ksiega::db::demo
