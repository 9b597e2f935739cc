// Angles and extents of the pending circle or arc, which the figure tools share.
#pragma once

#include <cstdint>

namespace tova {

struct Program;

// The angle of (x, y) about the pending circle's centre, in whole degrees counter-clockwise on
// screen from 0 pointing right (straight up 270, straight down 269); shows it in Text3.
int16_t AngleAt(Program& program, int16_t x, int16_t y);

// How far the pending circle or arc reaches from its centre in screen directions: top and left
// are zero or negative, bottom and right zero or positive.
struct Extents {
  int16_t top, left, bottom, right;
  friend bool operator==(const Extents&, const Extents&) = default;
};
[[nodiscard]] Extents ArcExtents(const Program& program);

}  // namespace tova
