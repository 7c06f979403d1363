#include "kelvane/parts.h"

#include <algorithm>

namespace kelvane {

namespace {

constexpr double tolerances[] = {0.2, 0.1, 0.05, 0.02, 0.01, 0.005};

std::variant<std::vector<Part>, PartsError> finish(std::vector<Part> parts, const std::vector<Milli>& excluded)
{
    parts.erase(
        std::remove_if(parts.begin(), parts.end(),
            [&](const Part& p) { return std::find(excluded.begin(), excluded.end(), p.value) != excluded.end(); }),
        parts.end());
    if (parts.empty())
        return PartsError::Empty;
    if (parts.size() > mostParts)
        return PartsError::TooMany;
    return parts;
}

} // namespace

double seriesTolerance(Series s) { return tolerances[static_cast<std::size_t>(s)]; }

std::variant<std::vector<Part>, PartsError> seriesParts(
    Series s, Milli lowest, Milli highest, const std::vector<Milli>& excluded)
{
    if (lowest <= 0 || highest > largestPart || lowest > highest)
        return PartsError::OutOfRange;
    const SeriesTable& t = tableOf(s);
    std::vector<Part> parts;
    for (Milli step = 1; t.values[0] * step <= highest; step *= 10)
        for (std::size_t i = 0; i < t.count; ++i) {
            const Milli v = t.values[i] * step;
            if (v >= lowest && v <= highest) {
                if (parts.size() == mostParts)
                    return PartsError::TooMany;
                parts.push_back({v, seriesTolerance(s)});
            }
        }
    return finish(std::move(parts), excluded);
}

std::variant<std::vector<Part>, PartsError> listParts(std::vector<Part> parts, const std::vector<Milli>& excluded)
{
    if (std::any_of(parts.begin(), parts.end(), [](const Part& p) {
            return p.value <= 0 || p.value > largestPart || !(p.tolerance >= 0 && p.tolerance < 1);
        }))
        return PartsError::OutOfRange;
    std::sort(parts.begin(), parts.end(), [](const Part& a, const Part& b) {
        return a.value != b.value ? a.value < b.value : a.tolerance < b.tolerance;
    });
    parts.erase(
        std::unique(parts.begin(), parts.end(), [](const Part& a, const Part& b) { return a.value == b.value; }),
        parts.end());
    return finish(std::move(parts), excluded);
}

} // namespace kelvane
