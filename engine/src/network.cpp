#include "kelvane/network.h"

#include "kelvane/written.h"

#include "best.h"

#include <algorithm>
#include <cmath>
#include <cstring>
#include <functional>
#include <limits>
#include <tuple>

namespace kelvane {

namespace {

constexpr double infinity = std::numeric_limits<double>::infinity();

// How each shape is written, a to d standing for its parts, and which of
// its parts may change places: the ranges [from, to) of each group, written
// largest first, and whether the two pairs of a pair-pair shape are ordered too.
struct ShapeRule {
    const char* form;
    std::uint8_t parts;
    std::uint8_t from1, to1, from2, to2;
    bool pairsOrdered;
};
constexpr auto rules = indexedBy<Shape, ShapeRule>({
    {"a", 1, 0, 0, 0, 0, false},
    {"a + b", 2, 0, 2, 0, 0, false},
    {"a ∥ b", 2, 0, 2, 0, 0, false},
    {"a + b + c", 3, 0, 3, 0, 0, false},
    {"a ∥ b ∥ c", 3, 0, 3, 0, 0, false},
    {"a + (b ∥ c)", 3, 1, 3, 0, 0, false},
    {"a ∥ (b + c)", 3, 1, 3, 0, 0, false},
    {"a + b + c + d", 4, 0, 4, 0, 0, false},
    {"a ∥ b ∥ c ∥ d", 4, 0, 4, 0, 0, false},
    {"a + b + (c ∥ d)", 4, 0, 2, 2, 4, false},
    {"a ∥ b ∥ (c + d)", 4, 0, 2, 2, 4, false},
    {"a + (b ∥ c ∥ d)", 4, 1, 4, 0, 0, false},
    {"a ∥ (b + c + d)", 4, 1, 4, 0, 0, false},
    {"(a + b) ∥ (c + d)", 4, 0, 2, 2, 4, true},
    {"(a ∥ b) + (c ∥ d)", 4, 0, 2, 2, 4, true},
    {"a + (b ∥ (c + d))", 4, 2, 4, 0, 0, false},
    {"a ∥ (b + (c ∥ d))", 4, 2, 4, 0, 0, false},
});

const ShapeRule& ruleOf(Shape s) { return entryOf(rules, s); }

double par(double x, double y) { return x * y / (x + y); }

// A pair's id holds each part's index in 16 bits.
static_assert(mostParts <= std::size_t{1} << 16, "a pair id holds a part's index in 16 bits");
constexpr std::uint32_t pairId(std::uint32_t i, std::uint32_t j) { return i | j << 16; }
constexpr std::uint32_t firstOfPair(std::uint32_t id) { return id & 0xFFFF; }
constexpr std::uint32_t secondOfPair(std::uint32_t id) { return id >> 16; }

// The value y that gives v in parallel with x: 0 for v <= 0, infinity where none does.
double parallelComplement(double v, double x) { return v <= 0 ? 0 : x > v ? v * x / (x - v) : infinity; }

} // namespace

std::size_t partCount(Shape s) { return ruleOf(s).parts; }

const char* formOf(Shape s) { return ruleOf(s).form; }

double networkValue(Shape s, const std::array<double, 4>& p)
{
    const double a = p[0], b = p[1], c = p[2], d = p[3];
    switch (s) {
    case Shape::One: return a;
    case Shape::Series2: return a + b;
    case Shape::Parallel2: return par(a, b);
    case Shape::Series3: return a + b + c;
    case Shape::Parallel3: return par(par(a, b), c);
    case Shape::SeriesParallel3: return a + par(b, c);
    case Shape::ParallelSeries3: return par(a, b + c);
    case Shape::Series4: return a + b + c + d;
    case Shape::Parallel4: return par(par(a, b), par(c, d));
    case Shape::SeriesPair4: return a + b + par(c, d);
    case Shape::ParallelPair4: return par(par(a, b), c + d);
    case Shape::SeriesTriple4: return a + par(par(b, c), d);
    case Shape::ParallelTriple4: return par(a, b + c + d);
    case Shape::ParallelOfSeries4: return par(a + b, c + d);
    case Shape::SeriesOfParallel4: return par(a, b) + par(c, d);
    case Shape::SeriesNested4: return a + par(b, c + d);
    case Shape::ParallelNested4: return par(a, b + par(c, d));
    }
    return 0;
}

Network makeNetwork(Shape s, std::array<Milli, 4> p, Milli target)
{
    const ShapeRule& r = ruleOf(s);
    std::sort(p.begin() + r.from1, p.begin() + r.to1, std::greater<>());
    std::sort(p.begin() + r.from2, p.begin() + r.to2, std::greater<>());
    if (r.pairsOrdered && std::make_pair(p[2], p[3]) > std::make_pair(p[0], p[1]))
        p = {p[2], p[3], p[0], p[1]};
    for (std::size_t i = partCount(s); i < 4; ++i)
        p[i] = 0;
    Network n;
    n.shape = s;
    n.parts = p;
    n.value = networkValue(s, {double(p[0]), double(p[1]), double(p[2]), double(p[3])});
    n.deviation = n.value / double(target) - 1;
    return n;
}

bool ranksBefore(const Network& x, const Network& y)
{
    const double dx = std::abs(x.deviation), dy = std::abs(y.deviation);
    if (dx != dy)
        return dx < dy;
    if (x.shape != y.shape)
        return x.shape < y.shape;
    return x.parts < y.parts;
}

std::string written(const Network& n)
{
    std::string text;
    for (const char* c = formOf(n.shape); *c != '\0'; ++c)
        text
            += *c >= 'a' && *c <= 'd' ? written(n.parts[static_cast<std::size_t>(*c - 'a')], true) : std::string(1, *c);
    return text;
}

// Values sorted with what each stands for (a part's index, or a pair's two),
// and a bucket table over the values' bit patterns, which order positive
// doubles as the values do: a lookup jumps to its bucket and searches the
// few values there.
struct PartIndex::Sorted {
    std::vector<double> values;
    std::vector<std::uint32_t> ids;
    std::vector<std::uint32_t> starts;
    std::uint64_t firstKey = 0;
    unsigned shift = 0;

