#include "enumerate.h"

#include <kelvane/divider.h>

#include <gtest/gtest.h>

#include <tuple>

using namespace kelvane;
using enumerate::series;

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
