#include <kelvane/marking.h>
#include <kelvane/series.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <string>

TEST(Series, TablesAscendNestAndCount)
{
    const std::size_t counts[] = {6, 12, 24, 48, 96, 192};
    for (std::size_t i = 0; i < kelvane::seriesTables.size(); ++i) {
        const auto& t = kelvane::seriesTables[i];
        SCOPED_TRACE(t.name);
        EXPECT_EQ(t.count, counts[i]);
        EXPECT_EQ(t.values[0], t.decade);
        EXPECT_EQ(std::adjacent_find(t.values, t.values + t.count, std::greater_equal<>()), t.values + t.count);
        EXPECT_LT(t.values[t.count - 1], t.decade * 10);
    }
    // Each series of the same digits holds the coarser one as every other value.
    for (const auto& [coarse, fine] : {std::pair{0, 1}, {1, 2}, {3, 4}, {4, 5}})
        for (std::size_t k = 0; k < kelvane::seriesTables[coarse].count; ++k)
            EXPECT_EQ(kelvane::seriesTables[fine].values[2 * k], kelvane::seriesTables[coarse].values[k]);
    // EIA-96 numbers the E96 values in order.
    for (std::size_t n = 1; n <= std::size(kelvane::e96); ++n) {
        const std::string code = (n < 10 ? "0" : "") + std::to_string(n) + "A";
        const auto r = kelvane::readMarking(code, true);
        ASSERT_TRUE(std::holds_alternative<std::vector<kelvane::Reading>>(r)) << code;
        EXPECT_EQ(std::get<0>(r).at(0).value, kelvane::e96[n - 1] * 1000) << code;
    }
}
