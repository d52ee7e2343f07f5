// Money: the products and the allocation, exact in 128-bit integers.
#include "platform/runtime/Money.h"
#include <algorithm>
#include <numeric>
#include <string>

namespace ksiega {

void Money::overflow(const char* operation) {
    throw std::overflow_error(std::string(operation) + ": the amount does not fit in 64 bits");
}

Money Money::times(int64_t factor) const {
    return Money(checkedInt64(__int128(m_minor) * factor, "Money::times"));
}

Money Money::times(Rate rate, Rounding rounding) const {
    return Money(checkedInt64(roundedQuotient(__int128(m_minor) * rate.scaled(), Rate::kScale, rounding), "Money::times"));
}

Money Money::percentOf(Rate percent, Rounding rounding) const {
    return Money(checkedInt64(roundedQuotient(__int128(m_minor) * percent.scaled(), __int128(Rate::kScale) * 100, rounding),
                              "Money::percentOf"));
}

std::vector<Money> Money::allocate(const std::vector<int64_t>& weights) const {
    __int128 total = 0;
    for (int64_t w : weights) {
        if (w < 0) throw std::invalid_argument("Money::allocate: a negative weight");
        total += w;
    }
    if (total == 0) throw std::invalid_argument("Money::allocate: the weights add up to zero");
    const bool negative = m_minor < 0;
    const __int128 amount = negative ? -__int128(m_minor) : __int128(m_minor);
    std::vector<__int128> parts(weights.size()), remainders(weights.size());
    __int128 given = 0;
    for (size_t i = 0; i < weights.size(); ++i) {
        const __int128 share = amount * weights[i];   // below 2^63 * 2^63: fits
        parts[i] = share / total;
        remainders[i] = share % total;
        given += parts[i];
    }
    // Fewer grosze are left than there are parts with a remainder.
    std::vector<size_t> order(weights.size());
    std::iota(order.begin(), order.end(), size_t(0));
    std::stable_sort(order.begin(), order.end(), [&](size_t a, size_t b) { return remainders[a] > remainders[b]; });
    for (size_t k = 0; given < amount; ++k, ++given) ++parts[order[k]];
    std::vector<Money> out;
    out.reserve(parts.size());
    for (__int128 p : parts) out.push_back(Money(checkedInt64(negative ? -p : p, "Money::allocate")));
    return out;
}

std::vector<Money> Money::allocate(const std::vector<Rate>& weights) const {
    std::vector<int64_t> scaled;
    scaled.reserve(weights.size());
    for (Rate r : weights) scaled.push_back(r.scaled());
    return allocate(scaled);
}

} // namespace ksiega
