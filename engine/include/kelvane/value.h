// A value as a person types it for the command line and the windows that take
// typed values (not the main window's entry box, which has its own form):
// a number with an SI prefix, or a letter code, and an optional unit word.
#pragma once

#include "kelvane/units.h"

#include <cstdint>
#include <string_view>
#include <variant>

namespace kelvane {

enum class ValueError : std::uint8_t { Empty, NotAValue, OutOfRange };

// "4700", "4.7k", "4,7 k", "2.2M", "0.47", "4k7", "4K7", "R47", "2u2", "4.7n", "100 ohm", "4k7Ω", "2.2µF",
// "1e6", "4.7e3 ohm", "2.2E-6": a number with a decimal point or comma and an optional SI prefix
// (units.h: resistors m k K M G; capacitors p n u µ μ m relative to farads, result in pF) or exponent, or a
// letter code; an optional unit word after it (ohm, Ω, F). A capacitor's exponent, as its prefix, is
// of farads. A plain number is that number (never a digit code; a capacitor's in pF). Exact: the
// result is in thousandths of an ohm or picofarad (Milli); a value finer than that or beyond the
// int64 range is OutOfRange.
std::variant<Milli, ValueError> parseValue(std::string_view text, bool resistor);

// A plain number, "0,5", "99.9", "1e1", in thousandths, exact as parseValue is.
std::variant<Milli, ValueError> parseNumber(std::string_view text);

} // namespace kelvane
