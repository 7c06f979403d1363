#include "kelvane/parts.h"

#include "ascii.h"
#include "lines.h"
#include "words.h"

#include "kelvane/tolerance.h"
#include "kelvane/utf8.h"
#include "kelvane/value.h"

#include <algorithm>
#include <optional>
#include <string>

namespace kelvane {

namespace {

std::variant<std::vector<Part>, PartsError> finish(std::vector<Part> parts, const std::vector<Milli>& excluded)
{
    parts.erase(
        std::remove_if(parts.begin(), parts.end(),
            [&](const Part& p) { return std::find(excluded.begin(), excluded.end(), p.value) != excluded.end(); }),
        parts.end());
    if (parts.empty())
        return PartsError::Empty;
    if (parts.size() > mostParts)
        return PartsError::TooMany;
    return parts;
}

// A line's words: apart at spaces, tabs, ";" and a comma that ends a word
// (one inside a number is its decimal comma). Into words, kept from line to
// line, so that a long list is read without an allocation a line.
void split(std::string_view line, std::vector<std::string_view>& words)
{
    words.clear();
    std::size_t start = 0;
    for (std::size_t i = 0; i <= line.size(); ++i) {
        const bool apart = i == line.size() || line[i] == ' ' || line[i] == '\t' || line[i] == ';'
            || (line[i] == ',' && (i + 1 == line.size() || line[i + 1] == ' ' || line[i + 1] == '\t'));
        if (!apart)
            continue;
        if (i > start)
            words.push_back(line.substr(start, i - start));
        start = i + 1;
    }
}

// A number parse reads, when from least to most; one it finds out of range,
// or one with a minus sign, is `range`; anything else is NotAValue.
template <typename Parse>
std::variant<Milli, PartsLineError> bounded(
    std::string_view text, Parse parse, Milli least, Milli most, PartsLineError range)
{
    const bool negative = !text.empty() && text.front() == '-';
    const std::variant<Milli, ValueError> v = parse(negative ? text.substr(1) : text);
    if (const Milli* m = std::get_if<Milli>(&v); m && !negative && *m >= least && *m <= most)
        return *m;
    if (std::holds_alternative<Milli>(v) || std::get<ValueError>(v) == ValueError::OutOfRange)
        return range;
    return PartsLineError::NotAValue;
}

// Reads a line's values into parts; the line's first fault, if any. The
// words and the joined text are the caller's, kept from line to line.
std::optional<PartsLineError> readLine(std::string_view line, double tolerance, std::vector<Part>& parts,
    std::vector<std::string_view>& words, std::string& joined)
{
    if (!isText(line))
        return PartsLineError::NotText;
    split(line.substr(0, line.find('#')), words);
    std::optional<PartsLineError> fault;
    auto note = [&fault](PartsLineError e) { fault = fault.value_or(e); };
    enum class Before { Nothing, Value, Refused } before = Before::Nothing;
    // What a value was given after it: each of its tolerance and its coefficient once.
    bool toleranceGiven = false, tempcoGiven = false;
    for (std::size_t i = 0; i < words.size();) {
        // "1%", "0,5%", "25ppm": the tolerance or coefficient of the value before it (none for one refused).
        const std::string_view word = words[i];
        const bool percent = !toleranceGiven && word.size() >= 2 && word.back() == '%';
        const bool ppm = !tempcoGiven && word.size() >= 4 && lowered(word.substr(word.size() - 3)) == "ppm";
        if (before != Before::Nothing && (percent || ppm)) {
            const auto p = percent
                ? bounded(word.substr(0, word.size() - 1), parseNumber, 0, 99'999, PartsLineError::ToleranceOutOfRange)
                : bounded(word.substr(0, word.size() - 3), parseNumber, 0, Milli(mostTempco * 1000),
                    PartsLineError::TempcoOutOfRange);
            const auto* thousandths = std::get_if<Milli>(&p);
            if (thousandths || std::get<PartsLineError>(p) != PartsLineError::NotAValue) {
                if (before == Before::Value && thousandths) {
                    if (percent)
                        parts.back().tolerance = static_cast<double>(*thousandths) / 100'000;
                    else
                        parts.back().tempco = static_cast<double>(*thousandths) / 1000;
                } else if (before == Before::Value) {
                    parts.pop_back();
                    note(std::get<PartsLineError>(p));
                    before = Before::Refused;
                }
                (percent ? toleranceGiven : tempcoGiven) = true;
                ++i;
                continue;
            }
        }
        toleranceGiven = tempcoGiven = false;
        const auto v = longestValue(
            words, i, joined,
            [](std::string_view t) {
                return bounded(
                    t, [](std::string_view w) { return parseValue(w, true); }, smallestPart, largestPart,
                    PartsLineError::OutOfRange);
            },
            [](const auto& answer) {
                return std::holds_alternative<Milli>(answer)
                    || std::get<PartsLineError>(answer) == PartsLineError::OutOfRange;
            });
        if (!v) {
            note(PartsLineError::NotAValue);
            before = Before::Nothing;
        } else if (const Milli* m = std::get_if<Milli>(&v->first)) {
            parts.push_back({*m, tolerance});
            before = Before::Value;
        } else {
            note(PartsLineError::OutOfRange);
            before = Before::Refused;
        }
        i += v ? v->second : 1;
    }
    return fault;
}

} // namespace

PartsText readParts(std::string_view text, double tolerance)
{
    PartsText read;
    std::vector<std::string_view> words;
    std::string joined;
    eachLine(text, [&](std::size_t number, std::string_view line) {
        if (const auto fault = readLine(line, tolerance, read.parts, words, joined))
            read.wrong.push_back({number, *fault});
    });
    return read;
}

std::variant<std::vector<Part>, PartsError> seriesParts(
    Series s, Milli lowest, Milli highest, const std::vector<Milli>& excluded)
{
    if (lowest <= 0 || highest > largestPart || lowest > highest)
        return PartsError::OutOfRange;
    const SeriesTable& t = tableOf(s);
    std::vector<Part> parts;
    for (Milli step = 1; t.values[0] * step <= highest; step *= 10)
        for (std::size_t i = 0; i < t.count; ++i) {
            const Milli v = t.values[i] * step;
            if (v >= lowest && v <= highest) {
                if (parts.size() == mostParts)
                    return PartsError::TooMany;
                parts.push_back({v, seriesTolerance(s), seriesTempco(s)});
            }
        }
    return finish(std::move(parts), excluded);
}

std::variant<std::vector<Part>, PartsError> listParts(std::vector<Part> parts, const std::vector<Milli>& excluded)
{
    if (std::any_of(parts.begin(), parts.end(), [](const Part& p) {
            return p.value <= 0 || p.value > largestPart || !(p.tolerance >= 0 && p.tolerance < 1);
        }))
        return PartsError::OutOfRange;
    std::sort(parts.begin(), parts.end(), [](const Part& a, const Part& b) {
        return a.value != b.value ? a.value < b.value : a.tolerance < b.tolerance;
    });
    parts.erase(
        std::unique(parts.begin(), parts.end(), [](const Part& a, const Part& b) { return a.value == b.value; }),
        parts.end());
    return finish(std::move(parts), excluded);
}

} // namespace kelvane
