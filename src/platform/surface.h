// A drawing surface: a 32-bit pixel buffer with a pen (colour, style, width), a raster mode,
// a background colour and an optional background picture. Lines, circles and arcs are
// rasterised here, each shape as a set of distinct pixels to which the raster mode is applied
// exactly once, so drawing a shape twice in XOR mode restores every pixel.
#pragma once

#include <cstdint>
#include <span>
#include <utility>
#include <vector>

#include "platform/colours.h"
#include "platform/raster_mode.h"

namespace tova {

// A picture of 0xFFRRGGBB pixels, row after row.
struct Image {
  int width = 0;
  int height = 0;
  std::vector<uint32_t> pixels;

  bool Empty() const { return width <= 0 || height <= 0; }
  friend bool operator==(const Image&, const Image&) = default;
};

// Pixels [left, right) x [top, bottom); empty when right <= left or bottom <= top.
struct PixelRect {
  int left = 0;
  int top = 0;
  int right = 0;
  int bottom = 0;

  bool Empty() const { return right <= left || bottom <= top; }
};

enum class PenStyle : uint8_t { Solid, Dotted };

class Surface {
 public:
  Surface(int width, int height, Rgb backColour, Rgb foreColour, int16_t drawMode);

  int Width() const { return width_; }
  int Height() const { return height_; }
  // The buffer as rows of 0xFFRRGGBB pixels; it never moves for the life of the surface.
  const uint32_t* Bits() const { return pixels_.data(); }
  int BytesPerLine() const { return width_ * static_cast<int>(sizeof(uint32_t)); }
  // The colour at (x, y) as 0xRRGGBB; 0 outside the surface.
  Rgb Pixel(int x, int y) const;

  Rgb BackColour() const { return backColour_; }
  void SetBackColour(Rgb colour) { backColour_ = colour & 0xFFFFFF; }
  Rgb ForeColour() const { return foreColour_; }
  void SetForeColour(Rgb colour) { foreColour_ = colour & 0xFFFFFF; }
  int16_t DrawMode() const { return drawMode_; }
  // Numbers that are not raster modes are ignored.
  void SetDrawMode(int16_t mode);
  PenStyle DrawStyle() const { return drawStyle_; }
  void SetDrawStyle(PenStyle style) { drawStyle_ = style; }
  int DrawWidth() const { return drawWidth_; }
  // 1 or 2 pixels; other widths are brought into that range.
  void SetDrawWidth(int width) { drawWidth_ = width < 2 ? 1 : 2; }
  const Image& Picture() const { return picture_; }
  // Takes effect at the next Clear, which paints the picture at the top-left corner.
  void SetPicture(Image picture) { picture_ = std::move(picture); }

  // Fills the surface with the background colour, then the background picture.
  void Clear();
  // A straight line with both end points drawn (a zero-length line is one dot).
  void Line(int x1, int y1, int x2, int y2) { Line(x1, y1, x2, y2, foreColour_); }
  void Line(int x1, int y1, int x2, int y2, Rgb colour);
  // Several lines as one shape: a pixel where they meet is drawn once.
  struct Segment {
    int x1, y1, x2, y2;
  };
  void Lines(std::span<const Segment> segments, Rgb colour);
  // A full circle; a radius of 0 or less draws nothing.
  void Circle(int cx, int cy, int radius, Rgb colour);
  // The pixels of the same circle whose angle lies on the counter-clockwise way from start to
  // end (radians, 0 pointing right, growing upward on screen); the way wraps through 0 when
  // end is below start.
  void Arc(int cx, int cy, int radius, float start, float end, Rgb colour);

  // How many shapes (a line, a circle, an arc, a set of lines) have been drawn so far.
  int64_t ShapesDrawn() const { return shapesDrawn_; }

  // A copy of the current pixels.
  Image Snapshot() const;
  // Marks every pixel changed, for a viewer that shows more than the surface (a picture laid
  // under or over it that came or went).
  void MarkAllChanged();
  // The part changed since the last call, and forget it.
  PixelRect TakeDirtyRect();
  // The same, finer, once TrackDirtyBands has been called: for each band of kDirtyBandRows rows
  // from the top, the part of the band changed since the last call (empty where nothing
  // changed), and forget it. A cross-hair moved a little is then two thin stripes, not the
  // whole surface. Tracking costs a little for every pixel drawn, so only a surface whose
  // viewer wants it pays for it.
  // The same, exactly: every pixel index changed since the last call, once TrackChangedPixels(true)
  // has been called, or `all` when so much changed that the whole surface is best taken afresh.
  // A viewer that composes the surface with other pictures needs to look at no other pixel.
  struct ChangedPixels {
    bool all = false;
    std::vector<int> indices;
  };
  void TrackChangedPixels(bool on);
  ChangedPixels TakeChangedPixels();
  static constexpr int kDirtyBandRows = 32;
  void TrackDirtyBands() { trackBands_ = true; }
  std::vector<PixelRect> TakeDirtyBands();

 private:
  struct Offset {
    int x;
    int y;
  };
  void CircleShape(int cx, int cy, int radius, bool isArc, double start, double end, Rgb colour);
  void Emit(int x, int y);
  // Widens the box of the shape being collected (clipped to the surface).
  void Bound(int left, int top, int right, int bottom);
  void AddLine(int x1, int y1, int x2, int y2);
  void Paint(Rgb colour, bool mayRepeat);
  // Widens the changed part of each band by the pixels of the shape just painted.
  void MarkDirtyBands();

  int width_;
  int height_;
  std::vector<uint32_t> pixels_;
  Rgb backColour_;
  Rgb foreColour_;
  int16_t drawMode_;
  PenStyle drawStyle_ = PenStyle::Solid;
  int drawWidth_ = 1;
  Image picture_;
  PixelRect dirty_;
  std::vector<PixelRect> dirtyBands_;
  bool trackBands_ = false;
  bool trackPixels_ = false;
  ChangedPixels changed_;
  PixelRect shapeBox_{1 << 30, 1 << 30, 0, 0};  // the pixels of the shape being collected
  int64_t shapesDrawn_ = 0;
  // Scratch space reused by every shape: the offsets of one circle, and the buffer indices of
  // the pixels of the shape being drawn.
  std::vector<Offset> circle_;
  std::vector<int> shape_;
  // Marks of the pixels the current shape has met, by shape number: no clearing between shapes.
  std::vector<uint32_t> seen_;
  uint32_t generation_ = 0;
};

}  // namespace tova
