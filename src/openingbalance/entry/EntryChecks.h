#pragma once
// The checks "Zapisz" makes before the line is written: the amounts against the sums of
// the partial entries and of the settlements, in a fixed order. The first amount that
// does not agree is the one the user is asked about.
#include "openingbalance/settlements/LineSettlements.h"
#include "platform/server/OpeningBalanceLines.h"
#include <optional>
#include <vector>

namespace ksiega::openingbalance {

// The four amount fields of the window.
enum class AmountField { Wn, WnW, Ma, MaW };

Money& amountOf(server::LineAmounts& amounts, AmountField field);
Money amountOf(const server::LineAmounts& amounts, AmountField field);

struct AmountMismatch {
    QString text;      // the system's message
    AmountField field; // the field it is about
    Money sum;         // what "Zmień kwotę" puts into the field
};

// Partial entries first (Dt in the currency, Dt in PLN, Ct in the currency, Ct in PLN),
// then settlements (Dt, Ct, Dt in the currency, Ct in the currency). A settlement counts by
// its side and with its correction sign: a correction lowers its side's sum. The currency
// amounts are compared only when the account keeps them (`currencyAmounts`).
std::optional<AmountMismatch> firstMismatch(const server::LineAmounts& amounts,
                                            const std::vector<server::PartialEntry>& partials,
                                            const std::vector<SettlementRow>& settlements, bool currencyAmounts);

// The partial entries' sums per column.
server::LineAmounts partialSums(const std::vector<server::PartialEntry>& partials);
// The settlements' signed sums per side ("WN" into Dt, "MA" into Ct).
server::LineAmounts settlementSums(const std::vector<SettlementRow>& settlements);

} // namespace ksiega::openingbalance
