#include <kelvane/marking.h>
#include <kelvane/series.h>

#include "testbands.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>

using kelvane::MarkingError;
using kelvane::Milli;
using kelvane::Series;
using testbands::written;

// Each marking with its readings as "value code tolerance", joined by "; ", or its error.
TEST(Marking, Reading)
{
    const struct {
        const char* text;
        bool resistor;
        const char* read;
    } rows[] = {
        {"472", true, "4,7 Kohm 3"},
        {" 104 ", true, "100 Kohm 3"},
        {"010", true, "1 ohm 3"},
        {"4702", true, "47 Kohm 4"},
        {"4R7", true, "4,7 ohm L"},
        {"r47", true, "0,47 ohm L"},
        {"4K7", true, "4,7 Kohm L"},
        {"4k02", true, "4,02 Kohm L"},
        {"1M0", true, "1 Mohm L"},
        {"10R", true, "10 ohm L; 1,24 ohm E"},
        {"99R", true, "99 ohm L"},
        {"01Z", true, "0,1 ohm E"},
        {"68X", true, "49,9 ohm E"},
        {"68S", true, "49,9 ohm E"},
        {"96F", true, "97,6 Mohm E"},
        {"30h", true, "2 Kohm E"},
        {"0", true, "0 ohm 0"},
        {"000", true, "0 ohm 0"},
        {"0r", true, "0 ohm 0"},
        {"479", false, "4,7 pF 3"},
        {"478", false, "0,47 pF 3"},
        {"104k", false, "100 nF 3 \u00B110 % 90 nF-110 nF"},
        {"109C", false, "1 pF 3 \u00B10,25 pF 0,75 pF-1,25 pF"},
        {"4p7B", false, "4,7 pF L \u00B10,1 pF 4,6 pF-4,8 pF"},
        {" n47J ", false, "470 pF L \u00B15 % 446,5 pF-493,5 pF"},
        {"2u2", false, "2,2 \u00B5F L"},
        {"2\u03BC2", false, "2,2 \u00B5F L"},
        {"2\u00B52Z", false, "2,2 \u00B5F L +80/\u221220 % 1,76 \u00B5F-3,96 \u00B5F"},
        {"226M", false, "22 \u00B5F 3 \u00B120 % 17,6 \u00B5F-26,4 \u00B5F"},
        {"47", false, "47 pF P"},
        {"1g", false, "1 pF P \u00B12 % 0,98 pF-1,02 pF"},
        {"p1D", false, "0,1 pF L \u00B10,5 pF 0 pF-0,6 pF"},
        {"R010", true, "0,01 ohm L"},
        {"R005", true, "0,005 ohm L"},
        {"0r01", true, "0,01 ohm L"},
        {"01R", true, "1 ohm L+E"},
        {"4K7J", true, "4,7 Kohm L \u00B15 % 4,465 Kohm-4,935 Kohm"},
        {"1001F", true, "1 Kohm 4 \u00B11 % 990 ohm-1,01 Kohm"},
        {"R47C", true, "0,47 ohm L \u00B10,25 % 0,468825 ohm-0,471175 ohm"},
        {"470K", true, "470 Kohm L; 47 ohm 3 \u00B110 % 42,3 ohm-51,7 ohm"},
        {"10RF", true, "10 ohm L \u00B11 % 9,9 ohm-10,1 ohm; 1,24 ohm E \u00B11 % 1,2276 ohm-1,2524 ohm"},
        {"R001M", true, "0,001 ohm L \u00B120 % 0,0008 ohm-0,0012 ohm"},
        {"01C", true, "10 Kohm E"},
        {"", true, "empty"},
        {"   ", false, "empty"},
        {"47", true, "not a marking"},
        {"4702", false, "not a marking"},
        {"4K7", false, "not a marking"},
        {"4n7", true, "not a marking"},
        {"472B", true, "4,7 Kohm 3 \u00B10,1 % 4,6953 Kohm-4,7047 Kohm"},
        {"4 7 2", true, "not a marking"},
        {"1K0000", true, "not a marking"},
        {"0", false, "out of range"},
        {"478J", true, "out of range"},
        {"97A", true, "no such EIA-96 number"},
        {"478", true, "out of range"},
        {"R0005", true, "out of range"},
        {"R1234", true, "out of range"},
        {"001", true, "out of range"},
        {"00R", true, "out of range"},
        {"000", false, "out of range"},
    };
    const char codes[] = {'3', '4', 'L', 'E', '0', 'P'};
    const char* errors[] = {"empty", "not a marking", "no such EIA-96 number", "out of range"};
    for (const auto& r : rows) {
        const auto result = kelvane::readMarking(r.text, r.resistor);
        std::string seen;
        if (const auto* error = std::get_if<MarkingError>(&result))
            seen = errors[static_cast<int>(*error)];
        else
            for (const kelvane::Reading& reading : std::get<0>(result)) {
                seen += (seen.empty() ? "" : "; ") + written(reading.value, r.resistor) + ' '
                    + codes[static_cast<int>(reading.code)];
                if (reading.alsoAs)
                    seen += std::string("+") + codes[static_cast<int>(*reading.alsoAs)];
                if (reading.tolerance) {
                    const auto range = kelvane::rangeOf(reading.value, reading.tolerance->tolerance);
                    seen += std::string(" ") + reading.tolerance->text + ' ' + written(range.low, r.resistor, 8) + '-'
                        + written(range.high, r.resistor, 8);
                }
            }
        EXPECT_EQ(seen, r.read) << r.text;
    }
}

