// Any text as a bill of materials: the reader never crashes, hangs or
// overflows; it is an error only for a text with no header, and then for one
// of nothing but blanks exactly when no line holds anything else; every
// value it gathers is one a BOM may hold, counted by its references; every
// line it reports lies below the header, one a line and in order; CRLF and
// CR read as LF does.
#include <kelvane/bom.h>
#include <kelvane/parts.h>

#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>
#include <variant>

namespace {

bool same(const kelvane::Bom& a, const kelvane::Bom& b)
{
    if (a.header != b.header || a.values.size() != b.values.size() || a.apart.size() != b.apart.size()
        || a.unread.size() != b.unread.size())
        return false;
    for (std::size_t i = 0; i < a.values.size(); ++i)
        if (a.values[i].value != b.values[i].value || a.values[i].references != b.values[i].references
            || a.values[i].quantity != b.values[i].quantity)
            return false;
    for (std::size_t i = 0; i < a.unread.size(); ++i)
        if (a.unread[i].line != b.unread[i].line || a.unread[i].error != b.unread[i].error)
            return false;
    return true;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    const auto read = kelvane::readBom(text);
    // A byte-order mark before the text is no line's.
    const std::size_t mark = text.substr(0, 3) == "\xEF\xBB\xBF" ? 3 : 0;
    std::string lf;
    std::size_t lines = 1;
    bool blank = true;
    for (std::size_t i = 0; i < size; ++i) {
        if (text[i] == '\r' && i + 1 < size && text[i + 1] == '\n')
            continue;
        lines += text[i] == '\n' || text[i] == '\r';
        blank = blank && (text[i] == ' ' || text[i] == '\t' || text[i] == '\n' || text[i] == '\r' || i < mark);
        lf += text[i] == '\r' ? '\n' : text[i];
    }
    if (const auto* error = std::get_if<kelvane::BomError>(&read)) {
        if ((*error == kelvane::BomError::Empty) != blank)
            std::abort();
        return 0;
    }
    const kelvane::Bom& bom = std::get<kelvane::Bom>(read);
    if (bom.header < 1 || bom.header > lines)
        std::abort();
    std::size_t last = bom.header, references = 0;
    for (const kelvane::BomLineProblem& p : bom.unread) {
        if (p.line <= last || p.line > lines
            || static_cast<std::size_t>(p.error) >= kelvane::enumCount<kelvane::BomLineError>)
            std::abort();
        last = p.line;
    }
    for (const kelvane::BomValue& v : bom.values) {
        if (v.value < 0 || v.value > kelvane::largestPart || (v.value == 0 && !v.resistor)
            || (!v.references.empty() && v.references.size() != v.quantity)
            || (v.tolerance && !(*v.tolerance > 0 && *v.tolerance < 1)))
            std::abort();
        references += v.references.size();
    }
    for (const kelvane::BomApart& a : bom.apart)
        if (a.line <= bom.header || a.line > lines
            || static_cast<std::size_t>(a.reason) >= kelvane::enumCount<kelvane::ApartReason>)
            std::abort();
        else
            references += a.references.size();
    if (references > kelvane::mostReferences)
        std::abort();
    const auto again = kelvane::readBom(lf);
    if (!std::holds_alternative<kelvane::Bom>(again) || !same(std::get<kelvane::Bom>(again), bom))
        std::abort();
    return 0;
}
