#include "view3d/projection.h"

#include <array>
#include <cmath>

#include "platform/int16.h"
#include "program/panes.h"
#include "program/program.h"

namespace tova {
void BuildViewMatrix(Program& program) {
  auto& m = program.view.viewMatrix;
  const float tilt = static_cast<float>(program.view.viewTilt * 3.14159 / 180);
  const float turn = static_cast<float>(program.view.viewTurn * 3.14159 / 180);
  const double a = tilt, b = turn;
  m[0][0] = static_cast<float>(std::cos(b));
  m[1][0] = static_cast<float>(-std::sin(b));
  m[0][2] = static_cast<float>(-std::sin(b) * std::sin(a));
  m[1][2] = static_cast<float>(-std::cos(b) * std::sin(a));
  m[2][2] = static_cast<float>(std::cos(a));
  m[3][3] = 1.0f;
}

ScreenPoint ProjectPoint(const Program& program, ModelPoint point) {
  const ViewVars& v = program.view;
  const auto offset = [&](int16_t c) { return static_cast<float>(static_cast<int16_t>(c - v.viewCentre)); };
  const std::array<float, 4> in{offset(point.x), offset(point.y), offset(point.z), 1.0f};
  std::array<float, 4> out{};
  for (std::size_t i = 0; i < 4; ++i) {
    for (std::size_t j = 0; j < 4; ++j) out[i] = out[i] + in[j] * v.viewMatrix[j][i];
  }
  const float size = v.viewSize;
  return {Nearest16(-out[0] * size / 10.0f + 215.0f), Nearest16(-out[2] * size / 10.0f + 215.0f)};
}

ModelPoint CirclePoint3D(const CircleRecord& k, const LineRecord& m, int angle) {
  const double theta = angle * 3.141593 / 180;
  const int px = Nearest16(k.cx + k.radius * std::cos(theta));
  const int py = Nearest16(k.cy - k.radius * std::sin(theta));
  const int16_t circlePane = PaneAt(k.cx, k.cy);
  const int16_t linePane = PaneAt(m.x1, m.y1);
  if (circlePane == 0) {  // the front view: depth from the side or top view
    return {Clamp16(215 - px), Clamp16(linePane == 1 ? m.y1 - 215 : m.x1 - 215), Clamp16(215 - py)};
  }
  if (circlePane == 1) {  // the top view: height from the front or side view
    return {Clamp16(215 - px), Clamp16(py - 215), Clamp16(215 - m.y1)};
  }
  // The side view: the left-right position from the front or top view.
  return {Clamp16(215 - m.x1), Clamp16(px - 215), Clamp16(215 - py)};
}

}  // namespace tova