// A value's series, its E24 and E96 neighbours, and its markings, which read back as the value.
TEST(Marking, SeriesAndWriting)
{
    const struct {
        Milli value;
        bool resistor;
        const char* series; // "-": in none
        const char* e24;    // "below above"
        const char* e96;
        const char* codes; // three-digit, four-digit, letter, EIA-96, picofarads
    } rows[] = {
        {4'700'000, true, "E6", "4,7 Kohm 4,7 Kohm", "4,64 Kohm 4,75 Kohm", "472 4701 4K7 - -"},
        {1'000'000'000, true, "E6", "1 Mohm 1 Mohm", "1 Mohm 1 Mohm", "105 1004 1M0 01E -"},
        {100, true, "E6", "0,1 ohm 0,1 ohm", "0,1 ohm 0,1 ohm", "- - R10 01Z -"},
        {10'000, true, "E6", "10 ohm 10 ohm", "10 ohm 10 ohm", "100 - 10R 01X -"},
        {2'700'000, false, "E12", "2,7 nF 2,7 nF", "2,67 nF 2,74 nF", "272 - 2n7 - -"},
        {4'700, false, "E6", "4,7 pF 4,7 pF", "4,64 pF 4,75 pF", "479 - 4p7 - -"},
        {470, false, "E6", "0,47 pF 0,47 pF", "0,464 pF 0,475 pF", "478 - p47 - -"},
        {330'000'000, false, "E6", "330 nF 330 nF", "324 nF 332 nF", "334 - 330n - -"},
        {3'000'000, true, "E24", "3 Kohm 3 Kohm", "2,94 Kohm 3,01 Kohm", "302 3001 3K0 - -"},
        {49'900, true, "E96", "47 ohm 51 ohm", "49,9 ohm 49,9 ohm", "- - 49R9 68X -"},
        {1'010'000'000, true, "E192", "1 Mohm 1,1 Mohm", "1 Mohm 1,02 Mohm", "- 1014 1M01 - -"},
        {920'000, true, "E192", "910 ohm 1 Kohm", "909 ohm 931 ohm", "921 9200 920R - -"},
        {4'600'000, true, "-", "4,3 Kohm 4,7 Kohm", "4,53 Kohm 4,64 Kohm", "462 4601 4K6 - -"},
        {4'020'000, true, "E48", "3,9 Kohm 4,3 Kohm", "4,02 Kohm 4,02 Kohm", "- 4021 4K02 59B -"},
        {999'000'000'000, true, "-", "910 Mohm 1000 Mohm", "976 Mohm 1000 Mohm", "- 9996 999M - -"},
        {1'234'000, true, "-", "1,2 Kohm 1,3 Kohm", "1,21 Kohm 1,24 Kohm", "- - 1K234 - -"},
        {12'345'000, true, "-", "12 Kohm 13 Kohm", "12,1 Kohm 12,4 Kohm", "- - - - -"},
        {47'000, false, "E6", "47 pF 47 pF", "46,4 pF 47,5 pF", "470 - 47p - 47"},
        {17, true, "-", "0,016 ohm 0,018 ohm", "", "- - R017 - -"},
        {5, true, "-", "", "", "- - R005 - -"},
    };
    const auto series = [](Milli v) {
        const auto s = kelvane::coarsestSeries(v);
        return s ? std::string(kelvane::tableOf(*s).name) : std::string("-");
    };
    for (const auto& r : rows) {
        SCOPED_TRACE(written(r.value, r.resistor));
        EXPECT_EQ(series(r.value), r.series);
        for (const auto& [s, expected] : {std::pair{Series::E24, r.e24}, std::pair{Series::E96, r.e96}}) {
            if (*expected == '\0') // below the series' values in whole thousandths
                continue;
            const auto n = kelvane::neighbours(s, r.value);
            EXPECT_EQ(written(n.below, r.resistor) + ' ' + written(n.above, r.resistor), expected);
        }
        const kelvane::Markings m = kelvane::markingsOf(r.value, r.resistor);
        std::string codes;
        for (const std::string* code : {&m.threeDigit, &m.fourDigit, &m.letter, &m.eia96, &m.picofarads}) {
            codes += (codes.empty() ? "" : " ") + (code->empty() ? "-" : *code);
            if (code->empty())
                continue;
            const auto back = kelvane::readMarking(*code, r.resistor);
            ASSERT_TRUE(std::holds_alternative<std::vector<kelvane::Reading>>(back)) << *code;
            const auto& readings = std::get<0>(back);
            EXPECT_TRUE(std::any_of(readings.begin(), readings.end(), [&r](const kelvane::Reading& x) {
                return x.value == r.value;
            })) << *code;
        }
        EXPECT_EQ(codes, r.codes);
    }
}
