// decode_crosscheck: `kelvane decode --json` gives, for every band
// combination the window's dialogs offer (with five bands, one second digit
// for each first and third), the value the main window shows after its
// refresh cycle has taken each pick, and the tolerance of the picked band.
#include "cli.h"
#include "wording.h"

#include <kelvane/bands.h>
#include <kelvane/decode.h>

#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

namespace {

// The window's decoding: each band picked in its dialog, then the cycle.
kelvane::Display windowDecoding(int bandcount, const std::vector<kelvane::Hue>& hues, kelvane::Colour tolerance)
{
    kelvane::BandState s;
    kelvane::ColourPick pick;
    kelvane::TolerancePick tol{0, tolerance};
    if (bandcount == 5)
        kelvane::switchToFiveBands(s);
    std::optional<kelvane::Display> shown;
    for (std::size_t band = 1; band <= hues.size(); ++band) {
        s.curband = static_cast<std::uint8_t>(band);
        pick = kelvane::pickOf(hues[band - 1]);
        shown = kelvane::refresh(s, pick, tol);
    }
    return shown.value_or(kelvane::Display{"incomplete", "", "", ""});
}

// The command line's standard output, asked in-process: glibc lets stdout
// be set like any variable.
std::string run(const std::vector<std::string>& command)
{
    std::vector<char*> argv;
    for (const std::string& a : command)
        argv.push_back(const_cast<char*>(a.c_str()));
    argv.push_back(nullptr);
    char* text = nullptr;
    std::size_t size = 0;
    std::FILE* const console = stdout;
    stdout = open_memstream(&text, &size);
    if (!stdout) {
        stdout = console;
        return {};
    }
    cli::answer(static_cast<int>(command.size()), argv.data());
    std::fclose(stdout);
    stdout = console;
    std::string answer(text, size);
    std::free(text);
    return answer;
}

} // namespace

int main()
{
    int checked = 0, faults = 0;
    auto check = [&](int bandcount, const std::vector<kelvane::Hue>& hues, std::size_t toleranceIndex) {
        const kelvane::ToleranceItem& tolerance = kelvane::toleranceList[toleranceIndex];
        std::vector<std::string> command{"kelvane", "decode", "--json", "--bands", std::to_string(bandcount)};
        for (kelvane::Hue h : hues)
            command.emplace_back(wording::textOf(wording::colourNames, h));
        if (toleranceIndex != 0)
            command.emplace_back(wording::textOf(wording::colourNames, *kelvane::hueOf(tolerance.colour)));
        const kelvane::Display d = windowDecoding(bandcount, hues, toleranceIndex ? tolerance.colour : 0);
        const std::string expected = "\"text\": \"" + d.value + d.dot + d.dec + d.enhet
            + "\", \"tolerance\": " + (toleranceIndex ? "\"" + std::string(tolerance.text) + "\"" : "null") + "}\n";
        const std::string got = run(command);
        ++checked;
        if (got.size() < expected.size() || got.compare(got.size() - expected.size(), expected.size(), expected) != 0) {
            ++faults;
            std::string line;
            for (const std::string& a : command)
                line += a + " ";
            std::printf("FAIL: %sgave %s, the window %s", line.c_str(), got.c_str(), expected.c_str());
        }
    };
    auto offered = [](int band, int bandcount) {
        std::vector<kelvane::Hue> hues;
        for (std::size_t h = 0; h < kelvane::hueCount; ++h)
            if (kelvane::panelsFor(band, bandcount).test(h))
                hues.push_back(static_cast<kelvane::Hue>(h));
        return hues;
    };
    for (kelvane::Hue first : offered(1, 4))
        for (kelvane::Hue second : offered(2, 4))
            for (kelvane::Hue third : offered(3, 4))
                check(4, {first, second, third}, static_cast<std::size_t>(checked) % kelvane::toleranceList.size());
    for (kelvane::Hue first : offered(1, 5))
        for (kelvane::Hue third : offered(3, 5))
            for (kelvane::Hue fourth : offered(4, 5)) {
                const auto second = static_cast<kelvane::Hue>((static_cast<int>(first) + static_cast<int>(third)) % 10);
                check(5, {first, second, third, fourth},
                    static_cast<std::size_t>(checked) % kelvane::toleranceList.size());
            }
    std::printf("%d passed, %d failed\n", checked - faults, faults);
    return faults ? 1 : 0;
}
