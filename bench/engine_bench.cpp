// Engine per call: decode and encode; the searches for networks and dividers
// over E192 from 1 ohm to 10 Mohm, and three parts of E24 searched beside
// their exhaustive enumeration; the yields of the ten best answers beside the
// same builds drawn by the standard library.
#include "enumerate.h"

#include <kelvane/decode.h>
#include <kelvane/divider.h>
#include <kelvane/encode.h>
#include <kelvane/network.h>
#include <kelvane/regulator.h>

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
// are made only for a search that needs them) and one search.
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

namespace {

// The ten best answers of a regulator (0: E96, the reference and the output
// ±1 %, 50 ppm/K) or of four-part networks (1: E24, 200 ppm/K), over -40..85 °C
// within ±2 %; each answer's yield as engine or standard library gives it.
template <class Yield> void tenYields(benchmark::State& state, Yield yield)
{
    const kelvane::Conditions c{{-40, 85}, state.range(0) == 0 ? std::optional(50.0) : std::nullopt, 0.02};
    if (state.range(0) == 0) {
        const std::vector<kelvane::Part> all = parts(kelvane::Series::E96);
        const kelvane::RegulatorWanted w{
            kelvane::RegulatorKind::Feedback, {0.8, 0.01}, 0, 3.3, 1'000'000, 1'000'000'000, 10};
        const auto found = std::get<std::vector<kelvane::Divider>>(kelvane::findRegulators(all, w, c));
        for (auto _ : state)
            for (const kelvane::Divider& d : found)
                yield(
                    state, [&] { return kelvane::yieldOf(d, all, w, c, 0.02).yield; },
                    std::vector<enumerate::Varying>{{double(d.r1), 0.01, 50}, {double(d.r2), 0.01, 50}, {0.8, 0.01, 0}},
                    c, w.vout,
                    [](const std::vector<double>& v) {
                        return kelvane::regulatorOutput(kelvane::RegulatorKind::Feedback, v[2], 0, v[0], v[1]);
                    });
        return;
    }
    const std::vector<kelvane::Part> all = parts(kelvane::Series::E24);
    const kelvane::PartIndex index(all);
    const auto found = std::get<std::vector<kelvane::Network>>(kelvane::findNetworks(index, 4'848'518, 4, 10, c));
    for (auto _ : state)
        for (const kelvane::Network& n : found) {
            std::vector<enumerate::Varying> in;
            for (std::size_t i = 0; i < kelvane::partCount(n.shape); ++i)
                in.push_back({double(n.parts[i]), 0.05, 200});
            yield(
                state, [&] { return kelvane::yieldOf(n, all, 4'848'518, c, 0.02).yield; }, in, c, 4'848'518.0,
                [&n](std::vector<double> v) {
                    v.resize(4);
                    return kelvane::networkValue(n.shape, {v[0], v[1], v[2], v[3]});
                });
        }
}

} // namespace

static void BM_Yield_ten(benchmark::State& state)
{
    tenYields(state, [](benchmark::State&, auto engine, auto&&...) { benchmark::DoNotOptimize(engine()); });
}
BENCHMARK(BM_Yield_ten)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

static void BM_PlainYield_ten(benchmark::State& state)
{
    tenYields(state, [](benchmark::State&, auto, const auto& in, const auto& c, double wanted, auto value) {
        benchmark::DoNotOptimize(enumerate::plainYield(in, c, wanted, 0.02, value));
    });
}
BENCHMARK(BM_PlainYield_ten)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

BENCHMARK_MAIN();
