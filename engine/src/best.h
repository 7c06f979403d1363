// The count best of what a search offers, best first, none twice. T has a
// deviation from what is wanted and a total order ranksBefore(x, y) that
// puts the smaller |deviation| first; the K-th best's deviation bounds the
// search's walks.
#pragma once

#include <algorithm>
#include <cmath>
#include <cstddef>
#include <limits>
#include <vector>

namespace kelvane {

template <class T> class Best {
public:
    explicit Best(std::size_t count)
        : count_(count)
    {
    }

    // The |deviation| a candidate must not pass to enter, with room for the
    // rounding of values computed in another order than the kept one's.
    double bound() const
    {
        return kept_.empty() || kept_.size() < count_ ? std::numeric_limits<double>::infinity()
                                                      : std::abs(kept_.back().deviation) * (1 + 1e-12) + 1e-12;
    }

    // The count-th best once there are count, which a newcomer must beat; none before.
    const T* last() const { return count_ > 0 && kept_.size() == count_ ? &kept_.back() : nullptr; }

    void offer(const T& x)
    {
        if (kept_.size() == count_ && (count_ == 0 || !ranksBefore(x, kept_.back())))
            return;
        const auto at
            = std::lower_bound(kept_.begin(), kept_.end(), x, [](const T& a, const T& b) { return ranksBefore(a, b); });
        // Not before the next one in a total order: the same one again.
        if (at != kept_.end() && !ranksBefore(x, *at))
            return;
        kept_.insert(at, x);
        if (kept_.size() > count_)
            kept_.pop_back();
    }

    std::vector<T> take() { return std::move(kept_); }

private:
    std::size_t count_;
    std::vector<T> kept_;
};

} // namespace kelvane
