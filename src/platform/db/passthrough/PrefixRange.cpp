#include "platform/db/passthrough/PrefixRange.h"
#include <QRegularExpression>

namespace ksiega::db {

namespace {

// The quoted text starting at `from` (a quote): its end (one past the closing quote), or -1.
int endOfText(const QString& s, int from) {
    for (int i = from + 1; i < s.size(); ++i) {
        if (s[i] != '\'') continue;
        if (i + 1 < s.size() && s[i + 1] == '\'') { ++i; continue; }
        return i + 1;
    }
    return -1;
}

// The prefix P of 'P%' when it can be given a range, else "".
QString plainPrefix(const QString& quoted) {
    if (quoted.size() < 4 || !quoted.endsWith(QLatin1String("%'"))) return {};
    const QString p = quoted.mid(1, quoted.size() - 3);
    for (const QChar c : p)
        if (c.unicode() < 0x20 || c.unicode() > 0x7e || c == '%' || c == '_' || c == '\'' || c == '\\') return {};
    if (p.back().unicode() == 0x7e) return {};
    return p;
}

bool standsAlone(const QString& before, const QString& after) {
    static const QRegularExpression lead(QStringLiteral("(^|\\(|\\b(and|or|not|where|on|having|when))\\s*$"),
                                         QRegularExpression::CaseInsensitiveOption);
    static const QRegularExpression trail(QStringLiteral("^\\s*($|\\)|(and|or|then|order|group|limit|union)\\b)"),
                                          QRegularExpression::CaseInsensitiveOption);
    return lead.match(before).hasMatch() && trail.match(after).hasMatch();
}

} // namespace

QString withPrefixRanges(const QString& sql) {
    static const QRegularExpression likeAtEnd(QStringLiteral("\\b([A-Za-z_][A-Za-z0-9_.]*)\\s+like\\s*$"),
                                              QRegularExpression::CaseInsensitiveOption);
    QString out;
    int plainStart = 0;   // start of the text not yet copied
    int i = 0;
    while (i < sql.size()) {
        if (sql[i] != '\'') { ++i; continue; }
        const int end = endOfText(sql, i);
        if (end < 0) break;
        const QString before = sql.mid(plainStart, i - plainStart);
        const auto m = likeAtEnd.match(before);
        const QString prefix = m.hasMatch() ? plainPrefix(sql.mid(i, end - i)) : QString();
        const QString column = m.captured(1);
        if (!prefix.isEmpty() && column.compare(QLatin1String("not"), Qt::CaseInsensitive) != 0 &&
            standsAlone(out + before.left(m.capturedStart(0)), sql.mid(end))) {
            QString upper = prefix;
            upper.back() = QChar(upper.back().unicode() + 1);
            out += before.left(m.capturedStart(0)) + QStringLiteral("(%1 like '%2%' and %1 >= '%2' and %1 < '%3')")
                                                          .arg(column, prefix, upper);
        } else {
            out += before + sql.mid(i, end - i);
        }
        plainStart = i = end;
    }
    return out + sql.mid(plainStart);
}

} // namespace ksiega::db
