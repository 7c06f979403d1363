// Networks of one to four resistors that come nearest a value. A part set is
// indexed once: its values in order, and every pair of them in series, and
// in parallel, each list made the first time a search of four parts needs
// it, in buckets of near values (up to three parts are met along the values
// alone; once as many networks as are asked for meet the value exactly, the
// shapes after the last of them are not walked at all).
// A search then meets the target from both sides, walking a table with a row
// for each shape: a part, or a part beside a pair of parts, met along the
// values for up to three, pair against pair, and part and part against the
// pairs for four. Each lookup asks for the span of values whose networks
// deviate no further than the K-th best found so far, which the network's
// value, growing with each part, gives. The walks of three and four parts
// are shared between two threads, each with a search of its own, merged at
// the end.
// Asked for a wanted tolerance, it keeps beside them the K nearest whose
// worst case lies within it, whose deviation that tolerance bounds, and ranks
// those first (spread.h).
#pragma once

#include "kelvane/indexed.h"
#include "kelvane/parts.h"
#include "kelvane/spread.h"
#include "kelvane/units.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <variant>
#include <vector>

namespace kelvane {

// Every series-parallel arrangement of up to four parts, a to d in the order
// the parts are held; fewer parts first.
enum class Shape : std::uint8_t {
    One,               // a
    Series2,           // a + b
    Parallel2,         // a ∥ b
    Series3,           // a + b + c
    Parallel3,         // a ∥ b ∥ c
    SeriesParallel3,   // a + (b ∥ c)
    ParallelSeries3,   // a ∥ (b + c)
    Series4,           // a + b + c + d
    Parallel4,         // a ∥ b ∥ c ∥ d
    SeriesPair4,       // a + b + (c ∥ d)
    ParallelPair4,     // a ∥ b ∥ (c + d)
    SeriesTriple4,     // a + (b ∥ c ∥ d)
    ParallelTriple4,   // a ∥ (b + c + d)
    ParallelOfSeries4, // (a + b) ∥ (c + d)
    SeriesOfParallel4, // (a ∥ b) + (c ∥ d)
    SeriesNested4,     // a + (b ∥ (c + d))
    ParallelNested4,   // a ∥ (b + (c ∥ d))
};
template <> inline constexpr std::size_t enumCount<Shape> = static_cast<std::size_t>(Shape::ParallelNested4) + 1;
inline constexpr std::size_t shapeCount = enumCount<Shape>;

std::size_t partCount(Shape s);

// The network's value for its parts' values, in any unit.
double networkValue(Shape s, const std::array<double, 4>& parts);

struct Network {
    Shape shape = Shape::One;
    std::array<Milli, 4> parts{};    // in the canonical order; zero past partCount
    double value = 0;                // thousandths of an ohm
    double deviation = 0;            // value / target - 1
    double low = 0;                  // every part at the low edge of its tolerance
    double high = 0;                 // and at the high edge
    Span worst{};                    // every part anywhere within its tolerance and coefficient over the range
    std::optional<Estimate> yield{}; // with a wanted tolerance only
};

// The network of these parts in canonical order (parts that may change places
// largest first), with its value and deviation; low and high left at 0.
Network makeNetwork(Shape s, std::array<Milli, 4> parts, Milli target);

// A total order: the smaller |deviation|, then fewer parts, then shape and parts.
bool ranksBefore(const Network& x, const Network& y);

// With a wanted tolerance, wanted the values it takes: those whose worst
// case lies within it first, then the higher yield, then as ranksBefore.
bool ranksBeforeWithin(const Network& x, const Network& y, const Span& wanted);

// How a shape is written, a to d standing for its parts: "a + (b ∥ c)" (UTF-8).
const char* formOf(Shape s);

// As people write it: "4,7 Kohm + (10 Kohm ∥ 150 ohm)".
std::string written(const Network& n);

enum class NetworkError : std::uint8_t {
    BadTarget,     // the target not above 0
    BadSize,       // at most 0 or more than 4 parts, or a count of 0
    BadConditions, // conditions not usable (spread.h)
};

class PartIndex {
public:
    // parts as parts.h gives them: sorted, one entry a value.
    explicit PartIndex(std::vector<Part> parts);
    ~PartIndex();
    PartIndex(PartIndex&&) noexcept;
    PartIndex& operator=(PartIndex&&) noexcept;

    const std::vector<Part>& parts() const { return parts_; }

    struct Binned;
    struct Pairs;

private:
    friend std::variant<std::vector<Network>, NetworkError> findNetworks(
        const PartIndex&, Milli, std::size_t, std::size_t, const Conditions&);
    // The pairs in series, or in parallel, made on the first call.
    const Binned& pairs(bool parallel) const;
    std::vector<Part> parts_;
    std::unique_ptr<Binned> values_;
    std::unique_ptr<Pairs> pairs_;
};

// The count best networks of 1 to maxParts (up to 4) parts for a target > 0,
// best first, each with its tolerance range, its worst case under the
// conditions and, with c.within, its yield, ranked by ranksBeforeWithin;
// none from an empty index.
std::variant<std::vector<Network>, NetworkError> findNetworks(
    const PartIndex& index, Milli target, std::size_t maxParts, std::size_t count, const Conditions& c = {});

// A network's worst case and its yield within ±within of the target, for its
// parts as they are among parts (looked up by value), as findNetworks gives them.
Span worstOf(const Network& n, const std::vector<Part>& parts, const Conditions& c);
Estimate yieldOf(const Network& n, const std::vector<Part>& parts, Milli target, const Conditions& c, double within);

} // namespace kelvane
