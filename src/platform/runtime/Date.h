#pragma once
// Dates are the runtime's day numbers: day 1 is 28 December 1800, 0 means "no date".
// Period dates name a ledger period by their day of month: 1 = opening balance "BO"
// of the first month of the fiscal year, 2 = an ordinary month, 28 = closing "BZ".
#include <QDate>
#include <QString>
#include <optional>

namespace ksiega::date {

int fromYmd(int year, int month, int day);
int fromQDate(const QDate& d);          // invalid date gives 0
QDate toQDate(int dayNumber);           // 0 gives an invalid QDate
int year(int dayNumber);
int month(int dayNumber);
int day(int dayNumber);

// ISO "2026-03-15" both ways; parse gives nullopt for anything else.
std::optional<int> parseIso(const QString& text);
QString toIso(int dayNumber);           // "" for 0
QString toDisplay(int dayNumber);       // dd-mm-yyyy, "" for 0

enum class PeriodKind { OpeningBalance, Month, ClosingBalance, Unknown };
PeriodKind periodKind(int periodDate);
int openingPeriod(int fiscalYearStart);            // day 1 of the start month
int monthPeriod(int year, int month);              // day 2 of the month
int closingPeriod(int fiscalYearEnd);              // day 28 of the end month

} // namespace ksiega::date
