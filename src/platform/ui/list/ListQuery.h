#pragma once
// What a paged list reads: a view or table, its columns, the unique id column, a sort
// order, range limits (column = value, e.g. id_firmy = ?) and a filter already translated
// to SQL (WHERE text with '?' placeholders and its bound values).
//
// Key columns are assumed never to be NULL: the views give '' or 0 instead. A NULL in a
// key column would fall out of the keyset comparisons and its row would not be listed.
#include "platform/db/SqlValue.h"
#include "platform/ui/list/ListColumn.h"
#include "platform/ui/list/SortOrder.h"

namespace ksiega::ui {

struct RangeLimit {
    QString column;
    db::SqlValue value;
};

struct SqlFilter {
    QString where;     // "" = no filter
    db::Params params;
    bool isEmpty() const { return where.trimmed().isEmpty(); }
};

struct ListQuery {
    QString source;                 // view or table
    ListColumns columns;            // shown, in order
    QString idColumn = QStringLiteral("id");
    SortOrder sort;
    QVector<RangeLimit> ranges;
    SqlFilter filter;

    // Every column the list reads: shown ones, then key columns not shown, then the id.
    QStringList fetchedColumns() const;
    int fetchedIndex(const QString& column) const;
    ColumnKind kindOf(const QString& column) const;
    SortOrder totalSort() const { return sort.totalOver(idColumn); }
};

struct Statement {
    QString sql;
    db::Params params;
};

} // namespace ksiega::ui
