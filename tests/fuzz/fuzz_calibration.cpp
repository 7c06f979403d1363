// Any text as a calibration file: the reader never crashes, hangs or
// overflows; each fault is on a line the text has, one a line and in order;
// every calibration read is within reach; CRLF reads as LF does; and what is
// read, written back, reads again to the same text with no fault.
#include <kelvane/sheet.h>

#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    const kelvane::Calibrations read = kelvane::readCalibrations(text);
    std::size_t lines = 1;
    std::string lf;
    for (std::size_t i = 0; i < size; ++i) {
        lines += text[i] == '\n';
        if (!(text[i] == '\r' && i + 1 < size && text[i + 1] == '\n'))
            lf += text[i];
    }
    std::size_t last = 0;
    for (const kelvane::CalibrationLineProblem& p : read.wrong) {
        if (p.line <= last || p.line > lines
            || static_cast<std::size_t>(p.error) >= kelvane::enumCount<kelvane::CalibrationLineError>)
            std::abort();
        last = p.line;
    }
    for (const kelvane::Calibration& c : read.bySheet)
        if (!kelvane::withinReach(c))
            std::abort();
    const std::string written = kelvane::calibrationText(read.bySheet);
    if (kelvane::calibrationText(kelvane::readCalibrations(lf).bySheet) != written)
        std::abort();
    const kelvane::Calibrations back = kelvane::readCalibrations(written);
    if (!back.wrong.empty() || kelvane::calibrationText(back.bySheet) != written)
        std::abort();
    return 0;
}
