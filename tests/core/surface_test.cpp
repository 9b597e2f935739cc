#include "platform/surface.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <functional>
#include <numbers>
#include <random>
#include <set>
#include <sstream>
#include <string>
#include <utility>

namespace tova {
namespace {

using Pixels = std::set<std::pair<int, int>>;
using Draw = std::function<void(Surface&)>;

struct Pen {
  int width = 1;
  PenStyle style = PenStyle::Solid;
};

// Degrees as the program turns them into radians, with its rounded value of pi.
float Radians(double degrees) { return static_cast<float>(degrees * 3.14159 / 180); }

Draw LineOf(int x1, int y1, int x2, int y2) {
  return [=](Surface& s) { s.Line(x1, y1, x2, y2); };
}
Draw CircleOf(int cx, int cy, int r) {
  return [=](Surface& s) { s.Circle(cx, cy, r, s.ForeColour()); };
}
Draw ArcOf(int cx, int cy, int r, float start, float end) {
  return [=](Surface& s) { s.Arc(cx, cy, r, start, end, s.ForeColour()); };
}

// The pixels a drawing touches: drawn in white on black with the given pen.
Pixels Touched(const Draw& draw, Pen pen = {}, int w = 64, int h = 48) {
  Surface s(w, h, 0x000000, 0xFFFFFF, kCopyPen);
  s.SetDrawWidth(pen.width);
  s.SetDrawStyle(pen.style);
  draw(s);
  Pixels p;
  for (int y = 0; y < h; ++y)
    for (int x = 0; x < w; ++x)
      if (s.Pixel(x, y) != 0) p.insert({x, y});
  return p;
}

// The values, space-separated, for failure messages.
template <typename... T>
std::string Str(const T&... v) {
  std::ostringstream out;
  ((out << v << ' '), ...);
  return out.str();
}

// The pixels of p whose offset from (cx, cy) passes keep.
template <typename Keep>
Pixels Where(const Pixels& p, int cx, int cy, Keep keep) {
  Pixels out;
  for (auto [x, y] : p)
    if (keep(x - cx, y - cy)) out.insert({x, y});
  return out;
}

TEST(RasterMode, EveryModeCombinesPenAndPixelAsItsNameSays) {
  using Fn = uint32_t (*)(uint32_t pen, uint32_t px);
  const Fn meaning[17] = {
      nullptr,
      [](uint32_t, uint32_t) { return 0u; },
      [](uint32_t p, uint32_t d) { return ~(p | d); },
      [](uint32_t p, uint32_t d) { return ~p & d; },
      [](uint32_t p, uint32_t) { return ~p; },
      [](uint32_t p, uint32_t d) { return p & ~d; },
      [](uint32_t, uint32_t d) { return ~d; },
      [](uint32_t p, uint32_t d) { return p ^ d; },
      [](uint32_t p, uint32_t d) { return ~(p & d); },
      [](uint32_t p, uint32_t d) { return p & d; },
      [](uint32_t p, uint32_t d) { return ~(p ^ d); },
      [](uint32_t, uint32_t d) { return d; },
      [](uint32_t p, uint32_t d) { return ~p | d; },
      [](uint32_t p, uint32_t) { return p; },
      [](uint32_t p, uint32_t d) { return p | ~d; },
      [](uint32_t p, uint32_t d) { return p | d; },
      [](uint32_t, uint32_t) { return ~0u; },
  };
  // 0xCC on 0xAA gives a different byte for every mode; the second pair varies per channel.
  const std::pair<uint32_t, uint32_t> cases[] = {{0xCCCCCC, 0xAAAAAA}, {0x0FF05A, 0x3C96A5}};
  for (auto [pen, back] : cases) {
    for (int16_t mode = 1; mode <= 16; ++mode) {
      Surface s(8, 8, back, pen, kCopyPen);
      s.SetDrawMode(mode);
      ASSERT_EQ(s.DrawMode(), mode);
      s.Line(3, 4, 3, 4);
      const uint32_t want = meaning[mode](pen, back) & 0xFFFFFF;
      EXPECT_EQ(ApplyRasterMode(mode, pen, back), want) << "mode " << mode;
      EXPECT_EQ(s.Pixel(3, 4), want) << "mode " << mode << " pen " << std::hex << pen;
      EXPECT_EQ(s.Bits()[4 * 8 + 3], 0xFF000000u | want) << "mode " << mode;
      EXPECT_EQ(s.Pixel(2, 4), back) << "mode " << mode;
      EXPECT_EQ(s.Pixel(3, 5), back) << "mode " << mode;
    }
  }
}

TEST(RasterMode, NumbersOutsideOneToSixteenAreIgnored) {
  Surface s(4, 4, 0, 0xFFFFFF, kCopyPen);
  s.SetDrawMode(kXorPen);
  for (int16_t bad : {0, 17, -1, -7, 255, INT16_MIN, INT16_MAX}) {
    s.SetDrawMode(bad);
    EXPECT_EQ(s.DrawMode(), kXorPen) << bad;
  }
}

// A random shape and pen, described for failure messages.
struct Shape {
  Draw draw;
  Pen pen;
  std::string text;
};

Shape RandomShape(std::mt19937& rng) {
  auto pick = [&](int lo, int hi) { return std::uniform_int_distribution<int>(lo, hi)(rng); };
  auto angle = [&] { return std::uniform_real_distribution<float>(-7.0f, 14.0f)(rng); };
  Pen pen{pick(1, 2), pick(0, 1) ? PenStyle::Dotted : PenStyle::Solid};
  const std::string text = Str("width", pen.width, pen.style == PenStyle::Dotted ? "dotted" : "");
  const int kind = pick(0, 2);
  if (kind == 0) {
    int x1 = pick(-20, 84), y1 = pick(-20, 68), x2 = pick(-20, 84), y2 = pick(-20, 68);
    if (pick(0, 7) == 0) x2 = x1, y2 = y1;                    // a single dot
    if (pick(0, 7) == 0) y1 = -pick(1, 9), y2 = -pick(1, 9);  // wholly above the surface
    return {LineOf(x1, y1, x2, y2), pen, Str(text, "line", x1, y1, x2, y2)};
  }
  const int band = pick(0, 4);  // small, middling or larger than the surface
  const int r = band < 2 ? pick(1, 5) : band < 4 ? pick(6, 40) : pick(60, 200);
  const int cx = pick(-10, 74), cy = pick(-10, 58);
  if (kind == 1) return {CircleOf(cx, cy, r), pen, Str(text, "circle", cx, cy, r)};
  const float a = angle(), b = pick(0, 7) == 0 ? a : angle();
  return {ArcOf(cx, cy, r, a, b), pen, Str(text, "arc", cx, cy, r, a, b)};
}

TEST(SurfaceXor, DrawingAnyShapeTwiceRestoresEveryPixel) {
  // A background that varies from pixel to pixel, so a pixel missed or hit twice would show.
  Image back{64, 48, {}};
  for (uint32_t i = 0; i < 64 * 48; ++i) back.pixels.push_back((i * 2654435761u) >> 8);
  std::mt19937 rng(20240611);
  for (int n = 0; n < 1500; ++n) {
    const Shape shape = RandomShape(rng);
    const Pixels expected = Touched(shape.draw, shape.pen);
    const Rgb pen = std::uniform_int_distribution<uint32_t>(1, 0xFFFFFF)(rng);
    Surface s(64, 48, 0, pen, kXorPen);
    s.SetPicture(back);
    s.Clear();
    s.SetDrawWidth(shape.pen.width);
    s.SetDrawStyle(shape.pen.style);
    const Image before = s.Snapshot();

    shape.draw(s);
    int wrong = 0;
    for (int y = 0; y < 48; ++y)
      for (int x = 0; x < 64; ++x) {
        const Rgb was = before.pixels[y * 64 + x] & 0xFFFFFF;
        wrong += s.Pixel(x, y) != (expected.count({x, y}) ? was ^ pen : was);
      }
    EXPECT_EQ(wrong, 0) << shape.text;
    shape.draw(s);
    ASSERT_TRUE(s.Snapshot() == before) << shape.text;
  }
}

TEST(SurfaceLine, BresenhamRunBetweenBothEndPoints) {
  std::mt19937 rng(7);
  std::uniform_int_distribution<int> x(0, 63), y(0, 47);
  for (int n = 0; n < 300; ++n) {
    const int x1 = x(rng), y1 = y(rng), x2 = x(rng), y2 = y(rng);
    const Pixels p = Touched(LineOf(x1, y1, x2, y2));
    const std::string at = Str(x1, y1, x2, y2);
    EXPECT_TRUE(p.count({x1, y1}) && p.count({x2, y2})) << at;
    // One pixel per step along the major axis, each within half a pixel of the true line.
    const int dx = x2 - x1, dy = y2 - y1;
    ASSERT_EQ(p.size(), std::max(std::abs(dx), std::abs(dy)) + 1u) << at;
    for (auto [px, py] : p) {
      const double off = std::abs(dx) >= std::abs(dy)
                             ? py - (y1 + double(dy) * (px - x1) / (dx ? dx : 1))
                             : px - (x1 + double(dx) * (py - y1) / dy);
      EXPECT_LE(std::abs(off), 0.5) << at << " pixel " << px << "," << py;
    }
  }
  EXPECT_EQ(Touched(LineOf(5, 6, 5, 6)), (Pixels{{5, 6}}));
}

TEST(SurfaceLine, StraightLinesHaveExactlyTheirPixels) {
  Pixels row, column, diagonal, anti;
  for (int i = 0; i <= 7; ++i) {
    row.insert({2 + i, 5});
    column.insert({4, 1 + i});
    diagonal.insert({1 + i, 1 + i});
    anti.insert({8 - i, 1 + i});
  }
  EXPECT_EQ(Touched(LineOf(2, 5, 9, 5)), row);
  EXPECT_EQ(Touched(LineOf(9, 5, 2, 5)), row);
  EXPECT_EQ(Touched(LineOf(4, 1, 4, 8)), column);
  EXPECT_EQ(Touched(LineOf(4, 8, 4, 1)), column);
  EXPECT_EQ(Touched(LineOf(1, 1, 8, 8)), diagonal);
  EXPECT_EQ(Touched(LineOf(8, 8, 1, 1)), diagonal);
  EXPECT_EQ(Touched(LineOf(8, 1, 1, 8)), anti);
}

TEST(SurfaceLine, WidePenAddsARunBelowOrToTheRight) {
  const int lines[][4] = {{2, 5, 20, 9},   {20, 9, 2, 5},   {3, 30, 40, 2},  {5, 5, 12, 12},
                          {10, 2, 14, 30}, {14, 30, 10, 2}, {30, 40, 25, 3}, {7, 7, 7, 7}};
  for (const auto& l : lines) {
    const Pixels thin = Touched(LineOf(l[0], l[1], l[2], l[3]));
    const bool xMajor = std::abs(l[2] - l[0]) >= std::abs(l[3] - l[1]);
    Pixels expected = thin;
    for (auto [x, y] : thin) expected.insert(xMajor ? std::pair{x, y + 1} : std::pair{x + 1, y});
    EXPECT_EQ(Touched(LineOf(l[0], l[1], l[2], l[3]), {2}), expected)
        << l[0] << "," << l[1] << " " << l[2] << "," << l[3];
  }
}

TEST(SurfaceLine, DottedPenDrawsThreeOnThreeOffFromTheStart) {
  const Pen dotted{1, PenStyle::Dotted};
  Pixels right, left, up;
  for (int i = 0; i <= 20; ++i) {
    if (i % 6 >= 3) continue;
    right.insert({i, 3});
    left.insert({20 - i, 3});
    up.insert({5, 20 - i});
  }
  EXPECT_EQ(Touched(LineOf(0, 3, 20, 3), dotted), right);
  EXPECT_EQ(Touched(LineOf(20, 3, 0, 3), dotted), left);
  EXPECT_EQ(Touched(LineOf(5, 20, 5, 0), dotted), up);
  // A sloping line keeps the pattern along its steps.
  const Pixels solid = Touched(LineOf(1, 2, 40, 17)), dots = Touched(LineOf(1, 2, 40, 17), dotted);
  EXPECT_TRUE(std::includes(solid.begin(), solid.end(), dots.begin(), dots.end()));
  EXPECT_EQ(dots.size(), 21u);  // 40 pixels: six whole periods and one more run
  EXPECT_TRUE(dots.count({1, 2}));
}

TEST(SurfaceCircle, RadiusZeroOrLessDrawsNothing) {
  for (int r : {0, -1, -20}) {
    EXPECT_TRUE(Touched(CircleOf(10, 10, r)).empty()) << r;
    EXPECT_TRUE(Touched(ArcOf(10, 10, r, 0, Radians(90)), {2}).empty()) << r;
    // Erasing a rubber band of radius 0 in XOR leaves no dot behind.
    Surface s(20, 20, 0x123456, 0xFFFFFF, kXorPen);
    s.TakeDirtyRect();
    s.Circle(10, 10, r, 0xFFFFFF);
    EXPECT_EQ(s.Pixel(10, 10), 0x123456u);
    EXPECT_TRUE(s.TakeDirtyRect().Empty());
  }
  EXPECT_EQ(Touched(CircleOf(10, 10, 1)), (Pixels{{11, 10}, {9, 10}, {10, 9}, {10, 11}}));
}

TEST(SurfaceCircle, PixelsLieOnTheRadiusSymmetricallyAndWidePensGoOutward) {
  const int c = 100;
  for (int r = 1; r <= 90; ++r) {
    const Pixels thin = Touched(CircleOf(c, c, r), {}, 201, 201);
    for (auto [x, y] : thin) {
      const int dx = x - c, dy = y - c;
      EXPECT_LE(std::abs(std::hypot(dx, dy) - r), 0.5) << "r " << r;
      for (auto [mx, my] : {std::pair{dx, dy}, {dy, dx}})
        for (int sx : {-1, 1})
          for (int sy : {-1, 1})
            EXPECT_TRUE(thin.count({c + sx * mx, c + sy * my}))
                << "r " << r << " " << dx << "," << dy;
    }
    const Pixels wide = Touched(CircleOf(c, c, r), {2}, 201, 201);
    EXPECT_TRUE(std::includes(wide.begin(), wide.end(), thin.begin(), thin.end())) << "r " << r;
    for (auto [x, y] : wide) {
      if (thin.count({x, y})) continue;
      const double d = std::hypot(x - c, y - c);
      EXPECT_TRUE(d > r && d <= r + 1.5) << "r " << r << " pixel " << x - c << "," << y - c;
    }
  }
}

TEST(SurfaceArc, PixelsAreAlwaysPartOfTheSameCircle) {
  std::mt19937 rng(99);
  std::uniform_real_distribution<float> angle(-9.0f, 16.0f);
  std::uniform_int_distribution<int> radius(1, 30);
  for (int n = 0; n < 400; ++n) {
    const Pen pen{1 + n % 2, n % 4 < 2 ? PenStyle::Solid : PenStyle::Dotted};
    const int r = radius(rng);
    const float a = angle(rng), b = n % 10 == 0 ? a : angle(rng);
    const Pixels arc = Touched(ArcOf(32, 24, r, a, b), pen);
    const Pixels circle = Touched(CircleOf(32, 24, r), pen);
    EXPECT_TRUE(std::includes(circle.begin(), circle.end(), arc.begin(), arc.end()))
        << "r " << r << " from " << a << " to " << b << " width " << pen.width;
  }
}

TEST(SurfaceArc, AnglesRunCounterClockwiseFromThreeOClock) {
  using Keep = bool (*)(int dx, int dy);
  constexpr double kPi = std::numbers::pi;
  const struct {
    float start, end;
    Keep keep;
  } arcs[] = {
      // Up is y decreasing on screen.
      {0, Radians(90), [](int dx, int dy) { return dx >= 0 && dy <= 0; }},
      {Radians(270), Radians(90), [](int dx, int) { return dx >= 0; }},  // wraps through 0
      {Radians(90), Radians(270), [](int dx, int) { return dx <= 0; }},
      {0, Radians(360), [](int, int) { return true; }},
      // Whole turns either way name the same angles.
      {float(-kPi / 2), 0, [](int dx, int dy) { return dx >= 0 && dy >= 0; }},
      {float(-kPi), float(-kPi / 2), [](int dx, int dy) { return dx <= 0 && dy >= 0; }},
      {float(5 * kPi / 2), float(3 * kPi), [](int dx, int dy) { return dx <= 0 && dy <= 0; }},
  };
  const int c = 60;
  for (int r = 1; r <= 50; ++r) {
    const Pixels circle = Touched(CircleOf(c, c, r), {}, 121, 121);
    // The ends given through the rounded pi still take the pixels lying exactly on them.
    const Pixels quarter = Touched(ArcOf(c, c, r, 0, Radians(90)), {}, 121, 121);
    EXPECT_TRUE(quarter.count({c + r, c}) && quarter.count({c, c - r})) << "r " << r;
    for (const auto& a : arcs)
      EXPECT_EQ(Touched(ArcOf(c, c, r, a.start, a.end), {}, 121, 121), Where(circle, c, c, a.keep))
          << "r " << r << " from " << a.start << " to " << a.end;
  }
}

TEST(SurfaceClear, FillsWithTheBackColourThenPaintsThePictureTopLeft) {
  Surface s(10, 8, 0x112233, 0xFFFFFF, kCopyPen);
  Image small{4, 3, {}};
  for (uint32_t i = 0; i < 12; ++i) small.pixels.push_back(0x010203 * (i + 1));
  s.SetPicture(small);
  EXPECT_EQ(s.Pixel(0, 0), 0x112233u);  // not until the next Clear
  s.SetBackColour(0x445566);
  s.Clear();
  for (int y = 0; y < 8; ++y)
    for (int x = 0; x < 10; ++x) {
      const Rgb want = x < 4 && y < 3 ? small.pixels[y * 4 + x] : 0x445566;
      EXPECT_EQ(s.Bits()[y * 10 + x], 0xFF000000u | want) << x << "," << y;
    }
  // A picture bigger than the surface is cut off at the right and bottom.
  Image big{15, 12, {}};
  for (uint32_t i = 0; i < 15 * 12; ++i) big.pixels.push_back(0x7F000000u | (i * 977));
  s.SetPicture(big);
  s.Clear();
  for (int y = 0; y < 8; ++y)
    for (int x = 0; x < 10; ++x)
      EXPECT_EQ(s.Bits()[y * 10 + x], 0xFF000000u | (big.pixels[y * 15 + x] & 0xFFFFFF));
}

std::array<int, 4> Box(const PixelRect& r) { return {r.left, r.top, r.right, r.bottom}; }

TEST(SurfaceDirtyRect, ReportsTheChangedAreaOnce) {
  Surface s(30, 20, 0, 0xFFFFFF, kCopyPen);
  EXPECT_EQ(Box(s.TakeDirtyRect()), (std::array{0, 0, 30, 20}));  // the first Clear
  EXPECT_TRUE(s.TakeDirtyRect().Empty());
  s.Line(3, 4, 10, 8);
  EXPECT_EQ(Box(s.TakeDirtyRect()), (std::array{3, 4, 11, 9}));
  s.Line(-5, 2, 5, 2);
  s.Circle(25, 15, 3, 0xFF0000);
  EXPECT_EQ(Box(s.TakeDirtyRect()), (std::array{0, 2, 29, 19}));
  s.Line(-5, -5, -1, -9);
  s.Circle(100, 100, 10, 0xFF0000);
  EXPECT_TRUE(s.TakeDirtyRect().Empty());
  s.Clear();
  EXPECT_EQ(Box(s.TakeDirtyRect()), (std::array{0, 0, 30, 20}));
  EXPECT_TRUE(s.TakeDirtyRect().Empty());
}

}  // namespace
}  // namespace tova
