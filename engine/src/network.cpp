#include "kelvane/network.h"

#include "kelvane/written.h"

#include "best.h"
#include "builds.h"

#include <algorithm>
#include <atomic>
#include <cmath>
#include <condition_variable>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <exception>
#include <functional>
#include <iterator>
#include <limits>
#include <memory>
#include <mutex>
#include <new>
#include <optional>
#include <system_error>
#include <thread>
#include <type_traits>
#include <utility>

#if defined(__linux__)
#include <sched.h>
#include <sys/mman.h>
#endif

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

inline double par(double x, double y) { return x * y / (x + y); }

// A pair's id holds each part's index in 16 bits.
static_assert(mostParts <= std::size_t{1} << 16, "a pair id holds a part's index in 16 bits");
constexpr std::uint32_t pairId(std::uint32_t i, std::uint32_t j) { return i | j << 16; }
constexpr std::uint32_t firstOfPair(std::uint32_t id) { return id & 0xFFFF; }
constexpr std::uint32_t secondOfPair(std::uint32_t id) { return id >> 16; }

// Calls f(i) for each i from `from` to `to`, a run at a time, each run
// taken from taken, by which the threads sharing a walk count what they
// have taken: a run goes to whichever comes for it first. Between runs, it
// stops once done().
template <class F, class Done>
void inRuns(std::atomic<std::size_t>& taken, std::size_t from, std::size_t to, std::size_t run, F f, Done done)
{
    for (std::size_t at; !done() && (at = from + taken.fetch_add(run, std::memory_order_relaxed)) < to;)
        for (std::size_t i = at; i < std::min(at + run, to); ++i)
            f(i);
}

// The value y that gives v in parallel with x: 0 for v <= 0, infinity where none does.
inline double parallelComplement(double v, double x) { return v <= 0 ? 0 : x > v ? v * x / (x - v) : infinity; }

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

// Zeroed memory for the arrays of one list, all in one block. A list of
// pairs takes megabytes, each page touched first as it is made, and on this
// kind of machine a first touch costs more than what is then written: some
// 0,6 ms a megabyte in pages of 4 KiB, a fifth of that in pages of 2 MiB. So
// on Linux a block of a few megabytes is asked for in huge pages (where the
// system has them on request); elsewhere, and for small ones, it is calloc's.
class Block {
public:
    explicit Block(std::size_t bytes)
    {
#if defined(__linux__) && defined(MADV_HUGEPAGE)
        if (bytes >= hugePage) {
            length_ = (bytes + hugePage - 1) / hugePage * hugePage + hugePage;
            void* m = mmap(nullptr, length_, PROT_READ | PROT_WRITE, MAP_PRIVATE | MAP_ANONYMOUS, -1, 0);
            if (m == MAP_FAILED)
                throw std::bad_alloc();
            mapped_ = m;
            const auto at = (reinterpret_cast<std::uintptr_t>(m) + hugePage - 1) / hugePage * hugePage;
            data_ = reinterpret_cast<void*>(at);
            madvise(data_, length_ - hugePage, MADV_HUGEPAGE); // a request: small pages do too
            return;
        }
#endif
        data_ = std::calloc(std::max<std::size_t>(bytes, 1), 1);
        if (data_ == nullptr)
            throw std::bad_alloc();
    }
    Block(const Block&) = delete;
    Block& operator=(const Block&) = delete;
    ~Block()
    {
#if defined(__linux__) && defined(MADV_HUGEPAGE)
        if (mapped_ != nullptr) {
            munmap(mapped_, length_);
            return;
        }
#endif
        std::free(data_);
    }
    // The block from byte `at` on, as an array of T.
    template <class T> T* at(std::size_t at) const { return reinterpret_cast<T*>(static_cast<char*>(data_) + at); }

private:
    static constexpr std::size_t hugePage = std::size_t{2} << 20;
    void* data_ = nullptr;
    void* mapped_ = nullptr;
    std::size_t length_ = 0;
};

