#include "kelvane/nearest.h"

namespace kelvane {

std::optional<std::array<Nearest, 6>> nearestValues(Milli value)
{
    if (value < 100 || value > largestNearest)
        return std::nullopt;
    std::array<Nearest, 6> all{};
    for (std::size_t i = 0; i < all.size(); ++i) {
        const auto s = static_cast<Series>(i);
        const Neighbours n = neighbours(s, value);
        all[i] = {s, n.below, n.above, double(n.below) / double(value) - 1, double(n.above) / double(value) - 1};
    }
    return all;
}

} // namespace kelvane
