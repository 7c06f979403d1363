// Texts the windows and the command line share, each translated once, in the
// context of the window that shows it. Plain C++: the command line reads them
// without Qt and translates them only when its language is not English.
#pragma once

#include <kelvane/bom.h>
#include <kelvane/palette.h>
#include <kelvane/parts.h>

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
// Also read by index, in a loop over the hues.
static_assert(std::size(colourNames) == kelvane::enumCount<kelvane::Hue>);

// A translation with shorter variants holds them after the full text, each
// after this separator (U+009C in UTF-8).
inline constexpr const char* variantSeparator = "\xC2\x9C";

// The codes printed on parts, as the markings window, the finder, the
// labels and the command line name them.
inline constexpr const char* codesContext = "Codes";
// Indexed by kelvane::Code.
inline constexpr const char* codeNames[] = {
    QT_TRANSLATE_NOOP("Codes", "3-digit code"),
    QT_TRANSLATE_NOOP("Codes", "4-digit code"),
    QT_TRANSLATE_NOOP("Codes", "letter code"),
    QT_TRANSLATE_NOOP("Codes", "EIA-96 code, 1 %"),
    QT_TRANSLATE_NOOP("Codes", "zero-ohm link"),
    QT_TRANSLATE_NOOP("Codes", "value in pF"),
};
// Indexed by kelvane::MarkingError.
inline constexpr const char* markingErrors[] = {
    QT_TRANSLATE_NOOP("Codes", "empty"),
    QT_TRANSLATE_NOOP("Codes", "not a marking"),
    QT_TRANSLATE_NOOP("Codes", "no such EIA-96 number"),
    QT_TRANSLATE_NOOP("Codes", "out of range"),
};
// A value in no series: the series whose values are nearest, the one below and the one above.
inline constexpr const char* notStandard = QT_TRANSLATE_NOOP("Codes", "not standard; nearest %1: %2 and %3");
// Below the nearest series' first value, which has no neighbours there.
inline constexpr const char* notStandardAlone = QT_TRANSLATE_NOOP("Codes", "not standard");

// The bands, as the main window and the markings window show them.
inline constexpr const char* bandsContext = "Bands";
inline constexpr const char* selectColors = QT_TRANSLATE_NOOP("Bands", "Select colors");

inline constexpr const char* mainContext = "TMainform";
inline constexpr const char* entryError
    = QT_TRANSLATE_NOOP("TMainform", "Componentvalue must be a number between 1 and 990M");

// Typed values and parts lists, as the windows and the command line read them.
inline constexpr const char* valuesContext = "Values";
inline constexpr const char* notAValue = QT_TRANSLATE_NOOP("Values", "not a value");
inline constexpr const char* valueOutOfRange = QT_TRANSLATE_NOOP("Values", "value out of range");
inline constexpr const char* notText = QT_TRANSLATE_NOOP("Values", "not UTF-8 text");

// A PDF of labels or of the chart, from the labels window or the command line.
inline constexpr const char* paperContext = "Paper";
inline constexpr const char* cannotBeWritten = QT_TRANSLATE_NOOP("Paper", "%1 cannot be written");

// The command line's own.
inline constexpr const char* commandContext = "CommandLine";
inline constexpr const char* notAColour = QT_TRANSLATE_NOOP("CommandLine", "not a colour");
inline constexpr const char* bandCannotBe = QT_TRANSLATE_NOOP("CommandLine", "band %1 cannot be %2");
// A usage error names the word at fault and what it takes.
inline constexpr const char* noSuchCommand = QT_TRANSLATE_NOOP("CommandLine", "%1: no such command");
inline constexpr const char* noSuchOption = QT_TRANSLATE_NOOP("CommandLine", "%1: no such option");
inline constexpr const char* takesAValue = QT_TRANSLATE_NOOP("CommandLine", "%1 takes a value");
inline constexpr const char* takesNoValue = QT_TRANSLATE_NOOP("CommandLine", "%1 takes no value");
inline constexpr const char* takesOneOf = QT_TRANSLATE_NOOP("CommandLine", "%1 takes one of %2");
inline constexpr const char* takesWhole = QT_TRANSLATE_NOOP("CommandLine", "%1 takes a whole number from %2 to %3");
inline constexpr const char* takesPair
    = QT_TRANSLATE_NOOP("CommandLine", "%1 takes two numbers X,Y, each from %2 to %3");
inline constexpr const char* takesPercent
    = QT_TRANSLATE_NOOP("CommandLine", "%1 takes a percentage above 0 and below 100");
inline constexpr const char* takesNumber = QT_TRANSLATE_NOOP("CommandLine", "%1 takes a number from %2 to %3");
inline constexpr const char* takesTemperatures
    = QT_TRANSLATE_NOOP("CommandLine", "%1 takes LOW..HIGH in °C, each from %2 to %3, LOW not above HIGH");
inline constexpr const char* notBoth = QT_TRANSLATE_NOOP("CommandLine", "%1 or %2, not both");
inline constexpr const char* missing = QT_TRANSLATE_NOOP("CommandLine", "missing %1");
inline constexpr const char* unexpected = QT_TRANSLATE_NOOP("CommandLine", "%1: unexpected argument");
inline constexpr const char* valuesOrList
    = QT_TRANSLATE_NOOP("CommandLine", "%1: values, or a series or parts file, not both");
