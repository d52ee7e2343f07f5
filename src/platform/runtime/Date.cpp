#include "platform/runtime/Date.h"

namespace ksiega::date {

static const qint64 kDayZero = QDate(1800, 12, 28).toJulianDay() - 1;

int fromQDate(const QDate& d) { return d.isValid() ? int(d.toJulianDay() - kDayZero) : 0; }
int fromYmd(int y, int m, int d) { return fromQDate(QDate(y, m, d)); }
QDate toQDate(int n) { return n > 0 ? QDate::fromJulianDay(kDayZero + n) : QDate(); }
int year(int n) { return toQDate(n).year(); }
int month(int n) { return toQDate(n).month(); }
int day(int n) { return toQDate(n).day(); }

std::optional<int> parseIso(const QString& text) {
    const QString t = text.trimmed();
    if (t.size() != 10 || t[4] != '-' || t[7] != '-') return std::nullopt;
    const QDate d = QDate::fromString(t, Qt::ISODate);
    if (!d.isValid()) return std::nullopt;
    return fromQDate(d);
}

QString toIso(int n) { return n > 0 ? toQDate(n).toString(Qt::ISODate) : QString(); }
QString toDisplay(int n) { return n > 0 ? toQDate(n).toString(QStringLiteral("dd-MM-yyyy")) : QString(); }

PeriodKind periodKind(int periodDate) {
    switch (day(periodDate)) {
    case 1: return PeriodKind::OpeningBalance;
    case 2: return PeriodKind::Month;
    case 28: return PeriodKind::ClosingBalance;
    default: return PeriodKind::Unknown;
    }
}

int openingPeriod(int start) { const QDate d = toQDate(start); return fromYmd(d.year(), d.month(), 1); }
int monthPeriod(int y, int m) { return fromYmd(y, m, 2); }
int closingPeriod(int end) { const QDate d = toQDate(end); return fromYmd(d.year(), d.month(), 28); }

} // namespace ksiega::date
