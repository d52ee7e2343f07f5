#include "platform/db/ExactInteger.h"
#include <cmath>
#include <limits>

namespace ksiega::db {

std::optional<int64_t> exactInteger(QByteArrayView text) {
    text = text.trimmed();
    qsizetype i = 0;
    const bool negative = !text.isEmpty() && text[0] == '-';
    if (!text.isEmpty() && (text[0] == '-' || text[0] == '+')) ++i;
    const qsizetype firstDigit = i;
    // Accumulated as a negative number, which reaches INT64_MIN.
    int64_t value = 0;
    constexpr int64_t kMin = std::numeric_limits<int64_t>::min();
    for (; i < text.size() && text[i] >= '0' && text[i] <= '9'; ++i) {
        const int digit = text[i] - '0';
        if (value < (kMin + digit) / 10) return std::nullopt;
        value = value * 10 - digit;
    }
    if (i == firstDigit) return std::nullopt;
    if (i < text.size() && text[i] == '.')
        for (++i; i < text.size() && text[i] == '0'; ++i) {}
    if (i != text.size()) return std::nullopt;
    if (negative) return value;
    if (value == kMin) return std::nullopt;
    return -value;
}

std::optional<int64_t> exactInteger(double value) {
    // 2^63 is exact as a double; every double below it in magnitude that is whole fits.
    constexpr double kLimit = 9223372036854775808.0;
    if (!std::isfinite(value) || value != std::trunc(value) || value >= kLimit || value < -kLimit) return std::nullopt;
    return int64_t(value);
}

} // namespace ksiega::db
