#include "program/line_kinds.h"

#include "platform/surface.h"

namespace tova {
namespace {

// Degrees to radians as the canvas takes them.
float CanvasRadians(int16_t degrees) { return static_cast<float>(degrees * 3.14159 / 180); }

}  // namespace

void SelectLinePen(Surface& surface, int16_t lineKind) {
  switch (lineKind) {
    case kSolidLine:
      surface.SetDrawStyle(PenStyle::Solid);
      surface.SetDrawWidth(1);
      break;
    case kThickLine:
      surface.SetDrawStyle(PenStyle::Solid);
      surface.SetDrawWidth(2);
      break;
    case kDottedLine:
      surface.SetDrawStyle(PenStyle::Dotted);
      surface.SetDrawWidth(1);
      break;
    default:
      break;
  }
}

void DrawCircleOrArc(Surface& surface, int16_t cx, int16_t cy, int16_t radius, int16_t startDeg,
                     int16_t endDeg, uint32_t colour) {
  if (startDeg != 0 || endDeg != 359) {
    surface.Arc(cx, cy, radius, CanvasRadians(startDeg), CanvasRadians(endDeg), colour);
  } else {
    surface.Circle(cx, cy, radius, colour);
  }
}

}  // namespace tova
