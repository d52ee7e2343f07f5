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
    QString sql = QStringLiteral("select ") + figuresSelectList(*q.side) +
                  (q.needsView ? QStringLiteral(" from BT_VIEW") : QStringLiteral(" from BT_DANE")) +
                  QStringLiteral(" where id_firmy=? AND typ=?");
    if (!q.where.isEmpty()) sql += QStringLiteral(" AND (") + q.where + QStringLiteral(")");
    db::Rows r = db.select(sql, {q.company, q.side->code});
    return read(r, *q.side);
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
