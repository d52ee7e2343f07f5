#pragma once
// The classification queue of the budget printouts: the detail symbols in symbol order,
// and after the members of each group its subtotal entries (rozdział, then dział, ...),
// made in memory from the figures read per symbol. One prefix rule everywhere: a
// subtotal of prefix P stands for every detail equal to P or starting with P and the
// separator, so a symbol that is both a detail and a parent counts in its own subtotal.
// Percentages are recomputed from the sums an entry stands for, never added up.
#include "platform/server/budget/BudgetReportData.h"
#include <QString>
#include <array>
#include <vector>

namespace ksiega::budget {

struct ClassificationFigures {
    Money plan;
    std::array<Money, 3> accumulated{};   // wykonanie / koszty / zaangażowanie narastająco
    std::array<Money, 3> period{};        // the same within the period

    ClassificationFigures& operator+=(const ClassificationFigures& o);
    Money toRealise() const { return plan - accumulated[0]; }   // "Do realizacji"
    // "% realiz." in hundredths of a per cent (5000 = 50,00%), rounded half away from
    // zero; 0 when the plan is 0.
    int64_t percentHundredths() const;
};

// A ratio in hundredths of a per cent: numerator / denominator * 100, 0 for a 0 denominator.
int64_t percentHundredths(Money numerator, Money denominator);
// "50.00", "-3.25": a ratio in hundredths written with a point.
QString percentText(int64_t hundredths);

struct ClassificationEntry {
    QString symbol;
    QString name;
    bool detail = true;    // false: a subtotal of a higher level added by the grouping step
    bool hasLines = false; // a detail with budget lines (false: plan only)
    int separators = 0;    // the level: 0 dział, 1 rozdział, 2 paragraf, 3 analytic
    ClassificationFigures figures;
};

// Builds the queue from figures in ascending symbol order. names gives subtotal names.
std::vector<ClassificationEntry> classificationQueue(const std::vector<server::BudgetSymbolFigures>& symbols,
                                                     const QString& separator, const server::ClassificationNames* names);

// Whether an entry prints: subtotals only when subtotals are on; with a depth below 4 only
// entries of that depth or higher ("Dział" = 1 prints dział rows only).
bool printsAtLevel(const ClassificationEntry& entry, bool subtotals, int depth);

// The total of the details (each counted once), with its percentage recomputed.
ClassificationFigures detailTotal(const std::vector<ClassificationEntry>& queue);

} // namespace ksiega::budget
