#include "platform/runtime/TextWrap.h"

namespace ksiega {

QString cutAtWord(const QString& text, int width, QString* rest) {
    const QString t = text;
    if (width <= 0 || t.size() <= width) {
        if (rest) rest->clear();
        return t;
    }
    qsizetype cut = -1;
    for (qsizetype i = width; i > 0; --i)
        if (t[i].isSpace()) {
            cut = i;
            break;
        }
    QString first, after;
    if (cut > 0) {
        first = t.left(cut);
        after = t.mid(cut);
    } else {
        first = t.left(width);
        after = t.mid(width);
    }
    while (first.size() && first.back().isSpace()) first.chop(1);
    qsizetype lead = 0;
    while (lead < after.size() && after[lead].isSpace()) ++lead;
    if (rest) *rest = after.mid(lead);
    return first;
}

QStringList wrapAtWords(const QString& text, int width) {
    QStringList lines;
    QString rest = text;
    do {
        QString next;
        lines << cutAtWord(rest, width, &next);
        rest = next;
    } while (!rest.isEmpty());
    return lines;
}

QString elided(const QString& text, int width) {
    if (width <= 0 || text.size() <= width) return text;
    if (width == 1) return QStringLiteral("…");
    return text.left(width - 1) + QStringLiteral("…");
}

} // namespace ksiega
