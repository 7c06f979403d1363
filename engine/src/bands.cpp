#include "kelvane/bands.h"

namespace kelvane {

std::uint8_t& BandState::digit(int band)
{
    switch (band) {
    case 1: return digit1;
    case 2: return digit2;
    case 3: return digit3;
    default: return digit4;
    }
}

std::uint8_t BandState::digit(int band) const { return const_cast<BandState*>(this)->digit(band); }

bool complete(const BandState& s)
{
    return isSet(s.colour(1)) && isSet(s.colour(2)) && isSet(s.colour(3)) && (!s.ring4Shown || isSet(s.colour(4)));
}

ColourPick preload(const BandState& s, int band) { return {s.colour(band), s.digit(band)}; }

TolerancePick tolerancePick(int index)
{
    return {static_cast<std::uint8_t>(index), toleranceList[static_cast<std::size_t>(index)].colour};
}

TolerancePick preloadTolerance(Colour ring5, int listIndex)
{
    return {static_cast<std::uint8_t>(listIndex & 0xFF), ring5};
}

void toleranceChange(TolerancePick& t, int listIndex)
{
    // An unsigned comparison, so "no selection" (-1) keeps the colour.
    if (static_cast<unsigned>(listIndex) < toleranceList.size())
        t.bandcolor = toleranceList[static_cast<std::size_t>(listIndex)].colour;
    t.tolindex = static_cast<std::uint8_t>(listIndex & 0xFF);
}

int toleranceListIndex(const TolerancePick& t) { return t.tolindex < toleranceList.size() ? t.tolindex : -1; }

PanelSet layoutPanels()
{
    PanelSet set;
    for (int h = 0; h <= static_cast<int>(Hue::White); ++h)
        set.set(static_cast<std::size_t>(h));
    return set;
}

PanelSet panelsFor(int band, int bandcount)
{
    auto set = layoutPanels();
    auto hide = [&set](Hue h) { set.reset(static_cast<std::size_t>(h)); };
    auto offerGoldSilver = [&set] {
        set.set(static_cast<std::size_t>(Hue::Gold));
        set.set(static_cast<std::size_t>(Hue::Silver));
    };
    switch (band) {
    case 1: hide(Hue::Black); break;
    case 3:
        if (isMultiplierBand(band, bandcount)) {
            hide(Hue::Gray);
            hide(Hue::White);
            offerGoldSilver();
        }
        break;
    case 4:
        hide(Hue::Violet);
        hide(Hue::Gray);
        hide(Hue::White);
        offerGoldSilver();
        break;
    default: break;
    }
    return set;
}

void applyBandRules(BandState& s)
{
    const Colour c = s.colour(3);
    if (s.bandcount == 5 && (c == colourOf(Hue::Gold) || c == colourOf(Hue::Silver)))
        s.colour(3) = BodyColor;
    // ×10^8 and ×10^9 are no multipliers; a pick could otherwise land here
    // when the band count changes while the dialog is open for band 3.
    if (s.bandcount == 4 && (c == colourOf(Hue::White) || c == colourOf(Hue::Gray)))
        s.colour(3) = BodyColor;
}

void switchToFourBands(BandState& s, ColourPick& pick)
{
    s.bandcount = 4;
    s.ring4Shown = false;
    s.curband = 0;
    const Colour c = s.colour(3);
    if (c == colourOf(Hue::White) || c == colourOf(Hue::Gray)) {
        s.curband = 3;
        pick.pickcolor = BodyColor;
    }
}

void switchToFiveBands(BandState& s)
{
    s.bandcount = 5;
    s.ring4Shown = true;
    s.colour(4) = BodyColor;
    s.curband = 0;
}

void switchKind(BandState& s, bool resistor)
{
    s.resistor = resistor;
    s.curband = 0;
}

} // namespace kelvane
