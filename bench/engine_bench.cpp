// Engine per call: decode and encode; the searches for networks and dividers
// over E192 from 1 ohm to 10 Mohm, and three parts of E24 searched beside
// their exhaustive enumeration.
#include "enumerate.h"

#include <kelvane/decode.h>
#include <kelvane/divider.h>
#include <kelvane/encode.h>
#include <kelvane/network.h>

#include <benchmark/benchmark.h>

#include <cmath>
#include <random>

static void BM_Decode(benchmark::State& state)
{
    kelvane::BandState s;
    s.bandcount = 5;
    s.ring4Shown = true;
    s.digit1 = 1;
    s.digit2 = 0;
    s.digit3 = 2;
    s.digit4 = 4;
    s.colour(1) = kelvane::colourOf(kelvane::Hue::Brown);
    s.colour(2) = kelvane::colourOf(kelvane::Hue::Black);
    s.colour(3) = kelvane::colourOf(kelvane::Hue::Red);
    s.colour(4) = kelvane::colourOf(kelvane::Hue::Yellow);
    for (auto _ : state)
        benchmark::DoNotOptimize(kelvane::calcvalue(s));
}
BENCHMARK(BM_Decode);

static void BM_Encode(benchmark::State& state)
{
    for (auto _ : state)
        benchmark::DoNotOptimize(kelvane::encode("4750", kelvane::Unit::Kilo, kelvane::Rounding::Nearest, 4));
}
BENCHMARK(BM_Encode);

namespace {

std::vector<kelvane::Part> parts(kelvane::Series s)
{
    return std::get<std::vector<kelvane::Part>>(kelvane::seriesParts(s, 1000, 10'000'000'000, {}));
}

// Targets spread over the decades, each search taking the next.
kelvane::Milli nextTarget()
{
    static std::mt19937 random(24);
    static std::uniform_real_distribution<double> exponent(3, 10);
    return kelvane::Milli(std::pow(10.0, exponent(random)));
}

} // namespace

// What one run of the command line does: an index of its own (whose pairs
// are sorted only for a search that needs them) and one search.
static void BM_IndexAndFind_E192(benchmark::State& state)
{
    const std::vector<kelvane::Part> all = parts(kelvane::Series::E192);
    for (auto _ : state)
        benchmark::DoNotOptimize(
            kelvane::findNetworks(kelvane::PartIndex(all), nextTarget(), std::size_t(state.range(0)), 10));
}
BENCHMARK(BM_IndexAndFind_E192)->Arg(2)->Arg(4)->Unit(benchmark::kMillisecond);

static void BM_FindNetworks_E192(benchmark::State& state)
{
    const kelvane::PartIndex index(parts(kelvane::Series::E192));
    for (auto _ : state)
        benchmark::DoNotOptimize(kelvane::findNetworks(index, nextTarget(), std::size_t(state.range(0)), 10));
}
BENCHMARK(BM_FindNetworks_E192)->Arg(3)->Arg(4)->Unit(benchmark::kMillisecond);

static void BM_FindDividers_E192(benchmark::State& state)
{
    const std::vector<kelvane::Part> all = parts(kelvane::Series::E192);
    for (auto _ : state) {
        const double vout = double(nextTarget() % 4900 + 50) / 1000;
        benchmark::DoNotOptimize(kelvane::findDividers(all, {5, vout, 1'000'000, 1'000'000'000, 10}));
    }
}
BENCHMARK(BM_FindDividers_E192)->Unit(benchmark::kMillisecond);

static void BM_FindNetworks_E24_three(benchmark::State& state)
{
    const kelvane::PartIndex index(parts(kelvane::Series::E24));
    for (auto _ : state)
        benchmark::DoNotOptimize(kelvane::findNetworks(index, nextTarget(), 3, 10));
}
BENCHMARK(BM_FindNetworks_E24_three)->Unit(benchmark::kMillisecond);

static void BM_Enumerate_E24_three(benchmark::State& state)
{
    const std::vector<kelvane::Part> all = parts(kelvane::Series::E24);
    for (auto _ : state)
        benchmark::DoNotOptimize(enumerate::networks(all, {nextTarget()}, 3, 10));
}
BENCHMARK(BM_Enumerate_E24_three)->Unit(benchmark::kMillisecond);

BENCHMARK_MAIN();
