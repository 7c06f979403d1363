#include <kelvane/tolerance.h>

#include <gtest/gtest.h>

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
}
