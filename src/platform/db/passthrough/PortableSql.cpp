#include "platform/db/passthrough/PortableSql.h"
#include <QRegularExpression>
#include <QStringList>

namespace ksiega::db {

namespace {

// Splits a statement into pieces outside and inside quoted texts; even indexes are outside.
QStringList splitOnTexts(const QString& s) {
    QStringList parts;
    QString current;
    bool inText = false;
    for (int i = 0; i < s.size(); ++i) {
        const QChar c = s[i];
        if (!inText && c == '\'') {
            parts << current;
            current = c;
            inText = true;
        } else if (inText && c == '\'') {
            if (i + 1 < s.size() && s[i + 1] == '\'') { current += c; current += c; ++i; continue; }
            current += c;
            parts << current;
            current.clear();
            inText = false;
        } else {
            current += c;
        }
    }
    parts << current;
    if (parts.size() % 2 == 0) parts << QString();   // an unterminated text stays last
    return parts;
}

// Left(text, n) as substr(text, 1, n): SQLite reads LEFT as the join keyword. Found
// outside quoted texts; the arguments are split at their top-level comma.
QString rewriteLeft(const QString& s) {
    static const QRegularExpression call(QStringLiteral("left\\s*\\("), QRegularExpression::CaseInsensitiveOption);
    QString out;
    bool inText = false;
    int i = 0;
    while (i < s.size()) {
        const QChar c = s[i];
        if (c == '\'') inText = !inText;
        const bool boundary = i == 0 || !(s[i - 1].isLetterOrNumber() || s[i - 1] == '_');
        if (!inText && boundary && (c == 'l' || c == 'L')) {
            const auto m = call.match(s, i, QRegularExpression::NormalMatch, QRegularExpression::AnchorAtOffsetMatchOption);
            if (m.hasMatch()) {
                // Find the matching ")" and the top-level comma.
                int depth = 1, comma = -1, j = i + int(m.capturedLength());
                bool quoted = false;
                for (; j < s.size() && depth > 0; ++j) {
                    const QChar d = s[j];
                    if (d == '\'') quoted = !quoted;
                    else if (quoted) continue;
                    else if (d == '(') ++depth;
                    else if (d == ')') --depth;
                    else if (d == ',' && depth == 1 && comma < 0) comma = j;
                }
                if (depth == 0 && comma > 0) {
                    const int open = i + int(m.capturedLength());
                    const QString text = s.mid(open, comma - open);
                    const QString count = s.mid(comma + 1, j - 1 - (comma + 1));
                    out += QStringLiteral("substr(") + rewriteLeft(text) + QStringLiteral(",1,") + rewriteLeft(count) +
                           QChar(')');
                    i = j;
                    continue;
                }
            }
        }
        out += c;
        ++i;
    }
    return out;
}

} // namespace

QString portableSql(const QString& statement) {
    static const QRegularExpression hints(QStringLiteral("\\s*(\\bwith\\s*)?\\(\\s*(nolock|rowlock)\\s*\\)"),
                                          QRegularExpression::CaseInsensitiveOption);
    static const QRegularExpression isnull(QStringLiteral("\\bisnull\\s*\\("), QRegularExpression::CaseInsensitiveOption);
    static const QRegularExpression substring(QStringLiteral("\\bsubstring\\s*\\("), QRegularExpression::CaseInsensitiveOption);
    static const QRegularExpression top(QStringLiteral("^(\\s*select\\s+(?:distinct\\s+)?)top\\s+(\\d+)\\s+"),
                                       QRegularExpression::CaseInsensitiveOption);

    QStringList parts = splitOnTexts(statement);
    QString limit;
    for (int i = 0; i < parts.size(); i += 2) {
        QString& p = parts[i];
        p.replace(hints, QString());
        p.replace(isnull, QStringLiteral("coalesce("));
        p.replace(substring, QStringLiteral("substr("));
        if (i == 0) {
            const auto m = top.match(p);
            if (m.hasMatch()) {
                limit = m.captured(2);
                p.replace(top, QStringLiteral("\\1"));
            }
        }
    }
    QString out = rewriteLeft(parts.join(QString()));
    if (!limit.isEmpty()) {
        out = out.trimmed();
        const bool semicolon = out.endsWith(QChar(';'));
        if (semicolon) out.chop(1);
        out += QStringLiteral(" limit ") + limit + (semicolon ? QStringLiteral(";") : QString());
    }
    return out;
}

} // namespace ksiega::db
