#include "diagram/rendering.h"

#include "program/line_kinds.h"
#include "program/program.h"

namespace tova {

void DrawLineRow(Program& program, int16_t row) {
  const LineRecord* line = LineAt(program.tables, row);
  if (line == nullptr || line->state != kRowLive) return;
  Surface& P = program.P;
  P.SetDrawMode(kCopyPen);
  SelectLinePen(P, line->lineKind);
  P.Line(line->x1, line->y1, line->x2, line->y2, kFigureRgb);
  SelectLinePen(P, kSolidLine);
  P.SetDrawMode(kXorPen);
}

void DrawCircleRow(Program& program, int16_t row) {
  const CircleRecord* circle = CircleAt(program.tables, row);
  if (circle == nullptr || circle->state != kRowLive) return;
  Surface& P = program.P;
  P.SetDrawMode(kCopyPen);
  SelectLinePen(P, circle->lineKind);
  DrawCircleOrArc(P, circle->cx, circle->cy, circle->radius, circle->startDeg, circle->endDeg,
                  kFigureRgb);
  SelectLinePen(P, kSolidLine);
  P.SetDrawMode(kXorPen);
}

void RedrawDiagram(Program& program) {
  program.P.SetDrawMode(kCopyPen);
  for (int16_t row = 0; row < kLineRows; ++row) DrawLineRow(program, row);
  for (int16_t row = 0; row < kCircleRows; ++row) DrawCircleRow(program, row);
  program.P.SetDrawMode(kXorPen);
}

void RepaintCanvas(Program& program) {
  program.P.Clear();
  RedrawDiagram(program);
  program.canvas.markX = kNone;
  program.canvas.markY = kNone;
}

}  // namespace tova
