// The reference the searches are held to: every choice of parts in every
// shape, ranked by the engine's own order; the series' parts they search;
// a circuit's value over a grid of its parts' spread, and its yield from
// builds drawn by the standard library.
#pragma once

#include <kelvane/divider.h>
#include <kelvane/network.h>
#include <kelvane/parts.h>

#include <algorithm>
#include <cmath>
#include <limits>
#include <random>
#include <variant>
#include <vector>

namespace enumerate {

inline std::vector<kelvane::Part> series(
    kelvane::Series s, kelvane::Milli lowest, kelvane::Milli highest, std::vector<kelvane::Milli> excluded = {})
{
    return std::get<std::vector<kelvane::Part>>(kelvane::seriesParts(s, lowest, highest, excluded));
}

template <class T, class Before> void keep(std::vector<T>& best, const T& x, std::size_t count, Before before)
{
    if (best.size() == count && !before(x, best.back()))
        return;
    best.insert(std::lower_bound(best.begin(), best.end(), x, before), x);
    if (best.size() > count)
        best.pop_back();
}

// Each network once: an ordered choice of parts counts only in its canonical
// order. The best for each target, from one pass over the choices.
// Only those for which keep(network, target) holds.
template <class Keep = bool (*)(const kelvane::Network&, kelvane::Milli)>
std::vector<std::vector<kelvane::Network>> networks(
    const std::vector<kelvane::Part>& parts, const std::vector<kelvane::Milli>& targets, std::size_t maxParts,
    std::size_t count, Keep keepIf = [](const kelvane::Network&, kelvane::Milli) { return true; })
{
    std::vector<std::vector<kelvane::Network>> best(targets.size());
    const std::size_t n = parts.size();
    for (std::size_t s = 0; s < kelvane::shapeCount; ++s) {
        const auto shape = static_cast<kelvane::Shape>(s);
        const std::size_t k = kelvane::partCount(shape);
        if (k > maxParts)
            continue;
        std::size_t total = 1;
        for (std::size_t i = 0; i < k; ++i)
            total *= n;
        for (std::size_t choice = 0; choice < total; ++choice) {
            std::array<kelvane::Milli, 4> p{};
            for (std::size_t i = 0, c = choice; i < k; ++i, c /= n)
                p[i] = parts[c % n].value;
            if (kelvane::makeNetwork(shape, p, targets.front()).parts != p)
                continue;
            for (std::size_t t = 0; t < targets.size(); ++t)
                if (const kelvane::Network net = kelvane::makeNetwork(shape, p, targets[t]); keepIf(net, targets[t]))
                    keep(best[t], net, count, [](auto& x, auto& y) { return kelvane::ranksBefore(x, y); });
        }
    }
    return best;
}

// A part (or a reference): its value, tolerance, coefficient in ppm/K, and
// whether it is drawn uniform whatever the spread.
struct Varying {
    double value, tolerance, tempco;
    bool uniform = false;
};

// The least and greatest value with each part's tolerance and coefficient
// at steps points from their one bound to the other, at steps temperatures
// over the range: with 2 steps, every corner.
template <class Value>
kelvane::Span overGrid(const std::vector<Varying>& in, const kelvane::TemperatureRange& t, int steps, Value value)
{
    kelvane::Span s{std::numeric_limits<double>::infinity(), -std::numeric_limits<double>::infinity()};
    std::size_t total = 1;
    for (std::size_t i = 0; i < 2 * in.size(); ++i)
        total *= std::size_t(steps);
    const auto at = [steps](std::size_t k) { return -1 + 2.0 * double(k % std::size_t(steps)) / (steps - 1); };
    std::vector<double> v(in.size());
    for (int k = 0; k < steps; ++k)
        for (std::size_t choice = 0; choice < total; ++choice) {
            const double degrees = t.low + (t.high - t.low) * k / (steps - 1) - 25;
            for (std::size_t i = 0, c = choice; i < in.size(); ++i, c /= std::size_t(steps) * std::size_t(steps))
                v[i] = in[i].value * (1 + in[i].tolerance * at(c))
                    * (1 + in[i].tempco * at(c / std::size_t(steps)) * degrees * 1e-6);
            s.min = std::min(s.min, value(v));
            s.max = std::max(s.max, value(v));
        }
    return s;
}

// The share of c.samples builds within ±within of wanted at both ends of the
// temperature range: each part normal with σ a third of its tolerance, drawn
// again until within it, or uniform; its coefficient uniform.
template <class Value>
double plainYield(
    const std::vector<Varying>& in, const kelvane::Conditions& c, double wanted, double within, Value value)
{
    std::mt19937_64 random(c.seed + 1);
    std::normal_distribution<double> normal(0, 1.0 / 3);
    std::uniform_real_distribution<double> uniform(-1, 1);
    std::vector<double> low(in.size()), high(in.size());
    std::size_t good = 0;
    for (std::size_t b = 0; b < c.samples; ++b) {
        for (std::size_t i = 0; i < in.size(); ++i) {
            double e = uniform(random);
            if (!in[i].uniform && c.spread == kelvane::Spread::Normal)
                do
                    e = normal(random);
                while (std::abs(e) > 1);
            const double drift = in[i].tempco * uniform(random) * 1e-6, v = in[i].value * (1 + in[i].tolerance * e);
            low[i] = v * (1 + drift * (c.temperature.low - 25));
            high[i] = v * (1 + drift * (c.temperature.high - 25));
        }
        good += std::abs(value(low) / wanted - 1) <= within && std::abs(value(high) / wanted - 1) <= within;
    }
    return double(good) / double(c.samples);
}

} // namespace enumerate
