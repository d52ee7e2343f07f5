#pragma once
// Display pictures of the runtime: one formatter for amounts, whole numbers, dates and
// texts. A picture is a constant of the code ("@N-14_`2", "@D6-", "@s50"); an unknown one
// is a programming error (std::invalid_argument when parsed).
//
// How a picture reads (letters are case-insensitive):
//   @N[-]W[_][`P | .P][-][B]   a number
//      -      before the width: a leading minus for negative values; after the places:
//             a trailing minus ("12,50-"). A negative value always shows its sign: with
//             neither form the leading minus is used.
//      W      the width: every character counts (sign, digits, group blanks, decimal
//             mark). A value that does not fit shows W hash marks, never a cut number.
//      _      group thousands with a blank ("1 234 567"); without it no grouping.
//      `P     P decimal places after a decimal comma ("1 234,56").
//      .P     P decimal places after a decimal point ("1234.56").
//      B      blank when the value is zero.
//      Examples: @N-14_`2 "-1 234 567,89" (14 wide), @N-19_`2 the same 19 wide,
//      @N-14_`2B blank for zero, @n-21.2 "-1234567.89" (21 wide, point, no grouping),
//      @N14_ a whole number with groups, @n3 / @N3 a whole number of 3 positions.
//   @D6[s]   a date as dd s mm s yyyy; s is the separator: "-", ".", "/" or "_" (a blank);
//            "/" when none is given. @D6- gives "15-03-2026". Day number 0 is blank.
//   @SW      a text cut to W characters (@s50).
#include "platform/runtime/Money.h"
#include <QString>

namespace ksiega {

class Picture {
public:
    enum class Kind { Number, Date, Text };

    // Throws std::invalid_argument for a picture this runtime does not know.
    static Picture parse(const QString& picture);
    Picture(const char* picture) : Picture(parse(QString::fromLatin1(picture))) {}

    Kind kind() const { return m_kind; }
    int width() const { return m_width; }
    int places() const { return m_places; }
    const QString& text() const { return m_text; }

    // An amount under a number picture. With fewer than two places the amount is rounded
    // half away from zero to the places shown.
    QString format(Money amount) const;
    // A whole number under a number picture, a day number under a date picture, the
    // number's digits under a text picture.
    QString format(int64_t value) const;
    QString format(int value) const { return format(int64_t(value)); }
    // A text under a text picture (cut to the width); under a number picture the text is
    // read as an amount (unreadable text shows as given); under a date picture as ISO date.
    QString format(const QString& value) const;

private:
    Picture() = default;
    QString formatScaled(int64_t units, int unitPlaces) const;

    QString m_text;
    Kind m_kind = Kind::Text;
    int m_width = 0;
    int m_places = 0;
    bool m_trailingSign = false;
    bool m_group = false;
    QChar m_decimalMark = QChar(',');
    bool m_blankWhenZero = false;
    QChar m_dateSeparator = QChar('/');
};

} // namespace ksiega
