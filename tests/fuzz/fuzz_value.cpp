// Any text as a typed value, for both kinds: the parser never crashes or
// overflows, and a value it accepts, written as the windows write it
// ("4,7 Kohm", "2,2 µF"), reads back as the same value.
#include <kelvane/decode.h>
#include <kelvane/value.h>

#include <cstdint>
#include <cstdlib>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    for (bool resistor : {true, false}) {
        const auto result = kelvane::parseValue(text, resistor);
        const auto* value = std::get_if<kelvane::Milli>(&result);
        if (!value)
            continue;
        if (*value < 0)
            std::abort();
        const kelvane::Display d = kelvane::display(*value, resistor);
        if (kelvane::parseValue(d.value + d.dot + d.dec + d.enhet, resistor) != result)
            std::abort();
    }
    return 0;
}
