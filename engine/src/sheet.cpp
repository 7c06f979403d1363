#include "kelvane/sheet.h"

#include <algorithm>
#include <cctype>

namespace kelvane {

std::optional<std::size_t> sheetNamed(std::string_view name)
{
    const auto lower = [](char c) { return static_cast<char>(std::tolower(static_cast<unsigned char>(c))); };
    for (std::size_t i = 0; i < sheets.size(); ++i) {
        const std::string_view own = sheets[i].name;
        if (own.size() == name.size()
            && std::equal(own.begin(), own.end(), name.begin(), [&](char a, char b) { return lower(a) == lower(b); }))
            return i;
    }
    return std::nullopt;
}

} // namespace kelvane
