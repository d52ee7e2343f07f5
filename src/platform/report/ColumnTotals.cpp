#include "platform/report/ColumnTotals.h"

namespace ksiega::report {

ColumnTotals::ColumnTotals(const std::vector<Column>& columns) : m_columns(&columns), m_values(columns.size()) {}

void ColumnTotals::add(const Row& row) {
    const auto& columns = *m_columns;
    for (size_t i = 0; i < columns.size() && i < row.size(); ++i) {
        if (!columns[i].amount || columns[i].isRatio()) continue;
        if (columns[i].mode == TotalMode::Sum)
            m_values[i] += row[i].amount;
        else
            m_values[i] = row[i].amount;
    }
}

int64_t ratioHundredths(Money numerator, Money denominator) {
    if (denominator.isZero()) return 0;
    const __int128 n = __int128(numerator.minor()) * 10000;
    const __int128 d = denominator.minor();
    __int128 q = n / d;
    const __int128 r = n % d;
    if ((r < 0 ? -r : r) * 2 >= (d < 0 ? -d : d)) q += ((n < 0) != (d < 0)) ? -1 : 1;
    return int64_t(q);
}

std::vector<Money> ColumnTotals::withRatios(std::vector<Money> values) const {
    const auto& columns = *m_columns;
    for (size_t i = 0; i < columns.size() && i < values.size(); ++i) {
        const Column& c = columns[i];
        if (!c.isRatio() || size_t(c.ratioNumerator) >= values.size() || size_t(c.ratioDenominator) >= values.size()) continue;
        values[i] = Money::fromMinor(ratioHundredths(values[size_t(c.ratioNumerator)], values[size_t(c.ratioDenominator)]));
    }
    return values;
}

void ColumnTotals::reset() {
    m_values.assign(m_columns->size(), Money());
}

SummaryLine persaldo(const std::vector<Money>& finalTotals, int balanceDtColumn, int balanceCtColumn) {
    const Balance b = Balance::of(finalTotals.at(size_t(balanceDtColumn)), finalTotals.at(size_t(balanceCtColumn)));
    SummaryLine line;
    line.label = QStringLiteral("Persaldo");
    line.amounts[balanceDtColumn] = b.dt;
    line.amounts[balanceCtColumn] = b.ct;
    return line;
}

} // namespace ksiega::report
