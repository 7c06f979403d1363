#include "testbands.h"

#include <gtest/gtest.h>

using namespace testbands;
using kelvane::BandState;
using kelvane::BodyColor;
using kelvane::colourOf;
using kelvane::ColourPick;
using kelvane::TolerancePick;

TEST(Cycle, PanelSetsPerBand)
{
    const struct {
        const char* name;
        int band;
        int bandcount;
        const char* shown; // Black..White, Gold, Silver
    } rows[] = {
        {"band 1", 1, 4, "011111111100"},
        {"band 1, five bands", 1, 5, "011111111100"},
        {"band 2", 2, 4, "111111111100"},
        {"band 3 multiplier", 3, 4, "111111110011"},
        {"band 3 third digit", 3, 5, "111111111100"},
        {"band 4", 4, 5, "111111100011"},
    };
    for (const auto& r : rows) {
        const kelvane::PanelSet set = kelvane::panelsFor(r.band, r.bandcount);
        std::string shown;
        for (std::size_t i = 0; i < kelvane::hueCount; ++i)
            shown += set.test(i) ? '1' : '0';
        EXPECT_EQ(shown, r.shown) << r.name;
    }
}

TEST(Cycle, ToleranceListAndDialog)
{
    TolerancePick t;
    kelvane::toleranceChange(t, 1);
    EXPECT_EQ(t.bandcolor, colourOf(Hue::Silver));
    EXPECT_EQ(kelvane::toleranceListIndex(t), 1);
    // Typed text: no item, colour kept, and the cycle then selects nothing.
    kelvane::toleranceChange(t, -1);
    EXPECT_EQ(t.bandcolor, colourOf(Hue::Silver));
    EXPECT_EQ(t.tolindex, 255);
    EXPECT_EQ(kelvane::toleranceListIndex(t), -1);

    const TolerancePick none = kelvane::tolerancePick(0);
    EXPECT_EQ(none.bandcolor, BodyColor);
    const TolerancePick opened = kelvane::preloadTolerance(colourOf(Hue::Gold), -1);
    EXPECT_EQ(opened.tolindex, 255);
    EXPECT_EQ(opened.bandcolor, colourOf(Hue::Gold));
}

TEST(Cycle, BandCountSwitches)
{
    // White third digit, then four bands: band 3 is the target and empties.
    BandState s = bands({Hue::Yellow, Hue::Violet, Hue::White, Hue::Red});
    s.curband = 2;
    ColourPick pick = kelvane::pickOf(Hue::Violet);
    kelvane::switchToFourBands(s, pick);
    EXPECT_EQ(s.bandcount, 4);
    EXPECT_FALSE(s.ring4Shown);
    EXPECT_EQ(s.curband, 3);
    EXPECT_EQ(pick.pickcolor, BodyColor);
    EXPECT_EQ(pick.pickdigit, 7);
    TolerancePick tol;
    EXPECT_FALSE(kelvane::refresh(s, pick, tol).has_value());
    EXPECT_EQ(s.colour(3), BodyColor);
    EXPECT_EQ(s.colour(4), colourOf(Hue::Red)); // kept while hidden

    // Violet third digit stays and is read as the multiplier.
    BandState v = bands({Hue::Yellow, Hue::Violet, Hue::Violet, Hue::Red});
    kelvane::switchToFourBands(v, pick);
    EXPECT_EQ(v.curband, 0);
    const auto shown = kelvane::refresh(v, pick, tol);
    ASSERT_TRUE(shown.has_value());
    EXPECT_EQ(text(*shown), "470 Mohm");

    kelvane::switchToFiveBands(v);
    EXPECT_TRUE(v.ring4Shown);
    EXPECT_EQ(v.colour(4), BodyColor);
    EXPECT_FALSE(kelvane::refresh(v, pick, tol).has_value());
}
