// What is printed, as plain values both the command line and the window
// program hold: labels for a run of parts on a sheet (typed values, a series,
// a parts file, or a bill of materials' values with their references and
// quantities), a sheet's calibration page, or the colour-code chart, into a PDF file. The command line writes a job as
// the window program's arguments (arguments), the window program reads them back (printJobOf): every field is checked,
// and every value comes back exactly, in any locale.
#pragma once

#include <kelvane/bom.h>
#include <kelvane/indexed.h>
#include <kelvane/parts.h>
#include <kelvane/sheet.h>

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

enum class BandChoice { Four, Five, Both };
namespace kelvane {
template <> inline constexpr std::size_t enumCount<BandChoice> = static_cast<std::size_t>(BandChoice::Both) + 1;
}

// What a label of a bill of materials' value tells besides the value.
struct BomEntry {
    bool resistor = true; // else a capacitor: its value and codes, no bands
    std::size_t quantity = 1;
    std::vector<std::string> references; // none where the file names none
};

struct LabelPart {
    kelvane::Part part; // a tolerance of 0: none known, no tolerance band
    std::optional<BomEntry> bom = std::nullopt;
};

struct LabelRun {
    std::size_t sheet = 0; // into kelvane::sheets
    BandChoice bands = BandChoice::Both;
    std::vector<LabelPart> parts;
    std::size_t start = 1; // the first sheet's first label not yet used, from 1
    kelvane::Calibration calibration{};
};

struct PrintJob {
    enum class What { Labels, Chart, CalibrationPage };
    What what = What::Chart;
    std::string file; // the PDF, as the person named it
    LabelRun labels;  // of labels; of a calibration page its sheet and calibration only
};

// A label for each part; for each of a bill of materials' values, in its order.
std::vector<LabelPart> labelParts(const std::vector<kelvane::Part>& parts);
std::vector<LabelPart> labelParts(const kelvane::Bom& bom);

// "4", "5" or "both", as the command line's --bands takes them.
std::optional<BandChoice> bandChoiceNamed(std::string_view name);

// The window program's arguments after its name.
std::vector<std::string> arguments(const PrintJob& job);

// Why the window program's arguments hold no print job: they are the
// windows' own, or they begin as a job but are not one the command line writes.
enum class NoPrintJob { WindowArguments, Malformed };

std::variant<PrintJob, NoPrintJob> printJobOf(int argc, const char* const argv[]);
