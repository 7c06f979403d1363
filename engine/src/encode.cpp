#include "kelvane/encode.h"

#include "kelvane/digits.h"

#include <cstdint>

namespace kelvane {

namespace {

int digitValue(char c, int base)
{
    int v = -1;
    if (c >= '0' && c <= '9')
        v = c - '0';
    else if (c >= 'a' && c <= 'f')
        v = c - 'a' + 10;
    else if (c >= 'A' && c <= 'F')
        v = c - 'A' + 10;
    return v < base ? v : -1;
}

Colour bandColour(std::uint8_t& value)
{
    // Codes 10 and 11 stand for Gold and Silver only until the band is coloured.
    if (value == 10 || value == 11) {
        const Hue h = value == 10 ? Hue::Gold : Hue::Silver;
        value = 1;
        return colourOf(h);
    }
    return colourOf(static_cast<Hue>(value));
}

} // namespace

std::optional<std::int32_t> parseEntry(std::string_view text)
{
    std::size_t i = 0;
    while (i < text.size() && text[i] == ' ')
        ++i;
    bool negative = false;
    int base = 10;
    if (i < text.size() && text[i] == '$') {
        base = 16;
        ++i;
    } else if (i < text.size() && (text[i] == '+' || text[i] == '-')) {
        negative = text[i] == '-';
        ++i;
    }
    if (i == text.size())
        return std::nullopt;

    // The magnitude stops just past 2^31, so any length of digits is safe.
    constexpr std::int64_t limit = std::int64_t{1} << 31;
    std::int64_t magnitude = 0;
    for (; i < text.size(); ++i) {
        const int d = digitValue(text[i], base);
        if (d < 0)
            return std::nullopt;
        magnitude = magnitude * base + d;
        if (magnitude > limit)
            return std::nullopt;
    }
    const std::int64_t value = negative ? -magnitude : magnitude;
    if (value > INT32_MAX)
        return std::nullopt;
    return static_cast<std::int32_t>(value);
}

void roundvalue(BandState& s)
{
    if (s.bandcount == 4) {
        if (++s.digit2 > 9) {
            s.digit2 = 0;
            if (++s.digit1 > 9) {
                s.digit1 = 1;
                ++s.digit3;
            }
        }
    } else if (s.bandcount == 5) {
        if (++s.digit3 > 9) {
            s.digit3 = 0;
            if (++s.digit2 > 9) {
                s.digit2 = 0;
                if (++s.digit1 > 9) {
                    s.digit1 = 1;
                    ++s.digit4;
                }
            }
        }
    }
}

std::variant<Encoding, EntryError> encode(std::string_view entry, Unit unit, Rounding rounding, int bandcount)
{
    const auto number = parseEntry(entry);
    if (!number)
        return EntryError::NotANumber;
    const UnitLimit limit = limitOf(unit);
    if (*number < 1 || *number > limit.largest)
        return EntryError::OutOfRange;

    Encoding e;
    e.actualvalue = std::to_string(*number * limit.multiplier);
    const std::string& t = e.actualvalue;
    const auto length = static_cast<int>(t.size());
    auto c = [&t](int position) { return static_cast<std::uint8_t>(t[static_cast<std::size_t>(position - 1)] - '0'); };

    BandState b;
    b.bandcount = static_cast<std::uint8_t>(bandcount);
    b.digit1 = c(1);
    if (length == 1) {
        b.digit3 = bandcount == 5 ? 0 : 10;
        b.digit4 = 11;
    } else if (length == 2) {
        b.digit2 = c(2);
        b.digit4 = 10;
    } else {
        b.digit2 = c(2);
        b.digit3 = bandcount == 5 ? c(3) : static_cast<std::uint8_t>(length - 2);
        b.digit4 = static_cast<std::uint8_t>(length - 3);
    }

    // Only the first dropped digit decides: rounding up turns 4701 into 4700.
    const int kept = bandcount - 2;
    if (length > kept) {
        const std::uint8_t dropped = c(kept + 1);
        if (rounding == Rounding::Up ? dropped != 0 : dropped > 4)
            roundvalue(b);
    }

    e.ring[0] = bandColour(b.digit1);
    e.ring[1] = bandColour(b.digit2);
    e.ring[2] = bandColour(b.digit3);
    e.ring[3] = bandColour(b.digit4);
    e.digit1 = b.digit1;
    e.digit2 = b.digit2;
    e.digit3 = b.digit3;
    e.digit4 = b.digit4;
    return e;
}

std::optional<ValueBands> bandsOf(Milli value, int bandcount)
{
    if (value <= 0)
        return std::nullopt;
    const Significant significant = significantOf(value);
    value = significant.digits;
    int exponent = significant.exponent - milliDecimals; // of the value in ohms
    int digits = digitCount(value);
    if (digits > 3 || (bandcount == 4 && digits == 3))
        return std::nullopt;
    ValueBands b;
    b.bandcount = static_cast<std::uint8_t>(bandcount != 0 ? bandcount : digits == 3 ? 5 : 4);
    const int kept = b.bandcount - 2;
    for (; digits < kept; ++digits) {
        value *= 10;
        --exponent;
    }
    if (exponent < -2 || exponent > (b.bandcount == 5 ? 6 : 7))
        return std::nullopt;
    // Codes 10 and 11 for Gold and Silver, as bandColour takes them.
    std::uint8_t codes[4] = {};
    for (int i = kept - 1; i >= 0; --i, value /= 10)
        codes[i] = static_cast<std::uint8_t>(value % 10);
    codes[kept] = static_cast<std::uint8_t>(exponent >= 0 ? exponent : exponent == -1 ? 10 : 11);
    for (std::size_t i = 0; i < 4; ++i)
        b.encoding.ring[i] = i <= std::size_t(kept) ? bandColour(codes[i]) : BodyColor;
    b.encoding.digit1 = codes[0];
    b.encoding.digit2 = codes[1];
    b.encoding.digit3 = codes[2];
    b.encoding.digit4 = codes[3];
    return b;
}

void applyEncoding(BandState& s, const Encoding& e)
{
    s.digit1 = e.digit1;
    s.digit2 = e.digit2;
    s.digit3 = e.digit3;
    s.digit4 = e.digit4;
    for (int band = 1; band <= 4; ++band)
        s.colour(band) = e.ring[static_cast<std::size_t>(band - 1)];
    s.curband = 0;
}

} // namespace kelvane
