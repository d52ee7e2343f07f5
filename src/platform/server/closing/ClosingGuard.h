#pragma once
// What refuses the year-end closing and the removal, checked inside their transaction.
#include "platform/db/Database.h"
#include "platform/server/FiscalYear.h"

namespace ksiega::server::closing {

// Takes the rows of both years as every opening-balance writer does and returns the next
// year; throws ClosingRefused when there is none or its opening balance is approved.
FiscalYear lockYears(db::Database& db, const FiscalYear& closingYear, const QString& login);
// Throws ClosingRefused when a line of a next-year opening-balance document is claimed by
// another login than `login`.
void refuseLinesOfOthers(db::Database& db, const FiscalYear& nextYear, const QString& login);

} // namespace ksiega::server::closing