    static std::uint64_t bits(double v)
    {
        std::uint64_t b;
        std::memcpy(&b, &v, sizeof b);
        return b;
    }

    std::size_t key(double v) const { return static_cast<std::size_t>((bits(v) >> shift) - firstKey); }

    // each(f) calls f(value, id) for every entry, the same each time: the
    // entries are made as they are counted and placed, never held apart. A
    // counting sort by bucket, then each bucket's few entries in order.
    template <class Each> Sorted(std::size_t count, Each each)
    {
        double least = infinity, most = 0;
        each([&](double v, std::uint32_t) {
            least = std::min(least, v);
            most = std::max(most, v);
        });
        const std::uint64_t span = bits(most) - bits(least);
        while ((span >> shift) > count)
            ++shift;
        firstKey = bits(least) >> shift;
        starts.assign(key(most) + 2, 0);
        each([&](double v, std::uint32_t) { ++starts[key(v) + 1]; });
        for (std::size_t b = 1; b < starts.size(); ++b)
            starts[b] += starts[b - 1];
        values.resize(count);
        ids.resize(count);
        std::vector<std::uint32_t> next(starts.begin(), starts.end() - 1);
        each([&](double v, std::uint32_t id) {
            const std::uint32_t at = next[key(v)]++;
            values[at] = v;
            ids[at] = id;
        });
        for (std::size_t b = 0; b + 1 < starts.size(); ++b)
            for (std::size_t i = starts[b] + 1; i < starts[b + 1]; ++i)
                for (std::size_t j = i;
                     j > starts[b] && std::tie(values[j], ids[j]) < std::tie(values[j - 1], ids[j - 1]); --j) {
                    std::swap(values[j], values[j - 1]);
                    std::swap(ids[j], ids[j - 1]);
                }
    }