// What each value stands for (a part's index, or a pair's two), in buckets
// over the values' bit patterns, which order positive doubles as the values
// do: a lookup reads the buckets a span of values covers and keeps the
// entries inside it, each value made again from its parts. A bucket holds its
// entries in the order they were made, so the parts, made in order, stay
// sorted, and the pairs are bucketed only, which is all a lookup of a span
// needs. Each run of the command line indexes again, so the build is what it
// waits for: two passes over the pairs (count, then place), and as little
// memory as they can be held in, touched once.
struct PartIndex::Binned {
    // About this many entries a bucket: a lookup reads few beside those it keeps.
    static constexpr std::size_t perBucket = 4;

    static std::uint64_t bits(double v)
    {
        std::uint64_t b;
        std::memcpy(&b, &v, sizeof b);
        return b;
    }

    // Buckets over the bit patterns of the values from least to most, at most
    // about buckets of them: the fewest low bits dropped that give so few.
    // Values beyond least or most (rounded past them) go to the end buckets.
    struct Keys {
        Keys(double from, double to, std::size_t buckets)
            : least(from)
            , most(to)
        {
            const std::uint64_t span = bits(most) - bits(least);
            while ((span >> shift) > buckets)
                ++shift;
            first = bits(least) >> shift;
            last = bits(most) >> shift;
        }
        std::size_t count() const { return static_cast<std::size_t>(last - first + 1); }
        // Without a branch: the comparisons pick least for what is not a number.
        std::size_t operator()(double v) const
        {
            const double above = v > least ? v : least;
            return static_cast<std::size_t>((bits(above < most ? above : most) >> shift) - first);
        }
        double least, most;
        unsigned shift = 0;
        std::uint64_t first = 0, last = 0;
    };

    // What the entries stand for, and the parts' values they are made of.
    enum class Of : std::uint8_t { Parts, Sums, Parallels };
    Of of;
    const double* parts;
    std::size_t count;
    Keys key;
    Keys cell;
    // The arrays below, all in one block.
    Block block;
    // Where each bucket's entries start, and past the last one, where they end.
    std::uint32_t* starts;
    // Whether any value lies in each of many narrow cells, a bit a cell: the
    // spans a search looks up are mostly far narrower than a bucket and hold
    // no value, which one or two bits, few enough to stay in cache, tell.
    static constexpr std::size_t cellsPerEntry = 16;
    std::uint64_t* cells;
    // Left as they come: each is written once, as it is placed.
    std::uint32_t* ids;
    bool filled(std::size_t c) const { return (cells[c / 64] >> (c % 64) & 1) != 0; }

    // each(f) calls f(id, value) for every entry, the same each time, value
    // as valueOf(id) makes it: the entries are made as they are counted and
    // placed, never held apart. least and most are the ids of the entries of
    // least and most value.
    template <class Each>
    Binned(Of what, const double* values, std::size_t entries, std::uint32_t least, std::uint32_t most, Each each)
        : of(what)
        , parts(values)
        , count(entries)
        , key(valueOf(least), valueOf(most), entries / perBucket)
        , cell(key.least, key.most, entries * cellsPerEntry)
        , block(sizeof(std::uint64_t) * words() + sizeof(std::uint32_t) * (buckets() + 1 + entries))
        , starts(block.at<std::uint32_t>(sizeof(std::uint64_t) * words()))
        , cells(block.at<std::uint64_t>(0))
        , ids(starts + buckets() + 1)
    {
        // Each bucket counted into the start of the next, and the counts
        // summed up to the starts. Placing an entry moves its bucket's start
        // on, to the next one's once all are placed, and back they go.
        // The keys and arrays copied: the counts and ids written might
        // otherwise be them, for all the compiler knows, and be read again
        // for every entry.
        const Keys keyOf = key, cellOf = cell;
        std::uint32_t* const start = starts;
        std::uint32_t* const id = ids;
        std::uint64_t* const word = cells;
        each([&](std::uint32_t, double v) { ++start[keyOf(v) + 1]; });
        for (std::size_t k = 1; k <= buckets(); ++k)
            starts[k] += starts[k - 1];
        each([&](std::uint32_t i, double v) {
            id[start[keyOf(v)]++] = i;
            const std::size_t c = cellOf(v);
            word[c / 64] |= std::uint64_t{1} << (c % 64);
        });
        std::copy_backward(starts, starts + buckets(), starts + buckets() + 1);
        starts[0] = 0;
    }

