#include <gtest/gtest.h>

#include "canvas/canvas_input.h"
#include "canvas/commit.h"
#include "support/canvas_driver.h"
#include "support/test_program.h"

namespace tova {
namespace {

using testing::Click;
using testing::Stage;
using testing::StartedProgram;
using State = std::tuple<int, int, int, int>;

bool On(const StartedProgram& t, Control c) { return t.shell.enabled(c).value_or(false); }

TEST(LineTool, DrawsOneViewThenTheSecondAndCompletesTheThird) {
  StartedProgram t;
  Program& p = t.program;
  Click(p, 10, 20);
  EXPECT_EQ(Stage(p), State(1, 1, 0, 0));
  EXPECT_FALSE(On(t, Control::C6));  // busy while dragging
  Click(p, 100, 60);
  EXPECT_EQ(Stage(p), State(1, 0, 0, 1));
  EXPECT_TRUE(On(t, Control::C6));
  EXPECT_TRUE(On(t, Control::C7));  // "OK" would make a relation of the segment

  Click(p, 120, 100);  // the first view again: only the buttons change
  EXPECT_EQ(Stage(p), State(1, 0, 0, 1));
  EXPECT_FALSE(On(t, Control::C6));
  EXPECT_FALSE(On(t, Control::C7));

  Click(p, 50, 300);
  EXPECT_EQ(Stage(p), State(1, 0, 1, 1));
  EXPECT_EQ(p.canvas.lockedAxis, 1);
  EXPECT_EQ(p.canvas.lockedStart, 10);
  EXPECT_EQ(p.canvas.lockedEnd, 100);
  Click(p, 70, 350);
  EXPECT_EQ(Stage(p), State(2, 0, 0, 3));
  const auto& L = p.tables.pendingLines;
  EXPECT_EQ(L[0], (PendingLine{10, 20, 100, 60, 0}));
  EXPECT_EQ(L[1], (PendingLine{10, 300, 100, 350, 0}));
  EXPECT_EQ(L[2], (PendingLine{300, 20, 350, 60, 0}));
  EXPECT_EQ(p.canvas.thirdPane, 2);
  for (Control c : {Control::C3, Control::C4, Control::C5, Control::C6, Control::C7}) {
    EXPECT_TRUE(On(t, c)) << ControlName(c);
  }
  Click(p, 30, 30);  // a complete figure only beeps
  EXPECT_EQ(Stage(p), State(2, 0, 0, 3));
  // One beep per click, one each time only going back is left.
  EXPECT_EQ(t.shell.beeps(), 6 + 1 + 1);
}

TEST(LineTool, TopAndSideViewsShareTheDepth) {
  StartedProgram t;
  Program& p = t.program;
  Click(p, 40, 250);
  Click(p, 90, 330);
  Click(p, 300, 60);
  Click(p, 300, 120);
  const auto& L = p.tables.pendingLines;
  EXPECT_EQ(p.canvas.lockedAxis, 1);
  EXPECT_EQ(L[2].x1, L[1].y1);
  EXPECT_EQ(L[2].x2, L[1].y2);
  EXPECT_EQ(L[0], (PendingLine{40, 60, 90, 120, 0}));  // the front view completed
}

TEST(CircleTool, ProjectsTheCircleFromTheDepthClick) {
  for (auto [x, y, s0, s1] : {std::tuple{300, 80, PendingLine{300, 50, 300, 150, 0},
                                         PendingLine{50, 300, 150, 300, 0}},
                              std::tuple{60, 320, PendingLine{320, 50, 320, 150, 0},
                                         PendingLine{50, 320, 150, 320, 0}}}) {
    StartedProgram t;
    Program& p = t.program;
    p.app.currentShape = kShapeCircle;
    Click(p, 100, 100);
    EXPECT_EQ(Stage(p), State(1, 1, 0, 0));
    Click(p, 150, 100);
    EXPECT_EQ(Stage(p), State(1, 0, 0, 1));
    EXPECT_EQ(p.tables.pendingCircle, (PendingCircle{100, 100, 50, 0, 359, 0}));
    Click(p, 120, 120);  // the circle's own view: ignored
    EXPECT_EQ(Stage(p), State(1, 0, 0, 1));
    Click(p, x, y);
    EXPECT_EQ(Stage(p), State(2, 0, 0, 3));
    EXPECT_EQ(p.tables.pendingLines[0], s0);
    EXPECT_EQ(p.tables.pendingLines[1], s1);
    EXPECT_TRUE(On(t, Control::C7));
  }
}

TEST(ArcTool, StepsThroughStartAndEndAngles) {
  StartedProgram t;
  Program& p = t.program;
  p.app.currentShape = kShapeArc;
  Click(p, 100, 100);
  Click(p, 140, 100);
  EXPECT_EQ(Stage(p), State(1, 2, 0, 1));
  Click(p, 100, 60);  // straight up
  EXPECT_EQ(Stage(p), State(1, 3, 0, 1));
  EXPECT_EQ(p.tables.pendingCircle.startDeg, 270);
  Click(p, 140, 100);
  EXPECT_EQ(Stage(p), State(1, 0, 0, 1));
  EXPECT_EQ(p.tables.pendingCircle.endDeg, 0);
  EXPECT_EQ(t.shell.text(Control::Text3), " 0");
  Click(p, 300, 80);
  EXPECT_EQ(Stage(p), State(2, 0, 0, 3));
  // The arc from 270 through 360 is the right-hand lower quarter on screen.
  EXPECT_EQ(p.tables.pendingLines[0], (PendingLine{300, 100, 300, 140, 0}));
  EXPECT_EQ(p.tables.pendingLines[1], (PendingLine{100, 300, 140, 300, 0}));
}

TEST(ArcTool, AStartClickOutsideTheCirclesViewStartsAtZero) {
  StartedProgram t;
  Program& p = t.program;
  p.app.currentShape = kShapeArc;
  Click(p, 100, 100);
  Click(p, 140, 100);
  Click(p, 300, 60);  // the side view
  EXPECT_EQ(Stage(p), State(1, 3, 0, 1));
  EXPECT_EQ(p.tables.pendingCircle.startDeg, 0);
  Click(p, 100, 60);
  EXPECT_EQ(p.tables.pendingCircle.endDeg, 270);
  // "<===" leaves nothing of the figure behind.
  C6_Click(p);
  EXPECT_EQ(testing::WithoutCrossHair(p), testing::FreshDrawing(p));
}

// Draws a figure of each shape and abandons it or commits it at every step where that is
// possible; the canvas then shows exactly the stored drawing (and the guide lines).
TEST(Figures, AbandoningOrCommittingLeavesNoTrace) {
  const std::vector<std::vector<std::pair<int, int>>> figures[] = {
      {{{10, 20}, {100, 60}}, {{50, 300}, {70, 350}}},
      {{{100, 100}, {150, 100}}, {{300, 80}}},
      {{{100, 100}, {140, 110}}, {{100, 60}}, {{30, 130}}, {{60, 320}}},
  };
  for (int16_t shape = 0; shape < 3; ++shape) {
    for (std::size_t stop = 1; stop <= figures[shape].size(); ++stop) {
      for (bool commit : {false, true}) {
        StartedProgram t;
        Program& p = t.program;
        p.app.currentShape = shape;
        for (std::size_t part = 0; part < stop; ++part) {
          for (auto [x, y] : figures[shape][part]) Click(p, x, y);
        }
        if (commit && p.canvas.figureStage == 2) {
          C7_Click(p);
        } else {
          C6_Click(p);
        }
        P_MouseMove(p, 200, 400);
        EXPECT_EQ(testing::WithoutCrossHair(p), testing::FreshDrawing(p))
            << "shape " << shape << " after " << stop << (commit ? " commit" : " abandon");
        EXPECT_EQ(Stage(p), State(0, 0, 0, 0));
        EXPECT_EQ(p.tables.pendingLines, decltype(p.tables.pendingLines){});
      }
    }
  }
}

TEST(Restyle, GivesThePartInTheClickedPaneItsKindOnce) {
  StartedProgram t;
  Program& p = t.program;
  p.app.currentShape = kShapeCircle;
  for (auto [x, y] : {std::pair{100, 100}, {150, 100}, {300, 80}}) Click(p, x, y);
  p.app.currentLineKind = kThickLine;  // "ThikL"
  const int beeps = t.shell.beeps();
  Click(p, 120, 120);
  EXPECT_EQ(p.tables.pendingCircle.lineKind, kThickLine);
  EXPECT_EQ(p.tables.pendingLines[0].lineKind, 0);
  EXPECT_EQ(p.app.currentLineKind, kNone);
  EXPECT_EQ(t.shell.beeps(), beeps);  // no sound
  p.app.currentLineKind = kDottedLine;
  Click(p, 60, 300);  // the top view holds projection row 1
  EXPECT_EQ(p.tables.pendingLines[1].lineKind, kDottedLine);
  EXPECT_EQ(p.P.DrawWidth(), 1);
  EXPECT_EQ(p.P.DrawStyle(), PenStyle::Solid);
  C7_Click(p);
  EXPECT_EQ(p.tables.circleTable[0].lineKind, kThickLine);
  EXPECT_EQ(p.tables.lineTable[1].lineKind, kDottedLine);
  EXPECT_EQ(testing::WithoutCrossHair(p), testing::FreshDrawing(p));
}

TEST(Restyle, ALineKindChosenForAFigureGoesWithIt) {
  StartedProgram t;
  Program& p = t.program;
  for (auto [x, y] : {std::pair{10, 20}, {100, 60}, {50, 300}, {70, 350}}) Click(p, x, y);
  p.app.currentLineKind = kThickLine;  // "ThikL", then "<===" instead of a click
  C6_Click(p);
  EXPECT_EQ(p.app.currentLineKind, kNone);
  Click(p, 30, 30);  // the next click starts a figure; it restyles nothing
  EXPECT_EQ(Stage(p), State(1, 1, 0, 0));
  EXPECT_EQ(p.tables.pendingLines[0].lineKind, 0);
}

TEST(DoubleClick, StoresOnlyAFigureCompleteInAllViews) {
  StartedProgram t;
  Program& p = t.program;
  Click(p, 10, 20);
  Click(p, 100, 60);
  P_DblClick(p);
  EXPECT_EQ(p.tables.unitTable[0].state, kRowUnused);
  Click(p, 50, 300);
  Click(p, 70, 350);
  P_DblClick(p);
  EXPECT_EQ(p.tables.unitTable[0], (UnitRecord{1000, 1001, 1002, kRowLive}));
}

}  // namespace
}  // namespace tova
