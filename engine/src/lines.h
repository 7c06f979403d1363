// The lines of a text read from a file: apart at LF, CRLF or CR, numbered
// from 1, after a UTF-8 byte-order mark at the start.
#pragma once

#include <algorithm>
#include <cstddef>
#include <string_view>

namespace kelvane {

template <typename Each> void eachLine(std::string_view text, Each each)
{
    constexpr std::string_view byteOrderMark = "\xEF\xBB\xBF";
    if (text.substr(0, byteOrderMark.size()) == byteOrderMark)
        text.remove_prefix(byteOrderMark.size());
    for (std::size_t start = 0, number = 1; start <= text.size(); ++number) {
        const std::size_t end = std::min(text.find_first_of("\r\n", start), text.size());
        const std::string_view line = text.substr(start, end - start);
        start = end + (text.substr(end, 2) == "\r\n" ? 2 : 1);
        each(number, line);
    }
}

} // namespace kelvane
