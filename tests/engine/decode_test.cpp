#include "testbands.h"

#include <gtest/gtest.h>

#include <vector>

using namespace testbands;
using kelvane::BandState;
using kelvane::BodyColor;
using kelvane::colourOf;
using kelvane::ColourPick;
using kelvane::Display;
using kelvane::TolerancePick;

namespace {

struct DecodeCase {
    const char* name;
    std::vector<Hue> hues;
    bool resistor;
    const char* value;
    const char* dot;
    const char* dec;
    const char* enhet;
};

BandState fromVector(const std::vector<Hue>& hues, bool resistor)
{
    if (hues.size() == 3)
        return bands({hues[0], hues[1], hues[2]}, resistor);
    return bands({hues[0], hues[1], hues[2], hues[3]}, resistor);
}

using H = Hue;
const DecodeCase decodeCases[] = {
    {"4: 4k7", {H::Yellow, H::Violet, H::Red}, true, "4", ",", "7", " Kohm"},
    {"4: gold x0.1 whole", {H::Brown, H::Black, H::Gold}, true, "1", "", "", " ohm"},
    {"4: gold 4,7", {H::Yellow, H::Violet, H::Gold}, true, "4", ",", "7", " ohm"},
    {"4: silver 0,47", {H::Yellow, H::Violet, H::Silver}, true, "0", ",", "47", " ohm"},
    {"4: silver 0,1", {H::Brown, H::Black, H::Silver}, true, "0", ",", "1", " ohm"},
    {"4: black multiplier", {H::Brown, H::Black, H::Black}, true, "10", "", "", " ohm"},
    {"4: 1k2", {H::Brown, H::Red, H::Red}, true, "1", ",", "2", " Kohm"},
    {"4: 10k", {H::Brown, H::Black, H::Orange}, true, "10", "", "", " Kohm"},
    {"4: 1M2", {H::Brown, H::Red, H::Green}, true, "1", ",", "2", " Mohm"},
    {"4: largest", {H::White, H::White, H::Violet}, true, "990", "", "", " Mohm"},
    {"5: leading zero brown", {H::Brown, H::Black, H::Red, H::Brown}, true, "1", ",", "02", " Kohm"},
    {"5: leading zero yellow", {H::Brown, H::Black, H::Red, H::Yellow}, true, "1", ",", "02", " Mohm"},
    {"5: leading zero silver", {H::Brown, H::Black, H::Red, H::Silver}, true, "1", ",", "02", " ohm"},
    {"5: leading zero 1,01M", {H::Brown, H::Black, H::Brown, H::Yellow}, true, "1", ",", "01", " Mohm"},
    {"5: gold 10,2", {H::Brown, H::Black, H::Red, H::Gold}, true, "10", ",", "2", " ohm"},
    {"5: 10,2k", {H::Brown, H::Black, H::Red, H::Red}, true, "10", ",", "2", " Kohm"},
    {"5: 10,2M", {H::Brown, H::Black, H::Red, H::Green}, true, "10", ",", "2", " Mohm"},
    {"5: 10,5k", {H::Brown, H::Black, H::Green, H::Red}, true, "10", ",", "5", " Kohm"},
    {"5: black third digit, no leading zero", {H::Brown, H::Black, H::Black, H::Brown}, true, "1", "", "", " Kohm"},
    {"5: 1 ohm silver", {H::Brown, H::Black, H::Black, H::Silver}, true, "1", "", "", " ohm"},
    {"5: 1,11", {H::Brown, H::Brown, H::Brown, H::Silver}, true, "1", ",", "11", " ohm"},
    {"5: 1,23", {H::Brown, H::Red, H::Orange, H::Silver}, true, "1", ",", "23", " ohm"},
    {"5: 22,2", {H::Red, H::Red, H::Red, H::Gold}, true, "22", ",", "2", " ohm"},
    {"5: 201k", {H::Red, H::Black, H::Brown, H::Orange}, true, "201", "", "", " Kohm"},
    {"5: black multiplier", {H::Brown, H::Black, H::Black, H::Black}, true, "100", "", "", " ohm"},
    {"5: largest", {H::White, H::White, H::White, H::Blue}, true, "999", "", "", " Mohm"},
    {"cap 4: 470p", {H::Yellow, H::Violet, H::Brown}, false, "470", "", "", " pF"},
    {"cap 4: 47n", {H::Yellow, H::Violet, H::Orange}, false, "47", "", "", " nF"},
    {"cap 4: 1u", {H::Brown, H::Black, H::Green}, false, "1", "", "", " \u00B5F"},
    {"cap 4: 0,47p", {H::Yellow, H::Violet, H::Silver}, false, "0", ",", "47", " pF"},
    {"cap 5: 1,02n", {H::Brown, H::Black, H::Red, H::Brown}, false, "1", ",", "02", " nF"},
};

} // namespace

