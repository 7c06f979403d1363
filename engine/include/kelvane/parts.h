// The parts a search may draw from: the values of a series between a lowest
// and a highest value, or a person's own list, each with its tolerance, less
// the values left out. Sorted by value, one entry a value.
#pragma once

#include "kelvane/decode.h"
#include "kelvane/series.h"

#include <cstddef>
#include <cstdint>
#include <string_view>
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

// A parts list as a person writes it: one value or a few a line, as typed
// values are read ("4k7", "4,7 k", "100 ohm"), each optionally followed by its
// tolerance ("4k7 1%"); "#" begins a comment. Values without a tolerance take
// the one given.
struct PartsText {
    std::vector<Part> parts;        // as listed, not yet sorted
    std::vector<std::size_t> wrong; // the lines (from 1) with something that is neither
};
PartsText readParts(std::string_view text, double tolerance);

} // namespace kelvane
