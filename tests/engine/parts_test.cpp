#include <kelvane/parts.h>

#include <gtest/gtest.h>

#include <string>
#include <utility>

using namespace kelvane;

TEST(Finder, PartsText)
{
    using namespace std::string_literals;
    using E = PartsLineError;
    using Parts = std::vector<std::pair<Milli, double>>;
    using Wrong = std::vector<std::pair<std::size_t, E>>;
    const Milli k = 1'000'000;
    std::string garbage(1 << 20, 'x'), words, million;
    for (std::size_t i = 0; i < garbage.size() / 2; ++i)
        words += i % 2 ? "4k7 " : "x ";
    for (int i = 0; i < 500'000; ++i)
        million += "4k7\n1k x\n";
    const struct {
        const char* name;
        std::string text;
        Parts parts;
        Wrong wrong;
        std::vector<double> tempcos = {}; // listTempco for each part when empty
    } rows[] = {
        {"a drawer", "# my drawer\n4k7 1%  10k, 2,2 k ohm\n\n100 ohm; 0,5%\n4k7 x7 47\n1M 2%",
            {{4'700'000, 0.01}, {10'000'000, 0.05}, {2'200'000, 0.05}, {100'000, 0.005}, {4'700'000, 0.05},
                {47'000, 0.05}, {1'000'000'000, 0.02}},
            {{5, E::NotAValue}}},
        {"empty", "", {}, {}},
        {"byte-order mark, CRLF, a lone CR",
            "\xEF\xBB\xBF"
            "4k7\r\n\r\n1k\r2k2 x\r\n",
            {{4700'000, 0.05}, {k, 0.05}, {2200'000, 0.05}}, {{4, E::NotAValue}}},
        {"a mark inside is no mark", "4k7 \xEF\xBB\xBF", {{4'700'000, 0.05}}, {{1, E::NotAValue}}},
        {"scientific", "1e3 4.7e3 ohm\n2.2E6 1%", {{k, 0.05}, {4'700'000, 0.05}, {2'200'000'000, 0.01}}, {}},
        {"zero, negative, absurd", "0\n-4k7 1%\n1e400\n1001G 10k\n0.0001\n- 5\n0 ohm x", {{10 * k, 0.05}},
            {{1, E::OutOfRange}, {2, E::OutOfRange}, {3, E::OutOfRange}, {4, E::OutOfRange}, {5, E::OutOfRange},
                {6, E::OutOfRange}, {7, E::OutOfRange}}},
        {"the largest", "1000G", {{largestPart, 0.05}}, {}},
        {"tolerances", "4k7 100%\n1k -1%\n2k2 99,999%\n3k3 1e0% 0%\n5%\n1k 0,0001%\n1k x%",
            {{2'200'000, 0.99999}, {3'300'000, 0.01}, {k, 0.05}},
            {{1, E::ToleranceOutOfRange}, {2, E::ToleranceOutOfRange}, {4, E::NotAValue}, {5, E::NotAValue},
                {6, E::ToleranceOutOfRange}, {7, E::NotAValue}}},
        {"not text",
            "4k7\n1k\xFF\n2k2\0\n\xC0\xAF\n\xED\xA0\x80\n\xF4\x90\x80\x80\n\xE2\x82\n"
            "1k \xE2\x82\xAC # \xCE\xA9\n4k7\xCE\xA9 \xF0\x9F\x94\x8C"s,
            {{4'700'000, 0.05}, {k, 0.05}, {4'700'000, 0.05}},
            {{2, E::NotText}, {3, E::NotText}, {4, E::NotText}, {5, E::NotText}, {6, E::NotText}, {7, E::NotText},
                {8, E::NotAValue}, {9, E::NotAValue}}},
        {"a megabyte of one word", garbage + "\n1k", {{k, 0.05}}, {{1, E::NotAValue}}},
        {"a megabyte of words", words, Parts(words.size() / 6, {4'700'000, 0.05}), {{1, E::NotAValue}}},
        {"coefficients",
            "4k7 1% 25ppm\n1k 50PPM 2%\n2k2 1001ppm 1%\n3k3 0ppm 5ppm\n10k -5ppm\n47k x 1ppm\n4k7 2ppm 3ppm",
            {{4'700'000, 0.01}, {k, 0.02}, {3'300'000, 0.05}, {47 * k, 0.05}, {4'700'000, 0.05}},
            {{3, E::TempcoOutOfRange}, {4, E::NotAValue}, {5, E::TempcoOutOfRange}, {6, E::NotAValue},
                {7, E::NotAValue}},
            {25, 50, 0, listTempco, 2}},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        const PartsText read = readParts(row.text, 0.05);
        Parts parts;
        for (const Part& p : read.parts)
            parts.emplace_back(p.value, p.tolerance);
        EXPECT_EQ(parts, row.parts);
        std::vector<double> tempcos;
        for (const Part& p : read.parts)
            tempcos.push_back(p.tempco);
        EXPECT_EQ(tempcos, row.tempcos.empty() ? std::vector<double>(parts.size(), listTempco) : row.tempcos);
        Wrong wrong;
        for (const PartsLineProblem& p : read.wrong)
            wrong.emplace_back(p.line, p.error);
        EXPECT_EQ(wrong, row.wrong);
    }
    // A million lines, every other one with a word that is no value.
    const PartsText read = readParts(million, 0.05);
    EXPECT_EQ(read.parts.size(), 1'000'000u);
    ASSERT_EQ(read.wrong.size(), 500'000u);
    EXPECT_EQ(std::make_pair(read.wrong.back().line, read.wrong.back().error),
        std::make_pair(std::size_t{1'000'000}, E::NotAValue));
    // 47 ohm left out; of the two 4k7 the closer tolerance kept.
    const auto listed = std::get<std::vector<Part>>(listParts(readParts(rows[0].text, 0.05).parts, {47'000}));
    ASSERT_EQ(listed.size(), 5u);
    EXPECT_EQ(std::make_pair(listed[2].value, listed[2].tolerance), std::make_pair(Milli{4'700'000}, 0.01));
}