// A value out of range says the range.
inline constexpr const char* outside = QT_TRANSLATE_NOOP("CommandLine", "%1: out of range, from %2 to %3");
inline constexpr const char* outsideBelow
    = QT_TRANSLATE_NOOP("CommandLine", "%1: out of range, from %2 up to below %3");
inline constexpr const char* above = QT_TRANSLATE_NOOP("CommandLine", "%1 lies above %2");
inline constexpr const char* outputAboveInput
    = QT_TRANSLATE_NOOP("CommandLine", "%1: the output must lie above 0 and below the input");
inline constexpr const char* outputAboveReference
    = QT_TRANSLATE_NOOP("CommandLine", "%1: the output must lie above the reference %2");
// An answer's worst case and its yield within the wanted tolerance, after its range at 25 °C.
inline constexpr const char* worstCase = QT_TRANSLATE_NOOP("CommandLine", "worst case %1 … %2");
inline constexpr const char* yieldOf = QT_TRANSLATE_NOOP("CommandLine", "yield %1 ± %2");
inline constexpr const char* noPart = QT_TRANSLATE_NOOP("CommandLine", "%1: no part to use");
inline constexpr const char* tooManyParts = QT_TRANSLATE_NOOP("CommandLine", "%1: more than %2 different values");
// What kelvane bom says of a value, after its first line, and before the parts listed apart and the lines not read.
inline constexpr const char* bomBands = QT_TRANSLATE_NOOP("CommandLine", "%1 bands: %2");
inline constexpr const char* bomCodes = QT_TRANSLATE_NOOP("CommandLine", "codes: %1");
inline constexpr const char* bomNearest = QT_TRANSLATE_NOOP("CommandLine", "nearest in %1: %2 (%3) and %4 (%5)");
inline constexpr const char* bomNetwork = QT_TRANSLATE_NOOP("CommandLine", "network: %1 (%2)");
inline constexpr const char* bomApart = QT_TRANSLATE_NOOP("CommandLine", "Listed apart:");
inline constexpr const char* bomUnread = QT_TRANSLATE_NOOP("CommandLine", "Not read:");
inline constexpr const char* bomLine = QT_TRANSLATE_NOOP("CommandLine", "line %1: %2");
// Reading a file.
inline constexpr const char* noSuchFile = QT_TRANSLATE_NOOP("CommandLine", "%1: no such file");
inline constexpr const char* notAllowed = QT_TRANSLATE_NOOP("CommandLine", "%1: not allowed to read it");
inline constexpr const char* isAFolder = QT_TRANSLATE_NOOP("CommandLine", "%1: a folder, not a file");
inline constexpr const char* unreadable = QT_TRANSLATE_NOOP("CommandLine", "%1 cannot be read");
inline constexpr const char* tooLarge = QT_TRANSLATE_NOOP("CommandLine", "%1: over %2 MB, too large for a parts list");

template <typename Enum, std::size_t N> const char* textOf(const char* const (&texts)[N], Enum e)
{
    return kelvane::entryOf(texts, e);
}

// Why a line of a parts list is not read, indexed by kelvane::PartsLineError;
// in valuesContext, shown by the command line and the windows alike.
inline constexpr const char* partsLineErrors[] = {
    notAValue,
    valueOutOfRange,
    QT_TRANSLATE_NOOP("Values", "tolerance out of range"),
    QT_TRANSLATE_NOOP("Values", "temperature coefficient out of range"),
    notText,
};
static_assert(std::size(partsLineErrors) == kelvane::enumCount<kelvane::PartsLineError>);

// A bill of materials, as the command line and the labels window read it: why
// its parts are listed apart (kelvane::ApartReason), why a line is not read
// (kelvane::BomLineError), and a file that is none (kelvane::BomError, after the file's name).
inline constexpr const char* apartReasons[] = {
    QT_TRANSLATE_NOOP("Values", "not a resistor or capacitor"),
    QT_TRANSLATE_NOOP("Values", "resistor array"),
    QT_TRANSLATE_NOOP("Values", "trimmer"),
    QT_TRANSLATE_NOOP("Values", "do not populate"),
};
static_assert(std::size(apartReasons) == kelvane::enumCount<kelvane::ApartReason>);
inline constexpr const char* bomLineErrors[] = {
    notText,
    QT_TRANSLATE_NOOP("Values", "a quote not closed"),
    QT_TRANSLATE_NOOP("Values", "fewer fields than the header"),
    QT_TRANSLATE_NOOP("Values", "no reference"),
    QT_TRANSLATE_NOOP("Values", "not a reference range"),
    QT_TRANSLATE_NOOP("Values", "no value"),
    notAValue,
    valueOutOfRange,
    QT_TRANSLATE_NOOP("Values", "quantity not that of the references"),
};
static_assert(std::size(bomLineErrors) == kelvane::enumCount<kelvane::BomLineError>);
inline constexpr const char* bomErrors[] = {
    QT_TRANSLATE_NOOP("Values", "%1: nothing in it"),
    QT_TRANSLATE_NOOP("Values", "%1: no bill of materials, no line names a Value or Comment column"),
};
static_assert(std::size(bomErrors) == kelvane::enumCount<kelvane::BomError>);

} // namespace wording
