// What a found circuit does over its parts' spread: the conditions a search
// is asked under (a temperature range, a coefficient for every part, a wanted
// tolerance, how parts are drawn), the exact range of its value at every
// corner of those, and the share of builds that stay within the wanted
// tolerance, by a seeded Monte Carlo. The searches fill each answer's worst
// case and yield from these; the defaults give the parts' tolerance at 25 °C
// and no yield, as the answers were before.
#pragma once

#include "kelvane/indexed.h"

#include <cstddef>
#include <cstdint>
#include <optional>

namespace kelvane {

// A part's value is its marked value at this temperature, in °C.
inline constexpr double referenceTemperature = 25;

// °C, low <= high.
struct TemperatureRange {
    double low = referenceTemperature;
    double high = referenceTemperature;
};

// How a part's value is drawn within its tolerance: normal with σ a third of
// it and cut at it, as a controlled process gives; or uniform over it.
enum class Spread : std::uint8_t { Normal, Uniform };
template <> inline constexpr std::size_t enumCount<Spread> = static_cast<std::size_t>(Spread::Uniform) + 1;

inline constexpr std::size_t defaultSamples = 100'000;
inline constexpr std::size_t mostSamples = 100'000'000;
// A coefficient at most this many ppm/K, over a span at most this far from
// the reference temperature, keeps every part's value above 0.
inline constexpr double mostTempco = 1'000;
inline constexpr double farthestTemperature = 500;

struct Conditions {
    TemperatureRange temperature{};
    std::optional<double> tempco{}; // ppm/K for every part, instead of each part's own
    std::optional<double> within{}; // the wanted tolerance, a fraction: 0,02 for ±2 %; no yield without
    Spread spread = Spread::Normal;
    std::size_t samples = defaultSamples;
    std::uint64_t seed = 1;
};

// Whether a search can be asked under these: the range in order and within
// farthestTemperature of the reference, a coefficient from 0 to mostTempco,
// within above 0 and below 1, samples from 1 to mostSamples.
bool usable(const Conditions& c);

// A value's least and greatest (Range, marking.h, is a marked value's, in whole units).
struct Span {
    double min = 0;
    double max = 0;
};

// The share of builds within the wanted tolerance at both ends of the
// temperature range, and its standard error.
struct Estimate {
    double yield = 0;
    double error = 0;
};

} // namespace kelvane
