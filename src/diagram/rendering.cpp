#include "diagram/rendering.h"

#include "app/commands.h"
#include "app/program.h"

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
