// Drives the canvas as the pointer does, and looks at it.
#pragma once

#include <tuple>

#include "canvas/canvas_input.h"
#include "canvas/cross_hair.h"
#include "diagram/rendering.h"
#include "support/test_program.h"

namespace tova::testing {

// A move to a point, then the press there.
inline void Click(Program& p, double x, double y) {
  P_MouseMove(p, x, y);
  P_MouseDown(p, x, y);
}

// figureStage, firstViewStep, secondViewStep, pendingCommit.
inline std::tuple<int, int, int, int> Stage(const Program& p) {
  return {p.canvas.figureStage, p.canvas.firstViewStep, p.canvas.secondViewStep, p.canvas.pendingCommit};
}

// The canvas without the guide lines: they are drawn once more, in XOR, on a copy.
inline Image WithoutCrossHair(Program& p) {
  DrawCrossHair(p, p.canvas.markX, p.canvas.markY);
  Image image = p.P.Snapshot();
  DrawCrossHair(p, p.canvas.markX, p.canvas.markY);
  return image;
}

// What the canvas shows when the stored drawing is painted afresh on a cleared canvas.
inline Image FreshDrawing(const Program& p) {
  TestProgram fresh;
  fresh.program.tables = p.tables;
  fresh.program.P.SetBackColour(p.P.BackColour());
  fresh.program.P.Clear();
  RedrawDiagram(fresh.program);
  return fresh.program.P.Snapshot();
}

}  // namespace tova::testing
