#include <kelvane/marking.h>
#include <kelvane/reading.h>

#include "testbands.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>

using testbands::written;

// The main window's bands as the other windows are given them: the range
// their tolerance band gives, and what they read from the other end ("-": no
// value, as for bands not all coloured).
TEST(Marking, Bands)
{
    using testbands::Hue;
    const struct {
        std::initializer_list<Hue> bands; // digits and multiplier
        std::optional<Hue> tolerance;
        bool resistor;
        const char* range;
        const char* reversed;
        int emptied = 0; // a band left without a colour
    } rows[] = {
        {{Hue::Yellow, Hue::Violet, Hue::Red}, Hue::Gold, true, "4,465 Kohm-4,935 Kohm", "-"},
        {{Hue::Red, Hue::Brown, Hue::Red}, Hue::Brown, true, "2,079 Kohm-2,121 Kohm", "120 ohm"},
        {{Hue::Red, Hue::Violet, Hue::Orange}, std::nullopt, true, "21,6 Kohm-32,4 Kohm", "3,7 Kohm"},
        {{Hue::Brown, Hue::Black, Hue::Silver}, Hue::Green, false, "0,0995 pF-0,1005 pF", "-"},
        {{Hue::Brown, Hue::Gray, Hue::Gold}, Hue::Red, true, "1,764 ohm-1,836 ohm", "-"},
        {{Hue::Orange, Hue::Black, Hue::Black, Hue::Black}, Hue::Brown, true, "297 ohm-303 ohm", "100 ohm"},
        {{Hue::Brown, Hue::Black, Hue::Black, Hue::Red}, Hue::Brown, false, "9,9 nF-10,1 nF", "120 pF"},
        {{Hue::Brown, Hue::White, Hue::White, Hue::Blue}, std::nullopt, true, "159,2 Mohm-238,8 Mohm", "6,99 Kohm"},
        {{Hue::Brown, Hue::Black, Hue::Black, Hue::Black}, std::nullopt, true, "80 ohm-120 ohm", "-"},
        {{Hue::Red, Hue::Brown, Hue::Red}, Hue::Brown, true, "-", "-", 3},
    };
    for (const auto& r : rows) {
        kelvane::BandState s = testbands::bands(r.bands, r.resistor);
        if (r.tolerance)
            s.colour(5) = kelvane::colourOf(*r.tolerance);
        if (r.emptied)
            s.colour(r.emptied) = kelvane::BodyColor;
        const kelvane::BandReading reading = kelvane::readingOf(s);
        const auto bounds = reading.value && reading.tolerance
            ? std::optional(kelvane::rangeOf(*reading.value, *reading.tolerance))
            : std::nullopt;
        const std::string range
            = bounds ? written(bounds->low, r.resistor, 8) + '-' + written(bounds->high, r.resistor, 8) : "-";
        const auto& reversed = reading.reversed;
        EXPECT_EQ(range, r.range) << testbands::text(kelvane::calcvalue(s));
        EXPECT_EQ(reversed ? written(*reversed, r.resistor) : "-", r.reversed)
            << testbands::text(kelvane::calcvalue(s));
    }
}
