#include "options.h"
#include "json.h"
#include "translation.h"
#include "wording.h"

#include <kelvane/parts.h>
#include <kelvane/value.h>
#include <kelvane/written.h>

#include <charconv>
#include <cmath>
#include <cstdio>
#include <cstdlib>

namespace cli {

using kelvane::Milli;

void complain(const std::string& why) { std::fputs(("kelvane: " + why + "\n").c_str(), stderr); }

int fail(const std::string& why)
{
    complain(why);
    return failure;
}

// A usage error: the line that says what is wrong; the usage follows it.
int misused(const std::string& why)
{
    complain(why);
    return usageError;
}

void print(const std::string& line) { std::puts(line.c_str()); }

void print(const json::Writer& document) { print(document.text()); }

int badBands() { return misused(said(wording::takesOneOf, {"--bands", "4, 5"})); }

// The words joined as one typed value: "4,7 k".
std::string joined(const std::vector<std::string_view>& words)
{
    std::string typed;
    for (std::string_view w : words)
        typed += (typed.empty() ? "" : " ") + std::string(w);
    return typed;
}

// A typed resistance, as the parts lists take it, or the reason it is none as the line to print.
std::variant<Milli, std::string> resistance(std::string_view typed)
{
    const auto parsed = kelvane::parseValue(typed, true);
    if (const auto* v = std::get_if<Milli>(&parsed); v && *v >= kelvane::smallestPart && *v <= kelvane::largestPart)
        return *v;
    if (std::holds_alternative<kelvane::ValueError>(parsed)
        && std::get<kelvane::ValueError>(parsed) != kelvane::ValueError::OutOfRange)
        return echo(typed) + ": " + tr(wording::valuesContext, wording::notAValue);
    return said(wording::outside,
        {echo(typed), kelvane::written(kelvane::smallestPart, true), kelvane::written(kelvane::largestPart, true)});
}

// "12", "-0,5", "3.3", "3.3e0": a finite decimal number.
std::optional<double> decimal(std::string_view text)
{
    std::string t(text);
    for (char& c : t)
        c = c == ',' ? '.' : c;
    // Only a decimal number: strtod would also take "inf", "nan" and hexadecimal.
    if (t.find_first_not_of("0123456789.eE+-") != std::string::npos)
        return std::nullopt;
    char* end = nullptr;
    const double v = std::strtod(t.c_str(), &end);
    return !t.empty() && end == t.c_str() + t.size() && std::isfinite(v) ? std::optional(v) : std::nullopt;
}

std::optional<double> positive(std::string_view text)
{
    const auto v = decimal(text);
    return v && *v > 0 ? v : std::nullopt;
}

// A whole-number option from 1 to most, or the default when not given; nullopt for any other.
std::optional<std::size_t> wholeOption(const Args& a, const char* name, std::size_t byDefault, std::size_t most)
{
    const auto text = a.value(name);
    if (!text)
        return byDefault;
    std::size_t n = 0;
    const auto [end, error] = std::from_chars(text->data(), text->data() + text->size(), n);
    if (error != std::errc() || end != text->data() + text->size() || n < 1 || n > most)
        return std::nullopt;
    return n;
}

int badWhole(const char* name, std::size_t most)
{
    return misused(said(wording::takesWhole, {name, "1", std::to_string(most)}));
}

} // namespace cli
