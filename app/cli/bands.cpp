// decode and encode: the colour bands of a value, and the value of its bands,
// by the rules of the main window and its dialogs.
#include "commands.h"
#include "json.h"
#include "options.h"
#include "translation.h"
#include "wording.h"

#include <kelvane/bands.h>
#include <kelvane/decode.h>
#include <kelvane/encode.h>
#include <kelvane/palette.h>
#include <kelvane/value.h>

#include <optional>
#include <string>
#include <string_view>
#include <variant>

namespace cli {

using kelvane::Milli;

int decode(const Args& a)
{
    const int bands = a.bands();
    if (bands == 0)
        return badBands();
    const auto count = static_cast<int>(a.words.size());
    if (count < bands - 1)
        return misused(said(wording::missing, {"COLOUR"}));
    if (count > bands)
        return misused(said(wording::unexpected, {echo(a.words[static_cast<std::size_t>(bands)])}));
    kelvane::BandState s;
    s.bandcount = static_cast<std::uint8_t>(bands);
    s.ring4Shown = bands == 5;
    s.resistor = a.resistor();
    const kelvane::ToleranceItem* tolerance = nullptr;
    for (int band = 1; band <= count; ++band) {
        const std::string_view word = a.words[static_cast<std::size_t>(band - 1)];
        const auto hue = hueNamed(word);
        if (!hue)
            return fail(echo(word) + ": " + tr(wording::commandContext, wording::notAColour));
        const kelvane::Colour colour = kelvane::colourOf(*hue);
        bool offered = false;
        if (band == bands) {
            // The tolerance band: the colours of the tolerance dialog.
            for (const kelvane::ToleranceItem& item : kelvane::toleranceList)
                if (item.colour == colour) {
                    tolerance = &item;
                    offered = true;
                }
        } else {
            offered = kelvane::panelsFor(band, bands).test(static_cast<std::size_t>(*hue));
            s.colour(band) = colour;
            s.digit(band) = kelvane::valueOf(*hue);
        }
        if (!offered)
            return fail(said(wording::bandCannotBe, {std::to_string(band), colourName(*hue)}));
    }
    const Milli value = kelvane::bandValue(s);
    const std::string text = kelvane::written(value, s.resistor);
    if (a.json())
        print(json::Writer()
                  .object()
                  .key("value")
                  .exact(value)
                  .key("text")
                  .string(text)
                  .key("tolerance")
                  .stringOrNull(tolerance ? std::optional<std::string>(tolerance->text) : std::nullopt)
                  .end());
    else
        print(tolerance ? text + " \u00B1" + tolerance->text : text);
    return 0;
}

int encode(const Args& a)
{
    const int bands = a.bands();
    if (bands == 0)
        return badBands();
    if (a.words.empty())
        return misused(said(wording::missing, {"VALUE"}));
    if (a.words.size() > 2)
        return misused(said(wording::unexpected, {echo(a.words[2])}));
    const bool resistor = a.resistor();
    std::optional<kelvane::Unit> unit = kelvane::Unit::One;
    if (a.words.size() == 2) {
        unit.reset();
        for (int u = 0; u < 3; ++u)
            if (fold(a.words[1]) == fold(kelvane::unitName(resistor, static_cast<kelvane::Unit>(u)))
                || (!resistor && u == 2 && fold(a.words[1]) == "uf"))
                unit = static_cast<kelvane::Unit>(u);
    }
    const auto rounding = a.has("--up") ? kelvane::Rounding::Up : kelvane::Rounding::Nearest;
    std::string entry(a.words[0]);
    if (!unit || !kelvane::parseEntry(entry)) {
        // A typed value, "4k7", "2u2", "4.7 k", "4.7e3": it must be whole ohms (pF).
        const std::string typed = a.words.size() == 2 ? entry + " " + std::string(a.words[1]) : entry;
        const auto value = kelvane::parseValue(typed, resistor);
        const auto* milli = std::get_if<Milli>(&value);
        entry = milli && *milli % 1000 == 0 ? std::to_string(*milli / 1000) : std::string();
        unit = kelvane::Unit::One;
    }
    const auto result = kelvane::encode(entry, *unit, rounding, bands);
    const auto* e = std::get_if<kelvane::Encoding>(&result);
    if (!e)
        return fail(tr(wording::mainContext, wording::entryError));
    kelvane::BandState s;
    s.bandcount = static_cast<std::uint8_t>(bands);
    s.ring4Shown = bands == 5;
    s.resistor = resistor;
    kelvane::applyEncoding(s, *e);
    const Milli value = kelvane::bandValue(s);
    const std::string text = kelvane::written(value, resistor);
    if (a.json()) {
        json::Writer document;
        document.object().key("value").exact(value).key("text").string(text).key("colours").array();
        for (int band = 1; band < bands; ++band)
            document.string(wording::textOf(wording::colourNames, *kelvane::hueOf(s.colour(band))));
        print(document.end().end());
        return 0;
    }
    std::string names;
    for (int band = 1; band < bands; ++band)
        names += (band > 1 ? ", " : "") + colourName(*kelvane::hueOf(s.colour(band)));
    print(text + ": " + names);
    return 0;
}

} // namespace cli
