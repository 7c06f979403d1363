// The reference the searches are held to: every choice of parts in every
// shape, ranked by the engine's own order; and the series' parts they search.
#pragma once

#include <kelvane/divider.h>
#include <kelvane/network.h>
#include <kelvane/parts.h>

#include <algorithm>
#include <variant>
#include <vector>

namespace enumerate {

inline std::vector<kelvane::Part> series(
    kelvane::Series s, kelvane::Milli lowest, kelvane::Milli highest, std::vector<kelvane::Milli> excluded = {})
{
    return std::get<std::vector<kelvane::Part>>(kelvane::seriesParts(s, lowest, highest, excluded));
}

template <class T, class Before> void keep(std::vector<T>& best, const T& x, std::size_t count, Before before)
{
    if (best.size() == count && !before(x, best.back()))
        return;
    best.insert(std::lower_bound(best.begin(), best.end(), x, before), x);
    if (best.size() > count)
        best.pop_back();
}

// Each network once: an ordered choice of parts counts only in its canonical
// order. The best for each target, from one pass over the choices.
inline std::vector<std::vector<kelvane::Network>> networks(const std::vector<kelvane::Part>& parts,
    const std::vector<kelvane::Milli>& targets, std::size_t maxParts, std::size_t count)
{
    std::vector<std::vector<kelvane::Network>> best(targets.size());
    const std::size_t n = parts.size();
    for (std::size_t s = 0; s < kelvane::shapeCount; ++s) {
        const auto shape = static_cast<kelvane::Shape>(s);
        const std::size_t k = kelvane::partCount(shape);
        if (k > maxParts)
            continue;
        std::size_t total = 1;
        for (std::size_t i = 0; i < k; ++i)
            total *= n;
        for (std::size_t choice = 0; choice < total; ++choice) {
            std::array<kelvane::Milli, 4> p{};
            for (std::size_t i = 0, c = choice; i < k; ++i, c /= n)
                p[i] = parts[c % n].value;
            if (kelvane::makeNetwork(shape, p, targets.front()).parts != p)
                continue;
            for (std::size_t t = 0; t < targets.size(); ++t)
                keep(best[t], kelvane::makeNetwork(shape, p, targets[t]), count,
                    [](auto& x, auto& y) { return kelvane::ranksBefore(x, y); });
        }
    }
    return best;
}

} // namespace enumerate
