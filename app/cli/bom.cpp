// bom: a bill of materials read by the engine, and for each of its resistor
// and capacitor values what a person stocking or checking it asks: its
// references and quantity, its bands and codes, its series and, for a value
// in none up to the chosen one, the nearest values and the best network of
// two of that series' parts. Then the parts listed apart and the lines not
// read; as text in the program's language, or as JSON.
#include "commands.h"
#include "json.h"
#include "options.h"
#include "translation.h"
#include "wording.h"

#include <kelvane/bom.h>
#include <kelvane/encode.h>
#include <kelvane/marking.h>
#include <kelvane/nearest.h>
#include <kelvane/network.h>
#include <kelvane/parts.h>
#include <kelvane/series.h>
#include <kelvane/tolerance.h>
#include <kelvane/written.h>

#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <variant>
#include <vector>

namespace cli {

using kelvane::Milli;

namespace {

// Band colours, tolerance last where the value gives one; none for a capacitor or a value they cannot carry.
std::vector<kelvane::Hue> bandHues(const kelvane::BomValue& v, int count)
{
    std::vector<kelvane::Hue> hues;
    const auto b = v.resistor ? kelvane::bandsOf(v.value, count) : std::nullopt;
    if (!b)
        return hues;
    for (int band = 0; band < count - 1; ++band)
        hues.push_back(*kelvane::hueOf(b->encoding.ring[static_cast<std::size_t>(band)]));
    if (const auto t = v.tolerance ? kelvane::toleranceColour(*v.tolerance) : std::nullopt)
        hues.push_back(*kelvane::hueOf(*t));
    return hues;
}

std::vector<std::string> codesOf(const kelvane::BomValue& v)
{
    if (v.value < kelvane::smallestMarked(v.resistor) || v.value >= kelvane::markedLimit)
        return {};
    return kelvane::listedCodes(kelvane::markingsOf(v.value, v.resistor));
}

std::string listed(const std::vector<std::string>& items)
{
    std::string all;
    for (const std::string& i : items)
        all += (all.empty() ? "" : ", ") + i;
    return all;
}

// What a value in no series up to the chosen one is offered instead.
struct Instead {
    std::optional<kelvane::Nearest> nearest;
    std::optional<kelvane::Network> network;
};

class Offers {
public:
    explicit Offers(kelvane::Series s)
        : series_(s)
    {
    }

