// What the main window's bands say, as plain values for the windows that show
// it beside them: taken from the band state once, after each change, so that
// no other window holds or reads the band state itself.
#pragma once

#include "kelvane/bands.h"
#include "kelvane/tolerance.h"
#include "kelvane/units.h"

#include <optional>

namespace kelvane {

struct BandReading {
    bool resistor = true;
    std::optional<Milli> value;         // none until every band that shows has a colour
    std::optional<Tolerance> tolerance; // the tolerance band's, with the value
    std::optional<Milli> reversed;      // read from the other end, with the value, where that is one
};

BandReading readingOf(const BandState& s);

} // namespace kelvane
