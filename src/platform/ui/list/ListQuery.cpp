#include "platform/ui/list/ListQuery.h"

namespace ksiega::ui {

QStringList ListQuery::fetchedColumns() const {
    QStringList names;
    for (const ListColumn& c : columns) names << c.name;
    for (const SortKey& k : sort.keys)
        if (!names.contains(k.column)) names << k.column;
    if (!names.contains(idColumn)) names << idColumn;
    return names;
}

int ListQuery::fetchedIndex(const QString& column) const {
    return int(fetchedColumns().indexOf(column));
}

ColumnKind ListQuery::kindOf(const QString& column) const {
    for (const ListColumn& c : columns)
        if (c.name == column) return c.kind;
    if (column == idColumn) return ColumnKind::Integer;
    return ColumnKind::Text;
}

} // namespace ksiega::ui
