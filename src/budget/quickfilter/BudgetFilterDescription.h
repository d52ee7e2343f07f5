#pragma once
// The description lines a printout's head carries for the budget part of its filter: the
// budget kinds that built it and the classification mask or chosen symbols. Lines of at
// most 150 characters; nothing outside the budget edition or when the filter names
// neither the kinds (RODZAJ_) nor the classification (BT_KLASYFIKACJA), compared in upper case.
#include "budget/quickfilter/BudgetFilterSettings.h"

namespace ksiega::budget {

inline constexpr int kDescriptionLineLength = 150;

QStringList describeBudgetFilter(const QString& filter, const BudgetFilterSwitches& switches, bool budgetEdition,
                                 const QString& separator);

// The switches of an applied filter of a side ("W" or "D"); chosenSymbols are the symbols
// the filter names (one, or those left in browser 36).
BudgetFilterSwitches switchesOf(const BudgetFilterSettings& settings, const QString& side, const QStringList& chosenSymbols);

} // namespace ksiega::budget
