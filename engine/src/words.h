// A value as a person writes it in a list may take up to three words
// ("4,7 k ohm"): the parts lists and the bills of materials both take the
// most words that read as one.
#pragma once

#include <algorithm>
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace kelvane {

// parse(joined) for three, two, then one of the words from `from` on, joined
// by spaces into joined (the caller's, kept from call to call); the first
// answer that taken(answer) accepts, with how many words it took.
template <class Parse, class Taken>
auto longestValue(const std::vector<std::string_view>& words, std::size_t from, std::string& joined, Parse parse,
    Taken taken) -> std::optional<std::pair<decltype(parse(std::string_view())), std::size_t>>
{
    for (std::size_t n = std::min<std::size_t>(3, words.size() - from); n > 0; --n) {
        joined.assign(words[from]);
        for (std::size_t k = 1; k < n; ++k)
            (joined += ' ') += words[from + k];
        auto answer = parse(std::string_view(joined));
        if (taken(answer))
            return std::pair(std::move(answer), n);
    }
    return std::nullopt;
}

} // namespace kelvane
