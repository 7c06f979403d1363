// Whole numbers as significant digits and a power of ten, and exact
// multiplication by a power of ten: what the encoder, the markings, the
// series and the typed values share.
#pragma once

#include "kelvane/units.h"

#include <optional>

namespace kelvane {

constexpr bool isDigit(char c) { return c >= '0' && c <= '9'; }

// n = digits × 10^exponent, digits without trailing zeros (0 stays 0).
struct Significant {
    Milli digits;
    int exponent;
};

constexpr Significant significantOf(Milli n)
{
    int exponent = 0;
    for (; n != 0 && n % 10 == 0; n /= 10)
        ++exponent;
    return {n, exponent};
}

// How many decimal digits n >= 0 has; 1 for 0.
constexpr int digitCount(Milli n)
{
    int count = 1;
    for (; n >= 10; n /= 10)
        ++count;
    return count;
}

// n × 10^exponent where that is whole and inside the int64 range.
constexpr std::optional<Milli> timesPowerOfTen(Milli n, long long exponent)
{
    if (n == 0)
        return 0;
    for (; exponent < 0; ++exponent) {
        if (n % 10 != 0)
            return std::nullopt;
        n /= 10;
    }
    for (; exponent > 0; --exponent)
        if (__builtin_mul_overflow(n, 10, &n))
            return std::nullopt;
    return n;
}

} // namespace kelvane
