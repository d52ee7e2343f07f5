#pragma once
// The heading data of the budget printouts: the company's full name, REGON, its address in
// force on the print date, the fiscal year's name and the regional audit office and GUS
// codes of that address.
#include "budget/reports/BudgetPreparation.h"

namespace ksiega::budget {

struct BudgetHeading {
    QString name;
    QString regon;
    QString address1, address2;
    QString yearName;
    QString rio;                          // "w " + fk_rio
    QString wojewodztwo, powiat, gmina;   // GUS codes; gmina with its type after a blank
};

BudgetHeading readBudgetHeading(db::Database& db, const BudgetScope& scope);

} // namespace ksiega::budget
