// The search dividers and regulators share: for each R2 the R1 within the
// total's range nearest the one that gives the wanted output exactly, and a
// walk outward from it that stops where the deviation passes the bound (the
// output moves one way with R1). With a wanted tolerance the answers whose
// worst case lies within it are kept beside the nearest (best.h).
#pragma once

#include "kelvane/divider.h"

#include "best.h"
#include "builds.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <optional>

namespace kelvane {

// What dividers and regulators refuse alike: an empty total's range, conditions out of bounds.
inline std::optional<DividerError> unsearchable(Milli leastTotal, Milli mostTotal, const Conditions& c)
{
    if (leastTotal <= 0 || leastTotal > mostTotal)
        return DividerError::BadTotal;
    if (!usable(c))
        return DividerError::BadConditions;
    return std::nullopt;
}

// Far below any part's tolerance and above a double's rounding of a quotient of a few operations.
inline constexpr double exactEnough = 1e-12;

// R1 and R2 as the spread sees them, each found among the parts by its value.
inline std::array<Input, 2> partInputs(const Divider& d, const std::vector<Part>& parts, const Conditions& c)
{
    const auto of = [&](Milli v) {
        const Part& p
            = *std::lower_bound(parts.begin(), parts.end(), v, [](const Part& x, Milli m) { return x.value < m; });
        return Input{double(p.value), p.tolerance, c.tempco.value_or(p.tempco)};
    };
    return {of(d.r1), of(d.r2)};
}

// output(r1, r2) in volts; exact(r2) the R1 that gives wanted; assess(d)
// fills d's tolerance range, worst case and, with a wanted tolerance, yield.
template <class Output, class Exact, class Worst, class Assess>
std::vector<Divider> twoParts(const std::vector<Part>& parts, Milli leastTotal, Milli mostTotal, std::size_t count,
    double wanted, const Conditions& c, Output output, Exact exact, Worst worst, Assess assess)
{
    const Span within = wantedSpan(wanted, c.within.value_or(0));
    Best<Divider> best(count);
    Inside<Divider> inside(count, c.within, c.within.value_or(0));
    const auto bound = [&] { return std::max(best.bound(), inside.bound()); };
    const auto below = [](const Part& p, Milli v) { return p.value < v; };
    const auto near
        = [&](std::size_t i, Milli r2) { return std::abs(output(parts[i].value, r2) / wanted - 1) <= bound(); };
    const auto offer = [&](std::size_t i, Milli r2) {
        Divider d{parts[i].value, r2, output(parts[i].value, r2)};
        // Volts are typed in decimals that doubles only approximate: an exact
        // hit comes out some 1e-16 off, and is said to be one.
        d.deviation = d.vout / wanted - 1;
        if (std::abs(d.deviation) < exactEnough)
            d.deviation = 0;
        best.offer(d);
        inside.offer(d, within, [&] { return worst(d); });
    };
    for (const Part& p2 : parts) {
        const Milli r2 = p2.value;
        const std::size_t lo = std::lower_bound(parts.begin(), parts.end(), leastTotal - r2, below) - parts.begin();
        const std::size_t hi = std::upper_bound(parts.begin(), parts.end(), mostTotal - r2, [](Milli v, const Part& p) {
            return v < p.value;
        }) - parts.begin();
        const double r1 = exact(r2);
        std::size_t at
            = std::lower_bound(parts.begin(), parts.end(), Milli(std::clamp(r1, 0.0, 1e18)), below) - parts.begin();
        at = std::clamp(at, lo, hi);
        for (std::size_t i = at; i < hi && near(i, r2); ++i)
            offer(i, r2);
        for (std::size_t i = at; i-- > lo && near(i, r2);)
            offer(i, r2);
    }
    return answers(inside, best, count, c.within.has_value(), within, assess);
}

} // namespace kelvane
