#pragma once
// Amounts a person, a file or a command line enters: at most 13 digits of zloty. Such an
// amount fits the N(15,2) fields of the exports, and the totals of a fiscal year stay far
// from the 64-bit limit Money checks.
#include "platform/runtime/Money.h"

namespace ksiega {

inline constexpr int kMaxEnteredDigits = 13;
inline constexpr int64_t kEnteredAmountLimit = 1'000'000'000'000'000; // 10^13 zl in grosze, exclusive

inline bool fitsEntry(Money m) { return m.minor() < kEnteredAmountLimit && m.minor() > -kEnteredAmountLimit; }

// Money::parse, refusing what has more digits than may be entered.
inline std::optional<Money> parseEnteredAmount(const QString& text) {
    const std::optional<Money> m = Money::parse(text);
    if (!m || !fitsEntry(*m)) return std::nullopt;
    return m;
}

} // namespace ksiega
