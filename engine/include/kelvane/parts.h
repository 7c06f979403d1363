// The parts a search may draw from: the values of a series between a lowest
// and a highest value, or a person's own list, each with its tolerance and
// temperature coefficient, less the values left out. Sorted by value, one
// entry a value.
#pragma once

#include "kelvane/indexed.h"
#include "kelvane/series.h"
#include "kelvane/spread.h"
#include "kelvane/units.h"

#include <cstddef>
#include <cstdint>
#include <string_view>
#include <variant>
#include <vector>

namespace kelvane {

// A parts list's values written without a coefficient: ±100 ppm/K, what
// common metal film parts are sold with.
inline constexpr double listTempco = 100;

struct Part {
    Milli value;
    double tolerance;           // a fraction: 0,05 for ±5 %
    double tempco = listTempco; // ppm/K either way: a bound, as datasheets give it
};

// Each series' coefficient, as the parts it is mostly bought as are sold:
// E6 to E24 as thick film (±200 ppm/K), E48 and E96 as metal film (±50),
// E192 as the thin film its ±0,5 % calls for (±25).
inline constexpr double seriesTempcos[] = {200, 200, 200, 50, 50, 25};
constexpr double seriesTempco(Series s) { return entryOf(seriesTempcos, s); }

enum class PartsError : std::uint8_t {
    Empty,      // no value left
    OutOfRange, // a bound or value at or below 0, or above largestPart; lowest above highest
    TooMany,    // more than mostParts values
};

inline constexpr Milli smallestPart = 1;                    // 0,001 ohm
inline constexpr Milli largestPart = 1'000'000'000'000'000; // 1000 Gohm
inline constexpr std::size_t mostParts = 2048;
// A parts list or bill of materials longer than this is no list a person
// keeps: a device or a wrong file, not to be read to its end.
inline constexpr std::size_t mostListBytes = 64 << 20;

// The series' values a search draws from unless told otherwise: 1 ohm to 10 Mohm.
inline constexpr Milli defaultLowest = 1'000;
inline constexpr Milli defaultHighest = 10'000'000'000;

std::variant<std::vector<Part>, PartsError> seriesParts(
    Series s, Milli lowest, Milli highest, const std::vector<Milli>& excluded);

// A value listed twice keeps its closest tolerance.
std::variant<std::vector<Part>, PartsError> listParts(std::vector<Part> parts, const std::vector<Milli>& excluded);

// Why a line of a parts list is not read, or not wholly: its first fault.
enum class PartsLineError : std::uint8_t {
    NotAValue,           // a word that is neither a value nor a value's tolerance
    OutOfRange,          // a value at or below 0, above largestPart, finer than a thousandth or beyond int64
    ToleranceOutOfRange, // a tolerance outside 0 up to below 100 %; its value is left out
    TempcoOutOfRange,    // a coefficient above mostTempco ppm/K; its value is left out
    NotText,             // NUL bytes or invalid UTF-8: nothing on the line is read
};
template <>
inline constexpr std::size_t enumCount<PartsLineError> = static_cast<std::size_t>(PartsLineError::NotText) + 1;

struct PartsLineProblem {
    std::size_t line; // from 1
    PartsLineError error;
};

// A parts list as a person writes it: one value or a few a line, as typed
// values are read ("4k7", "4,7 k", "100 ohm", "4.7e3"), each optionally
// followed by its tolerance and its coefficient ("4k7 1% 25ppm"), either
// first; "#" begins a comment. Values without a tolerance take the one given,
// without a coefficient listTempco. Lines end in LF, CRLF or CR; a UTF-8
// byte-order mark at the start is skipped. The values a line holds are read
// even where something else on it is not. In time linear in the text's length.
struct PartsText {
    std::vector<Part> parts;             // as listed, not yet sorted
    std::vector<PartsLineProblem> wrong; // in line order, one a line
};
PartsText readParts(std::string_view text, double tolerance);

} // namespace kelvane
