// The command line's one JSON writer. A document is written as it is built:
// an object's keys and values, an array's elements, in order; the writer puts
// the separators and closes what is open. Strings are escaped as RFC 8259
// asks and kept valid UTF-8; a number is exact (thousandths, as the engine
// holds values) or a finite real, never NaN or infinity.
#pragma once

#include <kelvane/units.h>

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace json {

class Writer {
public:
    Writer& object();
    Writer& array();
    // Closes the innermost object or array.
    Writer& end();
    Writer& key(std::string_view name);

    Writer& string(std::string_view text);
    Writer& string(const char* text) { return string(std::string_view(text)); }
    Writer& stringOrNull(const std::optional<std::string>& text);
    Writer& exact(kelvane::Milli thousandths); // 4700, 0.47, -1.5
    Writer& exactOrNull(const std::optional<kelvane::Milli>& thousandths);
    Writer& real(double x); // ten significant digits; null when not finite
    Writer& null();

    // The document; complete once every object and array is closed.
    const std::string& text() const { return text_; }

private:
    void separate();
    Writer& open(char opening, char closing);

    std::string text_;
    std::vector<char> open_; // the closing bracket of each open object or array
    bool first_ = true;      // nothing written yet in the innermost one
    bool afterKey_ = false;
};

} // namespace json
