// A typed whole number and its unit to bands: parse, check the unit's range,
// multiply, take the leading digits, round to the digits the bands carry and
// map the band values to colours.
#pragma once

#include "kelvane/bands.h"
#include "kelvane/units.h"

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <variant>

namespace kelvane {

enum class EntryError {
    NotANumber, // not of the accepted form, or beyond a signed 32-bit integer
    OutOfRange, // below 1 or above the checked unit's largest number
};

// Leading spaces, then an optional sign and decimal digits, or "$" and
// hexadecimal digits; nothing after. ASCII only.
std::optional<std::int32_t> parseEntry(std::string_view text);

struct UnitLimit {
    std::int32_t multiplier;
    std::int32_t largest;
};

constexpr UnitLimit limitOf(Unit u)
{
    switch (u) {
    case Unit::Kilo: return {1000, 990000};
    case Unit::Mega: return {1000000, 990};
    case Unit::One: break;
    }
    return {1, 990000000};
}

enum class Rounding { Nearest, Up };

// Band values and colours for bands 1..4; Gold and Silver already hold 1.
struct Encoding {
    std::string actualvalue; // the product, as decimal digits
    std::uint8_t digit1 = 0;
    std::uint8_t digit2 = 0;
    std::uint8_t digit3 = 0;
    std::uint8_t digit4 = 0;
    std::array<Colour, 4> ring{};
};

std::variant<Encoding, EntryError> encode(std::string_view entry, Unit unit, Rounding rounding, int bandcount);

// Adds one unit of the last significant digit, carrying into the multiplier.
void roundvalue(BandState& s);

// Writes an encoding into the band state. The cycle's target is cleared, so a
// later refresh does not put the colour dialog's last pick over the new bands.
void applyEncoding(BandState& s, const Encoding& e);

// The bands of a resistor's value as it stands, without rounding: five where
// it has three significant digits, four otherwise; from Silver (0,01) up to a
// Violet multiplier on four bands and Blue on five. nullopt where the bands
// cannot carry the value exactly. Asked for a band count (4 or 5), those
// bands or nullopt: five carry a value of fewer digits with zeros after them.
struct ValueBands {
    std::uint8_t bandcount = 4;
    Encoding encoding;
};
std::optional<ValueBands> bandsOf(Milli value, int bandcount = 0);

} // namespace kelvane
