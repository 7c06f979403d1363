#include <kelvane/palette.h>

#include <gtest/gtest.h>

using kelvane::Colour;

TEST(Palette, ColoursDigitsAndLookUpAreExact)
{
    const struct {
        const char* name;
        Colour value;
        int digit;
    } rows[] = {
        {"Black", 0x000000, 0},
        {"Brown", 1655956, 1},
        {"Red", 255, 2},
        {"Orange", 36095, 3},
        {"Yellow", 65535, 4},
        {"Green", 32768, 5},
        {"Blue", 14090240, 6},
        {"Violet", 8388736, 7},
        {"Gray", 8421504, 8},
        {"White", 16777215, 9},
        {"Gold", 5941448, 1},
        {"Silver", 12632256, 1},
    };
    for (std::size_t i = 0; i < std::size(rows); ++i) {
        SCOPED_TRACE(rows[i].name);
        const auto hue = static_cast<kelvane::Hue>(i);
        EXPECT_EQ(kelvane::colourOf(hue), rows[i].value);
        EXPECT_EQ(kelvane::valueOf(hue), rows[i].digit);
        ASSERT_TRUE(kelvane::hueOf(rows[i].value).has_value());
        EXPECT_EQ(*kelvane::hueOf(rows[i].value), hue);
        // One step off in any byte is no palette colour.
        for (int shift : {0, 8, 16, 24}) {
            const Colour off = rows[i].value ^ (Colour{1} << shift);
            EXPECT_FALSE(kelvane::hueOf(off).has_value()) << std::hex << off;
        }
    }
    EXPECT_EQ(kelvane::BodyColor, 10806271u);
    EXPECT_FALSE(kelvane::hueOf(kelvane::BodyColor).has_value());
}
