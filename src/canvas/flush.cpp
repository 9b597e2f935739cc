#include "canvas/flush.h"

#include "program/commands.h"
#include "program/line_kinds.h"
#include "program/program.h"

namespace tova {

void FlushPendingFigure(Program& program) {
  Surface& P = program.P;
  Tables& t = program.tables;
  // A line figure has a line in each pane; a figure with a circle has its two projections in
  // rows 0 and 1 and never uses row 2, which is left alone so that it leaves no dot behind.
  const bool hasCircle = program.app.currentShape != kShapeLine;
  for (std::size_t row = 0; row < (hasCircle ? 2u : 3u); ++row) {
    const PendingLine& line = t.pendingLines[row];
    SelectLinePen(P, line.lineKind);
    P.Line(line.x1, line.y1, line.x2, line.y2, kFigureRgb);
  }
  if (hasCircle) {
    const PendingCircle& c = t.pendingCircle;
    SelectLinePen(P, c.lineKind);
    DrawCircleOrArc(P, c.cx, c.cy, c.radius, c.startDeg, c.endDeg, kFigureRgb);
  }
  ClearTable(t, kPendingLines);
  ClearTable(t, kPendingCircle);
  ResetEditing(program);
  SelectLinePen(P, kSolidLine);
}

}  // namespace tova
