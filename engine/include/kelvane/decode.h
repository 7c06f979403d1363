// Bands to the shown value. Integer arithmetic only: the bands' value is
// taken exactly, in thousandths of an ohm or picofarad, and written in the
// unit that keeps its integer part short, with the decimals that remain.
#pragma once

#include "kelvane/bands.h"

#include <cstdint>
#include <optional>
#include <string>

namespace kelvane {

// An exact value in thousandths of an ohm (resistor) or picofarad (capacitor).
using Milli = std::int64_t;

// Captions of the value labels (UTF-8; " µF" carries the micro sign U+00B5).
struct Display {
    std::string value;
    std::string dot;
    std::string dec;
    std::string enhet;
};

// A value split at the unit it is written in: prefix 0 (ohm, pF), 1 (Kohm,
// nF) or 2 (Mohm, µF), the integer part in that unit and its decimal digits
// without trailing zeros. The unit grows while the integer part would have
// more than three digits, up to the mega unit.
struct Scaled {
    std::string whole;
    std::string decimals;
    std::uint8_t prefix = 0;
};

// value is in units of 10^-decimals ohm or pF: thousandths unless a finer
// share is asked for (a tolerance's bounds).
Scaled scale(std::int64_t value, int decimals = 3);

// The value as the display writes it: "4" "," "7" " Kohm". value >= 0.
Display display(std::int64_t value, bool resistor, int decimals = 3);

// The display's captions as one text: "4,7 Kohm".
std::string written(Milli value, bool resistor);

// The value the bands stand for, after the corrections of a Black band: a
// Black multiplier holds 1, and with 5 bands a Black third band holds 0.
// Never overflows, whatever the digits hold: a multiplier code beyond White
// (9) counts as 9, and all arithmetic is 64-bit.
Milli bandValue(BandState& s);

// display(bandValue(s), s.resistor).
Display calcvalue(BandState& s);

// The refresh cycle: applies the stored pick to band curband, the band rules,
// and decodes when the bands are complete (nullopt: "Select colors").
// The tolerance list index to show afterwards is toleranceListIndex(tol).
std::optional<Display> refresh(BandState& s, ColourPick& pick, TolerancePick& tol);

} // namespace kelvane
