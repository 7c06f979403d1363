#include <kelvane/tolerance.h>

#include <gtest/gtest.h>

#include <optional>
#include <string>

using kelvane::Colour;

TEST(Tolerance, ListOrderAndColours)
{
    const struct {
        const char* text;
        Colour colour;
    } rows[] = {{"20%", 10806271}, {"10%", 12632256}, {"5%", 5941448}, {"2%", 255}, {"1%", 1655956}, {"0.5%", 32768}};
    ASSERT_EQ(kelvane::toleranceList.size(), std::size(rows));
    for (std::size_t i = 0; i < std::size(rows); ++i) {
        EXPECT_EQ(std::string(kelvane::toleranceList[i].text), rows[i].text);
        EXPECT_EQ(kelvane::toleranceList[i].colour, rows[i].colour) << rows[i].text;
    }
    // A part's tolerance as the bands show it: matched to the thousandth of a
    // per cent, and only to a colour the list offers for a band.
    const struct {
        double fraction;
        std::optional<Colour> colour;
    } parts[] = {{0.1, 12632256}, {0.05, 5941448}, {0.02, 255}, {0.01, 1655956}, {0.005, 32768}, {0.0500004, 5941448},
        {0.050006, std::nullopt}, {0.2, std::nullopt}, {0.0025, std::nullopt}, {0.03, std::nullopt}, {0, std::nullopt},
        {-0.05, std::nullopt}};
    for (const auto& p : parts)
        EXPECT_EQ(kelvane::toleranceColour(p.fraction), p.colour) << p.fraction;
}
