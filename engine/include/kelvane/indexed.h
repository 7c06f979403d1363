// Tables indexed by an enum. Each enum that indexes one states its count
// beside its enumerators (enumCount); a table is built from a list of exactly
// that many entries and read by the enum, so that a table one entry short
// fails to compile instead of being read past its end.
#pragma once

#include <array>
#include <cstddef>

namespace kelvane {

// Specialised beside each enum that indexes a table, from its last enumerator.
template <typename Enum> inline constexpr std::size_t enumCount = 0;

template <typename Enum, typename T, std::size_t N> constexpr std::array<T, N> indexedBy(const T (&entries)[N])
{
    static_assert(N == enumCount<Enum>, "a table indexed by an enum has one entry for each enumerator");
    std::array<T, N> table{};
    for (std::size_t i = 0; i < N; ++i)
        table[i] = entries[i];
    return table;
}

template <typename Enum, typename T, std::size_t N> constexpr const T& entryOf(const std::array<T, N>& table, Enum e)
{
    static_assert(N == enumCount<Enum>, "a table indexed by an enum has one entry for each enumerator");
    return table[static_cast<std::size_t>(e)];
}

template <typename Enum, typename T, std::size_t N> constexpr const T& entryOf(const T (&table)[N], Enum e)
{
    static_assert(N == enumCount<Enum>, "a table indexed by an enum has one entry for each enumerator");
    return table[static_cast<std::size_t>(e)];
}

} // namespace kelvane
