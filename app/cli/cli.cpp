// `kelvane`'s answers: with a subcommand, the answer from the engine alone, as
// text in the program's language or as JSON; with no arguments, or with Qt's
// own one-dash options (-platform ...), the window program, which this process
// becomes by exec. A subcommand reads its words and options (Args), runs the
// engine's rule and prints the result; its texts are the windows' own
// (wording.h), used as written in English and otherwise looked up in the
// windows' catalogues through a small Qt module loaded only then, so that
// an English subcommand never loads Qt or the window system. A word the
// person typed is echoed only as valid UTF-8 without control characters.
#include "cli.h"
#include "json.h"
#include "wording.h"

#include <kelvane/bands.h>
#include <kelvane/config.h>
#include <kelvane/decode.h>
#include <kelvane/divider.h>
#include <kelvane/encode.h>
#include <kelvane/marking.h>
#include <kelvane/network.h>
#include <kelvane/parts.h>
#include <kelvane/series.h>
#include <kelvane/sheet.h>
#include <kelvane/utf8.h>
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

// Once a process: a caller that answers many command lines loads the catalogue once.
void loadTranslations()
{
    static bool tried = false;
    if (tried || firstLanguageIsEnglish())
        return;
    tried = true;
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

// A command line's own text in the program's language, its "%1"... filled in.
std::string said(const char* english, std::initializer_list<std::string> args)
{
    return arg(tr(wording::commandContext, english), args);
}

// A typed word as it may be shown on a terminal: valid UTF-8, and no control
// character that would move the cursor or change the terminal's state.
std::string echo(std::string_view word)
{
    std::string shown = kelvane::validUtf8(word);
    for (char& c : shown)
        if (static_cast<unsigned char>(c) < 0x20 || c == 0x7F)
            c = '?';
    return shown;
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

void complain(const std::string& why) { std::fputs(("kelvane: " + why + "\n").c_str(), stderr); }

int fail(const std::string& why)
{
    complain(why);
    return failure;
}

// A usage error: the line that says what is wrong; the usage follows it.
int misused(const std::string& why)
{
    complain(why);
    return usageError;
}

void print(const std::string& line) { std::puts(line.c_str()); }

void print(const json::Writer& document) { print(document.text()); }

// A number as printf's %.*g writes it, whatever the locale.
std::string general(double x, int digits)
{
    char text[64];
    return std::string(text, std::to_chars(text, text + sizeof text, x, std::chars_format::general, digits).ptr);
}

// A table's entries as the choices a usage error lists: "E6, E12, ...".
template <typename Table> std::string choices(const Table& table)
{
    std::string all;
    for (const auto& entry : table)
        all += (all.empty() ? "" : ", ") + std::string(entry.name);
    return all;
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

int badBands() { return misused(said(wording::takesOneOf, {"--bands", "4, 5"})); }

// The words joined as one typed value: "4,7 k".
std::string joined(const std::vector<std::string_view>& words)
{
    std::string typed;
    for (std::string_view w : words)
        typed += (typed.empty() ? "" : " ") + std::string(w);
    return typed;
}

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

// The range a marking or a series look-up takes, as the line to print.
std::string outsideMarked(std::string_view typed, bool resistor)
{
    return said(wording::outsideBelow,
        {echo(typed), kelvane::written(kelvane::smallestMarked(resistor), resistor),
            kelvane::written(kelvane::markedLimit, resistor)});
}

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

// The kind of each code for scripts. Indexed by kelvane::Code.
constexpr const char* codeKeys[] = {"3-digit", "4-digit", "letter", "EIA-96", "zero-ohm", "pF"};

int read(const Args& a)
{
    if (a.words.empty())
        return misused(said(wording::missing, {"CODE"}));
    if (a.words.size() > 1)
        return misused(said(wording::unexpected, {echo(a.words[1])}));
    const bool resistor = a.resistor();
    const auto result = kelvane::readMarking(a.words[0], resistor);
    if (const auto* error = std::get_if<kelvane::MarkingError>(&result))
        return fail(*error == kelvane::MarkingError::OutOfRange ? outsideMarked(a.words[0], resistor)
                                                                : echo(a.words[0]) + ": "
                    + tr(wording::markingsContext, wording::textOf(wording::markingErrors, *error)));
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
        std::string line = text + "\t" + tr(wording::markingsContext, wording::textOf(wording::codeNames, r.code));
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
        return fail(echo(typed) + ": " + tr(wording::commandContext, wording::notAValue));
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

// A typed resistance, as the parts lists take it, or the reason it is none as the line to print.
std::variant<Milli, std::string> resistance(std::string_view typed)
{
    const auto parsed = kelvane::parseValue(typed, true);
    if (const auto* v = std::get_if<Milli>(&parsed); v && *v >= kelvane::smallestPart && *v <= kelvane::largestPart)
        return *v;
    if (std::holds_alternative<kelvane::ValueError>(parsed)
        && std::get<kelvane::ValueError>(parsed) != kelvane::ValueError::OutOfRange)
        return echo(typed) + ": " + tr(wording::commandContext, wording::notAValue);
    return said(wording::outside,
        {echo(typed), kelvane::written(kelvane::smallestPart, true), kelvane::written(kelvane::largestPart, true)});
}

// "12", "0,5", "3.3", "3.3e0" from above 0.
std::optional<double> positive(std::string_view text)
{
    std::string t(text);
    for (char& c : t)
        c = c == ',' ? '.' : c;
    // Only a decimal number: strtod would also take "inf", "nan" and hexadecimal.
    if (t.find_first_not_of("0123456789.eE+-") != std::string::npos)
        return std::nullopt;
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

// A file's text, or why it cannot be read as the line to print.
struct FileText {
    std::string text;
    std::string problem; // empty when read
};

// A parts list longer than this is no list a person keeps: a device or a
// wrong file, not to be read to its end.
constexpr std::size_t mostFileBytes = 64 << 20;

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
        if (text.size() > mostFileBytes)
            return {{}, said(wording::tooLarge, {echo(name), std::to_string(mostFileBytes >> 20)})};
    }
    if (in.bad())
        return {{}, said(wording::unreadable, {echo(name)})};
    return {text, {}};
}

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
            + tr(wording::commandContext, wording::textOf(wording::partsLineErrors, p.error)));
    return read.parts;
}

// The parts of find, divide and labels: a series from --min to --max (labels:
// --from, --to), or a parts file; less those left out. The status to end with
// when there are none, its reason printed.
std::variant<std::vector<kelvane::Part>, int> partsOf(
    const Args& a, const char* lowest = "--min", const char* highest = "--max")
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
        auto read = partsFile(*file, tolerance.value_or(0.05));
        if (const auto* why = std::get_if<std::string>(&read))
            return fail(*why);
        source = echo(*file);
        parts = kelvane::listParts(std::move(std::get<std::vector<kelvane::Part>>(read)), excluded);
    } else {
        const std::string_view name = a.value("--series").value_or("E24");
        const kelvane::SeriesTable* table = nullptr;
        for (const kelvane::SeriesTable& t : kelvane::seriesTables)
            if (fold(name) == fold(t.name))
                table = &t;
        if (!table)
            return misused(said(wording::takesOneOf, {"--series", choices(kelvane::seriesTables)}));
        Milli bound[2] = {1000, 10'000'000'000};
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

// A whole-number option from 1 to most, or the default when not given; nullopt for any other.
std::optional<std::size_t> wholeOption(const Args& a, const char* name, std::size_t byDefault, std::size_t most)
{
    const auto text = a.value(name);
    if (!text)
        return byDefault;
    std::size_t n = 0;
    const auto [end, error] = std::from_chars(text->data(), text->data() + text->size(), n);
    if (error != std::errc() || end != text->data() + text->size() || n < 1 || n > most)
        return std::nullopt;
    return n;
}

constexpr std::size_t mostShown = 1000;

int badWhole(const char* name, std::size_t most)
{
    return misused(said(wording::takesWhole, {name, "1", std::to_string(most)}));
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

// A network from its written form, from position i up to a ")" or the end: a
// part in ohms, or {"series": [...]} or {"parallel": [...]} of what it holds.
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
        print(kelvane::written(n) + "\t" + shownValue(n.value) + "\t" + shownPercent(n.deviation) + "\t"
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
        return fail(echo(!vin ? a.words[0] : a.words[1]) + ": " + tr(wording::commandContext, wording::notAValue));
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
        print("R1 " + kelvane::written(d.r1, true) + "\tR2 " + kelvane::written(d.r2, true) + "\t" + shown(d.vout, 4)
            + " V\t" + shownPercent(d.deviation) + "\t" + shown(d.low, 4) + " V \u2026 " + shown(d.high, 4) + " V");
    }
    if (a.json())
        print(document.end());
    return 0;
}

cli::Becomes becomeWindow = nullptr;

// The window program with these arguments after its name; by exec, unless a
// caller said how it stands in.
int handOver(std::vector<std::string> args)
{
    const std::string window = programFolder() + KELVANE_WINDOW_FROM_BIN;
    std::vector<char*> argv{const_cast<char*>(window.c_str())};
    for (std::string& a : args)
        argv.push_back(a.data());
    argv.push_back(nullptr);
    std::fflush(stdout);
    if (becomeWindow)
        return becomeWindow(argv.data());
    execv(window.c_str(), argv.data());
    return fail(window + ": " + std::strerror(errno));
}

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
    const std::string_view bands = a.value("--bands").value_or("both");
    const int choice = bands == "4" ? 0 : bands == "5" ? 1 : bands == "both" ? 2 : -1;
    if (choice < 0)
        return misused(said(wording::takesOneOf, {"--bands", "4, 5, both"}));
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
    std::vector<std::string> args{
        "--write-labels", std::string(*output), std::to_string(*sheet), std::to_string(choice)};
    for (const kelvane::Part& p : parts)
        args.push_back(std::to_string(p.value) + "/" + general(p.tolerance, 10));
    return handOver(args);
}

int chart(const Args& a)
{
    const auto output = a.value("--output");
    if (!output)
        return misused(said(wording::missing, {"-o FILE.pdf"}));
    if (!a.words.empty())
        return misused(said(wording::unexpected, {echo(a.words[0])}));
    return handOver({"--write-chart", std::string(*output)});
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
    for (const char* o = std::strstr(c.options, "--"); o; o = std::strstr(o + 1, "--")) {
        const std::size_t length = std::strcspn(o, " =");
        if (std::string_view(o, length) == name)
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
        const std::string_view name = word.substr(0, word.find('='));
        const char* option = optionOf(c, name);
        if (!option)
            return misused(said(wording::noSuchOption, {echo(name)}));
        if (option[name.size()] != '=') {
            if (name.size() != word.size())
                return misused(said(wording::takesNoValue, {std::string(name)}));
            a.options.emplace_back(word, "");
        } else if (name.size() < word.size()) {
            a.options.emplace_back(name, word.substr(name.size() + 1));
        } else if (i + 1 < argc) {
            a.options.emplace_back(name, argv[++i]);
        } else {
            return misused(said(wording::takesAValue, {std::string(name)}));
        }
    }
    return c.run(a);
}

} // namespace

int cli::answer(int argc, char* argv[], Becomes becomes)
{
    becomeWindow = becomes;
    const std::string_view first = argc > 1 ? argv[1] : "";
    if (argc <= 1 || (first.size() > 1 && first[0] == '-' && first[1] != '-' && first != "-h")) {
        if (becomes)
            return becomes(argv);
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
            if (std::fflush(stdout) != 0 || std::ferror(stdout))
                return fail(std::strerror(errno));
            return status;
        }
    loadTranslations();
    complain(said(wording::noSuchCommand, {echo(first)}));
    usage(stderr, nullptr);
    return usageError;
}
