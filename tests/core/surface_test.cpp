#include "platform/surface.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cmath>
#include <functional>
#include <random>
#include <set>
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

Draw LineOf(int x1, int y1, int x2, int y2) { return [=](Surface& s) { s.Line(x1, y1, x2, y2); }; }
Draw CircleOf(int cx, int cy, int r) { return [=](Surface& s) { s.Circle(cx, cy, r, s.ForeColour()); }; }
Draw ArcOf(int cx, int cy, int r, float a, float b) {
  return [=](Surface& s) { s.Arc(cx, cy, r, a, b, s.ForeColour()); };
}

// The pixels a drawing touches, drawn in white on black with the given pen.
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

bool Includes(const Pixels& outer, const Pixels& inner) {
  return std::includes(outer.begin(), outer.end(), inner.begin(), inner.end());
}

TEST(RasterMode, EveryModeCombinesPenAndPixelAsItsNameSays) {
  using Fn = uint32_t (*)(uint32_t pen, uint32_t px);
  const Fn meaning[17] = {
      nullptr,
      [](uint32_t, uint32_t) { return 0u; },           [](uint32_t p, uint32_t d) { return ~(p | d); },
      [](uint32_t p, uint32_t d) { return ~p & d; },   [](uint32_t p, uint32_t) { return ~p; },
      [](uint32_t p, uint32_t d) { return p & ~d; },   [](uint32_t, uint32_t d) { return ~d; },
      [](uint32_t p, uint32_t d) { return p ^ d; },    [](uint32_t p, uint32_t d) { return ~(p & d); },
      [](uint32_t p, uint32_t d) { return p & d; },    [](uint32_t p, uint32_t d) { return ~(p ^ d); },
      [](uint32_t, uint32_t d) { return d; },          [](uint32_t p, uint32_t d) { return ~p | d; },
      [](uint32_t p, uint32_t) { return p; },          [](uint32_t p, uint32_t d) { return p | ~d; },
      [](uint32_t p, uint32_t d) { return p | d; },    [](uint32_t, uint32_t) { return ~0u; },
  };
  // 0xCC on 0xAA gives a different byte for every mode; the second pair varies per channel.
  for (auto [pen, back] : {std::pair{0xCCCCCCu, 0xAAAAAAu}, std::pair{0x0FF05Au, 0x3C96A5u}}) {
    for (int16_t mode = 1; mode <= 16; ++mode) {
      Surface s(8, 8, back, pen, kCopyPen);
      s.SetDrawMode(mode);
      s.Line(3, 4, 3, 4);
      const uint32_t want = meaning[mode](pen, back) & 0xFFFFFF;
      EXPECT_EQ(s.Bits()[4 * 8 + 3], 0xFF000000u | want) << "mode " << mode;
      EXPECT_EQ(s.Pixel(2, 4), back) << "mode " << mode;
    }
  }
  Surface s(4, 4, 0, 0xFFFFFF, kXorPen);
  for (int16_t bad : {0, 17, -1, INT16_MAX}) s.SetDrawMode(bad);
  EXPECT_EQ(s.DrawMode(), kXorPen);
}

TEST(SurfaceXor, EveryPixelOfAShapeIsHitOnceSoDrawingTwiceRestoresIt) {
  // A background that varies from pixel to pixel, so a pixel missed or hit twice would show.
  Image back{64, 48, {}};
  for (uint32_t i = 0; i < 64 * 48; ++i) back.pixels.push_back((i * 2654435761u) >> 8);
  std::mt19937 rng(20240611);
  auto pick = [&](int lo, int hi) { return std::uniform_int_distribution<int>(lo, hi)(rng); };
  auto angle = [&] { return std::uniform_real_distribution<float>(-7.0f, 14.0f)(rng); };
  for (int n = 0; n < 1500; ++n) {
    const Pen pen{pick(1, 2), pick(0, 1) ? PenStyle::Dotted : PenStyle::Solid};
    // Lines (some single dots, some off the surface), and circles and arcs from tiny to larger
    // than the surface, centred anywhere near it.
    const int x1 = pick(-20, 84), y1 = pick(-20, 68), r = pick(0, 4) < 2 ? pick(1, 5) : pick(6, 200);
    const int x2 = pick(0, 7) ? pick(-20, 84) : x1, y2 = pick(0, 7) ? pick(-20, 68) : y1;
    const float a = angle(), b = pick(0, 7) ? angle() : a;
    const Draw shapes[] = {LineOf(x1, y1, x2, y2), CircleOf(x1, y1, r), ArcOf(x1, y1, r, a, b)};
    const Draw& draw = shapes[n % 3];
    const std::string what = std::to_string(n % 3) + " at " + std::to_string(x1) + "," +
                             std::to_string(y1) + " r " + std::to_string(r);

    const Pixels expected = Touched(draw, pen);
    const Rgb colour = std::uniform_int_distribution<uint32_t>(1, 0xFFFFFF)(rng);
    Surface s(64, 48, 0, colour, kXorPen);
    s.SetPicture(back);
    s.Clear();
    s.SetDrawWidth(pen.width);
    s.SetDrawStyle(pen.style);
    const Image before = s.Snapshot();
    draw(s);
    int wrong = 0;
    for (int y = 0; y < 48; ++y)
      for (int x = 0; x < 64; ++x) {
        const Rgb was = before.pixels[y * 64 + x] & 0xFFFFFF;
        wrong += s.Pixel(x, y) != (expected.count({x, y}) ? was ^ colour : was);
      }
    EXPECT_EQ(wrong, 0) << what;
    draw(s);
    ASSERT_TRUE(s.Snapshot() == before) << what;
  }
}

