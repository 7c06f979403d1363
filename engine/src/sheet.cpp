#include "kelvane/sheet.h"

#include "ascii.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <utility>
#include <variant>

namespace kelvane {

std::optional<std::size_t> sheetNamed(std::string_view name)
{
    for (std::size_t i = 0; i < sheets.size(); ++i)
        if (lowered(sheets[i].name) == lowered(name))
            return i;
    return std::nullopt;
}

namespace {

// A CR is blank, as at the end of a CRLF line.
constexpr std::string_view blank = " \t\r";

std::vector<std::string_view> fieldsOf(std::string_view line)
{
    std::vector<std::string_view> fields;
    for (std::size_t at = line.find_first_not_of(blank); at != std::string_view::npos;
         at = line.find_first_not_of(blank, at)) {
        const std::size_t end = std::min(line.find_first_of(blank, at), line.size());
        fields.push_back(line.substr(at, end - at));
        at = end;
    }
    return fields;
}

// A decimal number and nothing else: from_chars alone would also take "inf" and "nan".
std::optional<double> numberOf(std::string_view text)
{
    double v = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), v);
    if (error != std::errc() || end != text.data() + text.size() || !std::isfinite(v))
        return std::nullopt;
    return v;
}

// A sheet's line read, or why it is none.
std::variant<std::pair<std::size_t, Calibration>, CalibrationLineError> lineOf(std::string_view line)
{
    const auto fields = fieldsOf(line);
    if (fields.size() != 5)
        return CalibrationLineError::Fields;
    const auto sheet = sheetNamed(fields[0]);
    if (!sheet)
        return CalibrationLineError::NoSuchSheet;
    Calibration c;
    double* const numbers[] = {&c.offsetX, &c.offsetY, &c.scaleX, &c.scaleY};
    for (std::size_t i = 0; i < std::size(numbers); ++i) {
        const auto v = numberOf(fields[i + 1]);
        if (!v)
            return CalibrationLineError::NotANumber;
        *numbers[i] = *v;
    }
    if (!withinReach(c))
        return CalibrationLineError::OutOfReach;
    return std::pair(*sheet, c);
}

std::string numberText(double v)
{
    char text[32];
    const auto end = std::to_chars(text, text + sizeof text, v);
    return std::string(text, end.ptr);
}

// Each line with its number from 1; a line ends at LF.
template <class Each> void eachLine(std::string_view text, Each each)
{
    std::size_t number = 1;
    for (std::size_t at = 0; at <= text.size(); ++number) {
        const std::size_t end = std::min(text.find('\n', at), text.size());
        each(number, text.substr(at, end - at));
        at = end + 1;
    }
}

// A blank line or a comment.
bool isNone(std::string_view line)
{
    const std::size_t first = line.find_first_not_of(blank);
    return first == std::string_view::npos || line[first] == '#';
}

} // namespace

Calibrations readCalibrations(std::string_view text)
{
    Calibrations read{};
    std::array<bool, sheets.size()> seen{};
    eachLine(text, [&](std::size_t number, std::string_view line) {
        if (isNone(line))
            return;
        const auto got = lineOf(line);
        if (const auto* error = std::get_if<CalibrationLineError>(&got)) {
            read.wrong.push_back({number, *error});
            return;
        }
        const auto [sheet, calibration] = std::get<std::pair<std::size_t, Calibration>>(got);
        if (seen[sheet]) {
            read.wrong.push_back({number, CalibrationLineError::Repeated});
            return;
        }
        seen[sheet] = true;
        read.bySheet[sheet] = calibration;
    });
    return read;
}

std::string calibrationText(const std::array<Calibration, sheets.size()>& bySheet)
{
    std::string text;
    for (std::size_t i = 0; i < sheets.size(); ++i) {
        const Calibration& c = bySheet[i];
        if (c.offsetX == 0 && c.offsetY == 0 && c.scaleX == 100 && c.scaleY == 100)
            continue;
        text += std::string(sheets[i].name);
        for (double v : {c.offsetX, c.offsetY, c.scaleX, c.scaleY})
            text += " " + numberText(v);
        text += "\n";
    }
    return text;
}

std::string keptLines(std::string_view text)
{
    const std::vector<CalibrationLineProblem> wrong = readCalibrations(text).wrong;
    std::string kept;
    std::size_t next = 0;
    eachLine(text, [&](std::size_t number, std::string_view line) {
        const bool unread = next < wrong.size() && wrong[next].line == number;
        next += unread ? 1 : 0;
        const bool comment = isNone(line) && line.find_first_not_of(blank) != std::string_view::npos;
        if (unread || comment)
            kept.append(line).append("\n");
    });
    return kept;
}

} // namespace kelvane
