#include "canvas/geometry.h"

#include <cmath>

#include "canvas/readout.h"
#include "platform/int16.h"
#include "program/program.h"

namespace tova {
int16_t AngleAt(Program& program, int16_t x, int16_t y) {
  const PendingCircle& c = program.tables.pendingCircle;
  double dx = x - c.cx;
  if (std::fabs(dx) <= 0.001) dx = 0.001;
  const double dy = y - c.cy;
  const int16_t a = Nearest16(std::atan(dy / dx) * 180 / 3.1416);
  int16_t angle = a;
  if (x > c.cx && y <= c.cy) {
    angle = static_cast<int16_t>(-a);
  } else if ((x <= c.cx && y < c.cy) || (x < c.cx && y >= c.cy)) {
    angle = static_cast<int16_t>(180 - a);
  } else if (x >= c.cx && y > c.cy) {
    angle = static_cast<int16_t>(359 - a);
  }
  program.shell.SetText(Control::Text3, FormatReadout(angle));
  return angle;
}

Extents ArcExtents(const Program& program) {
  const PendingCircle& c = program.tables.pendingCircle;
  const int16_t r = c.radius;
  if (program.app.currentShape == kShapeCircle) {
    return {static_cast<int16_t>(-r), static_cast<int16_t>(-r), r, r};
  }
  // The arc is walked a degree at a time, in single precision.
  const float k = static_cast<float>(3.14159 / 180);
  const float a0 = c.startDeg * k;
  float a1 = c.endDeg * k;
  int16_t sMin = Nearest16(r * std::sin(a0)), sMax = sMin;
  int16_t cMin = Nearest16(r * std::cos(a0)), cMax = cMin;
  if (a1 < a0) a1 += static_cast<float>(2 * 3.14159);
  for (float t = a0; t <= a1; t += k) {
    const float s = r * std::sin(t), co = r * std::cos(t);
    if (s < sMin) sMin = Nearest16(s);
    if (s > sMax) sMax = Nearest16(s);
    if (co < cMin) cMin = Nearest16(co);
    if (co > cMax) cMax = Nearest16(co);
  }
  return {static_cast<int16_t>(-sMax), cMin, static_cast<int16_t>(-sMin), cMax};
}

}  // namespace tova
