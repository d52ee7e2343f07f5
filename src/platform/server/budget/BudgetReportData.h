#pragma once
// The figures of the budget printouts per classification symbol, read set-based: one
// grouped pass over the budget lines with conditional sums (accumulated and period
// amounts per budget-sense flag), one grouped plan query and the dictionary's names read
// once. Subtotals and percentages are made from these figures in memory by the caller.
#include "platform/db/Database.h"
#include "platform/runtime/Money.h"
#include <QHash>
#include <array>
#include <vector>

namespace ksiega::server {

enum class BudgetDateBasis { Booking, Document };

struct BudgetFiguresRequest {
    int64_t company = 0;
    int64_t year = 0;            // id_lata_obrot: lines and plan of this fiscal year only
    QString side;                // "W" or "D"; anything else is refused
    int from = 0;                // first day of the period
    int to = 0;                  // last day: accumulated and period sums end here, the plan counts changes up to it
    BudgetDateBasis basis = BudgetDateBasis::Booking;
    QString where;               // the record filter already translated to SQL (may be empty)
    db::Params whereParams;      // values bound to the '?' of `where`
    bool withPlan = false;       // symbols of the plan without lines join the list
    // Narrows the plan symbols (the classification condition of the record filter, on column
    // bt_klasyfikacja); empty = all plan symbols of the year and side.
    QString planCondition;
    db::Params planParams;
    int nameDate = 0;            // names valid on this day
    QString separator = QStringLiteral("-");
};

struct BudgetSymbolFigures {
    QString symbol;
    QString name;
    bool hasLines = false;        // the symbol occurs in the budget lines under the filter
    Money plan;                   // plan after changes up to `to`
    std::array<Money, 3> accumulated{};  // W: wydatki, koszty, zaangażowanie; D: dochody, wpływy, 0
    std::array<Money, 3> period{};
};

// The flag columns of the three amounts of a side; "" where the side has none.
std::array<QString, 3> budgetSenseColumns(const QString& side);
// The date column of a basis in BT_VIEW.
QString budgetDateColumn(BudgetDateBasis basis);

// Symbols in ascending order (by code point), each once. Throws db::DbError or
// std::invalid_argument (a side other than W or D).
std::vector<BudgetSymbolFigures> budgetSymbolFigures(db::Database& db, const BudgetFiguresRequest& request);

// The name of a symbol as TG_Klasyfikacja_Info gives it, from names read once for a whole
// report (mode 3/4 for a symbol, the level's mode for a prefix).
class ClassificationNames {
public:
    ClassificationNames(db::Database& db, int64_t company, int date, const QString& side, const QString& separator);
    QString ofSymbol(const QString& symbol) const;   // mode 3 / 4
    QString ofPrefix(const QString& prefix) const;   // the prefix's own name

private:
    QHash<QString, QString> m_names;
    QString m_separator;
};

} // namespace ksiega::server
