// The drawing surface and the 3D view drawn on it.
#include <gtest/gtest.h>

#include <array>
#include <functional>
#include <random>

#include "app/goto_2d.h"
#include "app/input.h"
#include "support/golden.h"
#include "support/test_program.h"
#include "view3d/navigation.h"
#include "view3d/projection.h"
#include "view3d/redraw.h"
#include "view3d/view_attributes.h"

namespace tova {
namespace {

using Draw = std::function<void(Surface&)>;
constexpr PenStyle kSolid = PenStyle::Solid, kDotted = PenStyle::Dotted;

Draw LineOf(int x1, int y1, int x2, int y2) { return [=](Surface& s) { s.Line(x1, y1, x2, y2); }; }
Draw CircleOf(int x, int y, int r) { return [=](Surface& s) { s.Circle(x, y, r, s.ForeColour()); }; }
Draw ArcOf(int x, int y, int r, int from, int to) {  // degrees, made radians with the program's rounded pi
  const auto rad = [](int d) { return static_cast<float>(d * 3.14159 / 180); };
  return [=](Surface& s) { s.Arc(x, y, r, rad(from), rad(to), s.ForeColour()); };
}

Surface Drawn(const Draw& draw, int width, PenStyle style, int16_t mode = kCopyPen, int side = 121) {
  Surface s(side, side, 0, 0xFFFFFF, mode);
  s.TrackDirtyBands();
  s.SetDrawWidth(width);
  s.SetDrawStyle(style);
  s.TakeDirtyRect(), s.TakeDirtyBands();
  draw(s);
  return s;
}

TEST(Surface, EveryRasterModeCombinesPenAndPixelAsItsNameSays) {
  const uint32_t pen = 0x0FCCCC, px = 0x3CAAAA;  // a different low byte for every mode
  const uint32_t want[] = {0, ~(pen | px), ~pen & px, ~pen, pen & ~px, ~px, pen ^ px, ~(pen & px),
                           pen & px, ~(pen ^ px), px, ~pen | px, pen, pen | ~px, pen | px, ~0u};
  for (int16_t mode : {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15, 16, 0, 17, -1}) {
    Surface s(8, 8, px, pen, kXorPen);
    s.SetDrawMode(mode);  // numbers that are no mode leave XOR
    s.Line(3, 4, 3, 4);
    const uint32_t drawn = 0xFF000000u | (want[mode >= 1 && mode <= 16 ? mode - 1 : 6] & 0xFFFFFF);
    EXPECT_EQ(std::pair(s.Bits()[35], s.Pixel(2, 4)), std::pair(drawn, px)) << mode;
  }
}

// Pictures in tests/golden/surface.txt, drawn in XOR so that a pixel drawn twice would show as a hole.
TEST(Surface, LinesCirclesAndArcsWithEachPenPixelForPixel) {
  const Surface::Segment vee[] = {{1, 9, 7, 4}, {7, 4, 13, 9}};
  const std::pair<std::string, Draw> kShapes[] = {
      {"line (0, 0)-(13, 4)", LineOf(0, 0, 13, 4)}, {"line (12, 9)-(8, 0)", LineOf(12, 9, 8, 0)},
      {"lines meeting at (7, 4), drawn as one shape", [&](Surface& s) { s.Lines(vee, s.ForeColour()); }},
      {"dot (3, 3)", LineOf(3, 3, 3, 3)}, {"circle radius 1", CircleOf(7, 4, 1)},
      {"circle radius 4", CircleOf(7, 4, 4)}, {"arc from 270 to 90", ArcOf(7, 4, 4, 270, 90)},
      {"arc from 90 to 90", ArcOf(7, 4, 4, 90, 90)}, {"arc from 200 to -90", ArcOf(7, 4, 4, 200, -90)}};
  std::vector<std::string> lines{"each with a thin, a wide, a dotted and a wide dotted pen"};
  for (const auto& [name, draw] : kShapes) {
    lines.push_back(name);
    const Surface pens[] = {Drawn(draw, 1, kSolid, kXorPen, 15), Drawn(draw, 2, kSolid, kXorPen, 15),
                            Drawn(draw, 1, kDotted, kXorPen, 15), Drawn(draw, 2, kDotted, kXorPen, 15)};
    for (int y = 0; y < 10; ++y) {
      std::string row;
      for (const Surface& s : pens)
        for (int x = 0; x <= 15; ++x) row += x == 15 ? ' ' : s.Pixel(x, y) ? '#' : '.';
      lines.push_back(row);
    }
  }
  testing::ExpectGolden("surface.txt", lines);
}

TEST(Surface, RandomShapesChangeEachPixelOnceAndOnlyInsideThePartsSaidToChange) {
  std::mt19937 rng(20240611);
  const auto pick = [&](int lo, int hi) { return std::uniform_int_distribution<int>(lo, hi)(rng); };
  for (int n = 0; n < 1500; ++n) {  // from one dot to larger than the surface, anywhere near it
    const int x = pick(-20, 140), y = pick(-20, 140), r = pick(0, 3) ? pick(0, 8) : pick(9, 200);
    const int dx = pick(-r, r), dy = pick(-r, r), a = pick(-400, 800), b = pick(0, 7) ? pick(-400, 800) : a;
    const Draw shapes[] = {LineOf(x, y, x + dx, y + dy), CircleOf(x, y, r), ArcOf(x, y, r, a, b)};
    const int width = 1 + n / 3 % 2, kind = n % 3;
    const PenStyle style = n / 6 % 2 ? kDotted : kSolid;
    Surface xored = Drawn(shapes[kind], width, style, kXorPen);
    const PixelRect box = xored.TakeDirtyRect();
    const std::vector<PixelRect> bands = xored.TakeDirtyBands();
    const Surface copy = Drawn(shapes[kind], width, style), circle = Drawn(shapes[1], width, style);
    ASSERT_EQ(xored.Snapshot(), copy.Snapshot()) << n;  // in XOR, no pixel of a shape is drawn twice
    for (int i = 0; i < 121 * 121; ++i) {  // and an arc's pixels are those of its circle
      const int px = i % 121, py = i / 121;
      const PixelRect& band = bands[static_cast<std::size_t>(py / Surface::kDirtyBandRows)];
      ASSERT_FALSE(copy.Pixel(px, py) && (px < box.left || px >= box.right || py < box.top ||
                                          py >= box.bottom || (kind == 2 && !circle.Pixel(px, py)) ||
                                          px < band.left || px >= band.right || py < band.top || py >= band.bottom))
          << n << ": " << px << ", " << py;
    }
  }
}

struct View3D : ::testing::Test, testing::StartedProgram {
  Program& p = program;
  View3D() {  // a line unit: front-view segment (30, 40)-(120, 90), top-view one (30, 250)-(120, 330)
    p.tables.lineTable[0] = {30, 40, 120, 90, 0, kRowLive};
    p.tables.lineTable[1] = {30, 250, 120, 330, 0, kRowLive};
    p.tables.unitTable[0] = {LineRef(0), LineRef(1), LineRef(1), kRowLive};
  }
  int Shapes(const std::function<void()>& act) {  // how many shapes it draws in the view
    const int64_t before = p.D.ShapesDrawn();
    return act(), static_cast<int>(p.D.ShapesDrawn() - before);
  }
};

TEST_F(View3D, ProjectsAsWorkedOutByHandAndDrawsCirclesAsChainsOf15DegreesAndRelationsEvery30) {
  const struct { int16_t tilt, turn, size, centre; ModelPoint m; ScreenPoint want; } kProjections[] = {
      {0, 0, 10, 0, {100, 50, 30}, {115, 185}}, {90, 0, 10, 0, {100, 50, 30}, {115, 265}},
      {0, 90, 10, 0, {100, 50, 30}, {265, 185}}, {30, 60, 14, 100, {40, -70, 180}, {51, 22}},
      {-20, 200, 25, 50, {-150, 120, -60}, {-315, 471}}, {0, 0, 50, 0, {-32768, 0, 32767}, {32767, -32768}}};
  for (const auto& c : kProjections) {
    p.view = {.viewTilt = c.tilt, .viewTurn = c.turn, .viewSize = c.size, .viewCentre = c.centre};
    RedrawView(p);  // which turns the view's angles into its matrix
    EXPECT_EQ(ProjectPoint(p, c.m), c.want) << "tilt " << c.tilt << " turn " << c.turn;
  }
  Tables& tb = p.tables;
  tb.lineTable[2] = {300, 60, 300, 140, 0, kRowLive};  // the depth, from the side view
  tb.circleTable[0] = {150, 100, 40, 300, 60, 0, kRowLive};
  tb.circleTable[1] = {150, 100, 40, 0, 359, 0, kRowLive};
  tb.circleTable[2] = {150, 100, 40, 0, 90, 0, kRowLive};
  for (int16_t i : {1, 2}) tb.unitTable[i] = {CircleRef(i - 1), LineRef(2), LineRef(2), kRowLive};
  EXPECT_EQ(Shapes([&] { DrawCircleUnit(p, 1); }), 10);  // 300-300, 300-315, ..., 405-420, 420-420
  EXPECT_EQ(Shapes([&] { DrawCircleUnit(p, 2); }), 25);  // 0-0, 0-15, ..., 330-345, 345-359
  for (auto [from, to, lines] : {std::array<int16_t, 3>{1, 1, 12}, {0, 0, 5}, {0, 2, 3}, {2, 0, 3}}) {
    tb.relationTable[0] = {0, 0, 0, 0, from, to, 2, 2, kRowLive};  // lines every 30 degrees on both circles
    EXPECT_EQ(Shapes([&] { DrawRelationSurface(p, 0); }), lines) << from << " to " << to;
  }
}

TEST_F(View3D, ButtonsBarsAndThePointerTurnShiftAndResizeTheViewAndANewBackgroundClearsIt) {
  p.canvas.markX = p.canvas.markY = 20;
  const auto bar = [&](Control c, int16_t v, void (*change)(Program&)) { shell.SetValue(c, v), change(p); };
  const std::pair<std::function<void()>, std::array<int, 9>> kSteps[] = {
      // tilt, turn, size, centre, last direction, turning, shift x and y, and shapes drawn
      {[&] { C9_Click(p); }, {45, 45, 14, 100, 0, 1, 0, 0, 1}},
      {[&] { D_MouseMove(p, 100, 50); }, {53, 53, 14, 100, 0, 1, 0, 0, 1}},  // one step however far
      {[&] { D_MouseMove(p, 100, 50); }, {53, 53, 14, 100, 0, 1, 0, 0, 1}},
      {[&] { D_MouseMove(p, 90, 40); }, {45, 45, 14, 100, 0, 1, 0, 0, 1}},
      {[&] { D_MouseDown(p, 260, 190), D_MouseMove(p, 9, 9); }, {45, 45, 14, 100, 0, 0, 0, 0, 0}},  // stops
      {[&] { D_MouseDown(p, 300, 200); }, {45, 45, 14, 100, 0, 1, 210, 160, 1}},  // from the last position
      {[&] { D_MouseDown(p, 0, 0), D_MouseDown(p, 175, 45); }, {45, 45, 14, 100, 0, 1, 85, 5, 1}},
      {[&] { a5_Click(p); }, {45, 293, 14, 100, 0, 1, 85, 5, 31}},  // "GO": 31 steps the last way
      {[&] { HandleInput(p, {InputKind::Click, "a1"}); }, {37, 285, 14, 100, 5, 1, 85, 5, 1}},
      {[&] { bar(Control::cdd, 1, cdd_Change), StepView(p, 2); }, {38, 285, 14, 100, 2, 1, 85, 5, 1}},
      {[&] { bar(Control::cqq, 150, cqq_Change); }, {38, 285, 14, 150, 2, 1, 85, 5, 0}},
      {[&] { bar(Control::cpp, 30, cpp_Change); }, {38, 285, 30, 150, 2, 1, 85, 5, 1}},
      {[&] { C16_Click(p), C9_Click(p); }, {45, 45, 30, 150, 2, 1, 0, 0, 1}},
  };
  for (const auto& [act, want] : kSteps) {
    const int shapes = Shapes(act);
    const ViewVars& v = p.view;
    EXPECT_EQ((std::array<int, 9>{v.viewTilt, v.viewTurn, v.viewSize, v.viewCentre, v.lastDirection,
                                  v.trackOn, v.panX, v.panY, shapes}), want) << &act - &kSteps[0].first;
  }
  EXPECT_EQ(std::pair(p.canvas.markX, p.canvas.markY), std::pair(kNone, kNone));  // gone when the view closed
  shell.SetValue(Control::Check1, 0);  // "CLS" clear: a redraw draws over the last view, yet a new
  EXPECT_EQ(Shapes([&] { SetViewBackColour(p, 4); }), 1);  // background colour clears it all the same
  EXPECT_EQ(p.D.Pixel(200, 200), ColourNumber(4));
}

}  // namespace
}  // namespace tova
