#include "platform/surface.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <numbers>

namespace tova {
namespace {

constexpr uint32_t kOpaque = 0xFF000000u;
// The dotted pen: three pixels on, three off, along the shape.
constexpr int kDotPeriod = 6;
constexpr int kDotOn = 3;
// Slack when testing a pixel's angle against the ends of an arc, so that an end given through
// a rounded value of pi still takes the pixel that lies exactly on it.
constexpr double kArcSlack = 1e-5;
constexpr double kTwoPi = 2 * std::numbers::pi;

bool DotIsOn(PenStyle style, int index) {
  return style == PenStyle::Solid || index % kDotPeriod < kDotOn;
}

double NormalisedAngle(double a) {
  a = std::fmod(a, kTwoPi);
  return a < 0 ? a + kTwoPi : a;
}

bool AngleInArc(double angle, double start, double end) {
  if (start > end) end += kTwoPi;  // the way wraps through 0
  // An end just below 2 pi still takes the pixel at angle 0.
  for (const double a : {angle, angle + kTwoPi}) {
    if (a >= start - kArcSlack && a <= end + kArcSlack) return true;
  }
  return false;
}

int Sign(int v) { return (v > 0) - (v < 0); }

}  // namespace

Surface::Surface(int width, int height, Rgb backColour, Rgb foreColour, int16_t drawMode)
    : width_(std::max(width, 1)),
      height_(std::max(height, 1)),
      pixels_(static_cast<std::size_t>(width_) * static_cast<std::size_t>(height_)),
      backColour_(backColour & 0xFFFFFF),
      foreColour_(foreColour & 0xFFFFFF),
      drawMode_(IsRasterMode(drawMode) ? drawMode : int16_t{kCopyPen}) {
  Clear();
}

Rgb Surface::Pixel(int x, int y) const {
  if (x < 0 || y < 0 || x >= width_ || y >= height_) return 0;
  return pixels_[static_cast<std::size_t>(y) * width_ + x] & 0xFFFFFF;
}

void Surface::SetDrawMode(int16_t mode) {
  if (IsRasterMode(mode)) drawMode_ = mode;
}

void Surface::Clear() {
  std::fill(pixels_.begin(), pixels_.end(), kOpaque | backColour_);
  if (!picture_.Empty()) {
    const int w = std::min(width_, picture_.width);
    const int h = std::min(height_, picture_.height);
    for (int y = 0; y < h; ++y) {
      const uint32_t* from = picture_.pixels.data() + static_cast<std::size_t>(y) * picture_.width;
      uint32_t* to = pixels_.data() + static_cast<std::size_t>(y) * width_;
      std::transform(from, from + w, to, [](uint32_t p) { return kOpaque | p; });
    }
  }
  dirty_ = {0, 0, width_, height_};
}

void Surface::Emit(int x, int y) {
  if (x < 0 || y < 0 || x >= width_ || y >= height_) return;
  shape_.push_back(y * width_ + x);
}

// Applies the raster mode once to every pixel collected in shape_.
void Surface::Paint(Rgb colour, bool mayRepeat) {
  ++shapesDrawn_;
  if (mayRepeat) {
    std::sort(shape_.begin(), shape_.end());
    shape_.erase(std::unique(shape_.begin(), shape_.end()), shape_.end());
  }
  if (shape_.empty()) return;
  int left = width_, top = height_, right = -1, bottom = -1;
  for (int index : shape_) {
    uint32_t& p = pixels_[static_cast<std::size_t>(index)];
    p = kOpaque | ApplyRasterMode(drawMode_, colour, p & 0xFFFFFF);
    const int x = index % width_, y = index / width_;
    left = std::min(left, x);
    right = std::max(right, x);
    top = std::min(top, y);
    bottom = std::max(bottom, y);
  }
  if (dirty_.Empty()) {
    dirty_ = {left, top, right + 1, bottom + 1};
  } else {
    dirty_ = {std::min(dirty_.left, left), std::min(dirty_.top, top),
              std::max(dirty_.right, right + 1), std::max(dirty_.bottom, bottom + 1)};
  }
  shape_.clear();
}

void Surface::Line(int x1, int y1, int x2, int y2, Rgb colour) {
  shape_.clear();
  AddLine(x1, y1, x2, y2);
  // Each step moves along the major axis, so a line never meets the same pixel twice.
  Paint(colour, false);
}

void Surface::Lines(std::span<const Segment> segments, Rgb colour) {
  shape_.clear();
  for (const Segment& s : segments) AddLine(s.x1, s.y1, s.x2, s.y2);
  Paint(colour, true);
}

void Surface::AddLine(int x1, int y1, int x2, int y2) {
  const int dx = std::abs(x2 - x1), sx = x1 < x2 ? 1 : -1;
  const int dy = -std::abs(y2 - y1), sy = y1 < y2 ? 1 : -1;
  const bool xMajor = dx >= -dy;
  int err = dx + dy;
  int x = x1, y = y1;
  for (int i = 0;; ++i) {
    if (DotIsOn(drawStyle_, i)) {
      Emit(x, y);
      if (drawWidth_ == 2) {
        if (xMajor) {
          Emit(x, y + 1);
        } else {
          Emit(x + 1, y);
        }
      }
    }
    if (x == x2 && y == y2) break;
    const int e2 = 2 * err;
    if (e2 >= dy) {
      err += dy;
      x += sx;
    }
    if (e2 <= dx) {
      err += dx;
      y += sy;
    }
  }
}

void Surface::Circle(int cx, int cy, int radius, Rgb colour) {
  CircleShape(cx, cy, radius, false, 0, 0, colour);
}

void Surface::Arc(int cx, int cy, int radius, float start, float end, Rgb colour) {
  CircleShape(cx, cy, radius, true, NormalisedAngle(start), NormalisedAngle(end), colour);
}

void Surface::CircleShape(int cx, int cy, int radius, bool isArc, double start, double end,
                          Rgb colour) {
  shape_.clear();
  if (radius <= 0) {
    Paint(colour, false);  // nothing to paint, but a shape all the same
    return;
  }

  // One eighth of the midpoint circle, from straight up towards 45 degrees: x rises, y falls.
  std::vector<Offset>& octant = circle_;
  octant.clear();
  for (int x = 0, y = radius, d = 1 - radius; x <= y; ++x) {
    octant.push_back({x, y});
    if (d < 0) {
      d += 2 * x + 3;
    } else {
      d += 2 * (x - y) + 5;
      --y;
    }
  }
  const int n = static_cast<int>(octant.size());

  // Walk the whole circle counter-clockwise from angle 0 (x right, y up), each pixel once.
  int index = 0;
  Offset last{radius + 1, 0};
  const auto visit = [&](int ox, int oy) {
    if (ox == last.x && oy == last.y) return;
    if (index > 0 && ox == radius && oy == 0) return;  // back at the start
    last = {ox, oy};
    const int i = index++;
    if (!DotIsOn(drawStyle_, i)) return;
    if (isArc) {
      const double angle = NormalisedAngle(std::atan2(static_cast<double>(oy), ox));
      if (!AngleInArc(angle, start, end)) return;
    }
    Emit(cx + ox, cy - oy);
    if (drawWidth_ == 2) {
      // The second pixel lies one further out from the centre.
      if (std::abs(ox) >= std::abs(oy)) {
        Emit(cx + ox + Sign(ox), cy - oy);
      } else {
        Emit(cx + ox, cy - oy - Sign(oy));
      }
    }
  };
  for (int i = 0; i < n; ++i) visit(octant[i].y, octant[i].x);       //   0 to  45
  for (int i = n - 1; i >= 0; --i) visit(octant[i].x, octant[i].y);  //  45 to  90
  for (int i = 0; i < n; ++i) visit(-octant[i].x, octant[i].y);      //  90 to 135
  for (int i = n - 1; i >= 0; --i) visit(-octant[i].y, octant[i].x); // 135 to 180
  for (int i = 0; i < n; ++i) visit(-octant[i].y, -octant[i].x);     // 180 to 225
  for (int i = n - 1; i >= 0; --i) visit(-octant[i].x, -octant[i].y);// 225 to 270
  for (int i = 0; i < n; ++i) visit(octant[i].x, -octant[i].y);      // 270 to 315
  for (int i = n - 1; i >= 0; --i) visit(octant[i].y, -octant[i].x); // 315 to 360
  Paint(colour, true);
}

Image Surface::Snapshot() const { return Image{width_, height_, pixels_}; }

PixelRect Surface::TakeDirtyRect() {
  const PixelRect r = dirty_;
  dirty_ = {};
  return r;
}

}  // namespace tova
