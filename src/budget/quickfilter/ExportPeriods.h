#pragma once
// The periods of the export form: "Styczeń 2026" .. "Grudzień 2026", then "I kwartał" ..
// "IV kwartał"; and the dates a chosen period covers, its start moved back for the
// cumulative switches.
#include "budget/export/BudgetExport.h"
#include <QStringList>

namespace ksiega::budget {

// 16 names: the twelve months with the year, then the four quarters.
QStringList exportPeriodNames(int year);

struct PeriodDates {
    int from = 0, to = 0;
};

// The period of the form in `year`: a month (form.period 1..12) or a quarter (1..4). With
// "Sumuj narastająco w kwartale" a month starts at its quarter's first day; with "Sumuj
// narastająco od początku roku" any period starts on 1 January.
PeriodDates exportPeriodDates(const BudgetExportForm& form, int year);

} // namespace ksiega::budget
