#include "kelvane/network.h"

#include "kelvane/written.h"

#include "best.h"
#include "builds.h"

#include <algorithm>
#include <atomic>
#include <cmath>
#include <cstdlib>
#include <cstring>
#include <functional>
#include <iterator>
#include <limits>
#include <mutex>
#include <new>
#include <tuple>
#include <type_traits>
#include <utility>

#include <sys/mman.h>

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
// few values there. Each run of the command line indexes again, so the build
// is what it waits for: two passes over the pairs (count, then place) into
// coarse buckets, each bucket then split again in cache, and memory touched
// once.
struct PartIndex::Sorted {
    // Memory left as it comes, in huge pages where the system grants them: a
    // fresh process pays the kernel for every page it touches first, and for
    // some 20 MB of pairs that costs more, a page of 4 kB at a time, than
    // the sorting does.
    template <class T> class Block {
    public:
        explicit Block(std::size_t size)
            : size_(size)
            , data_(allocate(size))
        {
        }
        std::size_t size() const { return size_; }
        T& operator[](std::size_t i) { return data_.get()[i]; }
        const T& operator[](std::size_t i) const { return data_.get()[i]; }
        const T& front() const { return data_.get()[0]; }
        const T& back() const { return data_.get()[size_ - 1]; }

    private:
        struct Free {
            void operator()(T* p) const { std::free(p); }
        };
        static T* allocate(std::size_t size)
        {
            constexpr std::size_t huge = std::size_t{2} << 20;
            std::size_t bytes = std::max<std::size_t>(size * sizeof(T), 1);
            void* p = nullptr;
            if (bytes >= huge) {
                bytes = (bytes + huge - 1) / huge * huge;
                p = std::aligned_alloc(huge, bytes);
#ifdef MADV_HUGEPAGE
                if (p != nullptr)
                    madvise(p, bytes, MADV_HUGEPAGE);
#endif
            } else
                p = std::malloc(bytes);
            if (p == nullptr)
                throw std::bad_alloc();
            return static_cast<T*>(p);
        }
        std::size_t size_ = 0;
        std::unique_ptr<T, Free> data_;
    };

    // About this many entries a bucket of the lookup table: the walk within
    // one stays short.
    static constexpr std::size_t perBucket = 4;
    // And of the first split: few enough buckets that placing the entries
    // keeps a cache line of each at hand, and each bucket then ordered in cache.
    static constexpr std::size_t perSplit = 1024;

    Block<double> values;
    Block<std::uint32_t> ids;
    std::vector<std::uint32_t> starts;

    static std::uint64_t bits(double v)
    {
        std::uint64_t b;
        std::memcpy(&b, &v, sizeof b);
        return b;
    }

    // Buckets over the values' bit patterns, at most about buckets of them
    // between least and most: the fewest low bits dropped that give so few.
    struct Keys {
        Keys() = default;
        Keys(double least, double most, std::size_t buckets)
        {
            const std::uint64_t span = bits(most) - bits(least);
            while ((span >> shift) > buckets)
                ++shift;
            first = bits(least) >> shift;
            last = bits(most) >> shift;
        }
        std::size_t count() const { return static_cast<std::size_t>(last - first + 1); }
        // Held within the table, so that a value rounded past least or most
        // still lands in order.
        std::size_t operator()(double v) const
        {
            return static_cast<std::size_t>(std::clamp(bits(v) >> shift, first, last) - first);
        }
        unsigned shift = 0;
        std::uint64_t first = 0, last = 0;
    };
    Keys key;

