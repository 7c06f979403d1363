#include "printjob.h"

#include <kelvane/sheet.h>

#include <algorithm>
#include <charconv>
#include <cmath>
#include <iterator>

namespace {

// --write-labels FILE SHEET BANDS START CALIBRATION PART...: the sheet by its
// name, the calibration its offsets and scales, each part as partText writes
// it: its value in thousandths of an ohm or a picofarad, its tolerance a fraction; the fractions as
// hexadecimal floats, which are exact and know no locale.
// --write-calibration FILE SHEET CALIBRATION. --write-chart FILE.
constexpr std::string_view labelsFlag = "--write-labels", calibrationFlag = "--write-calibration",
                           chartFlag = "--write-chart";
constexpr int calibrationFields = 4;

// Indexed by BandChoice.
constexpr const char* bandNames[] = {"4", "5", "both"};

std::string hexText(double v)
{
    char text[32];
    const auto end = std::to_chars(text, text + sizeof text, v, std::chars_format::hex);
    return std::string(text, end.ptr);
}

// A fraction as hexText writes it, and no other form of it.
std::optional<double> hexOf(std::string_view text)
{
    double v = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), v, std::chars_format::hex);
    if (error != std::errc() || end != text.data() + text.size() || hexText(v) != text)
        return std::nullopt;
    return v;
}

// "VALUE/TOLERANCE", and of a bill of materials "/KIND/QUANTITY/REFERENCES"
// after it: r or c, the references apart at commas, which no reference holds.
std::string partText(const LabelPart& l)
{
    std::string text = std::to_string(l.part.value) + "/" + hexText(l.part.tolerance);
    if (!l.bom)
        return text;
    text += (l.bom->resistor ? "/r/" : "/c/") + std::to_string(l.bom->quantity) + "/";
    for (std::size_t i = 0; i < l.bom->references.size(); ++i)
        text += (i ? "," : "") + l.bom->references[i];
    return text;
}

void addCalibration(std::vector<std::string>& args, const kelvane::Calibration& c)
{
    for (double v : {c.offsetX, c.offsetY, c.scaleX, c.scaleY})
        args.push_back(hexText(v));
}

std::optional<kelvane::Calibration> calibrationOf(const char* const fields[])
{
    kelvane::Calibration c;
    double* const into[calibrationFields] = {&c.offsetX, &c.offsetY, &c.scaleX, &c.scaleY};
    for (int i = 0; i < calibrationFields; ++i) {
        const auto v = hexOf(fields[i]);
        if (!v)
            return std::nullopt;
        *into[i] = *v;
    }
    return kelvane::withinReach(c) ? std::optional(c) : std::nullopt;
}

// The sheet by its own name, not as the command line's --sheet takes it in any case.
std::optional<std::size_t> ownSheet(const char* name)
{
    const auto sheet = kelvane::sheetNamed(name);
    return sheet && kelvane::sheets[*sheet].name == std::string_view(name) ? sheet : std::nullopt;
}

// Written as std::to_string writes it, on the sheet.
std::optional<std::size_t> startOf(std::string_view text, std::size_t sheet)
{
    std::size_t n = 0;
    if (std::from_chars(text.data(), text.data() + text.size(), n).ec != std::errc() || std::to_string(n) != text
        || n < 1 || n > kelvane::labelsPerPage(kelvane::sheets[sheet]))
        return std::nullopt;
    return n;
}

// A part as partText writes it, and no other form of it: "+1", "01/..." or a
// tolerance's other digits are no job the command line wrote.
std::optional<LabelPart> partOf(std::string_view text)
{
    std::vector<std::string_view> fields;
    for (std::size_t from = 0;;) {
        const std::size_t slash = fields.size() < 4 ? text.find('/', from) : std::string_view::npos;
        fields.push_back(text.substr(from, slash - from));
        if (slash == std::string_view::npos)
            break;
        from = slash + 1;
    }
    if (fields.size() != 2 && fields.size() != 5)
        return std::nullopt;
    LabelPart l{};
    kelvane::Part& p = l.part;
    const auto tolerance = hexOf(fields[1]);
    if (std::from_chars(fields[0].data(), fields[0].data() + fields[0].size(), p.value).ec != std::errc() || !tolerance)
        return std::nullopt;
    p.tolerance = *tolerance;
    if (fields.size() == 5) {
        BomEntry& b = l.bom.emplace();
        const std::string_view kind = fields[2], quantity = fields[3], references = fields[4];
        if ((kind != "r" && kind != "c")
            || std::from_chars(quantity.data(), quantity.data() + quantity.size(), b.quantity).ec != std::errc()
            || b.quantity < 1)
            return std::nullopt;
        b.resistor = kind == "r";
        for (std::size_t from = 0; !references.empty() && from <= references.size();) {
            const std::size_t comma = std::min(references.find(',', from), references.size());
            if (comma == from)
                return std::nullopt;
            b.references.emplace_back(references.substr(from, comma - from));
            from = comma + 1;
        }
    }
    if (partText(l) != text)
        return std::nullopt;
    // A zero-ohm link is a bill of materials' resistor, never a typed value.
    const kelvane::Milli least = l.bom && l.bom->resistor ? 0 : kelvane::smallestPart;
    if (p.value < least || p.value > kelvane::largestPart || !std::isfinite(p.tolerance) || p.tolerance < 0
        || p.tolerance >= 1)
        return std::nullopt;
    return l;
}

} // namespace

