#include <QApplication>
#include <QMouseEvent>
#include <QPushButton>
#include <QTest>
#include <gtest/gtest.h>

#include <fstream>
#include <iterator>
#include <vector>

#include "app/qt/form1.h"
#include "app/qt/picture_box.h"
#include "app/qt/qt_shell.h"
#include "canvas/cross_hair.h"
#include "diagram/rendering.h"
#include "qt/scripted_qt_shell.h"
#include "support/test_program.h"

namespace tova {
namespace {

int DifferentPixels(const QImage& a, const QImage& b) {
  int n = 0;
  for (int y = 0; y < a.height(); ++y) {
    for (int x = 0; x < a.width(); ++x) n += a.pixel(x, y) != b.pixel(x, y);
  }
  return n;
}

// The real window, driven by pointer events at canvas coordinates and by its buttons.
class CanvasWindowTest : public ::testing::Test {
 protected:
  QPoint At(int x, int y) const { return QPoint(x, y) + P->contentsRect().topLeft(); }
  void Move(int x, int y) {
    QMouseEvent move(QEvent::MouseMove, At(x, y), P->mapToGlobal(At(x, y)), Qt::NoButton,
                     Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(P, &move);
  }
  // As a hand does it: the pointer comes to the point, then presses there.
  void Click(int x, int y) {
    Move(x, y);
    QTest::mouseClick(P, Qt::LeftButton, {}, At(x, y));
  }
  void DoubleClick(int x, int y) {
    Move(x, y);
    QTest::mousePress(P, Qt::LeftButton, {}, At(x, y));
    QTest::mouseRelease(P, Qt::LeftButton, {}, At(x, y));
    QTest::mouseDClick(P, Qt::LeftButton, {}, At(x, y));
    QTest::mouseRelease(P, Qt::LeftButton, {}, At(x, y));
  }
  void Press(const char* button) {
    QTest::mouseClick(window.findChild<QPushButton*>(button), Qt::LeftButton);
  }
  // Which of "----", "<===", "OK" and "TrueL" can be pressed.
  std::string Enabled() {
    std::string on;
    for (const char* name : {"C0", "C6", "C7", "C3"}) {
      if (!window.findChild<QWidget*>(name)->isEnabled()) continue;
      on += (on.empty() ? "" : " ") + std::string(name);
    }
    return on;
  }

  testing::TempWorkingFolder folder;
  testing::ScriptedQtShell shell;
  Form1 window{&shell};
  PictureBox* P = window.canvas();
};

TEST_F(CanvasWindowTest, UnitsAndARelationDrawnWithThePointerAreStoredAndPaintedAsStored) {
  window.Load();
  ASSERT_EQ(shell.script.boxes().size(), 1u);
  EXPECT_EQ(shell.script.boxes()[0].text, "Three Is A Error! Retry!");
  EXPECT_EQ(Enabled(), "C0");

  // A line: front view, then top view; the side view follows.
  Press("C0");
  Click(10, 20);
  EXPECT_EQ(Enabled(), "");
  Click(100, 60);
  EXPECT_EQ(Enabled(), "C6 C7");
  Click(50, 300);
  EXPECT_EQ(Enabled(), "");
  Click(70, 350);
  EXPECT_EQ(Enabled(), "C6 C7 C3");
  Press("C7");
  EXPECT_EQ(Enabled(), "C0");

  // A circle in the front view: the first press of a double click in the side view gives its
  // depth, and the double click stores it.
  Press("C1");
  Click(100, 100);
  Click(150, 100);
  DoubleClick(300, 80);
  EXPECT_EQ(Enabled(), "C0");

  // An arc in the top view from 45 to 180 degrees, its height from the front view.
  Press("C2");
  for (const QPoint& at : {QPoint(100, 380), {130, 380}, {130, 350}, {70, 380}, {180, 100}}) {
    Click(at.x(), at.y());
  }
  EXPECT_EQ(Enabled(), "C6 C7 C3");
  Press("C7");

  // A second circle, then one segment in the side view from the lower end of the first
  // circle's side-view line to that of the second: "OK" right after it stores a relation.
  Press("C1");
  Click(60, 150);
  Click(90, 150);
  Click(400, 130);
  Press("C7");
  Press("C0");
  Click(300, 150);
  Click(400, 180);
  EXPECT_EQ(Enabled(), "C6 C7");
  Press("C7");
  EXPECT_EQ(Enabled(), "C0");

  // Start 2; line 1+2+1+2 and OK 2; circle 1+2, the double click's first press 1 and the store
  // 2; arc 1+2+1+1+1 and OK 2; second circle 1+2+1 and OK 2; relation 1+2 and OK 2.
  EXPECT_EQ(shell.beeps, 2 + 8 + 6 + 8 + 6 + 5);

  const Tables& t = window.program().tables;
  using L = LineRecord;
  const std::vector<std::pair<int, LineRecord>> lines = {
      {0, L{10, 20, 100, 60, 0, 1}},    {1, L{10, 300, 100, 350, 0, 1}},
      {2, L{300, 20, 350, 60, 0, 1}},   {3, L{300, 50, 300, 150, 0, 1}},
      {4, L{50, 300, 150, 300, 0, 1}},  {7, L{400, 120, 400, 180, 0, 1}},
      {8, L{30, 400, 90, 400, 0, 1}},   {9, L{300, 50, 400, 120, 0, 1}},
      {10, L{300, 150, 400, 180, 0, 1}}, {11, L{50, 300, 30, 400, 0, 1}},
      {12, L{150, 300, 90, 400, 0, 1}},  {13, L{}},
  };
  for (const auto& [row, line] : lines) EXPECT_EQ(t.lineTable[row], line) << "line row " << row;
  // The arc's projections lie at the height clicked; the side view's starts at the arc's top.
  for (int row : {5, 6}) {
    const LineRecord& l = t.lineTable[row];
    EXPECT_EQ(std::tuple(l.y1, l.y2, l.state), std::tuple(100, 100, 1)) << "line row " << row;
  }
  EXPECT_EQ(t.lineTable[6].x1, 380 - 30);
  const std::vector<CircleRecord> circles = {
      {100, 100, 50, 0, 359, 0, 1}, {100, 380, 30, 45, 180, 0, 1}, {60, 150, 30, 0, 359, 0, 1}, {}};
  EXPECT_EQ(std::vector(t.circleTable.begin(), t.circleTable.begin() + 4), circles);
  const std::vector<UnitRecord> units = {{1000, 1001, 1002, 1}, {2000, 1003, 1004, 1},
                                         {2001, 1005, 1006, 1}, {2002, 1007, 1008, 1}, {}};
  EXPECT_EQ(std::vector(t.unitTable.begin(), t.unitTable.begin() + 5), units);
  EXPECT_EQ(t.relationTable[0], (RelationRecord{9, 10, 11, 12, 0, 2, 3, 7, 1}));
  EXPECT_EQ(t.relationTable[1], RelationRecord{});

  // The canvas against the stored tables painted afresh. Rubber bands and guide lines are
  // drawn in XOR, so the canvas must be that fresh painting with the guide lines of the last
  // pointer position XOR-drawn once over it, to the pixel: a trace left by a rubber band, or a
  // figure pixel lost where the guide lines crossed it as it was stored, shows up here. Moving
  // the pointer into the quarter that belongs to no view then takes the guide lines off.
  testing::TestProgram fresh;
  fresh.program.tables = t;
  fresh.program.P.Clear();
  RedrawDiagram(fresh.program);
  const Surface& F = fresh.program.P;
  const QImage expected(reinterpret_cast<const uchar*>(F.Bits()), F.Width(), F.Height(),
                        F.BytesPerLine(), QImage::Format_RGB32);
  const CanvasVars& c = window.program().canvas;
  ASSERT_EQ(QPoint(c.markX, c.markY), QPoint(400, 180));
  DrawCrossHair(fresh.program, 400, 180);
  EXPECT_EQ(DifferentPixels(P->image(), expected), 0) << "with the guide lines";
  Move(400, 400);
  DrawCrossHair(fresh.program, 400, 180);
  EXPECT_EQ(DifferentPixels(P->image(), expected), 0) << "without them";
  EXPECT_EQ(P->image().pixel(100, 60) & 0xFFFFFFu, kFigureRgb);  // not two blank canvases
}

TEST_F(CanvasWindowTest, FindLocksAndDeletesALineUnitAndARelation) {
  std::ifstream in(TOVA_SOURCE_DIR "/samples/Tova.ini", std::ios::binary);
  folder.Write("Tova.ini", std::string(std::istreambuf_iterator<char>(in), {}));
  window.Load();
  const Tables& t = window.program().tables;

  Press("C8");
  EXPECT_EQ(Enabled(), "");
  EXPECT_TRUE(window.findChild<QWidget*>("C8")->isEnabled());
  // The cylinder's relation: its first line runs down the front view at x = 85.
  Move(85, 100);
  Click(85, 100);
  EXPECT_TRUE(window.findChild<QWidget*>("CC8")->isEnabled());
  shell.script.QueueAnswer(Answer::Ok);
  Press("CC8");
  EXPECT_EQ(t.relationTable[0].state, kRowDeleted);
  EXPECT_FALSE(window.findChild<QWidget*>("CC8")->isEnabled());

  // The block's first edge, along the bottom of the front view.
  Click(100, 195);
  shell.script.QueueAnswer(Answer::Ok);
  Press("CC8");
  EXPECT_EQ(t.unitTable[0].state, kRowDeleted);
  for (int row : {0, 1, 2}) EXPECT_EQ(t.lineTable[row].state, kRowDeleted);
  EXPECT_EQ(shell.script.boxes().back().text, "Are you sure to DEL this unite ?");
  EXPECT_TRUE(shell.script.Exhausted());

  // The canvas is the remaining drawing, painted afresh.
  testing::TestProgram fresh;
  fresh.program.tables = t;
  RedrawDiagram(fresh.program);
  EXPECT_EQ(window.program().P.Snapshot(), fresh.program.P.Snapshot());
  Press("C8");
  EXPECT_EQ(Enabled(), "C0");
}

}  // namespace
}  // namespace tova
