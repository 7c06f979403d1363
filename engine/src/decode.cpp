#include "kelvane/decode.h"

#include <algorithm>
#include <cstdint>

namespace kelvane {

namespace {

// No colour means more than ×10^9 (White); 999 × 10^9 still fits 64 bits.
constexpr std::uint8_t largestExponent = 9;

std::int64_t pow10(std::uint8_t k)
{
    std::int64_t p = 1;
    for (std::uint8_t i = 0; i < std::min(k, largestExponent); ++i)
        p *= 10;
    return p;
}

// The characters before the first "0": the decimals of a remainder that
// always ends in 0 under the band conventions.
std::string cut(const std::string& s)
{
    const auto zero = s.find('0');
    return zero == std::string::npos ? std::string() : s.substr(0, zero);
}

} // namespace

Display calcvalue(BandState& s)
{
    const bool five = s.bandcount == 5;
    const Colour black = colourOf(Hue::Black);
    const Colour multiplier = s.colour(five ? 4 : 3);

    std::int64_t divisor = 1;
    if (multiplier == colourOf(Hue::Gold))
        divisor = 100;
    else if (multiplier == colourOf(Hue::Silver))
        divisor = 1000;

    std::int64_t significant = 0;
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

    const std::int64_t product = significant * pow10(exponent);
    std::int64_t integer = product / divisor;
    std::int64_t remainder = product % divisor;
    // A Black multiplier is read as ×10 and divided back.
    if (multiplier == black)
        integer /= 10;

    Display d;
    d.enhet = s.resistor ? " ohm" : " pF";
    d.value = std::to_string(integer);
    if (d.value.size() > 6) {
        remainder = integer % 1000000;
        d.enhet = s.resistor ? " Mohm" : " \u00B5F";
        d.value = std::to_string(integer / 1000000);
    } else if (d.value.size() > 3) {
        remainder = integer % 1000;
        d.enhet = s.resistor ? " Kohm" : " nF";
        d.value = std::to_string(integer / 1000);
    }

    d.dec = cut(std::to_string(remainder));
    // Under these multipliers the integer part is digit1 alone and digit2 the
    // first decimal; a 0 there is lost from the remainder's text.
    const bool leadingZero = multiplier == colourOf(Hue::Silver) || multiplier == colourOf(Hue::Brown)
        || multiplier == colourOf(Hue::Yellow);
    if (five && s.digit2 == 0 && s.digit3 != 0 && leadingZero)
        d.dec = "0" + d.dec;
    d.dot = d.dec.empty() ? "" : ",";
    return d;
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
