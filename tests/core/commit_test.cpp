#include "canvas/commit.h"

#include <gtest/gtest.h>

#include "canvas/canvas_input.h"
#include "support/canvas_driver.h"
#include "support/test_program.h"

namespace tova {
namespace {

using testing::Click;
using testing::StartedProgram;

// A circle unit of radius 20 drawn in the front view at (cx, cy), its depth clicked in the side
// view at x = depth: projection lines (depth, cy-20)-(depth, cy+20) and (cx-20, depth)-(cx+20,
// depth).
void CircleUnit(Program& p, int cx, int cy, int depth) {
  p.app.currentShape = kShapeCircle;
  Click(p, cx, cy);
  Click(p, cx + 20, cy);
  Click(p, depth, 100);
  C7_Click(p);
  p.app.currentShape = kShapeLine;
}

// A segment in the top view, then "OK".
void Segment(Program& p, int x1, int y1, int x2, int y2) {
  Click(p, x1, y1);
  Click(p, x2, y2);
  C7_Click(p);
}

TEST(CommitUnit, StoresLinesCircleAndUnitAndResets) {
  StartedProgram t;
  Program& p = t.program;
  CircleUnit(p, 60, 60, 300);
  const Tables& tb = p.tables;
  EXPECT_EQ(tb.circleTable[0], (CircleRecord{60, 60, 20, 0, 359, 0, kRowLive}));
  EXPECT_EQ(tb.lineTable[0], (LineRecord{300, 40, 300, 80, 0, kRowLive}));
  EXPECT_EQ(tb.lineTable[1], (LineRecord{40, 300, 80, 300, 0, kRowLive}));
  EXPECT_EQ(tb.unitTable[0], (UnitRecord{2000, 1000, 1001, kRowLive}));
  EXPECT_EQ(tb.pendingCircle, PendingCircle{});
  EXPECT_EQ(testing::Stage(p), (std::tuple{0, 0, 0, 0}));
  EXPECT_TRUE(t.shell.enabled(Control::C0).value_or(false));
  EXPECT_FALSE(t.shell.enabled(Control::C7).value_or(true));
  C7_Click(p);  // nothing pending: nothing happens
  EXPECT_EQ(FindFreeRow(tb, kUnitTable, kAllocate), 1);
}

TEST(CommitUnit, AFullTableDiscardsTheFigureWithoutStoringAnyPart) {
  for (int freeLines : {0, 2}) {
    StartedProgram t;
    Program& p = t.program;
    for (LineRecord& l : p.tables.lineTable) l.state = kRowLive;
    for (int i = 0; i < freeLines; ++i) p.tables.lineTable[static_cast<std::size_t>(i)].state = kRowDeleted;
    const Tables before = p.tables;
    const Image canvas = testing::WithoutCrossHair(p);
    Click(p, 10, 20);
    Click(p, 100, 60);
    Click(p, 50, 300);
    Click(p, 70, 350);
    C7_Click(p);
    EXPECT_EQ(p.tables, before) << freeLines << " free line rows";
    EXPECT_EQ(testing::WithoutCrossHair(p), canvas);  // the figure is erased
  }
  // A line unit needs a free circle row too.
  StartedProgram t;
  for (CircleRecord& c : t.program.tables.circleTable) c.state = kRowLive;
  for (auto [x, y] : {std::pair{10, 20}, {100, 60}, {50, 300}, {70, 350}}) Click(t.program, x, y);
  C7_Click(t.program);
  EXPECT_EQ(t.program.tables.unitTable[0].state, kRowUnused);
}

TEST(CommitRelation, JoinsTwoCircleUnitsEndToEnd) {
  StartedProgram t;
  Program& p = t.program;
  CircleUnit(p, 60, 60, 300);    // top-view line (40, 300)-(80, 300)
  CircleUnit(p, 160, 60, 330);   // top-view line (140, 330)-(180, 330)
  p.tables.lineTable[4] = {1, 1, 1, 1, kDottedLine, kRowDeleted};  // reused, kind and all
  Segment(p, 40, 300, 140, 330);
  const Tables& tb = p.tables;
  EXPECT_EQ(tb.relationTable[0], (RelationRecord{4, 5, 6, 7, 0, 1, 1, 3, kRowLive}));
  EXPECT_EQ(tb.lineTable[4], (LineRecord{40, 300, 140, 330, 0, kRowLive}));
  EXPECT_EQ(tb.lineTable[5], (LineRecord{80, 300, 180, 330, 0, kRowLive}));
  EXPECT_EQ(tb.lineTable[6], (LineRecord{300, 40, 330, 40, 0, kRowLive}));
  EXPECT_EQ(tb.lineTable[7], (LineRecord{300, 80, 330, 80, 0, kRowLive}));
  EXPECT_EQ(CircleHasRelation(p, 0), 1);
  EXPECT_EQ(CircleHasRelation(p, 1), 1);
  EXPECT_EQ(CircleHasRelation(p, 2), kNone);
  EXPECT_EQ(testing::WithoutCrossHair(p), testing::FreshDrawing(p));
  EXPECT_EQ(testing::Stage(p), (std::tuple{0, 0, 0, 0}));
}

TEST(CommitRelation, EndsMustLieWithinTwoPixelsOfTwoDifferentLiveUnits) {
  const struct {
    int x, y;
    bool joins;
  } ends[] = {{42, 300, true}, {42, 302, true}, {43, 300, false}, {42, 303, false}};
  for (const auto& end : ends) {
    StartedProgram t;
    Program& p = t.program;
    CircleUnit(p, 60, 60, 300);
    CircleUnit(p, 160, 60, 330);
    Segment(p, end.x, end.y, 140, 330);
    EXPECT_EQ(p.tables.relationTable[0].state == kRowLive, end.joins) << end.x << "," << end.y;
    EXPECT_EQ(testing::WithoutCrossHair(p), testing::FreshDrawing(p));
  }
  StartedProgram t;
  Program& p = t.program;
  CircleUnit(p, 60, 60, 300);
  CircleUnit(p, 160, 60, 330);
  Segment(p, 40, 300, 80, 300);  // both ends on one unit
  EXPECT_EQ(p.tables.relationTable[0].state, kRowUnused);
  p.tables.unitTable[1].state = kRowDeleted;  // a deleted unit is not there to be joined
  Segment(p, 40, 300, 140, 330);
  EXPECT_EQ(p.tables.relationTable[0].state, kRowUnused);
  EXPECT_EQ(FindFreeRow(p.tables, kLineTable, kAllocate), 4);
}

TEST(FindUnitLineEnd, SkipsUnitsWithReferencesOutsideTheTables) {
  StartedProgram t;
  Program& p = t.program;
  p.tables.unitTable[0] = {2000, 1000, 1301, kRowLive};  // a damaged reference
  p.tables.unitTable[1] = {2001, 1002, 1003, kRowLive};
  p.tables.lineTable[2] = {10, 10, 20, 10, 0, kRowLive};
  p.tables.lineTable[3] = {30, 30, 40, 30, 0, kRowLive};
  EXPECT_EQ(FindUnitLineEnd(p, 40, 31), (UnitLineEnd{1, 3, 2}));
  EXPECT_FALSE(FindUnitLineEnd(p, 0, 0));
}

}  // namespace
}  // namespace tova
