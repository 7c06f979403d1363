#include <kelvane/value.h>

#include <gtest/gtest.h>

#include <variant>

using kelvane::Milli;
using kelvane::ValueError;

TEST(Value, TypedValues)
{
    const struct {
        const char* text;
        bool resistor;
        std::variant<Milli, ValueError> expected;
    } rows[] = {
        {"4700", true, Milli{4'700'000}},
        {"100", true, Milli{100'000}}, // never the digit code 10 ohm
        {" 4.7k ", true, Milli{4'700'000}},
        {"4,7 k", true, Milli{4'700'000}},
        {"2.2M", true, Milli{2'200'000'000}},
        {"0.47", true, Milli{470}},
        {".47", true, Milli{470}},
        {"4k7", true, Milli{4'700'000}},
        {"4K7", true, Milli{4'700'000}},
        {"R47", true, Milli{470}},
        {"47R", true, Milli{47'000}},
        {"1G", true, Milli{1'000'000'000'000}},
        {"470m", true, Milli{470}},
        {"100 ohm", true, Milli{100'000}},
        {"4k7\u03A9", true, Milli{4'700'000}},
        {"4.7 Kohm", true, Milli{4'700'000}},
        {"2u2", false, Milli{2'200'000'000}},
        {"4.7n", false, Milli{4'700'000}},
        {"2.2\u00B5F", false, Milli{2'200'000'000}},
        {"2.2\u03BCF", false, Milli{2'200'000'000}},
        {"100", false, Milli{100'000}}, // picofarads
        {"1F", false, Milli{1'000'000'000'000'000}},
        {"n47", false, Milli{470'000}},
        {"0", true, Milli{0}},
        {"", true, ValueError::Empty},
        {"  ", false, ValueError::Empty},
        {"k", true, ValueError::NotAValue},
        {"4.7.1", true, ValueError::NotAValue},
        {"4k7k", true, ValueError::NotAValue},
        {"4 R", true, ValueError::NotAValue},
        {"4.7R", true, ValueError::NotAValue},
        {"-5", true, ValueError::NotAValue},
        {"4.7 F", true, ValueError::NotAValue}, // a resistor's unit is the ohm
        {"4.7 ohm", false, ValueError::NotAValue},
        {"2u2", true, ValueError::NotAValue},
        {"0.0001", true, ValueError::OutOfRange}, // finer than a thousandth
        {"9223372036854776", true, ValueError::OutOfRange},
        {"99999999999999999999999999", true, ValueError::OutOfRange},
        {"1e6", true, Milli{1'000'000'000}},
        {"4.7e3", true, Milli{4'700'000}},
        {"4,7E+3", true, Milli{4'700'000}},
        {"4.7e3 ohm", true, Milli{4'700'000}},
        {"1e-3", true, Milli{1}},
        {"2.2E-6", false, Milli{2'200'000'000}}, // farads, as a capacitor's prefix
        {"2.2e-6F", false, Milli{2'200'000'000}},
        {"1E-12", false, Milli{1000}},
        {"9.223372036854775807e15", true, Milli{9'223'372'036'854'775'807}},
        {"1.00000000000000000000000000e3", true, Milli{1'000'000}},
        {"0.000000000000000000000000001e27", true, Milli{1000}},
        {"0e99999999999999999999", true, Milli{0}},
        {"9.223372036854775808e15", true, ValueError::OutOfRange},
        {"1e16", true, ValueError::OutOfRange},
        {"1e400", true, ValueError::OutOfRange},
        {"1e-4", true, ValueError::OutOfRange},
        {"1e-99999999999999999999", true, ValueError::OutOfRange},
        {"1e3k", true, ValueError::NotAValue},
        {"4k7e3", true, ValueError::NotAValue},
        {"1e", true, ValueError::NotAValue},
        {"1e+", true, ValueError::NotAValue},
        {"1 e3", true, ValueError::NotAValue},
        {"e3", true, ValueError::NotAValue},
        {"1e3.5", true, ValueError::NotAValue},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.text);
        EXPECT_EQ(kelvane::parseValue(row.text, row.resistor), row.expected);
    }
}
