#include <kelvane/sheet.h>

#include <gtest/gtest.h>

#include <cmath>

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