TEST(SurfaceLine, BresenhamRunBetweenBothEndPoints) {
  std::mt19937 rng(7);
  std::uniform_int_distribution<int> x(0, 63), y(0, 47);
  for (int n = 0; n < 300; ++n) {
    const int x1 = x(rng), y1 = y(rng), x2 = x(rng), y2 = y(rng);
    const Pixels p = Touched(LineOf(x1, y1, x2, y2));
    EXPECT_TRUE(p.count({x1, y1}) && p.count({x2, y2}));
    // One pixel per step along the major axis, each within half a pixel of the true line.
    const int dx = x2 - x1, dy = y2 - y1;
    ASSERT_EQ(p.size(), std::max(std::abs(dx), std::abs(dy)) + 1u);
    for (auto [px, py] : p) {
      const double off = std::abs(dx) >= std::abs(dy)
                             ? py - (y1 + double(dy) * (px - x1) / (dx ? dx : 1))
                             : px - (x1 + double(dx) * (py - y1) / dy);
      EXPECT_LE(std::abs(off), 0.5) << x1 << "," << y1 << " " << x2 << "," << y2;
    }
  }
  EXPECT_EQ(Touched(LineOf(5, 6, 5, 6)), (Pixels{{5, 6}}));
}

TEST(SurfaceLine, WidePenAddsARunBelowOrToTheRightAndDottedPenSkipsThreeInSix) {
  for (const auto& l : {std::array{2, 5, 20, 9}, {20, 9, 2, 5}, {5, 5, 12, 12}, {14, 30, 10, 2}}) {
    const Pixels thin = Touched(LineOf(l[0], l[1], l[2], l[3]));
    const bool xMajor = std::abs(l[2] - l[0]) >= std::abs(l[3] - l[1]);
    Pixels expected = thin;
    for (auto [x, y] : thin) expected.insert(xMajor ? std::pair{x, y + 1} : std::pair{x + 1, y});
    EXPECT_EQ(Touched(LineOf(l[0], l[1], l[2], l[3]), {2}), expected) << l[0] << "," << l[1];
  }
  Pixels dots;
  for (int i = 0; i <= 20; ++i) {
    if (i % 6 < 3) dots.insert({20 - i, 3});
  }
  EXPECT_EQ(Touched(LineOf(20, 3, 0, 3), {1, PenStyle::Dotted}), dots);
}

TEST(SurfaceLine, LinesDrawnAsOneShapeMeetInOnePixel) {
  Surface s(20, 20, 0x000000, 0xFFFFFF, kXorPen);
  const Surface::Segment corner[] = {{2, 10, 10, 10}, {10, 10, 10, 2}, {10, 10, 15, 15}};
  s.Lines(corner, 0x0000FF);
  EXPECT_EQ(s.Pixel(10, 10), 0x0000FFu);  // three lines meet here, drawn once
  EXPECT_EQ(s.Pixel(2, 10), 0x0000FFu);
  s.Lines(corner, 0x0000FF);
  EXPECT_EQ(s.Snapshot(), Surface(20, 20, 0x000000, 0, kXorPen).Snapshot());
}

