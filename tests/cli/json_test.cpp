// The JSON writer: documents as scripts read them, whatever the strings and
// numbers hold.
#include "json.h"

#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <limits>

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
