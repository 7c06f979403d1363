#include "kelvane/value.h"

#include <optional>
#include <string>

namespace kelvane {

namespace {

struct Prefix {
    std::string_view text; // UTF-8
    int exponent;          // the power of ten, relative to ohm or pF
};

// "R" is no prefix, only a letter code's decimal point.
constexpr Prefix resistorPrefixes[] = {{"R", 0}, {"m", -3}, {"k", 3}, {"K", 3}, {"M", 6}, {"G", 9}};
constexpr Prefix capacitorPrefixes[] = {{"p", 0}, {"n", 3}, {"u", 6}, {"\u00B5", 6}, {"\u03BC", 6}, {"m", 9}};
constexpr std::string_view resistorUnits[] = {"ohms", "ohm", "Ohms", "Ohm", "OHMS", "OHM", "\u03A9", "\u2126"};
constexpr std::string_view capacitorUnits[] = {"F", "f"};
constexpr int farad = 12; // F in pF

bool isDigit(char c) { return c >= '0' && c <= '9'; }

// Takes what s starts with from the list, if anything.
template <typename T, std::size_t N, typename Text> const T* take(std::string_view& s, const T (&list)[N], Text textOf)
{
    for (const T& item : list)
        if (s.substr(0, textOf(item).size()) == textOf(item)) {
            s.remove_prefix(textOf(item).size());
            return &item;
        }
    return nullptr;
}

std::string_view digits(std::string_view& s)
{
    std::size_t n = 0;
    while (n < s.size() && isDigit(s[n]))
        ++n;
    const std::string_view d = s.substr(0, n);
    s.remove_prefix(n);
    return d;
}

void skipSpaces(std::string_view& s)
{
    while (!s.empty() && (s.front() == ' ' || s.front() == '\t'))
        s.remove_prefix(1);
}

// digits × 10^exponent, when whole and inside the int64 range.
std::optional<Milli> exact(std::string_view digits, int exponent)
{
    Milli n = 0;
    for (char c : digits)
        if (__builtin_mul_overflow(n, 10, &n) || __builtin_add_overflow(n, c - '0', &n))
            return std::nullopt;
    for (; exponent > 0; --exponent)
        if (__builtin_mul_overflow(n, 10, &n))
            return std::nullopt;
    for (; exponent < 0; ++exponent) {
        if (n % 10 != 0)
            return std::nullopt;
        n /= 10;
    }
    return n;
}

} // namespace

std::variant<Milli, ValueError> parseValue(std::string_view s, bool resistor)
{
    skipSpaces(s);
    while (!s.empty() && (s.back() == ' ' || s.back() == '\t'))
        s.remove_suffix(1);
    if (s.empty())
        return ValueError::Empty;

    auto prefixText = [](const Prefix& p) { return p.text; };
    auto takePrefix = [&](std::string_view& from) {
        return resistor ? take(from, resistorPrefixes, prefixText) : take(from, capacitorPrefixes, prefixText);
    };
    const std::string_view whole = digits(s);
    std::string_view decimals;
    std::string_view rest = s;
    const Prefix* prefix = takePrefix(rest);
    bool letterCode = false;
    if (!s.empty() && (s.front() == '.' || s.front() == ',')) {
        s.remove_prefix(1);
        decimals = digits(s);
        skipSpaces(s);
        prefix = takePrefix(s);
    } else if (prefix && ((!rest.empty() && isDigit(rest.front())) || prefix->text == "R")) {
        // A letter code: the letter stands for the decimal point, "4k7", "R47", "47R".
        letterCode = true;
        s = rest;
        decimals = digits(s);
    } else {
        skipSpaces(s);
        prefix = takePrefix(s);
    }
    if ((whole.empty() && decimals.empty()) || (prefix && prefix->text == "R" && !letterCode))
        return ValueError::NotAValue;
    skipSpaces(s);
    const bool unit = resistor ? take(s, resistorUnits, [](std::string_view u) { return u; })
                               : take(s, capacitorUnits, [](std::string_view u) { return u; });
    if (!s.empty())
        return ValueError::NotAValue;

    // A capacitor's prefix is one of farads; a unit alone means farads.
    const int exponent = prefix ? prefix->exponent : !resistor && unit ? farad : 0;
    const std::string number = std::string(whole) + std::string(decimals);
    const auto value = exact(number, exponent + 3 - static_cast<int>(decimals.size()));
    if (!value)
        return ValueError::OutOfRange;
    return *value;
}

} // namespace kelvane
