#include "enumerate.h"
#include "testbands.h"

#include <kelvane/encode.h>

#include <gtest/gtest.h>

#include <array>

using namespace testbands;
using enumerate::series;
using kelvane::bandsOf;
using kelvane::BandState;
using kelvane::Encoding;
using kelvane::EntryError;
using kelvane::Milli;
using kelvane::Part;
using kelvane::Rounding;
using kelvane::Series;
using kelvane::Unit;

namespace {

enum class Mode { Either, Nearest, Up };

struct EncodeCase {
    const char* entry;
    Unit unit;
    int bandcount;
    Mode mode;
    const char* actual;
    std::array<int, 4> digits; // after the decoder ran; band 4 only with 5 bands
    std::array<Hue, 4> hues;
};

using H = Hue;
const EncodeCase encodeCases[] = {
    {"4700", Unit::One, 4, Mode::Either, "4700", {4, 7, 2}, {H::Yellow, H::Violet, H::Red}},
    {"4700", Unit::One, 5, Mode::Either, "4700", {4, 7, 0, 1}, {H::Yellow, H::Violet, H::Black, H::Brown}},
    {"1", Unit::One, 4, Mode::Either, "1", {1, 0, 1}, {H::Brown, H::Black, H::Gold}},
    {"1", Unit::One, 5, Mode::Either, "1", {1, 0, 0, 1}, {H::Brown, H::Black, H::Black, H::Silver}},
    {"10", Unit::One, 4, Mode::Either, "10", {1, 0, 1}, {H::Brown, H::Black, H::Black}},
    {"10", Unit::One, 5, Mode::Either, "10", {1, 0, 0, 1}, {H::Brown, H::Black, H::Black, H::Gold}},
    {"47", Unit::One, 4, Mode::Either, "47", {4, 7, 1}, {H::Yellow, H::Violet, H::Black}},
    {"47", Unit::One, 5, Mode::Either, "47", {4, 7, 0, 1}, {H::Yellow, H::Violet, H::Black, H::Gold}},
    {"100", Unit::One, 4, Mode::Either, "100", {1, 0, 1}, {H::Brown, H::Black, H::Brown}},
    {"100", Unit::One, 5, Mode::Either, "100", {1, 0, 0, 1}, {H::Brown, H::Black, H::Black, H::Black}},
    {"995", Unit::One, 4, Mode::Either, "995", {1, 0, 2}, {H::Brown, H::Black, H::Red}},
    {"994", Unit::One, 4, Mode::Nearest, "994", {9, 9, 1}, {H::White, H::White, H::Brown}},
    {"994", Unit::One, 4, Mode::Up, "994", {1, 0, 2}, {H::Brown, H::Black, H::Red}},
    {"4701", Unit::One, 4, Mode::Either, "4701", {4, 7, 2}, {H::Yellow, H::Violet, H::Red}},
    {"4710", Unit::One, 4, Mode::Up, "4710", {4, 8, 2}, {H::Yellow, H::Gray, H::Red}},
    {"4710", Unit::One, 4, Mode::Nearest, "4710", {4, 7, 2}, {H::Yellow, H::Violet, H::Red}},
    {"4750", Unit::One, 4, Mode::Either, "4750", {4, 8, 2}, {H::Yellow, H::Gray, H::Red}},
    {"9995", Unit::One, 5, Mode::Either, "9995", {1, 0, 0, 2}, {H::Brown, H::Black, H::Black, H::Red}},
    {"1001", Unit::One, 5, Mode::Up, "1001", {1, 0, 1, 1}, {H::Brown, H::Black, H::Brown, H::Brown}},
    {"1001", Unit::One, 5, Mode::Nearest, "1001", {1, 0, 0, 1}, {H::Brown, H::Black, H::Black, H::Brown}},
    {"99500000", Unit::One, 4, Mode::Either, "99500000", {1, 0, 7}, {H::Brown, H::Black, H::Violet}},
    {"99950000", Unit::One, 5, Mode::Either, "99950000", {1, 0, 0, 6}, {H::Brown, H::Black, H::Black, H::Blue}},
    {"990000000", Unit::One, 4, Mode::Either, "990000000", {9, 9, 7}, {H::White, H::White, H::Violet}},
    {"990000000", Unit::One, 5, Mode::Either, "990000000", {9, 9, 0, 6}, {H::White, H::White, H::Black, H::Blue}},
    {"47", Unit::Kilo, 4, Mode::Either, "47000", {4, 7, 3}, {H::Yellow, H::Violet, H::Orange}},
    {"12", Unit::Kilo, 5, Mode::Either, "12000", {1, 2, 0, 2}, {H::Brown, H::Red, H::Black, H::Red}},
    {"990000", Unit::Kilo, 4, Mode::Either, "990000000", {9, 9, 7}, {H::White, H::White, H::Violet}},
    {"4", Unit::Mega, 4, Mode::Either, "4000000", {4, 0, 5}, {H::Yellow, H::Black, H::Green}},
    {"990", Unit::Mega, 5, Mode::Either, "990000000", {9, 9, 0, 6}, {H::White, H::White, H::Black, H::Blue}},
    {"2", Unit::Mega, 4, Mode::Either, "2000000", {2, 0, 5}, {H::Red, H::Black, H::Green}},
};

// Encodes into a fresh window's band state and decodes, as Calculate does.
kelvane::BandState calculate(const Encoding& e, int bandcount, bool resistor = true)
{
    kelvane::BandState s;
    s.bandcount = static_cast<std::uint8_t>(bandcount);
    s.ring4Shown = bandcount == 5;
    s.resistor = resistor;
    kelvane::applyEncoding(s, e);
    kelvane::calcvalue(s);
    return s;
}

} // namespace

