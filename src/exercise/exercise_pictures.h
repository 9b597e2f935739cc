// What an exercise shows on the canvas besides the drawing: the given views under it, and an
// aid's picture over it. Both are canvas-sized images, 0 (transparent) where they show nothing;
// the shells show the canvas through ComposeCanvas, so the window and the page show the same
// pixels, and the canvas surface itself (saved, exported, found, XOR-ed) never holds them.
#pragma once

#include <cstdint>
#include <span>

#include "check/comparison.h"
#include "platform/surface.h"
#include "program/exercise_state.h"

namespace tova {

struct Program;

// A light violet that no line of the program has: the given views.
inline constexpr Rgb kGivenRgb = 0xC8B4F0;
// The key's views at a peek: a dark violet.
inline constexpr Rgb kPeekRgb = 0x6A3DB8;
// The differences, as the report's picture has them.
inline constexpr Rgb kMissingRgb = 0xE0201C;
inline constexpr Rgb kExtraRgb = 0x1E64DC;
inline constexpr Rgb kWrongKindRgb = 0xF08C00;

// The figures drawn as the canvas draws rows, line kinds included, in `colour` on a transparent
// canvas-sized image.
[[nodiscard]] Image FiguresPicture(std::span<const GivenFigure> figures, Rgb colour);
// Every live line and circle of `tables` that lies in one of the three views, in `colour`.
[[nodiscard]] Image TablesPicture(const Tables& tables, Rgb colour);
// A check's differences: missing elements red, extra ones blue, another line kind or size orange.
[[nodiscard]] Image DifferencesPicture(const CheckResult& result);

// The canvas as the user sees it: the overlay's pixel where it has one, else the canvas's where
// it differs from the canvas background, else the underlay's where it has one, else the
// background. `out` receives the rectangle `r` row after row, `outStride` pixels apart.
void ComposeCanvas(const Program& program, PixelRect r, uint32_t* out, int outStride);
// The same for the listed pixels only (indices into the canvas), into `out` laid as the canvas.
void ComposeCanvasPixels(const Program& program, std::span<const int> indices, uint32_t* out, int outStride);
// Whether the canvas shows anything besides its surface (an underlay or an overlay).
[[nodiscard]] bool CanvasHasLayers(const Program& program);

}  // namespace tova
