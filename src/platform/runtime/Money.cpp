#include "platform/runtime/Money.h"

namespace ksiega {

std::optional<Money> Money::parse(const QString& input) {
    QString text = input.trimmed();
    text.remove(QChar(' ')).remove(QChar(0x00A0));
    if (text.isEmpty()) return std::nullopt;
    bool negative = false;
    int pos = 0;
    if (text[0] == '-' || text[0] == '+') { negative = text[0] == '-'; pos = 1; }
    int64_t whole = 0, fraction = 0;
    int wholeDigits = 0, fractionDigits = 0;
    bool inFraction = false;
    for (; pos < text.size(); ++pos) {
        const QChar c = text[pos];
        if (c == '.' || c == ',') {
            if (inFraction) return std::nullopt;
            inFraction = true;
            continue;
        }
        if (!c.isDigit() || c.unicode() > '9') return std::nullopt;
        const int d = c.unicode() - '0';
        if (inFraction) {
            if (++fractionDigits > 2) return std::nullopt;
            fraction = fraction * 10 + d;
        } else {
            if (++wholeDigits > 16) return std::nullopt;
            whole = whole * 10 + d;
        }
    }
    if (wholeDigits == 0 && fractionDigits == 0) return std::nullopt;
    if (fractionDigits == 1) fraction *= 10;
    const int64_t minor = whole * 100 + fraction;
    return Money(negative ? -minor : minor);
}

Money Money::parseOrThrow(const QString& text) {
    auto m = parse(text);
    if (!m) throw std::invalid_argument(("not an amount: '" + text + "'").toStdString());
    return *m;
}

static QString digitsOf(int64_t minor, QChar groupSeparator, QChar decimalPoint) {
    const bool negative = minor < 0;
    const uint64_t abs = negative ? uint64_t(0) - uint64_t(minor) : uint64_t(minor);
    QString whole = QString::number(abs / 100);
    if (!groupSeparator.isNull())
        for (int i = whole.size() - 3; i > 0; i -= 3) whole.insert(i, groupSeparator);
    const uint64_t frac = abs % 100;
    return (negative ? QStringLiteral("-") : QString()) + whole + decimalPoint
        + QChar('0' + int(frac / 10)) + QChar('0' + int(frac % 10));
}

QString Money::toString() const { return digitsOf(m_minor, QChar(), QChar('.')); }
QString Money::toDisplay() const { return digitsOf(m_minor, QChar(' '), QChar(',')); }

} // namespace ksiega
