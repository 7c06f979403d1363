// Bands to the shown value. Integer arithmetic only: decimals come from a Gold
// or Silver multiplier and from scaling to kilo and mega units.
#pragma once

#include "kelvane/bands.h"

#include <optional>
#include <string>

namespace kelvane {

// Captions of the value labels (UTF-8; " µF" carries the micro sign U+00B5).
struct Display {
    std::string value;
    std::string dot;
    std::string dec;
    std::string enhet;
};

// Decodes the band state and writes back the corrections of a Black band:
// a Black multiplier holds 1, and with 5 bands a Black third band holds 0.
// Never overflows, whatever the digits hold: a multiplier code beyond White
// (9) counts as 9, and all arithmetic is 64-bit.
Display calcvalue(BandState& s);

// The refresh cycle: applies the stored pick to band curband, the band rules,
// and decodes when the bands are complete (nullopt: "Select colors").
// The tolerance list index to show afterwards is toleranceListIndex(tol).
std::optional<Display> refresh(BandState& s, ColourPick& pick, TolerancePick& tol);

} // namespace kelvane
