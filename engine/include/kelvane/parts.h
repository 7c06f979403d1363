// The parts a search may draw from: the values of a series between a lowest
// and a highest value, or a person's own list, each with its tolerance, less
// the values left out. Sorted by value, one entry a value.
#pragma once

#include "kelvane/decode.h"
#include "kelvane/series.h"

#include <cstddef>
#include <cstdint>
#include <variant>
#include <vector>

namespace kelvane {

struct Part {
    Milli value;
    double tolerance; // a fraction: 0,05 for ±5 %
};

enum class PartsError : std::uint8_t {
    Empty,      // no value left
    OutOfRange, // a bound or value at or below 0, or above largestPart; lowest above highest
    TooMany,    // more than mostParts values
};

inline constexpr Milli largestPart = 1'000'000'000'000'000; // 1000 Gohm
inline constexpr std::size_t mostParts = 2048;

// ±20 % for E6 down to ±0,5 % for E192.
double seriesTolerance(Series s);

std::variant<std::vector<Part>, PartsError> seriesParts(
    Series s, Milli lowest, Milli highest, const std::vector<Milli>& excluded);

// A value listed twice keeps its closest tolerance.
std::variant<std::vector<Part>, PartsError> listParts(std::vector<Part> parts, const std::vector<Milli>& excluded);

} // namespace kelvane
