#include "budget/views/BudgetSummary.h"

namespace ksiega::budget {

BudgetFigures& BudgetFigures::operator-=(const BudgetFigures& o) {
    count -= o.count;
    total -= o.total;
    flags.resize(std::max(flags.size(), o.flags.size()));
    for (size_t i = 0; i < o.flags.size(); ++i) flags[i] -= o.flags[i];
    return *this;
}

BudgetFigures& BudgetFigures::operator+=(const BudgetFigures& o) {
    count += o.count;
    total += o.total;
    flags.resize(std::max(flags.size(), o.flags.size()));
    for (size_t i = 0; i < o.flags.size(); ++i) flags[i] += o.flags[i];
    return *this;
}

QString figuresSelectList(const BudgetSide& side) {
    QString sql = QStringLiteral("count(*), coalesce(sum(kwota),0)");
    for (const BudgetFlag& f : side.summaryFlags)
        sql += QStringLiteral(", coalesce(sum(case when %1=1 then kwota else 0 end),0)").arg(f.column);
    return sql;
}

namespace {

QString sourceAndScope(const BudgetSummaryQuery& q);

BudgetFigures read(db::Rows& r, const BudgetSide& side) {
    BudgetFigures out;
    out.flags.resize(side.summaryFlags.size());
    if (!r.next()) return out;
    out.count = r.int64(0);
    out.total = r.money(1);
    for (size_t i = 0; i < side.summaryFlags.size(); ++i) out.flags[i] = r.money(int(i) + 2);
    return out;
}

} // namespace

BudgetFigures budgetFigures(db::Database& db, const BudgetSummaryQuery& q) {
    db::Rows r = db.select(QStringLiteral("select ") + figuresSelectList(*q.side) + sourceAndScope(q), {q.company, q.side->code});
    return read(r, *q.side);
}

namespace {

QString sourceAndScope(const BudgetSummaryQuery& q) {
    QString sql = (q.needsView ? QStringLiteral(" from BT_VIEW_KWOTY") : QStringLiteral(" from BT_DANE")) +
                  QStringLiteral(" where id_firmy=? AND typ=?");
    if (!q.where.isEmpty()) sql += QStringLiteral(" AND (") + q.where + QStringLiteral(")");
    return sql;
}

// The characters of a symbol that make its level: dział 1-3, rozdział 5-9, paragraf 11-14.
QString levelExpression(int level) {
    switch (level) {
    case 1: return QStringLiteral("substr(bt_klasyfikacja,1,3)");
    case 2: return QStringLiteral("substr(bt_klasyfikacja,1,9)");
    case 3: return QStringLiteral("substr(bt_klasyfikacja,1,14)");
    default: return QStringLiteral("bt_klasyfikacja");
    }
}

} // namespace

std::vector<SymbolFigures> budgetFiguresBySymbol(db::Database& db, const BudgetSummaryQuery& q, int level) {
    const QString key = levelExpression(level);
    db::Rows r = db.select(QStringLiteral("select %1, ").arg(key) + figuresSelectList(*q.side) + sourceAndScope(q) +
                               QStringLiteral(" group by %1 order by %1").arg(key),
                           {q.company, q.side->code});
    std::vector<SymbolFigures> out;
    while (r.next()) {
        SymbolFigures s;
        s.symbol = r.text(0);
        s.figures.count = r.int64(1);
        s.figures.total = r.money(2);
        for (size_t i = 0; i < q.side->summaryFlags.size(); ++i) s.figures.flags.push_back(r.money(int(i) + 3));
        out.push_back(std::move(s));
    }
    return out;
}

std::optional<QString> adjacentSymbol(db::Database& db, const BudgetSummaryQuery& q, const QString& symbol, bool up) {
    QString sql = QStringLiteral("select bt_klasyfikacja") + sourceAndScope(q);
    db::Params params{q.company, q.side->code};
    if (!symbol.isEmpty()) {
        sql += up ? QStringLiteral(" AND bt_klasyfikacja > ?") : QStringLiteral(" AND bt_klasyfikacja < ?");
        params.emplace_back(symbol);
    }
    sql += up ? QStringLiteral(" order by bt_klasyfikacja asc limit 1") : QStringLiteral(" order by bt_klasyfikacja desc limit 1");
    db::Rows r = db.select(sql, params);
    if (!r.next()) return std::nullopt;
    return r.text(0);
}

BudgetFigures budgetFiguresOf(db::Database& db, int64_t company, const BudgetSide& side, const std::vector<int64_t>& ids) {
    BudgetFigures out;
    out.flags.resize(side.summaryFlags.size());
    constexpr size_t chunk = 500;
    for (size_t i = 0; i < ids.size(); i += chunk) {
        const size_t n = std::min(chunk, ids.size() - i);
        db::Params params{company, side.code};
        QString holes;
        for (size_t k = 0; k < n; ++k) {
            holes += k ? QStringLiteral(",?") : QStringLiteral("?");
            params.emplace_back(ids[i + k]);
        }
        db::Rows r = db.select(QStringLiteral("select ") + figuresSelectList(side) +
                                   QStringLiteral(" from BT_DANE where id_firmy=? AND typ=? AND id_bt_dane in (%1)").arg(holes),
                               params);
        out += read(r, side);
    }
    return out;
}

} // namespace ksiega::budget
