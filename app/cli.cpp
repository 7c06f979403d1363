// `kelvane`'s answers: with a subcommand, the answer from the engine alone, as
// text in the program's language or as JSON; with no arguments, or with Qt's
// own one-dash options (-platform ...), the window program, which this process
// becomes by exec. A subcommand reads its words and options (Args), runs the
// engine's rule and prints the result; its texts are the windows' own
// (wording.h), used as written in English and otherwise looked up in the
// windows' catalogues through a small Qt module loaded only then, so that
// an English subcommand never loads Qt or the window system.
#include "cli.h"
#include "wording.h"

#include <kelvane/bands.h>
#include <kelvane/decode.h>
#include <kelvane/divider.h>
#include <kelvane/encode.h>
#include <kelvane/marking.h>
#include <kelvane/network.h>
#include <kelvane/parts.h>
#include <kelvane/series.h>
#include <kelvane/sheet.h>
#include <kelvane/value.h>

#include <cerrno>
#include <charconv>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <dlfcn.h>
#include <filesystem>
#include <fstream>
#include <optional>
#include <sstream>
#include <string>
#include <string_view>
#include <unistd.h>
#include <variant>
#include <vector>

namespace {

using kelvane::Milli;

constexpr int failure = 1;
constexpr int usageError = 2;

// The folder of this program, where the window program, the translation
// module and the catalogues are found, in the build tree as when installed.
std::string programFolder()
{
    std::error_code error;
    const std::string p = std::filesystem::read_symlink("/proc/self/exe", error).string();
    return p.substr(0, p.rfind('/') + 1);
}

struct Texts {
    const char* (*translate)(const char*, const char*) = nullptr;
    const char* (*fold)(const char*) = nullptr;
} texts;

// The person's first language as the windows read it: LANGUAGE, else the
// locale of the messages; English and C need no catalogue.
bool firstLanguageIsEnglish()
{
    std::string first;
    for (const char* name : {"LANGUAGE", "LC_ALL", "LC_MESSAGES", "LANG"})
        if (const char* v = std::getenv(name); v && *v) {
            first = std::string(v).substr(0, std::string(v).find(':'));
            break;
        }
    const std::string language = first.substr(0, first.find_first_of("_.@"));
    return language.empty() || language == "en" || language == "C" || language == "POSIX";
}

void loadTranslations()
{
    if (firstLanguageIsEnglish())
        return;
    const std::string folder = programFolder();
    void* module = dlopen((folder + KELVANE_TEXTS_FROM_BIN).c_str(), RTLD_NOW | RTLD_LOCAL);
    if (!module)
        return;
    auto load = reinterpret_cast<bool (*)(const char*)>(dlsym(module, "kelvane_load_language"));
    texts.translate = reinterpret_cast<const char* (*)(const char*, const char*)>(dlsym(module, "kelvane_translate"));
    texts.fold = reinterpret_cast<const char* (*)(const char*)>(dlsym(module, "kelvane_fold"));
    if (!load || !texts.translate || !texts.fold || !load((folder + KELVANE_QM_FROM_BIN).c_str()))
        texts = {};
}

std::string tr(const char* context, const char* english)
{
    return texts.translate ? texts.translate(context, english) : english;
}

// "%1" ... in a text replaced by the arguments.
std::string arg(std::string text, std::initializer_list<std::string> args)
{
    int n = 1;
    for (const std::string& a : args) {
        const std::string mark = "%" + std::to_string(n++);
        if (const auto at = text.find(mark); at != std::string::npos)
            text.replace(at, mark.size(), a);
    }
    return text;
}

std::string fold(std::string_view text)
{
    std::string s(text);
    if (texts.fold)
        return texts.fold(s.c_str());
    for (char& c : s)
        c = c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
    return s;
}

// A translated name's full text and its shorter variants.
std::vector<std::string> variants(const std::string& text)
{
    std::vector<std::string> all;
    const std::string_view separator = wording::variantSeparator;
    for (std::size_t from = 0;;) {
        const auto to = text.find(separator, from);
        all.push_back(text.substr(from, to - from));
        if (to == std::string::npos)
            return all;
        from = to + separator.size();
    }
}

std::string colourName(kelvane::Hue h)
{
    return variants(tr(wording::colourContext, wording::textOf(wording::colourNames, h))).front();
}

// A colour by its English name ("grey" too) or its name in the program's language, any case.
std::optional<kelvane::Hue> hueNamed(std::string_view name)
{
    const std::string wanted = fold(name);
    for (std::size_t i = 0; i < kelvane::hueCount; ++i) {
        const auto h = static_cast<kelvane::Hue>(i);
        std::vector<std::string> names = variants(tr(wording::colourContext, wording::colourNames[i]));
        names.push_back(wording::colourNames[i]);
        if (h == kelvane::Hue::Gray)
            names.push_back("grey");
        for (const std::string& n : names)
            if (fold(n) == wanted)
                return h;
    }
    return std::nullopt;
}

std::string json(std::string_view text)
{
    std::string s = "\"";
    for (char c : text) {
        if (c == '"' || c == '\\')
            s += '\\';
        s += c;
    }
    return s + '"';
}

// Exact, in ohms or picofarads: "0.47", "4700".
std::string jsonNumber(Milli value)
{
    std::string decimals = std::to_string(1000 + value % 1000).substr(1);
    decimals.erase(decimals.find_last_not_of('0') + 1);
    return std::to_string(value / 1000) + (decimals.empty() ? "" : "." + decimals);
}

std::string jsonOr(const std::optional<std::string>& value) { return value ? *value : "null"; }

int fail(const std::string& why)
{
    std::fputs(("kelvane: " + why + "\n").c_str(), stderr);
    return failure;
}

void print(const std::string& line) { std::puts(line.c_str()); }

// A number as printf's %.*g writes it, whatever the locale.
std::string general(double x, int digits)
{
    char text[64];
    return std::string(text, std::to_chars(text, text + sizeof text, x, std::chars_format::general, digits).ptr);
}

// A subcommand's words and options: "--name" flags and "--name VALUE" or "--name=VALUE".
struct Args {
    std::vector<std::string_view> words;
    std::vector<std::pair<std::string_view, std::string_view>> options;

