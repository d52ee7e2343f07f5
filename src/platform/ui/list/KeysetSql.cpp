#include "platform/ui/list/KeysetSql.h"
#include <QStringList>

namespace ksiega::ui::keyset {

namespace {

QString orderBy(const SortOrder& order) {
    QStringList parts;
    for (const SortKey& k : order.keys) parts << k.column + (k.descending ? QStringLiteral(" desc") : QStringLiteral(" asc"));
    return QStringLiteral(" order by ") + parts.join(QStringLiteral(", "));
}

void append(Statement& to, const Statement& cond) {
    if (cond.sql.isEmpty()) return;
    to.sql += to.sql.isEmpty() ? cond.sql : QStringLiteral(" and ") + cond.sql;
    to.params.insert(to.params.end(), cond.params.begin(), cond.params.end());
}

Statement selectFrom(const ListQuery& q, const Statement& where) {
    Statement s{QStringLiteral("select ") + q.fetchedColumns().join(QStringLiteral(", ")) +
                QStringLiteral(" from ") + q.source, {}};
    if (!where.sql.isEmpty()) {
        s.sql += QStringLiteral(" where ") + where.sql;
        s.params = where.params;
    }
    return s;
}

} // namespace

Statement afterCondition(const SortOrder& order, const KeyValues& key, bool inclusive) {
    Statement s;
    const int n = int(order.keys.size());
    if (n == 0 || int(key.size()) != n) return s;
    // Built from the last key outwards: tail_i = k_i > v_i OR (k_i = v_i AND tail_{i+1}).
    QString tail;
    db::Params tailParams;
    for (int i = n - 1; i >= 0; --i) {
        const SortKey& k = order.keys[i];
        const QString gt = k.descending ? QStringLiteral("<") : QStringLiteral(">");
        if (i == n - 1) {
            tail = k.column + QStringLiteral(" ") + gt + (inclusive ? QStringLiteral("=") : QString()) + QStringLiteral(" ?");
            tailParams = {key[i]};
        } else {
            tail = k.column + QStringLiteral(" ") + gt + QStringLiteral(" ? or (") + k.column +
                   QStringLiteral(" = ? and (") + tail + QStringLiteral("))");
            db::Params p{key[i], key[i]};
            p.insert(p.end(), tailParams.begin(), tailParams.end());
            tailParams = std::move(p);
        }
    }
    // The leading bound lets the planner start an index range scan at v1.
    const SortKey& first = order.keys[0];
    s.sql = first.column + (first.descending ? QStringLiteral(" <= ?") : QStringLiteral(" >= ?")) +
            QStringLiteral(" and (") + tail + QStringLiteral(")");
    s.params = {key[0]};
    s.params.insert(s.params.end(), tailParams.begin(), tailParams.end());
    return s;
}

Statement baseCondition(const ListQuery& q) {
    Statement s;
    for (const RangeLimit& r : q.ranges) append(s, {r.column + QStringLiteral(" = ?"), {r.value}});
    if (!q.filter.isEmpty()) append(s, {QStringLiteral("(") + q.filter.where + QStringLiteral(")"), q.filter.params});
    return s;
}

Statement page(const ListQuery& q, const SortOrder& order, const std::optional<KeyValues>& key,
               bool inclusive, int limit) {
    Statement where = baseCondition(q);
    if (key) append(where, afterCondition(order, *key, inclusive));
    Statement s = selectFrom(q, where);
    s.sql += orderBy(order) + QStringLiteral(" limit ") + QString::number(limit);
    return s;
}

Statement locate(const ListQuery& q, const db::SqlValue& value, int limit) {
    const SortOrder order = q.totalSort();
    const SortKey& first = order.keys[0];
    Statement where = baseCondition(q);
    append(where, {first.column + (first.descending ? QStringLiteral(" <= ?") : QStringLiteral(" >= ?")), {value}});
    Statement s = selectFrom(q, where);
    s.sql += orderBy(order) + QStringLiteral(" limit ") + QString::number(limit);
    return s;
}

Statement locateContaining(const ListQuery& q, const QString& text, int limit) {
    const SortOrder order = q.totalSort();
    QString pattern = text.toLower();
    pattern.replace(QStringLiteral("\\"), QStringLiteral("\\\\"))
        .replace(QStringLiteral("%"), QStringLiteral("\\%"))
        .replace(QStringLiteral("_"), QStringLiteral("\\_"));
    Statement where = baseCondition(q);
    append(where, {QStringLiteral("lower(") + order.keys[0].column + QStringLiteral(") like ? escape '\\'"),
                   {QStringLiteral("%") + pattern + QStringLiteral("%")}});
    Statement s = selectFrom(q, where);
    s.sql += orderBy(order) + QStringLiteral(" limit ") + QString::number(limit);
    return s;
}

Statement all(const ListQuery& q) {
    Statement s = selectFrom(q, baseCondition(q));
    s.sql += orderBy(q.totalSort());
    return s;
}

Statement count(const ListQuery& q) {
    const Statement where = baseCondition(q);
    Statement s{QStringLiteral("select count(*) from ") + q.source, where.params};
    if (!where.sql.isEmpty()) s.sql += QStringLiteral(" where ") + where.sql;
    return s;
}

} // namespace ksiega::ui::keyset
