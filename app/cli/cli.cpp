// `kelvane`'s answers: with a subcommand, the answer from the engine alone, as
// text in the program's language or as JSON; with no arguments, or with Qt's
// own one-dash options (-platform ...), the window program, which this process
// becomes by exec. A subcommand's row in the command table names its options
// and its usage; its words and options are read into Args and handed to its
// function (commands.h), which runs the engine's rule and prints the result
// in the program's language (translation.h).
#include "cli.h"
#include "commands.h"
#include "options.h"
#include "translation.h"
#include "wording.h"

#include <kelvane/config.h>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <string>
#include <string_view>
#include <unistd.h>
#include <vector>

namespace cli {

namespace {

Becomes becomeWindow = nullptr;

} // namespace

// The window program with these arguments after its name; by exec, unless a
// caller said how it stands in.
int handOver(std::vector<std::string> args)
{
    const std::string window = programFolder() + KELVANE_WINDOW_FROM_BIN;
    std::vector<char*> argv{const_cast<char*>(window.c_str())};
    for (std::string& a : args)
        argv.push_back(a.data());
    argv.push_back(nullptr);
    std::fflush(stdout);
    if (becomeWindow)
        return becomeWindow(argv.data());
    execv(window.c_str(), argv.data());
    return fail(window + ": " + std::strerror(errno));
}

namespace {

// What find, divide and regulator are asked under.
#define SPREAD_OPTIONS "--tempco= --temp= --within= --distribution= --samples= --seed="
#define SPREAD_USAGE                                                                                                   \
    "[--tempco PPM] [--temp LOW..HIGH] [--within PERCENT] [--distribution normal|uniform] [--samples N] [--seed N]"

struct Command {
    const char* name;
    const char* options; // each "--name", with "=" when it takes a value
    const char* usage;
    int (*run)(const Args&);
};

constexpr Command commands[] = {
    {"decode", "--capacitor --bands= --json", "decode [--capacitor] [--bands 4|5] [--json] COLOUR...", decode},
    {"encode", "--capacitor --bands= --up --json", "encode [--capacitor] [--bands 4|5] [--up] [--json] VALUE [UNIT]",
        encode},
    {"read", "--capacitor --json", "read [--capacitor] [--json] CODE", read},
    {"series", "--capacitor --json", "series [--capacitor] [--json] VALUE", series},
    {"find", "--series= --parts= --max-parts= --min= --max= --exclude= --tolerance= --count= " SPREAD_OPTIONS " --json",
        "find [--series E6|E12|E24|E48|E96|E192] [--parts FILE] [--max-parts 1-4] [--min VALUE] [--max VALUE] "
        "[--exclude VALUE]... [--tolerance PERCENT] [--count K] " SPREAD_USAGE " [--json] VALUE",
        find},
    {"divide", "--series= --parts= --tolerance= --min-total= --max-total= --count= " SPREAD_OPTIONS " --json",
        "divide [--series E6|...|E192] [--parts FILE] [--min-total VALUE] [--max-total VALUE] [--count K] " SPREAD_USAGE
        " [--json] VIN VOUT",
        divide},
    {"regulator",
        "--vref= --vref-tolerance= --vref-min= --vref-max= --iadj= --kind= --series= --parts= --tolerance= "
        "--min-total= --max-total= --count= " SPREAD_OPTIONS " --json",
        "regulator --vref V [--vref-tolerance PERCENT | --vref-min V --vref-max V] [--iadj AMPERES] "
        "[--kind feedback|adjust] [--series E6|...|E192] [--parts FILE] [--min-total VALUE] [--max-total VALUE] "
        "[--count K] " SPREAD_USAGE " [--json] VOUT",
        regulator},
    {"labels",
        "--sheet= --bands= --series= --from= --to= --parts= --bom= --start= --offset= --scale= --calibration --output=",
        "labels [--sheet A4-21|A4-24|A4-65|Letter-30|Letter-80|A4-grid|Letter-grid] [--bands 4|5|both] "
        "[--start N] [--offset X,Y] [--scale X,Y] "
        "(VALUE... | --series E12 --from VALUE --to VALUE | --parts FILE | --bom FILE | --calibration) -o FILE.pdf",
        labels},
    {"chart", "--output=", "chart -o FILE.pdf", chart},
    {"bom", "--series= --json", "bom [--series E6|...|E192] [--json] FILE", bom},
};

void usage(FILE* to, const Command* only)
{
    std::string text = "Usage:\n";
    if (!only)
        text += "  kelvane\n";
    for (const Command& c : commands)
        if (!only || only == &c)
            text += std::string("  kelvane ") + c.usage + "\n";
    if (!only)
        text += "  kelvane --help | --version\n";
    std::fputs((text + "See kelvane(1).\n").c_str(), to);
}

// The option as the command takes it: nullptr when it takes no such option.
const char* optionOf(const Command& c, std::string_view name)
{
    for (const char* o = std::strstr(c.options, "--"); o; o = std::strstr(o + 1, "--")) {
        const std::size_t length = std::strcspn(o, " =");
        if (std::string_view(o, length) == name)
            return o;
    }
    return nullptr;
}

int run(const Command& c, int argc, char* argv[])
{
    Args a;
    for (int i = 2; i < argc; ++i) {
        // -o is --output, the one short option.
        const std::string_view word = std::string_view(argv[i]) == "-o" ? "--output" : argv[i];
        if (word == "--help" || word == "-h") {
            usage(stdout, &c);
            return 0;
        }
        if (word == "--") {
            a.words.insert(a.words.end(), argv + i + 1, argv + argc);
            break;
        }
        if (word.substr(0, 2) != "--") {
            a.words.push_back(word);
            continue;
        }
        const std::string_view name = word.substr(0, word.find('='));
        const char* option = optionOf(c, name);
        if (!option)
            return misused(said(wording::noSuchOption, {echo(name)}));
        if (option[name.size()] != '=') {
            if (name.size() != word.size())
                return misused(said(wording::takesNoValue, {std::string(name)}));
            a.options.emplace_back(word, "");
        } else if (name.size() < word.size()) {
            a.options.emplace_back(name, word.substr(name.size() + 1));
        } else if (i + 1 < argc) {
            a.options.emplace_back(name, argv[++i]);
        } else {
            return misused(said(wording::takesAValue, {std::string(name)}));
        }
    }
    return c.run(a);
}
} // namespace

} // namespace cli

int cli::answer(int argc, char* argv[], Becomes becomes)
{
    becomeWindow = becomes;
    const std::string_view first = argc > 1 ? argv[1] : "";
    if (argc <= 1 || (first.size() > 1 && first[0] == '-' && first[1] != '-' && first != "-h")) {
        if (becomes)
            return becomes(argv);
        const std::string window = programFolder() + KELVANE_WINDOW_FROM_BIN;
        execv(window.c_str(), argv);
        return fail(window + ": " + std::strerror(errno));
    }
    if (first == "--help" || first == "-h") {
        usage(stdout, nullptr);
        return 0;
    }
    if (first == "--version") {
        print("kelvane " KELVANE_VERSION);
        return 0;
    }
    for (const Command& c : commands)
        if (first == c.name) {
            loadTranslations();
            const int status = run(c, argc, argv);
            if (status == usageError)
                usage(stderr, &c);
            // An answer that could not be written is no answer.
            if (std::fflush(stdout) != 0 || std::ferror(stdout))
                return fail(std::strerror(errno));
            return status;
        }
    loadTranslations();
    complain(said(wording::noSuchCommand, {echo(first)}));
    usage(stderr, nullptr);
    return usageError;
}
