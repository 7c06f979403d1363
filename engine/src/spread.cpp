#include "kelvane/spread.h"

#include "builds.h"

#include <cmath>

namespace kelvane {

namespace {
constexpr double pi = 3.14159265358979323846;
}

bool usable(const Conditions& c)
{
    const TemperatureRange& t = c.temperature;
    const auto near = [](double v) { return std::abs(v - referenceTemperature) <= farthestTemperature; };
    return near(t.low) && near(t.high) && t.low <= t.high && (!c.tempco || (*c.tempco >= 0 && *c.tempco <= mostTempco))
        && (!c.within || (*c.within > 0 && *c.within < 1)) && c.samples >= 1 && c.samples <= mostSamples;
}

const std::array<double, cutNormalSteps + 1>& cutNormalTable()
{
    static const std::array<double, cutNormalSteps + 1> table = [] {
        const auto below = [](double x) { return 0.5 * std::erfc(-x / std::sqrt(2.0)); };
        const double first = below(-3), share = below(3) - first;
        std::array<double, cutNormalSteps + 1> t{};
        t.front() = -1;
        t.back() = 1;
        // Newton's steps on the normal's distribution from the last entry.
        double x = -3;
        for (std::size_t k = 1; k < cutNormalSteps; ++k) {
            const double p = first + share * double(k) / cutNormalSteps;
            for (int step = 0; step < 100; ++step) {
                const double dx = (below(x) - p) / (std::exp(-x * x / 2) / std::sqrt(2 * pi));
                x -= dx;
                if (std::abs(dx) < 1e-13)
                    break;
            }
            t[k] = x / 3;
        }
        return t;
    }();
    return table;
}

} // namespace kelvane
