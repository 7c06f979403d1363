// labels and chart: the print job, checked here and drawn by the window
// program, which this process becomes.
#include "commands.h"
#include "options.h"
#include "printjob.h"
#include "translation.h"
#include "wording.h"

#include <kelvane/marking.h>
#include <kelvane/parts.h>
#include <kelvane/sheet.h>
#include <kelvane/value.h>

#include <string>
#include <string_view>
#include <variant>
#include <vector>

namespace cli {

using kelvane::Milli;

// The window program writes the PDF, on the offscreen platform: labels and
// chart are drawn by the windows' own code.
int labels(const Args& a)
{
    const auto output = a.value("--output");
    if (!output)
        return misused(said(wording::missing, {"-o FILE.pdf"}));
    const auto sheet = kelvane::sheetNamed(a.value("--sheet").value_or("A4-21"));
    if (!sheet)
        return misused(said(wording::takesOneOf, {"--sheet", choices(kelvane::sheets)}));
    const auto bands = bandChoiceNamed(a.value("--bands").value_or("both"));
    if (!bands)
        return misused(said(wording::takesOneOf, {"--bands", "4, 5, both"}));
    const bool listed = a.has("--series") || a.has("--parts") || a.has("--from") || a.has("--to");
    if (listed && !a.words.empty())
        return misused(said(wording::valuesOrList, {echo(a.words[0])}));
    if (!listed && a.words.empty())
        return misused(said(wording::missing, {"VALUE"}));
    PrintJob job{PrintJob::What::Labels, std::string(*output), {*sheet, *bands, {}}};
    std::vector<kelvane::Part>& parts = job.labels.parts;
    if (listed) {
        const auto found = partsOf(a, "--from", "--to");
        if (const auto* status = std::get_if<int>(&found))
            return *status;
        parts = std::get<std::vector<kelvane::Part>>(found);
    }
    for (std::string_view word : a.words) {
        const auto v = resistance(word);
        if (const auto* why = std::get_if<std::string>(&v))
            return fail(*why);
        if (std::get<Milli>(v) >= kelvane::markedLimit)
            return fail(outsideMarked(word, true));
        parts.push_back({std::get<Milli>(v), 0});
    }
    return handOver(arguments(job));
}

int chart(const Args& a)
{
    const auto output = a.value("--output");
    if (!output)
        return misused(said(wording::missing, {"-o FILE.pdf"}));
    if (!a.words.empty())
        return misused(said(wording::unexpected, {echo(a.words[0])}));
    return handOver(arguments({PrintJob::What::Chart, std::string(*output), {}}));
}

} // namespace cli
