#include "canvas/cross_hair.h"

#include "app/program.h"
#include "canvas/panes.h"

namespace tova {

void DrawCrossHair(Program& program, int16_t x, int16_t y) {
  Surface& P = program.P;
  const auto line = [&](int x1, int y1, int x2, int y2) { P.Line(x1, y1, x2, y2, kCrossHairRgb); };
  constexpr int e = kPaneEdge;
  constexpr int far = 430;  // how far the lines of a front-view point reach
  switch (PaneAt(x, y)) {
    case 0:
      line(x, y, far, y);
      line(x, y, x, far);
      break;
    case 1:  // up through the front view; across to the corner and up through the side view
      line(x, y, x, 0);
      line(x, y, e, y);
      line(e, y, y, e);
      line(y, e, y, 0);
      break;
    case 2:  // the mirror image: across the front view; down and across the top view
      line(x, y, 0, y);
      line(x, y, x, e);
      line(x, e, e, x);
      line(e, x, 0, x);
      break;
    default:
      break;
  }
}

void MoveCrossHair(Program& program, int16_t x, int16_t y) {
  CanvasVars& c = program.canvas;
  DrawCrossHair(program, c.markX, c.markY);
  DrawCrossHair(program, x, y);
  c.markX = x;
  c.markY = y;
}

}  // namespace tova
