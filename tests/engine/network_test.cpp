#include "enumerate.h"

#include <kelvane/network.h>

#include <gtest/gtest.h>

#include <random>
#include <tuple>

using namespace kelvane;
using enumerate::series;

namespace {

using Row = std::tuple<Shape, std::array<Milli, 4>, double, double>;

std::vector<Row> rows(const std::vector<Network>& found)
{
    std::vector<Row> r;
    for (const Network& n : found)
        r.emplace_back(n.shape, n.parts, n.value, n.deviation);
    return r;
}

// Targets spread evenly over the decades the parts cover, with a seed of their own.
std::vector<Milli> targets(std::uint32_t seed, int count, Milli lowest, Milli highest)
{
    std::mt19937 random(seed);
    std::uniform_real_distribution<double> exponent(std::log10(double(lowest)), std::log10(double(highest)));
    std::vector<Milli> t;
    for (int i = 0; i < count; ++i)
        t.push_back(Milli(std::pow(10.0, exponent(random))));
    return t;
}

struct SearchCase {
    const char* name;
    std::vector<Part> parts;
    std::size_t maxParts;
    std::size_t count;
    int targets;
    std::vector<Milli> typed = {}; // the targets, in place of drawn ones
};

} // namespace

TEST(Finder, SearchEqualsEnumeration)
{
    const Milli ohm = 1000;
    std::vector<Part> drawer;
    for (Milli v : {100, 220, 330, 470, 1000, 1500, 2200, 4700, 6800, 10000, 47000, 100000})
        drawer.push_back({v * ohm, v % 1000 == 0 ? 0.01 : 0.05});
    const SearchCase cases[] = {
        {"E6 four parts", series(Series::E6, 10 * ohm, 1'000'000 * ohm), 4, 10, 3},
        {"E6 three parts, the widest range", series(Series::E6, ohm, 10'000'000 * ohm), 3, 10, 6},
        {"E12 three parts, 25 best", series(Series::E12, ohm, 10'000'000 * ohm), 3, 25, 4},
        {"E24 three parts", series(Series::E24, 10 * ohm, 1'000'000 * ohm), 3, 10, 3},
        {"E24 three parts, one best, values left out",
            series(Series::E24, 10 * ohm, 1'000'000 * ohm, {4700 * ohm, 1000 * ohm, 22 * ohm}), 3, 1, 2},
        {"E24 two parts", series(Series::E24, ohm, 10'000'000 * ohm), 2, 10, 8},
        {"a drawer of parts, four", std::get<std::vector<Part>>(listParts(drawer, {})), 4, 40, 8},
        {"E48 two parts, the widest range", series(Series::E48, ohm, 10'000'000 * ohm), 2, 10, 8},
        {"E6 four parts, typed values met by fewer", series(Series::E6, 10 * ohm, 1'000'000 * ohm), 4, 1, 0,
            {4700 * ohm, 3200 * ohm, 4770 * ohm, 1234 * ohm}},
        {"E6 four parts, ten met exactly, the later shapes settled", series(Series::E6, 10 * ohm, 1'000'000 * ohm), 4,
            10, 0, {1000 * ohm, 3200 * ohm, 2000 * ohm, 5000 * ohm, 1500 * ohm, 6800 * ohm}},
    };
    std::uint32_t seed = 24;
    for (const SearchCase& c : cases) {
        const PartIndex index(c.parts);
        const std::vector<Milli> each
            = c.typed.empty() ? targets(++seed, c.targets, c.parts.front().value, c.parts.back().value * 2) : c.typed;
        const std::vector<std::vector<Network>> expected = enumerate::networks(c.parts, each, c.maxParts, c.count);
        for (std::size_t t = 0; t < each.size(); ++t) {
            SCOPED_TRACE(std::string(c.name) + ", target " + std::to_string(each[t]));
            const auto found = std::get<std::vector<Network>>(findNetworks(index, each[t], c.maxParts, c.count));
            EXPECT_EQ(rows(found), rows(expected[t]));
            for (const Network& n : found)
                EXPECT_TRUE(n.low < n.value && n.value < n.high) << written(n);
        }
    }
}

TEST(Finder, ToleranceRangeAndWriting)
{
    const PartIndex index(
        std::get<std::vector<Part>>(listParts({{4700'000, 0.01}, {10'000'000, 0.05}, {150'000, 0.05}}, {})));
    const Network n = std::get<std::vector<Network>>(findNetworks(index, 4'848'518, 3, 1)).front();
    const struct {
        Milli target;
        std::size_t maxParts, count;
        kelvane::NetworkError error;
    } wrong[] = {{0, 3, 1, kelvane::NetworkError::BadTarget}, {-1, 3, 1, kelvane::NetworkError::BadTarget},
        {1000, 0, 1, kelvane::NetworkError::BadSize}, {1000, 5, 1, kelvane::NetworkError::BadSize},
        {1000, 3, 0, kelvane::NetworkError::BadSize}};
    for (const auto& w : wrong)
        EXPECT_EQ(std::get<kelvane::NetworkError>(findNetworks(index, w.target, w.maxParts, w.count)), w.error);
    EXPECT_EQ(written(n), "4,7 Kohm + (10 Kohm ∥ 150 ohm)");
    EXPECT_NEAR(n.low, 4653'000 + 1 / (1 / 9'500'000.0 + 1 / 142'500.0), 1e-6);
    EXPECT_NEAR(n.high, 4747'000 + 1 / (1 / 10'500'000.0 + 1 / 157'500.0), 1e-6);
}
