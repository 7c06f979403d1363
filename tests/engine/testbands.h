// Band sets as the dialogs build them, values written as the display writes
// them, and the exact value of a band set worked out from the colour code
// itself, apart from the decoder.
#pragma once

#include <kelvane/decode.h>

#include <cstdint>
#include <initializer_list>
#include <string>

namespace testbands {

using kelvane::Hue;

// Colours bands 1.. in order and gives each the value the colour dialog stores.
inline kelvane::BandState bands(std::initializer_list<Hue> hues, bool resistor = true)
{
    kelvane::BandState s;
    s.bandcount = static_cast<std::uint8_t>(hues.size() + 1);
    s.ring4Shown = s.bandcount == 5;
    s.resistor = resistor;
    int band = 1;
    for (Hue h : hues) {
        s.colour(band) = kelvane::colourOf(h);
        s.digit(band) = kelvane::valueOf(h);
        ++band;
    }
    return s;
}

inline std::string text(const kelvane::Display& d) { return d.value + d.dot + d.dec + d.enhet; }

// A value as the display writes it, to as many decimals as asked.
inline std::string written(std::int64_t value, bool resistor, int decimals = 3)
{
    return text(kelvane::display(value, resistor, decimals));
}

// Value in hundredths of an ohm (or picofarad); multiplier is the last hue.
inline std::int64_t hundredths(std::initializer_list<Hue> hues)
{
    std::int64_t n = 0;
    Hue multiplier = Hue::Black;
    std::size_t i = 0;
    for (Hue h : hues) {
        if (++i == hues.size())
            multiplier = h;
        else
            n = n * 10 + static_cast<int>(h);
    }
    if (multiplier == Hue::Gold)
        return n * 10;
    if (multiplier == Hue::Silver)
        return n;
    for (int k = 0; k < static_cast<int>(multiplier); ++k)
        n *= 10;
    return n * 100;
}

// "4,7 Kohm": the unit by magnitude, no trailing decimal zeros, no comma for
// a whole number.
inline std::string expectedText(std::int64_t hundredths, bool resistor)
{
    std::int64_t scale = 1;
    std::string unit = resistor ? " ohm" : " pF";
    if (hundredths >= 100000000) {
        scale = 1000000;
        unit = resistor ? " Mohm" : " \u00B5F";
    } else if (hundredths >= 100000) {
        scale = 1000;
        unit = resistor ? " Kohm" : " nF";
    }
    const std::int64_t denominator = scale * 100;
    std::string out = std::to_string(hundredths / denominator);
    std::string decimals;
    std::int64_t rest = hundredths % denominator;
    for (std::int64_t place = denominator / 10; rest != 0 && place > 0; place /= 10) {
        decimals += static_cast<char>('0' + rest / place);
        rest %= place;
    }
    if (!decimals.empty())
        out += "," + decimals;
    return out + unit;
}

// Reads a shown value back into hundredths; -1 when the text is malformed.
inline std::int64_t parseHundredths(const kelvane::Display& d)
{
    std::int64_t scale = 0;
    for (const auto& [unit, factor] : {std::pair<const char*, std::int64_t>{" ohm", 1}, {" pF", 1}, {" Kohm", 1000},
             {" nF", 1000}, {" Mohm", 1000000}, {" \u00B5F", 1000000}})
        if (d.enhet == unit)
            scale = factor;
    if (scale == 0 || d.value.empty() || (d.dec.empty() != d.dot.empty()) || (!d.dot.empty() && d.dot != ","))
        return -1;
    std::int64_t whole = std::stoll(d.value);
    std::int64_t fraction = 0;
    std::int64_t denominator = 1;
    for (char c : d.dec) {
        fraction = fraction * 10 + (c - '0');
        denominator *= 10;
    }
    return (whole * denominator + fraction) * scale * 100 / denominator;
}

} // namespace testbands
