// The model behind the three views, and how it is turned and projected onto the 3D view. The
// model origin is the canvas point (215, 215) where the panes meet: X grows to the left in the
// front and top views, Y downward in the top view and to the right in the side view, Z upward
// in the front and side views.
#pragma once

#include <cstdint>

namespace tova {

struct Program;
struct CircleRecord;
struct LineRecord;

struct ModelPoint {
  int16_t x = 0, y = 0, z = 0;
  friend bool operator==(const ModelPoint&, const ModelPoint&) = default;
};

struct ScreenPoint {
  int16_t x = 0, y = 0;
  friend bool operator==(const ScreenPoint&, const ScreenPoint&) = default;
};

// Fills the view matrix from viewTilt and viewTurn.
void BuildViewMatrix(Program& program);

// Where a model point lands on the 3D view, before the shift: turned by viewTurn about Z,
// tilted by viewTilt, scaled by viewSize tenths about viewCentre, centred on (215, 215).
[[nodiscard]] ScreenPoint ProjectPoint(const Program& program, ModelPoint point);

// The model point of circle `circle` at `angle` degrees (counter-clockwise on screen from
// 3 o'clock), the depth of its plane taken from its projection line `line`.
[[nodiscard]] ModelPoint CirclePoint3D(const CircleRecord& circle, const LineRecord& line,
                                       int angle);

}  // namespace tova
