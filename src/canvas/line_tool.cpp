#include "canvas/line_tool.h"

#include "program/commands.h"
#include "program/panes.h"
#include "program/program.h"

namespace tova {
namespace {

void DrawSegment(Program& program, int x1, int y1, int x2, int y2) {
  program.P.Line(x1, y1, x2, y2, kFigureRgb);
}

PendingLine& PendingIn(Program& program, int16_t pane) {
  return program.tables.pendingLines[static_cast<std::size_t>(pane)];
}

// Erases the second view's rubber band and draws it to (x, y), already clamped.
void DragSecondEnd(Program& program, CanvasPoint to) {
  CanvasVars& c = program.canvas;
  const PendingLine& q = PendingIn(program, c.secondPane);
  if (c.lockedAxis == 0) {
    DrawSegment(program, q.x1, q.y1, c.rubberX, c.lockedEnd);
    DrawSegment(program, q.x1, q.y1, to.x, c.lockedEnd);
    c.rubberX = to.x;
  } else if (c.lockedAxis == 1) {
    DrawSegment(program, q.x1, q.y1, c.lockedEnd, c.rubberY);
    DrawSegment(program, q.x1, q.y1, c.lockedEnd, to.y);
    c.rubberY = to.y;
  }
}

}  // namespace

void LineFirstPoint(Program& program, int16_t x, int16_t y) {
  const int16_t pane = PaneAt(x, y);
  if (!IsPane(pane)) return;  // a click beside the panes
  SetBusyCommands(program);
  CanvasVars& c = program.canvas;
  c.firstPane = pane;
  PendingLine& s = PendingIn(program, pane);
  s.x1 = x;
  s.y1 = y;
  c.rubberX = x;
  c.rubberY = y;
  DrawSegment(program, x, y, c.rubberX, c.rubberY);
  c.firstViewStep = kFirstStepPoint;
  c.figureStage = kStageBuilding;
}

void TrackLineFirst(Program& program, int16_t x, int16_t y) {
  CanvasVars& c = program.canvas;
  if (!IsPane(c.firstPane)) return;
  const CanvasPoint to = ClampToPane(c.firstPane, {x, y});
  const PendingLine& s = PendingIn(program, c.firstPane);
  DrawSegment(program, s.x1, s.y1, c.rubberX, c.rubberY);
  DrawSegment(program, s.x1, s.y1, to.x, to.y);
  c.rubberX = to.x;
  c.rubberY = to.y;
}

void LineFirstEnd(Program& program) {
  CanvasVars& c = program.canvas;
  if (!IsPane(c.firstPane)) return;
  SetBackOnlyCommands(program);
  PendingLine& s = PendingIn(program, c.firstPane);
  s.x2 = c.rubberX;
  s.y2 = c.rubberY;
  c.firstViewStep = kFirstStepIdle;
  c.pendingCommit = kCommitRelation;
  program.shell.Enable(Control::C7, true);
}

std::optional<LockedSpan> ProjectFirstSegment(const Program& program) {
  const CanvasVars& c = program.canvas;
  if (!IsPane(c.firstPane)) return std::nullopt;
  const PendingLine& s = program.tables.pendingLines[static_cast<std::size_t>(c.firstPane)];
  const int first = c.firstPane, second = c.secondPane;
  if ((first == 0 && second == 2) || (first == 2 && second == 0)) return LockedSpan{0, s.y1, s.y2};
  if ((first == 0 && second == 1) || (first == 1 && second == 0)) return LockedSpan{1, s.x1, s.x2};
  if (first == 1 && second == 2) return LockedSpan{1, s.y1, s.y2};
  if (first == 2 && second == 1) return LockedSpan{0, s.x1, s.x2};
  return std::nullopt;
}

void LineSecondPoint(Program& program, int16_t x, int16_t y) {
  const int16_t pane = PaneAt(x, y);
  CanvasVars& c = program.canvas;
  if (!IsPane(pane) || !IsPane(c.firstPane)) return;  // a click beside the panes
  SetBusyCommands(program);
  c.secondPane = pane;
  // A click in the first view again: the buttons stay off until a click in another view.
  if (c.secondPane == c.firstPane) return;
  program.shell.Enable(Control::C7, false);
  if (const std::optional<LockedSpan> span = ProjectFirstSegment(program)) {
    c.lockedAxis = span->axis;
    c.lockedStart = span->start;
    c.lockedEnd = span->end;
  }
  PendingLine& q = PendingIn(program, c.secondPane);
  if (c.lockedAxis == 1) {
    q.x1 = c.lockedStart;
    q.y1 = y;
    c.rubberX = c.lockedEnd;
    c.rubberY = y;
  } else {
    q.x1 = x;
    q.y1 = c.lockedStart;
    c.rubberX = x;
    c.rubberY = c.lockedEnd;
  }
  DrawSegment(program, q.x1, q.y1, c.rubberX, c.rubberY);
  c.secondViewStep = kSecondStepDragging;
}

void TrackLineSecond(Program& program, int16_t x, int16_t y) {
  const CanvasVars& c = program.canvas;
  if (!IsPane(c.secondPane)) return;
  DragSecondEnd(program, ClampToPane(c.secondPane, {x, y}));
}

void LineSecondEnd(Program& program, int16_t x, int16_t y) {
  CanvasVars& c = program.canvas;
  if (!IsPane(c.firstPane) || !IsPane(c.secondPane)) return;
  SetBackOnlyCommands(program);
  const CanvasPoint end = ClampToPane(c.secondPane, {x, y});
  // The end is the click; bring the rubber band there first, so that what the canvas shows is
  // what is stored even when no pointer move came before the click.
  DragSecondEnd(program, end);
  PendingLine& q = PendingIn(program, c.secondPane);
  if (c.lockedAxis == 1) {
    q.x2 = c.lockedEnd;
    q.y2 = end.y;
  } else {
    q.x2 = end.x;
    q.y2 = c.lockedEnd;
  }

  const auto& L = program.tables.pendingLines;
  const int panes = (1 << c.firstPane) | (1 << c.secondPane);
  PendingLine third{};
  if (panes == 0b011) {  // front and top: the side view
    c.thirdPane = 2;
    third = {L[1].y1, L[0].y1, L[1].y2, L[0].y2, 0};
  } else if (panes == 0b101) {  // front and side: the top view
    c.thirdPane = 1;
    third = {L[0].x1, L[2].x1, L[0].x2, L[2].x2, 0};
  } else {  // top and side: the front view
    c.thirdPane = 0;
    third = {L[1].x1, L[2].y1, L[1].x2, L[2].y2, 0};
  }
  DrawSegment(program, third.x1, third.y1, third.x2, third.y2);
  PendingLine& t = PendingIn(program, c.thirdPane);
  t.x1 = third.x1;
  t.y1 = third.y1;
  t.x2 = third.x2;
  t.y2 = third.y2;

  c.secondViewStep = kSecondStepIdle;
  c.pendingCommit = kCommitUnit;
  EnableCompleteFigureCommands(program);
  c.figureStage = kStageComplete;
}

}  // namespace tova
