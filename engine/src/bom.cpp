#include "kelvane/bom.h"

#include "ascii.h"
#include "lines.h"
#include "words.h"

#include "kelvane/digits.h"
#include "kelvane/parts.h"
#include "kelvane/utf8.h"
#include "kelvane/value.h"

#include <algorithm>
#include <array>
#include <initializer_list>
#include <map>
#include <utility>

namespace kelvane {

namespace {

enum class Column : std::uint8_t { Reference, Value, Comment, Quantity, Footprint, Dnp, Tolerance, Voltage };
constexpr std::size_t columnCount = static_cast<std::size_t>(Column::Voltage) + 1;

struct ColumnName {
    std::string_view name; // lower case, without KiCad's "${...}" around a generated field
    Column column;
};

// KiCad's field names and labels, its BOM scripts' and those assembly houses ask for.
constexpr ColumnName columnNames[] = {
    {"reference", Column::Reference},
    {"references", Column::Reference},
    {"ref", Column::Reference},
    {"refs", Column::Reference},
    {"designator", Column::Reference},
    {"designators", Column::Reference},
    {"refdes", Column::Reference},
    {"value", Column::Value},
    {"val", Column::Value},
    {"comment", Column::Comment},
    {"qty", Column::Quantity},
    {"quantity", Column::Quantity},
    {"qnty", Column::Quantity},
    {"quantity per pcb", Column::Quantity},
    {"footprint", Column::Footprint},
    {"package", Column::Footprint},
    {"dnp", Column::Dnp},
    {"dnf", Column::Dnp},
    {"do not populate", Column::Dnp},
    {"tolerance", Column::Tolerance},
    {"voltage", Column::Voltage},
};

using Columns = std::array<std::optional<std::size_t>, columnCount>;

std::optional<std::size_t>& at(Columns& c, Column column) { return c[static_cast<std::size_t>(column)]; }
std::optional<std::size_t> at(const Columns& c, Column column) { return c[static_cast<std::size_t>(column)]; }

// A line's fields apart at the delimiter, each trimmed, a quoted one without
// its quotes and with a doubled quote inside as one; false where a quote is
// not closed on the line. Into fields, kept from line to line.
bool split(std::string_view line, char delimiter, std::vector<std::string>& fields)
{
    fields.clear();
    for (std::size_t i = 0;; ++i) {
        while (i < line.size() && line[i] == ' ')
            ++i;
        std::string field;
        if (i < line.size() && (line[i] == '"' || line[i] == '\'')) {
            const char quote = line[i++];
            for (;; ++i) {
                if (i >= line.size())
                    return false;
                if (line[i] == quote && (i + 1 == line.size() || line[i + 1] != quote))
                    break;
                if (line[i] == quote)
                    ++i;
                field += line[i];
            }
            ++i;
        }
        const std::size_t end = std::min(line.find(delimiter, i), line.size());
        field += line.substr(i, end - i);
        fields.emplace_back(trimmed(field));
        i = end;
        if (i == line.size())
            return true;
    }
}

// The columns a header line names; none without a value column.
std::optional<Columns> columnsOf(const std::vector<std::string>& fields)
{
    Columns c;
    for (std::size_t i = 0; i < fields.size(); ++i) {
        std::string name = lowered(fields[i]);
        if (name.size() > 3 && name.compare(0, 2, "${") == 0 && name.back() == '}')
            name = name.substr(2, name.size() - 3);
        for (const ColumnName& n : columnNames)
            if (name == n.name && !at(c, n.column))
                at(c, n.column) = i;
    }
    if (!at(c, Column::Value))
        at(c, Column::Value) = at(c, Column::Comment);
    if (!at(c, Column::Value))
        return std::nullopt;
    return c;
}

enum class Kind : std::uint8_t { Resistor, Capacitor, Array, Trimmer, Other };

Kind kindOfReference(std::string_view reference)
{
    std::size_t letters = 0;
    while (letters < reference.size() && isAlpha(reference[letters]))
        ++letters;
    const std::string prefix = lowered(reference.substr(0, letters));
    return prefix == "r" ? Kind::Resistor
        : prefix == "c"  ? Kind::Capacitor
        : prefix == "rn" ? Kind::Array
        : prefix == "rv" ? Kind::Trimmer
                         : Kind::Other;
}

// KiCad's libraries name them "Resistor_SMD:R_0603_1608Metric", "Capacitor_THT:CP_Radial...".
std::optional<Kind> kindOfFootprint(std::string_view footprint)
{
    if (footprint.empty())
        return std::nullopt;
    const std::string f = lowered(footprint);
    const std::size_t colon = f.find(':');
    const std::string_view name
        = colon == std::string::npos ? std::string_view(f) : std::string_view(f).substr(colon + 1);
    if (f.compare(0, 9, "resistor_") == 0 || name.substr(0, 2) == "r_")
        return Kind::Resistor;
    if (f.compare(0, 10, "capacitor_") == 0 || name.substr(0, 2) == "c_" || name.substr(0, 3) == "cp_")
        return Kind::Capacitor;
    return Kind::Other;
}

// "R04" as its prefix, number and count of digits; nullopt where it is not of that form.
struct Numbered {
    std::string_view prefix;
    std::size_t number;
    std::size_t digits;
};

std::optional<Numbered> numbered(std::string_view reference)
{
    std::size_t letters = 0;
    while (letters < reference.size() && isAlpha(reference[letters]))
        ++letters;
    const std::string_view digits = reference.substr(letters);
    if (letters == 0 || digits.empty() || digits.size() > 9
        || !std::all_of(digits.begin(), digits.end(), [](char c) { return isDigit(c); }))
        return std::nullopt;
    std::size_t n = 0;
    for (char c : digits)
        n = n * 10 + static_cast<std::size_t>(c - '0');
    return Numbered{reference.substr(0, letters), n, digits.size()};
}

// A references field, "R1,R3,R7", "R1 R3", "R4-R6", into references; total
// counts those of the whole file.
std::optional<BomLineError> referencesOf(
    std::string_view field, std::vector<std::string>& references, std::size_t& total)
{
    for (std::size_t start = 0; start <= field.size();) {
        const std::size_t end = std::min(field.find_first_of(", ;", start), field.size());
        const std::string_view word = field.substr(start, end - start);
        start = end + 1;
        if (word.empty())
            continue;
        const std::size_t dash = word.find('-');
        const auto first = numbered(word.substr(0, dash));
        const auto last = dash == std::string_view::npos ? std::nullopt : numbered(word.substr(dash + 1));
        if (first && last) {
            if (first->prefix != last->prefix || first->number > last->number
                || last->number - first->number >= mostReferences - total)
                return BomLineError::BadReference;
            // Written as the first is: "R08-R10" is R08, R09, R10.
            for (std::size_t n = first->number; n <= last->number; ++n) {
                const std::string number = std::to_string(n);
                references.push_back(std::string(first->prefix)
                    + std::string(first->digits > number.size() ? first->digits - number.size() : 0, '0') + number);
            }
            total += last->number - first->number + 1;
            continue;
        }
        if (++total > mostReferences)
            return BomLineError::BadReference;
        references.emplace_back(word);
    }
    return std::nullopt;
}

struct Valued {
    Milli value = 0;
    std::optional<double> tolerance;
    std::optional<Milli> voltage;
};

// "1%", "±1%" as a fraction above 0 and below 1; "50V", "6.3 V" in thousandths of a volt.
bool qualify(std::string_view word, Valued& v)
{
    constexpr std::string_view plusMinus = "\u00B1";
    if (word.substr(0, plusMinus.size()) == plusMinus)
        word.remove_prefix(plusMinus.size());
    if (word.size() < 2)
        return false;
    const char last = word.back();
    const auto n = parseNumber(word.substr(0, word.size() - 1));
    const Milli* m = std::get_if<Milli>(&n);
    if (!m || *m <= 0)
        return false;
    if (last == '%' && *m < 100'000)
        v.tolerance = static_cast<double>(*m) / 100'000;
    else if (last == 'V' || last == 'v')
        v.voltage = *m;
    else
        return false;
    return true;
}

// A value as a BOM writes it: a typed value in up to three words ("4,7 k"),
// then its tolerance and voltage, apart at spaces and "/" ("10uF/25V").
std::variant<Valued, BomLineError> valueOf(std::string_view text, bool resistor, std::vector<std::string_view>& words)
{
    words.clear();
    for (std::size_t start = 0; start <= text.size();) {
        const std::size_t end = std::min(text.find_first_of(" \t/", start), text.size());
        if (end > start)
            words.push_back(text.substr(start, end - start));
        start = end + 1;
    }
    if (words.empty())
        return BomLineError::NoValue;
    std::string joined;
    const auto read = longestValue(
        words, 0, joined, [resistor](std::string_view t) { return parseValue(t, resistor); },
        [](const auto& answer) {
            return std::holds_alternative<Milli>(answer) || std::get<ValueError>(answer) == ValueError::OutOfRange;
        });
    if (!read)
        return BomLineError::NotAValue;
    const Milli* m = std::get_if<Milli>(&read->first);
    if (!m || *m > largestPart || (*m == 0 && !resistor))
        return BomLineError::OutOfRange;
    Valued v;
    v.value = *m;
    for (std::size_t i = read->second; i < words.size(); ++i)
        if (!qualify(words[i], v))
            return BomLineError::NotAValue;
    return v;
}

bool isOneOf(std::string_view field, std::initializer_list<std::string_view> words)
{
    const std::string l = lowered(field);
    return std::find(words.begin(), words.end(), l) != words.end();
}

// The BOM as it is read: its header's columns and delimiter, the values
// gathered by kind and value.
class Reader {
public:
    Reader(Columns columns, char delimiter)
        : columns_(columns)
        , delimiter_(delimiter)
    {
    }

    void line(std::size_t number, std::string_view text);
    Bom finish(std::size_t header);

private:
    std::optional<BomLineError> read(std::size_t number);
    std::string_view field(Column c) const
    {
        const auto i = at(columns_, c);
        return i && *i < fields_.size() ? std::string_view(fields_[*i]) : std::string_view();
    }

    Columns columns_;
    char delimiter_;
    std::vector<std::string> fields_;
    std::vector<std::string_view> words_;
    std::size_t references_ = 0;
    std::map<std::pair<bool, Milli>, BomValue> values_; // resistors first
    std::vector<BomApart> apart_;
    std::vector<BomLineProblem> unread_;
};

void Reader::line(std::size_t number, std::string_view text)
{
    std::optional<BomLineError> fault;
    if (!isText(text))
        fault = BomLineError::NotText;
    else if (!split(text, delimiter_, fields_))
        fault = BomLineError::UnclosedQuote;
    else if (std::all_of(fields_.begin(), fields_.end(), [](const std::string& f) { return f.empty(); }))
        return;
    else
        fault = read(number);
    if (fault)
        unread_.push_back({number, validUtf8(text), *fault});
}

std::optional<BomLineError> Reader::read(std::size_t number)
{
    std::size_t needed = 0;
    for (Column c : {Column::Reference, Column::Value})
        if (const auto i = at(columns_, c))
            needed = std::max(needed, *i + 1);
    if (fields_.size() < needed)
        return BomLineError::MissingField;
    const std::string_view value = field(Column::Value);

    // Each reference and its kind; with no reference column, the footprint's.
    std::vector<std::string> references;
    std::vector<Kind> kinds;
    std::optional<std::size_t> quantity;
    if (const std::string_view q = field(Column::Quantity); !q.empty()) {
        if (q.size() > 9 || !std::all_of(q.begin(), q.end(), [](char c) { return isDigit(c); }))
            return BomLineError::BadQuantity;
        quantity = std::stoul(std::string(q));
    }
    if (at(columns_, Column::Reference)) {
        if (const auto fault = referencesOf(field(Column::Reference), references, references_))
            return fault;
        if (references.empty())
            return BomLineError::NoReference;
        if (quantity && *quantity != references.size())
            return BomLineError::BadQuantity;
        for (const std::string& r : references)
            kinds.push_back(kindOfReference(r));
    } else if (const auto kind = kindOfFootprint(field(Column::Footprint))) {
        kinds.push_back(*kind);
    } else {
        return BomLineError::NoReference;
    }

    const std::string_view dnp = field(Column::Dnp);
    const bool unpopulated
        = (!dnp.empty() && !isOneOf(dnp, {"0", "no", "n", "false"})) || isOneOf(value, {"dnp", "dnf"});
    // The references of each kind, in file order.
    auto of = [&](Kind k) {
        std::vector<std::string> chosen;
        for (std::size_t i = 0; i < references.size(); ++i)
            if (kinds[i] == k || unpopulated)
                chosen.push_back(references[i]);
        return chosen;
    };
    if (unpopulated) {
        apart_.push_back({number, of(Kind::Other), std::string(value), ApartReason::DoNotPopulate});
        return std::nullopt;
    }

    // Read every value of the line before keeping any: a line is read whole or not at all.
    std::optional<Valued> read[2];
    for (const Kind k : {Kind::Resistor, Kind::Capacitor}) {
        if (std::find(kinds.begin(), kinds.end(), k) == kinds.end())
            continue;
        const bool resistor = k == Kind::Resistor;
        auto v = valueOf(value, resistor, words_);
        if (const auto* fault = std::get_if<BomLineError>(&v))
            return *fault;
        Valued& got = std::get<Valued>(v);
        for (const Column c : {Column::Tolerance, Column::Voltage}) {
            const std::string_view given = field(c);
            Valued column;
            if (given.empty())
                continue;
            if (!qualify(given, column) || (c == Column::Tolerance) != column.tolerance.has_value())
                return BomLineError::NotAValue;
            got.tolerance = got.tolerance ? got.tolerance : column.tolerance;
            got.voltage = got.voltage ? got.voltage : column.voltage;
        }
        read[resistor ? 0 : 1] = got;
    }
    for (int i = 0; i < 2; ++i) {
        if (!read[i])
            continue;
        const bool resistor = i == 0;
        BomValue& v = values_[{!resistor, read[i]->value}];
        v.value = read[i]->value;
        v.resistor = resistor;
        std::vector<std::string> mine = of(resistor ? Kind::Resistor : Kind::Capacitor);
        v.quantity += references.empty() ? quantity.value_or(1) : mine.size();
        v.references.insert(v.references.end(), mine.begin(), mine.end());
        if (read[i]->tolerance)
            v.tolerance = std::min(v.tolerance.value_or(1), *read[i]->tolerance);
        if (read[i]->voltage)
            v.voltage = std::max(v.voltage.value_or(0), *read[i]->voltage);
    }
    constexpr std::pair<Kind, ApartReason> apartKinds[] = {{Kind::Other, ApartReason::NotResistorOrCapacitor},
        {Kind::Array, ApartReason::Array}, {Kind::Trimmer, ApartReason::Trimmer}};
    for (const auto& [kind, reason] : apartKinds)
        if (std::find(kinds.begin(), kinds.end(), kind) != kinds.end())
            apart_.push_back({number, of(kind), std::string(value), reason});
    return std::nullopt;
}

Bom Reader::finish(std::size_t header)
{
    Bom bom;
    bom.header = header;
    for (auto& [key, v] : values_)
        bom.values.push_back(std::move(v));
    bom.apart = std::move(apart_);
    bom.unread = std::move(unread_);
    return bom;
}

} // namespace

std::variant<Bom, BomError> readBom(std::string_view text)
{
    std::optional<Reader> reader;
    std::size_t header = 0;
    bool blank = true;
    std::vector<std::string> fields;
    eachLine(text, [&](std::size_t number, std::string_view line) {
        if (reader) {
            reader->line(number, line);
            return;
        }
        if (trimmed(line).empty())
            return;
        blank = false;
        if (!isText(line))
            return;
        for (const char delimiter : {',', ';', '\t'})
            if (split(line, delimiter, fields))
                if (const auto columns = columnsOf(fields)) {
                    reader.emplace(*columns, delimiter);
                    header = number;
                    return;
                }
    });
    if (!reader)
        return blank ? BomError::Empty : BomError::NoHeader;
    return reader->finish(header);
}

} // namespace kelvane
