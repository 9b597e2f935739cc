#include "canvas/circle_tool.h"

#include "canvas/geometry.h"
#include "program/commands.h"
#include "program/line_kinds.h"
#include "program/panes.h"
#include "program/program.h"

namespace tova {
namespace {

void DrawFullCircle(Program& program, int16_t radius) {
  const PendingCircle& c = program.tables.pendingCircle;
  program.P.Circle(c.cx, c.cy, radius, kFigureRgb);
}

// The pending arc from startDeg to endDeg, drawn exactly as the stored arc will be, so that the
// rubber band and the figure erase each other.
void DrawArc(Program& program, int16_t startDeg, int16_t endDeg) {
  const PendingCircle& c = program.tables.pendingCircle;
  DrawCircleOrArc(program.P, c.cx, c.cy, c.radius, startDeg, endDeg, kFigureRgb);
}

}  // namespace

void CircleCentre(Program& program, int16_t x, int16_t y) {
  const int16_t pane = PaneAt(x, y);
  if (!IsPane(pane)) return;  // a click beside the panes
  SetBusyCommands(program);
  CanvasVars& c = program.canvas;
  c.firstPane = pane;
  program.tables.pendingCircle.cx = x;
  program.tables.pendingCircle.cy = y;
  c.rubberX = x;
  c.rubberY = y;
  c.firstViewStep = kFirstStepPoint;
  c.figureStage = kStageBuilding;
}

void TrackRadius(Program& program, int16_t x, int16_t y) {
  CanvasVars& c = program.canvas;
  const PendingCircle& circle = program.tables.pendingCircle;
  const CanvasPoint to = ClampToPane(c.firstPane, {x, y});
  DrawFullCircle(program, Distance(circle.cx, circle.cy, c.rubberX, c.rubberY));
  DrawFullCircle(program, Distance(circle.cx, circle.cy, to.x, to.y));
  c.rubberX = to.x;
  c.rubberY = to.y;
}

void CircleRadius(Program& program) {
  SetBackOnlyCommands(program);
  CanvasVars& c = program.canvas;
  PendingCircle& circle = program.tables.pendingCircle;
  circle.radius = Distance(circle.cx, circle.cy, c.rubberX, c.rubberY);
  circle.startDeg = 0;
  circle.endDeg = 359;
  c.pendingCommit = kCommitRelation;
  c.firstViewStep = kFirstStepIdle;
}

void ArcStart(Program& program, int16_t x, int16_t y) {
  CanvasVars& c = program.canvas;
  PendingCircle& circle = program.tables.pendingCircle;
  // A click outside the circle's view starts the arc where it stands, at 0 degrees.
  if (PaneAt(x, y) == c.firstPane) circle.startDeg = AngleAt(program, x, y);
  DrawFullCircle(program, circle.radius);
  c.rubberAngle = circle.startDeg;
  // The pending arc always describes what the canvas shows, so "<===" erases exactly that.
  circle.endDeg = c.rubberAngle;
  DrawArc(program, c.rubberAngle, c.rubberAngle);
}

void TrackArc(Program& program, int16_t x, int16_t y) {
  CanvasVars& c = program.canvas;
  const int16_t a = AngleAt(program, x, y);
  const int16_t start = program.tables.pendingCircle.startDeg;
  DrawArc(program, start, c.rubberAngle);
  DrawArc(program, start, a);
  c.rubberAngle = a;
  program.tables.pendingCircle.endDeg = a;
}

void ArcEnd(Program& program) {
  program.tables.pendingCircle.endDeg = program.canvas.rubberAngle;
  program.canvas.pendingCommit = kCommitRelation;
}

void CircleSecondView(Program& program, int16_t x, int16_t y) {
  CanvasVars& c = program.canvas;
  c.secondPane = PaneAt(x, y);
  if (c.secondPane == c.firstPane || !IsPane(c.secondPane)) return;
  ProjectPendingCircle(program, x, y);
  c.pendingCommit = kCommitUnit;
  EnableCompleteFigureCommands(program);
  c.figureStage = kStageComplete;
}

void ProjectPendingCircle(Program& program, int16_t x, int16_t y) {
  const CanvasVars& c = program.canvas;
  const PendingCircle& circle = program.tables.pendingCircle;
  const Extents e = ArcExtents(program);
  const int16_t cx = circle.cx, cy = circle.cy;
  const auto add = [](int16_t a, int16_t b) { return static_cast<int16_t>(a + b); };
  PendingLine s0{}, s1{};
  switch (c.firstPane) {
    case 0: {  // depth from the top view's y or the side view's x
      const int16_t d = c.secondPane == 1 ? y : x;
      s0 = {d, add(cy, e.top), d, add(cy, e.bottom), 0};    // in the side view
      s1 = {add(cx, e.left), d, add(cx, e.right), d, 0};    // in the top view
      break;
    }
    case 1:  // height from either other view
      s0 = {add(cx, e.left), y, add(cx, e.right), y, 0};    // in the front view
      s1 = {add(cy, e.top), y, add(cy, e.bottom), y, 0};    // in the side view
      break;
    default:  // left-right position from either other view
      s0 = {x, add(cy, e.top), x, add(cy, e.bottom), 0};    // in the front view
      s1 = {x, add(cx, e.left), x, add(cx, e.right), 0};    // in the top view
      break;
  }
  program.P.Line(s0.x1, s0.y1, s0.x2, s0.y2, kFigureRgb);
  program.P.Line(s1.x1, s1.y1, s1.x2, s1.y2, kFigureRgb);
  for (auto [row, s] : {std::pair{0, s0}, std::pair{1, s1}}) {
    PendingLine& p = program.tables.pendingLines[static_cast<std::size_t>(row)];
    p.x1 = s.x1;
    p.y1 = s.y1;
    p.x2 = s.x2;
    p.y2 = s.y2;
  }
}

}  // namespace tova
