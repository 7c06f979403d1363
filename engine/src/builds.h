// A circuit's value over its inputs' spread: each input (a part, or a
// regulator's reference) a centre, a tolerance about it and a coefficient,
// and the circuit a function of the inputs' values. The worst case from its
// corners, the yield from builds drawn by a seeded generator.
#pragma once

#include "kelvane/spread.h"

#include <array>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <limits>

namespace kelvane {

struct Input {
    double centre = 0;
    double tolerance = 0; // a fraction either way
    double tempco = 0;    // ppm/K either way
    bool uniform = false; // drawn uniform within its tolerance whatever the spread
};

inline constexpr std::size_t mostInputs = 5; // four parts and a reference

// The farthest the range goes from the reference temperature, as a fraction
// per ppm/K: each input's drift is largest there, where all may reach it.
inline double farthestDrift(const TemperatureRange& t)
{
    return std::max(std::abs(t.low - referenceTemperature), std::abs(t.high - referenceTemperature)) * 1e-6;
}

// The circuits are monotone in each input (a network grows with each part, a
// divider's output with R2 and falls with R1, a regulator's moves one way with
// R1, with R2 and with Vref), and each input ranges over an interval of its
// own: its tolerance and its drift, whose sign is free, at the temperature
// farthest from 25 °C. So the least and greatest value lie at corners of that
// box, and over all 2^n of them are the exact range.
template <class Value> Span corners(const Input* in, std::size_t n, double drift, Value value)
{
    Span s{std::numeric_limits<double>::infinity(), -std::numeric_limits<double>::infinity()};
    std::array<double, mostInputs> v{};
    for (std::uint32_t corner = 0; corner < (1u << n); ++corner) {
        for (std::size_t i = 0; i < n; ++i) {
            const double sign = corner >> i & 1 ? 1 : -1;
            v[i] = in[i].centre * (1 + sign * in[i].tolerance) * (1 + sign * in[i].tempco * drift);
        }
        const double x = value(v.data());
        s.min = std::min(s.min, x);
        s.max = std::max(s.max, x);
    }
    return s;
}

// splitmix64: a 64-bit counter through a mixing function, each step two
// draws of 32 bits.
class Generator {
public:
    explicit Generator(std::uint64_t seed)
        : state_(seed)
    {
    }
    std::uint64_t next()
    {
        std::uint64_t z = state_ += 0x9E3779B97F4A7C15;
        z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9;
        z = (z ^ (z >> 27)) * 0x94D049BB133111EB;
        return z ^ (z >> 31);
    }

private:
    std::uint64_t state_;
};

// The inverse of the normal distribution cut at ±3 σ, in units of the cut,
// at 2048 steps of its probability, to be read between two of them.
inline constexpr std::size_t cutNormalSteps = 2048;
const std::array<double, cutNormalSteps + 1>& cutNormalTable();

// From 32 random bits, a draw of [-1, 1]: normal cut at ±1 with σ 1/3, or uniform.
inline double cutNormal(const std::array<double, cutNormalSteps + 1>& table, std::uint32_t bits)
{
    const std::uint32_t at = bits >> 21;
    const double between = double(bits & 0x1FFFFF) * (1.0 / 0x200000);
    return table[at] + (table[at + 1] - table[at]) * between;
}
inline double uniformOne(std::uint32_t bits) { return double(bits) * (2.0 / 4294967296.0) - 1; }

// The share of c.samples builds whose value lies within ±within of wanted at
// both ends of the temperature range: each input drawn apart, its tolerance
// as c.spread says, its coefficient uniform within ±tempco. For n inputs
// known when compiled, their loops unrolled.
template <std::size_t n, class Value>
Estimate buildsOf(const Input* in, const Conditions& c, double wanted, double within, Value value)
{
    const auto& table = cutNormalTable();
    const double least = wanted * (1 - within), most = wanted * (1 + within);
    const double below = (c.temperature.low - referenceTemperature) * 1e-6,
                 above = (c.temperature.high - referenceTemperature) * 1e-6;
    const bool oneTemperature = below == above;
    Generator random(c.seed);
    std::array<double, mostInputs> at25{}, drift{}, at{};
    static_assert(n <= mostInputs);
    std::size_t good = 0;
    for (std::size_t b = 0; b < c.samples; ++b) {
        for (std::size_t i = 0; i < n; ++i) {
            const std::uint64_t bits = random.next();
            const auto first = static_cast<std::uint32_t>(bits), second = static_cast<std::uint32_t>(bits >> 32);
            const double e = in[i].uniform || c.spread == Spread::Uniform ? uniformOne(first) : cutNormal(table, first);
            at25[i] = in[i].centre * (1 + in[i].tolerance * e);
            drift[i] = in[i].tempco * uniformOne(second);
            at[i] = at25[i] * (1 + drift[i] * below);
        }
        // Both ends reckoned for every build and the good ones counted
        // without a branch: whether a build is good is a toss-up a processor
        // guesses wrong often, at a cost above that of the second value.
        const double x = value(at.data());
        for (std::size_t i = 0; i < n; ++i)
            at[i] = at25[i] * (1 + drift[i] * above);
        const double y = oneTemperature ? x : value(at.data());
        good += static_cast<std::size_t>(x >= least) & static_cast<std::size_t>(x <= most)
            & static_cast<std::size_t>(y >= least) & static_cast<std::size_t>(y <= most);
    }
    const double p = double(good) / double(c.samples);
    return {p, std::sqrt(p * (1 - p) / double(c.samples))};
}

template <class Value>
Estimate builds(const Input* in, std::size_t n, const Conditions& c, double wanted, double within, Value value)
{
    switch (n) {
    case 1: return buildsOf<1>(in, c, wanted, within, value);
    case 2: return buildsOf<2>(in, c, wanted, within, value);
    case 3: return buildsOf<3>(in, c, wanted, within, value);
    case 4: return buildsOf<4>(in, c, wanted, within, value);
    default: return buildsOf<mostInputs>(in, c, wanted, within, value);
    }
}

} // namespace kelvane
