#include "diagram/rendering.h"

#include <gtest/gtest.h>

#include "support/test_program.h"

namespace tova {
namespace {

using testing::TestProgram;

constexpr Rgb kGreen = 0x008000;
constexpr Rgb kWhite = 0xFFFFFF;

bool SamePixels(const Surface& a, const Surface& b) {
  return a.Snapshot().pixels == b.Snapshot().pixels;
}

int CountColour(const Surface& s, Rgb colour) {
  int n = 0;
  for (int y = 0; y < s.Height(); ++y) {
    for (int x = 0; x < s.Width(); ++x) n += s.Pixel(x, y) == colour;
  }
  return n;
}

// A blank surface like the canvas, for drawing the expected picture on.
Surface BlankCanvas() { return Surface(kCanvasWidth, kCanvasHeight, kWhite, 0, kCopyPen); }

void ExpectRestingPen(const Surface& P) {
  EXPECT_EQ(P.DrawMode(), kXorPen);
  EXPECT_EQ(P.DrawStyle(), PenStyle::Solid);
  EXPECT_EQ(P.DrawWidth(), 1);
}

TEST(SelectLinePen, SetsStyleAndWidthByKindAndIgnoresOtherKinds) {
  Surface s = BlankCanvas();
  SelectLinePen(s, kThickLine);
  EXPECT_EQ(s.DrawStyle(), PenStyle::Solid);
  EXPECT_EQ(s.DrawWidth(), 2);
  SelectLinePen(s, 3);
  EXPECT_EQ(s.DrawWidth(), 2);
  SelectLinePen(s, kDottedLine);
  EXPECT_EQ(s.DrawStyle(), PenStyle::Dotted);
  EXPECT_EQ(s.DrawWidth(), 1);
  SelectLinePen(s, kNone);
  EXPECT_EQ(s.DrawStyle(), PenStyle::Dotted);
  SelectLinePen(s, kSolidLine);
  EXPECT_EQ(s.DrawStyle(), PenStyle::Solid);
  EXPECT_EQ(s.DrawWidth(), 1);
}

TEST(RedrawDiagram, EmptyTablesDrawNothingAndLeaveXor) {
  TestProgram t;
  RedrawDiagram(t.program);
  EXPECT_TRUE(SamePixels(t.program.P, BlankCanvas()));
  ExpectRestingPen(t.program.P);
}

TEST(RedrawDiagram, PaintsOnlyLiveRowsInCopyModeWithTheirPens) {
  TestProgram t;
  Tables& tables = t.program.tables;
  tables.lineTable[0] = {10, 10, 100, 10, kSolidLine, kRowLive};
  tables.lineTable[1] = {10, 30, 100, 30, kThickLine, kRowLive};
  tables.lineTable[2] = {10, 50, 100, 50, kDottedLine, kRowLive};
  tables.lineTable[3] = {10, 70, 100, 70, 0, kRowDeleted};
  tables.lineTable[4] = {10, 90, 100, 90, 0, 2};
  tables.lineTable[300] = {10, 110, 100, 110, 0, kRowLive};  // after never-used rows: still drawn
  tables.circleTable[0] = {300, 100, 40, 0, 359, kThickLine, kRowLive};
  tables.circleTable[1] = {300, 300, 40, 0, 359, 0, kRowDeleted};
  tables.circleTable[20] = {100, 300, 30, 10, 359, kDottedLine, kRowLive};

  // Whatever the canvas showed is painted over in green, not combined with it.
  t.program.P.SetDrawMode(kCopyPen);
  t.program.P.Line(0, 10, 200, 10, 0x123456);
  t.program.P.SetDrawMode(kXorPen);
  RedrawDiagram(t.program);

  Surface expected = BlankCanvas();
  expected.Line(10, 10, 100, 10, kGreen);
  expected.Line(0, 10, 9, 10, 0x123456);
  expected.Line(101, 10, 200, 10, 0x123456);
  expected.SetDrawWidth(2);
  expected.Line(10, 30, 100, 30, kGreen);
  expected.Circle(300, 100, 40, kGreen);
  expected.SetDrawWidth(1);
  expected.SetDrawStyle(PenStyle::Dotted);
  expected.Line(10, 50, 100, 50, kGreen);
  expected.Arc(100, 300, 30, static_cast<float>(10 * 3.14159 / 180),
               static_cast<float>(359 * 3.14159 / 180), kGreen);
  expected.SetDrawStyle(PenStyle::Solid);
  expected.Line(10, 110, 100, 110, kGreen);
  EXPECT_TRUE(SamePixels(t.program.P, expected));
  ExpectRestingPen(t.program.P);
}

TEST(DrawCircleRow, OnlyZeroTo359IsAFullCircle) {
  struct Case {
    int16_t start, end;
    bool full;
  } cases[] = {{0, 359, true}, {0, 358, false}, {10, 359, false}, {-5, 359, false}, {90, 90, false}};
  for (const Case& c : cases) {
    TestProgram t;
    t.program.tables.circleTable[0] = {200, 200, 50, c.start, c.end, 0, kRowLive};
    DrawCircleRow(t.program, 0);
    Surface full = BlankCanvas();
    full.Circle(200, 200, 50, kGreen);
    EXPECT_EQ(SamePixels(t.program.P, full), c.full) << c.start << " to " << c.end;
    EXPECT_GT(CountColour(t.program.P, kGreen), 0) << c.start << " to " << c.end;
    ExpectRestingPen(t.program.P);
  }
}

TEST(DrawLineRow, AnUnknownKindKeepsThePenOfBeforeAndDeadRowsLeaveTheModeAlone) {
  TestProgram t;
  Surface& P = t.program.P;
  t.program.tables.lineTable[5] = {20, 20, 120, 20, 3, kRowLive};
  SelectLinePen(P, kThickLine);
  DrawLineRow(t.program, 5);
  EXPECT_EQ(P.Pixel(60, 21), kGreen);  // drawn 2 pixels wide
  ExpectRestingPen(P);

  t.program.tables.lineTable[6] = {20, 40, 120, 40, 0, kRowUnused};
  P.SetDrawMode(kMergePen);
  DrawLineRow(t.program, 6);
  DrawCircleRow(t.program, 6);
  EXPECT_EQ(P.DrawMode(), kMergePen);
  EXPECT_EQ(P.Pixel(60, 40), kWhite);
  // Rows outside the tables are refused.
  DrawLineRow(t.program, 301);
  DrawCircleRow(t.program, -1);
}

}  // namespace
}  // namespace tova
