#include "kelvane/network.h"

#include "kelvane/written.h"

#include "best.h"
#include "builds.h"

#include <algorithm>
#include <cmath>
#include <cstring>
#include <functional>
#include <iterator>
#include <limits>
#include <tuple>
#include <type_traits>
#include <utility>

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

namespace {

// Inlined where the shape is known when compiled, as in the yields' builds.
[[gnu::always_inline]] inline double valueIn(Shape s, const double* p)
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

} // namespace

double networkValue(Shape s, const std::array<double, 4>& p) { return valueIn(s, p.data()); }

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

bool ranksBeforeWithin(const Network& x, const Network& y, const Span& wanted) { return withinFirst(x, y, wanted); }

namespace {

// A network's parts as the spread sees them, each found among the parts by its value.
std::array<Input, 4> inputsOf(const Network& n, const std::vector<Part>& parts, const Conditions& c)
{
    std::array<Input, 4> in{};
    for (std::size_t i = 0; i < partCount(n.shape); ++i) {
        const auto p = std::lower_bound(
            parts.begin(), parts.end(), n.parts[i], [](const Part& x, Milli v) { return x.value < v; });
        in[i] = {double(p->value), p->tolerance, c.tempco.value_or(p->tempco)};
    }
    return in;
}

auto valueOf(Shape s)
{
    return [s](const double* v) { return networkValue(s, {v[0], v[1], v[2], v[3]}); };
}

// The builds for the shape i among is, its value and its part count known when compiled.
template <std::size_t... is>
Estimate shapeBuilds(
    const Network& n, const Input* in, const Conditions& c, double target, double within, std::index_sequence<is...>)
{
    Estimate e;
    const auto one = [&](auto i) {
        constexpr auto s = static_cast<Shape>(decltype(i)::value);
        if (n.shape == s)
            e = buildsOf<entryOf(rules, s).parts>(in, c, target, within, [](const double* v) { return valueIn(s, v); });
    };
    (one(std::integral_constant<std::size_t, is>{}), ...);
    return e;
}

} // namespace

Span worstOf(const Network& n, const std::vector<Part>& parts, const Conditions& c)
{
    return corners(inputsOf(n, parts, c).data(), partCount(n.shape), farthestDrift(c.temperature), valueOf(n.shape));
}

