#include "printjob.h"

#include <kelvane/sheet.h>

#include <charconv>
#include <cmath>
#include <iterator>

namespace {

// --write-labels FILE SHEET BANDS VALUE/TOLERANCE...: the sheet by its name,
// each value in thousandths of an ohm, its tolerance a fraction as a
// hexadecimal float, which is exact and knows no locale. --write-chart FILE.
constexpr std::string_view labelsFlag = "--write-labels", chartFlag = "--write-chart";

// Indexed by BandChoice.
constexpr const char* bandNames[] = {"4", "5", "both"};

std::string partText(const kelvane::Part& p)
{
    char tolerance[32];
    const auto end = std::to_chars(tolerance, tolerance + sizeof tolerance, p.tolerance, std::chars_format::hex);
    return std::to_string(p.value) + "/" + std::string(tolerance, end.ptr);
}

// A part as partText writes it, and no other form of it: "+1", "01/..." or a
// tolerance's other digits are no job the command line wrote.
std::optional<kelvane::Part> partOf(std::string_view text)
{
    const auto slash = text.find('/');
    if (slash == std::string_view::npos)
        return std::nullopt;
    kelvane::Part p{};
    const char* tolerance = text.data() + slash + 1;
    if (std::from_chars(text.data(), text.data() + slash, p.value).ec != std::errc()
        || std::from_chars(tolerance, text.data() + text.size(), p.tolerance, std::chars_format::hex).ec != std::errc()
        || partText(p) != text)
        return std::nullopt;
    if (p.value < kelvane::smallestPart || p.value > kelvane::largestPart || !std::isfinite(p.tolerance)
        || p.tolerance < 0 || p.tolerance >= 1)
        return std::nullopt;
    return p;
}

} // namespace

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
    std::vector<std::string> args{
        std::string(labelsFlag), job.file, kelvane::sheets[run.sheet].name, kelvane::entryOf(bandNames, run.bands)};
    for (const kelvane::Part& p : run.parts)
        args.push_back(partText(p));
    return args;
}

std::variant<PrintJob, NoPrintJob> printJobOf(int argc, const char* const argv[])
{
    const std::string_view flag = argc > 1 ? argv[1] : "";
    if (flag != labelsFlag && flag != chartFlag)
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
    job.what = PrintJob::What::Labels;
    // A sheet, the bands and at least one part.
    if (argc < 6)
        return NoPrintJob::Malformed;
    // The sheet by its own name, not as the command line's --sheet takes it in any case.
    const auto sheet = kelvane::sheetNamed(argv[3]);
    const auto bands = bandChoiceNamed(argv[4]);
    if (!sheet || kelvane::sheets[*sheet].name != std::string_view(argv[3]) || !bands)
        return NoPrintJob::Malformed;
    job.labels.sheet = *sheet;
    job.labels.bands = *bands;
    for (int i = 5; i < argc; ++i) {
        const auto part = partOf(argv[i]);
        if (!part)
            return NoPrintJob::Malformed;
        job.labels.parts.push_back(*part);
    }
    return job;
}
