#include "kelvane/decode.h"

#include <algorithm>
#include <cstdint>

namespace kelvane {

namespace {

// No colour means more than ×10^9 (White): even digits of 255 give at most
// 28 305 × 10^9 ohm, 2.9 × 10^16 thousandths, far inside 64 bits.
constexpr std::uint8_t largestExponent = 9;

std::int64_t pow10(std::uint8_t k)
{
    std::int64_t p = 1;
    for (std::uint8_t i = 0; i < std::min(k, largestExponent); ++i)
        p *= 10;
    return p;
}

} // namespace

Scaled scale(std::int64_t value, int decimals)
{
    // Units of the value per unit of the written integer part.
    std::int64_t per = 1;
    for (int i = 0; i < decimals; ++i)
        per *= 10;
    Scaled s;
    const std::size_t length = std::to_string(value / per).size();
    for (std::size_t limit : {std::size_t{3}, std::size_t{6}})
        if (length > limit) {
            per *= 1000;
            decimals += 3;
            ++s.prefix;
        }
    s.whole = std::to_string(value / per);
    std::string rest = std::to_string(value % per);
    rest.insert(0, static_cast<std::size_t>(decimals) - rest.size(), '0');
    s.decimals = rest.substr(0, rest.find_last_not_of('0') + 1);
    return s;
}

Display display(std::int64_t value, bool resistor, int decimals)
{
    static constexpr const char* units[2][3] = {{" pF", " nF", " \u00B5F"}, {" ohm", " Kohm", " Mohm"}};
    const Scaled s = scale(value, decimals);
    return {s.whole, s.decimals.empty() ? "" : ",", s.decimals, units[resistor ? 1 : 0][s.prefix]};
}

std::string written(Milli value, bool resistor)
{
    const Display d = display(value, resistor);
    return d.value + d.dot + d.dec + d.enhet;
}

Milli bandValue(BandState& s)
{
    const bool five = s.bandcount == 5;
    const Colour black = colourOf(Hue::Black);
    const Colour multiplier = s.colour(five ? 4 : 3);

    Milli significant = 0;
    std::uint8_t exponent = 0;
    if (!five) {
        if (s.colour(3) == black)
            s.digit3 = 1;
        exponent = s.digit3;
        significant = s.digit1 * 10 + s.digit2;
    } else {
        if (s.colour(3) == black)
            s.digit3 = 0;
        if (s.colour(4) == black)
            s.digit4 = 1;
        exponent = s.digit4;
        significant = s.digit1 * 100 + s.digit2 * 10 + s.digit3;
    }

    // Gold and Silver hold the digit 1 and a Black multiplier is held as 1
    // too: each divides the product back to its own factor.
    Milli thousandths = 1000;
    if (multiplier == colourOf(Hue::Gold))
        thousandths = 10;
    else if (multiplier == colourOf(Hue::Silver))
        thousandths = 1;
    else if (multiplier == black)
        thousandths = 100;
    return significant * pow10(exponent) * thousandths;
}

Display calcvalue(BandState& s) { return display(bandValue(s), s.resistor); }

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
