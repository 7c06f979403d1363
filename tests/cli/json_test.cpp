// The JSON writer: documents as scripts read them, whatever the strings and
// numbers hold. The print job handed to the window program: read back exactly
// as written, and nothing else read as one.
#include "json.h"
#include "printjob.h"

#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <limits>
#include <string>
#include <vector>

TEST(Json, Documents)
{
    const struct {
        std::function<void(json::Writer&)> write;
        const char* expected;
    } rows[] = {
        {[](json::Writer& w) { w.object().key("a").exact(4'700'000).key("b").null().end(); },
            R"({"a": 4700, "b": null})"},
        {[](json::Writer& w) { w.array().array().end().object().end().exact(-1500).end(); }, "[[], {}, -1.5]"},
        {[](json::Writer& w) { w.exact(std::numeric_limits<kelvane::Milli>::min()); }, "-9223372036854775.808"},
        {[](json::Writer& w) { w.exact(470); }, "0.47"},
        {[](json::Writer& w) { w.array().real(4832.085979).real(-2.901537185e-06).real(0).end(); },
            "[4832.085979, -2.901537185e-06, 0]"},
        {[](json::Writer& w) { w.array().real(std::nan("")).real(std::numeric_limits<double>::infinity()).end(); },
            "[null, null]"},
        // Every control character escaped, quotes and backslashes too.
        {[](json::Writer& w) { w.string("a\"b\\c\n\t\r\b\f\x01\x1f\x7f"); },
            R"("a\"b\\c\n\t\r\b\f\u0001\u001f)"
            "\x7f\""},
        {[](json::Writer& w) { w.string(std::string_view("\0", 1)); }, R"("\u0000")"},
        // Text that is not UTF-8 written as U+FFFD; UTF-8 kept as it is.
        {[](json::Writer& w) { w.string("\xff\xc3(\xed\xa0\x80\xf4\x90\x80\x80"); },
            "\"\uFFFD\uFFFD(\uFFFD\uFFFD\uFFFD\uFFFD\uFFFD\uFFFD\uFFFD\""},
        {[](json::Writer& w) { w.string("4,7 Kohm \u00B1 \u2225 \U0001F600"); },
            "\"4,7 Kohm \u00B1 \u2225 \U0001F600\""},
        {[](json::Writer& w) { w.object().key("k").stringOrNull(std::nullopt).key("e").exactOrNull(1).end(); },
            R"({"k": null, "e": 0.001})"},
    };
    for (const auto& row : rows) {
        json::Writer w;
        row.write(w);
        EXPECT_EQ(w.text(), row.expected);
    }
}

