// A value as a person types it for the command line and the windows that take
// typed values (not the main window's entry box, which has its own form):
// a number with an SI prefix, or a letter code, and an optional unit word.
#pragma once

#include "kelvane/decode.h"

#include <cstdint>
#include <string_view>
#include <variant>

namespace kelvane {

enum class ValueError : std::uint8_t { Empty, NotAValue, OutOfRange };

// "4700", "4.7k", "4,7 k", "2.2M", "0.47", "4k7", "4K7", "R47", "2u2", "4.7n", "100 ohm", "4k7Ω", "2.2µF":
// a number with a decimal point or comma and an optional SI prefix (resistors: m k K M G; capacitors:
// p n u µ μ m relative to farads, result in pF), or a letter code; an optional unit word after it
// (ohm, Ω, F). A plain number is that number (never a digit code). Exact: the result is in
// thousandths of an ohm or picofarad (Milli); a value finer than that or beyond the int64 range is OutOfRange.
std::variant<Milli, ValueError> parseValue(std::string_view text, bool resistor);

} // namespace kelvane
