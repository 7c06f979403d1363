// Any text as a parts list: the reader never crashes, hangs or overflows;
// every part it reads is one a list takes, its coefficient within bounds,
// each fault is on a line the text has, one a line and in order; CRLF and CR
// read as LF does, and a byte-order mark before the text changes nothing.
#include <kelvane/parts.h>

#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

namespace {

bool same(const kelvane::PartsText& a, const kelvane::PartsText& b)
{
    if (a.parts.size() != b.parts.size() || a.wrong.size() != b.wrong.size())
        return false;
    for (std::size_t i = 0; i < a.parts.size(); ++i)
        if (a.parts[i].value != b.parts[i].value || a.parts[i].tolerance != b.parts[i].tolerance
            || a.parts[i].tempco != b.parts[i].tempco)
            return false;
    for (std::size_t i = 0; i < a.wrong.size(); ++i)
        if (a.wrong[i].line != b.wrong[i].line || a.wrong[i].error != b.wrong[i].error)
            return false;
    return true;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    const kelvane::PartsText read = kelvane::readParts(text, 0.05);
    std::size_t lines = 1;
    std::string lf;
    for (std::size_t i = 0; i < size; ++i) {
        const bool crlf = text[i] == '\r' && i + 1 < size && text[i + 1] == '\n';
        if (crlf)
            continue;
        lines += text[i] == '\n' || text[i] == '\r';
        lf += text[i] == '\r' ? '\n' : text[i];
    }
    std::size_t last = 0;
    for (const kelvane::PartsLineProblem& p : read.wrong) {
        if (p.line <= last || p.line > lines
            || static_cast<std::size_t>(p.error) >= kelvane::enumCount<kelvane::PartsLineError>)
            std::abort();
        last = p.line;
    }
    for (const kelvane::Part& p : read.parts)
        if (p.value < 1 || p.value > kelvane::largestPart || !(p.tolerance >= 0 && p.tolerance < 1)
            || !(p.tempco >= 0 && p.tempco <= kelvane::mostTempco))
            std::abort();
    const auto listed = kelvane::listParts(read.parts, {});
    if (const auto* e = std::get_if<kelvane::PartsError>(&listed); e && *e == kelvane::PartsError::OutOfRange)
        std::abort(); // a part read that a list refuses
    if (!same(kelvane::readParts(lf, 0.05), read))
        std::abort();
    const std::string_view mark = "\xEF\xBB\xBF";
    if (text.substr(0, mark.size()) != mark && !same(kelvane::readParts(std::string(mark) + lf, 0.05), read))
        std::abort();
    return 0;
}
