// The standard values of IEC 60063: each series as the values of one decade,
// with two significant digits (E6 to E24) or three (E48 to E192). A value is
// compared by its significant digits alone, so one table serves every decade.
#pragma once

#include "kelvane/indexed.h"
#include "kelvane/units.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>

namespace kelvane {

inline constexpr std::uint16_t e6[] = {10, 15, 22, 33, 47, 68};
inline constexpr std::uint16_t e12[] = {10, 12, 15, 18, 22, 27, 33, 39, 47, 56, 68, 82};
// Eight of E24's values follow no rounding of the geometric steps: 27 to 47 and 82.
inline constexpr std::uint16_t e24[]
    = {10, 11, 12, 13, 15, 16, 18, 20, 22, 24, 27, 30, 33, 36, 39, 43, 47, 51, 56, 62, 68, 75, 82, 91};
inline constexpr std::uint16_t e48[] = {100, 105, 110, 115, 121, 127, 133, 140, 147, 154, 162, 169, 178, 187, 196, 205,
    215, 226, 237, 249, 261, 274, 287, 301, 316, 332, 348, 365, 383, 402, 422, 442, 464, 487, 511, 536, 562, 590, 619,
    649, 681, 715, 750, 787, 825, 866, 909, 953};
// EIA-96 numbers these values 01 to 96 in order.
inline constexpr std::uint16_t e96[] = {100, 102, 105, 107, 110, 113, 115, 118, 121, 124, 127, 130, 133, 137, 140, 143,
    147, 150, 154, 158, 162, 165, 169, 174, 178, 182, 187, 191, 196, 200, 205, 210, 215, 221, 226, 232, 237, 243, 249,
    255, 261, 267, 274, 280, 287, 294, 301, 309, 316, 324, 332, 340, 348, 357, 365, 374, 383, 392, 402, 412, 422, 432,
    442, 453, 464, 475, 487, 499, 511, 523, 536, 549, 562, 576, 590, 604, 619, 634, 649, 665, 681, 698, 715, 732, 750,
    768, 787, 806, 825, 845, 866, 887, 909, 931, 953, 976};
// 920 where the rounded steps give 919.
inline constexpr std::uint16_t e192[] = {100, 101, 102, 104, 105, 106, 107, 109, 110, 111, 113, 114, 115, 117, 118, 120,
    121, 123, 124, 126, 127, 129, 130, 132, 133, 135, 137, 138, 140, 142, 143, 145, 147, 149, 150, 152, 154, 156, 158,
    160, 162, 164, 165, 167, 169, 172, 174, 176, 178, 180, 182, 184, 187, 189, 191, 193, 196, 198, 200, 203, 205, 208,
    210, 213, 215, 218, 221, 223, 226, 229, 232, 234, 237, 240, 243, 246, 249, 252, 255, 258, 261, 264, 267, 271, 274,
    277, 280, 284, 287, 291, 294, 298, 301, 305, 309, 312, 316, 320, 324, 328, 332, 336, 340, 344, 348, 352, 357, 361,
    365, 370, 374, 379, 383, 388, 392, 397, 402, 407, 412, 417, 422, 427, 432, 437, 442, 448, 453, 459, 464, 470, 475,
    481, 487, 493, 499, 505, 511, 517, 523, 530, 536, 542, 549, 556, 562, 569, 576, 583, 590, 597, 604, 612, 619, 626,
    634, 642, 649, 657, 665, 673, 681, 690, 698, 706, 715, 723, 732, 741, 750, 759, 768, 777, 787, 796, 806, 816, 825,
    835, 845, 856, 866, 876, 887, 898, 909, 920, 931, 942, 953, 965, 976, 988};

enum class Series : std::uint8_t { E6, E12, E24, E48, E96, E192 };
template <> inline constexpr std::size_t enumCount<Series> = static_cast<std::size_t>(Series::E192) + 1;

struct SeriesTable {
    const char* name;
    const std::uint16_t* values;
    std::size_t count;
    std::uint16_t decade; // 10 or 100: the first value, one tenth of the next decade's
};

// Coarsest first: a value of E6 is in E12 and E24 too, and one of E48 in E96 and E192.
inline constexpr auto seriesTables = indexedBy<Series, SeriesTable>({
    {"E6", e6, std::size(e6), 10},
    {"E12", e12, std::size(e12), 10},
    {"E24", e24, std::size(e24), 10},
    {"E48", e48, std::size(e48), 100},
    {"E96", e96, std::size(e96), 100},
    {"E192", e192, std::size(e192), 100},
});

constexpr const SeriesTable& tableOf(Series s) { return entryOf(seriesTables, s); }

// The coarsest series that holds the value; nullopt for one in none, and for 0.
std::optional<Series> coarsestSeries(Milli value);

// The series whose neighbours name a value that is in none: E24 for a value
// of two significant digits or fewer, E96 for more.
Series neighbourSeries(Milli value);

struct Neighbours {
    Milli below;
    Milli above;
};

// The series' nearest values at or below and at or above the value, in this
// decade or the next. From the series' first value in thousandths up (value
// >= tableOf(s).decade: 0,01 for E6 to E24, 0,1 for E48 to E192), where
// both are whole thousandths; below, as for a few milliohms, there are none.
Neighbours neighbours(Series s, Milli value);

// Where a value stands, as the windows and the command line tell it: the
// coarsest series that holds it, or for a value in none (not 0) the series
// whose values are nearest and its values below and above; around stays
// {0, 0} where there are none to name (a value in a series, or below the
// nearest series' first value).
struct Standing {
    std::optional<Series> series;
    Series nearest = Series::E24;
    Neighbours around{0, 0};
};

Standing standing(Milli value);

} // namespace kelvane
