// A regulator's feedback divider: R1 from the output to the pin, R2 from
// the pin to ground, from the same parts and within the same total as a
// divider. For each R2 the R1 that gives the wanted output is looked up
// among the sorted parts and the walk outward stops where the deviation
// passes the K-th best so far, as for dividers; the worst case also spans
// the reference's range, and a build draws the reference as it does a part.
#pragma once

#include "kelvane/divider.h"
#include "kelvane/indexed.h"
#include "kelvane/parts.h"
#include "kelvane/spread.h"
#include "kelvane/units.h"

#include <cstddef>
#include <cstdint>
#include <optional>
#include <variant>
#include <vector>

namespace kelvane {

// Feedback: Vout = Vref × (1 + R1/R2) + I × R1, the pin at Vref (most
// switchers and LDOs). Adjust: Vout = Vref × (1 + R2/R1) + I × R2, Vref
// between the output and the pin, R1 across it (LM317-like).
enum class RegulatorKind : std::uint8_t { Feedback, Adjust };
template <> inline constexpr std::size_t enumCount<RegulatorKind> = static_cast<std::size_t>(RegulatorKind::Adjust) + 1;

struct Reference {
    double typical = 0;            // volts
    double tolerance = 0;          // a fraction either way, drawn as a part's
    std::optional<Span> between{}; // instead its minimum and maximum, drawn uniform between them
};

struct RegulatorWanted {
    RegulatorKind kind = RegulatorKind::Feedback;
    Reference vref;
    double current = 0; // amperes into the pin: Ifb or Iadj
    double vout = 0;
    Milli leastTotal = 0; // R1 + R2 within these, both included
    Milli mostTotal = 0;
    std::size_t count = 10;
};

double regulatorOutput(RegulatorKind kind, double vref, double current, double r1, double r2); // r in ohms

// Best first, as dividers are ranked; low and high with the reference at
// its typical value, the worst case over its range.
std::variant<std::vector<Divider>, DividerError> findRegulators(
    const std::vector<Part>& parts, const RegulatorWanted& w, const Conditions& c = {});

// A regulator's worst case and its yield within ±within of the wanted
// output, its parts as they are among parts (looked up by value).
Span worstOf(const Divider& d, const std::vector<Part>& parts, const RegulatorWanted& w, const Conditions& c);
Estimate yieldOf(
    const Divider& d, const std::vector<Part>& parts, const RegulatorWanted& w, const Conditions& c, double within);

} // namespace kelvane
