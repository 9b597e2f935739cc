// Drives the canvas as the pointer does: a move to a point, then the press there.
#pragma once

#include <tuple>

#include "app/program.h"
#include "canvas/canvas_input.h"
#include "canvas/cross_hair.h"
#include "diagram/rendering.h"
#include "support/scripted_shell.h"

namespace tova::testing {

inline void Click(Program& p, double x, double y) {
  P_MouseMove(p, x, y);
  P_MouseDown(p, x, y);
}

// figureStage, firstViewStep, secondViewStep, pendingCommit.
inline std::tuple<int, int, int, int> Stage(const Program& p) {
  const CanvasVars& c = p.canvas;
  return {c.figureStage, c.firstViewStep, c.secondViewStep, c.pendingCommit};
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
  ScriptedShell shell;
  Program fresh(shell);
  fresh.tables = p.tables;
  fresh.P.SetBackColour(p.P.BackColour());
  fresh.P.Clear();
  RedrawDiagram(fresh);
  return fresh.P.Snapshot();
}

}  // namespace tova::testing
