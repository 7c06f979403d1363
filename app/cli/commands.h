// The subcommands, each given its words and options and returning its exit
// status: bands.cpp, markings.cpp, searches.cpp, paper.cpp. And what one
// family lends another.
#pragma once

#include <kelvane/parts.h>

#include <string>
#include <string_view>
#include <variant>
#include <vector>

namespace cli {

struct Args;

int decode(const Args& a);
int encode(const Args& a);
int read(const Args& a);
int series(const Args& a);
int find(const Args& a);
int divide(const Args& a);
int labels(const Args& a);
int chart(const Args& a);

// The line that says a value lies outside the range a marking takes.
std::string outsideMarked(std::string_view typed, bool resistor);
std::variant<std::vector<kelvane::Part>, int> partsOf(
    const Args& a, const char* lowest = "--min", const char* highest = "--max");
// The window program started with these arguments after its name.
int handOver(std::vector<std::string> args);

} // namespace cli
