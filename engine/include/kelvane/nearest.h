// The standard values nearest a value: below and above it in each series.
#pragma once

#include "kelvane/series.h"
#include "kelvane/units.h"

#include <array>
#include <optional>

namespace kelvane {

struct Nearest {
    Series series;
    Milli below;
    Milli above;
    double belowDeviation; // below / value - 1
    double aboveDeviation;
};

// From 0,1 ohm up to largestNearest; nullopt outside.
inline constexpr Milli largestNearest = 1'000'000'000'000'000;
std::optional<std::array<Nearest, 6>> nearestValues(Milli value);

} // namespace kelvane
