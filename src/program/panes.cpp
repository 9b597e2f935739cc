#include "program/panes.h"

#include <cmath>

#include "document/tables.h"

namespace tova {

int16_t PaneAt(int16_t x, int16_t y) {
  if (x < 0 || y < 0) return kNone;
  if (x <= kPaneEdge && y <= kPaneEdge) return 0;
  if (x <= kPaneEdge && y <= kPaneFarY) return 1;
  if (x <= kPaneFarX && y <= kPaneEdge) return 2;
  return kNone;
}

CanvasPoint ClampToPane(int16_t pane, CanvasPoint p) {
  switch (pane) {
    case 0:
      if (p.x > kPaneEdge) p.x = kPaneEdge;
      if (p.y > kPaneEdge) p.y = kPaneEdge;
      break;
    case 1:
      if (p.x > kPaneEdge) p.x = kPaneEdge;
      if (p.y < kPaneEdge) p.y = kPaneEdge;
      break;
    case 2:
      if (p.x < kPaneEdge) p.x = kPaneEdge;
      if (p.y > kPaneEdge) p.y = kPaneEdge;
      break;
    default:
      break;
  }
  return p;
}

int16_t Distance(int16_t x1, int16_t y1, int16_t x2, int16_t y2) {
  const double dx = x1 - x2, dy = y1 - y2;
  return static_cast<int16_t>(std::floor(std::sqrt(dx * dx + dy * dy)));
}

}  // namespace tova