TEST(SurfaceCircle, RadiusZeroOrLessDrawsNothing) {
  for (int r : {0, -1}) {
    EXPECT_TRUE(Touched(CircleOf(10, 10, r)).empty()) << r;
    EXPECT_TRUE(Touched(ArcOf(10, 10, r, 0, Radians(90)), {2}).empty()) << r;
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
          for (int sy : {-1, 1}) EXPECT_TRUE(thin.count({c + sx * mx, c + sy * my})) << "r " << r;
    }
    const Pixels wide = Touched(CircleOf(c, c, r), {2}, 201, 201);
    EXPECT_TRUE(Includes(wide, thin)) << "r " << r;
    for (auto [x, y] : wide) {
      const double d = std::hypot(x - c, y - c);
      EXPECT_TRUE(thin.count({x, y}) || (d > r && d <= r + 1.5)) << "r " << r;
    }
  }
}

TEST(SurfaceArc, AnArcIsPartOfItsCircleRunningCounterClockwiseFromThreeOClock) {
  std::mt19937 rng(99);
  std::uniform_real_distribution<float> angle(-9.0f, 16.0f);
  for (int n = 0; n < 400; ++n) {
    const Pen pen{1 + n % 2, n % 4 < 2 ? PenStyle::Solid : PenStyle::Dotted};
    const int r = 1 + n % 30;
    const float a = angle(rng), b = n % 10 == 0 ? a : angle(rng);
    EXPECT_TRUE(Includes(Touched(CircleOf(32, 24, r), pen), Touched(ArcOf(32, 24, r, a, b), pen)))
        << "r " << r << " from " << a << " to " << b;
  }
  // Up is y decreasing on screen; an end below the start wraps through 0.
  const struct {
    double start, end;
    bool (*keep)(int dx, int dy);
  } arcs[] = {
      {0, 90, [](int dx, int dy) { return dx >= 0 && dy <= 0; }},
      {270, 90, [](int dx, int) { return dx >= 0; }},
      {90, 270, [](int dx, int) { return dx <= 0; }},
      {0, 360, [](int, int) { return true; }},
      {-90, 0, [](int dx, int dy) { return dx >= 0 && dy >= 0; }},
  };
  const int c = 60;
  for (int r = 1; r <= 50; ++r) {
    const Pixels circle = Touched(CircleOf(c, c, r), {}, 121, 121);
    for (const auto& a : arcs) {
      Pixels expected;
      for (auto [x, y] : circle)
        if (a.keep(x - c, y - c)) expected.insert({x, y});
      // The ends, given through the rounded pi, still take the pixels lying exactly on them.
      EXPECT_EQ(Touched(ArcOf(c, c, r, Radians(a.start), Radians(a.end)), {}, 121, 121), expected)
          << "r " << r << " from " << a.start << " to " << a.end;
    }
  }
}

TEST(SurfaceClear, FillsWithTheBackColourThenThePictureAndReportsWhatChanged) {
  Surface s(10, 8, 0x112233, 0xFFFFFF, kCopyPen);
  Image picture{4, 3, {}};
  for (uint32_t i = 0; i < 12; ++i) picture.pixels.push_back(0x7F010203u * (i + 1));
  s.SetPicture(picture);
  EXPECT_EQ(s.Pixel(0, 0), 0x112233u);  // not until the next Clear
  s.SetBackColour(0x445566);
  s.Clear();
  for (int y = 0; y < 8; ++y)
    for (int x = 0; x < 10; ++x) {
      const Rgb want = x < 4 && y < 3 ? picture.pixels[y * 4 + x] & 0xFFFFFF : 0x445566;
      EXPECT_EQ(s.Bits()[y * 10 + x], 0xFF000000u | want) << x << "," << y;
    }
  const PixelRect all = s.TakeDirtyRect();
  EXPECT_EQ((std::array{all.left, all.top, all.right, all.bottom}), (std::array{0, 0, 10, 8}));
  EXPECT_TRUE(s.TakeDirtyRect().Empty());
  s.Line(-5, 2, 3, 2);
  s.Circle(7, 5, 2, 0xFF0000);
  const PixelRect r = s.TakeDirtyRect();
  EXPECT_EQ((std::array{r.left, r.top, r.right, r.bottom}), (std::array{0, 2, 10, 8}));
  s.Circle(100, 100, 10, 0xFF0000);  // wholly off the surface
  EXPECT_TRUE(s.TakeDirtyRect().Empty());
}

}  // namespace
}  // namespace tova
