#include "kelvane/regulator.h"

#include "twoparts.h"

#include <cmath>

namespace kelvane {

double regulatorOutput(RegulatorKind kind, double vref, double current, double r1, double r2)
{
    return kind == RegulatorKind::Feedback ? vref * (1 + r1 / r2) + current * r1 : vref * (1 + r2 / r1) + current * r2;
}

namespace {

// R1, R2 and the reference: about its typical value by its tolerance, or
// uniform between its minimum and maximum.
std::array<Input, 3> inputsOf(
    const Divider& d, const std::vector<Part>& parts, const RegulatorWanted& w, const Conditions& c)
{
    const auto [r1, r2] = partInputs(d, parts, c);
    const Reference& v = w.vref;
    const Input vref = v.between ? Input{(v.between->min + v.between->max) / 2,
                           (v.between->max - v.between->min) / (v.between->max + v.between->min), 0, true}
                                 : Input{v.typical, v.tolerance, 0, false};
    return {r1, r2, vref};
}

// The inputs in thousandths of an ohm and volts.
auto outputOf(const RegulatorWanted& w)
{
    return [kind = w.kind, current = w.current](
               const double* v) { return regulatorOutput(kind, v[2], current, v[0] / 1000, v[1] / 1000); };
}

bool usableReference(const RegulatorWanted& w)
{
    const Reference& v = w.vref;
    return v.typical > 0 && std::isfinite(v.typical) && v.tolerance >= 0 && v.tolerance < 1
        && (!v.between || (v.between->min > 0 && v.between->min <= v.typical && v.typical <= v.between->max))
        && w.current >= 0 && std::isfinite(w.current);
}

} // namespace

Span worstOf(const Divider& d, const std::vector<Part>& parts, const RegulatorWanted& w, const Conditions& c)
{
    return corners(inputsOf(d, parts, w, c).data(), 3, farthestDrift(c.temperature), outputOf(w));
}

Estimate yieldOf(
    const Divider& d, const std::vector<Part>& parts, const RegulatorWanted& w, const Conditions& c, double within)
{
    return builds(inputsOf(d, parts, w, c).data(), 3, c, w.vout, within, outputOf(w));
}

std::variant<std::vector<Divider>, DividerError> findRegulators(
    const std::vector<Part>& parts, const RegulatorWanted& w, const Conditions& c)
{
    if (!usableReference(w))
        return DividerError::BadReference;
    if (!(w.vout > w.vref.typical && std::isfinite(w.vout)))
        return DividerError::OutOfReach;
    if (const auto refused = unsearchable(w.leastTotal, w.mostTotal, c))
        return *refused;
    const Span wanted = wantedSpan(w.vout, c.within.value_or(0));
    const double vref = w.vref.typical, rise = w.vout - vref;
    // R1 for R2 from Vout = Vref (1 + R1/R2) + I R1, or Vout = Vref (1 + R2/R1) + I R2; in ohms.
    const auto exact = [&](Milli r2) {
        const double lower = double(r2) / 1000;
        if (w.kind == RegulatorKind::Feedback)
            return rise / (vref / lower + w.current) * 1000;
        const double across = rise - w.current * lower;
        return across > 0 ? vref * lower / across * 1000 : 1e18;
    };
    return twoParts(
        parts, w.leastTotal, w.mostTotal, w.count, w.vout, c,
        [&](Milli r1, Milli r2) {
            return regulatorOutput(w.kind, vref, w.current, double(r1) / 1000, double(r2) / 1000);
        },
        exact, [&](const Divider& d) { return worstOf(d, parts, w, c); },
        [&](Divider& d) {
            // The parts' tolerance at 25 °C about the typical reference.
            std::array<Input, 3> at25 = inputsOf(d, parts, w, c);
            at25[2] = {vref, 0, 0, false};
            const Span tolerance = corners(at25.data(), 3, 0, outputOf(w));
            d.low = tolerance.min;
            d.high = tolerance.max;
            rate(
                d, c.within, wanted, [&] { return worstOf(d, parts, w, c); },
                [&] { return yieldOf(d, parts, w, c, *c.within); });
        });
}

} // namespace kelvane
