// The command line's texts in the program's language. They are the windows'
// own (wording.h), used as written in English and otherwise looked up in the
// windows' catalogues through a small Qt module, loaded with dlopen only
// then, so that an English subcommand never loads Qt or the window system.
// A word the person typed is echoed only as valid UTF-8 without control
// characters.
#pragma once

#include <cstdint>
#include <initializer_list>
#include <optional>
#include <string>
#include <string_view>

namespace kelvane {
enum class Hue : std::uint8_t;
}

namespace cli {

std::string programFolder();
void loadTranslations();

std::string tr(const char* context, const char* english);
std::string arg(std::string text, std::initializer_list<std::string> args);
std::string said(const char* english, std::initializer_list<std::string> args);
std::string echo(std::string_view word);
// Case folded as the program's language folds it.
std::string fold(std::string_view text);

std::string colourName(kelvane::Hue h);
std::optional<kelvane::Hue> hueNamed(std::string_view name);

} // namespace cli
