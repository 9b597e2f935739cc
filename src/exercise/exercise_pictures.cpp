#include "exercise/exercise_pictures.h"

#include <algorithm>

#include "exercise/exercise_file.h"
#include "program/line_kinds.h"
#include "program/program.h"

namespace tova {
namespace {

// The colour the pictures are drawn on, taken for "nothing" afterwards: no picture uses it.
constexpr Rgb kNothing = 0x010203;

Surface Blank() { return Surface(kCanvasWidth, kCanvasHeight, kNothing, 0, kCopyPen); }

// The surface's pixels, with "nothing" made transparent.
Image Transparent(const Surface& s) {
  Image picture = s.Snapshot();
  for (uint32_t& p : picture.pixels) {
    if ((p & 0xFFFFFF) == kNothing) p = 0;
  }
  return picture;
}

void DrawGiven(Surface& s, const GivenFigure& f, Rgb colour) {
  SelectLinePen(s, f.lineKind);
  if (f.circle) {
    DrawCircleOrArc(s, f.cx, f.cy, f.radius, f.startDeg, f.endDeg, colour);
  } else {
    s.Line(f.x1, f.y1, f.x2, f.y2, colour);
  }
}

// A check's figure, thick so that it shows beside the drawing's own line.
void DrawFigure(Surface& s, const CanvasFigure& f, Rgb colour) {
  s.SetDrawStyle(PenStyle::Solid);
  s.SetDrawWidth(2);
  if (f.kind == FigureKind::Line) {
    s.Line(f.x1, f.y1, f.x2, f.y2, colour);
  } else {
    DrawCircleOrArc(s, f.cx, f.cy, f.radius, static_cast<int16_t>(f.startDeg), static_cast<int16_t>(f.endDeg), colour);
  }
}

void DrawElement(Surface& s, const Element& e, Rgb colour) {
  for (const CanvasFigure& f : e.Figures()) DrawFigure(s, f, colour);
}

Shift Back(Shift s) { return {-s.a, -s.b, -s.c}; }

}  // namespace

Image FiguresPicture(std::span<const GivenFigure> figures, Rgb colour) {
  Surface s = Blank();
  s.Clear();
  for (const GivenFigure& f : figures) DrawGiven(s, f, colour);
  return Transparent(s);
}

Image TablesPicture(const Tables& tables, Rgb colour) {
  return FiguresPicture(GivenFigures(tables, {true, true, true}), colour);
}

// Extra elements first, then those of another line kind or size, then the missing ones on top,
// all where the drawing has them (a missing one where the drawing's object would have it).
Image DifferencesPicture(const CheckResult& r) {
  Surface s = Blank();
  s.Clear();
  for (const Element& e : r.extra) DrawElement(s, e, kExtraRgb);
  for (const WrongKind& w : r.wrongKind) {
    for (const KindDifference& d : w.views) DrawFigure(s, w.drawing.figures[d.figure], kWrongKindRgb);
  }
  for (const WrongSize& w : r.wrongSize) DrawElement(s, w.drawing, kWrongKindRgb);
  for (const Element& e : r.missing) DrawElement(s, Shifted(e, Back(r.shift)), kMissingRgb);
  return Transparent(s);
}

void ComposeCanvasPixels(const Program& program, std::span<const int> indices, uint32_t* out, int outStride) {
  const Surface& P = program.P;
  const Image& under = program.exercise.underlay;
  const Image& over = program.exercise.overlay;
  const std::size_t size = static_cast<std::size_t>(P.Width()) * P.Height();
  const bool hasUnder = under.pixels.size() == size, hasOver = over.pixels.size() == size;
  const uint32_t back = 0xFF000000u | P.BackColour();
  for (const int i : indices) {
    if (i < 0 || static_cast<std::size_t>(i) >= size) continue;
    uint32_t p = P.Bits()[i];
    if (hasUnder && p == back && under.pixels[i] != 0) p = under.pixels[i];
    if (hasOver && over.pixels[i] != 0) p = over.pixels[i];
    out[static_cast<std::ptrdiff_t>(i / P.Width()) * outStride + i % P.Width()] = p;
  }
}

bool CanvasHasLayers(const Program& program) {
  const ExerciseVars& x = program.exercise;
  return !x.underlay.Empty() || !x.overlay.Empty();
}

void ComposeCanvas(const Program& program, PixelRect r, uint32_t* out, int outStride) {
  const Surface& P = program.P;
  const Image& under = program.exercise.underlay;
  const Image& over = program.exercise.overlay;
  const bool hasUnder = under.width == P.Width() && under.height == P.Height();
  const bool hasOver = over.width == P.Width() && over.height == P.Height();
  r.left = std::max(r.left, 0), r.top = std::max(r.top, 0);
  r.right = std::min(r.right, P.Width()), r.bottom = std::min(r.bottom, P.Height());
  const uint32_t back = 0xFF000000u | P.BackColour();
  const int n = r.right - r.left;
  for (int y = r.top; y < r.bottom; ++y) {
    const std::size_t at = static_cast<std::size_t>(y) * P.Width() + r.left;
    const uint32_t* canvas = P.Bits() + at;
    uint32_t* to = out + static_cast<std::ptrdiff_t>(y - r.top) * outStride;
    // Branch-free selects over whole rows, so that the compiler can take several pixels a step.
    if (hasUnder) {
      const uint32_t* u = under.pixels.data() + at;
      for (int i = 0; i < n; ++i) to[i] = canvas[i] == back && u[i] != 0 ? u[i] : canvas[i];
    } else {
      std::copy(canvas, canvas + n, to);
    }
    if (hasOver) {
      const uint32_t* o = over.pixels.data() + at;
      for (int i = 0; i < n; ++i) to[i] = o[i] != 0 ? o[i] : to[i];
    }
  }
}

}  // namespace tova