Estimate yieldOf(const Network& n, const std::vector<Part>& parts, Milli target, const Conditions& c, double within)
{
    return shapeBuilds(
        n, inputsOf(n, parts, c).data(), c, double(target), within, std::make_index_sequence<shapeCount>{});
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

// How the search meets a shape's parts: the part or pair alone, a part beside
// a pair, a pair beside a pair, or a part beside a part and a pair.
enum class Walk : std::uint8_t { Alone, PartPair, PairPair, PartPartPair };

// How the outer loop's value joins what is looked up for it.
enum class Join : std::uint8_t { Series, Parallel };

// The sorted lists: none (alone), the parts, the pairs in series, the pairs in parallel.
enum class List : std::uint8_t { None, Parts, Sums, Parallels };

// The three-part groups' extra bound: in a + (b ∥ c ∥ d) b is the smallest
// of three in parallel, so at most three times what they come to; in
// a ∥ (b + c + d) the largest of three in series, so at least a third of it.
enum class Prune : std::uint8_t { None, Triple };

// One shape as the search meets it: the outer loop walks outer, joins each of
// its values to the values looked up in inner, and the parts found fill a to d
// in that order. A pair beside a pair of the other kind (a sum beside a
// parallel pair) is met from both lists, the larger of two in series and the
// smaller of two in parallel taken by the outer loop.
struct Row {
    Shape shape;
    Walk walk;
    Join join;
    List outer;
    List inner;
    Prune prune;
};

// In the order the search walks them: the rows of one outer loop are together.
constexpr Row rows[] = {
    {Shape::One, Walk::Alone, Join::Series, List::None, List::Parts, Prune::None},
    {Shape::Series2, Walk::Alone, Join::Series, List::None, List::Sums, Prune::None},
    {Shape::Parallel2, Walk::Alone, Join::Series, List::None, List::Parallels, Prune::None},
    {Shape::Series3, Walk::PartPair, Join::Series, List::Parts, List::Sums, Prune::None},
    {Shape::SeriesParallel3, Walk::PartPair, Join::Series, List::Parts, List::Parallels, Prune::None},
    {Shape::Parallel3, Walk::PartPair, Join::Parallel, List::Parts, List::Parallels, Prune::None},
    {Shape::ParallelSeries3, Walk::PartPair, Join::Parallel, List::Parts, List::Sums, Prune::None},
    {Shape::Series4, Walk::PairPair, Join::Series, List::Sums, List::Sums, Prune::None},
    {Shape::SeriesPair4, Walk::PairPair, Join::Series, List::Sums, List::Parallels, Prune::None},
    {Shape::SeriesOfParallel4, Walk::PairPair, Join::Series, List::Parallels, List::Parallels, Prune::None},
    {Shape::ParallelOfSeries4, Walk::PairPair, Join::Parallel, List::Sums, List::Sums, Prune::None},
    {Shape::ParallelPair4, Walk::PairPair, Join::Parallel, List::Parallels, List::Sums, Prune::None},
    {Shape::Parallel4, Walk::PairPair, Join::Parallel, List::Parallels, List::Parallels, Prune::None},
    {Shape::SeriesTriple4, Walk::PartPartPair, Join::Series, List::Parts, List::Parallels, Prune::Triple},
    {Shape::SeriesNested4, Walk::PartPartPair, Join::Series, List::Parts, List::Sums, Prune::None},
    {Shape::ParallelTriple4, Walk::PartPartPair, Join::Parallel, List::Parts, List::Sums, Prune::Triple},
    {Shape::ParallelNested4, Walk::PartPartPair, Join::Parallel, List::Parts, List::Parallels, Prune::None},
};

constexpr bool eachShapeOnce()
{
    for (std::size_t s = 0; s < shapeCount; ++s) {
        std::size_t met = 0;
        for (const Row& r : rows)
            met += static_cast<std::size_t>(r.shape) == s;
        if (met != 1)
            return false;
    }
    return std::size(rows) == shapeCount;
}
static_assert(eachShapeOnce(), "the search meets every shape, each once");

// Whether the outer loop of this walk and join over list `over` looks up for row r.
constexpr bool walkedBy(const Row& r, Walk walk, Join join, List over)
{
    return r.walk == walk && r.join == join && (r.outer == over || (walk == Walk::PairPair && r.inner == over));
}

// Calls f(i) for the index i of each row the outer loop walks, in the table's
// order, i a compile-time constant, so that each lookup is written out for its
// row as if by hand.
template <Walk walk, Join join, List over, class F, std::size_t... i>
[[gnu::always_inline]] inline void forRows(F&& f, std::index_sequence<i...>)
{
    const auto one = [&f](auto at) __attribute__((always_inline))
    {
        if constexpr (walkedBy(rows[at], walk, join, over))
            f(at);
    };
    (one(std::integral_constant<std::size_t, i>{}), ...);
}

template <Walk walk, Join join, List over, class F> [[gnu::always_inline]] inline void forRows(F&& f)
{
    forRows<walk, join, over>(f, std::make_index_sequence<std::size(rows)>{});
}

// x joined to y, and the y that joined to x gives v.
template <Join join> double joined(double x, double y) { return join == Join::Series ? x + y : par(x, y); }
template <Join join> double complement(double v, double x)
{
    return join == Join::Series ? v - x : parallelComplement(v, x);
}

// A network's value moves with its parts at most as far as its least and
// most spread part's: it grows with each, and all of them k times as large
// make it k times as large. So one within a tolerance deviates no further
// than the finest part leaves room for; below 0 where none can be within.
double reach(const std::vector<Part>& parts, const Conditions& c)
{
    if (!c.within)
        return -1;
    const double drift = farthestDrift(c.temperature);
    double low = 0, high = std::numeric_limits<double>::infinity();
    for (const Part& p : parts) {
        const double t = c.tempco.value_or(p.tempco) * drift;
        low = std::max(low, (1 - p.tolerance) * (1 - t));
        high = std::min(high, (1 + p.tolerance) * (1 + t));
    }
    const double least = (1 - *c.within) / low - 1, most = (1 + *c.within) / high - 1;
    return least > most ? -1 : std::max(-least, most);
}

class Search {
public:
    Search(const PartIndex& index, Milli target, std::size_t count, const Conditions& c)
        : parts_(index.parts())
        , target_(target)
        , conditions_(c)
        , wanted_(wantedSpan(double(target), c.within.value_or(0)))
        , count_(count)
        , best_(count)
        , inside_(count, c.within, reach(index.parts(), c))
    {
    }

    Milli part(std::uint32_t i) const { return parts_[i].value; }
    Milli first(std::uint32_t id) const { return part(firstOfPair(id)); }
    Milli second(std::uint32_t id) const { return part(secondOfPair(id)); }
    double bound() const { return std::max(best_.bound(), inside_.bound()); }

    // Offers the networks value(y) for the values y of s from position p
    // outward, while their deviation stays within the bound: value is
    // monotonic, so each side's deviation only grows.
    template <class Value, class Offer>
    [[gnu::always_inline]] inline void around(const PartIndex::Sorted& s, std::size_t p, Value value, Offer offer)
    {
        // The bound only narrows as networks enter, so the one taken here lets through a few more at most.
        const double t = double(target_), bound = this->bound(), least = t * (1 - bound), most = t * (1 + bound);
        const auto within = [&](double y) {
            const double v = value(y);
            return v >= least && v <= most;
        };
        for (std::size_t i = p; i < s.values.size() && within(s.values[i]); ++i)
            offer(s.ids[i]);
        for (std::size_t i = p; i-- > 0 && within(s.values[i]);)
            offer(s.ids[i]);
    }

    void offer(Shape s, const std::array<Milli, 4>& parts)
    {
        const Network n = makeNetwork(s, parts, target_);
        best_.offer(n);
        inside_.offer(n, wanted_, [&] { return worstOf(n, parts_, conditions_); });
    }

    // Each network's range with every part at the one edge of its tolerance
    // and then the other: its value grows with each part's. Its worst case,
    // and with a wanted tolerance its yield: one whose worst case lies within
    // has every build within.
    std::vector<Network> take()
    {
        const auto assess = [this](Network& n) {
            tolerances(n);
            n.worst = worstOf(n, parts_, conditions_);
            if (conditions_.within)
                n.yield = inside(n.worst, wanted_) ? Estimate{1, 0}
                                                   : yieldOf(n, parts_, target_, conditions_, *conditions_.within);
        };
        if (conditions_.within)
            return ranked(inside_.take(), best_.take(), count_, wanted_, assess);
        std::vector<Network> found = best_.take();
        for (Network& n : found)
            assess(n);
        return found;
    }

private:
    void tolerances(Network& n) const
    {
        const std::vector<Part>& parts = parts_;
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

    const std::vector<Part>& parts_;
    Milli target_;
    const Conditions& conditions_;
    Span wanted_;
    std::size_t count_;
    Best<Network> best_;
    Inside<Network> inside_;
};

} // namespace

std::variant<std::vector<Network>, NetworkError> findNetworks(
    const PartIndex& index, Milli target, std::size_t maxParts, std::size_t count, const Conditions& conditions)
{
    if (target <= 0)
        return NetworkError::BadTarget;
    if (count == 0 || maxParts < 1 || maxParts > 4)
        return NetworkError::BadSize;
    if (!usable(conditions))
        return NetworkError::BadConditions;
    if (index.parts_.empty())
        return std::vector<Network>{};
    Search search(index, target, count, conditions);
    const double t = double(target);
    const PartIndex::Sorted &ones = *index.values_, &sums = *index.series_, &pars = *index.parallel_;
    const auto list = [&](List l) -> const PartIndex::Sorted& {
        return l == List::Parts ? ones : l == List::Sums ? sums : pars;
    };

    forRows<Walk::Alone, Join::Series, List::None>([&](auto at) __attribute__((always_inline)) {
        constexpr Row r = rows[at];
        if (entryOf(rules, r.shape).parts > maxParts)
            return;
        const PartIndex::Sorted& s = list(r.inner);
        search.around(
            s, s.lowerBound(t), [](double y) { return y; },
            [&](std::uint32_t id) {
                if constexpr (r.inner == List::Parts)
                    search.offer(r.shape, {search.part(id)});
                else
                    search.offer(r.shape, {search.first(id), search.second(id)});
            });
    });

    // A part beside a pair: in series below the target, in parallel above it.
    if (maxParts >= 3)
        for (std::uint32_t i = 0; i < ones.values.size(); ++i) {
            const double a = ones.values[i];
            const Milli pa = search.part(ones.ids[i]);
            const auto beside = [&](auto join) __attribute__((always_inline))
            {
                constexpr Join outer = decltype(join)::value;
                const double y = complement<outer>(t, a);
                forRows<Walk::PartPair, outer, List::Parts>([&](auto at) __attribute__((always_inline)) {
                    constexpr Row r = rows[at];
                    const PartIndex::Sorted& s = list(r.inner);
                    search.around(
                        s, s.lowerBound(y), [a](double v) { return joined<outer>(a, v); },
                        [&](std::uint32_t p) {
                            search.offer(r.shape, {pa, search.first(p), search.second(p)});
                        });
                });
            };
            if (a <= t * (1 + search.bound()))
                beside(std::integral_constant<Join, Join::Series>{});
            if (a >= t * (1 - search.bound()))
                beside(std::integral_constant<Join, Join::Parallel>{});
        }
    if (maxParts < 4)
        return search.take();

    // Pair and pair: x the larger of two in series, at least half the target;
    // the smaller of two in parallel, at most twice it.
    const auto pairs = [&](auto join, auto over) __attribute__((always_inline))
    {
        constexpr Join outer = decltype(join)::value;
        constexpr List walked = decltype(over)::value;
        const PartIndex::Sorted& xs = list(walked);
        constexpr double below = outer == Join::Series ? 0.5 : 1, above = outer == Join::Series ? 1 : 2;
        for (std::size_t k = xs.lowerBound(below * t * (1 - search.bound()));
             k < xs.values.size() && xs.values[k] <= above * t * (1 + search.bound()); ++k) {
            const double x = xs.values[k];
            const Milli a = search.first(xs.ids[k]), b = search.second(xs.ids[k]);
            const double y = complement<outer>(t, x);
            forRows<Walk::PairPair, outer, walked>([&](auto at) __attribute__((always_inline)) {
                constexpr Row r = rows[at];
                constexpr List looked = r.outer == walked ? r.inner : r.outer;
                const PartIndex::Sorted& s = list(looked);
                search.around(
                    s, s.lowerBound(y), [x](double v) { return joined<outer>(x, v); },
                    [&](std::uint32_t p) {
                        const Milli c = search.first(p), d = search.second(p);
                        if constexpr (r.outer == walked)
                            search.offer(r.shape, {a, b, c, d});
                        else
                            search.offer(r.shape, {c, d, a, b});
                    });
            });
        }
    };
    pairs(std::integral_constant<Join, Join::Series>{}, std::integral_constant<List, List::Sums>{});
    pairs(std::integral_constant<Join, Join::Parallel>{}, std::integral_constant<List, List::Sums>{});
    pairs(std::integral_constant<Join, Join::Series>{}, std::integral_constant<List, List::Parallels>{});
    pairs(std::integral_constant<Join, Join::Parallel>{}, std::integral_constant<List, List::Parallels>{});

    // A part beside a part and a pair: a + (b ∥ y), b beyond what b ∥ y must
    // come to, or a ∥ (b + y), b below what b + y must come to. Each lookup
    // starts where the last one in its list ended.
    for (std::uint32_t i = 0; i < ones.values.size(); ++i) {
        const double a = ones.values[i];
        const Milli pa = search.part(ones.ids[i]);
        const auto beside = [&](auto join, double rest, std::uint32_t j, std::size_t& nearSum, std::size_t& nearPar)
            __attribute__((always_inline))
        {
            constexpr Join outer = decltype(join)::value;
            constexpr Join inner = outer == Join::Series ? Join::Parallel : Join::Series;
            const double b = ones.values[j];
            const Milli pb = search.part(ones.ids[j]);
            const double y = complement<inner>(rest, b);
            forRows<Walk::PartPartPair, outer, List::Parts>([&](auto at) __attribute__((always_inline)) {
                constexpr Row r = rows[at];
                if constexpr (r.prune == Prune::Triple) {
                    const bool fits = outer == Join::Series ? b <= 3 * (rest + t * search.bound())
                                                            : 3 * b >= parallelComplement(t * (1 - search.bound()), a);
                    if (!fits)
                        return;
                }
                const PartIndex::Sorted& s = list(r.inner);
                std::size_t& near = r.inner == List::Sums ? nearSum : nearPar;
                search.around(
                    s, near = s.lowerBound(y, near), [&](double v) { return joined<outer>(a, joined<inner>(b, v)); },
                    [&](std::uint32_t p) {
                        search.offer(r.shape, {pa, pb, search.first(p), search.second(p)});
                    });
            });
        };
        if (a <= t * (1 + search.bound())) {
            const double rest = t - a;
            std::size_t nearSum = 0, nearPar = 0;
            for (std::uint32_t j = std::uint32_t(ones.lowerBound(rest - t * search.bound())); j < ones.values.size();
                 ++j)
                beside(std::integral_constant<Join, Join::Series>{}, rest, j, nearSum, nearPar);
        }
        if (a >= t * (1 - search.bound())) {
            const double rest = parallelComplement(t, a);
            std::size_t nearSum = 0, nearPar = 0;
            for (std::uint32_t j = 0;
                 j < ones.values.size() && ones.values[j] < parallelComplement(t * (1 + search.bound()), a); ++j)
                beside(std::integral_constant<Join, Join::Parallel>{}, rest, j, nearSum, nearPar);
        }
    }
    return search.take();
}

} // namespace kelvane
