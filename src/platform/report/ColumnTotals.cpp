#include "platform/report/ColumnTotals.h"

namespace ksiega::report {

ColumnTotals::ColumnTotals(const std::vector<Column>& columns) : m_columns(&columns), m_values(columns.size()) {}

void ColumnTotals::add(const Row& row) {
    const auto& columns = *m_columns;
    for (size_t i = 0; i < columns.size() && i < row.size(); ++i) {
        if (!columns[i].amount) continue;
        if (columns[i].mode == TotalMode::Sum)
            m_values[i] += row[i].amount;
        else
            m_values[i] = row[i].amount;
    }
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