TEST(Encode, TableBothModes)
{
    for (const EncodeCase& c : encodeCases) {
        for (Rounding r : {Rounding::Nearest, Rounding::Up}) {
            if ((c.mode == Mode::Nearest && r != Rounding::Nearest) || (c.mode == Mode::Up && r != Rounding::Up))
                continue;
            SCOPED_TRACE(std::string(c.entry) + " with " + std::to_string(c.bandcount) + " bands"
                + (r == Rounding::Up ? ", round up" : ", nearest"));
            const auto result = kelvane::encode(c.entry, c.unit, r, c.bandcount);
            const auto* e = std::get_if<Encoding>(&result);
            ASSERT_NE(e, nullptr);
            EXPECT_EQ(e->actualvalue, c.actual);
            const kelvane::BandState s = calculate(*e, c.bandcount);
            for (int band = 1; band <= c.bandcount - 1; ++band) {
                EXPECT_EQ(s.digit(band), c.digits[static_cast<std::size_t>(band - 1)]) << "band " << band;
                EXPECT_EQ(s.colour(band), kelvane::colourOf(c.hues[static_cast<std::size_t>(band - 1)]))
                    << "band " << band;
            }
            EXPECT_EQ(s.curband, 0);
        }
    }
}

TEST(Encode, AcceptedSpellings)
{
    const struct {
        const char* entry;
        std::int32_t value;
    } rows[] = {
        {"47", 47},
        {" 47", 47},
        {"   47", 47},
        {"+47", 47},
        {"0047", 47},
        {"$2F", 47},
        {"$2f", 47},
        {"$0000002F", 47},
        {"-5", -5},
        {"-0", 0},
        {"2147483647", 2147483647},
        {"-2147483648", INT32_MIN},
        {"$7FFFFFFF", INT32_MAX},
    };
    for (const auto& r : rows) {
        const auto v = kelvane::parseEntry(r.entry);
        ASSERT_TRUE(v.has_value()) << '"' << r.entry << '"';
        EXPECT_EQ(*v, r.value) << r.entry;
    }
}

TEST(Encode, RejectedEntries)
{
    const std::string longDigits(10000, '9');
    const struct {
        std::string entry;
        Unit unit;
        EntryError error;
    } rows[] = {
        {"", Unit::One, EntryError::NotANumber},
        {"abc", Unit::One, EntryError::NotANumber},
        {"4.7", Unit::One, EntryError::NotANumber},
        {"4,7", Unit::One, EntryError::NotANumber},
        {"47 ", Unit::One, EntryError::NotANumber},
        {"4k7", Unit::One, EntryError::NotANumber},
        {"+", Unit::One, EntryError::NotANumber},
        {"$", Unit::One, EntryError::NotANumber},
        {"+-4", Unit::One, EntryError::NotANumber},
        {"$-4", Unit::One, EntryError::NotANumber},
        {"\t47", Unit::One, EntryError::NotANumber},
        {"2147483648", Unit::One, EntryError::NotANumber},
        {"-2147483649", Unit::One, EntryError::NotANumber},
        {"$FFFFFFFF", Unit::One, EntryError::NotANumber},
        {"$80000000", Unit::One, EntryError::NotANumber},
        {"99999999999", Unit::One, EntryError::NotANumber},
        {longDigits, Unit::One, EntryError::NotANumber},
        {"\xEF\xBC\x94\xEF\xBC\x97", Unit::One, EntryError::NotANumber}, // full-width 47
        {"\xD9\xA4\xD9\xA7", Unit::One, EntryError::NotANumber},         // Arabic-Indic 47
        {"0", Unit::One, EntryError::OutOfRange},
        {"-5", Unit::One, EntryError::OutOfRange},
        {"990000001", Unit::One, EntryError::OutOfRange},
        {"990001", Unit::Kilo, EntryError::OutOfRange},
        {"991", Unit::Mega, EntryError::OutOfRange},
        {"2147483647", Unit::Mega, EntryError::OutOfRange},
    };
    for (const auto& r : rows) {
        const auto result = kelvane::encode(r.entry, r.unit, Rounding::Nearest, 4);
        const auto* error = std::get_if<EntryError>(&result);
        ASSERT_NE(error, nullptr) << '"' << r.entry.substr(0, 20) << '"';
        EXPECT_EQ(*error, r.error) << r.entry.substr(0, 20);
    }
}

