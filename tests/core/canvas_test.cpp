#include <gtest/gtest.h>

#include "canvas/canvas_input.h"
#include "canvas/geometry.h"
#include "canvas/panes.h"
#include "canvas/readout.h"
#include "support/canvas_driver.h"
#include "support/test_program.h"

namespace tova {
namespace {

using testing::Click;
using testing::StartedProgram;
using testing::TestProgram;

TEST(Panes, BoundsAreInclusiveAndClampingLandsOnTheInnerEdge) {
  EXPECT_EQ(PaneAt(215, 215), 0);
  EXPECT_EQ(PaneAt(215, 216), 1);
  EXPECT_EQ(PaneAt(216, 215), 2);
  EXPECT_EQ(PaneAt(216, 216), kNone);
  EXPECT_EQ(PaneAt(450, 0), 2);
  EXPECT_EQ(PaneAt(451, 0), kNone);
  EXPECT_EQ(PaneAt(0, 440), 1);
  EXPECT_EQ(PaneAt(0, 441), kNone);
  EXPECT_EQ(PaneAt(-1, 0), kNone);
  EXPECT_EQ(ClampToPane(1, {300, 100}), (CanvasPoint{215, 215}));
  EXPECT_EQ(ClampToPane(2, {100, 300}), (CanvasPoint{215, 215}));
  EXPECT_EQ(ClampToPane(0, {200, 200}), (CanvasPoint{200, 200}));
  EXPECT_EQ(ClampToPane(kNone, {900, -9}), (CanvasPoint{900, -9}));
}

TEST(Readout, BlankOrMinusThenTheShortestDecimal) {
  EXPECT_EQ(FormatReadout(100), " 100");
  EXPECT_EQ(FormatReadout(-3.5), "-3.5");
  EXPECT_EQ(FormatReadout(0), " 0");
  EXPECT_EQ(FormatReadout(12.25), " 12.25");
}

TEST(Geometry, DistanceAndAngles) {
  EXPECT_EQ(Distance(0, 0, 3, 4), 5);
  EXPECT_EQ(Distance(0, 0, 1, 1), 1);
  EXPECT_EQ(Distance(0, 0, 2, 3), 3);

  TestProgram t;
  t.program.tables.pendingCircle = {100, 100, 40, 0, 359, 0};
  const struct {
    int16_t x, y, angle;
  } cases[] = {{140, 100, 0},   {130, 70, 45},  {60, 100, 180}, {70, 130, 225},
               {130, 130, 314}, {100, 60, 270}, {100, 140, 269}, {100, 100, 0}};
  for (const auto& c : cases) {
    EXPECT_EQ(AngleAt(t.program, c.x, c.y), c.angle) << c.x << "," << c.y;
    EXPECT_EQ(t.shell.text(Control::Text3), FormatReadout(c.angle));
  }
}

TEST(Geometry, ArcExtentsWalkTheArcAndWrapThroughZero) {
  TestProgram t;
  t.program.app.currentShape = kShapeArc;
  t.program.tables.pendingCircle = {100, 100, 50, 0, 180, 0};
  EXPECT_EQ(ArcExtents(t.program), (Extents{-50, -50, 0, 50}));
  t.program.tables.pendingCircle = {100, 100, 50, 270, 90, 0};  // over 270 to 450 degrees
  EXPECT_EQ(ArcExtents(t.program), (Extents{-50, 0, 50, 50}));
  t.program.app.currentShape = kShapeCircle;
  EXPECT_EQ(ArcExtents(t.program), (Extents{-50, -50, 50, 50}));
}

TEST(CanvasInput, TheBottomRightQuarterIsNotHeardAndTheFilterUsesTheRawPosition) {
  StartedProgram t;
  P_MouseDown(t.program, 216, 216);
  P_MouseDown(t.program, 215.5, 300);
  EXPECT_EQ(t.shell.beeps(), 0);
  EXPECT_EQ(t.program.canvas.figureStage, 0);
  P_MouseDown(t.program, 215, 300);  // pane 1: the line tool starts
  EXPECT_EQ(t.shell.beeps(), 1);
  EXPECT_EQ(t.program.canvas.figureStage, 1);
  EXPECT_EQ(t.program.canvas.firstPane, 1);
}

TEST(CanvasInput, ClicksBesideThePanesAreIgnoredByTheTools) {
  StartedProgram t;
  for (int16_t shape : {kShapeLine, kShapeCircle}) {
    t.program.app.currentShape = shape;
    P_MouseDown(t.program, -1.5, 40);  // on the canvas's border
    EXPECT_EQ(t.program.canvas.figureStage, 0);
  }
  EXPECT_EQ(t.shell.beeps(), 2);
}

TEST(CanvasInput, MovesDrawTheGuideLinesAndShowThePosition) {
  StartedProgram t;
  Program& p = t.program;
  const Image blank = p.P.Snapshot();
  P_MouseMove(p, 100.5, 300);
  EXPECT_EQ(t.shell.text(Control::Text1), " 100.5");
  EXPECT_EQ(t.shell.text(Control::Text2), " 300");
  // A top-view point throws a line up through the front view and, by the 45-degree line,
  // a vertical line through the side view at x = 300.
  EXPECT_EQ(p.P.Pixel(100, 10), kWindowColour ^ kCrossHairRgb);
  EXPECT_EQ(p.P.Pixel(300, 10), kWindowColour ^ kCrossHairRgb);
  EXPECT_EQ(p.P.Pixel(215, 300), kWindowColour ^ kCrossHairRgb);
  P_MouseMove(p, 20, 30);
  P_MouseMove(p, 300, 30);
  P_MouseMove(p, 400, 400);  // no pane: the lines go and none come
  EXPECT_EQ(p.P.Snapshot(), blank);
  EXPECT_EQ(p.canvas.markX, 400);
}

}  // namespace
}  // namespace tova
