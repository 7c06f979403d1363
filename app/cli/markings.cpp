// read and series: what a printed code stands for, and where a value stands
// in the series, as the Markings window says them.
#include "commands.h"
#include "json.h"
#include "options.h"
#include "translation.h"
#include "wording.h"

#include <kelvane/marking.h>
#include <kelvane/series.h>
#include <kelvane/value.h>
#include <kelvane/written.h>

#include <optional>
#include <string>
#include <variant>

namespace cli {

using kelvane::Milli;

namespace {

std::string seriesText(Milli value, bool resistor)
{
    if (value == 0)
        return {};
    const kelvane::Standing s = kelvane::standing(value);
    if (s.series)
        return kelvane::tableOf(*s.series).name;
    if (s.around.above == 0)
        return tr(wording::codesContext, wording::notStandardAlone);
    return arg(tr(wording::codesContext, wording::notStandard),
        {kelvane::tableOf(s.nearest).name, kelvane::written(s.around.below, resistor),
            kelvane::written(s.around.above, resistor)});
}

// The kind of each code for scripts. Indexed by kelvane::Code.
constexpr const char* codeKeys[] = {"3-digit", "4-digit", "letter", "EIA-96", "zero-ohm", "pF"};

} // namespace

// The range a marking or a series look-up takes, as the line to print.
std::string outsideMarked(std::string_view typed, bool resistor)
{
    return said(wording::outsideBelow,
        {echo(typed), kelvane::written(kelvane::smallestMarked(resistor), resistor),
            kelvane::written(kelvane::markedLimit, resistor)});
}

int read(const Args& a)
{
    if (a.words.empty())
        return misused(said(wording::missing, {"CODE"}));
    if (a.words.size() > 1)
        return misused(said(wording::unexpected, {echo(a.words[1])}));
    const bool resistor = a.resistor();
    const auto result = kelvane::readMarking(a.words[0], resistor);
    if (const auto* error = std::get_if<kelvane::MarkingError>(&result))
        return fail(*error == kelvane::MarkingError::OutOfRange
                ? outsideMarked(a.words[0], resistor)
                : echo(a.words[0]) + ": " + tr(wording::codesContext, wording::textOf(wording::markingErrors, *error)));
    json::Writer document;
    document.array();
    for (const kelvane::Reading& r : std::get<std::vector<kelvane::Reading>>(result)) {
        const std::string text = kelvane::written(r.value, resistor);
        if (a.json()) {
            const auto series = kelvane::coarsestSeries(r.value);
            document.object()
                .key("value")
                .exact(r.value)
                .key("text")
                .string(text)
                .key("code")
                .string(wording::textOf(codeKeys, r.code))
                .key("tolerance")
                .stringOrNull(r.tolerance ? std::optional<std::string>(r.tolerance->text) : std::nullopt)
                .key("series")
                .stringOrNull(series ? std::optional<std::string>(kelvane::tableOf(*series).name) : std::nullopt)
                .end();
            continue;
        }
        std::string line = text + "\t" + tr(wording::codesContext, wording::textOf(wording::codeNames, r.code));
        if (r.tolerance)
            line += std::string(", ") + r.tolerance->text;
        if (const std::string s = seriesText(r.value, resistor); !s.empty())
            line += "\t" + s;
        print(line);
    }
    if (a.json())
        print(document.end());
    return 0;
}

int series(const Args& a)
{
    if (a.words.empty())
        return misused(said(wording::missing, {"VALUE"}));
    const std::string typed = joined(a.words);
    const bool resistor = a.resistor();
    const auto parsed = kelvane::parseValue(typed, resistor);
    const auto* value = std::get_if<Milli>(&parsed);
    if (!value && std::get<kelvane::ValueError>(parsed) == kelvane::ValueError::NotAValue)
        return fail(echo(typed) + ": " + tr(wording::valuesContext, wording::notAValue));
    if (!value || *value < kelvane::smallestMarked(resistor) || *value >= kelvane::markedLimit)
        return fail(outsideMarked(typed, resistor));
    if (!a.json()) {
        print(seriesText(*value, resistor));
        return 0;
    }
    const kelvane::Standing s = kelvane::standing(*value);
    print(json::Writer()
              .object()
              .key("value")
              .exact(*value)
              .key("series")
              .stringOrNull(s.series ? std::optional<std::string>(kelvane::tableOf(*s.series).name) : std::nullopt)
              .key("below")
              .exactOrNull(s.series ? std::nullopt : std::optional(s.around.below))
              .key("above")
              .exactOrNull(s.series ? std::nullopt : std::optional(s.around.above))
              .end());
    return 0;
}

} // namespace cli
