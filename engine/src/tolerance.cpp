#include "kelvane/tolerance.h"

#include <cmath>

namespace kelvane {

std::optional<Colour> toleranceColour(double fraction)
{
    const auto spread = static_cast<std::int32_t>(std::lround(fraction * 100'000));
    for (std::size_t i = 1; i < toleranceList.size(); ++i)
        if (toleranceList[i].spread == spread)
            return toleranceList[i].colour;
    return std::nullopt;
}

} // namespace kelvane
