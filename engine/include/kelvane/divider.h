// Voltage dividers from a part set: R1 from the input to the output, R2 from
// the output to ground, Vout = Vin × R2 / (R1 + R2). For each R2 the R1 that
// gives the wanted output is looked up among the sorted parts, and the walk
// outward from it stops where the deviation passes the K-th best so far.
// Ranked with a wanted tolerance as networks are (network.h).
#pragma once

#include "kelvane/parts.h"
#include "kelvane/spread.h"
#include "kelvane/units.h"

#include <cstddef>
#include <cstdint>
#include <optional>
#include <variant>
#include <vector>

namespace kelvane {

struct DividerWanted {
    double vin = 0;       // or 1 for a ratio
    double vout = 0;      // or the ratio
    Milli leastTotal = 0; // R1 + R2 within these, both included
    Milli mostTotal = 0;
    std::size_t count = 10;
};

// A divider, or a regulator's feedback divider (regulator.h).
struct Divider {
    Milli r1 = 0; // the upper part
    Milli r2 = 0; // the lower
    double vout = 0;
    double deviation = 0;            // vout / wanted - 1
    double low = 0;                  // the parts' tolerance at 25 °C: R1 at its high edge, R2 at its low
    double high = 0;                 // and the other way
    Span worst{};                    // every part anywhere within its tolerance and coefficient over the range
    std::optional<Estimate> yield{}; // with a wanted tolerance only
};

enum class DividerError : std::uint8_t {
    OutOfReach,    // the output not above 0 and below the input (a regulator's: not above its reference)
    BadTotal,      // the total's range empty or not above 0
    BadReference,  // a regulator's reference not above 0 or its range not about it; its pin's current below 0
    BadConditions, // conditions not usable (spread.h)
};

double dividerOutput(double vin, Milli r1, Milli r2);

// A total order: the smaller |deviation|, then the smaller R1, then R2.
bool ranksBefore(const Divider& x, const Divider& y);

// With a wanted tolerance, wanted the outputs it takes: those whose worst
// case lies within it first, then the higher yield, then as ranksBefore.
bool ranksBeforeWithin(const Divider& x, const Divider& y, const Span& wanted);

// Best first; parts as parts.h gives them.
std::variant<std::vector<Divider>, DividerError> findDividers(
    const std::vector<Part>& parts, const DividerWanted& w, const Conditions& c = {});

// A divider's worst case and its yield within ±within of the wanted output,
// its parts as they are among parts (looked up by value).
Span worstOf(const Divider& d, const std::vector<Part>& parts, const DividerWanted& w, const Conditions& c);
Estimate yieldOf(
    const Divider& d, const std::vector<Part>& parts, const DividerWanted& w, const Conditions& c, double within);

} // namespace kelvane
