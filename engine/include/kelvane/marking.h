// Markings printed instead of colour bands: the text is trimmed and brought to
// upper case, a capacitor's tolerance letter is taken off its end, and what
// remains is tried against each code it can be (digits; a letter for the
// decimal point; an EIA-96 number and multiplier), each giving an exact value
// or the reason it is none. Writing goes the other way: a value's significant
// digits and power of ten decide which codes can carry it.
#pragma once

#include "kelvane/decode.h"

#include <array>
#include <cstdint>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

namespace kelvane {

enum class Code : std::uint8_t {
    ThreeDigit, // "472": two digits and the number of zeros
    FourDigit,  // "4702": three digits and the number of zeros (resistors)
    Letter,     // "4K7", "R47", "4n7": a letter standing for the decimal point
    Eia96,      // "01C": the number of an E96 value and a multiplier letter (resistors)
    ZeroLink,   // "0", "00", "000", "0R" (resistors)
};

enum class MarkingError : std::uint8_t {
    Empty,
    NotAMarking,
    NoSuchEia96Number, // of the EIA-96 form, but not numbered 01 to 96
    OutOfRange,        // below 0,1 or from 1000 Mohm (µF) up, finer than a thousandth, or zero
};

// The values a marking may stand for: those of the bands and the entry box.
inline constexpr Milli smallestMarked = 100;            // 0,1 ohm or pF
inline constexpr Milli markedLimit = 1'000'000'000'000; // 1000 Mohm or µF

struct ToleranceLetter {
    char letter;
    const char* text; // UTF-8
};

// A capacitor's tolerance, as a letter after its code ("104K").
inline constexpr std::array<ToleranceLetter, 9> toleranceLetters{{
    {'B', "\u00B10,1 pF"},
    {'C', "\u00B10,25 pF"},
    {'D', "\u00B10,5 pF"},
    {'F', "\u00B11 %"},
    {'G', "\u00B12 %"},
    {'J', "\u00B15 %"},
    {'K', "\u00B110 %"},
    {'M', "\u00B120 %"},
    {'Z', "+80/\u221220 %"},
}};

struct Reading {
    Milli value = 0;
    Code code = Code::ThreeDigit;
    const ToleranceLetter* tolerance = nullptr; // into toleranceLetters; none when null
};

// One reading, or two where the text is a letter code and an EIA-96 code at
// once ("10R": 10 ohm, or 1,24 ohm): the letter code first. Upper or lower
// case; spaces around the text are ignored.
std::variant<std::vector<Reading>, MarkingError> readMarking(std::string_view text, bool resistor);

// A value's codes, each an empty text where the value has none of that kind.
struct Markings {
    std::string threeDigit;
    std::string fourDigit;
    std::string letter;
    std::string eia96;
};

Markings markingsOf(Milli value, bool resistor);

} // namespace kelvane
