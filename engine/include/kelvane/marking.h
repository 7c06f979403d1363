// Markings printed instead of colour bands: the text is trimmed and brought to
// upper case, and is tried against each code it can be (digits; a letter for
// the decimal point; an EIA-96 number and multiplier), as it stands and
// without a tolerance letter at its end, each giving an exact value or the
// reason it is none; readings of the same value are then one. Writing goes
// the other way: a value's significant digits and power of ten decide which
// codes can carry it. A known tolerance gives the range the part's value
// lies in, exact to a finer share than the thousandth.
#pragma once

#include "kelvane/bands.h"
#include "kelvane/indexed.h"
#include "kelvane/tolerance.h"
#include "kelvane/units.h"

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

namespace kelvane {

enum class Code : std::uint8_t {
    ThreeDigit, // "472": two digits and the number of zeros
    FourDigit,  // "4702": three digits and the number of zeros (resistors)
    Letter,     // "4K7", "R47", "4n7": a letter standing for the decimal point
    Eia96,      // "01C": the number of an E96 value and a multiplier letter (resistors)
    ZeroLink,   // "0", "00", "000", "0R" (resistors)
    Picofarads, // "47": one or two digits, the value in pF (capacitors)
};
template <> inline constexpr std::size_t enumCount<Code> = static_cast<std::size_t>(Code::Picofarads) + 1;

enum class MarkingError : std::uint8_t {
    Empty,
    NotAMarking,
    NoSuchEia96Number, // of the EIA-96 form, but not numbered 01 to 96
    OutOfRange,        // below the smallest or from 1000 Mohm (µF) up, finer than a thousandth, or zero
};
template <>
inline constexpr std::size_t enumCount<MarkingError> = static_cast<std::size_t>(MarkingError::OutOfRange) + 1;

// The values a marking may stand for: those of the bands and the entry box,
// and on resistors the milliohms of current-sense shunts ("R005").
constexpr Milli smallestMarked(bool resistor) { return resistor ? 1 : 100; } // 0,001 ohm; 0,1 pF
inline constexpr Milli markedLimit = 1'000'000'000'000;                      // 1000 Mohm or µF

struct Reading {
    Milli value = 0;
    Code code = Code::ThreeDigit;
    const ToleranceLetter* tolerance = nullptr; // into one of the letter tables; none when null
    std::optional<Code> alsoAs;                 // the same value and tolerance read as this kind too ("01R")
};

// One reading, or more where the text is a letter code and an EIA-96 code at
// once ("10R": 10 ohm, or 1,24 ohm; the letter code first), or a resistor's
// code both as it stands and before a tolerance letter ("470K": 470 Kohm, or
// 47 ohm ±10 %; as it stands first). Upper or lower case, µ or Greek mu for
// u; spaces around the text are ignored.
std::variant<std::vector<Reading>, MarkingError> readMarking(std::string_view text, bool resistor);

// Hundred-millionths of an ohm or picofarad: every bound of a tolerance on a
// marked value is a whole number of them. display(bound, resistor, fineDecimals) writes one.
using Fine = std::int64_t;
inline constexpr int fineDecimals = 8;

struct Range {
    Fine low;
    Fine high;
};

// The values a part of this value and tolerance may have; never below 0.
Range rangeOf(Milli value, const Tolerance& tolerance);

// What the bands read from the other end, in the same band count: the
// tolerance band, where there is one, leads and band 1 is then the
// tolerance. nullopt where that is no value: a band empty, Gold, Silver or
// Black leading, Gold or Silver as a digit, or 1000 Mohm (µF) and more.
std::optional<Milli> reversedValue(const BandState& s);

// A value's codes, each an empty text where the value has none of that kind.
struct Markings {
    std::string threeDigit;
    std::string fourDigit;
    std::string letter;
    std::string eia96;
    std::string picofarads; // capacitors of 1 to 99 whole pF
};

Markings markingsOf(Milli value, bool resistor);

// The codes a value has, as the markings window and the command line list
// them: 3-digit, 4-digit, letter, EIA-96, pF.
std::vector<std::string> listedCodes(const Markings& m);

} // namespace kelvane