TEST(Decode, EdgeCases)
{
    for (const DecodeCase& c : decodeCases) {
        SCOPED_TRACE(c.name);
        BandState s = fromVector(c.hues, c.resistor);
        const Display d = kelvane::calcvalue(s);
        EXPECT_EQ(d.value, c.value);
        EXPECT_EQ(d.dot, c.dot);
        EXPECT_EQ(d.dec, c.dec);
        EXPECT_EQ(d.enhet, c.enhet);
    }
}

TEST(Decode, BlackBandCorrectionsStayInTheState)
{
    BandState four = bands({H::Brown, H::Black, H::Black});
    kelvane::calcvalue(four);
    EXPECT_EQ(four.digit3, 1);

    BandState five = bands({H::Brown, H::Black, H::Black, H::Black});
    kelvane::calcvalue(five);
    EXPECT_EQ(five.digit3, 0);
    EXPECT_EQ(five.digit4, 1);

    // A 1 left in digit3 by a Black 4-band multiplier is cleared with 5 bands.
    BandState stale = bands({H::Brown, H::Black, H::Black, H::Red});
    stale.digit3 = 1;
    EXPECT_EQ(text(kelvane::calcvalue(stale)), "10 Kohm");
    EXPECT_EQ(stale.digit3, 0);
}

TEST(Decode, HiddenFourthBandNeverCounts)
{
    for (int h = 0; h < static_cast<int>(kelvane::hueCount); ++h) {
        BandState s = bands({H::Yellow, H::Violet, H::Red});
        s.colour(4) = kelvane::palette[static_cast<std::size_t>(h)].value;
        s.digit4 = static_cast<std::uint8_t>(h * 20);
        EXPECT_EQ(text(kelvane::calcvalue(s)), "4,7 Kohm") << "hue " << h;
    }
}

// Every band set the colour dialogs can produce shows its exact value.
TEST(Decode, EveryDialogBandSetShowsItsExactValue)
{
    const std::vector<Hue> fourMultipliers{
        H::Black, H::Brown, H::Red, H::Orange, H::Yellow, H::Green, H::Blue, H::Violet, H::Gold, H::Silver};
    const std::vector<Hue> fiveMultipliers{
        H::Black, H::Brown, H::Red, H::Orange, H::Yellow, H::Green, H::Blue, H::Gold, H::Silver};
    int checked = 0;
    for (bool resistor : {true, false}) {
        for (int a = 1; a <= 9; ++a) {
            for (int b = 0; b <= 9; ++b) {
                const auto d1 = static_cast<Hue>(a);
                const auto d2 = static_cast<Hue>(b);
                for (Hue m : fourMultipliers) {
                    BandState s = bands({d1, d2, m}, resistor);
                    const std::string shown = text(kelvane::calcvalue(s));
                    ASSERT_EQ(shown, expectedText(hundredths({d1, d2, m}), resistor));
                    ++checked;
                }
                for (int c = 0; c <= 9; ++c) {
                    const auto d3 = static_cast<Hue>(c);
                    for (Hue m : fiveMultipliers) {
                        BandState s = bands({d1, d2, d3, m}, resistor);
                        const std::string shown = text(kelvane::calcvalue(s));
                        ASSERT_EQ(shown, expectedText(hundredths({d1, d2, d3, m}), resistor));
                        ++checked;
                    }
                }
            }
        }
    }
    EXPECT_EQ(checked, 2 * (9 * 10 * 10 + 9 * 10 * 10 * 9));
}

// Digits no dialog produces: no overflow, and exact where a colour exists.
TEST(Decode, MultiplierCodesOutsideTheConventions)
{
    struct Row {
        const char* name;
        std::uint8_t code;
        const char* shown;
    } rows[] = {
        {"x10^8", 8, "9900 Mohm"},
        {"x10^9", 9, "99000 Mohm"},
        {"beyond White counts as White", 200, "99000 Mohm"},
        {"largest byte", 255, "99000 Mohm"},
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(r.name);
        BandState s = bands({H::White, H::White, H::Red});
        s.digit3 = r.code;
        EXPECT_EQ(text(kelvane::calcvalue(s)), r.shown);
    }
    // Any byte in every digit field, with every multiplier colour.
    for (int v = 0; v < 256; v += 5) {
        for (std::size_t h = 0; h < kelvane::hueCount; ++h) {
            BandState s = bands({H::White, H::White, H::White, H::Blue});
            s.digit1 = s.digit2 = s.digit3 = s.digit4 = static_cast<std::uint8_t>(v);
            s.colour(4) = kelvane::palette[h].value;
            const Display d = kelvane::calcvalue(s);
            EXPECT_FALSE(d.value.empty());
            EXPECT_EQ(d.value.find('-'), std::string::npos);
        }
    }
}

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
