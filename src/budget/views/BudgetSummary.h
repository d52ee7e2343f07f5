#pragma once
// The figures of "Podsumowanie" of a budget window: the count, the total and the sum of
// every flag of the side, in ONE statement with conditional sums over the list's own
// translated filter, always scoped by the bound company and side (an empty filter is
// still a valid statement). The marked figures come from the same statement over the ids.
#include "budget/views/BudgetSide.h"
#include "platform/db/Database.h"
#include "platform/runtime/Money.h"
#include <optional>
#include <vector>

namespace ksiega::budget {

struct BudgetFigures {
    int64_t count = 0;
    Money total;
    std::vector<Money> flags;   // one per BudgetSide::summaryFlags

    BudgetFigures& operator-=(const BudgetFigures& o);
    BudgetFigures& operator+=(const BudgetFigures& o);
    bool operator==(const BudgetFigures&) const = default;
};

struct BudgetSummaryQuery {
    int64_t company = 0;
    const BudgetSide* side = nullptr;
    // The translated filter (no WHERE, no prefixes); "" for none.
    QString where;
    // The statement reads the list's own view (BT_VIEW_KWOTY), so that any filter the list
    // takes reads there too. False when the filter names only columns of BT_DANE (company, side, ids, year,
    // symbol, flags, amount): the statement then reads BT_DANE without the joins.
    bool needsView = true;
};

// Throws db::DbError when the statement fails.
BudgetFigures budgetFigures(db::Database& db, const BudgetSummaryQuery& query);
// The figures of the given budget lines of the company and side (any number of ids).
BudgetFigures budgetFiguresOf(db::Database& db, int64_t company, const BudgetSide& side, const std::vector<int64_t>& ids);

// The same figures per classification symbol, or per level of it (1 dział, 2 dział and
// rozdział, 3 down to paragraf, 4 or 0 the whole symbol), in symbol order. A line split
// over two symbols counts under each with its own part.
struct SymbolFigures {
    QString symbol;
    BudgetFigures figures;
};
std::vector<SymbolFigures> budgetFiguresBySymbol(db::Database& db, const BudgetSummaryQuery& query, int level = 0);

// The next symbol after `symbol` (up) or before it (down) among the lines the query
// selects; with no symbol the first (up) or the last (down). None when there is no such
// symbol. The caller leaves its own classification condition out of the query.
std::optional<QString> adjacentSymbol(db::Database& db, const BudgetSummaryQuery& query, const QString& symbol, bool up);

// The select list of the statement: count(*), sum(kwota), then one conditional sum per flag.
QString figuresSelectList(const BudgetSide& side);

} // namespace ksiega::budget
