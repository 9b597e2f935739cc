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
  MarkAllChanged();
}

void Surface::Emit(int x, int y) {
  if (x < 0 || y < 0 || x >= width_ || y >= height_) return;
  shape_.push_back(y * width_ + x);
}

void Surface::Bound(int left, int top, int right, int bottom) {
  shapeBox_.left = std::min(shapeBox_.left, std::max(left, 0));
  shapeBox_.top = std::min(shapeBox_.top, std::max(top, 0));
  shapeBox_.right = std::max(shapeBox_.right, std::min(right, width_));
  shapeBox_.bottom = std::max(shapeBox_.bottom, std::min(bottom, height_));
}

namespace {

// Combines `colour` into every listed pixel; the raster mode is chosen once for the shape.
template <typename Op>
void Combine(uint32_t* pixels, const std::vector<int>& shape, Op op) {
  for (const int index : shape) {
    uint32_t& p = pixels[index];
    p = kOpaque | (op(p) & 0xFFFFFFu);
  }
}

}  // namespace

// Applies the raster mode once to every pixel collected in shape_.
void Surface::Paint(Rgb colour, bool mayRepeat) {
  ++shapesDrawn_;
  if (mayRepeat) {
    // Each pixel once: a pixel is kept the first time this shape meets it.
    if (seen_.empty()) seen_.assign(pixels_.size(), 0);
    if (++generation_ == 0) {  // the counter wrapped: start the marks afresh
      std::fill(seen_.begin(), seen_.end(), 0);
      generation_ = 1;
    }
    std::size_t kept = 0;
    for (const int index : shape_) {
      uint32_t& mark = seen_[static_cast<std::size_t>(index)];
      if (mark == generation_) continue;
      mark = generation_;
      shape_[kept++] = index;
    }
    shape_.resize(kept);
  }
  if (!shape_.empty()) {
    uint32_t* pixels = pixels_.data();
    switch (drawMode_) {
      case kCopyPen: Combine(pixels, shape_, [colour](uint32_t) { return colour; }); break;
      case kXorPen: Combine(pixels, shape_, [colour](uint32_t p) { return p ^ colour; }); break;
      default: {
        const int16_t mode = drawMode_;
        Combine(pixels, shape_, [mode, colour](uint32_t p) {
          return ApplyRasterMode(mode, colour, p & 0xFFFFFFu);
        });
        break;
      }
    }
    if (trackBands_) MarkDirtyBands();
    if (trackPixels_ && !changed_.all) {
      changed_.indices.insert(changed_.indices.end(), shape_.begin(), shape_.end());
      if (changed_.indices.size() > pixels_.size() / 4) changed_ = {true, {}};
    }
    if (dirty_.Empty()) {
      dirty_ = shapeBox_;
    } else {
      dirty_ = {std::min(dirty_.left, shapeBox_.left), std::min(dirty_.top, shapeBox_.top),
                std::max(dirty_.right, shapeBox_.right), std::max(dirty_.bottom, shapeBox_.bottom)};
    }
  }
  shape_.clear();
  shapeBox_ = {width_, height_, 0, 0};
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

// The line as a run along its major axis: step i moves one pixel along it, and the minor
// coordinate is the nearest to the true line (halves rounded away from the start). Only the
// steps that can land on the surface are walked.
void Surface::AddLine(int x1, int y1, int x2, int y2) {
  const bool xMajor = std::abs(x2 - x1) >= std::abs(y2 - y1);
  const int major1 = xMajor ? x1 : y1, minor1 = xMajor ? y1 : x1;
  const int dMajor = xMajor ? x2 - x1 : y2 - y1, dMinor = xMajor ? y2 - y1 : x2 - x1;
  const int sMajor = dMajor < 0 ? -1 : 1, sMinor = dMinor < 0 ? -1 : 1;
  const int64_t aMajor = std::abs(dMajor), aMinor = std::abs(dMinor);
  const int extent = xMajor ? width_ : height_;
  // Steps whose major coordinate lies on the surface.
  int64_t first = 0, last = aMajor;
  if (sMajor > 0) {
    first = std::max<int64_t>(first, -major1);
    last = std::min<int64_t>(last, extent - 1 - major1);
  } else {
    first = std::max<int64_t>(first, major1 - (extent - 1));
    last = std::min<int64_t>(last, major1);
  }
  if (first > last) return;
  Bound(std::min(x1, x2), std::min(y1, y2), std::max(x1, x2) + 2, std::max(y1, y2) + 2);
  // The minor offset at step i is floor((2 i aMinor + aMajor) / (2 aMajor)); it is kept as a
  // quotient and remainder and carried forward a step at a time.
  const int64_t denominator = 2 * std::max<int64_t>(aMajor, 1);
  const int64_t numerator = 2 * first * aMinor + aMajor;
  int64_t offset = numerator / denominator, remainder = numerator % denominator;
  const bool solid = drawStyle_ == PenStyle::Solid;
  for (int64_t i = first; i <= last; ++i) {
    if (solid || i % kDotPeriod < kDotOn) {
      const int major = major1 + sMajor * static_cast<int>(i);
      const int minor = minor1 + sMinor * static_cast<int>(offset);
      const int x = xMajor ? major : minor, y = xMajor ? minor : major;
      Emit(x, y);
      if (drawWidth_ == 2) {
        if (xMajor) {
          Emit(x, y + 1);
        } else {
          Emit(x + 1, y);
        }
      }
    }
    remainder += 2 * aMinor;
    if (remainder >= denominator) {
      remainder -= denominator;
      ++offset;
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
  Bound(cx - radius - 1, cy - radius - 1, cx + radius + 2, cy + radius + 2);

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

void Surface::TrackChangedPixels(bool on) {
  trackPixels_ = on;
  changed_ = {true, {}};
}

Surface::ChangedPixels Surface::TakeChangedPixels() {
  ChangedPixels taken{changed_.all, {}};
  taken.indices.swap(changed_.indices);
  changed_.all = false;
  return taken;
}

void Surface::MarkAllChanged() {
  changed_ = {true, {}};
  dirty_ = {0, 0, width_, height_};
  dirtyBands_.resize(static_cast<std::size_t>((height_ + kDirtyBandRows - 1) / kDirtyBandRows));
  for (std::size_t band = 0; band < dirtyBands_.size(); ++band) {
    const int top = static_cast<int>(band) * kDirtyBandRows;
    dirtyBands_[band] = {0, top, width_, std::min(top + kDirtyBandRows, height_)};
  }
}

PixelRect Surface::TakeDirtyRect() {
  const PixelRect r = dirty_;
  dirty_ = {};
  return r;
}

void Surface::MarkDirtyBands() {
  for (const int index : shape_) {
    const int x = index % width_, y = index / width_;
    PixelRect& band = dirtyBands_[static_cast<std::size_t>(y / kDirtyBandRows)];
    band = band.Empty() ? PixelRect{x, y, x + 1, y + 1}
                        : PixelRect{std::min(band.left, x), std::min(band.top, y), std::max(band.right, x + 1),
                                    std::max(band.bottom, y + 1)};
  }
}

std::vector<PixelRect> Surface::TakeDirtyBands() {
  std::vector<PixelRect> bands(dirtyBands_.size());
  bands.swap(dirtyBands_);
  return bands;
}

}  // namespace tova