    Instead of(const kelvane::BomValue& v)
    {
        const auto coarsest = kelvane::coarsestSeries(v.value);
        if (coarsest && *coarsest <= series_)
            return {};
        Instead i;
        if (const auto all = kelvane::nearestValues(v.value))
            i.nearest = (*all)[static_cast<std::size_t>(series_)];
        if (!v.resistor || v.value <= 0)
            return i;
        // The series' parts are indexed once, for the first value that asks.
        if (!index_) {
            auto parts = kelvane::seriesParts(series_, kelvane::defaultLowest, kelvane::defaultHighest, {});
            index_ = std::make_unique<kelvane::PartIndex>(std::move(std::get<std::vector<kelvane::Part>>(parts)));
        }
        const auto found = kelvane::findNetworks(*index_, v.value, 2, 1);
        if (const auto* best = std::get_if<std::vector<kelvane::Network>>(&found); best && !best->empty())
            i.network = best->front();
        return i;
    }

private:
    kelvane::Series series_;
    std::unique_ptr<kelvane::PartIndex> index_;
};

std::string heading(const kelvane::BomValue& v)
{
    std::string text = kelvane::written(v.value, v.resistor);
    if (v.tolerance)
        text += " \u00B1" + kelvane::writtenNumber(*v.tolerance * 100, 3) + " %";
    if (v.voltage)
        text += ", " + kelvane::writtenNumber(static_cast<double>(*v.voltage) / 1000, 4) + " V";
    return text;
}

void printValue(const kelvane::BomValue& v, const Instead& instead)
{
    print(heading(v) + "\t\u00D7" + std::to_string(v.quantity) + "\t" + listed(v.references));
    const auto series = kelvane::coarsestSeries(v.value);
    // A zero-ohm link is in no series, nor out of one.
    if (v.value > 0)
        print("  "
            + (series ? std::string(kelvane::tableOf(*series).name)
                      : tr(wording::codesContext, wording::notStandardAlone)));
    for (int count : {4, 5}) {
        std::vector<std::string> names;
        for (kelvane::Hue h : bandHues(v, count))
            names.push_back(colourName(h));
        if (!names.empty())
            print("  " + said(wording::bomBands, {std::to_string(count), listed(names)}));
    }
    if (const auto codes = codesOf(v); !codes.empty())
        print("  " + said(wording::bomCodes, {listed(codes)}));
    if (const auto& n = instead.nearest)
        print("  "
            + said(wording::bomNearest,
                {kelvane::tableOf(n->series).name, kelvane::written(n->below, v.resistor),
                    kelvane::writtenPercent(n->belowDeviation), kelvane::written(n->above, v.resistor),
                    kelvane::writtenPercent(n->aboveDeviation)}));
    if (const auto& n = instead.network)
        print("  " + said(wording::bomNetwork, {kelvane::written(*n), kelvane::writtenPercent(n->deviation)}));
}

void writeValue(json::Writer& document, const kelvane::BomValue& v, const Instead& instead)
{
    const auto series = kelvane::coarsestSeries(v.value);
    document.object()
        .key("value")
        .exact(v.value)
        .key("kind")
        .string(v.resistor ? "resistor" : "capacitor")
        .key("text")
        .string(kelvane::written(v.value, v.resistor))
        .key("references")
        .array();
    for (const std::string& r : v.references)
        document.string(r);
    document.end().key("quantity").exact(static_cast<Milli>(v.quantity) * 1000).key("tolerance");
    if (v.tolerance)
        document.real(*v.tolerance);
    else
        document.null();
    document.key("voltage").exactOrNull(v.voltage).key("series").stringOrNull(
        series ? std::optional<std::string>(kelvane::tableOf(*series).name) : std::nullopt);
    for (int count : {4, 5}) {
        document.key(count == 4 ? "bands4" : "bands5");
        const auto hues = bandHues(v, count);
        if (hues.empty()) {
            document.null();
            continue;
        }
        document.array();
        for (kelvane::Hue h : hues)
            document.string(wording::textOf(wording::colourNames, h));
        document.end();
    }
    document.key("codes").array();
    for (const std::string& c : codesOf(v))
        document.string(c);
    document.end().key("nearest");
    if (const auto& n = instead.nearest)
        document.object()
            .key("series")
            .string(kelvane::tableOf(n->series).name)
            .key("below")
            .exact(n->below)
            .key("above")
            .exact(n->above)
            .end();
    else
        document.null();
    document.key("network");
    if (const auto& n = instead.network) {
        std::size_t at = 0;
        document.object().key("value").real(n->value / 1000).key("error").real(n->deviation).key("network");
        writeNetwork(document, *n, kelvane::formOf(n->shape), at);
        document.end();
    } else {
        document.null();
    }
    document.end();
}

// The keys of the reasons for scripts. Indexed by kelvane::ApartReason and kelvane::BomLineError.
constexpr const char* apartKeys[] = {"not-resistor-or-capacitor", "array", "trimmer", "dnp"};
static_assert(std::size(apartKeys) == kelvane::enumCount<kelvane::ApartReason>);
constexpr const char* lineKeys[] = {"not-text", "unclosed-quote", "missing-field", "no-reference", "bad-reference",
    "no-value", "not-a-value", "out-of-range", "bad-quantity"};
static_assert(std::size(lineKeys) == kelvane::enumCount<kelvane::BomLineError>);

} // namespace

std::variant<kelvane::Bom, int> bomFile(std::string_view name)
{
    const FileText file = fileText(name);
    if (!file.problem.empty())
        return fail(file.problem);
    auto read = kelvane::readBom(file.text);
    if (const auto* error = std::get_if<kelvane::BomError>(&read))
        return fail(arg(tr(wording::valuesContext, wording::textOf(wording::bomErrors, *error)), {echo(name)}));
    return std::move(std::get<kelvane::Bom>(read));
}

int bom(const Args& a)
{
    if (a.words.empty())
        return misused(said(wording::missing, {"FILE"}));
    if (a.words.size() > 1)
        return misused(said(wording::unexpected, {echo(a.words[1])}));
    const kelvane::SeriesTable* table = seriesOption(a);
    if (!table)
        return misused(said(wording::takesOneOf, {"--series", choices(kelvane::seriesTables)}));
    const auto read = bomFile(a.words[0]);
    if (const auto* status = std::get_if<int>(&read))
        return *status;
    const kelvane::Bom& b = std::get<kelvane::Bom>(read);
    Offers offers(static_cast<kelvane::Series>(table - kelvane::seriesTables.data()));

    if (!a.json()) {
        for (const kelvane::BomValue& v : b.values)
            printValue(v, offers.of(v));
        if (!b.apart.empty())
            print(said(wording::bomApart, {}));
        for (const kelvane::BomApart& p : b.apart)
            print("  " + listed(p.references) + (p.value.empty() ? "" : "\t" + echo(p.value)) + "\t"
                + tr(wording::valuesContext, wording::textOf(wording::apartReasons, p.reason)));
        if (!b.unread.empty())
            print(said(wording::bomUnread, {}));
        for (const kelvane::BomLineProblem& p : b.unread)
            print("  "
                + said(wording::bomLine,
                    {std::to_string(p.line),
                        tr(wording::valuesContext, wording::textOf(wording::bomLineErrors, p.error))})
                + "\t" + echo(p.text));
        return 0;
    }
    json::Writer document;
    document.object().key("values").array();
    for (const kelvane::BomValue& v : b.values)
        writeValue(document, v, offers.of(v));
    document.end().key("apart").array();
    for (const kelvane::BomApart& p : b.apart) {
        document.object().key("line").exact(static_cast<Milli>(p.line) * 1000).key("references").array();
        for (const std::string& r : p.references)
            document.string(r);
        document.end().key("value").string(p.value).key("reason").string(wording::textOf(apartKeys, p.reason)).end();
    }
    document.end().key("unread").array();
    for (const kelvane::BomLineProblem& p : b.unread)
        document.object()
            .key("line")
            .exact(static_cast<Milli>(p.line) * 1000)
            .key("text")
            .string(p.text)
            .key("reason")
            .string(wording::textOf(lineKeys, p.error))
            .end();
    print(document.end().end());
    return 0;
}

} // namespace cli
