#pragma once
// The report engine's own printed texts.
#include <QString>

namespace ksiega::report {

inline const QString RAZEM_NA_STRONIE = QStringLiteral("Razem na stronie");
inline const QString DO_PRZENIESIENIA = QStringLiteral("Do przeniesienia");
inline const QString Z_PRZENIESIENIA = QStringLiteral("Z przeniesienia");
inline const QString RAZEM = QStringLiteral("Razem");
inline const QString PERSALDO = QStringLiteral("Persaldo");
inline const QString KONIEC_WYDRUKU = QStringLiteral("Koniec wydruku");

// "Strona 2 z 5".
inline QString pageOfPages(int page, int pages) {
    return QStringLiteral("Strona %1 z %2").arg(page).arg(pages);
}

} // namespace ksiega::report
