#pragma once
// How an exact quotient becomes a whole number of minor units. Amounts are rounded only
// where a caller names the rounding; there is no default.
#include <cstdint>

namespace ksiega {

enum class Rounding {
    Down,       // toward zero (truncation)
    Up,         // away from zero
    Floor,      // toward minus infinity
    Ceiling,    // toward plus infinity
    HalfUp,     // to nearest, a half away from zero (the commercial rounding: 0.5 -> 1, -0.5 -> -1)
    HalfDown,   // to nearest, a half toward zero
    HalfEven,   // to nearest, a half to the even neighbour (banker's rounding)
};

// numerator / denominator rounded as named; denominator must not be 0. Exact in 128 bits.
__int128 roundedQuotient(__int128 numerator, __int128 denominator, Rounding rounding);

// The value as int64_t, or std::overflow_error naming `what`.
int64_t checkedInt64(__int128 value, const char* what);

} // namespace ksiega
