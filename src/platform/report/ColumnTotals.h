#pragma once
// Totals of a report's amount columns: a sum or the last value per column.
#include "platform/report/ReportDefinition.h"
#include <vector>

namespace ksiega::report {

class ColumnTotals {
public:
    explicit ColumnTotals(const std::vector<Column>& columns);
    void add(const Row& row);
    void reset();
    // The values with each ratio column computed from its own numerator and denominator.
    std::vector<Money> withRatios(std::vector<Money> values) const;
    const std::vector<Money>& values() const { return m_values; }
    Money operator[](size_t column) const { return m_values[column]; }

private:
    const std::vector<Column>* m_columns;
    std::vector<Money> m_values;
};

} // namespace ksiega::report
