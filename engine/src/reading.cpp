#include "kelvane/reading.h"

#include "kelvane/decode.h"
#include "kelvane/marking.h"

namespace kelvane {

BandReading readingOf(const BandState& s)
{
    BandReading r;
    r.resistor = s.resistor;
    if (!complete(s))
        return r;
    BandState copy = s; // bandValue mends the digits it reads
    r.value = bandValue(copy);
    r.tolerance = bandTolerance(s.colour(5));
    r.reversed = reversedValue(s);
    return r;
}

} // namespace kelvane
