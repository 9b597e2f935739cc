// The canvas: its panes and measures, the line tool step by step, and storing a figure as a
// relation.
#include <gtest/gtest.h>

#include "app/canvas_input.h"
#include "canvas/commit.h"
#include "canvas/geometry.h"
#include "program/line_kinds.h"
#include "program/panes.h"
#include "support/test_program.h"

namespace tova {
namespace {

using testing::Click;
using testing::Clicks;
using testing::Stage;
using testing::StartedProgram;
using State = std::tuple<int, int, int, int>;
using Points = std::vector<std::pair<int, int>>;

bool On(const StartedProgram& t, Control c) { return t.shell.enabled(c).value_or(false); }

TEST(Canvas, PanesMeasuresAndTheReadout) {
  const struct { int16_t x, y, pane; } panes[] = {{215, 215, 0}, {215, 216, 1}, {216, 215, 2}, {216, 216, -1},
      {450, 0, 2}, {451, 0, -1}, {0, 440, 1}, {0, 441, -1}, {-1, 0, -1}};
  for (const auto& c : panes) EXPECT_EQ(PaneAt(c.x, c.y), c.pane) << c.x << "," << c.y;
  EXPECT_EQ(std::tuple(ClampToPane(1, {300, 100}), ClampToPane(2, {100, 300}), ClampToPane(-1, {900, -9})),
            std::tuple(CanvasPoint{215, 215}, CanvasPoint{215, 215}, CanvasPoint{900, -9}));
  EXPECT_EQ(std::tuple(Distance(0, 0, 3, 4), Distance(0, 0, 2, 3)), std::tuple(5, 3));  // the floor of 3.6
  StartedProgram t;
  t.program.tables.pendingCircle = {100, 100, 50, 0, 359, 0};
  const struct { int16_t x, y, angle; } angles[] = {{140, 100, 0}, {130, 70, 45}, {60, 100, 180},
      {70, 130, 225}, {130, 130, 314}, {100, 60, 270}, {100, 140, 269}, {100, 100, 0}};
  for (const auto& c : angles) {
    EXPECT_EQ(AngleAt(t.program, c.x, c.y), c.angle) << c.x << "," << c.y;
    EXPECT_EQ(t.shell.text(Control::Text3), (c.angle ? " " + std::to_string(c.angle) : " 0"));
  }
  t.program.app.currentShape = kShapeArc;
  t.program.tables.pendingCircle = {100, 100, 50, 270, 90, 0};  // over 270 to 450 degrees
  EXPECT_EQ(ArcExtents(t.program), (Extents{-50, 0, 50, 50}));
  // Moves show the position and carry guide lines into the other views; none in no pane.
  const Image blank = t.program.P.Snapshot();
  P_MouseMove(t.program, 100.5, 300);
  EXPECT_EQ(t.shell.text(Control::Text1) + t.shell.text(Control::Text2), " 100.5 300");
  for (auto [x, y] : Points{{100, 10}, {300, 10}, {215, 300}}) {
    EXPECT_EQ(t.program.P.Pixel(x, y), kWindowColour ^ kCrossHairRgb) << x << "," << y;
  }
  P_MouseMove(t.program, 400, 400);
  EXPECT_EQ(t.program.P.Snapshot(), blank);
  // The bottom-right quarter is not heard, by its raw position; a click beside the panes beeps.
  P_MouseDown(t.program, 215.5, 300);
  P_MouseDown(t.program, -1.5, 40);
  EXPECT_EQ(std::tuple(t.shell.beeps(), t.program.canvas.figureStage), std::tuple(1, kStageNone));
}

TEST(Canvas, TheLineToolDrawsOneViewThenTheSecondAndCompletesTheThird) {
  const struct { Points clicks; PendingLine front, top, side; int16_t thirdPane; } cases[] = {
      {{{10, 20}, {100, 60}, {50, 300}, {70, 350}}, {10, 20, 100, 60}, {10, 300, 100, 350},
       {300, 20, 350, 60}, 2},
      {{{40, 250}, {90, 330}, {300, 60}, {300, 120}}, {40, 60, 90, 120}, {40, 250, 90, 330},
       {250, 60, 330, 120}, 0},
      {{{10, 20}, {100, 60}, {300, 20}, {350, 60}}, {10, 20, 100, 60}, {10, 300, 100, 350},
       {300, 20, 350, 60}, 1},
  };
  for (const auto& c : cases) {
    StartedProgram t;
    Program& p = t.program;
    Click(p, c.clicks[0].first, c.clicks[0].second);
    EXPECT_EQ(Stage(p), State(kStageBuilding, kFirstStepPoint, kSecondStepIdle, kCommitNothing));
    EXPECT_FALSE(On(t, Control::C6));  // busy while dragging
    Click(p, c.clicks[1].first, c.clicks[1].second);
    EXPECT_EQ(Stage(p), State(kStageBuilding, kFirstStepIdle, kSecondStepIdle, kCommitRelation));
    EXPECT_TRUE(On(t, Control::C6) && On(t, Control::C7));  // "OK" would make a relation
    Click(p, c.clicks[0].first, c.clicks[0].second);  // the first view again: only the buttons change
    EXPECT_FALSE(On(t, Control::C6) || On(t, Control::C7));
    Click(p, c.clicks[2].first, c.clicks[2].second);
    EXPECT_EQ(Stage(p), State(kStageBuilding, kFirstStepIdle, kSecondStepDragging, kCommitRelation));
    P_MouseDown(p, c.clicks[3].first, c.clicks[3].second);  // a tap: no move came before it
    EXPECT_EQ(Stage(p), State(kStageComplete, kFirstStepIdle, kSecondStepIdle, kCommitUnit));
    const auto& L = p.tables.pendingLines;
    EXPECT_EQ(std::tuple(L[0], L[1], L[2]), std::tuple(c.front, c.top, c.side)) << c.thirdPane;
    EXPECT_EQ(p.canvas.thirdPane, c.thirdPane);
    for (Control b : {Control::C3, Control::C4, Control::C5, Control::C6, Control::C7}) EXPECT_TRUE(On(t, b));
    Click(p, 30, 30);  // a complete figure only beeps
    EXPECT_EQ(Stage(p), State(kStageComplete, kFirstStepIdle, kSecondStepIdle, kCommitUnit));
    EXPECT_EQ(t.shell.beeps(), 6 + 1 + 1);  // one a click, one each time only going back is left
    C6_Click(p);  // and what the canvas showed of the figure goes with it
    EXPECT_EQ(testing::WithoutCrossHair(p), testing::FreshDrawing(p));
  }
}

// Two circle units of radius 20 in the front view, their depths clicked in the side view: top
// view projection lines (40, 300)-(80, 300) and (140, 330)-(180, 330); then a top-view segment.
void TwoCircleUnitsAndASegment(Program& p, const Points& segment) {
  for (int i = 0; i < 2; ++i) {
    p.app.currentShape = kShapeCircle;
    Clicks(p, {{60 + 100 * i, 60}, {80 + 100 * i, 60}, {300 + 30 * i, 100}});
    C7_Click(p);
  }
  p.app.currentShape = kShapeLine;
  Clicks(p, segment);
  C7_Click(p);
}

TEST(Canvas, ASegmentBetweenTheEndsOfTwoCircleUnitsBecomesARelation) {
  StartedProgram t;
  Program& p = t.program;
  p.tables.lineTable[4] = {1, 1, 1, 1, kDottedLine, kRowDeleted};  // reused, kind and all
  TwoCircleUnitsAndASegment(p, {{40, 300}, {140, 330}});
  const Tables& tb = p.tables;
  EXPECT_EQ(tb.relationTable[0], (RelationRecord{4, 5, 6, 7, 0, 1, 1, 3, kRowLive}));
  const LineRecord joins[] = {{40, 300, 140, 330, 0, 1}, {80, 300, 180, 330, 0, 1}, {300, 40, 330, 40, 0, 1},
                              {300, 80, 330, 80, 0, 1}};
  for (int i = 0; i < 4; ++i) EXPECT_EQ(tb.lineTable[4 + i], joins[i]) << i;
  EXPECT_EQ(std::tuple(CircleHasRelation(p.tables, 0), CircleHasRelation(p.tables, 1), CircleHasRelation(p.tables, 2)),
            std::tuple(1, 1, kNone));
  EXPECT_EQ(testing::WithoutCrossHair(p), testing::FreshDrawing(p));
  // Ends within 2 pixels of two different live units' ends, or nothing is stored.
  const struct { Points segment; bool joins; } ends[] = {
      {{{42, 302}, {140, 330}}, true}, {{{43, 300}, {140, 330}}, false}, {{{42, 303}, {140, 330}}, false},
      {{{140, 330}, {78, 298}}, true}, {{{40, 300}, {80, 300}}, false}};
  for (const auto& c : ends) {
    StartedProgram u;
    TwoCircleUnitsAndASegment(u.program, c.segment);
    EXPECT_EQ(u.program.tables.relationTable[0].state == kRowLive, c.joins) << c.segment[0].first;
    EXPECT_EQ(testing::WithoutCrossHair(u.program), testing::FreshDrawing(u.program));
  }
  p.tables.unitTable[1].state = kRowDeleted;  // a deleted unit is not there to be joined
  p.tables.unitTable[5] = {2003, 1301, 1000, kRowLive};  // nor one with a damaged reference
  Clicks(p, {{40, 300}, {140, 330}});
  C7_Click(p);
  EXPECT_EQ(std::tuple(tb.relationTable[1].state, FindFreeRow(tb, kLineTable, kAllocate)),
            std::tuple(kRowUnused, 8));
}

}  // namespace
}  // namespace tova
