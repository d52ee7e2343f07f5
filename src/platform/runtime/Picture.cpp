#include "platform/runtime/Picture.h"
#include "platform/runtime/Date.h"
#include <stdexcept>

namespace ksiega {

static std::invalid_argument unknownPicture(const QString& p) {
    return std::invalid_argument(("unknown picture: " + p).toStdString());
}

static int readNumber(const QString& s, int& pos) {
    int value = 0, digits = 0;
    while (pos < s.size() && s[pos].isDigit() && s[pos].unicode() <= '9') {
        value = value * 10 + (s[pos].unicode() - '0');
        ++pos;
        ++digits;
    }
    return digits ? value : -1;
}

Picture Picture::parse(const QString& picture) {
    Picture p;
    p.m_text = picture;
    if (picture.size() < 3 || picture[0] != '@') throw unknownPicture(picture);
    const QChar kind = picture[1].toUpper();
    int pos = 2;
    if (kind == 'S') {
        p.m_kind = Kind::Text;
        p.m_width = readNumber(picture, pos);
        if (p.m_width <= 0 || pos != picture.size()) throw unknownPicture(picture);
        return p;
    }
    if (kind == 'D') {
        p.m_kind = Kind::Date;
        if (readNumber(picture, pos) != 6) throw unknownPicture(picture);
        p.m_width = 10;
        if (pos < picture.size()) {
            const QChar s = picture[pos++];
            if (s == '_') p.m_dateSeparator = QChar(' ');
            else if (s == '-' || s == '.' || s == '/') p.m_dateSeparator = s;
            else throw unknownPicture(picture);
        }
        if (pos != picture.size()) throw unknownPicture(picture);
        return p;
    }
    if (kind != 'N') throw unknownPicture(picture);
    p.m_kind = Kind::Number;
    if (pos < picture.size() && picture[pos] == '-') ++pos;
    p.m_width = readNumber(picture, pos);
    if (p.m_width <= 0) throw unknownPicture(picture);
    if (pos < picture.size() && picture[pos] == '_') { p.m_group = true; ++pos; }
    if (pos < picture.size() && (picture[pos] == '`' || picture[pos] == '.')) {
        p.m_decimalMark = picture[pos] == '`' ? QChar(',') : QChar('.');
        ++pos;
        p.m_places = readNumber(picture, pos);
        if (p.m_places < 0 || p.m_places > 6) throw unknownPicture(picture);
    }
    if (pos < picture.size() && picture[pos] == '-') { p.m_trailingSign = true; ++pos; }
    if (pos < picture.size() && picture[pos].toUpper() == 'B') { p.m_blankWhenZero = true; ++pos; }
    if (pos != picture.size()) throw unknownPicture(picture);
    return p;
}

// units carry unitPlaces decimals (2 for grosze, 0 for whole numbers).
QString Picture::formatScaled(int64_t units, int unitPlaces) const {
    if (units == 0 && m_blankWhenZero) return QString();
    const bool negative = units < 0;
    uint64_t abs = negative ? uint64_t(0) - uint64_t(units) : uint64_t(units);
    int have = unitPlaces;
    if (have > m_places) {                           // round once, half away from zero
        uint64_t divisor = 1;
        for (; have > m_places; --have) divisor *= 10;
        const uint64_t rest = abs % divisor;
        abs = abs / divisor + (rest * 2 >= divisor ? 1 : 0);
    }
    QString digits = QString::number(abs);
    int extra = m_places - have;
    digits.append(QString(extra, QChar('0')));
    if (digits.size() <= m_places) digits.prepend(QString(m_places - digits.size() + 1, QChar('0')));
    QString whole = digits.left(digits.size() - m_places);
    const QString fraction = digits.right(m_places);
    if (m_group)
        for (int i = whole.size() - 3; i > 0; i -= 3) whole.insert(i, QChar(' '));
    QString out = whole;
    if (m_places > 0) out += m_decimalMark + fraction;
    if (negative && abs != 0) out = m_trailingSign ? out + QChar('-') : QChar('-') + out;
    if (out.size() > m_width) return QString(m_width, QChar('#'));
    return out;
}

QString Picture::format(Money amount) const {
    switch (m_kind) {
    case Kind::Number: return formatScaled(amount.minor(), 2);
    case Kind::Text: return amount.toDisplay().left(m_width);
    case Kind::Date: break;
    }
    throw std::invalid_argument(("an amount under a date picture: " + m_text).toStdString());
}

QString Picture::format(int64_t value) const {
    switch (m_kind) {
    case Kind::Number: return formatScaled(value, 0);
    case Kind::Text: return QString::number(value).left(m_width);
    case Kind::Date: {
        if (value <= 0) return QString();
        const int d = int(value);
        const QChar s = m_dateSeparator;
        return QStringLiteral("%1%2%3%4%5")
            .arg(date::day(d), 2, 10, QChar('0')).arg(s)
            .arg(date::month(d), 2, 10, QChar('0')).arg(s)
            .arg(date::year(d), 4, 10, QChar('0'));
    }
    }
    return QString();
}

QString Picture::format(const QString& value) const {
    switch (m_kind) {
    case Kind::Text: return value.left(m_width);
    case Kind::Number: {
        const auto m = Money::parse(value);
        return m ? format(*m) : value;
    }
    case Kind::Date: {
        const auto d = date::parseIso(value);
        return d ? format(int64_t(*d)) : value;
    }
    }
    return value;
}

} // namespace ksiega
