#include "enumerate.h"

#include <kelvane/network.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
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
    Conditions conditions{};
    std::vector<Milli> typed = {}; // the targets, in place of drawn ones
};

std::vector<enumerate::Varying> varying(const Network& n, const std::vector<Part>& parts, const Conditions& c)
{
    std::vector<enumerate::Varying> in;
    for (std::size_t i = 0; i < partCount(n.shape); ++i)
        for (const Part& p : parts)
            if (p.value == n.parts[i])
                in.push_back({double(p.value), p.tolerance, c.tempco.value_or(p.tempco)});
    return in;
}

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
        {"E6 four parts, typed values met by fewer", series(Series::E6, 10 * ohm, 1'000'000 * ohm), 4, 1, 0, {},
            {4700 * ohm, 3200 * ohm, 4770 * ohm, 1234 * ohm}},
        {"E6 four parts, ten met exactly, the later shapes settled", series(Series::E6, 10 * ohm, 1'000'000 * ohm), 4,
            10, 0, {}, {1000 * ohm, 3200 * ohm, 2000 * ohm, 5000 * ohm, 1500 * ohm, 6800 * ohm}},
        {"E6 four parts, ten met exactly, most by four parts, whichever thread found them",
            series(Series::E6, 10 * ohm, 1'000'000 * ohm), 4, 10, 0, {},
            {345 * ohm, 14000 * ohm, 29000 * ohm, 53000 * ohm}},
        {"E24 three parts over -40..85 °C, within 2 %: none can be", series(Series::E24, 10 * ohm, 1'000'000 * ohm), 3,
            10, 3, {{-40, 85}, std::nullopt, 0.02}},
        {"a drawer of parts, four, 50 ppm/K over 0..70 °C, within 3 %",
            std::get<std::vector<Part>>(listParts(drawer, {})), 4, 10, 4, {{0, 70}, 50, 0.03}},
        {"E12 two parts, uniform, over 25..85 °C, within 15 %", series(Series::E12, ohm, 10'000'000 * ohm), 2, 10, 4,
            {{25, 85}, std::nullopt, 0.15, Spread::Uniform}},
        {"a drawer of parts, four, within 3 %, its 5 % parts typed", std::get<std::vector<Part>>(listParts(drawer, {})),
            4, 1, 0, {{25, 25}, std::nullopt, 0.03}, {4700 * ohm, 2200 * ohm, 330 * ohm, 6800 * ohm, 470 * ohm}},
    };
    int yields = 0;
    std::uint32_t seed = 24;
    for (const SearchCase& c : cases) {
        const PartIndex index(c.parts);
        const std::vector<Milli> each
            = c.typed.empty() ? targets(++seed, c.targets, c.parts.front().value, c.parts.back().value * 2) : c.typed;
        const double within = c.conditions.within.value_or(0);
        const auto wanted = [within](Milli target) { return Span{target * (1 - within), target * (1 + within)}; };
        const auto inside = [&](const Network& n, Milli target) {
            const Span w = worstOf(n, c.parts, c.conditions);
            return w.min >= wanted(target).min && w.max <= wanted(target).max;
        };
        // With a wanted tolerance, those whose worst case lies within it, the nearest of them all.
        const std::vector<std::vector<Network>> expected = enumerate::networks(c.parts, each, c.maxParts, c.count,
            [&](const Network& n, Milli target) { return !c.conditions.within || inside(n, target); });
        for (std::size_t t = 0; t < each.size(); ++t) {
            SCOPED_TRACE(std::string(c.name) + ", target " + std::to_string(each[t]));
            const auto found
                = std::get<std::vector<Network>>(findNetworks(index, each[t], c.maxParts, c.count, c.conditions));
            std::vector<Network> first;
            for (const Network& n : found)
                if (!c.conditions.within || inside(n, each[t]))
                    first.push_back(n);
            EXPECT_EQ(rows(first), rows(expected[t]));
            EXPECT_EQ(rows(first), rows({found.begin(), found.begin() + long(first.size())}));
            EXPECT_TRUE(std::is_sorted(found.begin(), found.end(),
                [&](const Network& x, const Network& y) { return ranksBeforeWithin(x, y, wanted(each[t])); }));
            for (const Network& n : found) {
                EXPECT_TRUE(n.low < n.value && n.value < n.high) << written(n);
                // The corners are the worst case, and no point of a grid lies beyond them.
                const auto in = varying(n, c.parts, c.conditions);
                const auto value = [&n](const std::vector<double>& v) {
                    return networkValue(
                        n.shape, {v[0], v.size() > 1 ? v[1] : 0, v.size() > 2 ? v[2] : 0, v.size() > 3 ? v[3] : 0});
                };
                const Span corners = enumerate::overGrid(in, c.conditions.temperature, 2, value),
                           grid = enumerate::overGrid(in, c.conditions.temperature, in.size() > 2 ? 3 : 5, value);
                EXPECT_NEAR(n.worst.min, corners.min, 1e-9 * corners.min) << written(n);
                EXPECT_NEAR(n.worst.max, corners.max, 1e-9 * corners.max) << written(n);
                EXPECT_TRUE(grid.min >= corners.min * (1 - 1e-12) && grid.max <= corners.max * (1 + 1e-12));
                EXPECT_EQ(n.yield.has_value(), c.conditions.within.has_value());
                if (!n.yield || n.yield->yield < 0.02 || n.yield->yield > 0.98 || yields > 12)
                    continue;
                ++yields;
                EXPECT_NEAR(n.yield->yield, enumerate::plainYield(in, c.conditions, double(each[t]), within, value),
                    4 * std::sqrt(2.0) * n.yield->error)
                    << written(n);
            }
        }
    }
    EXPECT_GT(yields, 6);
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
    for (const Conditions& bad : {Conditions{{85, -40}}, Conditions{{-500, 25}}, Conditions{{}, 1001.0},
             Conditions{{}, std::nullopt, 1.0}, Conditions{{}, std::nullopt, std::nullopt, Spread::Normal, 0}})
        EXPECT_EQ(std::get<kelvane::NetworkError>(findNetworks(index, 1000, 3, 1, bad)), NetworkError::BadConditions);
    EXPECT_EQ(written(n), "4,7 Kohm + (10 Kohm ∥ 150 ohm)");
    EXPECT_NEAR(n.low, 4653'000 + 1 / (1 / 9'500'000.0 + 1 / 142'500.0), 1e-6);
    EXPECT_NEAR(n.high, 4747'000 + 1 / (1 / 10'500'000.0 + 1 / 157'500.0), 1e-6);
}
