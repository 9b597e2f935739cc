// The blue guide lines that carry the pointer across the three views, drawn in XOR so that
// drawing them again erases them.
#pragma once

#include <cstdint>
#include <functional>

namespace tova {

struct Program;

// XOR-draws the guide lines of (x, y); a point in no pane draws nothing.
void DrawCrossHair(Program& program, int16_t x, int16_t y);

// Erases the guide lines at (markX, markY), draws them at (x, y) and remembers that point.
void MoveCrossHair(Program& program, int16_t x, int16_t y);

// Paints for good with `paint` in copy mode, under the guide lines: they are taken off first
// and put back after, so that erasing them later leaves the new painting whole.
void PaintUnderCrossHair(Program& program, const std::function<void()>& paint);

}  // namespace tova
