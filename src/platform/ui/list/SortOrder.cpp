#include "platform/ui/list/SortOrder.h"
#include <QStringList>

namespace ksiega::ui {

SortOrder SortOrder::ascending(const QString& name, const QStringList& columns) {
    SortOrder order{name, {}};
    for (const QString& c : columns) order.keys.push_back({c, false});
    return order;
}

SortOrder SortOrder::reversed() const {
    SortOrder r = *this;
    for (SortKey& k : r.keys) k.descending = !k.descending;
    return r;
}

SortOrder SortOrder::totalOver(const QString& idColumn) const {
    SortOrder r = *this;
    if (r.keys.isEmpty() || r.keys.last().column != idColumn)
        r.keys.push_back({idColumn, r.keys.isEmpty() ? false : r.keys.last().descending});
    return r;
}

} // namespace ksiega::ui
