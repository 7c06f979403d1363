#include "kelvane/divider.h"

#include "twoparts.h"

#include <cmath>

namespace kelvane {

double dividerOutput(double vin, Milli r1, Milli r2) { return vin * double(r2) / (double(r1) + double(r2)); }

bool ranksBefore(const Divider& x, const Divider& y)
{
    const double dx = std::abs(x.deviation), dy = std::abs(y.deviation);
    if (dx != dy)
        return dx < dy;
    return x.r1 != y.r1 ? x.r1 < y.r1 : x.r2 < y.r2;
}

bool ranksBeforeWithin(const Divider& x, const Divider& y, const Span& wanted) { return withinFirst(x, y, wanted); }

namespace {

auto outputOf(const DividerWanted& w)
{
    return [vin = w.vin](const double* v) { return vin * v[1] / (v[0] + v[1]); };
}

} // namespace

Span worstOf(const Divider& d, const std::vector<Part>& parts, const DividerWanted& w, const Conditions& c)
{
    return corners(partInputs(d, parts, c).data(), 2, farthestDrift(c.temperature), outputOf(w));
}

Estimate yieldOf(
    const Divider& d, const std::vector<Part>& parts, const DividerWanted& w, const Conditions& c, double within)
{
    return builds(partInputs(d, parts, c).data(), 2, c, w.vout, within, outputOf(w));
}

std::variant<std::vector<Divider>, DividerError> findDividers(
    const std::vector<Part>& parts, const DividerWanted& w, const Conditions& c)
{
    if (!(w.vout > 0 && w.vout < w.vin && std::isfinite(w.vin)))
        return DividerError::OutOfReach;
    if (const auto refused = unsearchable(w.leastTotal, w.mostTotal, c))
        return *refused;
    const Span wanted = wantedSpan(w.vout, c.within.value_or(0));
    return twoParts(
        parts, w.leastTotal, w.mostTotal, w.count, w.vout, c,
        [&](Milli r1, Milli r2) { return dividerOutput(w.vin, r1, r2); },
        [&](Milli r2) { return double(r2) * (w.vin / w.vout - 1); },
        [&](const Divider& d) { return worstOf(d, parts, w, c); },
        [&](Divider& d) {
            const auto [i1, i2] = partInputs(d, parts, c);
            const double r1 = i1.centre, r2 = i2.centre, t1 = i1.tolerance, t2 = i2.tolerance;
            d.low = w.vin * r2 * (1 - t2) / (r1 * (1 + t1) + r2 * (1 - t2));
            d.high = w.vin * r2 * (1 + t2) / (r1 * (1 - t1) + r2 * (1 + t2));
            rate(
                d, c.within, wanted, [&] { return worstOf(d, parts, w, c); },
                [&] { return yieldOf(d, parts, w, c, *c.within); });
        });
}

} // namespace kelvane