    std::size_t size() const { return count; }
    std::size_t buckets() const { return key.count(); }
    std::size_t words() const { return cell.count() / 64 + 1; }

    double valueOf(std::uint32_t id) const
    {
        switch (of) {
        case Of::Parts: return parts[id];
        case Of::Sums: return parts[firstOfPair(id)] + parts[secondOfPair(id)];
        case Of::Parallels: return par(parts[firstOfPair(id)], parts[secondOfPair(id)]);
        }
        return 0;
    }
    // The value of the entry at i.
    double value(std::size_t i) const { return valueOf(ids[i]); }

    // Whether the cells tell that no value lies within v, which is most
    // often so: written out where it is called, ahead of covered().
    [[gnu::always_inline]] inline bool surelyEmpty(const Span& v) const
    {
        const std::size_t c0 = cell(v.min), c1 = cell(v.max);
        return c1 - c0 < 2 && !filled(c0) && (c1 == c0 || !filled(c1));
    }

    // Where the entries of the buckets v covers start and end, none where
    // the cells tell that none lies within it.
    std::pair<std::size_t, std::size_t> covered(const Span& v) const
    {
        if (!(v.min <= v.max) || v.max < key.least || v.min > key.most)
            return {0, 0};
        if (surelyEmpty(v))
            return {0, 0};
        return {starts[key(v.min)], starts[key(v.max) + 1]};
    }

    // Calls f(i) for each entry i whose value lies within v.
    template <class F> [[gnu::always_inline]] inline void within(const Span& v, F f) const
    {
        const auto [from, to] = covered(v);
        for (std::size_t i = from; i < to; ++i)
            if (const double x = value(i); x >= v.min && x <= v.max)
                f(std::uint32_t(i));
    }

    // The same for threads that share the walk, each taking the next run of
    // entries from taken, which counts them for all alike; f(i, value).
    template <class F> void within(const Span& v, std::atomic<std::size_t>& taken, F f) const
    {
        const auto [from, to] = covered(v);
        inRuns(
            taken, from, to, 256,
            [&](std::size_t i) {
                if (const double x = value(i); x >= v.min && x <= v.max)
                    f(std::uint32_t(i), x);
            },
            [] { return false; });
    }

    // For entries made in order, as the parts are: the first position whose
    // value is not below v.
    std::size_t lowerBound(double v) const
    {
        std::size_t i = starts[key(v)];
        while (i < size() && value(i) < v)
            ++i;
        return i;
    }
};

// The parts' values, and each list of pairs made on its first use, once
// whichever threads search.
struct PartIndex::Pairs {
    std::vector<double> values;
    struct Lazy {
        std::once_flag built;
        std::atomic<const Binned*> ready{nullptr};
        std::unique_ptr<Binned> binned;
    };
    Lazy series, parallel;
};

PartIndex::PartIndex(std::vector<Part> parts)
    : parts_(std::move(parts))
{
    if (parts_.empty())
        return;
    const auto n = static_cast<std::uint32_t>(parts_.size());
    pairs_ = std::make_unique<Pairs>();
    std::vector<double>& v = pairs_->values;
    for (const Part& p : parts_)
        v.push_back(double(p.value));
    values_ = std::make_unique<Binned>(Binned::Of::Parts, v.data(), n, 0, n - 1, [n, &v](auto&& f) {
        for (std::uint32_t i = 0; i < n; ++i)
            f(i, v[i]);
    });
}

