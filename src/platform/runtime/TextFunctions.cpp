#include "platform/runtime/TextFunctions.h"

namespace ksiega {

QString ZAMIEN_ZNAKI(const QString& mask) {
    QString out = mask;
    out.replace(QChar('*'), QChar('%'));
    out.replace(QChar('?'), QChar('_'));
    return out;
}

bool hasWildcards(const QString& mask) {
    return mask.contains(QChar('*')) || mask.contains(QChar('?'));
}

int LICZBA_WYSTAPIEN(const QString& what, const QString& text) {
    return what.isEmpty() ? 0 : int(text.count(what));
}

} // namespace ksiega
