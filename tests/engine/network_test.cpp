#include "enumerate.h"

#include <kelvane/decode.h>
#include <kelvane/encode.h>
#include <kelvane/nearest.h>

#include <gtest/gtest.h>

#include <random>
#include <tuple>

using namespace kelvane;

namespace {

std::vector<Part> series(Series s, Milli lowest, Milli highest, std::vector<Milli> excluded = {})
{
    return std::get<std::vector<Part>>(seriesParts(s, lowest, highest, excluded));
}

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
    };
    std::uint32_t seed = 24;
    for (const SearchCase& c : cases) {
        const PartIndex index(c.parts);
        const std::vector<Milli> each = targets(++seed, c.targets, c.parts.front().value, c.parts.back().value * 2);
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

TEST(Finder, NearestValues)
{
    struct Case {
        Milli value;
        std::array<std::pair<Milli, Milli>, 6> expected;
    };
    const Case cases[] = {
        {5'000'000,
            {{{4'700'000, 6'800'000}, {4'700'000, 5'600'000}, {4'700'000, 5'100'000}, {4'870'000, 5'110'000},
                {4'990'000, 5'110'000}, {4'990'000, 5'050'000}}}},
        {4'700'000,
            {{{4'700'000, 4'700'000}, {4'700'000, 4'700'000}, {4'700'000, 4'700'000}, {4'640'000, 4'870'000},
                {4'640'000, 4'750'000}, {4'700'000, 4'700'000}}}},
        {9'900,
            {{{6'800, 10'000}, {8'200, 10'000}, {9'100, 10'000}, {9'530, 10'000}, {9'760, 10'000}, {9'880, 10'000}}}},
    };
    for (const Case& c : cases) {
        const auto all = nearestValues(c.value);
        ASSERT_TRUE(all);
        for (std::size_t i = 0; i < 6; ++i) {
            EXPECT_EQ(std::make_pair((*all)[i].below, (*all)[i].above), c.expected[i]) << c.value << " E" << i;
            EXPECT_DOUBLE_EQ((*all)[i].aboveDeviation, double(c.expected[i].second) / double(c.value) - 1);
        }
    }
    EXPECT_FALSE(nearestValues(99));
}

TEST(Finder, DividerEqualsEnumeration)
{
    struct Case {
        Series series;
        double vin, vout;
        Milli leastTotal, mostTotal;
        std::size_t count;
    };
    const Case cases[] = {
        {Series::E24, 5, 3.3, 1'000'000, 1'000'000'000, 10},
        {Series::E96, 12, 1.25, 10'000'000, 100'000'000, 5},
        {Series::E12, 1, 0.5, 1'000'000, 20'000'000, 30},
        {Series::E192, 3.3, 0.8, 1'000'000, 1'000'000'000, 10},
    };
    for (const Case& c : cases) {
        const std::vector<Part> parts = series(c.series, 1000, 10'000'000'000);
        const auto found
            = std::get<std::vector<Divider>>(findDividers(parts, {c.vin, c.vout, c.leastTotal, c.mostTotal, c.count}));
        std::vector<Divider> all;
        for (const Part& r1 : parts)
            for (const Part& r2 : parts)
                if (r1.value + r2.value >= c.leastTotal && r1.value + r2.value <= c.mostTotal) {
                    const double v = dividerOutput(c.vin, r1.value, r2.value);
                    enumerate::keep(all, Divider{r1.value, r2.value, v, v / c.vout - 1}, c.count,
                        [](const Divider& x, const Divider& y) { return ranksBefore(x, y); });
                }
        ASSERT_EQ(found.size(), all.size());
        for (std::size_t i = 0; i < all.size(); ++i) {
            EXPECT_EQ(std::make_tuple(found[i].r1, found[i].r2, found[i].vout),
                std::make_tuple(all[i].r1, all[i].r2, all[i].vout));
            EXPECT_TRUE(found[i].low < found[i].vout && found[i].vout < found[i].high);
        }
    }
    const std::vector<Part> parts = series(Series::E6, 1000, 1'000'000);
    EXPECT_EQ(std::get<DividerError>(findDividers(parts, {5, 5, 1, 10})), DividerError::OutOfReach);
    EXPECT_EQ(std::get<DividerError>(findDividers(parts, {5, 1, 10, 1})), DividerError::BadTotal);
}

TEST(Finder, PartsText)
{
    using namespace std::string_literals;
    using E = PartsLineError;
    using Parts = std::vector<std::pair<Milli, double>>;
    using Wrong = std::vector<std::pair<std::size_t, E>>;
    const Milli k = 1'000'000;
    std::string garbage(1 << 20, 'x'), words, million;
    for (std::size_t i = 0; i < garbage.size() / 2; ++i)
        words += i % 2 ? "4k7 " : "x ";
    for (int i = 0; i < 500'000; ++i)
        million += "4k7\n1k x\n";
    const struct {
        const char* name;
        std::string text;
        Parts parts;
        Wrong wrong;
    } rows[] = {
        {"a drawer", "# my drawer\n4k7 1%  10k, 2,2 k ohm\n\n100 ohm; 0,5%\n4k7 x7 47\n1M 2%",
            {{4'700'000, 0.01}, {10'000'000, 0.05}, {2'200'000, 0.05}, {100'000, 0.005}, {4'700'000, 0.05},
                {47'000, 0.05}, {1'000'000'000, 0.02}},
            {{5, E::NotAValue}}},
        {"empty", "", {}, {}},
        {"byte-order mark, CRLF, a lone CR",
            "\xEF\xBB\xBF"
            "4k7\r\n\r\n1k\r2k2 x\r\n",
            {{4700'000, 0.05}, {k, 0.05}, {2200'000, 0.05}}, {{4, E::NotAValue}}},
        {"a mark inside is no mark", "4k7 \xEF\xBB\xBF", {{4'700'000, 0.05}}, {{1, E::NotAValue}}},
        {"scientific", "1e3 4.7e3 ohm\n2.2E6 1%", {{k, 0.05}, {4'700'000, 0.05}, {2'200'000'000, 0.01}}, {}},
        {"zero, negative, absurd", "0\n-4k7 1%\n1e400\n1001G 10k\n0.0001\n- 5\n0 ohm x", {{10 * k, 0.05}},
            {{1, E::OutOfRange}, {2, E::OutOfRange}, {3, E::OutOfRange}, {4, E::OutOfRange}, {5, E::OutOfRange},
                {6, E::OutOfRange}, {7, E::OutOfRange}}},
        {"the largest", "1000G", {{largestPart, 0.05}}, {}},
        {"tolerances", "4k7 100%\n1k -1%\n2k2 99,999%\n3k3 1e0% 0%\n5%\n1k 0,0001%\n1k x%",
            {{2'200'000, 0.99999}, {3'300'000, 0.01}, {k, 0.05}},
            {{1, E::ToleranceOutOfRange}, {2, E::ToleranceOutOfRange}, {4, E::NotAValue}, {5, E::NotAValue},
                {6, E::ToleranceOutOfRange}, {7, E::NotAValue}}},
        {"not text",
            "4k7\n1k\xFF\n2k2\0\n\xC0\xAF\n\xED\xA0\x80\n\xF4\x90\x80\x80\n\xE2\x82\n"
            "1k \xE2\x82\xAC # \xCE\xA9\n4k7\xCE\xA9 \xF0\x9F\x94\x8C"s,
            {{4'700'000, 0.05}, {k, 0.05}, {4'700'000, 0.05}},
            {{2, E::NotText}, {3, E::NotText}, {4, E::NotText}, {5, E::NotText}, {6, E::NotText}, {7, E::NotText},
                {8, E::NotAValue}, {9, E::NotAValue}}},
        {"a megabyte of one word", garbage + "\n1k", {{k, 0.05}}, {{1, E::NotAValue}}},
        {"a megabyte of words", words, Parts(words.size() / 6, {4'700'000, 0.05}), {{1, E::NotAValue}}},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        const PartsText read = readParts(row.text, 0.05);
        Parts parts;
        for (const Part& p : read.parts)
            parts.emplace_back(p.value, p.tolerance);
        EXPECT_EQ(parts, row.parts);
        Wrong wrong;
        for (const PartsLineProblem& p : read.wrong)
            wrong.emplace_back(p.line, p.error);
        EXPECT_EQ(wrong, row.wrong);
    }
    // A million lines, every other one with a word that is no value.
    const PartsText read = readParts(million, 0.05);
    EXPECT_EQ(read.parts.size(), 1'000'000u);
    ASSERT_EQ(read.wrong.size(), 500'000u);
    EXPECT_EQ(std::make_pair(read.wrong.back().line, read.wrong.back().error),
        std::make_pair(std::size_t{1'000'000}, E::NotAValue));
    // 47 ohm left out; of the two 4k7 the closer tolerance kept.
    const auto listed = std::get<std::vector<Part>>(listParts(readParts(rows[0].text, 0.05).parts, {47'000}));
    ASSERT_EQ(listed.size(), 5u);
    EXPECT_EQ(std::make_pair(listed[2].value, listed[2].tolerance), std::make_pair(Milli{4'700'000}, 0.01));
}

TEST(Finder, BandsOfEveryPartDecodeToIt)
{
    for (Series s : {Series::E24, Series::E192})
        for (const Part& p : series(s, 1000, 999'000'000'000)) {
            const auto b = bandsOf(p.value);
            ASSERT_TRUE(b) << p.value;
            BandState state;
            state.bandcount = b->bandcount;
            state.ring4Shown = b->bandcount == 5;
            applyEncoding(state, b->encoding);
            EXPECT_EQ(bandValue(state), p.value);
            EXPECT_TRUE(s != Series::E24 || b->bandcount == 4) << p.value;
        }
    EXPECT_EQ(bandsOf(4'990'000)->bandcount, 5);
    for (Milli beyond : {Milli{1}, Milli{1234'000}, Milli{1'000'000'000'000}, Milli{9'990'000'000'000}})
        EXPECT_FALSE(bandsOf(beyond)) << beyond;
}