namespace {

// The entry rounded to the bands' significant digits by plain arithmetic.
std::int64_t expectedOhms(std::int64_t p, int significant, Rounding r)
{
    int length = 0;
    for (std::int64_t v = p; v > 0; v /= 10)
        ++length;
    if (length <= significant)
        return p;
    std::int64_t unit = 1;
    for (int i = 0; i < length - significant; ++i)
        unit *= 10;
    const std::int64_t firstDropped = p / (unit / 10) % 10;
    const bool up = r == Rounding::Up ? firstDropped != 0 : firstDropped > 4;
    return p / unit * unit + (up ? unit : 0);
}

void checkEntry(std::int64_t n, Unit unit, std::int64_t multiplier)
{
    const std::string entry = std::to_string(n);
    for (int bandcount : {4, 5}) {
        for (Rounding r : {Rounding::Nearest, Rounding::Up}) {
            const auto result = kelvane::encode(entry, unit, r, bandcount);
            const auto* e = std::get_if<Encoding>(&result);
            ASSERT_NE(e, nullptr) << entry;
            const std::int64_t p = n * multiplier;
            ASSERT_EQ(e->actualvalue, std::to_string(p));
            kelvane::BandState s = calculate(*e, bandcount);
            ASSERT_TRUE(kelvane::complete(s)) << entry;
            const auto shown = kelvane::calcvalue(s);
            ASSERT_EQ(parseHundredths(shown), expectedOhms(p, bandcount - 2, r) * 100)
                << entry << " x" << multiplier << ", " << bandcount << " bands, "
                << (r == Rounding::Up ? "up" : "nearest") << ": shown " << text(shown);
        }
    }
}

} // namespace

TEST(Encode, SweepDecodesToTheRoundedEntry)
{
    for (std::int64_t n = 1; n <= 100000; ++n)
        checkEntry(n, Unit::One, 1);
    // At most four significant digits, up to the largest accepted.
    for (std::int64_t digits = 1000; digits <= 9999; ++digits)
        for (std::int64_t scale = 100; digits * scale <= 990000000; scale *= 10)
            checkEntry(digits * scale, Unit::One, 1);
    for (std::int64_t n = 100001; n <= 990000000; n += 9973)
        checkEntry(n, Unit::One, 1);
    for (std::int64_t n = 1; n <= 990000; n += 37)
        checkEntry(n, Unit::Kilo, 1000);
    for (std::int64_t n = 1; n <= 990; ++n)
        checkEntry(n, Unit::Mega, 1000000);
}

TEST(Encode, RoundvalueCarriesIntoTheMultiplier)
{
    kelvane::BandState four;
    four.bandcount = 4;
    four.digit1 = 9;
    four.digit2 = 9;
    four.digit3 = 3;
    kelvane::roundvalue(four);
    EXPECT_EQ((std::array<int, 3>{four.digit1, four.digit2, four.digit3}), (std::array<int, 3>{1, 0, 4}));

    kelvane::BandState five;
    five.bandcount = 5;
    five.digit1 = 9;
    five.digit2 = 9;
    five.digit3 = 9;
    five.digit4 = 2;
    kelvane::roundvalue(five);
    EXPECT_EQ(
        (std::array<int, 4>{five.digit1, five.digit2, five.digit3, five.digit4}), (std::array<int, 4>{1, 0, 0, 3}));

    kelvane::BandState other = five;
    other.bandcount = 3;
    kelvane::roundvalue(other);
    EXPECT_EQ(other.digit3, five.digit3);
}

TEST(Finder, BandsOfEveryPartDecodeToIt)
{
    for (Series s : {Series::E24, Series::E192})
        for (const Part& p : series(s, 1000, 999'000'000'000)) {
            const auto b = bandsOf(p.value);
            ASSERT_TRUE(b) << p.value;
            BandState state;
            state.bandcount = b->bandcount;
            state.ring4Shown = b->bandcount == 5;
            applyEncoding(state, b->encoding);
            EXPECT_EQ(bandValue(state), p.value);
            EXPECT_TRUE(s != Series::E24 || b->bandcount == 4) << p.value;
        }
    EXPECT_EQ(bandsOf(4'990'000)->bandcount, 5);
    for (Milli beyond : {Milli{1}, Milli{1234'000}, Milli{1'000'000'000'000}, Milli{9'990'000'000'000}})
        EXPECT_FALSE(bandsOf(beyond)) << beyond;
}
