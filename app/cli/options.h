// What a subcommand is given and how it ends. Its words and options (Args),
// as the dispatch reads them from the command line; the typed values and
// whole numbers they hold, read as the windows read them; and the way out:
// a line printed, a failure or a usage error, each said on standard error.
#pragma once

#include <kelvane/units.h>

#include <cstddef>
#include <initializer_list>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <variant>
#include <vector>

namespace json {
class Writer;
}

namespace cli {

constexpr int failure = 1;
constexpr int usageError = 2;

// A subcommand's words and options: "--name" flags and "--name VALUE" or "--name=VALUE".
struct Args {
    std::vector<std::string_view> words;
    std::vector<std::pair<std::string_view, std::string_view>> options;

    bool has(std::string_view name) const { return value(name).has_value(); }
    // The last one given.
    std::optional<std::string_view> value(std::string_view name) const
    {
        for (auto o = options.rbegin(); o != options.rend(); ++o)
            if (o->first == name)
                return o->second;
        return std::nullopt;
    }
    bool resistor() const { return !has("--capacitor"); }
    bool json() const { return has("--json"); }
    // 4 or 5; 0 for any other count.
    int bands() const
    {
        const auto b = value("--bands").value_or("4");
        return b == "4" || b == "5" ? b[0] - '0' : 0;
    }
};

void complain(const std::string& why);
// The line said; failure.
int fail(const std::string& why);
// The line said; usageError.
int misused(const std::string& why);
int badBands();
int badWhole(const char* name, std::size_t most);

void print(const std::string& line);
void print(const json::Writer& document);

// A table's entries as the choices a usage error lists: "E6, E12, ...".
template <typename Table> std::string choices(const Table& table)
{
    std::string all;
    for (const auto& entry : table)
        all += (all.empty() ? "" : ", ") + std::string(entry.name);
    return all;
}

std::string joined(const std::vector<std::string_view>& words);
std::variant<kelvane::Milli, std::string> resistance(std::string_view typed);
std::optional<double> decimal(std::string_view text);
// A decimal number above 0.
std::optional<double> positive(std::string_view text);
std::optional<std::size_t> wholeOption(const Args& a, const char* name, std::size_t byDefault, std::size_t most);

} // namespace cli
