#pragma once
// Exact amounts: whole grosze (minor units) in a 64-bit integer. Amounts never pass
// through floating point; conversion from text is exact and refuses what it cannot read.
#include <QString>
#include <compare>
#include <cstdint>
#include <optional>
#include <stdexcept>

namespace ksiega {

class Money {
public:
    constexpr Money() = default;
    static constexpr Money fromMinor(int64_t grosze) { return Money(grosze); }
    static constexpr Money fromWhole(int64_t zlote) { return Money(zlote * 100); }

    // Reads "1234.56", "-0.5", "1 234,56", "12". More than two decimals is an error,
    // as is anything that is not a number. Empty text gives nullopt.
    static std::optional<Money> parse(const QString& text);
    // Like parse, but throws std::invalid_argument with the text in the message.
    static Money parseOrThrow(const QString& text);

    constexpr int64_t minor() const { return m_minor; }
    constexpr bool isZero() const { return m_minor == 0; }

    // Machine form: "-1234.56" (dot, two decimals, no grouping).
    QString toString() const;
    // Polish form: "-1 234,56" (blank as thousands separator, comma).
    QString toDisplay() const;

    constexpr Money operator+(Money o) const { return Money(m_minor + o.m_minor); }
    constexpr Money operator-(Money o) const { return Money(m_minor - o.m_minor); }
    constexpr Money operator-() const { return Money(-m_minor); }
    constexpr Money& operator+=(Money o) { m_minor += o.m_minor; return *this; }
    constexpr Money& operator-=(Money o) { m_minor -= o.m_minor; return *this; }
    constexpr auto operator<=>(const Money&) const = default;

private:
    constexpr explicit Money(int64_t m) : m_minor(m) {}
    int64_t m_minor = 0;
};

// Dt/Ct balance of a pair of sums: the larger side keeps the difference, the other is 0.
struct Balance {
    Money dt;
    Money ct;
    static constexpr Balance of(Money debit, Money credit) {
        if (debit > credit) return {debit - credit, Money()};
        if (credit > debit) return {Money(), credit - debit};
        return {};
    }
};

} // namespace ksiega
