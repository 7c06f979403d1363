// The colours a band can take and what each one means. Everything else in the
// engine and the windows looks colours up here; colours are compared by exact
// 32-bit value ($00BBGGRR, red in the low byte), never by closeness. Their
// names are words a person reads, so they belong to the windows.
#pragma once

#include "kelvane/indexed.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>

namespace kelvane {

using Colour = std::uint32_t;

// Index into the palette; for Black..White it is also the colour's digit.
enum class Hue : std::uint8_t { Black, Brown, Red, Orange, Yellow, Green, Blue, Violet, Gray, White, Gold, Silver };

struct Swatch {
    Colour value;
    bool lightText; // caption drawn in white on this background
};

template <> inline constexpr std::size_t enumCount<Hue> = static_cast<std::size_t>(Hue::Silver) + 1;
inline constexpr std::size_t hueCount = enumCount<Hue>;

inline constexpr auto palette = indexedBy<Hue, Swatch>({
    {0x00000000u, true},  // Black
    {0x00194494u, true},  // Brown
    {0x000000FFu, false}, // Red
    {0x00008CFFu, false}, // Orange
    {0x0000FFFFu, false}, // Yellow
    {0x00008000u, false}, // Green
    {0x00D70000u, true},  // Blue
    {0x00800080u, true},  // Violet
    {0x00808080u, false}, // Gray
    {0x00FFFFFFu, false}, // White
    {0x005AA8C8u, false}, // Gold
    {0x00C0C0C0u, false}, // Silver
});

// The beige of the drawn body: a band of this colour is empty.
inline constexpr Colour BodyColor = 0x00A4E3FFu;

constexpr Colour colourOf(Hue h) { return entryOf(palette, h).value; }

// Band value that goes with a colour: the digit, or 1 for Gold and Silver
// (the decoder tells those two apart by colour).
constexpr std::uint8_t valueOf(Hue h) { return h <= Hue::White ? static_cast<std::uint8_t>(h) : 1; }

// A multiplier band's power of ten: the digit, or -1 for Gold and -2 for Silver.
constexpr int exponentOf(Hue h) { return h <= Hue::White ? static_cast<int>(h) : h == Hue::Gold ? -1 : -2; }

// The colour a key picks in a colour dialog: the digit keys their digit's
// colour, G Gold and S Silver (the same keys in every language).
constexpr std::optional<Hue> hueOfKey(char key)
{
    if (key >= '0' && key <= '9')
        return static_cast<Hue>(key - '0');
    if (key == 'G' || key == 'g')
        return Hue::Gold;
    if (key == 'S' || key == 's')
        return Hue::Silver;
    return std::nullopt;
}

constexpr std::optional<Hue> hueOf(Colour c)
{
    for (std::size_t i = 0; i < palette.size(); ++i)
        if (palette[i].value == c)
            return static_cast<Hue>(i);
    return std::nullopt;
}

} // namespace kelvane
