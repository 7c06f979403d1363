// Sticker sheets and the cutting grids: where each label lies on its page, in
// millimetres from the page's top-left corner. The sticker sheets keep the
// sizes, pitches and margins their makers publish; a grid's labels abut, to
// be cut apart along their edges. A run may begin further into its first
// sheet, where earlier labels are used; a printer's calibration, kept a line
// a sheet in a text file, says how the page is moved and stretched to meet
// the stickers.
#pragma once

#include "indexed.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace kelvane {

struct Sheet {
    const char* name;
    double pageWidth, pageHeight;
    int columns, rows;
    double labelWidth, labelHeight;
    double left, top;      // the first label's top-left corner
    double pitchX, pitchY; // from one label's corner to the next one's
    bool grid;             // a cutting grid: the labels' edges are drawn
};

inline constexpr double inch = 25.4;

inline constexpr std::array<Sheet, 7> sheets{{
    {"A4-21", 210, 297, 3, 7, 63.5, 38.1, 7.21, 15.15, 66.04, 38.1, false}, // Avery L7160
    {"A4-24", 210, 297, 3, 8, 63.5, 33.9, 7.21, 12.9, 66.04, 33.9, false},  // Avery L7159
    {"A4-65", 210, 297, 5, 13, 38.1, 21.2, 4.75, 10.7, 40.6, 21.2, false},  // Avery L7651
    {"Letter-30", 8.5 * inch, 11 * inch, 3, 10, 2.625 * inch, 1 * inch, 0.1875 * inch, 0.5 * inch, 2.75 * inch,
        1 * inch, false}, // Avery 5160
    {"Letter-80", 8.5 * inch, 11 * inch, 4, 20, 1.75 * inch, 0.5 * inch, 0.3 * inch, 0.5 * inch, 2.05 * inch,
        0.5 * inch, false}, // Avery 5167
    {"A4-grid", 210, 297, 4, 11, 48, 25, 9, 11, 48, 25, true},
    {"Letter-grid", 8.5 * inch, 11 * inch, 4, 10, 2 * inch, 1 * inch, 0.25 * inch, 0.5 * inch, 2 * inch, 1 * inch,
        true},
}};

constexpr std::size_t labelsPerPage(const Sheet& s) { return static_cast<std::size_t>(s.columns * s.rows); }

struct LabelPlace {
    std::size_t page;
    double x, y, width, height;
};

// The n-th label (from 0) of a run, row by row across the pages, the run
// beginning at label start (from 1) of its first sheet.
constexpr LabelPlace placeOf(const Sheet& s, std::size_t n, std::size_t start = 1)
{
    n += start - 1;
    const std::size_t onPage = n % labelsPerPage(s);
    const auto column = static_cast<double>(onPage % static_cast<std::size_t>(s.columns));
    const auto row = static_cast<double>(onPage / static_cast<std::size_t>(s.columns));
    return {n / labelsPerPage(s), s.left + column * s.pitchX, s.top + row * s.pitchY, s.labelWidth, s.labelHeight};
}

// Case does not matter: "a4-21" is "A4-21".
std::optional<std::size_t> sheetNamed(std::string_view name);

// What a page is made to be printed true: a point (x, y) of it is drawn at
// (offsetX + x * scaleX / 100, offsetY + y * scaleY / 100).
struct Calibration {
    double offsetX = 0, offsetY = 0;   // mm
    double scaleX = 100, scaleY = 100; // per cent
};

// Far beyond what a working printer needs, near enough to catch a mistyped value.
inline constexpr double largestOffset = 20, smallestScale = 80, largestScale = 120;

constexpr bool withinReach(const Calibration& c)
{
    const auto offset = [](double v) { return v >= -largestOffset && v <= largestOffset; };
    const auto scale = [](double v) { return v >= smallestScale && v <= largestScale; };
    return offset(c.offsetX) && offset(c.offsetY) && scale(c.scaleX) && scale(c.scaleY);
}

// The calibration file: "A4-21 1.5 -0.8 100 100", a sheet's name (in any
// case) and its offsets and scales, one line a sheet; blank lines and lines
// beginning with # are none.
enum class CalibrationLineError : std::uint8_t {
    Fields, // not a name and four numbers
    NoSuchSheet,
    NotANumber,
    OutOfReach, // not withinReach
    Repeated,   // a sheet given on an earlier line
};
template <>
inline constexpr std::size_t enumCount<CalibrationLineError> = static_cast<std::size_t>(CalibrationLineError::Repeated)
    + 1;

struct CalibrationLineProblem {
    std::size_t line; // from 1
    CalibrationLineError error;
};

struct Calibrations {
    std::array<Calibration, sheets.size()> bySheet; // indexed as sheets, each unread one as printed
    std::vector<CalibrationLineProblem> wrong;      // in line order, one a line
};

Calibrations readCalibrations(std::string_view text);

// The lines of the sheets whose calibration changes anything, read back exactly.
std::string calibrationText(const std::array<Calibration, sheets.size()>& bySheet);

// What a file holds beside the sheets' calibrations, its comments and the
// lines not read, as they stand: written again before them, so that saving a
// calibration loses nothing a person wrote.
std::string keptLines(std::string_view text);

} // namespace kelvane
