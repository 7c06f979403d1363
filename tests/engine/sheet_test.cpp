#include <kelvane/sheet.h>

#include <gtest/gtest.h>

#include <cmath>
#include <utility>
#include <vector>

// The sheets as their makers publish them: labels across and down, the
// label's size, and the labels centred on the paper; a grid's abutting.
TEST(Sheet, PublishedSizesCentredOnThePaper)
{
    const struct {
        const char* name;
        int across, down;
        double width, height; // of a label, mm
    } rows[] = {
        {"a4-21", 3, 7, 63.5, 38.1},
        {"A4-24", 3, 8, 63.5, 33.9},
        {"A4-65", 5, 13, 38.1, 21.2},
        {"Letter-30", 3, 10, 66.675, 25.4},
        {"letter-80", 4, 20, 44.45, 12.7},
        {"A4-grid", 4, 11, 48, 25},
        {"Letter-grid", 4, 10, 50.8, 25.4},
    };
    for (const auto& r : rows) {
        SCOPED_TRACE(r.name);
        const auto index = kelvane::sheetNamed(r.name);
        ASSERT_TRUE(index);
        const kelvane::Sheet& s = kelvane::sheets[*index];
        EXPECT_EQ(s.columns, r.across);
        EXPECT_EQ(s.rows, r.down);
        EXPECT_NEAR(s.labelWidth, r.width, 0.01);
        EXPECT_NEAR(s.labelHeight, r.height, 0.01);
        const kelvane::LabelPlace last = kelvane::placeOf(s, kelvane::labelsPerPage(s) - 1);
        EXPECT_EQ(last.page, 0u);
        EXPECT_NEAR(s.pageWidth - (last.x + last.width), s.left, 0.05);
        EXPECT_NEAR(s.pageHeight - (last.y + last.height), s.top, 0.05);
        EXPECT_GE(s.pitchX, s.labelWidth);
        EXPECT_EQ(s.grid, s.pitchX == s.labelWidth && s.pitchY == s.labelHeight);
        EXPECT_EQ(kelvane::placeOf(s, kelvane::labelsPerPage(s)).page, 1u);
    }
    EXPECT_FALSE(kelvane::sheetNamed("A4-2"));
}

// A run begun further into its first sheet: its labels follow on from there,
// row by row, onto the next sheets.
TEST(Sheet, RunFromALaterLabel)
{
    const struct {
        const char* sheet;
        std::size_t start, n;
        std::size_t page;
        int column, row;
    } rows[] = {
        {"A4-21", 1, 0, 0, 0, 0},
        {"A4-21", 5, 0, 0, 1, 1},
        {"A4-21", 5, 16, 0, 2, 6},
        {"A4-21", 5, 17, 1, 0, 0},
        {"A4-21", 21, 0, 0, 2, 6},
        {"A4-21", 21, 1, 1, 0, 0},
        {"Letter-80", 80, 82, 2, 1, 0},
    };
    for (const auto& r : rows) {
        SCOPED_TRACE(testing::Message() << r.sheet << " from " << r.start << ", label " << r.n);
        const kelvane::Sheet& s = kelvane::sheets[*kelvane::sheetNamed(r.sheet)];
        const kelvane::LabelPlace p = kelvane::placeOf(s, r.n, r.start);
        EXPECT_EQ(p.page, r.page);
        EXPECT_DOUBLE_EQ(p.x, s.left + r.column * s.pitchX);
        EXPECT_DOUBLE_EQ(p.y, s.top + r.row * s.pitchY);
    }
}

// The calibration file: each sheet's line read exactly, every other line
// that is not blank or a comment told by its number and reason; the sheets
// written back read as they were.
TEST(Sheet, CalibrationFile)
{
    using E = kelvane::CalibrationLineError;
    const struct {
        const char* text;
        const char* sheet; // whose calibration is read
        kelvane::Calibration read;
        std::vector<std::pair<std::size_t, E>> wrong;
    } rows[] = {
        {"A4-21 1.5 -0.8 100 100\n", "A4-21", {1.5, -0.8, 100, 100}, {}},
        {"# mine\r\n\r\n  letter-30\t-2 0.25 99.5 100.75", "Letter-30", {-2, 0.25, 99.5, 100.75}, {}},
        {"A4-21 1 2 100\nB5 0 0 100 100\nA4-24 1,5 0 100 100\nA4-65 0 0 100 nan\nA4-grid 20.5 0 100 100\n"
         "A4-grid 0 0 79 100\nA4-21 3 4 100 100 5",
            "A4-21", {},
            {{1, E::Fields}, {2, E::NoSuchSheet}, {3, E::NotANumber}, {4, E::NotANumber}, {5, E::OutOfReach},
                {6, E::OutOfReach}, {7, E::Fields}}},
        {"A4-24 -20 20 80 120\nA4-24 0 0 100 100\n", "A4-24", {-20, 20, 80, 120}, {{2, E::Repeated}}},
    };
    for (const auto& r : rows) {
        SCOPED_TRACE(r.text);
        const kelvane::Calibrations read = kelvane::readCalibrations(r.text);
        const kelvane::Calibration& c = read.bySheet[*kelvane::sheetNamed(r.sheet)];
        EXPECT_EQ(c.offsetX, r.read.offsetX);
        EXPECT_EQ(c.offsetY, r.read.offsetY);
        EXPECT_EQ(c.scaleX, r.read.scaleX);
        EXPECT_EQ(c.scaleY, r.read.scaleY);
        std::vector<std::pair<std::size_t, E>> wrong;
        for (const auto& w : read.wrong)
            wrong.emplace_back(w.line, w.error);
        EXPECT_EQ(wrong, r.wrong);
        const kelvane::Calibrations back = kelvane::readCalibrations(kelvane::calibrationText(read.bySheet));
        EXPECT_TRUE(back.wrong.empty());
        EXPECT_EQ(kelvane::calibrationText(back.bySheet), kelvane::calibrationText(read.bySheet));
    }
    EXPECT_EQ(kelvane::calibrationText({}), "");
    // Saving keeps what a person wrote beside the calibrations.
    const struct {
        const char* text;
        const char* kept;
    } keep[] = {
        {"# mine\nA4-21 1 2 100 100\nB5 0 0 100 100\n\nA4-21 0 0 100 100\n  # two\r",
            "# mine\nB5 0 0 100 100\nA4-21 0 0 100 100\n  # two\r\n"},
        {"A4-21 1 2 100 100", ""},
        {"", ""},
    };
    for (const auto& k : keep)
        EXPECT_EQ(kelvane::keptLines(k.text), k.kept) << k.text;
}