    // The same, for a query that moves a little from the last answer, near:
    // a few steps from there touch no bucket.
    std::size_t lowerBound(double v, std::size_t near) const
    {
        for (int step = 0; step < 8; ++step) {
            if (near > 0 && values[near - 1] >= v)
                --near;
            else if (near < values.size() && values[near] < v)
                ++near;
            else
                return near;
        }
        return lowerBound(v);
    }

    // The first position whose value is not below v.
    std::size_t lowerBound(double v) const
    {
        if (!(v > values.front()))
            return 0;
        if (v > values.back())
            return values.size();
        const std::size_t b = (bits(v) >> shift) - firstKey;
        std::size_t i = starts[b];
        while (values[i] < v)
            ++i;
        return i;
    }
};

PartIndex::PartIndex(std::vector<Part> parts)
    : parts_(std::move(parts))
{
    if (parts_.empty())
        return;
    const auto n = static_cast<std::uint32_t>(parts_.size());
    const auto pairs = [this, n](auto combine) {
        return [this, n, combine](auto&& f) {
            for (std::uint32_t i = 0; i < n; ++i)
                for (std::uint32_t j = i; j < n; ++j)
                    f(combine(double(parts_[i].value), double(parts_[j].value)), pairId(i, j));
        };
    };
    values_ = std::make_unique<Sorted>(n, [this, n](auto&& f) {
        for (std::uint32_t i = 0; i < n; ++i)
            f(double(parts_[i].value), i);
    });
    const std::size_t pairCount = std::size_t(n) * (n + 1) / 2;
    series_ = std::make_unique<Sorted>(pairCount, pairs([](double a, double b) { return a + b; }));
    parallel_ = std::make_unique<Sorted>(pairCount, pairs(par));
}

PartIndex::~PartIndex() = default;
PartIndex::PartIndex(PartIndex&&) noexcept = default;
PartIndex& PartIndex::operator=(PartIndex&&) noexcept = default;

namespace {

class Search {
public:
    Search(const PartIndex& index, Milli target, std::size_t count)
        : parts_(index.parts())
        , target_(target)
        , best_(count)
    {
    }

    Milli part(std::uint32_t i) const { return parts_[i].value; }
    Milli first(std::uint32_t id) const { return part(firstOfPair(id)); }
    Milli second(std::uint32_t id) const { return part(secondOfPair(id)); }
    double bound() const { return best_.bound(); }

    // Offers the networks value(y) for the values y of s from position p
    // outward, while their deviation stays within the bound: value is
    // monotonic, so each side's deviation only grows.
    template <class Value, class Offer> void around(const PartIndex::Sorted& s, std::size_t p, Value value, Offer offer)
    {
        // The bound only narrows as networks enter, so the one taken here lets through a few more at most.
        const double t = double(target_), bound = best_.bound(), least = t * (1 - bound), most = t * (1 + bound);
        const auto within = [&](double y) {
            const double v = value(y);
            return v >= least && v <= most;
        };
        for (std::size_t i = p; i < s.values.size() && within(s.values[i]); ++i)
            offer(s.ids[i]);
        for (std::size_t i = p; i-- > 0 && within(s.values[i]);)
            offer(s.ids[i]);
    }

