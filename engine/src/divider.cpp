#include "kelvane/divider.h"

#include "best.h"

#include <algorithm>
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

std::variant<std::vector<Divider>, DividerError> findDividers(
    const std::vector<Part>& parts, const DividerWanted& w, const Conditions&)
{
    if (!(w.vout > 0 && w.vout < w.vin && std::isfinite(w.vin)))
        return DividerError::OutOfReach;
    if (w.leastTotal <= 0 || w.leastTotal > w.mostTotal)
        return DividerError::BadTotal;
    Best<Divider> best(w.count);
    const auto below = [](const Part& p, Milli v) { return p.value < v; };
    const auto within = [&](std::size_t i, Milli r2) {
        return std::abs(dividerOutput(w.vin, parts[i].value, r2) / w.vout - 1) <= best.bound();
    };
    const auto offer = [&](std::size_t i, Milli r2) {
        Divider d{parts[i].value, r2, dividerOutput(w.vin, parts[i].value, r2)};
        d.deviation = d.vout / w.vout - 1;
        best.offer(d);
    };
    for (const Part& p2 : parts) {
        const Milli r2 = p2.value;
        // R1 within the total's range, nearest the one that gives the output exactly.
        const std::size_t lo = std::lower_bound(parts.begin(), parts.end(), w.leastTotal - r2, below) - parts.begin();
        const std::size_t hi = std::upper_bound(parts.begin(), parts.end(), w.mostTotal - r2,
                                   [](Milli v, const Part& p) { return v < p.value; })
            - parts.begin();
        const double exact = double(r2) * (w.vin / w.vout - 1);
        std::size_t at
            = std::lower_bound(parts.begin(), parts.end(), Milli(std::min(exact, 1e18)), below) - parts.begin();
        at = std::clamp(at, lo, hi);
        for (std::size_t i = at; i < hi && within(i, r2); ++i)
            offer(i, r2);
        for (std::size_t i = at; i-- > lo && within(i, r2);)
            offer(i, r2);
    }
    std::vector<Divider> found = best.take();
    for (Divider& d : found) {
        const auto tolerance
            = [&](Milli v) { return std::lower_bound(parts.begin(), parts.end(), v, below)->tolerance; };
        const double r1 = double(d.r1), r2 = double(d.r2), t1 = tolerance(d.r1), t2 = tolerance(d.r2);
        d.low = w.vin * r2 * (1 - t2) / (r1 * (1 + t1) + r2 * (1 - t2));
        d.high = w.vin * r2 * (1 + t2) / (r1 * (1 - t1) + r2 * (1 + t2));
    }
    return found;
}

} // namespace kelvane
