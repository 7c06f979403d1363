// find and divide: networks of one to four parts for a resistance, and
// dividers for a ratio, drawn from a series or a parts file (partsOf, which
// labels takes too); the answers as lines with computed numbers rounded for
// the terminal, or as JSON.
#include "commands.h"
#include "json.h"
#include "options.h"
#include "translation.h"
#include "wording.h"

#include <kelvane/divider.h>
#include <kelvane/network.h>
#include <kelvane/parts.h>
#include <kelvane/series.h>
#include <kelvane/tolerance.h>
#include <kelvane/value.h>
#include <kelvane/written.h>

#include <algorithm>
#include <cerrno>
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
    std::optional<double> tolerance;
    if (const auto t = a.value("--tolerance")) {
        const std::size_t sign = t->find('%');
        tolerance = positive(t->substr(0, sign));
        if (!tolerance || *tolerance >= 100 || (sign != std::string_view::npos && sign + 1 != t->size()))
            return misused(said(wording::takesPercent, {"--tolerance"}));
        *tolerance /= 100;
    }
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
    const auto parts = partsOf(a);
    if (const auto* status = std::get_if<int>(&parts))
        return *status;
    const kelvane::PartIndex index(std::get<std::vector<kelvane::Part>>(parts));
    json::Writer document;
    document.array();
    // The target, the part count and the count are checked above.
    const auto found = kelvane::findNetworks(index, std::get<Milli>(target), *most, *count);
    for (const kelvane::Network& n : std::get<std::vector<kelvane::Network>>(found)) {
        if (a.json()) {
            std::size_t at = 0;
            document.object().key("value").real(n.value / 1000).key("error").real(n.deviation).key("network");
            writeNetwork(document, n, kelvane::formOf(n.shape), at);
            document.key("min").real(n.low / 1000).key("max").real(n.high / 1000).end();
            continue;
        }
        print(kelvane::written(n) + "\t" + shownValue(n.value) + "\t" + kelvane::writtenPercent(n.deviation) + "\t"
            + shownValue(n.low) + " \u2026 " + shownValue(n.high));
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
    Milli total[2] = {1'000'000, 1'000'000'000};
    const char* names[2] = {"--min-total", "--max-total"};
    for (int i = 0; i < 2; ++i)
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
    const auto parts = partsOf(a);
    if (const auto* status = std::get_if<int>(&parts))
        return *status;
    const auto found
        = kelvane::findDividers(std::get<std::vector<kelvane::Part>>(parts), {*vin, *vout, total[0], total[1], *count});
    if (std::holds_alternative<kelvane::DividerError>(found))
        return fail(said(wording::outputAboveInput, {echo(a.words[0]) + " " + echo(a.words[1])}));
    json::Writer document;
    document.array();
    for (const kelvane::Divider& d : std::get<std::vector<kelvane::Divider>>(found)) {
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
                .real(d.high)
                .end();
            continue;
        }
        print("R1 " + kelvane::written(d.r1, true) + "\tR2 " + kelvane::written(d.r2, true) + "\t"
            + kelvane::writtenNumber(d.vout, 4) + " V\t" + kelvane::writtenPercent(d.deviation) + "\t"
            + kelvane::writtenNumber(d.low, 4) + " V \u2026 " + kelvane::writtenNumber(d.high, 4) + " V");
    }
    if (a.json())
        print(document.end());
    return 0;
}

} // namespace cli