const PartIndex::Binned& PartIndex::pairs(bool parallel) const
{
    Pairs::Lazy& lazy = parallel ? pairs_->parallel : pairs_->series;
    std::call_once(lazy.built, [this, parallel, &lazy] {
        const auto n = static_cast<std::uint32_t>(parts_.size());
        // Each value grows with each part, so the first part twice gives the
        // least and the last twice the most. Made a part at a time with each
        // it meets in turn, near the values made just before: in series a
        // larger part with every smaller one, which lie within an octave above
        // it, in parallel a smaller one with every larger one, within an
        // octave below it. Each value is made as valueOf makes it again.
        lazy.binned = std::make_unique<Binned>(parallel ? Binned::Of::Parallels : Binned::Of::Sums,
            pairs_->values.data(), std::size_t(n) * (n + 1) / 2, pairId(0, 0), pairId(n - 1, n - 1),
            [n, parallel, v = pairs_->values.data()](auto&& f) {
                if (parallel)
                    for (std::uint32_t i = 0; i < n; ++i)
                        for (std::uint32_t j = i; j < n; ++j)
                            f(pairId(i, j), par(v[i], v[j]));
                else
                    for (std::uint32_t j = 0; j < n; ++j)
                        for (std::uint32_t i = 0; i <= j; ++i)
                            f(pairId(i, j), v[i] + v[j]);
            });
        lazy.ready.store(lazy.binned.get(), std::memory_order_release);
    });
    return *lazy.binned;
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

// The y that joined to x gives v.
template <Join join> double complement(double v, double x)
{
    return join == Join::Series ? v - x : parallelComplement(v, x);
}

// Far above the rounding of the few operations a span passes through, far
// below any deviation that tells networks apart.
constexpr double roundingRoom = 1e-12;
inline Span widened(const Span& s)
{
    return {s.min - std::abs(s.min) * roundingRoom, s.max + std::abs(s.max) * roundingRoom};
}

// The values y that joined to x give a value within v, each end the
// complement of one of v's: a value joined to x grows with it.
template <Join join> inline Span beside(const Span& v, double x)
{
    const double low = complement<join>(v.min, x), high = complement<join>(v.max, x);
    // In parallel neither end is below 0, so no sign is asked for.
    if constexpr (join == Join::Parallel)
        return {low * (1 - roundingRoom), high * (1 + roundingRoom)};
    return widened({low, high});
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

// The shape after which what a search kept settles its walks: where the
// count kept all meet the target exactly, no network of a later shape than
// the last of them can enter, since at equal deviation the earlier shape
// ranks first (fewer parts first). Past every shape while they do not.
int settledAfter(const Best<Network>& kept)
{
    const Network* last = kept.last();
    return last != nullptr && last->deviation == 0 ? static_cast<int>(last->shape) : static_cast<int>(shapeCount);
}

// The networks that meet the target exactly, as the threads of a search find
// them, each into a search of its own: once count of them are found in shapes
// before s, by whichever thread, no network of s or a later shape can enter
// the answers the threads' searches give merged, so neither walks them.
class Exact {
public:
    explicit Exact(std::size_t count)
        : found_(count)
    {
    }
    void offer(const Network& n)
    {
        const std::lock_guard<std::mutex> lock(mutex_);
        found_.offer(n);
        after_.store(settledAfter(found_), std::memory_order_relaxed);
    }
    bool settled(Shape s) const { return after_.load(std::memory_order_relaxed) < static_cast<int>(s); }

private:
    std::mutex mutex_;
    Best<Network> found_; // none but exact ones
    std::atomic<int> after_{static_cast<int>(shapeCount)};
};

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
        , admitted_(admits())
    {
    }

    Milli part(std::uint32_t i) const { return parts_[i].value; }
    Milli first(std::uint32_t id) const { return part(firstOfPair(id)); }
    Milli second(std::uint32_t id) const { return part(secondOfPair(id)); }

    // The network values the bound lets in, a rounding wider: asked for at
    // every step of the walks, made again only as a network is offered.
    const Span& admitted() const { return admitted_; }

    // Offers the entries of s whose values lie within y: those whose
    // networks the bound lets in, the network's value moving one way with y.
    template <class Offer>
    [[gnu::always_inline]] inline void offerWithin(const PartIndex::Binned& s, const Span& y, Offer offer)
    {
        s.within(y, [&](std::uint32_t i) { offer(s.ids[i]); });
    }

    // The same for the pairs of two parts met along the parts alone, whose
    // value joined as pair lies within v: the larger of two in series lies
    // between half such a value and all of it, the smaller of two in parallel
    // between all of it and twice it, and for each such part the spans of the
    // other follow. offer(i, j) takes the two parts' positions in s.
    template <Join pair, class Offer>
    [[gnu::always_inline]] inline void offerPairs(const PartIndex::Binned& s, const Span& v, Offer offer)
    {
        const double from = pair == Join::Series ? v.min / 2 : v.min, to = pair == Join::Series ? v.max : 2 * v.max;
        const Span xs = widened({from, to});
        for (std::size_t k = s.lowerBound(xs.min); k < s.size() && s.value(k) <= xs.max; ++k)
            s.within(beside<pair>(v, s.value(k)), [&](std::uint32_t i) {
                // The other part: not larger in series, not smaller in parallel.
                if (pair == Join::Series ? i <= k : i >= k)
                    offer(k, i);
            });
    }

    // Takes in what another search kept.
    void merge(Search&& other)
    {
        best_.merge(std::move(other.best_));
        inside_.merge(std::move(other.inside_));
        admitted_ = admits();
    }

    // Whether no network of shape s or a later one can enter (settledAfter).
    // Typed values often are met so, and then the largest walks, or all but
    // the first of four parts, are not needed at all. Only when ranking by
    // deviation: with a wanted tolerance, one that deviates more may rank first.
    // Shared with another thread's search, exact ones count for both.
    bool settled(Shape s) const
    {
        return !conditions_.within
            && (settledAfter(best_) < static_cast<int>(s) || (exact_ != nullptr && exact_->settled(s)));
    }

    // From now on tells e of the exact networks it meets, and first of those
    // it has met.
    void share(Exact& e)
    {
        exact_ = &e;
        for (const Network& n : best_.kept())
            if (n.deviation == 0)
                e.offer(n);
    }

    void offer(Shape s, const std::array<Milli, 4>& parts)
    {
        const Network n = makeNetwork(s, parts, target_);
        best_.offer(n);
        if (exact_ != nullptr && n.deviation == 0 && !conditions_.within)
            exact_->offer(n);
        inside_.offer(n, wanted_, [&] { return worstOf(n, parts_, conditions_); });
        admitted_ = admits();
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

    Span admits() const
    {
        const double t = double(target_), b = std::max(best_.bound(), inside_.bound());
        return widened({t * (1 - b), t * (1 + b)});
    }

    const std::vector<Part>& parts_;
    Milli target_;
    const Conditions& conditions_;
    Span wanted_;
    std::size_t count_;
    Best<Network> best_;
    Inside<Network> inside_;
    Span admitted_;
    Exact* exact_ = nullptr;
};

// A thread started on a processor that another thread of the search runs
// on has been seen here to share it for milliseconds, until the system moved
// one of them to an idle one. The second thread is kept off the first's.
#if defined(__linux__)
// The processor this thread runs on, -1 where unknown.
inline int currentCpu() { return sched_getcpu(); }
// Keeps this thread off processor cpu, where it may run elsewhere.
inline void keepOff(int cpu)
{
    cpu_set_t allowed;
    if (cpu < 0 || cpu >= CPU_SETSIZE || sched_getaffinity(0, sizeof allowed, &allowed) != 0)
        return;
    CPU_CLR(cpu, &allowed);
    if (CPU_COUNT(&allowed) > 0)
        sched_setaffinity(0, sizeof allowed, &allowed);
}
#else
inline int currentCpu() { return -1; }
inline void keepOff(int) { }
#endif

// A second thread for a search of three or four parts, asked for as the
// search begins, so that it is running by the time the parts beside pairs
// need it: a thread the system is asked for only then may start
// milliseconds late. It does the work it is given, one piece at a time. Work
// it has not come for by the time the search needs it done is taken back
// (the search's own thread has then done it all); told the search needs no
// more, it ends, and until it comes for work, all it shares with the search
// is its state, which it co-owns. It runs beside the search's own thread,
// on another processor where there is one.
class Helper {
public:
    Helper()
        : state_(std::make_shared<State>())
    {
        try {
            std::thread([state = state_, beside = currentCpu()] {
                keepOff(beside);
                state->run();
            }).detach();
        } catch (const std::system_error&) {
            state_.reset();
        }
    }
    Helper(const Helper&) = delete;
    Helper& operator=(const Helper&) = delete;
    ~Helper()
    {
        if (state_ == nullptr)
            return;
        std::unique_lock<std::mutex> lock(state_->mutex);
        state_->dropped = true;
        state_->work = nullptr;
        state_->changed.notify_all();
        state_->changed.wait(lock, [this] { return !state_->busy; });
    }

    void give(std::function<void()> work)
    {
        if (state_ == nullptr)
            return;
        const std::lock_guard<std::mutex> lock(state_->mutex);
        state_->work = std::move(work);
        state_->changed.notify_all();
    }

    // Once this thread has done its own share of the work given: whether the
    // helper did its share; false where it had not come for it, and then it
    // never will. What the work threw, it throws here.
    bool join()
    {
        if (state_ == nullptr)
            return false;
        std::unique_lock<std::mutex> lock(state_->mutex);
        if (state_->work) {
            state_->work = nullptr;
            return false;
        }
        state_->changed.wait(lock, [this] { return !state_->busy; });
        if (const std::exception_ptr failed = std::exchange(state_->failed, nullptr))
            std::rethrow_exception(failed);
        return true;
    }

private:
    struct State {
        void run()
        {
            std::unique_lock<std::mutex> lock(mutex);
            for (;;) {
                changed.wait(lock, [this] { return work || dropped; });
                if (!work)
                    return;
                const std::function<void()> job = std::exchange(work, nullptr);
                busy = true;
                lock.unlock();
                try {
                    job();
                } catch (...) {
                    failed = std::current_exception();
                }
                lock.lock();
                busy = false;
                changed.notify_all();
            }
        }
        std::mutex mutex;
        std::condition_variable changed;
        std::function<void()> work;
        bool busy = false, dropped = false;
        std::exception_ptr failed;
    };

    std::shared_ptr<State> state_;
};

// The shapes of three parts, for the parts this search takes.
void threeParts(Search& search, const PartIndex::Binned& ones, const PartIndex::Binned* keptSums,
    const PartIndex::Binned* keptPars, std::atomic<std::size_t>& taken)
{
    // A part beside a pair: in series below the target, in parallel above it.
    // Once a search of four parts has made a list of pairs (an index that
    // lives on, as a window's does), each part looks them up in it; a fresh
    // one meets them along the parts rather than make some 900 000 pairs.
    const auto each = [&](std::size_t i) __attribute__((always_inline))
    {
        const double a = ones.value(i);
        const Milli pa = search.part(ones.ids[i]);
        const auto with = [&](auto join) __attribute__((always_inline))
        {
            constexpr Join outer = decltype(join)::value;
            forRows<Walk::PartPair, outer, List::Parts>([&](auto at) __attribute__((always_inline)) {
                constexpr Row r = rows[at];
                const Span y = beside<outer>(search.admitted(), a);
                if (const PartIndex::Binned* kept = r.inner == List::Sums ? keptSums : keptPars) {
                    search.offerWithin(*kept, y, [&](std::uint32_t p) {
                        search.offer(r.shape, {pa, search.first(p), search.second(p)});
                    });
                    return;
                }
                search.offerPairs<r.inner == List::Sums ? Join::Series : Join::Parallel>(
                    ones, y, [&](std::size_t j, std::size_t k) {
                        search.offer(r.shape, {pa, search.part(ones.ids[j]), search.part(ones.ids[k])});
                    });
            });
        };
        const Span v = search.admitted();
        if (a <= v.max)
            with(std::integral_constant<Join, Join::Series>{});
        if (a >= v.min)
            with(std::integral_constant<Join, Join::Parallel>{});
    };
    inRuns(taken, 0, ones.size(), 8, each, [] { return false; });
}

// The lists a search of four parts walks, each part or pair a value.
struct Lists {
    const PartIndex::Binned &ones, &sums, &parallels;
    const PartIndex::Binned& operator()(List l) const
    {
        return l == List::Parts ? ones : l == List::Sums ? sums : parallels;
    }
};

// What the threads walking four parts share: for each outer loop, how many
// of its values they have taken between them (a walk of pairs for each row
// and list, one of parts for each list looked up), and the values the bound
// let in when they began, which gives each walk of pairs the same span for all.
struct Taken {
    explicit Taken(const Span& first)
        : admitted(first)
    {
    }
    std::atomic<std::size_t> pairs[2 * shapeCount]{}, parts[2]{};
    Span admitted;
};

// The shapes of four parts, for the values of each outer loop this search
// takes. The lookups go to random places all over a list, each too large for
// a core's own cache, and the cores share the rest of the way to memory: so
// each thread first does the lookups in its own list (`own`), which then
// stays in its cache, and only then takes what is left of the other's.
void fourParts(Search& search, const Lists& list, Taken& taken, List own)
{
    const PartIndex::Binned& ones = list.ones;
    const List looks[] = {own, own == List::Sums ? List::Parallels : List::Sums};

    // Pair and pair, a row at a time, so that the rows after the first can
    // be settled before they start: x the larger of two in series, at least
    // half the target; the smaller of two in parallel, at most twice it.
    const auto pairs = [&](auto join, auto over, List into) __attribute__((always_inline))
    {
        constexpr Join outer = decltype(join)::value;
        constexpr List walked = decltype(over)::value;
        constexpr double below = outer == Join::Series ? 0.5 : 1, above = outer == Join::Series ? 1 : 2;
        forRows<Walk::PairPair, outer, walked>([&](auto at) __attribute__((always_inline)) {
            constexpr Row r = rows[at];
            constexpr List looked = r.outer == walked ? r.inner : r.outer;
            if (looked != into || search.settled(r.shape))
                return;
            const PartIndex::Binned &xs = list(walked), &s = list(looked);
            xs.within(widened({below * taken.admitted.min, above * taken.admitted.max}),
                taken.pairs[2 * at + (walked == List::Parallels)], [&](std::uint32_t k, double x) {
                    const Span v = search.admitted();
                    if (x < below * v.min || x > above * v.max || search.settled(r.shape))
                        return;
                    const Milli a = search.first(xs.ids[k]), b = search.second(xs.ids[k]);
                    search.offerWithin(s, beside<outer>(v, x), [&](std::uint32_t p) {
                        const Milli c = search.first(p), d = search.second(p);
                        if constexpr (r.outer == walked)
                            search.offer(r.shape, {a, b, c, d});
                        else
                            search.offer(r.shape, {c, d, a, b});
                    });
                });
        });
    };
    for (const List into : looks) {
        pairs(std::integral_constant<Join, Join::Series>{}, std::integral_constant<List, List::Sums>{}, into);
        pairs(std::integral_constant<Join, Join::Parallel>{}, std::integral_constant<List, List::Sums>{}, into);
        pairs(std::integral_constant<Join, Join::Series>{}, std::integral_constant<List, List::Parallels>{}, into);
        pairs(std::integral_constant<Join, Join::Parallel>{}, std::integral_constant<List, List::Parallels>{}, into);
    }

    // A part beside a part and a pair: a + (b ∥ y), b beyond what b ∥ y must
    // come to, or a ∥ (b + y), b below what b + y must come to; y's span
    // follows from a's and b's, and the rows that look up into one list walk
    // their own b's.
    const double* value = &ones.parts[0];
    for (const List into : looks) {
        const auto each = [&](std::size_t i) __attribute__((always_inline))
        {
            const double a = value[i];
            const Milli pa = search.part(std::uint32_t(i));
            const auto with
                = [&](auto join, const Span& rest, std::size_t from, std::size_t to) __attribute__((always_inline))
            {
                constexpr Join outer = decltype(join)::value;
                constexpr Join inner = outer == Join::Series ? Join::Parallel : Join::Series;
                forRows<Walk::PartPartPair, outer, List::Parts>([&](auto at) __attribute__((always_inline)) {
                    constexpr Row r = rows[at];
                    if (r.inner != into || search.settled(r.shape))
                        return;
                    std::size_t first = from, last = to;
                    if constexpr (r.prune == Prune::Triple) {
                        // From near the bound, found by value, to the bound the
                        // comparison itself draws.
                        if (outer == Join::Series) {
                            last = std::clamp(ones.lowerBound(3 * rest.max), first, last);
                            while (last < to && !(value[last] > 3 * rest.max))
                                ++last;
                            while (last > first && value[last - 1] > 3 * rest.max)
                                --last;
                        } else {
                            first = std::clamp(ones.lowerBound(rest.min / 3), first, last);
                            while (first > from && !(3 * value[first - 1] < rest.min))
                                --first;
                            while (first < last && 3 * value[first] < rest.min)
                                ++first;
                        }
                    }
                    const PartIndex::Binned& s = list(r.inner);
                    for (std::size_t j = first; j < last; ++j)
                        if (const Span y = beside<inner>(rest, value[j]); !s.surelyEmpty(y))
                            s.within(y, [&](std::uint32_t p) {
                                search.offer(r.shape,
                                    {pa, search.part(std::uint32_t(j)), search.first(s.ids[p]),
                                        search.second(s.ids[p])});
                            });
                });
            };
            const Span v = search.admitted();
            if (a <= v.max) {
                const Span rest = beside<Join::Series>(v, a);
                with(std::integral_constant<Join, Join::Series>{}, rest, ones.lowerBound(rest.min), ones.size());
            }
            if (a >= v.min) {
                const Span rest = beside<Join::Parallel>(v, a);
                std::size_t to = ones.lowerBound(rest.max);
                while (to < ones.size() && value[to] <= rest.max)
                    ++to;
                with(std::integral_constant<Join, Join::Parallel>{}, rest, 0, to);
            }
        };
        inRuns(taken.parts[into == List::Parallels], 0, ones.size(), 8, each,
            [&] { return search.settled(firstOf(Walk::PartPartPair)); });
    }
}

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
    const PartIndex::Binned& ones = *index.values_;
    // Four parts walked side by side (below); what the two threads share is
    // made before the second, so that it outlives whatever ends the search.
    const auto lists = [&](bool parallel) {
        const PartIndex::Binned& first = index.pairs(parallel);
        const PartIndex::Binned& second = index.pairs(!parallel);
        return parallel ? Lists{ones, second, first} : Lists{ones, first, second};
    };
    // The lists of pairs an earlier search of four parts made (threeParts).
    const PartIndex::Binned *keptSums = index.pairs_->series.ready.load(std::memory_order_acquire),
                            *keptPars = index.pairs_->parallel.ready.load(std::memory_order_acquire);
    std::atomic<std::size_t> partsTaken{0};
    std::optional<Search> other;
    std::optional<Taken> taken;
    std::optional<Exact> exact;
    std::optional<Helper> helper;
    if (maxParts >= 3)
        helper.emplace();

    forRows<Walk::Alone, Join::Series, List::None>([&](auto at) __attribute__((always_inline)) {
        constexpr Row r = rows[at];
        if (entryOf(rules, r.shape).parts > maxParts)
            return;
        if constexpr (r.inner == List::Parts)
            search.offerWithin(
                ones, search.admitted(), [&](std::uint32_t id) { search.offer(r.shape, {search.part(id)}); });
        else
            search.offerPairs<r.inner == List::Sums ? Join::Series : Join::Parallel>(
                ones, search.admitted(), [&](std::size_t i, std::size_t j) {
                    search.offer(r.shape, {search.part(ones.ids[i]), search.part(ones.ids[j])});
                });
    });
    if (maxParts < 3 || search.settled(Shape::Series3))
        return search.take();

    other.emplace(search);
    helper->give([&] { threeParts(*other, ones, keptSums, keptPars, partsTaken); });
    threeParts(search, ones, keptSums, keptPars, partsTaken);
    if (helper->join())
        search.merge(std::move(*other));
    if (maxParts < 4 || search.settled(Shape::Series4))
        return search.take();

    // Four parts walked side by side: each thread takes the values of each
    // outer loop a run at a time, as it comes for them, into a search of its
    // own, which starts from what this one found of up to three parts, and the
    // two merged give what one search of them all would; a thread that starts
    // late takes fewer. Each first makes a list of pairs, and takes the other
    // once made (or makes it, if the other thread has not begun).
    exact.emplace(count);
    search.share(*exact);
    other.emplace(search);
    taken.emplace(search.admitted());
    helper->give([&] { fourParts(*other, lists(false), *taken, List::Sums); });
    fourParts(search, lists(true), *taken, List::Parallels);
    if (helper->join())
        search.merge(std::move(*other));
    return search.take();
}

} // namespace kelvane
