#pragma once
// The six file layouts (expenditure and revenue, for BESTIA, JB and JST): their fields in
// order and the record of one symbol.
#include "budget/export/ExportFigures.h"
#include "platform/dbase/DbaseTable.h"

namespace ksiega::budget {

// The values every record of a file repeats.
struct ExportHeading {
    BudgetExportForm form;
    int to = 0;   // the period's end: ROK and KWARTAL
};

std::vector<dbase::Field> layoutFields(const QString& side, const QString& format);
// One record in the layout's field order; the amounts already rounded.
std::vector<dbase::Value> layoutRecord(const ExportHeading& heading, const ExportSymbolFigures& figures);

} // namespace ksiega::budget