    bool has(std::string_view name) const { return value(name).has_value(); }
    // The last one given.
    std::optional<std::string_view> value(std::string_view name) const
    {
        for (auto o = options.rbegin(); o != options.rend(); ++o)
            if (o->first == name)
                return o->second;
        return std::nullopt;
    }
    bool resistor() const { return !has("--capacitor"); }
    bool json() const { return has("--json"); }
    // 4 or 5; 0 for any other count.
    int bands() const
    {
        const auto b = value("--bands").value_or("4");
        return b == "4" || b == "5" ? b[0] - '0' : 0;
    }
};

std::string seriesText(Milli value, bool resistor)
{
    if (value == 0)
        return {};
    const kelvane::Standing s = kelvane::standing(value);
    if (s.series)
        return kelvane::tableOf(*s.series).name;
    if (s.around.above == 0)
        return tr(wording::markingsContext, wording::notStandardAlone);
    return arg(tr(wording::markingsContext, wording::notStandard),
        {kelvane::tableOf(s.nearest).name, kelvane::written(s.around.below, resistor),
            kelvane::written(s.around.above, resistor)});
}

int decode(const Args& a)
{
    const int bands = a.bands();
    const auto count = static_cast<int>(a.words.size());
    if (bands == 0 || count < bands - 1 || count > bands)
        return usageError;
    kelvane::BandState s;
    s.bandcount = static_cast<std::uint8_t>(bands);
    s.ring4Shown = bands == 5;
    s.resistor = a.resistor();
    const kelvane::ToleranceItem* tolerance = nullptr;
    for (int band = 1; band <= count; ++band) {
        const std::string_view word = a.words[static_cast<std::size_t>(band - 1)];
        const auto hue = hueNamed(word);
        if (!hue)
            return fail(std::string(word) + ": " + tr(wording::commandContext, wording::notAColour));
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
            return fail(
                arg(tr(wording::commandContext, wording::bandCannotBe), {std::to_string(band), colourName(*hue)}));
    }
    const Milli value = kelvane::bandValue(s);
    const std::string text = kelvane::written(value, s.resistor);
    if (a.json())
        print("{\"value\": " + jsonNumber(value) + ", \"text\": " + json(text)
            + ", \"tolerance\": " + jsonOr(tolerance ? std::optional(json(tolerance->text)) : std::nullopt) + "}");
    else
        print(tolerance ? text + " \u00B1" + tolerance->text : text);
    return 0;
}

int encode(const Args& a)
{
    const int bands = a.bands();
    if (bands == 0 || a.words.empty() || a.words.size() > 2)
        return usageError;
    const bool resistor = a.resistor();
    constexpr std::string_view units[2][3] = {{"pF", "nF", "\u00B5F"}, {"ohm", "Kohm", "Mohm"}};
    std::optional<kelvane::Unit> unit = kelvane::Unit::One;
    if (a.words.size() == 2) {
        unit.reset();
        for (int u = 0; u < 3; ++u)
            if (fold(a.words[1]) == fold(units[resistor][u]) || (!resistor && u == 2 && fold(a.words[1]) == "uf"))
                unit = static_cast<kelvane::Unit>(u);
    }
    const auto rounding = a.has("--up") ? kelvane::Rounding::Up : kelvane::Rounding::Nearest;
    std::string entry(a.words[0]);
    if (!unit || !kelvane::parseEntry(entry)) {
        // A typed value, "4k7", "2u2", "4.7 k": it must be whole ohms (pF).
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
    std::string names, english;
    for (int band = 1; band < bands; ++band) {
        const kelvane::Hue h = *kelvane::hueOf(s.colour(band));
        names += (band > 1 ? ", " : "") + colourName(h);
        english += (band > 1 ? ", " : "") + json(wording::textOf(wording::colourNames, h));
    }
    const std::string text = kelvane::written(value, resistor);
    if (a.json())
        print("{\"value\": " + jsonNumber(value) + ", \"text\": " + json(text) + ", \"colours\": [" + english + "]}");
    else
        print(text + ": " + names);
    return 0;
}

int read(const Args& a)
{
    if (a.words.size() != 1)
        return usageError;
    const bool resistor = a.resistor();
    const auto result = kelvane::readMarking(a.words[0], resistor);
    if (const auto* error = std::get_if<kelvane::MarkingError>(&result))
        return fail(std::string(a.words[0]) + ": "
            + tr(wording::markingsContext, wording::textOf(wording::markingErrors, *error)));
    // Indexed by kelvane::Code.
    constexpr const char* codeKeys[] = {"3-digit", "4-digit", "letter", "EIA-96", "zero-ohm"};
    std::string all;
    for (const kelvane::Reading& r : std::get<std::vector<kelvane::Reading>>(result)) {
        const std::string text = kelvane::written(r.value, resistor);
        const auto series = kelvane::coarsestSeries(r.value);
        if (a.json()) {
            all += std::string(all.empty() ? "" : ", ") + "{\"value\": " + jsonNumber(r.value)
                + ", \"text\": " + json(text) + ", \"code\": " + json(wording::textOf(codeKeys, r.code))
                + ", \"tolerance\": " + jsonOr(r.tolerance ? std::optional(json(r.tolerance->text)) : std::nullopt)
                + ", \"series\": " + jsonOr(series ? std::optional(json(kelvane::tableOf(*series).name)) : std::nullopt)
                + "}";
            continue;
        }
        std::string line = text + "\t" + tr(wording::markingsContext, wording::textOf(wording::codeNames, r.code));
        if (r.tolerance)
            line += std::string(", ") + r.tolerance->text;
        if (const std::string s = seriesText(r.value, resistor); !s.empty())
            line += "\t" + s;
        print(line);
    }
    if (a.json())
        print("[" + all + "]");
    return 0;
}

int series(const Args& a)
{
    if (a.words.empty())
        return usageError;
    std::string typed;
    for (std::string_view w : a.words)
        typed += (typed.empty() ? "" : " ") + std::string(w);
    const bool resistor = a.resistor();
    const auto parsed = kelvane::parseValue(typed, resistor);
    const auto* value = std::get_if<Milli>(&parsed);
    if (!value && std::get<kelvane::ValueError>(parsed) == kelvane::ValueError::NotAValue)
        return fail(typed + ": " + tr(wording::commandContext, wording::notAValue));
    if (!value || *value < kelvane::smallestMarked(resistor) || *value >= kelvane::markedLimit)
        return fail(typed + ": "
            + tr(wording::markingsContext, wording::textOf(wording::markingErrors, kelvane::MarkingError::OutOfRange)));
    if (!a.json()) {
        print(seriesText(*value, resistor));
        return 0;
    }
    const kelvane::Standing s = kelvane::standing(*value);
    std::optional<std::string> below, above;
    if (!s.series) {
        below = jsonNumber(s.around.below);
        above = jsonNumber(s.around.above);
    }
    print("{\"value\": " + jsonNumber(*value)
        + ", \"series\": " + jsonOr(s.series ? std::optional(json(kelvane::tableOf(*s.series).name)) : std::nullopt)
        + ", \"below\": " + jsonOr(below) + ", \"above\": " + jsonOr(above) + "}");
    return 0;
}

// The words joined as one typed value: "4,7 k".
std::string joined(const std::vector<std::string_view>& words)
{
    std::string typed;
    for (std::string_view w : words)
        typed += (typed.empty() ? "" : " ") + std::string(w);
    return typed;
}

std::string outOfRange(std::string_view what)
{
    return std::string(what) + ": "
        + tr(wording::markingsContext, wording::textOf(wording::markingErrors, kelvane::MarkingError::OutOfRange));
}

// A typed resistance, or the reason it is none as the line to print.
std::variant<Milli, std::string> resistance(std::string_view typed)
{
    const auto parsed = kelvane::parseValue(typed, true);
    if (const auto* v = std::get_if<Milli>(&parsed); v && *v > 0)
        return *v;
    if (std::holds_alternative<kelvane::ValueError>(parsed)
        && std::get<kelvane::ValueError>(parsed) == kelvane::ValueError::NotAValue)
        return std::string(typed) + ": " + tr(wording::commandContext, wording::notAValue);
    return outOfRange(typed);
}

// "12", "0,5", "3.3" from above 0.
std::optional<double> positive(std::string_view text)
{
    std::string t(text);
    for (char& c : t)
        c = c == ',' ? '.' : c;
    char* end = nullptr;
    const double v = std::strtod(t.c_str(), &end);
    return !t.empty() && end == t.c_str() + t.size() && v > 0 && std::isfinite(v) ? std::optional(v) : std::nullopt;
}

// A computed number for the terminal: significant digits, the decimal comma.
std::string shown(double x, int digits)
{
    std::string s = general(x, digits);
    for (char& c : s)
        c = c == '.' ? ',' : c;
    return s;
}

std::string shownValue(double milli)
{
    if (!(milli >= 1))
        return kelvane::written(0, true);
    const double step = std::pow(10.0, std::floor(std::log10(milli)) - 3);
    return kelvane::written(std::max<Milli>(1, std::llround(std::round(milli / step) * step)), true);
}

std::string shownPercent(double fraction) { return (fraction > 0 ? "+" : "") + shown(fraction * 100, 3) + " %"; }

std::string jsonReal(double x) { return general(x, 10); }

// The parts of find, divide and labels: a series from --min to --max (labels:
// --from, --to), or a parts file; less those left out. The line to print
// when there are none.
std::variant<std::vector<kelvane::Part>, std::string, int> partsOf(
    const Args& a, const char* lowest = "--min", const char* highest = "--max")
{
    std::vector<Milli> excluded;
    for (const auto& [name, typed] : a.options)
        if (name == "--exclude") {
            const auto v = resistance(typed);
            if (const auto* why = std::get_if<std::string>(&v))
                return *why;
            excluded.push_back(std::get<Milli>(v));
        }
    std::optional<double> tolerance;
    if (const auto t = a.value("--tolerance")) {
        tolerance = positive(t->substr(0, t->find('%')));
        if (!tolerance || *tolerance >= 100)
            return usageError;
        *tolerance /= 100;
    }
    std::variant<std::vector<kelvane::Part>, kelvane::PartsError> parts;
    if (const auto file = a.value("--parts")) {
        std::ifstream in{std::string(*file)};
        if (!in)
            return std::string(*file) + ": " + std::strerror(errno);
        std::stringstream text;
        text << in.rdbuf();
        const kelvane::PartsText read = kelvane::readParts(text.str(), tolerance.value_or(0.05));
        if (!read.wrong.empty())
            return std::string(*file) + ":" + std::to_string(read.wrong.front()) + ": "
                + tr(wording::commandContext, wording::notAValue);
        parts = kelvane::listParts(read.parts, excluded);
    } else {
        const std::string_view name = a.value("--series").value_or("E24");
        const kelvane::SeriesTable* table = nullptr;
        for (const kelvane::SeriesTable& t : kelvane::seriesTables)
            if (fold(name) == fold(t.name))
                table = &t;
        if (!table)
            return usageError;
        Milli bound[2] = {1000, 10'000'000'000};
        const char* names[2] = {lowest, highest};
        for (int i = 0; i < 2; ++i)
            if (const auto typed = a.value(names[i])) {
                const auto v = resistance(*typed);
                if (const auto* why = std::get_if<std::string>(&v))
                    return *why;
                bound[i] = std::get<Milli>(v);
            }
        parts = kelvane::seriesParts(
            static_cast<kelvane::Series>(table - kelvane::seriesTables.data()), bound[0], bound[1], excluded);
        if (auto* found = std::get_if<std::vector<kelvane::Part>>(&parts); found && tolerance)
            for (kelvane::Part& p : *found)
                p.tolerance = *tolerance;
    }
    if (std::holds_alternative<kelvane::PartsError>(parts))
        return outOfRange(a.value("--parts").value_or(
            std::string(a.value(lowest).value_or("1")) + " \u2026 " + std::string(a.value(highest).value_or("10M"))));
    return std::get<std::vector<kelvane::Part>>(parts);
}

// --count, 10 when not given; 0 for a count that is none.
std::size_t countOf(const Args& a)
{
    const std::string_view text = a.value("--count").value_or("10");
    std::size_t n = 0;
    for (char c : text)
        n = c >= '0' && c <= '9' && n < 1000 ? n * 10 + static_cast<std::size_t>(c - '0') : 1001;
    return n <= 1000 ? n : 0;
}

// A network as JSON from its written form, from position i up to a ")" or
// the end: a part in ohms, or {"series": [...]} or {"parallel": [...]}.
std::string jsonNetwork(const kelvane::Network& n, std::string_view form, std::size_t& i)
{
    std::string terms, kind;
    std::size_t count = 0;
    for (;; ++count) {
        std::string term;
        if (form[i] == '(') {
            ++i;
            term = jsonNetwork(n, form, i);
            ++i; // the ")"
        } else {
            term = jsonNumber(n.parts[static_cast<std::size_t>(form[i++] - 'a')]);
        }
        terms += (terms.empty() ? "" : ", ") + term;
        if (i == form.size() || form[i] == ')')
            break;
        // " + " or " ∥ "
        kind = form[i + 1] == '+' ? "series" : "parallel";
        i = form.find(' ', i + 1) + 1;
    }
    return count == 0 ? terms : "{\"" + kind + "\": [" + terms + "]}";
}

int find(const Args& a)
{
    if (a.words.empty())
        return usageError;
    const std::string typed = joined(a.words);
    const auto target = resistance(typed);
    if (const auto* why = std::get_if<std::string>(&target))
        return fail(*why);
    const std::string_view most = a.value("--max-parts").value_or("2");
    const std::size_t count = countOf(a);
    if (most.size() != 1 || most[0] < '1' || most[0] > '4' || count == 0)
        return usageError;
    const auto parts = partsOf(a);
    if (const auto* status = std::get_if<int>(&parts))
        return *status;
    if (const auto* why = std::get_if<std::string>(&parts))
        return fail(*why);
    const kelvane::PartIndex index(std::get<std::vector<kelvane::Part>>(parts));
    std::string all;
    for (const kelvane::Network& n :
        kelvane::findNetworks(index, std::get<Milli>(target), static_cast<std::size_t>(most[0] - '0'), count)) {
        if (a.json()) {
            std::size_t at = 0;
            all += std::string(all.empty() ? "" : ", ") + "{\"value\": " + jsonReal(n.value / 1000) + ", \"error\": "
                + jsonReal(n.deviation) + ", \"network\": " + jsonNetwork(n, kelvane::formOf(n.shape), at)
                + ", \"min\": " + jsonReal(n.low / 1000) + ", \"max\": " + jsonReal(n.high / 1000) + "}";
            continue;
        }
        print(kelvane::written(n) + "\t" + shownValue(n.value) + "\t" + shownPercent(n.deviation) + "\t"
            + shownValue(n.low) + " \u2026 " + shownValue(n.high));
    }
    if (a.json())
        print("[" + all + "]");
    return 0;
}

int divide(const Args& a)
{
    if (a.words.size() != 2)
        return usageError;
    const auto vin = positive(a.words[0]), vout = positive(a.words[1]);
    if (!vin || !vout)
        return fail(
            std::string(!vin ? a.words[0] : a.words[1]) + ": " + tr(wording::commandContext, wording::notAValue));
    const std::size_t count = countOf(a);
    if (count == 0)
        return usageError;
    Milli total[2] = {1'000'000, 1'000'000'000};
    const char* names[2] = {"--min-total", "--max-total"};
    for (int i = 0; i < 2; ++i)
        if (const auto typed = a.value(names[i])) {
            const auto v = resistance(*typed);
            if (const auto* why = std::get_if<std::string>(&v))
                return fail(*why);
            total[i] = std::get<Milli>(v);
        }
    const auto parts = partsOf(a);
    if (const auto* status = std::get_if<int>(&parts))
        return *status;
    if (const auto* why = std::get_if<std::string>(&parts))
        return fail(*why);
    const auto found
        = kelvane::findDividers(std::get<std::vector<kelvane::Part>>(parts), {*vin, *vout, total[0], total[1], count});
    if (std::holds_alternative<kelvane::DividerError>(found))
        return fail(outOfRange(std::string(a.words[0]) + " " + std::string(a.words[1])));
    std::string all;
    for (const kelvane::Divider& d : std::get<std::vector<kelvane::Divider>>(found)) {
        if (a.json()) {
            all += std::string(all.empty() ? "" : ", ") + "{\"r1\": " + jsonNumber(d.r1) + ", \"r2\": "
                + jsonNumber(d.r2) + ", \"vout\": " + jsonReal(d.vout) + ", \"error\": " + jsonReal(d.deviation)
                + ", \"min\": " + jsonReal(d.low) + ", \"max\": " + jsonReal(d.high) + "}";
            continue;
        }
        print("R1 " + kelvane::written(d.r1, true) + "\tR2 " + kelvane::written(d.r2, true) + "\t" + shown(d.vout, 4)
            + " V\t" + shownPercent(d.deviation) + "\t" + shown(d.low, 4) + " V \u2026 " + shown(d.high, 4) + " V");
    }
    if (a.json())
        print("[" + all + "]");
    return 0;
}

// The window program writes the PDF, on the offscreen platform: labels and
// chart are drawn by the windows' own code.
int writePdf(std::vector<std::string> args)
{
    const std::string window = programFolder() + KELVANE_WINDOW_FROM_BIN;
    std::vector<char*> argv{const_cast<char*>(window.c_str())};
    for (std::string& arg : args)
        argv.push_back(arg.data());
    argv.push_back(nullptr);
    std::fflush(stdout);
    execv(window.c_str(), argv.data());
    return fail(window + ": " + std::strerror(errno));
}

int labels(const Args& a)
{
    const auto output = a.value("--output");
    const auto sheet = kelvane::sheetNamed(a.value("--sheet").value_or("A4-21"));
    const std::string_view bands = a.value("--bands").value_or("both");
    const int choice = bands == "4" ? 0 : bands == "5" ? 1 : bands == "both" ? 2 : -1;
    const bool listed = a.has("--series") || a.has("--parts") || a.has("--from") || a.has("--to");
    if (!output || !sheet || choice < 0 || listed == !a.words.empty())
        return usageError;
    std::vector<kelvane::Part> parts;
    if (listed) {
        const auto found = partsOf(a, "--from", "--to");
        if (const auto* status = std::get_if<int>(&found))
            return *status;
        if (const auto* why = std::get_if<std::string>(&found))
            return fail(*why);
        parts = std::get<std::vector<kelvane::Part>>(found);
    }
    for (std::string_view word : a.words) {
        const auto v = resistance(word);
        if (const auto* why = std::get_if<std::string>(&v))
            return fail(*why);
        if (std::get<Milli>(v) >= kelvane::markedLimit)
            return fail(outOfRange(word));
        parts.push_back({std::get<Milli>(v), 0});
    }
    std::vector<std::string> args{
        "--write-labels", std::string(*output), std::to_string(*sheet), std::to_string(choice)};
    for (const kelvane::Part& p : parts)
        args.push_back(std::to_string(p.value) + "/" + general(p.tolerance, 10));
    return writePdf(args);
}

int chart(const Args& a)
{
    const auto output = a.value("--output");
    if (!output || !a.words.empty())
        return usageError;
    return writePdf({"--write-chart", std::string(*output)});
}

struct Command {
    const char* name;
    const char* options; // each "--name", with "=" when it takes a value
    const char* usage;
    int (*run)(const Args&);
};

constexpr Command commands[] = {
    {"decode", "--capacitor --bands= --json", "decode [--capacitor] [--bands 4|5] [--json] COLOUR...", decode},
    {"encode", "--capacitor --bands= --up --json", "encode [--capacitor] [--bands 4|5] [--up] [--json] VALUE [UNIT]",
        encode},
    {"read", "--capacitor --json", "read [--capacitor] [--json] CODE", read},
    {"series", "--capacitor --json", "series [--capacitor] [--json] VALUE", series},
    {"find", "--series= --parts= --max-parts= --min= --max= --exclude= --tolerance= --count= --json",
        "find [--series E6|E12|E24|E48|E96|E192] [--parts FILE] [--max-parts 1-4] [--min VALUE] [--max VALUE] "
        "[--exclude VALUE]... [--tolerance PERCENT] [--count K] [--json] VALUE",
        find},
    {"divide", "--series= --parts= --tolerance= --min-total= --max-total= --count= --json",
        "divide [--series E6|...|E192] [--parts FILE] [--min-total VALUE] [--max-total VALUE] [--count K] [--json] "
        "VIN VOUT",
        divide},
    {"labels", "--sheet= --bands= --series= --from= --to= --parts= --output=",
        "labels [--sheet A4-21|A4-24|A4-65|Letter-30|Letter-80|A4-grid|Letter-grid] [--bands 4|5|both] "
        "(VALUE... | --series E12 --from VALUE --to VALUE | --parts FILE) -o FILE.pdf",
        labels},
    {"chart", "--output=", "chart -o FILE.pdf", chart},
};

void usage(FILE* to, const Command* only)
{
    std::string text = "Usage:\n";
    if (!only)
        text += "  kelvane\n";
    for (const Command& c : commands)
        if (!only || only == &c)
            text += std::string("  kelvane ") + c.usage + "\n";
    if (!only)
        text += "  kelvane --help | --version\n";
    std::fputs((text + "See kelvane(1).\n").c_str(), to);
}

// The option as the command takes it: nullptr when it takes no such option.
const char* optionOf(const Command& c, std::string_view name)
{
    for (const char* o = std::strstr(c.options, name.data()); o; o = std::strstr(o + 1, name.data())) {
        const char end = o[name.size()];
        if ((o == c.options || o[-1] == ' ') && (end == ' ' || end == '=' || end == '\0'))
            return o;
    }
    return nullptr;
}

int run(const Command& c, int argc, char* argv[])
{
    Args a;
    for (int i = 2; i < argc; ++i) {
        // -o is --output, the one short option.
        const std::string_view word = std::string_view(argv[i]) == "-o" ? "--output" : argv[i];
        if (word == "--help" || word == "-h") {
            usage(stdout, &c);
            return 0;
        }
        if (word == "--") {
            a.words.insert(a.words.end(), argv + i + 1, argv + argc);
            break;
        }
        if (word.substr(0, 2) != "--") {
            a.words.push_back(word);
            continue;
        }
        const std::string name(word.substr(0, word.find('=')));
        const char* option = optionOf(c, name);
        if (!option)
            return usageError;
        if (option[name.size()] != '=') {
            if (name.size() != word.size())
                return usageError;
            a.options.emplace_back(word, "");
        } else if (name.size() < word.size()) {
            a.options.emplace_back(word.substr(0, name.size()), word.substr(name.size() + 1));
        } else if (i + 1 < argc) {
            a.options.emplace_back(word, argv[++i]);
        } else {
            return usageError;
        }
    }
    return c.run(a);
}

} // namespace

int cli::answer(int argc, char* argv[])
{
    const std::string_view first = argc > 1 ? argv[1] : "";
    if (argc == 1 || (first.size() > 1 && first[0] == '-' && first[1] != '-' && first != "-h")) {
        const std::string window = programFolder() + KELVANE_WINDOW_FROM_BIN;
        execv(window.c_str(), argv);
        return fail(window + ": " + std::strerror(errno));
    }
    if (first == "--help" || first == "-h") {
        usage(stdout, nullptr);
        return 0;
    }
    if (first == "--version") {
        print("kelvane " KELVANE_VERSION);
        return 0;
    }
    for (const Command& c : commands)
        if (first == c.name) {
            loadTranslations();
            const int status = run(c, argc, argv);
            if (status == usageError)
                usage(stderr, &c);
            // An answer that could not be written is no answer.
            if (std::fflush(stdout) != 0)
                return fail(std::strerror(errno));
            return status;
        }
    usage(stderr, nullptr);
    return usageError;
}
