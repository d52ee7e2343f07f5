#pragma once
// A rate, a multiplier or a percentage: a fixed-point number with six decimals in a 64-bit
// integer (1.234567 is 1234567). Exchange rates, cost-centre and budget shares and closing
// coefficients are read and kept exactly; an amount is multiplied by one through
// Money::times, which names the rounding.
#include <QString>
#include <compare>
#include <cstdint>
#include <optional>

namespace ksiega {

class Rate {
public:
    static constexpr int kDecimals = 6;
    static constexpr int64_t kScale = 1'000'000;

    constexpr Rate() = default;
    static constexpr Rate fromScaled(int64_t scaled) { return Rate(scaled); }
    static Rate whole(int64_t n);        // n.000000; std::overflow_error beyond the range
    // Reads "4.2345", "-0,5", "1". More than six decimals, or no number, gives nullopt.
    static std::optional<Rate> parse(const QString& text);
    // Like parse, but throws std::invalid_argument with the text in the message.
    static Rate parseOrThrow(const QString& text);
    // A percentage given in percent ("23" is 0.23); exact, or std::invalid_argument when
    // the rate would need more than six decimals.
    static Rate percent(const QString& text);

    constexpr int64_t scaled() const { return m_scaled; }
    constexpr bool isZero() const { return m_scaled == 0; }
    QString toString() const;            // "4.2345" (trailing zeros dropped, at least one decimal)
    constexpr auto operator<=>(const Rate&) const = default;

private:
    constexpr explicit Rate(int64_t scaled) : m_scaled(scaled) {}
    int64_t m_scaled = 0;
};

} // namespace ksiega
