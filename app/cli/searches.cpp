// find, divide and regulator: networks of one to four parts for a
// resistance, dividers for a ratio and a regulator's feedback divider for an
// output, drawn from a series or a parts file (partsOf, which labels takes
// too), under the conditions the spread options give; the answers as lines
// with computed numbers rounded for the terminal, or as JSON.
#include "commands.h"
#include "json.h"
#include "options.h"
#include "translation.h"
#include "wording.h"

#include <kelvane/divider.h>
#include <kelvane/network.h>
#include <kelvane/parts.h>
#include <kelvane/regulator.h>
#include <kelvane/series.h>
#include <kelvane/spread.h>
#include <kelvane/tolerance.h>
#include <kelvane/value.h>
#include <kelvane/written.h>

#include <algorithm>
#include <array>
#include <cerrno>
#include <cmath>
#include <filesystem>
#include <fstream>
#include <optional>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

namespace cli {

using kelvane::Milli;

namespace {

// A computed value to four significant digits.
std::string shownValue(double milli) { return kelvane::written(kelvane::roundedValue(milli), true); }

// A parts file's parts: each line that is not read is reported with its
// number, and the others are used.
std::variant<std::vector<kelvane::Part>, std::string> partsFile(std::string_view name, double tolerance)
{
    const FileText file = fileText(name);
    if (!file.problem.empty())
        return file.problem;
    const kelvane::PartsText read = kelvane::readParts(file.text, tolerance);
    for (const kelvane::PartsLineProblem& p : read.wrong)
        complain(echo(name) + ":" + std::to_string(p.line) + ": "
            + tr(wording::valuesContext, wording::textOf(wording::partsLineErrors, p.error)));
    return read.parts;
}

constexpr std::size_t mostShown = 1000;

struct Named {
    const char* name;
};
constexpr auto spreadNames = kelvane::indexedBy<kelvane::Spread, Named>({{"normal"}, {"uniform"}});
constexpr auto kindNames = kelvane::indexedBy<kelvane::RegulatorKind, Named>({{"feedback"}, {"adjust"}});

// The entry of a table that --name names, the first when not given; nullopt for a name of none.
template <typename Enum, typename Table>
std::optional<Enum> namedOption(const Args& a, const char* name, const Table& table)
{
    const std::string_view typed = a.value(name).value_or(table.front().name);
    for (std::size_t i = 0; i < table.size(); ++i)
        if (fold(typed) == fold(table[i].name))
            return static_cast<Enum>(i);
    return std::nullopt;
}

// A percentage option above 0 and below 100 as a fraction: nullopt when not
// given, 0 for one that is none.
std::optional<double> percentOption(const Args& a, const char* name)
{
    const auto t = a.value(name);
    if (!t)
        return std::nullopt;
    const std::size_t sign = t->find('%');
    const auto p = positive(t->substr(0, sign));
    return p && *p < 100 && (sign == std::string_view::npos || sign + 1 == t->size()) ? *p / 100 : 0;
}

// The conditions the spread options give, or the status to end with, its reason printed.
std::variant<kelvane::Conditions, int> conditionsOf(const Args& a)
{
    kelvane::Conditions c;
    if (const auto t = a.value("--tempco")) {
        const auto v = decimal(*t);
        if (!v || *v < 0 || *v > kelvane::mostTempco)
            return misused(
                said(wording::takesNumber, {"--tempco", "0", kelvane::writtenNumber(kelvane::mostTempco, 6)}));
        c.tempco = v;
    }
    if (const auto t = a.value("--temp")) {
        const std::size_t dots = t->find("..", 1);
        const auto low = decimal(t->substr(0, dots)),
                   high = dots == std::string_view::npos ? std::nullopt : decimal(t->substr(dots + 2));
        c.temperature = {low.value_or(NAN), high.value_or(NAN)};
        if (!low || !high || !kelvane::usable(c))
            return misused(said(wording::takesTemperatures,
                {"--temp", kelvane::writtenNumber(kelvane::referenceTemperature - kelvane::farthestTemperature, 6),
                    kelvane::writtenNumber(kelvane::referenceTemperature + kelvane::farthestTemperature, 6)}));
    }
    c.within = percentOption(a, "--within");
    if (c.within == 0.0)
        return misused(said(wording::takesPercent, {"--within"}));
    const auto spread = namedOption<kelvane::Spread>(a, "--distribution", spreadNames);
    if (!spread)
        return misused(said(wording::takesOneOf, {"--distribution", choices(spreadNames)}));
    c.spread = *spread;
    const auto samples = wholeOption(a, "--samples", kelvane::defaultSamples, kelvane::mostSamples);
    if (!samples)
        return badWhole("--samples", kelvane::mostSamples);
    c.samples = *samples;
    constexpr std::size_t mostSeed = 4'294'967'295;
    const auto seed = wholeOption(a, "--seed", 1, mostSeed);
    if (!seed)
        return badWhole("--seed", mostSeed);
    c.seed = *seed;
    return c;
}

// An answer's worst case and yield after its fields; in ohms or volts by scale.
void writeSpread(
    json::Writer& document, const kelvane::Span& worst, const std::optional<kelvane::Estimate>& yield, double scale)
{
    document.key("worst").object().key("min").real(worst.min / scale).key("max").real(worst.max / scale).end();
    document.key("yield");
    yield ? document.real(yield->yield) : document.null();
    document.key("yield_error");
    yield ? document.real(yield->error) : document.null();
}

// The same for the terminal, each after a tab: the worst case when asked
// over a temperature range (or a regulator's, always), the yield when asked.
std::string spreadText(const kelvane::Span& worst, const std::optional<kelvane::Estimate>& yield, bool showWorst,
    std::string (*shown)(double))
{
    std::string text;
    if (showWorst)
        text += "\t" + said(wording::worstCase, {shown(worst.min), shown(worst.max)});
    if (yield) {
        const auto [share, error] = kelvane::writtenYield(yield->yield, yield->error);
        text += "\t" + said(wording::yieldOf, {share, error});
    }
    return text;
}

// The total's range --min-total and --max-total give, 1k to 1M by default;
// or the status to end with, its reason printed.
std::variant<std::array<Milli, 2>, int> totalOf(const Args& a)
{
    std::array<Milli, 2> total = {1'000'000, 1'000'000'000};
    const char* names[2] = {"--min-total", "--max-total"};
    for (std::size_t i = 0; i < 2; ++i)
        if (const auto typed = a.value(names[i])) {
            const auto v = resistance(*typed);
            if (const auto* why = std::get_if<std::string>(&v))
                return fail(*why);
            total[i] = std::get<Milli>(v);
        }
    if (total[0] > total[1])
        return fail(said(wording::above,
            {std::string(names[0]) + " " + echo(a.value(names[0]).value_or("1k")),
                std::string(names[1]) + " " + echo(a.value(names[1]).value_or("1M"))}));
    return total;
}

// Dividers and regulators alike: R1, R2, the output, its deviation and ranges.
void writeDividers(const Args& a, const std::vector<kelvane::Divider>& found, bool showWorst)
{
    json::Writer document;
    document.array();
    for (const kelvane::Divider& d : found) {
        if (a.json()) {
            document.object()
                .key("r1")
                .exact(d.r1)
                .key("r2")
                .exact(d.r2)
                .key("vout")
                .real(d.vout)
                .key("error")
                .real(d.deviation)
                .key("min")
                .real(d.low)
                .key("max")
                .real(d.high);
            writeSpread(document, d.worst, d.yield, 1);
            document.end();
            continue;
        }
        print("R1 " + kelvane::written(d.r1, true) + "\tR2 " + kelvane::written(d.r2, true) + "\t"
            + kelvane::writtenVolts(d.vout) + "\t" + kelvane::writtenPercent(d.deviation) + "\t"
            + kelvane::writtenVolts(d.low) + " \u2026 " + kelvane::writtenVolts(d.high)
            + spreadText(d.worst, d.yield, showWorst, kelvane::writtenVolts));
    }
    if (a.json())
        print(document.end());
}

// The arrangement at a written form's level from position i: the first byte
// of its operator ('+' for series), or 0 where the level holds one term.
char arrangementAt(std::string_view form, std::size_t i)
{
    for (int depth = 0; i < form.size(); ++i) {
        if (form[i] == '(')
            ++depth;
        else if (form[i] == ')' && depth-- == 0)
            return 0;
        else if (form[i] == ' ' && depth == 0)
            return form[i + 1];
    }
    return 0;
}

} // namespace

FileText fileText(std::string_view name)
{
    const std::string path(name);
    std::error_code error;
    const auto type = std::filesystem::status(path, error).type();
    if (type == std::filesystem::file_type::directory)
        return {{}, said(wording::isAFolder, {echo(name)})};
    // A device could be read for ever.
    if (type != std::filesystem::file_type::regular && type != std::filesystem::file_type::fifo
        && type != std::filesystem::file_type::not_found)
        return {{}, said(wording::unreadable, {echo(name)})};
    std::ifstream in(path, std::ios::binary);
    if (!in) {
        const int why = errno;
        return {{},
            said(why == ENOENT      ? wording::noSuchFile
                    : why == EACCES ? wording::notAllowed
                                    : wording::unreadable,
                {echo(name)})};
    }
    std::string text;
    char chunk[1 << 16];
    while (in.read(chunk, sizeof chunk) || in.gcount() > 0) {
        text.append(chunk, static_cast<std::size_t>(in.gcount()));
        if (text.size() > kelvane::mostListBytes)
            return {{}, said(wording::tooLarge, {echo(name), std::to_string(kelvane::mostListBytes >> 20)})};
    }
    if (in.bad())
        return {{}, said(wording::unreadable, {echo(name)})};
    return {text, {}};
}

const kelvane::SeriesTable* seriesOption(const Args& a)
{
    const std::string_view name = a.value("--series").value_or("E24");
    for (const kelvane::SeriesTable& t : kelvane::seriesTables)
        if (fold(name) == fold(t.name))
            return &t;
    return nullptr;
}

void writeNetwork(json::Writer& document, const kelvane::Network& n, std::string_view form, std::size_t& i)
{
    const char kind = arrangementAt(form, i);
    if (kind)
        document.object().key(kind == '+' ? "series" : "parallel").array();
    for (;;) {
        if (form[i] == '(') {
            ++i;
            writeNetwork(document, n, form, i);
            ++i; // the ")"
        } else {
            document.exact(n.parts[static_cast<std::size_t>(form[i++] - 'a')]);
        }
        if (i == form.size() || form[i] == ')')
            break;
        // past " + " or " ∥ "
        i = form.find(' ', i + 1) + 1;
    }
    if (kind)
        document.end().end();
}

// The parts of find, divide and labels: a series from --min to --max (labels:
// --from, --to), or a parts file; less those left out. The status to end with
// when there are none, its reason printed.
std::variant<std::vector<kelvane::Part>, int> partsOf(const Args& a, const char* lowest, const char* highest)
{
    std::vector<Milli> excluded;
    for (const auto& [name, typed] : a.options)
        if (name == "--exclude") {
            const auto v = resistance(typed);
            if (const auto* why = std::get_if<std::string>(&v))
                return fail(*why);
            excluded.push_back(std::get<Milli>(v));
        }
    const std::optional<double> tolerance = percentOption(a, "--tolerance");
    if (tolerance == 0.0)
        return misused(said(wording::takesPercent, {"--tolerance"}));
    std::variant<std::vector<kelvane::Part>, kelvane::PartsError> parts;
    std::string source;
    if (const auto file = a.value("--parts")) {
        auto read = partsFile(*file, tolerance.value_or(kelvane::listTolerance));
        if (const auto* why = std::get_if<std::string>(&read))
            return fail(*why);
        source = echo(*file);
        parts = kelvane::listParts(std::move(std::get<std::vector<kelvane::Part>>(read)), excluded);
    } else {
        const kelvane::SeriesTable* table = seriesOption(a);
        if (!table)
            return misused(said(wording::takesOneOf, {"--series", choices(kelvane::seriesTables)}));
        Milli bound[2] = {kelvane::defaultLowest, kelvane::defaultHighest};
        const char* bounds[2] = {lowest, highest};
        for (int i = 0; i < 2; ++i)
            if (const auto typed = a.value(bounds[i])) {
                const auto v = resistance(*typed);
                if (const auto* why = std::get_if<std::string>(&v))
                    return fail(*why);
                bound[i] = std::get<Milli>(v);
            }
        const std::string least = echo(a.value(lowest).value_or("1")), most = echo(a.value(highest).value_or("10M"));
        source = least + " \u2026 " + most;
        if (bound[0] > bound[1])
            return fail(said(wording::above, {std::string(lowest) + " " + least, std::string(highest) + " " + most}));
        parts = kelvane::seriesParts(
            static_cast<kelvane::Series>(table - kelvane::seriesTables.data()), bound[0], bound[1], excluded);
        if (auto* found = std::get_if<std::vector<kelvane::Part>>(&parts); found && tolerance)
            for (kelvane::Part& p : *found)
                p.tolerance = *tolerance;
    }
    if (const auto* error = std::get_if<kelvane::PartsError>(&parts))
        return fail(*error == kelvane::PartsError::TooMany
                ? said(wording::tooManyParts, {source, std::to_string(kelvane::mostParts)})
                : said(wording::noPart, {source}));
    return std::get<std::vector<kelvane::Part>>(parts);
}

int find(const Args& a)
{
    if (a.words.empty())
        return misused(said(wording::missing, {"VALUE"}));
    const auto most = wholeOption(a, "--max-parts", 2, 4);
    if (!most)
        return badWhole("--max-parts", 4);
    const auto count = wholeOption(a, "--count", 10, mostShown);
    if (!count)
        return badWhole("--count", mostShown);
    const std::string typed = joined(a.words);
    const auto target = resistance(typed);
    if (const auto* why = std::get_if<std::string>(&target))
        return fail(*why);
    const auto conditions = conditionsOf(a);
    if (const auto* status = std::get_if<int>(&conditions))
        return *status;
    const auto parts = partsOf(a);
    if (const auto* status = std::get_if<int>(&parts))
        return *status;
    const kelvane::PartIndex index(std::get<std::vector<kelvane::Part>>(parts));
    json::Writer document;
    document.array();
    // The target, the part count, the count and the conditions are checked above.
    const auto found = kelvane::findNetworks(
        index, std::get<Milli>(target), *most, *count, std::get<kelvane::Conditions>(conditions));
    for (const kelvane::Network& n : std::get<std::vector<kelvane::Network>>(found)) {
        if (a.json()) {
            std::size_t at = 0;
            document.object().key("value").real(n.value / 1000).key("error").real(n.deviation).key("network");
            writeNetwork(document, n, kelvane::formOf(n.shape), at);
            document.key("min").real(n.low / 1000).key("max").real(n.high / 1000);
            writeSpread(document, n.worst, n.yield, 1000);
            document.end();
            continue;
        }
        print(kelvane::written(n) + "\t" + shownValue(n.value) + "\t" + kelvane::writtenPercent(n.deviation) + "\t"
            + shownValue(n.low) + " \u2026 " + shownValue(n.high)
            + spreadText(n.worst, n.yield, a.has("--temp"), shownValue));
    }
    if (a.json())
        print(document.end());
    return 0;
}

int divide(const Args& a)
{
    if (a.words.size() < 2)
        return misused(said(wording::missing, {a.words.empty() ? "VIN VOUT" : "VOUT"}));
    if (a.words.size() > 2)
        return misused(said(wording::unexpected, {echo(a.words[2])}));
    const auto count = wholeOption(a, "--count", 10, mostShown);
    if (!count)
        return badWhole("--count", mostShown);
    const auto vin = positive(a.words[0]), vout = positive(a.words[1]);
    if (!vin || !vout)
        return fail(echo(!vin ? a.words[0] : a.words[1]) + ": " + tr(wording::valuesContext, wording::notAValue));
    const auto total = totalOf(a);
    if (const auto* status = std::get_if<int>(&total))
        return *status;
    const auto conditions = conditionsOf(a);
    if (const auto* status = std::get_if<int>(&conditions))
        return *status;
    const auto parts = partsOf(a);
    if (const auto* status = std::get_if<int>(&parts))
        return *status;
    const auto [least, most] = std::get<std::array<Milli, 2>>(total);
    const auto found = kelvane::findDividers(std::get<std::vector<kelvane::Part>>(parts),
        {*vin, *vout, least, most, *count}, std::get<kelvane::Conditions>(conditions));
    if (std::holds_alternative<kelvane::DividerError>(found))
        return fail(said(wording::outputAboveInput, {echo(a.words[0]) + " " + echo(a.words[1])}));
    writeDividers(a, std::get<std::vector<kelvane::Divider>>(found), a.has("--temp"));
    return 0;
}

int regulator(const Args& a)
{
    if (a.words.empty())
        return misused(said(wording::missing, {"VOUT"}));
    if (a.words.size() > 1)
        return misused(said(wording::unexpected, {echo(a.words[1])}));
    const auto count = wholeOption(a, "--count", 10, mostShown);
    if (!count)
        return badWhole("--count", mostShown);
    kelvane::RegulatorWanted w;
    const auto kind = namedOption<kelvane::RegulatorKind>(a, "--kind", kindNames);
    if (!kind)
        return misused(said(wording::takesOneOf, {"--kind", choices(kindNames)}));
    w.kind = *kind;
    const auto typed = a.value("--vref");
    if (!typed)
        return misused(said(wording::missing, {"--vref V"}));
    // Volts and amperes as decimal numbers, each checked where it is read.
    const auto number = [](std::string_view text, bool zero) -> std::optional<double> {
        const auto v = decimal(text);
        return v && (*v > 0 || (zero && *v == 0)) ? v : std::nullopt;
    };
    const auto vref = number(*typed, false);
    if (!vref)
        return fail(echo(*typed) + ": " + tr(wording::valuesContext, wording::notAValue));
    w.vref.typical = *vref;
    const auto tolerance = percentOption(a, "--vref-tolerance");
    if (tolerance == 0.0)
        return misused(said(wording::takesPercent, {"--vref-tolerance"}));
    w.vref.tolerance = tolerance.value_or(0);
    const auto low = a.value("--vref-min"), high = a.value("--vref-max");
    if (tolerance && (low || high))
        return misused(said(wording::notBoth, {"--vref-tolerance", low ? "--vref-min" : "--vref-max"}));
    if (low || high) {
        if (!low || !high)
            return misused(said(wording::missing, {low ? "--vref-max V" : "--vref-min V"}));
        const auto least = number(*low, false), most = number(*high, false);
        if (!least || !most)
            return fail(echo(!least ? *low : *high) + ": " + tr(wording::valuesContext, wording::notAValue));
        if (*least > *vref)
            return fail(said(wording::above, {"--vref-min " + echo(*low), "--vref " + echo(*typed)}));
        if (*vref > *most)
            return fail(said(wording::above, {"--vref " + echo(*typed), "--vref-max " + echo(*high)}));
        w.vref.between = kelvane::Span{*least, *most};
    }
    if (const auto current = a.value("--iadj")) {
        const auto v = number(*current, true);
        if (!v)
            return fail(echo(*current) + ": " + tr(wording::valuesContext, wording::notAValue));
        w.current = *v;
    }
    const auto vout = positive(a.words[0]);
    if (!vout)
        return fail(echo(a.words[0]) + ": " + tr(wording::valuesContext, wording::notAValue));
    w.vout = *vout;
    w.count = *count;
    const auto total = totalOf(a);
    if (const auto* status = std::get_if<int>(&total))
        return *status;
    w.leastTotal = std::get<std::array<Milli, 2>>(total)[0];
    w.mostTotal = std::get<std::array<Milli, 2>>(total)[1];
    const auto conditions = conditionsOf(a);
    if (const auto* status = std::get_if<int>(&conditions))
        return *status;
    const auto parts = partsOf(a);
    if (const auto* status = std::get_if<int>(&parts))
        return *status;
    const auto found = kelvane::findRegulators(
        std::get<std::vector<kelvane::Part>>(parts), w, std::get<kelvane::Conditions>(conditions));
    // The reference, the total and the conditions are checked above.
    if (std::holds_alternative<kelvane::DividerError>(found))
        return fail(said(wording::outputAboveReference, {echo(a.words[0]), echo(*typed)}));
    writeDividers(a, std::get<std::vector<kelvane::Divider>>(found), true);
    return 0;
}

} // namespace cli
