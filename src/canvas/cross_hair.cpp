#include "canvas/cross_hair.h"

#include <array>
#include <span>

#include "program/panes.h"
#include "program/program.h"

namespace tova {

void DrawCrossHair(Program& program, int16_t x, int16_t y) {
  constexpr int e = kPaneEdge;
  constexpr int far = 430;  // how far the lines of a front-view point reach
  std::array<Surface::Segment, 4> lines{};
  std::size_t n = 0;
  switch (PaneAt(x, y)) {
    case 0:
      lines = {{{x, y, far, y}, {x, y, x, far}}};
      n = 2;
      break;
    case 1:  // up through the front view; across to the corner and up through the side view
      lines = {{{x, y, x, 0}, {x, y, e, y}, {e, y, y, e}, {y, e, y, 0}}};
      n = 4;
      break;
    case 2:  // the mirror image: across the front view; down and across the top view
      lines = {{{x, y, 0, y}, {x, y, x, e}, {x, e, e, x}, {e, x, 0, x}}};
      n = 4;
      break;
    default:
      return;
  }
  // One shape, so that the points where the lines meet are not drawn twice and lost.
  program.P.Lines(std::span(lines.data(), n), kCrossHairRgb);
}

void MoveCrossHair(Program& program, int16_t x, int16_t y) {
  CanvasVars& c = program.canvas;
  DrawCrossHair(program, c.markX, c.markY);
  DrawCrossHair(program, x, y);
  c.markX = x;
  c.markY = y;
}

void PaintUnderCrossHair(Program& program, const std::function<void()>& paint) {
  const CanvasVars& c = program.canvas;
  DrawCrossHair(program, c.markX, c.markY);
  program.P.SetDrawMode(kCopyPen);
  paint();
  program.P.SetDrawMode(kXorPen);
  DrawCrossHair(program, c.markX, c.markY);
}

}  // namespace tova
