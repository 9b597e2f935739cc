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

struct ClickRow {
  int16_t shape;
  int16_t stage;  // figureStage
  Step step;
  int16_t value;  // of firstViewStep or secondViewStep
  Tool tool;
  int16_t firstStepAfter;  // firstViewStep afterwards, whatever the tool did; -1 leaves it
};

constexpr std::array kClickTable{
    ClickRow{kShapeLine, 0, Step::First, 0, LineFirstPoint, -1},
    ClickRow{kShapeLine, 1, Step::First, 1, [](Program& p, int16_t, int16_t) { LineFirstEnd(p); }, -1},
    ClickRow{kShapeLine, 1, Step::Second, 0, LineSecondPoint, -1},
    ClickRow{kShapeLine, 1, Step::Second, 1, LineSecondEnd, -1},
    ClickRow{kShapeCircle, 0, Step::First, 0, CircleCentre, -1},
    ClickRow{kShapeCircle, 1, Step::First, 1, [](Program& p, int16_t, int16_t) { CircleRadius(p); }, -1},
    ClickRow{kShapeCircle, 1, Step::Second, 0, CircleSecondView, -1},
    ClickRow{kShapeArc, 0, Step::First, 0, CircleCentre, -1},
    ClickRow{kShapeArc, 1, Step::First, 1, [](Program& p, int16_t, int16_t) { CircleRadius(p); }, 2},
    ClickRow{kShapeArc, 1, Step::First, 2, ArcStart, 3},
    ClickRow{kShapeArc, 1, Step::First, 3, [](Program& p, int16_t, int16_t) { ArcEnd(p); }, 0},
    ClickRow{kShapeArc, 1, Step::Second, 0, CircleSecondView, -1},
};

struct MoveRow {
  int16_t shape;
  int16_t firstViewStep;   // -1: any
  int16_t secondViewStep;  // -1: any
  Tool tracker;
};

constexpr std::array kMoveTable{
    MoveRow{kShapeLine, 1, -1, TrackLineFirst},
    MoveRow{kShapeLine, -1, 1, TrackLineSecond},
    MoveRow{kShapeCircle, 1, -1, TrackRadius},
    MoveRow{kShapeArc, 1, -1, TrackRadius},
    MoveRow{kShapeArc, 3, -1, TrackArc},
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
    if (row.firstStepAfter >= 0) c.firstViewStep = row.firstStepAfter;
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
    if (row.firstViewStep >= 0 && row.firstViewStep != c.firstViewStep) continue;
    if (row.secondViewStep >= 0 && row.secondViewStep != c.secondViewStep) continue;
    row.tracker(program, x, y);
    return;
  }
}

void P_DblClick(Program& program) {
  if (program.canvas.figureStage == 2 && program.canvas.pendingCommit == 3) C7_Click(program);
}

void C6_Click(Program& program) { FlushPendingFigure(program); }

}  // namespace tova
