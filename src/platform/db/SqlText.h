#pragma once
// The one quoting helper: the only way a text value may enter SQL text other than as a
// bound parameter (filter expressions are passed around as text). Doubles single quotes.
#include <QString>

namespace ksiega::db {

inline QString quoted(const QString& value) {
    QString v = value;
    v.replace(QChar('\''), QStringLiteral("''"));
    return QChar('\'') + v + QChar('\'');
}

} // namespace ksiega::db
