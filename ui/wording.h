// Texts the windows and the command line share, each translated once, in the
// context of the window that shows it. Plain C++: the command line reads them
// without Qt and translates them only when its language is not English.
#pragma once

#include <kelvane/palette.h>

#include <cstddef>

#ifndef QT_TRANSLATE_NOOP
#define QT_TRANSLATE_NOOP(scope, x) x
#endif

namespace wording {

// Indexed by Hue; the English name is also the key of its translations.
inline constexpr const char* colourContext = "Colour";
inline constexpr const char* colourNames[] = {QT_TRANSLATE_NOOP("Colour", "Black"),
    QT_TRANSLATE_NOOP("Colour", "Brown"), QT_TRANSLATE_NOOP("Colour", "Red"), QT_TRANSLATE_NOOP("Colour", "Orange"),
    QT_TRANSLATE_NOOP("Colour", "Yellow"), QT_TRANSLATE_NOOP("Colour", "Green"), QT_TRANSLATE_NOOP("Colour", "Blue"),
    QT_TRANSLATE_NOOP("Colour", "Violet"), QT_TRANSLATE_NOOP("Colour", "Gray"), QT_TRANSLATE_NOOP("Colour", "White"),
    QT_TRANSLATE_NOOP("Colour", "Gold"), QT_TRANSLATE_NOOP("Colour", "Silver")};
static_assert(std::size(colourNames) == kelvane::hueCount);

// A translation with shorter variants holds them after the full text, each
// after this separator (U+009C in UTF-8).
inline constexpr const char* variantSeparator = "\xC2\x9C";

inline constexpr const char* markingsContext = "TMarkings";
// Indexed by kelvane::Code.
inline constexpr const char* codeNames[] = {
    QT_TRANSLATE_NOOP("TMarkings", "3-digit code"),
    QT_TRANSLATE_NOOP("TMarkings", "4-digit code"),
    QT_TRANSLATE_NOOP("TMarkings", "letter code"),
    QT_TRANSLATE_NOOP("TMarkings", "EIA-96 code, 1 %"),
    QT_TRANSLATE_NOOP("TMarkings", "zero-ohm link"),
    QT_TRANSLATE_NOOP("TMarkings", "value in pF"),
};
// Indexed by kelvane::MarkingError.
inline constexpr const char* markingErrors[] = {
    QT_TRANSLATE_NOOP("TMarkings", "empty"),
    QT_TRANSLATE_NOOP("TMarkings", "not a marking"),
    QT_TRANSLATE_NOOP("TMarkings", "no such EIA-96 number"),
    QT_TRANSLATE_NOOP("TMarkings", "out of range"),
};
// A value in no series: the series whose values are nearest, the one below and the one above.
inline constexpr const char* notStandard = QT_TRANSLATE_NOOP("TMarkings", "not standard; nearest %1: %2 and %3");
// Below the nearest series' first value, which has no neighbours there.
inline constexpr const char* notStandardAlone = QT_TRANSLATE_NOOP("TMarkings", "not standard");

inline constexpr const char* mainContext = "TMainform";
inline constexpr const char* entryError
    = QT_TRANSLATE_NOOP("TMainform", "Componentvalue must be a number between 1 and 990M");

// The command line's own.
inline constexpr const char* commandContext = "CommandLine";
inline constexpr const char* notAColour = QT_TRANSLATE_NOOP("CommandLine", "not a colour");
inline constexpr const char* notAValue = QT_TRANSLATE_NOOP("CommandLine", "not a value");
inline constexpr const char* bandCannotBe = QT_TRANSLATE_NOOP("CommandLine", "band %1 cannot be %2");

template <typename Enum, std::size_t N> const char* textOf(const char* const (&texts)[N], Enum e)
{
    return texts[static_cast<std::size_t>(e)];
}

} // namespace wording
