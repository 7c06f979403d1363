// Bands to the shown value. Integer arithmetic only: the bands' value is
// taken exactly, in thousandths of an ohm or picofarad, and written as
// written.h writes values.
#pragma once

#include "kelvane/bands.h"
#include "kelvane/units.h"
#include "kelvane/written.h"

#include <optional>

namespace kelvane {

// The corrections of a Black band, which the main window keeps in its band
// state: a Black multiplier holds 1, and with 5 bands a Black third band 0.
void holdBlackBands(BandState& s);

// The value the bands stand for, as after holdBlackBands. Never overflows,
// whatever the digits hold: a multiplier code beyond White (9) counts as 9,
// and all arithmetic is 64-bit.
Milli bandValue(const BandState& s);

// holdBlackBands(s), then display(bandValue(s), s.resistor).
Display calcvalue(BandState& s);

// The refresh cycle: applies the stored pick to band curband, the band rules,
// and decodes when the bands are complete (nullopt: "Select colors").
// The tolerance list index to show afterwards is toleranceListIndex(tol).
std::optional<Display> refresh(BandState& s, ColourPick& pick, TolerancePick& tol);

} // namespace kelvane
