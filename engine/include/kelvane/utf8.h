// UTF-8 as RFC 3629 has it: no overlong form, no surrogate, nothing beyond
// U+10FFFF. Text from outside (a parts list, a typed word) is checked here
// before it is read or shown.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace kelvane {

// The length of the well-formed sequence that begins text, 0 where none does.
std::size_t sequenceLength(std::string_view text);

// No NUL, and well-formed UTF-8.
bool isText(std::string_view text);

// Text whose every byte that begins no well-formed sequence is U+FFFD.
std::string validUtf8(std::string_view text);

} // namespace kelvane
