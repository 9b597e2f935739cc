// The 16-colour table that every colour menu and all drawing use.
#pragma once

#include <array>
#include <cstdint>

namespace tova {

// A colour as 0xRRGGBB.
using Rgb = uint32_t;

inline constexpr std::array<Rgb, 16> kColourTable = {
    0x000000,  //  0 black
    0x000080,  //  1 blue
    0x008000,  //  2 green
    0x008080,  //  3 cyan
    0x800000,  //  4 red
    0x800080,  //  5 magenta
    0x808000,  //  6 yellow
    0xC0C0C0,  //  7 white
    0x808080,  //  8 grey
    0x0000FF,  //  9 light blue
    0x00FF00,  // 10 light green
    0x00FFFF,  // 11 light cyan
    0xFF0000,  // 12 light red
    0xFF00FF,  // 13 light magenta
    0xFFFF00,  // 14 light yellow
    0xFFFFFF,  // 15 bright white
};

// Colour number n of the table; numbers outside 0..15 wrap into it.
constexpr Rgb ColourNumber(int n) { return kColourTable[static_cast<unsigned>(n) & 15u]; }

// Colour numbers with a fixed role on the canvas.
inline constexpr int kCrossHairColour = 1;
inline constexpr int kFigureColour = 2;
inline constexpr int kHighlightColour = 14;
inline constexpr Rgb kCrossHairRgb = ColourNumber(kCrossHairColour);
inline constexpr Rgb kFigureRgb = ColourNumber(kFigureColour);
inline constexpr Rgb kHighlightRgb = ColourNumber(kHighlightColour);

// The system window colour: the canvas background at start.
inline constexpr Rgb kWindowColour = 0xFFFFFF;

}  // namespace tova
