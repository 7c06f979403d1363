#include "kelvane/written.h"

#include <algorithm>
#include <charconv>
#include <cmath>

namespace kelvane {

namespace {

// The display's unit caption, the unit's name after a space, made once: the
// display writes one for every value.
struct Caption {
    char text[8];
};

constexpr Caption spaced(const char* name)
{
    Caption c{};
    c.text[0] = ' ';
    for (std::size_t i = 0; name[i] != '\0' && i + 2 < sizeof c.text; ++i)
        c.text[i + 1] = name[i];
    return c;
}

constexpr Caption unitCaptions[2][largestPrefix + 1] = {
    {spaced(unitNames[0][0]), spaced(unitNames[0][1]), spaced(unitNames[0][2])},
    {spaced(unitNames[1][0]), spaced(unitNames[1][1]), spaced(unitNames[1][2])},
};

} // namespace

Scaled scale(std::int64_t value, int decimals)
{
    // Units of the value per unit of the written integer part.
    std::int64_t per = 1;
    for (int i = 0; i < decimals; ++i)
        per *= 10;
    Scaled s;
    const std::size_t length = std::to_string(value / per).size();
    for (std::uint8_t prefix = 1; prefix <= largestPrefix; ++prefix)
        if (length > static_cast<std::size_t>(prefixExponent(prefix))) {
            per *= 1000;
            decimals += 3;
            s.prefix = prefix;
        }
    s.whole = std::to_string(value / per);
    std::string rest = std::to_string(value % per);
    rest.insert(0, static_cast<std::size_t>(decimals) - rest.size(), '0');
    s.decimals = rest.substr(0, rest.find_last_not_of('0') + 1);
    return s;
}

Display display(std::int64_t value, bool resistor, int decimals)
{
    Scaled s = scale(value, decimals);
    // A braced list is evaluated in order: the decimals are read before they move.
    return {std::move(s.whole), s.decimals.empty() ? "" : ",", std::move(s.decimals),
        unitCaptions[resistor ? 1 : 0][s.prefix].text, s.prefix, resistor};
}

std::string written(Milli value, bool resistor)
{
    const Display d = display(value, resistor);
    return d.value + d.dot + d.dec + d.enhet;
}

Milli roundedValue(double milli)
{
    if (!(milli >= 1))
        return 0;
    const double step = std::pow(10.0, std::floor(std::log10(milli)) - 3);
    return std::max<Milli>(1, std::llround(std::round(milli / step) * step));
}

std::string writtenNumber(double x, int digits)
{
    char text[32];
    std::string s(text, std::to_chars(text, text + sizeof text, x, std::chars_format::general, digits).ptr);
    std::replace(s.begin(), s.end(), '.', ',');
    return s;
}

std::string writtenPercent(double fraction)
{
    return (fraction > 0 ? "+" : "") + writtenNumber(fraction * 100, 3) + " %";
}

std::string writtenVolts(double v) { return writtenNumber(v, 4) + " V"; }

WrittenYield writtenYield(double yield, double error)
{
    return {writtenNumber(yield * 100, 4) + " %", writtenNumber(error * 100, 2) + " %"};
}

} // namespace kelvane
