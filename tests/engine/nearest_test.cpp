#include <kelvane/nearest.h>

#include <gtest/gtest.h>

using namespace kelvane;

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
