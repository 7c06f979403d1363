#include "json.h"

#include <kelvane/utf8.h>

#include <charconv>
#include <cmath>

namespace json {

void Writer::separate()
{
    if (afterKey_)
        afterKey_ = false;
    else if (!first_)
        text_ += ", ";
    first_ = false;
}

Writer& Writer::open(char opening, char closing)
{
    separate();
    text_ += opening;
    open_.push_back(closing);
    first_ = true;
    return *this;
}

Writer& Writer::object() { return open('{', '}'); }

Writer& Writer::array() { return open('[', ']'); }

Writer& Writer::end()
{
    if (!open_.empty()) {
        text_ += open_.back();
        open_.pop_back();
    }
    first_ = false;
    return *this;
}

Writer& Writer::key(std::string_view name)
{
    string(name);
    text_ += ": ";
    afterKey_ = true;
    return *this;
}

Writer& Writer::string(std::string_view text)
{
    separate();
    text_ += '"';
    for (const char c : kelvane::validUtf8(text)) {
        switch (c) {
        case '"': text_ += "\\\""; break;
        case '\\': text_ += "\\\\"; break;
        case '\b': text_ += "\\b"; break;
        case '\f': text_ += "\\f"; break;
        case '\n': text_ += "\\n"; break;
        case '\r': text_ += "\\r"; break;
        case '\t': text_ += "\\t"; break;
        default:
            if (static_cast<unsigned char>(c) < 0x20) {
                constexpr const char* hex = "0123456789abcdef";
                text_ += "\\u00";
                text_ += hex[c >> 4];
                text_ += hex[c & 0xF];
            } else {
                text_ += c;
            }
        }
    }
    text_ += '"';
    return *this;
}

Writer& Writer::stringOrNull(const std::optional<std::string>& text) { return text ? string(*text) : null(); }

Writer& Writer::exact(kelvane::Milli thousandths)
{
    separate();
    // The magnitude as unsigned, so that the most negative value has one too.
    const bool negative = thousandths < 0;
    const auto magnitude
        = negative ? 0 - static_cast<unsigned long long>(thousandths) : static_cast<unsigned long long>(thousandths);
    std::string decimals = std::to_string(1000 + magnitude % 1000).substr(1);
    decimals.erase(decimals.find_last_not_of('0') + 1);
    text_ += (negative ? "-" : "") + std::to_string(magnitude / 1000) + (decimals.empty() ? "" : "." + decimals);
    return *this;
}

Writer& Writer::exactOrNull(const std::optional<kelvane::Milli>& thousandths)
{
    return thousandths ? exact(*thousandths) : null();
}

Writer& Writer::real(double x)
{
    if (!std::isfinite(x))
        return null();
    separate();
    char number[32];
    text_.append(number, std::to_chars(number, number + sizeof number, x, std::chars_format::general, 10).ptr);
    return *this;
}

Writer& Writer::null()
{
    separate();
    text_ += "null";
    return *this;
}

} // namespace json
