// Tolerances: how far a part's value may lie from the one it is marked with.
// A band colour, a marking's letter, a series and a parts list each give one;
// spreads are in thousandths of a per cent either way, and a part's tolerance
// is the fraction (0,05 for ±5 %) that spread stands for.
#pragma once

#include "kelvane/indexed.h"
#include "kelvane/palette.h"
#include "kelvane/series.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>

namespace kelvane {

// How far a part's value may lie below and above the marked one, in
// thousandths of a per cent, or where absolute of a picofarad.
struct Tolerance {
    std::int32_t below;
    std::int32_t above;
    bool absolute = false;
};

constexpr double fractionOf(std::int32_t spread) { return spread / 100'000.0; }

struct ToleranceItem {
    const char* text;
    Colour colour;
    std::int32_t spread; // either way, in thousandths of a per cent
};

// What a tolerance band's colour means, widest first: no band (the body's
// colour), then the colours the main window's tolerance list offers, then
// Blue, Violet and Gray of the finer parts, which it does not.
inline constexpr std::array<ToleranceItem, 9> bandTolerances{{
    {"20%", BodyColor, 20'000},
    {"10%", colourOf(Hue::Silver), 10'000},
    {"5%", colourOf(Hue::Gold), 5'000},
    {"2%", colourOf(Hue::Red), 2'000},
    {"1%", colourOf(Hue::Brown), 1'000},
    {"0.5%", colourOf(Hue::Green), 500},
    {"0.25%", colourOf(Hue::Blue), 250},
    {"0.1%", colourOf(Hue::Violet), 100},
    {"0.05%", colourOf(Hue::Gray), 50},
}};

template <std::size_t N> constexpr std::array<ToleranceItem, N> firstTolerances()
{
    std::array<ToleranceItem, N> list{};
    for (std::size_t i = 0; i < N; ++i)
        list[i] = bandTolerances[i];
    return list;
}

// The main window's tolerance list: the index is the tolerance code; index 0
// means "no tolerance band".
inline constexpr auto toleranceList = firstTolerances<6>();

// The band of this colour's tolerance; nullopt for a colour of none.
constexpr const ToleranceItem* bandToleranceItem(Colour c)
{
    for (const ToleranceItem& item : bandTolerances)
        if (item.colour == c)
            return &item;
    return nullptr;
}

// What a colour stands for on a tolerance band, in thousandths of a per cent.
constexpr std::optional<std::int32_t> toleranceOfHue(Hue h)
{
    const ToleranceItem* item = bandToleranceItem(colourOf(h));
    return item ? std::optional(item->spread) : std::nullopt;
}

// The tolerance of the main window's band 5 colour, the body's colour giving
// ±20 %; nullopt for a colour of none.
constexpr std::optional<Tolerance> bandTolerance(Colour ring5)
{
    const ToleranceItem* item = bandToleranceItem(ring5);
    return item ? std::optional(Tolerance{item->spread, item->spread}) : std::nullopt;
}

// The band colour the main window offers for a part's tolerance (a
// fraction, matched to the thousandth of a per cent), as its bands would
// show the part; nullopt where it offers none (no band is no colour).
std::optional<Colour> toleranceColour(double fraction);

struct ToleranceLetter {
    char letter;
    const char* text; // UTF-8
    Tolerance tolerance;
};

// A capacitor's tolerance, as a letter after its code ("104K").
inline constexpr std::array<ToleranceLetter, 9> toleranceLetters{{
    {'B', "\u00B10,1 pF", {100, 100, true}},
    {'C', "\u00B10,25 pF", {250, 250, true}},
    {'D', "\u00B10,5 pF", {500, 500, true}},
    {'F', "\u00B11 %", {1'000, 1'000}},
    {'G', "\u00B12 %", {2'000, 2'000}},
    {'J', "\u00B15 %", {5'000, 5'000}},
    {'K', "\u00B110 %", {10'000, 10'000}},
    {'M', "\u00B120 %", {20'000, 20'000}},
    {'Z', "+80/\u221220 %", {20'000, 80'000}},
}};

// A resistor's, after its code ("4K7J", "1001F").
inline constexpr std::array<ToleranceLetter, 8> resistorToleranceLetters{{
    {'B', "\u00B10,1 %", {100, 100}},
    {'C', "\u00B10,25 %", {250, 250}},
    {'D', "\u00B10,5 %", {500, 500}},
    {'F', "\u00B11 %", {1'000, 1'000}},
    {'G', "\u00B12 %", {2'000, 2'000}},
    {'J', "\u00B15 %", {5'000, 5'000}},
    {'K', "\u00B110 %", {10'000, 10'000}},
    {'M', "\u00B120 %", {20'000, 20'000}},
}};

// Each series' parts: ±20 % for E6 down to ±0,5 % for E192.
inline constexpr std::int32_t seriesSpreads[] = {20'000, 10'000, 5'000, 2'000, 1'000, 500};
constexpr double seriesTolerance(Series s) { return fractionOf(entryOf(seriesSpreads, s)); }

// A parts list's values written without a tolerance: ±5 %.
inline constexpr double listTolerance = fractionOf(5'000);

} // namespace kelvane
