#include "platform/runtime/Rounding.h"
#include <limits>
#include <stdexcept>
#include <string>

namespace ksiega {

__int128 roundedQuotient(__int128 numerator, __int128 denominator, Rounding rounding) {
    if (denominator == 0) throw std::domain_error("division by zero");
    if (denominator < 0) numerator = -numerator, denominator = -denominator;
    __int128 q = numerator / denominator;   // truncated toward zero
    const __int128 r = numerator % denominator;   // same sign as the numerator
    if (r == 0) return q;
    const int sign = numerator < 0 ? -1 : 1;
    const __int128 twice = (r < 0 ? -r : r) * 2;   // compared with the denominator: below, at or above a half
    bool away = false;
    switch (rounding) {
    case Rounding::Down: away = false; break;
    case Rounding::Up: away = true; break;
    case Rounding::Floor: away = sign < 0; break;
    case Rounding::Ceiling: away = sign > 0; break;
    case Rounding::HalfUp: away = twice >= denominator; break;
    case Rounding::HalfDown: away = twice > denominator; break;
    case Rounding::HalfEven: away = twice > denominator || (twice == denominator && q % 2 != 0); break;
    }
    return away ? q + sign : q;
}

int64_t checkedInt64(__int128 value, const char* what) {
    if (value < std::numeric_limits<int64_t>::min() || value > std::numeric_limits<int64_t>::max())
        throw std::overflow_error(std::string(what) + ": the result does not fit in 64 bits");
    return int64_t(value);
}

} // namespace ksiega
