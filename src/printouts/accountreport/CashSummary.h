#pragma once
// The cash-book style summary of "Raport z konta" (?LIST6): "Z przeniesienia" (what the
// account holds before the range), "Razem" (the range), "Do przeniesienia" (both), each
// with its turnovers and balances in PLN and in the chosen currency.
#include "platform/runtime/Money.h"
#include <QString>
#include <array>

namespace ksiega::printouts {

// The four amounts of one date: PLN Dt, PLN Ct, currency Dt, currency Ct.
using CashAmounts = std::array<Money, 4>;

struct SummaryRow {
    QString label;   // 19 characters
    Money obrotyDt, saldoDt, obrotyCt, saldoCt;
    Money obrotyDtW, saldoDtW, obrotyCtW, saldoCtW;
};

struct CashSummary {
    SummaryRow carriedIn;    // "Z przeniesienia"
    SummaryRow total;        // "Razem"
    SummaryRow carriedOut;   // "Do przeniesienia"
};

// before: the amounts up to the day before the range; atEnd: up to its last day.
// "Do przeniesienia" adds the turnovers of the two rows above and computes its balance
// from those sums (never by adding the balances above).
CashSummary makeCashSummary(const CashAmounts& before, const CashAmounts& atEnd);

} // namespace ksiega::printouts
