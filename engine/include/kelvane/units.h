// Exact values and the units they are written in. A value is held as a whole
// number of thousandths of its base unit (ohm, picofarad); it is written in
// the base unit or one of two prefixed units, each a thousand times the last,
// and typed with any of the SI prefixes listed here.
#pragma once

#include <cstdint>
#include <string_view>

namespace kelvane {

// An exact value in thousandths of an ohm (resistor) or picofarad (capacitor).
using Milli = std::int64_t;

// The decimals of a Milli in its base unit.
inline constexpr int milliDecimals = 3;

// Prefix 0 is the base unit (ohm, pF), 1 the kilo or nano unit (Kohm, nF), 2
// the mega or micro unit (Mohm, µF): each holds 10^(3 × prefix) base units.
inline constexpr std::uint8_t largestPrefix = 2;
constexpr int prefixExponent(std::uint8_t prefix) { return 3 * prefix; }

// As the display, the main window's unit choice and the command line write
// them, a space after the number (UTF-8; "µF" carries the micro sign U+00B5).
inline constexpr const char* unitNames[2][largestPrefix + 1] = {{"pF", "nF", "\u00B5F"}, {"ohm", "Kohm", "Mohm"}};

constexpr const char* unitName(bool resistor, std::uint8_t prefix) { return unitNames[resistor ? 1 : 0][prefix]; }

// A prefix as a person picks it for a typed number (Kilo: Kohm or nF).
enum class Unit : std::uint8_t { One, Kilo, Mega };
static_assert(static_cast<std::uint8_t>(Unit::Mega) == largestPrefix);

constexpr const char* unitName(bool resistor, Unit unit) { return unitName(resistor, static_cast<std::uint8_t>(unit)); }

// The SI prefixes a typed value may carry (UTF-8), each with the power of ten
// of the base unit it stands for; a capacitor's are of farads. A resistor's
// "R" is no prefix but a letter code's decimal point ("4R7", "R47").
struct Prefix {
    std::string_view text;
    int exponent;
};

inline constexpr Prefix prefixes[2][6] = {{{"p", 0}, {"n", 3}, {"u", 6}, {"\u00B5", 6}, {"\u03BC", 6}, {"m", 9}},
    {{"R", 0}, {"m", -3}, {"k", 3}, {"K", 3}, {"M", 6}, {"G", 9}}};

constexpr const auto& prefixesOf(bool resistor) { return prefixes[resistor ? 1 : 0]; }

} // namespace kelvane
