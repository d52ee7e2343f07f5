#pragma once
// Exact amounts: whole grosze (minor units) in a 64-bit integer. Amounts never pass
// through floating point; conversion from text is exact and refuses what it cannot read.
// Arithmetic is exact too: a result outside 64 bits throws std::overflow_error instead of
// wrapping, and a product with a rate is rounded only as the caller names it.
#include "platform/runtime/Rate.h"
#include "platform/runtime/Rounding.h"
#include <QString>
#include <compare>
#include <cstdint>
#include <optional>
#include <stdexcept>
#include <vector>

namespace ksiega {

class Money {
public:
    constexpr Money() = default;
    static constexpr Money fromMinor(int64_t grosze) { return Money(grosze); }
    static constexpr Money fromWhole(int64_t zlote) {
        int64_t m = 0;
        if (__builtin_mul_overflow(zlote, int64_t(100), &m)) overflow("Money::fromWhole");
        return Money(m);
    }

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

    constexpr Money operator+(Money o) const {
        int64_t m = 0;
        if (__builtin_add_overflow(m_minor, o.m_minor, &m)) overflow("Money +");
        return Money(m);
    }
    constexpr Money operator-(Money o) const {
        int64_t m = 0;
        if (__builtin_sub_overflow(m_minor, o.m_minor, &m)) overflow("Money -");
        return Money(m);
    }
    constexpr Money operator-() const { return Money() - *this; }
    constexpr Money& operator+=(Money o) { return *this = *this + o; }
    constexpr Money& operator-=(Money o) { return *this = *this - o; }
    constexpr auto operator<=>(const Money&) const = default;

    // The amount times a whole number (a count, a sign).
    Money times(int64_t factor) const;
    // The amount times a rate (exchange rate, coefficient), rounded to grosze as named.
    Money times(Rate rate, Rounding rounding) const;
    // `percent` per cent of the amount (Rate::whole(23) is 23%, Rate::parseOrThrow("12.5")
    // 12.5%), rounded to grosze as named: 23% of 10.01 with HalfUp is 2.30. The same as
    // times(Rate::percent("23"), ...).
    Money percentOf(Rate percent, Rounding rounding) const;
    // The amount split into parts proportional to the weights that add up exactly to it:
    // each part is the proportional share rounded toward zero, and the grosze left over go
    // one each to the parts with the largest remainders (ties to the earlier part). A
    // negative amount is split as its absolute value, every part negated. Weights are
    // non-negative with a positive sum (std::invalid_argument otherwise); a zero weight
    // gets a zero part.
    std::vector<Money> allocate(const std::vector<int64_t>& weights) const;
    // Weights given as rates, e.g. the shares of cost centres (0.25, 0.75) or percentages.
    std::vector<Money> allocate(const std::vector<Rate>& weights) const;

private:
    constexpr explicit Money(int64_t m) : m_minor(m) {}
    [[noreturn]] static void overflow(const char* operation);
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