TEST(PrintJob, Arguments)
{
    const struct {
        std::vector<std::string> args; // after the program's name
        std::optional<NoPrintJob> none;
    } rows[] = {
        {{"--write-chart", ""}, {}},
        {{"--write-labels", "a b.pdf", "Letter-30", "5", "1", "0p+0", "0p+0", "1.9p+6", "1.9p+6",
             "4700000/1.999999999999ap-5", "1/0p+0", "1000000000000000/1.fffffffffffffp-1"},
            {}},
        {{"--write-labels", "x.pdf", "A4-21", "4", "21", "1.8p+0", "-1.999999999999ap-1", "1.4p+6", "1.ep+6", "1/0p+0"},
            {}},
        {{"--write-labels", "x.pdf", "A4-65", "both", "1", "0p+0", "0p+0", "1.9p+6", "1.9p+6", "0/0p+0/r/1/R3",
             "100000/0p+0/c/2/C1,C2", "4700000/1.47ae147ae147bp-7/r/12/", "1/0p+0/r/1/R1/a"},
            {}},
        {{"--write-calibration", "x.pdf", "A4-65", "-1.4p+4", "0p+0", "1.4p+6", "1.9p+6"}, {}},
        {{"--write-calibration", "x.pdf", "A4-65", "0p+0", "0p+0", "1.9p+6"}, NoPrintJob::Malformed},
        {{"--write-calibration", "x.pdf", "a4-65", "0p+0", "0p+0", "1.9p+6", "1.9p+6"}, NoPrintJob::Malformed},
        {{"--write-labels", "x.pdf", "A4-21", "4", "22", "0p+0", "0p+0", "1.9p+6", "1.9p+6", "1/0p+0"},
            NoPrintJob::Malformed},
        {{"--write-labels", "x.pdf", "A4-21", "4", "01", "0p+0", "0p+0", "1.9p+6", "1.9p+6", "1/0p+0"},
            NoPrintJob::Malformed},
        {{"--write-labels", "x.pdf", "A4-21", "4", "0", "0p+0", "0p+0", "1.9p+6", "1.9p+6", "1/0p+0"},
            NoPrintJob::Malformed},
        {{"--write-labels", "x.pdf", "A4-21", "4", "1", "1.5p+4", "0p+0", "1.9p+6", "1.9p+6", "1/0p+0"},
            NoPrintJob::Malformed},
        {{"--write-labels", "x.pdf", "A4-21", "4", "1", "0p+0", "0p+0", "1.9p+6", "1.ep+7", "1/0p+0"},
            NoPrintJob::Malformed},
        {{"--write-labels", "x.pdf", "A4-21", "4", "1", "0p+0", "0.0p+0", "1.9p+6", "1.9p+6", "1/0p+0"},
            NoPrintJob::Malformed},
        {{"--write-labels", "x.pdf", "A4-21", "4", "1", "0p+0", "0p+0", "1.9p+6", "1.9p+6"}, NoPrintJob::Malformed},
        {{}, NoPrintJob::WindowArguments},
        {{"-platform", "offscreen"}, NoPrintJob::WindowArguments},
        {{"--write-chart"}, NoPrintJob::Malformed},
        {{"--write-chart", "x.pdf", "extra"}, NoPrintJob::Malformed},
        {{"--write-labels", "x.pdf", "A4-21", "both"}, NoPrintJob::Malformed},
        {{"--write-labels", "x.pdf", "a4-21", "both", "1", "0p+0", "0p+0", "1.9p+6", "1.9p+6", "1/0p+0"},
            NoPrintJob::Malformed},
        {{"--write-labels", "x.pdf", "A4-21", "2", "1", "0p+0", "0p+0", "1.9p+6", "1.9p+6", "1/0p+0"},
            NoPrintJob::Malformed},
    };
    for (const auto& row : rows) {
        std::vector<const char*> argv{"kelvane"};
        for (const std::string& a : row.args)
            argv.push_back(a.c_str());
        const auto job = printJobOf(static_cast<int>(argv.size()), argv.data());
        if (row.none)
            EXPECT_EQ(std::get<NoPrintJob>(job), *row.none) << testing::PrintToString(row.args);
        else
            EXPECT_EQ(arguments(std::get<PrintJob>(job)), row.args);
    }
    // A part any other way written, or out of range, is no part.
    for (const char* part : {"0/0p+0", "1000000000000001/0p+0", "4700000/1p+0", "4700000/-1p-4", "4700000/inf",
             "4700000/nan", "4700000/0.05", "+4700000/0p+0", "04700000/0p+0", "4700000", "4700000/0p+0/", "12x/0p+0",
             "", "9223372036854775808/0p+0", "0/0p+0/c/1/C1", "1/0p+0/r/0/R1", "1/0p+0/x/1/R1", "1/0p+0/r/1/R1,",
             "1/0p+0/r/1/,R1", "1/0p+0/r/1/R1,,R2", "1/0p+0/r/01/R1", "1/0p+0/r/1", "1/0p+0/c//R1"}) {
        const char* argv[] = {"kelvane", "--write-labels", "x.pdf", "A4-21", "4", "1", "0p+0", "0p+0", "1.9p+6",
            "1.9p+6", "1/0p+0", part};
        const auto job = printJobOf(12, argv);
        EXPECT_TRUE(std::get_if<NoPrintJob>(&job) && std::get<NoPrintJob>(job) == NoPrintJob::Malformed) << part;
    }
    // Every tolerance comes back to its last bit.
    const PrintJob job{PrintJob::What::Labels, "x.pdf",
        {6, BandChoice::Four, {{{4'700'000, 0.05}}, {{1, 0.1 / 3}}, {{1000, 0}, BomEntry{false, 2, {"C1", "C7"}}}}, 3,
            {0.1, -0.7, 100.3, 99.9}}};
    std::vector<const char*> argv{"kelvane"};
    const auto args = arguments(job);
    for (const std::string& a : args)
        argv.push_back(a.c_str());
    const auto back = std::get<PrintJob>(printJobOf(static_cast<int>(argv.size()), argv.data())).labels;
    EXPECT_EQ(back.sheet, 6u);
    EXPECT_EQ(back.bands, BandChoice::Four);
    EXPECT_EQ(back.start, 3u);
    EXPECT_TRUE(back.calibration.offsetX == 0.1 && back.calibration.offsetY == -0.7 && back.calibration.scaleX == 100.3
        && back.calibration.scaleY == 99.9);
    ASSERT_EQ(back.parts.size(), 3u);
    EXPECT_TRUE(!back.parts[0].bom && back.parts[2].bom && !back.parts[2].bom->resistor
        && back.parts[2].bom->quantity == 2 && back.parts[2].bom->references == job.labels.parts[2].bom->references);
    for (std::size_t i = 0; i < 3; ++i) {
        EXPECT_EQ(back.parts[i].part.value, job.labels.parts[i].part.value);
        EXPECT_EQ(back.parts[i].part.tolerance, job.labels.parts[i].part.tolerance);
    }
}
