#include "translation.h"
#include "wording.h"

#include <kelvane/config.h>
#include <kelvane/palette.h>
#include <kelvane/utf8.h>

#include <cstdlib>
#include <dlfcn.h>
#include <filesystem>
#include <string>
#include <vector>

namespace {

struct Texts {
    const char* (*translate)(const char*, const char*) = nullptr;
    const char* (*fold)(const char*) = nullptr;
    bool rightToLeft = false;
} texts;

// The person's first language as the windows read it: LANGUAGE, else the
// locale of the messages; English and C need no catalogue.
bool firstLanguageIsEnglish()
{
    std::string first;
    for (const char* name : {"LANGUAGE", "LC_ALL", "LC_MESSAGES", "LANG"})
        if (const char* v = std::getenv(name); v && *v) {
            first = std::string(v).substr(0, std::string(v).find(':'));
            break;
        }
    const std::string language = first.substr(0, first.find_first_of("_.@"));
    return language.empty() || language == "en" || language == "C" || language == "POSIX";
}

// A translated name's full text and its shorter variants.
std::vector<std::string> variants(const std::string& text)
{
    std::vector<std::string> all;
    const std::string_view separator = wording::variantSeparator;
    for (std::size_t from = 0;;) {
        const auto to = text.find(separator, from);
        all.push_back(text.substr(from, to - from));
        if (to == std::string::npos)
            return all;
        from = to + separator.size();
    }
}

} // namespace

namespace cli {

// The folder of this program, where the window program, the translation
// module and the catalogues are found, in the build tree as when installed.
std::string programFolder()
{
    std::error_code error;
    const std::string p = std::filesystem::read_symlink("/proc/self/exe", error).string();
    return p.substr(0, p.rfind('/') + 1);
}

// Once a process: a caller that answers many command lines loads the catalogue once.
void loadTranslations()
{
    static bool tried = false;
    if (tried || firstLanguageIsEnglish())
        return;
    tried = true;
    const std::string folder = programFolder();
    void* module = dlopen((folder + KELVANE_TEXTS_FROM_BIN).c_str(), RTLD_NOW | RTLD_LOCAL);
    if (!module)
        return;
    auto load = reinterpret_cast<bool (*)(const char*)>(dlsym(module, "kelvane_load_language"));
    texts.translate = reinterpret_cast<const char* (*)(const char*, const char*)>(dlsym(module, "kelvane_translate"));
    texts.fold = reinterpret_cast<const char* (*)(const char*)>(dlsym(module, "kelvane_fold"));
    auto rightToLeft = reinterpret_cast<bool (*)()>(dlsym(module, "kelvane_right_to_left"));
    if (!load || !texts.translate || !texts.fold || !rightToLeft || !load((folder + KELVANE_QM_FROM_BIN).c_str()))
        texts = {};
    else
        texts.rightToLeft = rightToLeft();
}

std::string tr(const char* context, const char* english)
{
    return texts.translate ? texts.translate(context, english) : english;
}

// "%1" ... in a text replaced by the arguments. In a language written from
// the right each is isolated in its sentence (U+2068 ... U+2069), so that a
// terminal that runs text both ways (VTE, Konsole) keeps a value whole and
// left to right, a word or file name in its own direction; the others
// show the isolates as nothing, of no width. A line that begins with a value,
// the answer itself, begins left to right and is left as it is; JSON has none.
std::string arg(std::string text, std::initializer_list<std::string> args)
{
    int n = 1;
    for (const std::string& a : args) {
        const std::string mark = "%" + std::to_string(n++);
        if (const auto at = text.find(mark); at != std::string::npos)
            text.replace(at, mark.size(), texts.rightToLeft ? "\u2068" + a + "\u2069" : a);
    }
    return text;
}

// A command line's own text in the program's language, its "%1"... filled in.
std::string said(const char* english, std::initializer_list<std::string> args)
{
    return arg(tr(wording::commandContext, english), args);
}

// A typed word as it may be shown on a terminal: valid UTF-8, and no control
// character that would move the cursor or change the terminal's state.
std::string echo(std::string_view word)
{
    std::string shown = kelvane::validUtf8(word);
    for (char& c : shown)
        if (static_cast<unsigned char>(c) < 0x20 || c == 0x7F)
            c = '?';
    return shown;
}

std::string fold(std::string_view text)
{
    std::string s(text);
    if (texts.fold)
        return texts.fold(s.c_str());
    for (char& c : s)
        c = c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
    return s;
}

std::string colourName(kelvane::Hue h)
{
    return variants(tr(wording::colourContext, wording::textOf(wording::colourNames, h))).front();
}

// A colour by its English name ("grey" too) or its name in the program's language, any case.
std::optional<kelvane::Hue> hueNamed(std::string_view name)
{
    const std::string wanted = fold(name);
    for (std::size_t i = 0; i < kelvane::hueCount; ++i) {
        const auto h = static_cast<kelvane::Hue>(i);
        std::vector<std::string> names = variants(tr(wording::colourContext, wording::colourNames[i]));
        names.push_back(wording::colourNames[i]);
        if (h == kelvane::Hue::Gray)
            names.push_back("grey");
        for (const std::string& n : names)
            if (fold(n) == wanted)
                return h;
    }
    return std::nullopt;
}

} // namespace cli
