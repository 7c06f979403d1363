#include "kelvane/decode.h"

#include "kelvane/digits.h"

#include <algorithm>

namespace kelvane {

namespace {

// No colour means more than ×10^9 (White): even digits of 255 give at most
// 28 305 × 10^9 ohm, 2.9 × 10^16 thousandths, far inside 64 bits.
constexpr int largestExponent = 9;

} // namespace

void holdBlackBands(BandState& s)
{
    const Colour black = colourOf(Hue::Black);
    if (s.bandcount != 5) {
        if (s.colour(3) == black)
            s.digit3 = 1;
    } else {
        if (s.colour(3) == black)
            s.digit3 = 0;
        if (s.colour(4) == black)
            s.digit4 = 1;
    }
}

Milli bandValue(const BandState& bands)
{
    BandState s = bands;
    holdBlackBands(s);
    const bool five = s.bandcount == 5;
    const Colour multiplier = s.colour(five ? 4 : 3);
    const int exponent = std::min<int>(five ? s.digit4 : s.digit3, largestExponent);
    const Milli significant = five ? s.digit1 * 100 + s.digit2 * 10 + s.digit3 : s.digit1 * 10 + s.digit2;

    // Gold and Silver hold the digit 1 and a Black multiplier is held as 1
    // too: each divides the product back to its own factor.
    Milli thousandths = 1000;
    if (multiplier == colourOf(Hue::Gold))
        thousandths = 10;
    else if (multiplier == colourOf(Hue::Silver))
        thousandths = 1;
    else if (multiplier == colourOf(Hue::Black))
        thousandths = 100;
    return *timesPowerOfTen(significant, exponent) * thousandths;
}

Display calcvalue(BandState& s)
{
    holdBlackBands(s);
    return display(bandValue(s), s.resistor);
}

std::optional<Display> refresh(BandState& s, ColourPick& pick, TolerancePick& tol)
{
    // Band 1 is never Black; the guard corrects the dialog's own pick too.
    if (s.curband == 1 && pick.pickcolor == colourOf(Hue::Black))
        pick = pickOf(Hue::Brown);
    if (tol.bandcolor == 0)
        tol.bandcolor = BodyColor;
    s.colour(5) = tol.bandcolor;
    if (s.curband >= 1 && s.curband <= 4) {
        s.colour(s.curband) = pick.pickcolor;
        s.digit(s.curband) = pick.pickdigit;
    }
    applyBandRules(s);
    if (!complete(s))
        return std::nullopt;
    return calcvalue(s);
}

} // namespace kelvane
