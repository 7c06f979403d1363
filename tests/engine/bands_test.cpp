#include "testbands.h"

#include <gtest/gtest.h>

using namespace testbands;
using kelvane::BandState;
using kelvane::BodyColor;
using kelvane::colourOf;
using kelvane::ColourPick;
using kelvane::TolerancePick;

TEST(Cycle, FirstRunOnAFreshWindow)
{
    BandState s;
    ColourPick pick;
    TolerancePick tol;
    EXPECT_FALSE(kelvane::refresh(s, pick, tol).has_value());
    EXPECT_EQ(tol.bandcolor, BodyColor);
    EXPECT_EQ(s.colour(5), BodyColor);
    EXPECT_EQ(kelvane::toleranceListIndex(tol), 0);
    for (int band = 1; band <= 4; ++band)
        EXPECT_EQ(s.colour(band), BodyColor);
    EXPECT_EQ(pick.pickcolor, 0u); // no guard without curband 1
}

TEST(Cycle, AppliesThePickToCurbandAndTheBandRules)
{
    const struct Row {
        const char* name;
        BandState start;
        std::uint8_t curband;
        ColourPick pick;
        int band;
        kelvane::Colour colour; // of that band afterwards
        std::uint8_t digit;     // of that band afterwards
        bool shown;
    } rows[] = {
        {"pick goes to band 2", bands({Hue::Yellow, Hue::Black, Hue::Red}), 2, kelvane::pickOf(Hue::Violet), 2,
            colourOf(Hue::Violet), 7, true},
        {"black first band becomes brown", bands({Hue::Yellow, Hue::Violet, Hue::Red}), 1, kelvane::pickOf(Hue::Black),
            1, colourOf(Hue::Brown), 1, true},
        {"curband 0 changes nothing", bands({Hue::Yellow, Hue::Violet, Hue::Red}), 0, kelvane::pickOf(Hue::Blue), 1,
            colourOf(Hue::Yellow), 4, true},
        {"5 bands: gold third band emptied, digit kept", bands({Hue::Yellow, Hue::Violet, Hue::Red, Hue::Red}), 3,
            kelvane::pickOf(Hue::Gold), 3, BodyColor, 1, false},
        {"5 bands: silver third band emptied", bands({Hue::Yellow, Hue::Violet, Hue::Red, Hue::Red}), 3,
            kelvane::pickOf(Hue::Silver), 3, BodyColor, 1, false},
        {"4 bands: white multiplier emptied, digit kept", bands({Hue::Yellow, Hue::Violet, Hue::Red}), 3,
            kelvane::pickOf(Hue::White), 3, BodyColor, 9, false},
        {"4 bands: gray multiplier emptied", bands({Hue::Yellow, Hue::Violet, Hue::Red}), 3, kelvane::pickOf(Hue::Gray),
            3, BodyColor, 8, false},
        {"5 bands: white third digit stays", bands({Hue::Yellow, Hue::Violet, Hue::Red, Hue::Red}), 3,
            kelvane::pickOf(Hue::White), 3, colourOf(Hue::White), 9, true},
        {"empty shown band 4 hides the value", bands({Hue::Yellow, Hue::Violet, Hue::Red, Hue::Red}), 4,
            ColourPick{BodyColor, 0}, 4, BodyColor, 0, false},
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(r.name);
        BandState s = r.start;
        s.curband = r.curband;
        ColourPick pick = r.pick;
        TolerancePick tol;
        const auto display = kelvane::refresh(s, pick, tol);
        EXPECT_EQ(s.colour(r.band), r.colour);
        EXPECT_EQ(s.digit(r.band), r.digit);
        EXPECT_EQ(display.has_value(), r.shown);
        // Running it again changes nothing.
        BandState again = s;
        ColourPick pickAgain = pick;
        TolerancePick tolAgain = tol;
        const auto second = kelvane::refresh(again, pickAgain, tolAgain);
        EXPECT_EQ(again.ring, s.ring);
        EXPECT_EQ(again.digit1, s.digit1);
        EXPECT_EQ(again.digit3, s.digit3);
        EXPECT_EQ(again.digit4, s.digit4);
        EXPECT_EQ(second.has_value(), display.has_value());
        if (second && display) {
            EXPECT_EQ(text(*second), text(*display));
        }
    }
}

TEST(Cycle, BandOneGuardCorrectsTheStoredPick)
{
    BandState s;
    s.curband = 1;
    ColourPick pick{colourOf(Hue::Black), 0};
    TolerancePick tol;
    kelvane::refresh(s, pick, tol);
    EXPECT_EQ(pick.pickcolor, colourOf(Hue::Brown));
    EXPECT_EQ(pick.pickdigit, 1);
    EXPECT_EQ(s.colour(1), colourOf(Hue::Brown));
    EXPECT_EQ(s.digit1, 1);
}

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
