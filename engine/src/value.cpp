#include "kelvane/value.h"

#include "kelvane/digits.h"

#include "ascii.h"

#include <algorithm>
#include <optional>
#include <string>

namespace kelvane {

namespace {

constexpr std::string_view resistorUnits[] = {"ohms", "ohm", "Ohms", "Ohm", "OHMS", "OHM", "\u03A9", "\u2126"};
constexpr std::string_view capacitorUnits[] = {"F", "f"};
constexpr int farad = 12; // F in pF

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

// An exponent is held here: no text in memory has this many digits, so one
// beyond it leaves the value out of range either way.
constexpr long long heldExponent = 1'000'000'000'000'000;

// What follows a number's whole part: its decimals after a point or comma,
// and the exponent of scientific notation ("e3", "E-6").
struct Tail {
    std::string_view decimals;
    std::optional<long long> exponent;
};

Tail tailOf(std::string_view& s)
{
    Tail t;
    if (!s.empty() && (s.front() == '.' || s.front() == ',')) {
        s.remove_prefix(1);
        t.decimals = digits(s);
    }
    std::string_view rest = s;
    if (rest.empty() || (rest.front() != 'e' && rest.front() != 'E'))
        return t;
    rest.remove_prefix(1);
    const bool negative = !rest.empty() && rest.front() == '-';
    if (!rest.empty() && (rest.front() == '-' || rest.front() == '+'))
        rest.remove_prefix(1);
    const std::string_view power = digits(rest);
    if (power.empty())
        return t;
    long long e = 0;
    for (char c : power)
        e = std::min(e * 10 + (c - '0'), heldExponent);
    t.exponent = negative ? -e : e;
    s = rest;
    return t;
}

// whole.decimals × 10^exponent, when whole and inside the int64 range.
std::optional<Milli> exact(std::string_view whole, std::string_view decimals, long long exponent)
{
    const std::string digits = std::string(whole) + std::string(decimals);
    const std::size_t first = digits.find_first_not_of('0');
    if (first == std::string::npos)
        return 0;
    const std::size_t last = digits.find_last_not_of('0');
    exponent += static_cast<long long>(digits.size() - 1 - last) - static_cast<long long>(decimals.size());
    const std::string_view significant = std::string_view(digits).substr(first, last + 1 - first);
    // Its last digit is not 0: below 10^0 a fraction is left.
    if (exponent < 0)
        return std::nullopt;
    Milli n = 0;
    for (char c : significant)
        if (__builtin_mul_overflow(n, 10, &n) || __builtin_add_overflow(n, c - '0', &n))
            return std::nullopt;
    return timesPowerOfTen(n, exponent);
}

} // namespace

std::variant<Milli, ValueError> parseValue(std::string_view s, bool resistor)
{
    s = trimmed(s);
    if (s.empty())
        return ValueError::Empty;

    auto prefixText = [](const Prefix& p) { return p.text; };
    auto takePrefix = [&](std::string_view& from) { return take(from, prefixesOf(resistor), prefixText); };
    const std::string_view whole = digits(s);
    Tail tail;
    std::string_view rest = s;
    const Prefix* prefix = takePrefix(rest);
    const bool letterCode = prefix && ((!rest.empty() && isDigit(rest.front())) || prefix->text == "R");
    if (letterCode) {
        // The letter stands for the decimal point, "4k7", "R47", "47R".
        s = rest;
        tail.decimals = digits(s);
    } else {
        tail = tailOf(s);
        skipSpaces(s);
        prefix = takePrefix(s);
    }
    if ((whole.empty() && tail.decimals.empty()) || (prefix && prefix->text == "R" && !letterCode)
        || (prefix && tail.exponent))
        return ValueError::NotAValue;
    skipSpaces(s);
    const bool unit = resistor ? take(s, resistorUnits, [](std::string_view u) { return u; })
                               : take(s, capacitorUnits, [](std::string_view u) { return u; });
    if (!s.empty())
        return ValueError::NotAValue;

    // A capacitor's prefix and exponent are of farads; so is a unit alone.
    const long long exponent = prefix ? prefix->exponent : !resistor && (unit || tail.exponent) ? farad : 0;
    const auto value = exact(whole, tail.decimals, exponent + tail.exponent.value_or(0) + 3);
    if (!value)
        return ValueError::OutOfRange;
    return *value;
}

std::variant<Milli, ValueError> parseNumber(std::string_view s)
{
    s = trimmed(s);
    if (s.empty())
        return ValueError::Empty;
    const std::string_view whole = digits(s);
    const Tail tail = tailOf(s);
    if (!s.empty() || (whole.empty() && tail.decimals.empty()))
        return ValueError::NotAValue;
    const auto value = exact(whole, tail.decimals, tail.exponent.value_or(0) + 3);
    if (!value)
        return ValueError::OutOfRange;
    return *value;
}

} // namespace kelvane
