#pragma once
// A sort order of a list: key columns in order, each ascending or descending. The list
// always ends the order with its unique id column, so that ties are broken and the order
// is total (keyset paging relies on that).
#include <QString>
#include <QVector>

namespace ksiega::ui {

struct SortKey {
    QString column;
    bool descending = false;
    bool operator==(const SortKey&) const = default;
};

struct SortOrder {
    QString name;              // the text offered in the sort choice
    QVector<SortKey> keys;

    static SortOrder ascending(const QString& name, const QStringList& columns);

    // The same order with every key turned round.
    SortOrder reversed() const;
    // The order with the id column appended (in the direction of the last key) unless
    // the keys already end with it.
    SortOrder totalOver(const QString& idColumn) const;
    bool operator==(const SortOrder&) const = default;
};

} // namespace ksiega::ui
