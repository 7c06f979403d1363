// A bill of materials as a schematic editor or an assembly house writes it:
// lines of fields apart at commas, semicolons or tabs, quoted with " or ' or
// not at all, under a header line that names a value column (the lines
// above it, such as a BOM script's "Source:" and "Date:", are its preamble).
// Each line after the header is read into its references, each told by its
// prefix (or, with no reference column, by its footprint) as a resistor, a
// capacitor or a part listed apart, and its value as typed values are read
// with the tolerance and voltage a BOM adds to it ("4K7 1%", "10uF/25V").
// The resistors and capacitors are then gathered by value.
#pragma once

#include "kelvane/indexed.h"
#include "kelvane/units.h"

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

namespace kelvane {

// A value of the BOM and the parts that take it, resistors first, each kind by value.
struct BomValue {
    Milli value = 0; // 0 for a zero-ohm link
    bool resistor = true;
    std::vector<std::string> references; // in file order
    std::size_t quantity = 0;
    // A part that serves every line: the closest tolerance (a fraction) and
    // the highest voltage (thousandths of a volt) they ask for, where any does.
    std::optional<double> tolerance;
    std::optional<Milli> voltage;
};

enum class ApartReason : std::uint8_t {
    NotResistorOrCapacitor,
    Array,         // RN
    Trimmer,       // RV
    DoNotPopulate, // a DNP column, or DNP as the value
};
template <>
inline constexpr std::size_t enumCount<ApartReason> = static_cast<std::size_t>(ApartReason::DoNotPopulate) + 1;

// The references of a line that share a reason to be listed apart.
struct BomApart {
    std::size_t line; // from 1
    std::vector<std::string> references;
    std::string value; // as the file writes it
    ApartReason reason;
};

enum class BomLineError : std::uint8_t {
    NotText,       // NUL bytes or invalid UTF-8
    UnclosedQuote, // a quoted field that does not end on its line
    MissingField,  // fewer fields than the header's columns that are read
    NoReference,   // no reference, nor a footprint that tells the part
    BadReference,  // a range that runs backwards, across prefixes or too far
    NoValue,       // a resistor or capacitor with an empty value
    NotAValue,     // a value, tolerance or voltage that does not read
    OutOfRange,    // a value above largestPart or finer than a thousandth
    BadQuantity,   // a quantity that is no whole number or differs from the references
};
template <>
inline constexpr std::size_t enumCount<BomLineError> = static_cast<std::size_t>(BomLineError::BadQuantity) + 1;

struct BomLineProblem {
    std::size_t line; // from 1
    std::string text; // the line, as valid UTF-8
    BomLineError error;
};

struct Bom {
    std::size_t header = 0; // the header's line; those above it are the preamble
    std::vector<BomValue> values;
    std::vector<BomApart> apart;        // in line order
    std::vector<BomLineProblem> unread; // in line order, one a line
};

enum class BomError : std::uint8_t {
    Empty,    // nothing but blank lines
    NoHeader, // no line names a value column
};
template <> inline constexpr std::size_t enumCount<BomError> = static_cast<std::size_t>(BomError::NoHeader) + 1;

// The most references a BOM may expand to: ranges beyond it are BadReference.
inline constexpr std::size_t mostReferences = 100'000;

// Lines end in LF, CRLF or CR; a UTF-8 byte-order mark at the start is skipped.
std::variant<Bom, BomError> readBom(std::string_view text);

} // namespace kelvane
