#include "platform/runtime/Rate.h"
#include "platform/runtime/Rounding.h"
#include <stdexcept>

namespace ksiega {

Rate Rate::whole(int64_t n) { return Rate(checkedInt64(__int128(n) * kScale, "rate")); }

std::optional<Rate> Rate::parse(const QString& input) {
    const QString text = input.trimmed();
    qsizetype pos = 0;
    const bool negative = !text.isEmpty() && text[0] == '-';
    if (!text.isEmpty() && (text[0] == '-' || text[0] == '+')) ++pos;
    __int128 value = 0;
    int digits = 0, decimals = 0;
    bool inFraction = false;
    for (; pos < text.size(); ++pos) {
        const QChar c = text[pos];
        if ((c == '.' || c == ',') && !inFraction) { inFraction = true; continue; }
        if (c < '0' || c > '9') return std::nullopt;
        if (inFraction && ++decimals > kDecimals) return std::nullopt;
        value = value * 10 + (c.unicode() - '0');
        if (value > __int128(INT64_MAX) * 10) return std::nullopt;
        ++digits;
    }
    if (digits == 0) return std::nullopt;
    for (; decimals < kDecimals; ++decimals) value *= 10;
    if (negative) value = -value;
    if (value < INT64_MIN || value > INT64_MAX) return std::nullopt;
    return Rate(int64_t(value));
}

Rate Rate::parseOrThrow(const QString& text) {
    if (auto r = parse(text)) return *r;
    throw std::invalid_argument(("not a rate: '" + text + "'").toStdString());
}

Rate Rate::percent(const QString& text) {
    const Rate p = parseOrThrow(text);
    if (p.m_scaled % 100 != 0)
        throw std::invalid_argument(("a percentage with more than four decimals: '" + text + "'").toStdString());
    return Rate(p.m_scaled / 100);
}

QString Rate::toString() const {
    const bool negative = m_scaled < 0;
    const uint64_t abs = negative ? uint64_t(0) - uint64_t(m_scaled) : uint64_t(m_scaled);
    QString fraction = QStringLiteral("%1").arg(abs % kScale, kDecimals, 10, QLatin1Char('0'));
    while (fraction.size() > 1 && fraction.endsWith(QLatin1Char('0'))) fraction.chop(1);
    return (negative ? QStringLiteral("-") : QString()) + QString::number(abs / kScale) + QLatin1Char('.') + fraction;
}

} // namespace ksiega
