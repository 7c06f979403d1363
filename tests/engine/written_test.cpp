#include <kelvane/written.h>

#include <gtest/gtest.h>

#include <cmath>
#include <string>

// Computed values as the finder and the command line write them.
TEST(Written, RoundedNumbersAndPercents)
{
    const struct {
        double milli;
        kelvane::Milli rounded;
    } values[] = {{0.4, 0}, {std::nan(""), 0}, {1, 1}, {4'848'518.2, 4'849'000}, {999.95, 1000},
        {1'234'567'890.5, 1'235'000'000}};
    for (const auto& v : values)
        EXPECT_EQ(kelvane::roundedValue(v.milli), v.rounded) << v.milli;
    const struct {
        double x;
        int digits;
        const char* number;
    } numbers[]
        = {{3.3, 4, "3,3"}, {2.50049, 4, "2,5"}, {0.001, 3, "0,001"}, {1e6, 4, "1e+06"}, {12345, 3, "1,23e+04"}};
    for (const auto& n : numbers)
        EXPECT_EQ(kelvane::writtenNumber(n.x, n.digits), n.number) << n.x;
    const struct {
        double fraction;
        const char* percent;
    } percents[] = {{0.012345, "+1,23 %"}, {-0.005, "-0,5 %"}, {0, "0 %"}};
    for (const auto& p : percents)
        EXPECT_EQ(kelvane::writtenPercent(p.fraction), p.percent) << p.fraction;
}