    // each(f) calls f(value, id) for every entry, the same each time: the
    // entries are made as they are counted and placed, never held apart.
    // least and most bound the values. A counting sort into coarse buckets,
    // each bucket then ordered, and the lookup table read off the result.
    template <class Each>
    Sorted(std::size_t count, double least, double most, Each each)
        : values(count)
        , ids(count)
    {
        const Keys coarse(least, most, count / perSplit);
        std::vector<std::uint32_t> split(coarse.count() + 1, 0);
        each([&](double v, std::uint32_t) { ++split[coarse(v) + 1]; });
        for (std::size_t b = 1; b < split.size(); ++b)
            split[b] += split[b - 1];
        // Each bucket's start moves on as it fills, to where the next one starts.
        each([&](double v, std::uint32_t id) {
            const std::uint32_t at = split[coarse(v)]++;
            values[at] = v;
            ids[at] = id;
        });
        // Each bucket ordered, and the lookup table's starts within it read
        // off while it is still in cache.
        key = Keys(least, most, count / perBucket);
        starts.assign(key.count() + 1, std::uint32_t(count));
        Scratch scratch;
        std::size_t next = 0;
        for (std::size_t b = 0, from = 0; b + 1 < split.size(); from = split[b++]) {
            order(from, split[b], scratch);
            for (std::size_t i = from; i < split[b]; ++i)
                for (const std::size_t k = key(values[i]); next <= k;)
                    starts[next++] = std::uint32_t(i);
        }
    }

    // Where a bucket's entries are counted and placed when it is split again.
    struct Scratch {
        std::vector<double> values;
        std::vector<std::uint32_t> ids, bounds;
    };

    // Puts the entries [from, to) in order. Most buckets hold a few; the ones
    // just below each part (it in parallel with much larger ones) or above it
    // (in series with much smaller ones) hold hundreds, which are split by
    // the same counting sort over their own span, again where needed.
    void order(std::size_t from, std::size_t to, Scratch& scratch)
    {
        const std::size_t size = to - from;
        double least = values[from], most = least;
        for (std::size_t i = from + 1; i < to; ++i) {
            least = std::min(least, values[i]);
            most = std::max(most, values[i]);
        }
        // Pairs of the same value (1 k + 2 k and 1,5 k twice) go by their parts.
        if (least == most) {
            std::sort(&ids[from], &ids[from] + size);
            return;
        }
        // Each entry held aside while the larger ones before it move up: swapping
        // neighbours would read back what was just stored, and wait for it.
        if (size <= 16) {
            for (std::size_t i = from + 1; i < to; ++i) {
                const double v = values[i];
                const std::uint32_t id = ids[i];
                std::size_t j = i;
                for (; j > from && std::tie(v, id) < std::tie(values[j - 1], ids[j - 1]); --j) {
                    values[j] = values[j - 1];
                    ids[j] = ids[j - 1];
                }
                values[j] = v;
                ids[j] = id;
            }
            return;
        }
        const std::uint64_t first = bits(least), span = bits(most) - first;
        unsigned by = 0;
        while ((span >> by) >= size / 2)
            ++by;
        const auto part = [&](std::size_t i) { return std::size_t((bits(values[i]) - first) >> by); };
        // This split's bounds sit above those of the splits it is within.
        const std::size_t base = scratch.bounds.size(), parts = (span >> by) + 1;
        scratch.bounds.resize(base + parts + 1, 0);
        const auto bound = [&](std::size_t k) -> std::uint32_t& { return scratch.bounds[base + k]; };
        for (std::size_t i = from; i < to; ++i)
            ++bound(part(i) + 1);
        for (std::size_t k = 1; k <= parts; ++k)
            bound(k) += bound(k - 1);
        scratch.values.resize(size);
        scratch.ids.resize(size);
        for (std::size_t i = from; i < to; ++i) {
            const std::uint32_t at = bound(part(i))++;
            scratch.values[at] = values[i];
            scratch.ids[at] = ids[i];
        }
        for (std::size_t i = 0; i < size; ++i) {
            values[from + i] = scratch.values[i];
            ids[from + i] = scratch.ids[i];
        }
        // Each bound moved on to the next one's start, as in the table's own build.
        for (std::size_t k = parts; k > 0; --k)
            bound(k) = bound(k - 1);
        bound(0) = 0;
        for (std::size_t k = 0; k < parts; ++k)
            if (bound(k + 1) > bound(k) + 1)
                order(from + bound(k), from + bound(k + 1), scratch);
        scratch.bounds.resize(base);
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
        std::size_t i = starts[key(v)];
        while (values[i] < v)
            ++i;
        return i;
    }
};

