// The count best of what a search offers, best first, none twice. T has a
// deviation from what is wanted and a total order ranksBefore(x, y) that
// puts the smaller |deviation| first; the K-th best's deviation bounds the
// search's walks. Asked for a wanted tolerance, a search keeps beside them
// the count best of those whose worst case lies within it (Inside), and
// ranks both together at its end (answers).
#pragma once

#include "kelvane/spread.h"

#include <algorithm>
#include <cmath>
#include <cstddef>
#include <limits>
#include <optional>
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

    // Whether x would be kept, were it offered now.
    bool enters(const T& x) const { return kept_.size() < count_ || (count_ > 0 && ranksBefore(x, kept_.back())); }

    void offer(const T& x)
    {
        if (!enters(x))
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

    // Takes in what another kept, as if each had been offered here.
    void merge(Best&& other)
    {
        for (const T& x : other.take())
            offer(x);
    }

    const std::vector<T>& kept() const { return kept_; }
    std::vector<T> take() { return std::move(kept_); }

private:
    std::size_t count_;
    std::vector<T> kept_;
};

// What lies within ±within of wanted.
inline Span wantedSpan(double wanted, double within) { return {wanted * (1 - within), wanted * (1 + within)}; }
inline bool inside(const Span& s, const Span& wanted) { return s.min >= wanted.min && s.max <= wanted.max; }

// The count best whose worst case lies within the wanted tolerance. None of
// them deviates further than the tolerance, nor further than reach, a bound
// the caller may know to be closer: until count are found, that bounds the
// walks, and none are looked for where nothing can be within (reach < 0).
template <class T> class Inside {
public:
    Inside(std::size_t count, std::optional<double> within, double reach)
        : best_(within ? count : 0)
        , reach_(within ? std::min(reach, *within) : -1)
    {
    }

    double bound() const { return reach_ < 0 ? 0 : std::min(reach_, best_.bound()); }

    // worst() the worst case of x, asked only for one that may enter.
    template <class Worst> void offer(const T& x, const Span& wanted, Worst worst)
    {
        if (reach_ >= 0 && std::abs(x.deviation) <= bound() && best_.enters(x) && inside(worst(), wanted))
            best_.offer(x);
    }

    // Takes in what another kept, each of them within.
    void merge(Inside&& other) { best_.merge(std::move(other.best_)); }

    std::vector<T> take() { return best_.take(); }

private:
    Best<T> best_;
    double reach_;
};

// Those whose worst case lies within wanted first, then the higher yield, then as ranksBefore.
template <class T> bool withinFirst(const T& x, const T& y, const Span& wanted)
{
    const bool ix = inside(x.worst, wanted), iy = inside(y.worst, wanted);
    if (ix != iy)
        return ix;
    const double yx = x.yield ? x.yield->yield : 0, yy = y.yield ? y.yield->yield : 0;
    if (yx != yy)
        return yx > yy;
    return ranksBefore(x, y);
}

// An answer's worst case, and with a wanted tolerance its yield: one whose
// worst case lies within has every build within.
template <class T, class Worst, class Yield>
void rate(T& x, const std::optional<double>& within, const Span& wanted, Worst worst, Yield yield)
{
    x.worst = worst();
    if (within)
        x.yield = inside(x.worst, wanted) ? Estimate{1, 0} : yield();
}

// What a search returns, each answer assessed (its ranges and yield
// filled). With a wanted tolerance: those within it and the nearest, each
// once, ranked by ranksBeforeWithin, the count best; the nearest are needed
// only while fewer than count lie within. Without: the nearest.
template <class T, class Assess>
std::vector<T> answers(
    Inside<T>& within, Best<T>& nearest, std::size_t count, bool ranksByTolerance, const Span& wanted, Assess assess)
{
    std::vector<T> found = ranksByTolerance ? within.take() : nearest.take();
    if (ranksByTolerance && found.size() < count)
        for (const T& x : nearest.take())
            if (std::none_of(
                    found.begin(), found.end(), [&](const T& y) { return !ranksBefore(x, y) && !ranksBefore(y, x); }))
                found.push_back(x);
    for (T& x : found)
        assess(x);
    if (!ranksByTolerance)
        return found;
    std::sort(found.begin(), found.end(), [&](const T& x, const T& y) { return ranksBeforeWithin(x, y, wanted); });
    if (found.size() > count)
        found.resize(count);
    return found;
}

} // namespace kelvane
