#pragma once
// The figures of an export: per classification symbol (its first 14 characters, so that
// analytic symbols merge into their paragraf) the plan in force at the end of the period
// and the two execution sums of the side, from the company's and year's budget lines and
// plan.
#include "budget/export/BudgetExport.h"
#include "platform/db/Database.h"
#include "platform/runtime/Money.h"
#include <vector>

namespace ksiega::budget {

struct ExportScope {
    int64_t idFirmy = 0;
    int64_t idLataObrot = 0;
    QString separator = QStringLiteral("-");   // GGG_BT_SEPARATOR
};

struct ExportSymbolFigures {
    QString symbol;     // first 14 characters: dział, separator, rozdział, separator, paragraf
    QString dzial, rozdzial, paragraf;
    Money plan;         // KR:DEC1
    Money execution;    // KR:DEC2: expenditure (rodzaj_wy) or accrued revenue (rodzaj_d)
    Money second;       // KR:DEC3: commitment (rodzaj_z) or receipts (rodzaj_wp)
};

// The symbols of the side's budget lines booked from..to that pass `sqlFilter` (an SQL
// condition over BT_VIEW, "" none) with their execution sums under the same filter, and
// the symbols of the year's plan with the plan in force on `to`; sorted by symbol, amounts
// not yet rounded. Two statements whatever the number of symbols. A symbol without the
// dział-rozdział-paragraf shape refuses the whole export (ExportRefused lists them).
std::vector<ExportSymbolFigures> gatherFigures(db::Database& db, const ExportScope& scope, const QString& side, int from, int to,
                                         const QString& sqlFilter);

// An amount under "Zaokrąglanie kwoty": unchanged, to whole złoty half away from zero, or
// with the grosze dropped (toward zero); the sign is kept.
Money roundAmount(Money amount, ExportRounding rounding);

} // namespace ksiega::budget
