// labels (of values, a series, a parts file or a bill of materials), a
// sheet's calibration page and the chart: the print job, checked here and
// drawn by the window program, which this process becomes. A job
// is calibrated only as its options say, whatever the windows keep.
#include "commands.h"
#include "options.h"
#include "printjob.h"
#include "translation.h"
#include "wording.h"

#include <kelvane/bom.h>
#include <kelvane/marking.h>
#include <kelvane/parts.h>
#include <kelvane/sheet.h>
#include <kelvane/value.h>

#include <cmath>
#include <cstdlib>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <variant>
#include <vector>

namespace cli {

using kelvane::Milli;

namespace {

// "1.5,-0.8": two decimal numbers from least to most, or the option's default.
std::optional<std::pair<double, double>> pairOption(
    const Args& a, const char* name, double byDefault, double least, double most)
{
    const auto text = a.value(name);
    if (!text)
        return std::pair(byDefault, byDefault);
    const std::size_t comma = text->find(',');
    if (comma == std::string_view::npos)
        return std::nullopt;
    const auto number = [least, most](std::string_view part) -> std::optional<double> {
        // Only a decimal number: strtod would also take "inf", "nan" and hexadecimal.
        const std::string t(part);
        if (t.empty() || t.find_first_not_of("0123456789.eE+-") != std::string::npos)
            return std::nullopt;
        char* end = nullptr;
        const double v = std::strtod(t.c_str(), &end);
        if (end != t.c_str() + t.size() || !(v >= least && v <= most))
            return std::nullopt;
        return v;
    };
    const auto x = number(text->substr(0, comma)), y = number(text->substr(comma + 1));
    if (!x || !y)
        return std::nullopt;
    return std::pair(*x, *y);
}

int badPair(const char* name, int least, int most)
{
    return misused(said(wording::takesPair, {name, std::to_string(least), std::to_string(most)}));
}

} // namespace

// The window program writes the PDF, on the offscreen platform: labels and
// chart are drawn by the windows' own code.
int labels(const Args& a)
{
    const auto output = a.value("--output");
    if (!output)
        return misused(said(wording::missing, {"-o FILE.pdf"}));
    const auto sheet = kelvane::sheetNamed(a.value("--sheet").value_or("A4-21"));
    if (!sheet)
        return misused(said(wording::takesOneOf, {"--sheet", choices(kelvane::sheets)}));
    const auto offset = pairOption(a, "--offset", 0, -kelvane::largestOffset, kelvane::largestOffset);
    if (!offset)
        return badPair("--offset", -static_cast<int>(kelvane::largestOffset), static_cast<int>(kelvane::largestOffset));
    const auto scale = pairOption(a, "--scale", 100, kelvane::smallestScale, kelvane::largestScale);
    if (!scale)
        return badPair("--scale", static_cast<int>(kelvane::smallestScale), static_cast<int>(kelvane::largestScale));
    const kelvane::Calibration calibration{offset->first, offset->second, scale->first, scale->second};
    if (a.has("--calibration")) {
        for (const char* other : {"--bands", "--start", "--series", "--parts", "--bom", "--from", "--to"})
            if (a.has(other))
                return misused(said(wording::unexpected, {other}));
        if (!a.words.empty())
            return misused(said(wording::unexpected, {echo(a.words[0])}));
        PrintJob job{PrintJob::What::CalibrationPage, std::string(*output), {*sheet, BandChoice::Both, {}}};
        job.labels.calibration = calibration;
        return handOver(arguments(job));
    }
    const auto bands = bandChoiceNamed(a.value("--bands").value_or("both"));
    if (!bands)
        return misused(said(wording::takesOneOf, {"--bands", "4, 5, both"}));
    const std::size_t perSheet = kelvane::labelsPerPage(kelvane::sheets[*sheet]);
    const auto start = wholeOption(a, "--start", 1, perSheet);
    if (!start)
        return badWhole("--start", perSheet);
    PrintJob job{PrintJob::What::Labels, std::string(*output), {*sheet, *bands, {}, *start, calibration}};
    if (const auto file = a.value("--bom")) {
        for (const char* other : {"--series", "--parts", "--from", "--to"})
            if (a.has(other))
                return misused(said(wording::unexpected, {other}));
        if (!a.words.empty())
            return misused(said(wording::unexpected, {echo(a.words[0])}));
        const auto read = bomFile(*file);
        if (const auto* status = std::get_if<int>(&read))
            return *status;
        const kelvane::Bom& b = std::get<kelvane::Bom>(read);
        for (const kelvane::BomLineProblem& p : b.unread)
            complain(echo(*file) + ":" + std::to_string(p.line) + ": "
                + tr(wording::valuesContext, wording::textOf(wording::bomLineErrors, p.error)));
        if (b.values.empty())
            return fail(said(wording::noPart, {echo(*file)}));
        job.labels.parts = labelParts(b);
        return handOver(arguments(job));
    }
    const bool listed = a.has("--series") || a.has("--parts") || a.has("--from") || a.has("--to");
    if (listed && !a.words.empty())
        return misused(said(wording::valuesOrList, {echo(a.words[0])}));
    if (!listed && a.words.empty())
        return misused(said(wording::missing, {"VALUE"}));
    std::vector<kelvane::Part> parts;
    if (listed) {
        const auto found = partsOf(a, "--from", "--to");
        if (const auto* status = std::get_if<int>(&found))
            return *status;
        parts = std::get<std::vector<kelvane::Part>>(found);
    }
    for (std::string_view word : a.words) {
        const auto v = resistance(word);
        if (const auto* why = std::get_if<std::string>(&v))
            return fail(*why);
        if (std::get<Milli>(v) >= kelvane::markedLimit)
            return fail(outsideMarked(word, true));
        parts.push_back({std::get<Milli>(v), 0});
    }
    job.labels.parts = labelParts(parts);
    return handOver(arguments(job));
}

int chart(const Args& a)
{
    const auto output = a.value("--output");
    if (!output)
        return misused(said(wording::missing, {"-o FILE.pdf"}));
    if (!a.words.empty())
        return misused(said(wording::unexpected, {echo(a.words[0])}));
    return handOver(arguments({PrintJob::What::Chart, std::string(*output), {}}));
}

} // namespace cli
