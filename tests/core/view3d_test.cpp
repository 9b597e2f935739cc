#include <gtest/gtest.h>

#include <cmath>
#include <numbers>
#include <random>

#include "app/click_handlers.h"
#include "view3d/navigation.h"
#include "view3d/projection.h"
#include "view3d/redraw.h"
#include "view3d/view_attributes.h"
#include "support/test_program.h"

namespace tova {
namespace {

using testing::StartedProgram;

// A line unit whose front-view segment runs (30, 40)-(120, 90) and top-view segment
// (30, 250)-(120, 330); a full circle unit in the front view at (150, 100), radius 40, depth
// from a side-view line at x = 300; and an arc unit from 300 to 60 degrees like it.
void FillModel(Tables& t) {
  t.lineTable[0] = {30, 40, 120, 90, 0, kRowLive};
  t.lineTable[1] = {30, 250, 120, 330, 0, kRowLive};
  t.lineTable[2] = {250, 40, 330, 90, 0, kRowLive};
  t.lineTable[3] = {300, 60, 300, 140, 0, kRowLive};
  t.lineTable[4] = {110, 300, 190, 300, 0, kRowLive};
  t.circleTable[0] = {150, 100, 40, 0, 359, 0, kRowLive};
  t.circleTable[1] = {150, 100, 40, 300, 60, 0, kRowLive};
  t.unitTable[0] = {1000, 1001, 1002, kRowLive};
  t.unitTable[1] = {2000, 1003, 1004, kRowLive};
  t.unitTable[2] = {2001, 1003, 1004, kRowLive};
}

// Front-on: no tilt, no turn, one model unit a pixel, centred on the origin.
void FaceOn(Program& p) {
  p.view = {};
  p.view.viewSize = 10;
  BuildViewMatrix(p);
}

int64_t Shapes(Program& p, void (*draw)(Program&, int16_t), int16_t row) {
  const int64_t before = p.D.ShapesDrawn();
  draw(p, row);
  return p.D.ShapesDrawn() - before;
}

TEST(Projection, MatchesTheTurnAndTiltWorkedOutIndependently) {
  StartedProgram t;
  Program& p = t.program;
  std::mt19937 rng(3);
  std::uniform_int_distribution<int> coord(-200, 250), angle(-400, 400), size(1, 50);
  int checked = 0;
  for (int n = 0; n < 2000; ++n) {
    p.view.viewTilt = static_cast<int16_t>(angle(rng));
    p.view.viewTurn = static_cast<int16_t>(angle(rng));
    p.view.viewSize = static_cast<int16_t>(size(rng));
    p.view.viewCentre = static_cast<int16_t>(n % 201);
    BuildViewMatrix(p);
    const ModelPoint m{static_cast<int16_t>(coord(rng)), static_cast<int16_t>(coord(rng)),
                       static_cast<int16_t>(coord(rng))};
    const double a = p.view.viewTilt * std::numbers::pi / 180, b = p.view.viewTurn * std::numbers::pi / 180;
    const double s = p.view.viewSize / 10.0, c = p.view.viewCentre;
    const double x = m.x - c, y = m.y - c, z = m.z - c;
    const double sx = 215 - (x * std::cos(b) - y * std::sin(b)) * s;
    const double sy = 215 - (z * std::cos(a) - (x * std::sin(b) + y * std::cos(b)) * std::sin(a)) * s;
    // Points that lie within a hair of half a pixel may round either way.
    if (std::fabs(sx - std::floor(sx) - 0.5) < 0.02 || std::fabs(sy - std::floor(sy) - 0.5) < 0.02) continue;
    EXPECT_EQ(ProjectPoint(p, m), (ScreenPoint{static_cast<int16_t>(std::lround(sx)),
                                               static_cast<int16_t>(std::lround(sy))}))
        << "tilt " << p.view.viewTilt << " turn " << p.view.viewTurn << " size " << p.view.viewSize;
    ++checked;
  }
  EXPECT_GT(checked, 1800);
  // Far out of the picture, the projection stops at the 16-bit range.
  p.view.viewSize = 50;
  p.view.viewCentre = 0;
  EXPECT_EQ(ProjectPoint(p, {-32768, -32768, -32768}).x, 32767);
}

TEST(RedrawView, ALineUnitFaceOnLiesOnItsFrontViewAndFromAboveOnItsTopView) {
  for (int16_t tilt : {0, 90}) {
    StartedProgram t;
    Program& p = t.program;
    FillModel(p.tables);
    p.tables.unitTable[1].state = p.tables.unitTable[2].state = kRowDeleted;
    FaceOn(p);
    p.view.viewTilt = tilt;
    RedrawView(p);
    Surface expected(kViewWidth, kViewHeight, kViewBackColour, kViewForeColour, kCopyPen);
    const LineRecord& l = p.tables.lineTable[tilt == 0 ? 0 : 1];
    expected.Line(l.x1, l.y1, l.x2, l.y2);
    EXPECT_EQ(p.D.Snapshot(), expected.Snapshot()) << "tilt " << tilt;
  }
}

TEST(RedrawView, CirclesAreChainsOf15DegreesAndRelationsLinesEvery30) {
  StartedProgram t;
  Program& p = t.program;
  FillModel(p.tables);
  FaceOn(p);
  EXPECT_EQ(Shapes(p, DrawCircleUnit, 1), 25);  // 0-0, 0-15, ..., 330-345, 345-359
  EXPECT_EQ(Shapes(p, DrawCircleUnit, 2), 10);  // 300-300, 300-315, ..., 405-420, 420-420
  // Face on, the arc from 300 through 360 to 420 degrees is the circle's right-hand part.
  p.D.Clear();
  DrawCircleUnit(p, 2);
  EXPECT_EQ(p.D.Pixel(190, 100), kViewForeColour);
  EXPECT_EQ(p.D.Pixel(110, 100), kViewBackColour);

  Tables& tb = p.tables;
  tb.relationTable[0] = {0, 0, 0, 0, 0, 0, 3, 3, kRowLive};
  EXPECT_EQ(Shapes(p, DrawRelationSurface, 0), 12);  // two full circles: 0, 30, ..., 330
  tb.circleTable[2] = {150, 100, 40, 0, 90, 0, kRowLive};
  tb.relationTable[1] = {0, 0, 0, 0, 1, 2, 3, 3, kRowLive};
  EXPECT_EQ(Shapes(p, DrawRelationSurface, 1), 3);  // 360, 390 and 420, in the second pass
  // Damaged references draw nothing.
  tb.relationTable[2] = {0, 0, 0, 0, 1, 21, 3, 3, kRowLive};
  tb.unitTable[3] = {2000, 1301, 1004, kRowLive};
  EXPECT_EQ(Shapes(p, DrawRelationSurface, 2), 0);
  EXPECT_EQ(Shapes(p, DrawCircleUnit, 3), 0);
  EXPECT_EQ(Shapes(p, DrawLineUnit, 3), 0);
}

TEST(RedrawView, PlayClsAndColDecideHowARedrawDraws) {
  StartedProgram t;
  Program& p = t.program;
  FillModel(p.tables);
  C9_Click(p);  // CLS and PLAY ticked by start-up
  t.shell.SetValue(Control::Check3, 1);
  for (int expected : {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15, 0, 1}) {
    RedrawView(p);
    EXPECT_EQ(p.D.ForeColour(), ColourNumber(expected));
  }
  t.shell.SetValue(Control::Check2, 0);  // PLAY clear: nothing at all
  const Image shown = p.D.Snapshot();
  RedrawView(p);
  SetViewBackColour(p, 4);
  EXPECT_EQ(p.D.ForeColour(), ColourNumber(1));
  EXPECT_EQ(p.D.Pixel(200, 200), ColourNumber(4));  // cleared to the new colour, no lines
  EXPECT_NE(p.D.Snapshot(), shown);

  // CLS clear: the next view is drawn over the last.
  t.shell.SetValue(Control::Check2, 1);
  t.shell.SetValue(Control::Check1, 0);
  t.shell.SetValue(Control::Check3, 0);
  StepView(p, 0);
  const Image one = p.D.Snapshot();
  StepView(p, 0);
  const Image two = p.D.Snapshot();
  int kept = 0;  // lines of the first view still there
  for (std::size_t i = 0; i < one.pixels.size(); ++i) {
    kept += (one.pixels[i] & 0xFFFFFF) != ColourNumber(4) && two.pixels[i] == one.pixels[i];
  }
  EXPECT_GT(kept, 100);
}

TEST(Navigation, MakeAndLeave3D) {
  StartedProgram t;
  Program& p = t.program;
  C9_Click(p);
  EXPECT_EQ(t.shell.visible(Control::D), true);
  for (Control c : {Control::C0, Control::C9, Control::C10, Control::Mfile, Control::pbk}) {
    EXPECT_EQ(t.shell.enabled(c), false) << ControlName(c);
  }
  for (Control c : {Control::C12, Control::C16, Control::cpp, Control::a1, Control::a5}) {
    EXPECT_EQ(t.shell.enabled(c), true) << ControlName(c);
  }
  EXPECT_EQ(t.shell.beeps(), 0);
  C16_Click(p);
  EXPECT_EQ(t.shell.visible(Control::D), false);
  EXPECT_EQ(t.shell.enabled(Control::C9), true);
  EXPECT_EQ(t.shell.enabled(Control::pbk), true);
  EXPECT_EQ(t.shell.enabled(Control::C16), false);
  EXPECT_EQ(t.shell.enabled(Control::cpp), false);
  EXPECT_EQ(t.shell.beeps(), 2);
  EXPECT_EQ(p.canvas.markX, kNone);
}

TEST(Navigation, DirectionsGoAndTheBars) {
  StartedProgram t;
  Program& p = t.program;
  C9_Click(p);
  a5_Click(p);  // no direction used yet: "R", 31 times
  EXPECT_EQ(p.view.viewTurn, 45 + 31 * 8);
  EXPECT_EQ(p.view.viewTilt, 45);
  EXPECT_EQ(t.shell.presents[static_cast<std::size_t>(Control::D)], 31);
  FindClickHandler("a1")->operator()(p);  // up-left: tilt and turn back a step
  EXPECT_EQ(std::tuple(p.view.viewTilt, p.view.viewTurn, p.view.lastDirection),
            std::tuple(45 - 8, 293 - 8, 5));
  t.shell.SetValue(Control::cdd, 1);
  cdd_Change(p);
  FindClickHandler("C15")->operator()(p);  // "D"
  EXPECT_EQ(p.view.viewTilt, 38);
  t.shell.SetValue(Control::cqq, 150);
  const Image before = p.D.Snapshot();
  cqq_Change(p);
  EXPECT_EQ(p.view.viewCentre, 150);
  EXPECT_EQ(p.D.Snapshot(), before);  // the centre waits for the next redraw
  t.shell.SetValue(Control::cpp, 30);
  cpp_Change(p);
  EXPECT_EQ(p.view.viewSize, 30);
  // Steps that would carry an angle past the 16-bit range take a whole turn off instead.
  p.view.viewTurn = 32760;
  t.shell.SetValue(Control::cdd, 35);
  cdd_Change(p);
  StepView(p, 0);
  EXPECT_EQ(p.view.viewTurn, 32760 + 35 - 360);
}

TEST(Navigation, ThePointerTurnsAndClicksShift) {
  StartedProgram t;
  Program& p = t.program;
  C9_Click(p);
  D_MouseMove(p, 100, 50);
  EXPECT_EQ(std::tuple(p.view.viewTurn, p.view.viewTilt), std::tuple(53, 53));
  D_MouseMove(p, 180, 50);  // across only: the turn, one step however far
  EXPECT_EQ(std::tuple(p.view.viewTurn, p.view.viewTilt), std::tuple(61, 53));
  D_MouseMove(p, 180, 50);
  EXPECT_EQ(std::tuple(p.view.viewTurn, p.view.viewTilt), std::tuple(61, 53));
  D_MouseMove(p, 250, 180);
  const int beeps = t.shell.beeps();
  const Image shown = p.D.Snapshot();
  D_MouseDown(p, 260, 190);  // stops turning, no redraw, no shift
  EXPECT_EQ(p.view.trackOn, 0);
  EXPECT_EQ(p.D.Snapshot(), shown);
  D_MouseMove(p, 10, 10);
  EXPECT_EQ(p.view.viewTurn, 69);
  D_MouseDown(p, 300, 200);
  EXPECT_EQ(std::tuple(p.view.trackOn, p.view.panX, p.view.panY), std::tuple(1, 50, 20));
  EXPECT_EQ(t.shell.beeps(), beeps + 2);
}

TEST(ViewAttributes, RasterModesAndLineStyles) {
  StartedProgram t;
  Program& p = t.program;
  FillModel(p.tables);
  const std::pair<const char*, int16_t> modes[] = {{"not", 4},  {"xor", 7},    {"and", 11},
                                                   {"ncopy", 5}, {"Mask", 5},  {"nmask", 7},
                                                   {"nb", 1},    {"whitn", 16}, {"scopy", 13}};
  for (auto [item, mode] : modes) {
    FindClickHandler(item)->operator()(p);
    EXPECT_EQ(p.D.DrawMode(), mode) << item;
  }
  C9_Click(p);
  t.shell.SetValue(Control::Check1, 0);
  // In XOR, choosing the same line style twice draws the model and takes it off again.
  FindClickHandler("xor")->operator()(p);
  const Image before = p.D.Snapshot();
  FindClickHandler("thickl")->operator()(p);
  EXPECT_EQ(p.D.DrawWidth(), 2);
  EXPECT_NE(p.D.Snapshot(), before);
  FindClickHandler("thickl")->operator()(p);
  EXPECT_EQ(p.D.Snapshot(), before);
  // "And" leaves every pixel as it is.
  FindClickHandler("and")->operator()(p);
  FindClickHandler("emptyl")->operator()(p);
  EXPECT_EQ(p.D.Snapshot(), before);
}

TEST(ViewAttributes, TheClipboard) {
  StartedProgram t;
  Program& p = t.program;
  FillModel(p.tables);
  paste_Click(p);  // nothing on the clipboard: nothing changes
  EXPECT_TRUE(p.D.Picture().Empty());
  const Image picture{3, 2, {0xFF112233u, 0xFF445566u, 0xFF778899u, 0xFFAABBCCu, 0xFFDDEEFFu, 0xFF000001u}};
  t.shell.clipboard = picture;
  paste_Click(p);
  EXPECT_EQ(p.D.Picture(), picture);
  C9_Click(p);
  copy_Click(p);
  EXPECT_EQ(t.shell.clipboard, p.D.Snapshot());
  EXPECT_EQ(t.shell.clipboard.pixels[1], picture.pixels[1]);  // the picture is in the image
  cut_Click(p);
  EXPECT_EQ(t.shell.clipboard, picture);
  EXPECT_TRUE(p.D.Picture().Empty());
  EXPECT_EQ(p.D.Pixel(1, 0), kViewBackColour);
  cut_Click(p);  // no picture left: the clipboard is emptied
  EXPECT_TRUE(t.shell.clipboard.Empty());
}

}  // namespace
}  // namespace tova
