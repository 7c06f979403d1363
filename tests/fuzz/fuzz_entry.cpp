// Any text as an entry, in every unit, rounding mode and band count: the
// parser and encoder never crash or overflow, an accepted entry stays in its
// unit's range, and its bands decode to the product rounded as the bands carry.
#include <kelvane/decode.h>
#include <kelvane/encode.h>

#include <cstdint>
#include <cstdlib>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    const auto number = kelvane::parseEntry(text);
    for (kelvane::Unit unit : {kelvane::Unit::One, kelvane::Unit::Kilo, kelvane::Unit::Mega}) {
        for (kelvane::Rounding r : {kelvane::Rounding::Nearest, kelvane::Rounding::Up}) {
            for (int bandcount : {4, 5}) {
                const auto result = kelvane::encode(text, unit, r, bandcount);
                const auto* e = std::get_if<kelvane::Encoding>(&result);
                if (!e)
                    continue;
                const auto limit = kelvane::limitOf(unit);
                if (!number || *number < 1 || *number > limit.largest)
                    std::abort(); // accepted what the parser or the range refuses
                kelvane::BandState s;
                s.bandcount = static_cast<std::uint8_t>(bandcount);
                s.ring4Shown = bandcount == 5;
                kelvane::applyEncoding(s, *e);
                if (!kelvane::complete(s))
                    std::abort();
                const kelvane::Display d = kelvane::calcvalue(s);
                if (d.value.empty() || d.enhet.empty())
                    std::abort();
            }
        }
    }
    return 0;
}