    void offer(Shape s, const std::array<Milli, 4>& parts) { best_.offer(makeNetwork(s, parts, target_)); }
    std::vector<Network> take() { return best_.take(); }

private:
    const std::vector<Part>& parts_;
    Milli target_;
    Best<Network> best_;
};

// Each network's range with every part at the one edge of its tolerance and
// then the other: its value grows with each part's.
std::vector<Network> finish(const PartIndex& index, std::vector<Network> found)
{
    const std::vector<Part>& parts = index.parts();
    for (Network& n : found) {
        std::array<double, 4> low{}, high{};
        for (std::size_t i = 0; i < partCount(n.shape); ++i) {
            const auto p = std::lower_bound(
                parts.begin(), parts.end(), n.parts[i], [](const Part& x, Milli v) { return x.value < v; });
            low[i] = double(p->value) * (1 - p->tolerance);
            high[i] = double(p->value) * (1 + p->tolerance);
        }
        n.low = networkValue(n.shape, low);
        n.high = networkValue(n.shape, high);
    }
    return found;
}

} // namespace

std::variant<std::vector<Network>, NetworkError> findNetworks(
    const PartIndex& index, Milli target, std::size_t maxParts, std::size_t count)
{
    if (target <= 0)
        return NetworkError::BadTarget;
    if (count == 0 || maxParts < 1 || maxParts > 4)
        return NetworkError::BadSize;
    if (index.parts_.empty())
        return std::vector<Network>{};
    Search search(index, target, count);
    const double t = double(target);
    const PartIndex::Sorted& ones = *index.values_;
    const PartIndex::Sorted& sums = *index.series_;
    const PartIndex::Sorted& pars = *index.parallel_;
    const auto same = [](double y) { return y; };

    search.around(ones, ones.lowerBound(t), same, [&](std::uint32_t i) { search.offer(Shape::One, {search.part(i)}); });
    if (maxParts >= 2) {
        search.around(sums, sums.lowerBound(t), same, [&](std::uint32_t p) {
            search.offer(Shape::Series2, {search.first(p), search.second(p)});
        });
        search.around(pars, pars.lowerBound(t), same, [&](std::uint32_t p) {
            search.offer(Shape::Parallel2, {search.first(p), search.second(p)});
        });
    }

    // A part beside a pair: in series below the target, in parallel above it.
    if (maxParts >= 3)
        for (std::uint32_t i = 0; i < ones.values.size(); ++i) {
            const double a = ones.values[i];
            const Milli pa = search.part(ones.ids[i]);
            const auto pairs = [&](Shape s, std::uint32_t p) {
                search.offer(s, {pa, search.first(p), search.second(p)});
            };
            if (a <= t * (1 + search.bound())) {
                const auto value = [a](double y) { return a + y; };
                search.around(sums, sums.lowerBound(t - a), value, [&](auto p) { pairs(Shape::Series3, p); });
                search.around(pars, pars.lowerBound(t - a), value, [&](auto p) { pairs(Shape::SeriesParallel3, p); });
            }
            if (a >= t * (1 - search.bound())) {
                const double y = parallelComplement(t, a);
                const auto value = [a](double v) { return par(a, v); };
                search.around(pars, pars.lowerBound(y), value, [&](auto p) { pairs(Shape::Parallel3, p); });
                search.around(sums, sums.lowerBound(y), value, [&](auto p) { pairs(Shape::ParallelSeries3, p); });
            }
        }
    if (maxParts < 4)
        return finish(index, search.take());

    // Pair and pair: x the larger of two in series, the smaller of two in parallel.
    const PartIndex::Sorted* lists[] = {&sums, &pars};
    for (std::size_t l = 0; l < 2; ++l) {
        const PartIndex::Sorted& xs = *lists[l];
        for (std::size_t k = xs.lowerBound(t * (1 - search.bound()) / 2);
             k < xs.values.size() && xs.values[k] <= t * (1 + search.bound()); ++k) {
            const double x = xs.values[k];
            const Milli a = search.first(xs.ids[k]), b = search.second(xs.ids[k]);
            const auto value = [x](double y) { return x + y; };
            // sum + sum, sum + parallel pair, parallel pair + sum, parallel pair + parallel pair
            search.around(sums, sums.lowerBound(t - x), value, [&](std::uint32_t p) {
                const Milli c = search.first(p), d = search.second(p);
                if (l == 0)
                    search.offer(Shape::Series4, {a, b, c, d});
                else
                    search.offer(Shape::SeriesPair4, {c, d, a, b});
            });
            search.around(pars, pars.lowerBound(t - x), value, [&](std::uint32_t p) {
                const Milli c = search.first(p), d = search.second(p);
                search.offer(l == 0 ? Shape::SeriesPair4 : Shape::SeriesOfParallel4, {a, b, c, d});
            });
        }
        for (std::size_t k = xs.lowerBound(t * (1 - search.bound()));
             k < xs.values.size() && xs.values[k] <= 2 * t * (1 + search.bound()); ++k) {
            const double x = xs.values[k];
            const Milli a = search.first(xs.ids[k]), b = search.second(xs.ids[k]);
            const auto value = [x](double y) { return par(x, y); };
            const double y = parallelComplement(t, x);
            search.around(sums, sums.lowerBound(y), value, [&](std::uint32_t p) {
                const Milli c = search.first(p), d = search.second(p);
                if (l == 0)
                    search.offer(Shape::ParallelOfSeries4, {a, b, c, d});
                else
                    search.offer(Shape::ParallelPair4, {a, b, c, d});
            });
            search.around(pars, pars.lowerBound(y), value, [&](std::uint32_t p) {
                const Milli c = search.first(p), d = search.second(p);
                search.offer(l == 0 ? Shape::ParallelPair4 : Shape::Parallel4, {c, d, a, b});
            });
        }
    }

    // A part beside a part and a pair.
    for (std::uint32_t i = 0; i < ones.values.size(); ++i) {
        const double a = ones.values[i];
        const Milli pa = search.part(ones.ids[i]);
        if (a <= t * (1 + search.bound())) {
            // a + (b ∥ y): b beyond what b ∥ y must come to; in a + (b ∥ c ∥ d) b the smallest, so at most three times
            // it.
            const double rest = t - a;
            std::size_t nearSum = 0, nearPar = 0;
            for (std::uint32_t j = std::uint32_t(ones.lowerBound(rest - t * search.bound())); j < ones.values.size();
                 ++j) {
                const double b = ones.values[j];
                const Milli pb = search.part(ones.ids[j]);
                const double y = parallelComplement(rest, b);
                const auto value = [a, b](double v) { return a + par(b, v); };
                if (b <= 3 * (rest + t * search.bound()))
                    search.around(pars, nearPar = pars.lowerBound(y, nearPar), value, [&](std::uint32_t p) {
                        search.offer(Shape::SeriesTriple4, {pa, pb, search.first(p), search.second(p)});
                    });
                search.around(sums, nearSum = sums.lowerBound(y, nearSum), value, [&](std::uint32_t p) {
                    search.offer(Shape::SeriesNested4, {pa, pb, search.first(p), search.second(p)});
                });
            }
        }
        if (a >= t * (1 - search.bound())) {
            // a ∥ (b + y): b below what b + y must come to; in a ∥ (b + c + d) b the largest, so at least a third of
            // it.
            const double rest = parallelComplement(t, a);
            std::size_t nearSum = 0, nearPar = 0;
            for (std::uint32_t j = 0;
                 j < ones.values.size() && ones.values[j] < parallelComplement(t * (1 + search.bound()), a); ++j) {
                const double b = ones.values[j];
                const Milli pb = search.part(ones.ids[j]);
                const auto value = [a, b](double v) { return par(a, b + v); };
                if (3 * b >= parallelComplement(t * (1 - search.bound()), a))
                    search.around(sums, nearSum = sums.lowerBound(rest - b, nearSum), value, [&](std::uint32_t p) {
                        search.offer(Shape::ParallelTriple4, {pa, pb, search.first(p), search.second(p)});
                    });
                search.around(pars, nearPar = pars.lowerBound(rest - b, nearPar), value, [&](std::uint32_t p) {
                    search.offer(Shape::ParallelNested4, {pa, pb, search.first(p), search.second(p)});
                });
            }
        }
    }
    return finish(index, search.take());
}

} // namespace kelvane
