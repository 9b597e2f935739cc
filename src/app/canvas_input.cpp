#include "app/canvas_input.h"

#include <array>

#include "canvas/circle_tool.h"
#include "canvas/commit.h"
#include "canvas/cross_hair.h"
#include "canvas/flush.h"
#include "canvas/line_tool.h"
#include "canvas/readout.h"
#include "diagram/find_mode.h"
#include "diagram/restyle.h"
#include "platform/int16.h"
#include "program/panes.h"
#include "program/program.h"

namespace tova {
namespace {

using Tool = void (*)(Program&, int16_t x, int16_t y);

// Which step variable a row of the tables looks at.
enum class Step : uint8_t { First, Second };

constexpr int16_t kKeep = -1;  // a row's firstStepAfter that leaves firstViewStep as it is
constexpr int16_t kAny = -1;   // a move row's step that any value matches

struct ClickRow {
  int16_t shape;
  int16_t stage;  // figureStage
  Step step;
  int16_t value;  // of firstViewStep or secondViewStep
  Tool tool;
  int16_t firstStepAfter;  // firstViewStep afterwards, whatever the tool did, or kKeep
};

constexpr std::array kClickTable{
    ClickRow{kShapeLine, kStageNone, Step::First, kFirstStepIdle, LineFirstPoint, kKeep},
    ClickRow{kShapeLine, kStageBuilding, Step::First, kFirstStepPoint,
             [](Program& p, int16_t, int16_t) { LineFirstEnd(p); }, kKeep},
    ClickRow{kShapeLine, kStageBuilding, Step::Second, kSecondStepIdle, LineSecondPoint, kKeep},
    ClickRow{kShapeLine, kStageBuilding, Step::Second, kSecondStepDragging, LineSecondEnd, kKeep},
    ClickRow{kShapeCircle, kStageNone, Step::First, kFirstStepIdle, CircleCentre, kKeep},
    ClickRow{kShapeCircle, kStageBuilding, Step::First, kFirstStepPoint,
             [](Program& p, int16_t, int16_t) { CircleRadius(p); }, kKeep},
    ClickRow{kShapeCircle, kStageBuilding, Step::Second, kSecondStepIdle, CircleSecondView, kKeep},
    ClickRow{kShapeArc, kStageNone, Step::First, kFirstStepIdle, CircleCentre, kKeep},
    ClickRow{kShapeArc, kStageBuilding, Step::First, kFirstStepPoint,
             [](Program& p, int16_t, int16_t) { CircleRadius(p); }, kFirstStepRadius},
    ClickRow{kShapeArc, kStageBuilding, Step::First, kFirstStepRadius, ArcStart, kFirstStepStartAngle},
    ClickRow{kShapeArc, kStageBuilding, Step::First, kFirstStepStartAngle,
             [](Program& p, int16_t, int16_t) { ArcEnd(p); }, kFirstStepIdle},
    ClickRow{kShapeArc, kStageBuilding, Step::Second, kSecondStepIdle, CircleSecondView, kKeep},
};

struct MoveRow {
  int16_t shape;
  int16_t firstViewStep;   // or kAny
  int16_t secondViewStep;  // or kAny
  Tool tracker;
};

constexpr std::array kMoveTable{
    MoveRow{kShapeLine, kFirstStepPoint, kAny, TrackLineFirst},
    MoveRow{kShapeLine, kAny, kSecondStepDragging, TrackLineSecond},
    MoveRow{kShapeCircle, kFirstStepPoint, kAny, TrackRadius},
    MoveRow{kShapeArc, kFirstStepPoint, kAny, TrackRadius},
    MoveRow{kShapeArc, kFirstStepStartAngle, kAny, TrackArc},
};

}  // namespace

void P_MouseDown(Program& program, double X, double Y) {
  // The bottom-right quarter belongs to no view: clicks there are not heard at all.
  if (!(X <= kPaneEdge || Y <= kPaneEdge)) return;
  const int16_t x = WholePixel(X), y = WholePixel(Y);

  AppVars& app = program.app;
  if (app.currentLineKind != kNone) {
    RestylePendingPart(program, x, y, app.currentLineKind);
    app.currentLineKind = kNone;
    return;
  }

  FindVars& find = program.find;
  if (find.findMode == 1) {
    program.shell.Beep();
    if (find.foundUnit != kNone || find.foundRelation != kNone) {
      find.findLocked = 1;
      program.shell.Enable(Control::C8, false);
      program.shell.Enable(Control::CC8, true);
    }
    return;
  }

  program.shell.Beep();
  CanvasVars& c = program.canvas;
  for (const ClickRow& row : kClickTable) {
    const int16_t step = row.step == Step::First ? c.firstViewStep : c.secondViewStep;
    if (row.shape != app.currentShape || row.stage != c.figureStage || row.value != step) continue;
    row.tool(program, x, y);
    if (row.firstStepAfter != kKeep) c.firstViewStep = row.firstStepAfter;
    return;
  }
}

void P_MouseMove(Program& program, double X, double Y) {
  const int16_t x = WholePixel(X), y = WholePixel(Y);
  // Tracking in find mode replaces everything else a move does.
  if (program.find.findMode == 1 && program.find.findLocked == 0) {
    TrackFind(program, x, y);
    return;
  }
  MoveCrossHair(program, x, y);
  program.shell.SetText(Control::Text1, FormatReadout(X));
  program.shell.SetText(Control::Text2, FormatReadout(Y));
  const CanvasVars& c = program.canvas;
  for (const MoveRow& row : kMoveTable) {
    if (row.shape != program.app.currentShape) continue;
    if (row.firstViewStep != kAny && row.firstViewStep != c.firstViewStep) continue;
    if (row.secondViewStep != kAny && row.secondViewStep != c.secondViewStep) continue;
    row.tracker(program, x, y);
    return;
  }
}

void P_DblClick(Program& program) {
  const CanvasVars& c = program.canvas;
  if (c.figureStage == kStageComplete && c.pendingCommit == kCommitUnit) C7_Click(program);
}

void C6_Click(Program& program) { FlushPendingFigure(program); }

}  // namespace tova
