// The ASCII rules the readers of typed and filed text share: letters, the
// blanks around a word, case.
#pragma once

#include <string>
#include <string_view>

namespace kelvane {

constexpr bool isAlpha(char c) { return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z'); }

// Without the spaces and tabs around it.
inline std::string_view trimmed(std::string_view s)
{
    while (!s.empty() && (s.front() == ' ' || s.front() == '\t'))
        s.remove_prefix(1);
    while (!s.empty() && (s.back() == ' ' || s.back() == '\t'))
        s.remove_suffix(1);
    return s;
}

// ASCII letters in lower case, every other byte as it is.
inline std::string lowered(std::string_view s)
{
    std::string l(s);
    for (char& c : l)
        if (c >= 'A' && c <= 'Z')
            c = static_cast<char>(c - 'A' + 'a');
    return l;
}

} // namespace kelvane
