#include "platform/runtime/MonthNames.h"

namespace ksiega {

QString NAZWA_MIESIACA(int month, int /*mode*/) {
    static const char* const names[12] = {
        "Styczeń", "Luty", "Marzec", "Kwiecień", "Maj", "Czerwiec",
        "Lipiec", "Sierpień", "Wrzesień", "Październik", "Listopad", "Grudzień"};
    if (month < 1 || month > 12) return QString();
    return QString::fromUtf8(names[month - 1]);
}

QString periodMonthLabel(int year, int month, bool withYear) {
    const QString name = NAZWA_MIESIACA(month, 0);
    return withYear ? QString::number(year) + QStringLiteral("  ") + name : name;
}

} // namespace ksiega
