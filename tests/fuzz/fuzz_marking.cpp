// Any text as a typed marking, for both kinds: the reader never crashes, and
// each reading is a zero-ohm link or a value in the marked range of its
// kind, at most two readings, and every value one whose codes can be written.
#include <kelvane/marking.h>

#include <cstdint>
#include <cstdlib>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    for (bool resistor : {true, false}) {
        const auto result = kelvane::readMarking(text, resistor);
        const auto* readings = std::get_if<std::vector<kelvane::Reading>>(&result);
        if (!readings)
            continue;
        if (readings->empty() || readings->size() > 2)
            std::abort();
        for (const kelvane::Reading& r : *readings) {
            const bool link = r.code == kelvane::Code::ZeroLink && r.value == 0 && resistor;
            if (!link && (r.value < kelvane::smallestMarked(resistor) || r.value >= kelvane::markedLimit))
                std::abort();
            kelvane::markingsOf(r.value, resistor);
        }
    }
    return 0;
}
