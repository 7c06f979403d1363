#include "kelvane/parts.h"

#include "kelvane/value.h"

#include <algorithm>
#include <cstdlib>
#include <optional>
#include <string>

namespace kelvane {

namespace {

constexpr double tolerances[] = {0.2, 0.1, 0.05, 0.02, 0.01, 0.005};

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
// (one inside a number is its decimal comma).
std::vector<std::string> words(std::string_view line)
{
    std::vector<std::string> w(1);
    for (std::size_t i = 0; i < line.size(); ++i) {
        const char c = line[i];
        const bool apart = c == ' ' || c == '\t' || c == ';' || c == '\r'
            || (c == ',' && (i + 1 == line.size() || line[i + 1] == ' ' || line[i + 1] == '\t'));
        if (!apart)
            w.back() += c;
        else if (!w.back().empty())
            w.emplace_back();
    }
    if (w.back().empty())
        w.pop_back();
    return w;
}

// "1%", "0,5 %" written as one word: the fraction, when from 0 up to 100.
std::optional<double> percent(std::string word)
{
    if (word.size() < 2 || word.back() != '%')
        return std::nullopt;
    word.pop_back();
    std::replace(word.begin(), word.end(), ',', '.');
    char* end = nullptr;
    const double p = std::strtod(word.c_str(), &end);
    if (end != word.c_str() + word.size() || !(p >= 0 && p < 100))
        return std::nullopt;
    return p / 100;
}

} // namespace

PartsText readParts(std::string_view text, double tolerance)
{
    PartsText read;
    std::size_t number = 0;
    for (std::size_t start = 0; start <= text.size(); ++number) {
        const std::size_t end = std::min(text.find('\n', start), text.size());
        const std::string_view line
            = text.substr(start, end - start).substr(0, text.substr(start, end - start).find('#'));
        start = end + 1;
        const std::vector<std::string> w = words(line);
        bool wrong = false;
        bool valueBefore = false;
        // A value may take up to three words ("4,7 k ohm"): the longest that reads as one.
        for (std::size_t i = 0; i < w.size();) {
            if (const auto p = percent(w[i]); p && valueBefore) {
                read.parts.back().tolerance = *p;
                valueBefore = false;
                ++i;
                continue;
            }
            std::size_t taken = 0;
            for (std::size_t n = std::min<std::size_t>(3, w.size() - i); n > 0 && taken == 0; --n) {
                std::string joined = w[i];
                for (std::size_t k = 1; k < n; ++k)
                    joined += ' ' + w[i + k];
                if (const auto v = parseValue(joined, true); std::holds_alternative<Milli>(v)) {
                    read.parts.push_back({std::get<Milli>(v), tolerance});
                    taken = n;
                }
            }
            wrong = wrong || taken == 0;
            valueBefore = taken != 0;
            i += std::max<std::size_t>(taken, 1);
        }
        if (wrong)
            read.wrong.push_back(number + 1);
    }
    return read;
}

double seriesTolerance(Series s) { return tolerances[static_cast<std::size_t>(s)]; }

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
                parts.push_back({v, seriesTolerance(s)});
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
