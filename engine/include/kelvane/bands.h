// The band state of the main window as a plain struct. The window copies its
// panels' colours, ring4's visibility and the component kind in, runs one of
// the rules below (or the decoder, encoder or refresh cycle) and copies the
// result back out, so every band rule lives here and nowhere in the windows.
#pragma once

#include "kelvane/palette.h"
#include "kelvane/tolerance.h"

#include <array>
#include <bitset>
#include <cstdint>

namespace kelvane {

struct BandState {
    std::uint8_t bandcount = 4;
    std::uint8_t digit1 = 0;
    std::uint8_t digit2 = 0;
    std::uint8_t digit3 = 0;  // 4 bands: multiplier code; 5 bands: third digit
    std::uint8_t digit4 = 0;  // 5 bands: multiplier code
    std::uint8_t curband = 0; // band the colour dialog's pick goes to: 0 none, 1..4
    std::array<Colour, 5> ring{BodyColor, BodyColor, BodyColor, BodyColor, BodyColor}; // ring1..ring5
    bool ring4Shown = false;
    bool resistor = true;

    // band is 1..4
    std::uint8_t& digit(int band);
    std::uint8_t digit(int band) const;
    // band is 1..5
    Colour& colour(int band) { return ring[static_cast<std::size_t>(band - 1)]; }
    Colour colour(int band) const { return ring[static_cast<std::size_t>(band - 1)]; }
};

// The colour dialog's stored pick.
struct ColourPick {
    Colour pickcolor = 0;
    std::uint8_t pickdigit = 0;
};

// The tolerance dialog's stored pick; bandcolor 0 means never set.
struct TolerancePick {
    std::uint8_t tolindex = 0; // 255: no list item selected
    Colour bandcolor = 0;
};

constexpr bool isSet(Colour c) { return c != BodyColor; }

// Bands 1..3, and band 4 while it is shown, have a colour.
bool complete(const BandState& s);

// What opening the colour dialog for band 1..4 loads into it.
ColourPick preload(const BandState& s, int band);

// What a click on a dialog colour stores.
constexpr ColourPick pickOf(Hue h) { return {colourOf(h), valueOf(h)}; }

// What a click on a tolerance colour stores; index is a tolerance list index.
TolerancePick tolerancePick(int index);

// Opening the tolerance dialog: the band's colour and the list index
// (-1 for none is kept as its low byte, 255).
TolerancePick preloadTolerance(Colour ring5, int listIndex);

// A change of the tolerance list (index -1 after typed text).
void toleranceChange(TolerancePick& t, int listIndex);

// The list index the cycle selects for tolindex; -1 leaves no item selected.
int toleranceListIndex(const TolerancePick& t);

// Which colour-dialog panels are shown, indexed by Hue.
using PanelSet = std::bitset<hueCount>;

// Band 3 of four, band 4 of five: the power of ten.
constexpr bool isMultiplierBand(int band, int bandcount) { return band == bandcount - 1; }

// The layout's set: the ten digit colours, no Gold or Silver.
PanelSet layoutPanels();

// The set offered for band 1..4; always derived from the layout's set, so a
// dialog re-targeted while open never keeps another band's colours.
PanelSet panelsFor(int band, int bandcount);

// Band combinations that may not stand: with 5 bands a Gold or Silver third
// digit, with 4 bands a White or Gray multiplier. Either band 3 is emptied;
// its digit is kept.
void applyBandRules(BandState& s);

// "4 bands" / "5 bands" and the component-kind switch, before the cycle runs.
void switchToFourBands(BandState& s, ColourPick& pick);
void switchToFiveBands(BandState& s);
void switchKind(BandState& s, bool resistor);

} // namespace kelvane
