#include <QApplication>
#include <QMouseEvent>
#include <QPushButton>
#include <QTest>
#include <gtest/gtest.h>

#include "app/qt/form1.h"
#include "app/qt/picture_box.h"
#include "app/qt/qt_shell.h"
#include "canvas/cross_hair.h"
#include "diagram/rendering.h"
#include "support/dialog_script.h"
#include "support/test_program.h"

namespace tova {
namespace {

class CountingQtShell : public QtShell {
 public:
  void Beep() override { ++beeps; }
  Answer MessageBox(std::string_view text, std::string_view title, Buttons buttons,
                    Icon icon) override {
    return script.MessageBox(text, title, buttons, icon);
  }
  testing::DialogScript script;
  int beeps = 0;
};

// The pixels in which two canvas images differ.
int DifferentPixels(const QImage& a, const QImage& b) {
  int n = 0;
  for (int y = 0; y < a.height(); ++y) {
    for (int x = 0; x < a.width(); ++x) n += a.pixel(x, y) != b.pixel(x, y);
  }
  return n;
}

// The real window driven with the pointer, in canvas coordinates, and its buttons.
class CanvasWindowTest : public ::testing::Test {
 protected:
  QPoint At(int x, int y) const { return QPoint(x, y) + P->contentsRect().topLeft(); }
  void Move(int x, int y) {
    QMouseEvent move(QEvent::MouseMove, At(x, y), P->mapToGlobal(At(x, y)), Qt::NoButton,
                     Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(P, &move);
  }
  // As the pointer does it: it comes to the point, then presses there.
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
      if (window.findChild<QWidget*>(name)->isEnabled()) on += on.empty() ? name : std::string(" ") + name;
    }
    return on;
  }

  testing::TempWorkingFolder folder;
  CountingQtShell shell;
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

  // A circle in the front view; its depth comes with the first press of a double click in the
  // side view, and the double click stores it.
  Press("C1");
  Click(100, 100);
  Click(150, 100);
  DoubleClick(300, 80);
  EXPECT_EQ(Enabled(), "C0");

  // An arc in the top view from 45 to 180 degrees, its height from the front view.
  Press("C2");
  Click(100, 380);
  Click(130, 380);
  Click(130, 350);
  Click(70, 380);
  Click(180, 100);
  EXPECT_EQ(Enabled(), "C6 C7 C3");
  Press("C7");

  // A second circle, and a segment in the side view joining the lower ends of the two circles'
  // side-view lines: "OK" right after the one view makes it a relation.
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

  // Start 2; line 1+2+1+2 and OK 2; circle 1+2, the double click's press 1 and the store 2;
  // arc 1+2+1+1+1 and OK 2; second circle 1+2+1 and OK 2; relation 1+2 and OK 2.
  EXPECT_EQ(shell.beeps, 2 + 8 + 6 + 8 + 6 + 5);

  const Tables& t = window.program().tables;
  using L = LineRecord;
  const L expectedLines[] = {
      {10, 20, 100, 60, 0, 1},    {10, 300, 100, 350, 0, 1},  {300, 20, 350, 60, 0, 1},
      {300, 50, 300, 150, 0, 1},  {50, 300, 150, 300, 0, 1},  {},
      {},                         {400, 120, 400, 180, 0, 1}, {30, 400, 90, 400, 0, 1},
      {300, 50, 400, 120, 0, 1},  {300, 150, 400, 180, 0, 1}, {50, 300, 30, 400, 0, 1},
      {150, 300, 90, 400, 0, 1},
  };
  for (int i = 0; i < 13; ++i) {
    if (i == 5 || i == 6) continue;  // the arc's, checked below
    EXPECT_EQ(t.lineTable[i], expectedLines[i]) << "line row " << i;
  }
  // The arc's projections: a line at the height clicked in the front view and in the side view.
  EXPECT_EQ(std::tuple(t.lineTable[5].y1, t.lineTable[5].y2, t.lineTable[5].state), std::tuple(100, 100, 1));
  EXPECT_EQ(std::tuple(t.lineTable[6].x1, t.lineTable[6].y1, t.lineTable[6].y2), std::tuple(350, 100, 100));
  EXPECT_EQ(t.lineTable[13].state, kRowUnused);

  EXPECT_EQ(t.circleTable[0], (CircleRecord{100, 100, 50, 0, 359, 0, 1}));
  EXPECT_EQ(t.circleTable[1], (CircleRecord{100, 380, 30, 45, 180, 0, 1}));
  EXPECT_EQ(t.circleTable[2], (CircleRecord{60, 150, 30, 0, 359, 0, 1}));
  EXPECT_EQ(t.circleTable[3].state, kRowUnused);
  EXPECT_EQ(t.unitTable[0], (UnitRecord{1000, 1001, 1002, 1}));
  EXPECT_EQ(t.unitTable[1], (UnitRecord{2000, 1003, 1004, 1}));
  EXPECT_EQ(t.unitTable[2], (UnitRecord{2001, 1005, 1006, 1}));
  EXPECT_EQ(t.unitTable[3], (UnitRecord{2002, 1007, 1008, 1}));
  EXPECT_EQ(t.unitTable[4].state, kRowUnused);
  EXPECT_EQ(t.relationTable[0], (RelationRecord{9, 10, 11, 12, 0, 2, 3, 7, 1}));
  EXPECT_EQ(t.relationTable[1].state, kRowUnused);
  EXPECT_EQ(t.pendingLines, decltype(t.pendingLines){});

  // The canvas is the stored drawing painted afresh, plus the guide lines of the last pointer
  // position. Every rubber band and guide line was drawn in XOR, so drawing the guide lines
  // once more on the fresh painting must give the canvas exactly; any pixel left over from a
  // rubber band, or lost where guide lines crossed a figure as it was stored, shows up here.
  testing::TestProgram fresh;
  fresh.program.tables = t;
  fresh.program.P.Clear();
  RedrawDiagram(fresh.program);
  const Surface& F = fresh.program.P;
  const QImage expected(reinterpret_cast<const uchar*>(F.Bits()), F.Width(), F.Height(),
                        F.BytesPerLine(), QImage::Format_RGB32);
  const CanvasVars& c = window.program().canvas;
  ASSERT_EQ(QPoint(c.markX, c.markY), QPoint(400, 180));
  DrawCrossHair(fresh.program, c.markX, c.markY);
  EXPECT_EQ(DifferentPixels(P->image(), expected), 0);
  // Into the quarter that belongs to no view: the guide lines go and nothing else changes.
  Move(400, 400);
  DrawCrossHair(fresh.program, 400, 180);
  EXPECT_EQ(DifferentPixels(P->image(), expected), 0);
  EXPECT_EQ(P->image().pixel(100, 60) & 0xFFFFFFu, kFigureRgb);  // not two blank canvases
}

}  // namespace
}  // namespace tova
