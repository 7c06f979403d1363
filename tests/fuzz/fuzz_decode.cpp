// Any band state, whatever the bytes in the digits and whatever the colour
// values: the decoder and the refresh cycle never crash or overflow, and the
// cycle gives the same result when it runs again.
#include <kelvane/decode.h>

#include <cstdint>
#include <cstdlib>
#include <cstring>

namespace {

kelvane::Colour colourFrom(const std::uint8_t* p)
{
    // Half the time an exact palette colour, so the rules are reached.
    if (p[0] & 1)
        return p[1] % 13 == 12 ? kelvane::BodyColor : kelvane::palette[p[1] % 12].value;
    kelvane::Colour c;
    std::memcpy(&c, p, sizeof c);
    return c;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    constexpr std::size_t need = 8 + 4 * 6 + 1;
    if (size < need)
        return 0;
    kelvane::BandState s;
    s.bandcount = data[0] & 1 ? 5 : (data[0] & 2 ? 4 : data[0]);
    s.digit1 = data[1];
    s.digit2 = data[2];
    s.digit3 = data[3];
    s.digit4 = data[4];
    s.curband = data[5];
    s.ring4Shown = data[6] & 1;
    s.resistor = data[6] & 2;
    for (int band = 1; band <= 5; ++band)
        s.colour(band) = colourFrom(data + 8 + 4 * (band - 1));
    kelvane::ColourPick pick{colourFrom(data + 28), data[7]};
    kelvane::TolerancePick tol{data[32], colourFrom(data + 28)};

    kelvane::BandState decoded = s;
    const kelvane::Display d = kelvane::calcvalue(decoded);
    if (d.value.empty() || d.value[0] == '-')
        std::abort();

    const auto first = kelvane::refresh(s, pick, tol);
    const kelvane::BandState afterFirst = s;
    const auto second = kelvane::refresh(s, pick, tol);
    if (s.ring != afterFirst.ring || first.has_value() != second.has_value())
        std::abort();
    if (first && (first->value != second->value || first->dec != second->dec || first->enhet != second->enhet))
        std::abort();
    return 0;
}
