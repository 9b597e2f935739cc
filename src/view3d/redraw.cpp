#include "view3d/redraw.h"

#include "platform/int16.h"
#include "program/program.h"
#include "view3d/model.h"

namespace tova {

void DrawEdge3D(Program& program, ModelPoint from, ModelPoint to) {
  const ScreenPoint a = ProjectPoint(program, from);
  const ScreenPoint b = ProjectPoint(program, to);
  const int16_t px = program.view.panX, py = program.view.panY;
  program.D.Line(Clamp16(a.x + px), Clamp16(a.y + py), Clamp16(b.x + px), Clamp16(b.y + py));
}

namespace {

EdgeSink EdgeDrawer(Program& program) {
  return [&program](ModelPoint from, ModelPoint to) { DrawEdge3D(program, from, to); };
}

}  // namespace

void DrawLineUnit(Program& program, int16_t unit) {
  LineUnitEdges(program.tables, unit, EdgeDrawer(program));
}

void DrawCircleUnit(Program& program, int16_t unit) {
  CircleUnitEdges(program.tables, unit, EdgeDrawer(program));
}

void DrawRelationSurface(Program& program, int16_t relation) {
  RelationEdges(program.tables, relation, EdgeDrawer(program));
}

void DrawModel(Program& program) {
  BuildViewMatrix(program);
  ModelEdges(program.tables, EdgeDrawer(program));
}

void RedrawView(Program& program) {
  Shell& shell = program.shell;
  if (shell.Value(Control::Check2) == 0) return;  // "PLAY" clear
  if (shell.Value(Control::Check1) == 1) program.D.Clear();
  if (shell.Value(Control::Check3) == 1) {
    int16_t& cycle = program.view.penCycle;
    cycle = static_cast<int16_t>(cycle + 1 > 15 ? 0 : cycle + 1);
    program.D.SetForeColour(ColourNumber(cycle));
  }
  DrawModel(program);
}

}  // namespace tova
