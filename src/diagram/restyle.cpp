#include "diagram/restyle.h"

#include "program/line_kinds.h"
#include "program/panes.h"
#include "program/program.h"

namespace tova {
namespace {

// Draws a part with its old pen (erasing it in XOR) and again with the new one.
template <typename DrawPart>
void Redraw(Surface& P, int16_t& partKind, int16_t newKind, DrawPart draw) {
  SelectLinePen(P, partKind);
  draw();
  SelectLinePen(P, newKind);
  draw();
  partKind = newKind;
}

void RestyleLine(Program& program, int16_t row, int16_t lineKind) {
  if (row < 0 || row >= kPendingLineRows) return;
  PendingLine& line = program.tables.pendingLines[static_cast<std::size_t>(row)];
  Redraw(program.P, line.lineKind, lineKind,
         [&] { program.P.Line(line.x1, line.y1, line.x2, line.y2, kFigureRgb); });
}

}  // namespace

void RestylePendingPart(Program& program, int16_t x, int16_t y, int16_t lineKind) {
  const int16_t q = PaneAt(x, y);
  Tables& t = program.tables;
  if (program.app.currentShape != kShapeLine) {
    PendingCircle& c = t.pendingCircle;
    const int16_t qc = PaneAt(c.cx, c.cy);
    const int16_t q0 = PaneAt(t.pendingLines[0].x1, t.pendingLines[0].y1);
    const int16_t q1 = PaneAt(t.pendingLines[1].x1, t.pendingLines[1].y1);
    if (qc == q) {
      Redraw(program.P, c.lineKind, lineKind, [&] {
        DrawCircleOrArc(program.P, c.cx, c.cy, c.radius, c.startDeg, c.endDeg, kFigureRgb);
      });
    } else if (q0 == q) {
      RestyleLine(program, 0, lineKind);
    } else if (q1 == q) {
      RestyleLine(program, 1, lineKind);
    }
  } else {
    RestyleLine(program, q, lineKind);
  }
  SelectLinePen(program.P, kSolidLine);
}

}  // namespace tova
