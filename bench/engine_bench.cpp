// Engine decode and encode per call.
#include <kelvane/decode.h>
#include <kelvane/encode.h>

#include <benchmark/benchmark.h>

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

BENCHMARK_MAIN();
