#include "enumerate.h"

#include <kelvane/divider.h>
#include <kelvane/regulator.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <tuple>

using namespace kelvane;
using enumerate::series;

TEST(Finder, DividerEqualsEnumeration)
{
    // A regulator where reference.typical is above 0: its output for R1 and R2, Vin unused.
    struct Case {
        Series series;
        double vin, vout;
        Milli leastTotal, mostTotal;
        std::size_t count;
        Conditions conditions{};
        RegulatorKind kind = RegulatorKind::Feedback;
        Reference reference{};
        double current = 0;
    };
    const Case cases[] = {
        {Series::E24, 5, 3.3, 1'000'000, 1'000'000'000, 10},
        {Series::E96, 12, 1.25, 10'000'000, 100'000'000, 5},
        {Series::E12, 1, 0.5, 1'000'000, 20'000'000, 30},
        {Series::E192, 3.3, 0.8, 1'000'000, 1'000'000'000, 10},
        {Series::E24, 5, 3.3, 1'000'000, 1'000'000'000, 10, {{-40, 85}, std::nullopt, 0.044}},
        {Series::E96, 0, 3.3, 1'000'000, 1'000'000'000, 10, {{-40, 85}, 50, 0.02}, RegulatorKind::Feedback,
            {0.8, 0.01}},
        {Series::E192, 0, 3.3, 1'000'000, 1'000'000'000, 10, {{-40, 85}, std::nullopt, 0.0135}, RegulatorKind::Feedback,
            {0.8, 0, Span{0.796, 0.804}}, 1e-6},
        {Series::E48, 0, 5, 100'000, 10'000'000, 8, {{0, 70}, std::nullopt, 0.03, Spread::Uniform},
            RegulatorKind::Adjust, {1.25, 0.02}, 50e-6},
    };
    int yields = 0;
    for (const Case& c : cases) {
        const std::vector<Part> parts = series(c.series, 1000, 10'000'000'000);
        const bool regulator = c.reference.typical > 0;
        const RegulatorWanted w{c.kind, c.reference, c.current, c.vout, c.leastTotal, c.mostTotal, c.count};
        const DividerWanted d{c.vin, c.vout, c.leastTotal, c.mostTotal, c.count};
        const auto found = std::get<std::vector<Divider>>(
            regulator ? findRegulators(parts, w, c.conditions) : findDividers(parts, d, c.conditions));
        const auto worst = [&](const Divider& x) {
            return regulator ? worstOf(x, parts, w, c.conditions) : worstOf(x, parts, d, c.conditions);
        };
        const double within = c.conditions.within.value_or(0);
        const Span wanted{c.vout * (1 - within), c.vout * (1 + within)};
        const auto inside = [&](const Divider& x) {
            return !c.conditions.within || (worst(x).min >= wanted.min && worst(x).max <= wanted.max);
        };
        std::vector<Divider> all;
        for (const Part& r1 : parts)
            for (const Part& r2 : parts)
                if (r1.value + r2.value >= c.leastTotal && r1.value + r2.value <= c.mostTotal) {
                    const double v = regulator
                        ? regulatorOutput(c.kind, c.reference.typical, c.current, r1.value / 1e3, r2.value / 1e3)
                        : dividerOutput(c.vin, r1.value, r2.value);
                    if (const Divider x{r1.value, r2.value, v, v / c.vout - 1}; inside(x))
                        enumerate::keep(
                            all, x, c.count, [](const Divider& a, const Divider& b) { return ranksBefore(a, b); });
                }
        // With a wanted tolerance, those whose worst case lies within it first, the nearest of them all.
        ASSERT_EQ(std::count_if(found.begin(), found.end(), inside), long(all.size()));
        ASSERT_EQ(found.size(), c.conditions.within ? c.count : all.size());
        EXPECT_TRUE(std::is_sorted(found.begin(), found.end(),
            [&](const Divider& x, const Divider& y) { return ranksBeforeWithin(x, y, wanted); }));
        for (std::size_t i = 0; i < found.size(); ++i) {
            if (i < all.size()) {
                EXPECT_EQ(std::make_tuple(found[i].r1, found[i].r2, found[i].vout),
                    std::make_tuple(all[i].r1, all[i].r2, all[i].vout));
            }
            EXPECT_TRUE(found[i].low < found[i].vout && found[i].vout < found[i].high);
            // The corners are the worst case, and no point of a grid lies beyond them.
            const auto part = [&](Milli v) {
                const Part& p = *std::find_if(parts.begin(), parts.end(), [v](const Part& x) { return x.value == v; });
                return enumerate::Varying{double(v), p.tolerance, c.conditions.tempco.value_or(p.tempco)};
            };
            std::vector<enumerate::Varying> in{part(found[i].r1), part(found[i].r2)};
            const Reference& ref = c.reference;
            if (regulator)
                in.push_back(ref.between ? enumerate::Varying{(ref.between->min + ref.between->max) / 2,
                                 (ref.between->max - ref.between->min) / (ref.between->max + ref.between->min), 0, true}
                                         : enumerate::Varying{ref.typical, ref.tolerance, 0});
            const auto value = [&](const std::vector<double>& v) {
                return regulator ? regulatorOutput(c.kind, v[2], c.current, v[0] / 1e3, v[1] / 1e3)
                                 : c.vin * v[1] / (v[0] + v[1]);
            };
            const Span corners = enumerate::overGrid(in, c.conditions.temperature, 2, value),
                       grid = enumerate::overGrid(in, c.conditions.temperature, 5, value);
            EXPECT_NEAR(found[i].worst.min, corners.min, 1e-12 * corners.min);
            EXPECT_NEAR(found[i].worst.max, corners.max, 1e-12 * corners.max);
            EXPECT_TRUE(grid.min >= corners.min * (1 - 1e-12) && grid.max <= corners.max * (1 + 1e-12));
            const auto& y = found[i].yield;
            ASSERT_EQ(y.has_value(), c.conditions.within.has_value());
            if (y && y->yield > 0.02 && y->yield < 0.98 && ++yields) {
                EXPECT_NEAR(y->yield, enumerate::plainYield(in, c.conditions, c.vout, within, value),
                    4 * std::sqrt(2.0) * y->error);
            }
        }
    }
    EXPECT_GT(yields, 6);
    const std::vector<Part> parts = series(Series::E6, 1000, 1'000'000);
    EXPECT_EQ(std::get<DividerError>(findDividers(parts, {5, 5, 1, 10})), DividerError::OutOfReach);
    EXPECT_EQ(std::get<DividerError>(findDividers(parts, {5, 1, 10, 1})), DividerError::BadTotal);
    EXPECT_EQ(std::get<DividerError>(findDividers(parts, {5, 1, 10, 100}, {{}, -1.0})), DividerError::BadConditions);
    const auto regulator = [&](RegulatorKind kind, Reference ref, double current, double vout) {
        return std::get<DividerError>(findRegulators(parts, {kind, ref, current, vout, 10, 100}));
    };
    // An LM317 with 240 ohm and 720 ohm, 50 µA from its pin; a 0,8 V switcher's 31,6 Kohm over 10 Kohm.
    EXPECT_NEAR(regulatorOutput(RegulatorKind::Adjust, 1.25, 50e-6, 240, 720), 5.036, 1e-12);
    EXPECT_NEAR(regulatorOutput(RegulatorKind::Feedback, 0.8, 0, 31'600, 10'000), 3.328, 1e-12);
    EXPECT_EQ(regulator(RegulatorKind::Feedback, {0.8, 0.01}, 0, 0.8), DividerError::OutOfReach);
    EXPECT_EQ(regulator(RegulatorKind::Adjust, {0, 0.01}, 0, 5), DividerError::BadReference);
    EXPECT_EQ(regulator(RegulatorKind::Adjust, {1.25, 1}, 0, 5), DividerError::BadReference);
    EXPECT_EQ(regulator(RegulatorKind::Feedback, {0.8, 0, Span{0.81, 0.82}}, 0, 5), DividerError::BadReference);
    EXPECT_EQ(regulator(RegulatorKind::Feedback, {0.8, 0.01}, -1e-6, 5), DividerError::BadReference);
}
