// The subcommands, each given its words and options and returning its exit
// status: bands.cpp, markings.cpp, searches.cpp, bom.cpp, paper.cpp. And what
// one family lends another.
#pragma once

#include <kelvane/parts.h>

#include <cstddef>

#include <string>
#include <string_view>
#include <variant>
#include <vector>

namespace json {
class Writer;
}
namespace kelvane {
struct Bom;
struct Network;
struct SeriesTable;
} // namespace kelvane

namespace cli {

struct Args;

int decode(const Args& a);
int encode(const Args& a);
int read(const Args& a);
int series(const Args& a);
int find(const Args& a);
int divide(const Args& a);
int regulator(const Args& a);
int labels(const Args& a);
int chart(const Args& a);
int bom(const Args& a);

// The line that says a value lies outside the range a marking takes.
std::string outsideMarked(std::string_view typed, bool resistor);
std::variant<std::vector<kelvane::Part>, int> partsOf(
    const Args& a, const char* lowest = "--min", const char* highest = "--max");
// A file's text, or why it cannot be read as the line to print.
struct FileText {
    std::string text;
    std::string problem; // empty when read
};
FileText fileText(std::string_view name);
// A bill of materials from its file, or the status to end with, its reason printed.
std::variant<kelvane::Bom, int> bomFile(std::string_view name);
// The series --series names, E24 when none; nullptr for a name of none.
const kelvane::SeriesTable* seriesOption(const Args& a);
// A network from its written form (kelvane::formOf), from position i up to a
// ")" or the end: a part in ohms, or {"series": [...]} or {"parallel": [...]}.
void writeNetwork(json::Writer& document, const kelvane::Network& n, std::string_view form, std::size_t& i);
// The window program started with these arguments after its name.
int handOver(std::vector<std::string> args);

} // namespace cli
