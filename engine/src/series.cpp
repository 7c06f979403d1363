#include "kelvane/series.h"

#include "kelvane/digits.h"

#include <algorithm>

namespace kelvane {

namespace {

// The value without its trailing zeros: what a table's entry must equal.
Milli significant(Milli value) { return significantOf(value).digits; }

bool holds(const SeriesTable& t, Milli value)
{
    const Milli digits = significant(value);
    return std::any_of(t.values, t.values + t.count, [digits](std::uint16_t v) { return significant(v) == digits; });
}

} // namespace

std::optional<Series> coarsestSeries(Milli value)
{
    if (value <= 0)
        return std::nullopt;
    for (std::size_t i = 0; i < seriesTables.size(); ++i)
        if (holds(seriesTables[i], value))
            return static_cast<Series>(i);
    return std::nullopt;
}

Series neighbourSeries(Milli value) { return significant(value) < 100 ? Series::E24 : Series::E96; }

Neighbours neighbours(Series s, Milli value)
{
    const SeriesTable& t = tableOf(s);
    // Thousandths per unit of the table in the value's decade.
    Milli step = 1;
    while (value >= t.decade * 10 * step)
        step *= 10;
    Neighbours n{t.values[0] * step, t.decade * 10 * step};
    for (std::size_t i = 0; i < t.count; ++i) {
        const Milli v = t.values[i] * step;
        if (v <= value)
            n.below = v;
        if (v >= value) {
            n.above = v;
            break;
        }
    }
    return n;
}

Standing standing(Milli value)
{
    Standing s{coarsestSeries(value)};
    if (!s.series && value > 0)
        s.nearest = neighbourSeries(value);
    // Below the series' first value there are no neighbours to name.
    if (!s.series && value >= tableOf(s.nearest).decade)
        s.around = neighbours(s.nearest, value);
    return s;
}

} // namespace kelvane
