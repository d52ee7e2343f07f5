#pragma once
// The one statement every keeper of repeated columns runs: an UPDATE ... FROM (both engines)
// that sets each copy to its source over a set of rows, touching only the rows where one of
// them differs, so that a second run changes nothing.
#include <QString>
#include <QStringList>
#include <utility>
#include <vector>

namespace ksiega::db {

// column of `table` = source, an expression over the tables of `from`.
struct CopiedColumn {
    QString column;
    QString source;
};

inline QString copiesRefreshSql(const QString& table, const std::vector<CopiedColumn>& copies, const QString& from,
                                const QString& where) {
    QStringList set, differs;
    for (const CopiedColumn& c : copies) {
        set << QStringLiteral("%1 = %2").arg(c.column, c.source);
        differs << QStringLiteral("%1.%2 <> %3").arg(table, c.column, c.source);
    }
    return QStringLiteral("update %1 set %2 from %3 where %4 and (%5)")
        .arg(table, set.join(QStringLiteral(", ")), from, where, differs.join(QStringLiteral(" or ")));
}

} // namespace ksiega::db