// Each list of pairs sorted on its first use, once whichever threads search:
// a search that needs only one of them never waits for the other.
struct PartIndex::Pairs {
    struct Lazy {
        std::once_flag built;
        std::atomic<const Sorted*> ready{nullptr};
        std::unique_ptr<Sorted> sorted;
    };
    Lazy series, parallel;
};

PartIndex::PartIndex(std::vector<Part> parts)
    : parts_(std::move(parts))
{
    if (parts_.empty())
        return;
    const auto n = static_cast<std::uint32_t>(parts_.size());
    values_
        = std::make_unique<Sorted>(n, double(parts_.front().value), double(parts_.back().value), [this, n](auto&& f) {
              for (std::uint32_t i = 0; i < n; ++i)
                  f(double(parts_[i].value), i);
          });
    pairs_ = std::make_unique<Pairs>();
}

const PartIndex::Sorted& PartIndex::pairs(bool parallel) const
{
    Pairs::Lazy& lazy = parallel ? pairs_->parallel : pairs_->series;
    std::call_once(lazy.built, [this, parallel, &lazy] {
        const auto n = static_cast<std::uint32_t>(parts_.size());
        std::vector<double> v(n);
        for (std::uint32_t i = 0; i < n; ++i)
            v[i] = double(parts_[i].value);
        // Each value grows with each part, so the first part twice gives the
        // least and the last twice the most. Made a larger part at a time,
        // each with every smaller one: most of them lie close above it (or
        // below, in parallel), so they fill few buckets, one after another.
        const auto sorted = [&v, n](auto combine) {
            return std::make_unique<Sorted>(std::size_t(n) * (n + 1) / 2, combine(v.front(), v.front()),
                combine(v.back(), v.back()), [&v, n, combine](auto&& f) {
                    for (std::uint32_t j = 0; j < n; ++j) {
                        const double b = v[j];
                        for (std::uint32_t i = 0; i <= j; ++i)
                            f(combine(v[i], b), pairId(i, j));
                    }
                });
        };
        lazy.sorted = parallel ? sorted(par) : sorted([](double a, double b) { return a + b; });
        lazy.ready.store(lazy.sorted.get(), std::memory_order_release);
    });
    return *lazy.sorted;
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

// The lists: none (alone), the parts, the pairs in series, the pairs in
// parallel; the pairs beside no more than a part are met along the parts.
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

// The earliest shape a walk meets: once that one is settled, so are the rest.
constexpr Shape firstOf(Walk walk)
{
    Shape first = Shape::ParallelNested4;
    for (const Row& r : rows)
        if (r.walk == walk && r.shape < first)
            first = r.shape;
    return first;
}

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

    // The same for the pairs of two parts, met along the parts alone:
    // inverse(least, most) gives the pair values whose networks lie within
    // the bound. The larger of two in series lies between half such a value
    // and all of it, the smaller of two in parallel between all of it and
    // twice it; for each such part, the other is found by halving and walked
    // outward. offer(i, j) takes the two parts' positions in s.
    template <Join pair, class Inverse, class Value, class Offer>
    [[gnu::always_inline]] inline void aroundPairs(
        const PartIndex::Sorted& s, Inverse inverse, Value value, Offer offer)
    {
        const double t = double(target_), bound = this->bound(), least = t * (1 - bound), most = t * (1 + bound);
        const auto [low, high] = inverse(least, most);
        // Room for the rounding of a part with itself.
        const double slack = 1e-12, from = (pair == Join::Series ? low / 2 : low) * (1 - slack),
                     to = (pair == Join::Series ? high : 2 * high) * (1 + slack);
        const std::size_t n = s.values.size();
        std::size_t near = n;
        for (std::size_t k = s.lowerBound(from); k < n && s.values[k] <= to; ++k) {
            const double x = s.values[k];
            const auto network = [&](std::size_t i) { return value(joined<pair>(x, s.values[i])); };
            const auto within = [&](std::size_t i) {
                const double v = network(i);
                return v >= least && v <= most;
            };
            // The other part: not larger in series, not smaller in parallel.
            // Its place moves a little from one x to the next, halving only for the first.
            const std::size_t first = pair == Join::Series ? 0 : k, last = pair == Join::Series ? k + 1 : n;
            std::size_t lo = std::clamp(near, first, last);
            if (near == n) {
                std::size_t hi = last;
                while (lo < hi) {
                    const std::size_t mid = lo + (hi - lo) / 2;
                    if (network(mid) < t)
                        lo = mid + 1;
                    else
                        hi = mid;
                }
            }
            while (lo > first && network(lo - 1) >= t)
                --lo;
            while (lo < last && network(lo) < t)
                ++lo;
            near = lo;
            for (std::size_t i = lo; i < last && within(i); ++i)
                offer(k, i);
            for (std::size_t i = lo; i-- > first && within(i);)
                offer(k, i);
        }
    }

    // Whether no network of shape s or a later one can enter: the count kept
    // all meet the target exactly, the last of them in an earlier shape, and
    // at equal deviation the earlier shape ranks first (fewer parts first).
    // Typed values often are met so, and then the largest walks, or all but
    // the first of four parts, are not needed at all. Only when ranking by
    // deviation: with a wanted tolerance, one that deviates more may rank first.
    bool settled(Shape s) const
    {
        const Network* last = best_.last();
        return !conditions_.within && last != nullptr && last->deviation == 0 && last->shape < s;
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
        return answers(inside_, best_, count_, conditions_.within.has_value(), wanted_, [this](Network& n) {
            tolerances(n);
            rate(
                n, conditions_.within, wanted_, [&] { return worstOf(n, parts_, conditions_); },
                [&] { return yieldOf(n, parts_, target_, conditions_, *conditions_.within); });
        });
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
    const PartIndex::Sorted& ones = *index.values_;

    forRows<Walk::Alone, Join::Series, List::None>([&](auto at) __attribute__((always_inline)) {
        constexpr Row r = rows[at];
        if (entryOf(rules, r.shape).parts > maxParts)
            return;
        if constexpr (r.inner == List::Parts)
            search.around(
                ones, ones.lowerBound(t), [](double y) { return y; },
                [&](std::uint32_t id) { search.offer(r.shape, {search.part(id)}); });
        else
            search.aroundPairs<r.inner == List::Sums ? Join::Series : Join::Parallel>(
                ones, [](double least, double most) { return std::make_pair(least, most); }, [](double y) { return y; },
                [&](std::size_t i, std::size_t j) {
                    search.offer(r.shape, {search.part(ones.ids[i]), search.part(ones.ids[j])});
                });
    });
    if (maxParts < 3 || search.settled(Shape::Series3))
        return search.take();

    // A part beside a pair: in series below the target, in parallel above it.
    // Once a search of four parts has sorted a list of pairs (an index that
    // lives on, as a window's does), each part looks them up in it; a fresh
    // one meets them along the parts rather than sort some 900 000 pairs.
    const PartIndex::Sorted *keptSums = index.pairs_->series.ready.load(std::memory_order_acquire),
                            *keptPars = index.pairs_->parallel.ready.load(std::memory_order_acquire);
    for (std::uint32_t i = 0; i < ones.values.size(); ++i) {
        const double a = ones.values[i];
        const Milli pa = search.part(ones.ids[i]);
        const auto beside = [&](auto join) __attribute__((always_inline))
        {
            constexpr Join outer = decltype(join)::value;
            forRows<Walk::PartPair, outer, List::Parts>([&](auto at) __attribute__((always_inline)) {
                constexpr Row r = rows[at];
                if (const PartIndex::Sorted* kept = r.inner == List::Sums ? keptSums : keptPars) {
                    const PartIndex::Sorted& s = *kept;
                    search.around(
                        s, s.lowerBound(complement<outer>(t, a)), [=](double v) { return joined<outer>(a, v); },
                        [&](std::uint32_t p) {
                            search.offer(r.shape, {pa, search.first(p), search.second(p)});
                        });
                    return;
                }
                search.aroundPairs<r.inner == List::Sums ? Join::Series : Join::Parallel>(
                    ones,
                    [=](double least, double most) {
                        return std::make_pair(complement<outer>(least, a), complement<outer>(most, a));
                    },
                    [=](double v) { return joined<outer>(a, v); },
                    [&](std::size_t j, std::size_t k) {
                        search.offer(r.shape, {pa, search.part(ones.ids[j]), search.part(ones.ids[k])});
                    });
            });
        };
        if (a <= t * (1 + search.bound()))
            beside(std::integral_constant<Join, Join::Series>{});
        if (a >= t * (1 - search.bound()))
            beside(std::integral_constant<Join, Join::Parallel>{});
    }
    if (maxParts < 4 || search.settled(Shape::Series4))
        return search.take();

    // The pairs' lists sorted only once a row that may still enter walks them.
    const auto list = [&](List l) -> const PartIndex::Sorted& {
        return l == List::Parts ? ones : index.pairs(l == List::Parallels);
    };

    // Pair and pair, a row at a time, so that the rows after the first can
    // be settled before they start: x the larger of two in series, at least
    // half the target; the smaller of two in parallel, at most twice it.
    const auto pairs = [&](auto join, auto over) __attribute__((always_inline))
    {
        constexpr Join outer = decltype(join)::value;
        constexpr List walked = decltype(over)::value;
        constexpr double below = outer == Join::Series ? 0.5 : 1, above = outer == Join::Series ? 1 : 2;
        forRows<Walk::PairPair, outer, walked>([&](auto at) __attribute__((always_inline)) {
            constexpr Row r = rows[at];
            constexpr List looked = r.outer == walked ? r.inner : r.outer;
            if (search.settled(r.shape))
                return;
            const PartIndex::Sorted &xs = list(walked), &s = list(looked);
            std::size_t near = 0;
            for (std::size_t k = xs.lowerBound(below * t * (1 - search.bound()));
                 k < xs.values.size() && xs.values[k] <= above * t * (1 + search.bound()) && !search.settled(r.shape);
                 ++k) {
                const double x = xs.values[k];
                const Milli a = search.first(xs.ids[k]), b = search.second(xs.ids[k]);
                // y moves a little from one x to the next.
                search.around(
                    s, near = s.lowerBound(complement<outer>(t, x), near),
                    [x](double v) { return joined<decltype(join)::value>(x, v); },
                    [&](std::uint32_t p) {
                        const Milli c = search.first(p), d = search.second(p);
                        if constexpr (r.outer == walked)
                            search.offer(r.shape, {a, b, c, d});
                        else
                            search.offer(r.shape, {c, d, a, b});
                    });
            }
        });
    };
    pairs(std::integral_constant<Join, Join::Series>{}, std::integral_constant<List, List::Sums>{});
    pairs(std::integral_constant<Join, Join::Parallel>{}, std::integral_constant<List, List::Sums>{});
    pairs(std::integral_constant<Join, Join::Series>{}, std::integral_constant<List, List::Parallels>{});
    pairs(std::integral_constant<Join, Join::Parallel>{}, std::integral_constant<List, List::Parallels>{});

    // A part beside a part and a pair: a + (b ∥ y), b beyond what b ∥ y must
    // come to, or a ∥ (b + y), b below what b + y must come to. Each lookup
    // starts where the last one in its list ended.
    for (std::uint32_t i = 0; i < ones.values.size() && !search.settled(firstOf(Walk::PartPartPair)); ++i) {
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
                if (search.settled(r.shape))
                    return;
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
