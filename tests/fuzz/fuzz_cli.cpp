// Any argument list, answered in-process as `kelvane` answers it: the command
// line never crashes, ends with status 0, 1 or 2, writes only valid UTF-8 with
// no control character but line feed and tab, prints something whenever it
// succeeds (unless it handed over to the window program, which can read what
// it was handed), and a successful --json answer is exactly one JSON document.
//
// The input is the arguments, each ended by a NUL byte. An argument of the
// byte 0x01 and one more byte stands for an entry of the words below, so that
// the fuzzer reaches every subcommand, option, colour, value, code and file
// with one byte; any other argument is taken as it is.
#include "cli.h"
#include "printjob.h"

#include <iconv.h>
#include <nlohmann/json.hpp>

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

namespace {

// The folder of the parts lists among the seeds, given by the build.
#define FILES KELVANE_FUZZ_FILES "/"

constexpr const char* words[] = {
    // subcommands and options
    "decode", "encode", "read", "series", "find", "divide", "labels", "chart", "--capacitor", "--bands", "--json",
    "--up", "--series", "--parts", "--max-parts", "--min", "--max", "--exclude", "--tolerance", "--count",
    "--min-total", "--max-total", "--sheet", "--from", "--to", "--output", "-o", "--help", "-h", "--version", "--",
    "-platform", "--bands=5", "--count=1", "--json=1", "--nosuch",
    // colours, in English and as other languages name them
    "black", "brown", "red", "orange", "yellow", "green", "blue", "violet", "gray", "grey", "white", "gold", "silver",
    "GOLD", "gelb", "Schwarz", "GRÜN", "violett", "красный", "коричн.", "黄", "noir",
    // values, units and counts
    "4k7", "4,7", "k", "4,7 k", "2u2", "1e6", "4.7e3", "2.2E-6", "4.7e3 ohm", "1e400", "1e-400", "0", "-5", "$FF",
    "990", "991", "ohm", "Kohm", "Mohm", "pF", "nF", "µF", "uF", "4.7", "3.3", "5", "12", "1k", "10M", "1000G",
    "9223372036854775807", "0.0001", "1", "2", "4", "6", "1000", "1001", "both", "1%", "0,5 %", "100", "nan", "inf",
    // codes
    "472", "4K7J", "10R", "01C", "R005", "47", "104K", "0R", "479", "99A", "470K", "00",
    // series and sheets
    "E6", "E12", "E24", "E48", "E96", "E192", "e12", "E7", "A4-21", "A4-65", "Letter-80", "B5",
    // files
    FILES "list", FILES "crlf", FILES "binary", "/", "/nonexistent/x", "/dev/null", "x.pdf"};

// A stand-in for the window program: the command line hands over and is done.
// It hands over the windows' own arguments, or a print job that the window
// program reads back as it was written.
bool handedOver = false, readable = true;
int standIn(char* argv[])
{
    handedOver = true;
    int argc = 0;
    while (argv[argc])
        ++argc;
    const auto job = printJobOf(argc, argv);
    const auto* printing = std::get_if<PrintJob>(&job);
    readable = printing ? arguments(*printing) == std::vector<std::string>(argv + 1, argv + argc)
                        : std::get<NoPrintJob>(job) == NoPrintJob::WindowArguments;
    return 0;
}

// All but the line feed and the tab.
const std::string controls = [] {
    std::string all(1, '\x7F');
    for (char c = 1; c < 0x20; ++c)
        if (c != '\n' && c != '\t')
            all += c;
    return all + std::string(1, '\0');
}();

bool validUtf8(const std::string& text)
{
    static const iconv_t toUtf32 = iconv_open("UTF-32LE", "UTF-8");
    iconv(toUtf32, nullptr, nullptr, nullptr, nullptr);
    std::string in = text;
    std::vector<char> out(4 * in.size() + 4);
    char* from = in.data();
    char* to = out.data();
    std::size_t left = in.size(), room = out.size();
    return iconv(toUtf32, &from, &left, &to, &room) != static_cast<std::size_t>(-1) && left == 0;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    std::vector<std::string> args{"kelvane"};
    for (std::size_t at = 0; at < size && args.size() < 24;) {
        const auto* end = static_cast<const std::uint8_t*>(std::memchr(data + at, 0, size - at));
        const std::size_t length = end ? static_cast<std::size_t>(end - data) - at : size - at;
        std::string word(reinterpret_cast<const char*>(data + at), length);
        if (length == 2 && word[0] == '\x01')
            word = words[static_cast<unsigned char>(word[1]) % std::size(words)];
        args.push_back(word);
        at += length + 1;
    }
    // A subcommand that writes JSON, asked for it as an option: not as the
    // value of an option that takes the next argument, as "--count --json".
    bool json = false;
    if (args.size() > 1 && std::strstr(" decode encode read series find divide ", (" " + args[1] + " ").c_str()))
        for (std::size_t i = 2; i < args.size() && args[i] != "--"; ++i) {
            json = json || args[i] == "--json";
            i += std::strstr(" --bands --series --parts --max-parts --min --max --exclude --tolerance --count "
                             "--min-total --max-total ",
                     (" " + args[i] + " ").c_str())
                != nullptr;
        }
    std::vector<char*> argv;
    for (std::string& a : args)
        argv.push_back(a.data());
    argv.push_back(nullptr);

    char *out = nullptr, *err = nullptr;
    std::size_t outSize = 0, errSize = 0;
    std::FILE* const console[2] = {stdout, stderr};
    stdout = open_memstream(&out, &outSize);
    stderr = open_memstream(&err, &errSize);
    if (!stdout || !stderr)
        std::abort();
    handedOver = false;
    readable = true;
    const int status = cli::answer(static_cast<int>(args.size()), argv.data(), standIn);
    std::fclose(stdout);
    std::fclose(stderr);
    stdout = console[0];
    stderr = console[1];
    const std::string printed(out, outSize), complaint(err, errSize);
    std::free(out);
    std::free(err);

    const char* fault = nullptr;
    if (status < 0 || status > 2)
        fault = "an exit status other than 0, 1 or 2";
    else if (!validUtf8(printed) || !validUtf8(complaint))
        fault = "output that is not valid UTF-8";
    else if ((printed + complaint).find_first_of(controls) != std::string::npos)
        fault = "a control character, as a typed word may carry, written to the terminal";
    else if (!readable)
        fault = "a hand-over that the window program cannot read";
    else if (status == 0 && printed.empty() && !handedOver)
        fault = "status 0 with nothing printed";
    else if (status == 0 && json && !handedOver && printed.find("Usage:") != 0 && !nlohmann::json::accept(printed))
        fault = "--json output that is not one JSON document";
    if (fault) {
        std::fprintf(stderr, "%s (status %d)\nargs:", fault, status);
        for (const std::string& a : args)
            std::fprintf(stderr, " [%s]", a.c_str());
        std::fprintf(stderr, "\nout: %s\nerr: %s\n", printed.c_str(), complaint.c_str());
        std::abort();
    }
    return 0;
}