std::vector<LabelPart> labelParts(const std::vector<kelvane::Part>& parts)
{
    std::vector<LabelPart> labels;
    for (const kelvane::Part& p : parts)
        labels.push_back({p, std::nullopt});
    return labels;
}

std::vector<LabelPart> labelParts(const kelvane::Bom& bom)
{
    std::vector<LabelPart> labels;
    for (const kelvane::BomValue& v : bom.values)
        labels.push_back({{v.value, v.tolerance.value_or(0)}, BomEntry{v.resistor, v.quantity, v.references}});
    return labels;
}

std::optional<BandChoice> bandChoiceNamed(std::string_view name)
{
    for (std::size_t i = 0; i < std::size(bandNames); ++i)
        if (name == bandNames[i])
            return static_cast<BandChoice>(i);
    return std::nullopt;
}

std::vector<std::string> arguments(const PrintJob& job)
{
    if (job.what == PrintJob::What::Chart)
        return {std::string(chartFlag), job.file};
    const LabelRun& run = job.labels;
    if (job.what == PrintJob::What::CalibrationPage) {
        std::vector<std::string> args{std::string(calibrationFlag), job.file, kelvane::sheets[run.sheet].name};
        addCalibration(args, run.calibration);
        return args;
    }
    std::vector<std::string> args{std::string(labelsFlag), job.file, kelvane::sheets[run.sheet].name,
        kelvane::entryOf(bandNames, run.bands), std::to_string(run.start)};
    addCalibration(args, run.calibration);
    for (const LabelPart& p : run.parts)
        args.push_back(partText(p));
    return args;
}

std::variant<PrintJob, NoPrintJob> printJobOf(int argc, const char* const argv[])
{
    const std::string_view flag = argc > 1 ? argv[1] : "";
    if (flag != labelsFlag && flag != calibrationFlag && flag != chartFlag)
        return NoPrintJob::WindowArguments;
    PrintJob job;
    if (argc < 3)
        return NoPrintJob::Malformed;
    job.file = argv[2];
    if (flag == chartFlag) {
        if (argc != 3)
            return NoPrintJob::Malformed;
        return job;
    }
    if (flag == calibrationFlag) {
        job.what = PrintJob::What::CalibrationPage;
        const auto sheet = argc == 4 + calibrationFields ? ownSheet(argv[3]) : std::nullopt;
        const auto calibration = sheet ? calibrationOf(argv + 4) : std::nullopt;
        if (!calibration)
            return NoPrintJob::Malformed;
        job.labels.sheet = *sheet;
        job.labels.calibration = *calibration;
        return job;
    }
    job.what = PrintJob::What::Labels;
    // A sheet, the bands, the start, the calibration and at least one part.
    constexpr int firstPart = 6 + calibrationFields;
    if (argc <= firstPart)
        return NoPrintJob::Malformed;
    const auto sheet = ownSheet(argv[3]);
    const auto bands = bandChoiceNamed(argv[4]);
    const auto start = sheet ? startOf(argv[5], *sheet) : std::nullopt;
    const auto calibration = calibrationOf(argv + 6);
    if (!bands || !start || !calibration)
        return NoPrintJob::Malformed;
    job.labels.sheet = *sheet;
    job.labels.bands = *bands;
    job.labels.start = *start;
    job.labels.calibration = *calibration;
    for (int i = firstPart; i < argc; ++i) {
        const auto part = partOf(argv[i]);
        if (!part)
            return NoPrintJob::Malformed;
        job.labels.parts.push_back(*part);
    }
    return job;
}
