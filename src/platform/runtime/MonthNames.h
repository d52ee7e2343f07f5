#pragma once
// Polish month names as lists and period rows show them ("Styczeń" .. "Grudzień").
#include <QString>

namespace ksiega {

// NAZWA_MIESIACA(month, 0): the name of month 1..12 in the nominative, capitalised
// ("Styczeń"). Mode 0 is the only form the module asks for; a month outside 1..12 gives "".
QString NAZWA_MIESIACA(int month, int mode = 0);

// The label of a month row of a period list: the month name, or the year, two blanks and
// the month name when the fiscal year spans two calendar years ("2025  Lipiec").
QString periodMonthLabel(int year, int month, bool withYear);

} // namespace ksiega
