#include "check/shown.h"

#include <algorithm>
#include <cmath>

namespace tova {
namespace {

// How far a point lies from a line segment.
double FromSegment(double px, double py, const CanvasFigure& s) {
  const double dx = s.x2 - s.x1, dy = s.y2 - s.y1, length2 = dx * dx + dy * dy;
  const double t = length2 == 0 ? 0 : std::clamp(((px - s.x1) * dx + (py - s.y1) * dy) / length2, 0.0, 1.0);
  return std::hypot(px - (s.x1 + t * dx), py - (s.y1 + t * dy));
}

// Whether a line lies on another, both its ends within the tolerance of it.
bool LiesOn(const CanvasFigure& piece, const CanvasFigure& line, double tolerance) {
  return piece.kind == FigureKind::Line && line.kind == FigureKind::Line &&
         FromSegment(piece.x1, piece.y1, line) <= tolerance + 1e-9 && FromSegment(piece.x2, piece.y2, line) <= tolerance + 1e-9;
}

// Whether each view line of `piece` lies on the same view's line of the line unit `edge`.
bool PieceOf(const Element& piece, const Element& edge, double tolerance) {
  if (piece.kind != ElementKind::Line || edge.kind != ElementKind::Line) return false;
  for (std::size_t v = 0; v < edge.count; ++v) {
    if (!LiesOn(piece.figures[v], edge.figures[v], tolerance)) return false;
  }
  return true;
}

// Whether the pieces' lines in view `v` together cover the edge's, leaving no gap longer than the
// tolerance.
bool Covered(const Element& edge, std::size_t v, const std::vector<const Element*>& pieces, double tolerance) {
  const CanvasFigure& e = edge.figures[v];
  const double dx = e.x2 - e.x1, dy = e.y2 - e.y1, length = std::hypot(dx, dy);
  if (length <= tolerance) return true;  // an edge seen end-on: any piece on it covers it
  std::vector<std::pair<double, double>> spans;
  for (const Element* p : pieces) {
    const CanvasFigure& f = p->figures[v];
    const double a = ((f.x1 - e.x1) * dx + (f.y1 - e.y1) * dy) / length;
    const double b = ((f.x2 - e.x1) * dx + (f.y2 - e.y1) * dy) / length;
    spans.emplace_back(std::min(a, b), std::max(a, b));
  }
  std::sort(spans.begin(), spans.end());
  double reached = 0;
  for (const auto& [from, to] : spans) {
    if (from > reached + tolerance + 1e-9) return false;
    reached = std::max(reached, to);
  }
  return reached >= length - tolerance - 1e-9;
}

// A circle or arc unit of the key and one of the drawing's in one place: the circle in one view
// with its centre within the tolerance, and the lines it is seen edge-on as centred alike.
bool InItsPlace(const Element& k, const Element& d, double tolerance) {
  const bool round = k.kind == ElementKind::Circle || k.kind == ElementKind::Arc;
  if (!round || (d.kind != ElementKind::Circle && d.kind != ElementKind::Arc) || k.count != 3 || d.count != 3) return false;
  const CanvasFigure &kc = k.figures[0], &dc = d.figures[0];
  if (kc.pane != dc.pane || std::hypot(kc.cx - dc.cx, kc.cy - dc.cy) > tolerance + 1e-9) return false;
  const auto middle = [](const CanvasFigure& f) { return std::pair((f.x1 + f.x2) / 2.0, (f.y1 + f.y2) / 2.0); };
  const auto near = [&](const CanvasFigure& a, const CanvasFigure& b) {
    const auto [ax, ay] = middle(a);
    const auto [bx, by] = middle(b);
    return a.pane == b.pane && std::hypot(ax - bx, ay - by) <= tolerance + 1e-9;
  };
  return (near(k.figures[1], d.figures[1]) && near(k.figures[2], d.figures[2])) ||
         (near(k.figures[1], d.figures[2]) && near(k.figures[2], d.figures[1]));
}

// Whether two relations join the same circles, as their centres show them, either way round: a
// relation is judged by what it joins, so circles of another size make it no second mistake.
bool JoinsTheSame(const Element& k, const Element& d, double tolerance) {
  if (k.kind != ElementKind::Relation || d.kind != ElementKind::Relation) return false;
  const auto same = [tolerance](const CanvasFigure& a, const CanvasFigure& b) {
    return a.pane == b.pane && std::hypot(a.cx - b.cx, a.cy - b.cy) <= tolerance + 1e-9;
  };
  const CanvasFigure *k0 = &k.figures[0], *k1 = &k.figures[1], *d0 = &d.figures[0], *d1 = &d.figures[1];
  return (same(*k0, *d0) && same(*k1, *d1)) || (same(*k0, *d1) && same(*k1, *d0));
}

// The rectangle an element's figures cover on the canvas.
struct Box {
  double left, top, right, bottom;
};
Box BoxOf(const Element& e) {
  Box b{1e9, 1e9, -1e9, -1e9};
  const auto take = [&b](double x, double y) {
    b.left = std::min(b.left, x), b.top = std::min(b.top, y), b.right = std::max(b.right, x), b.bottom = std::max(b.bottom, y);
  };
  for (const CanvasFigure& f : e.Figures()) {
    if (f.kind == FigureKind::Line) {
      take(f.x1, f.y1), take(f.x2, f.y2);
    } else {
      take(f.cx - f.radius, f.cy - f.radius), take(f.cx + f.radius, f.cy + f.radius);
    }
  }
  return b;
}
// Whether `inner` lies within `outer` widened by the tolerance: what an element that lies on or
// over another must do, a quick test that passes over most pairs.
bool Within(const Box& inner, const Box& outer, double tolerance) {
  const double t = tolerance + 1e-9;
  return inner.left >= outer.left - t && inner.top >= outer.top - t && inner.right <= outer.right + t &&
         inner.bottom <= outer.bottom + t;
}

std::string Times(std::size_t n) {
  return n == 2 ? "drawn twice" : "drawn " + std::to_string(n) + " times";
}

}  // namespace

Shown WhatIsShown(const std::vector<Element>& key, const std::vector<Element>& drawing,
                  const std::vector<bool>& matched, const std::vector<std::size_t>& missing,
                  const std::vector<std::size_t>& extra, double tolerance) {
  Shown shown;
  std::vector<bool> used(drawing.size(), false);
  std::vector<Box> keyBoxes, drawingBoxes;
  for (const Element& e : key) keyBoxes.push_back(BoxOf(e));
  for (const Element& e : drawing) drawingBoxes.push_back(BoxOf(e));
  // Edges the key has and the drawing leaves out, drawn in pieces instead.
  for (const std::size_t k : missing) {
    std::vector<const Element*> pieces;
    std::vector<std::size_t> which;
    for (const std::size_t d : extra) {
      if (!used[d] && Within(drawingBoxes[d], keyBoxes[k], tolerance) && PieceOf(drawing[d], key[k], tolerance)) {
        pieces.push_back(&drawing[d]), which.push_back(d);
      }
    }
    if (pieces.size() < 2 && !(pieces.size() == 1 && key[k].kind == ElementKind::Line)) {
      shown.missing.push_back(k);
      continue;
    }
    for (const std::size_t d : which) used[d] = true;
    bool whole = true;
    for (std::size_t v = 0; v < key[k].count; ++v) whole = whole && Covered(key[k], v, pieces, tolerance);
    const std::string count = std::to_string(pieces.size());
    if (!whole) {
      shown.missing.push_back(k);
      shown.notes.push_back({k, pieces.size() == 1 ? "drawn short" : "drawn in " + count + " pieces that leave a gap"});
      continue;
    }
    shown.notes.push_back({k, pieces.size() == 1 ? "drawn over itself" : "drawn in " + count + " pieces"});
    for (const std::size_t d : which) {
      for (std::size_t v = 0; v < key[k].count; ++v) {
        if (drawing[d].figures[v].lineKind != key[k].figures[v].lineKind) {
          shown.piecesOfOtherKind.push_back({k, d});
          break;
        }
      }
    }
  }
  // Circles and arcs in their place but of another size or other angles.
  std::vector<std::size_t> stillMissing;
  for (const std::size_t k : shown.missing) {
    const auto same = std::find_if(extra.begin(), extra.end(), [&](std::size_t d) {
      return !used[d] && InItsPlace(key[k], drawing[d], tolerance);
    });
    if (same == extra.end()) {
      stillMissing.push_back(k);
    } else {
      used[*same] = true;
      shown.wrongSize.push_back({k, *same});
    }
  }
  shown.missing.clear();
  for (const std::size_t k : stillMissing) {
    const auto same = std::find_if(extra.begin(), extra.end(), [&](std::size_t d) {
      return !used[d] && JoinsTheSame(key[k], drawing[d], tolerance);
    });
    if (same == extra.end()) shown.missing.push_back(k);
    else used[*same] = true;
  }
  // Elements drawn again over one the key has and the drawing shows.
  std::vector<std::size_t> again(key.size(), 1);
  for (const std::size_t d : extra) {
    if (used[d]) continue;
    std::size_t over = key.size();
    for (std::size_t k = 0; k < key.size() && over == key.size(); ++k) {
      if (!matched[k] || !Within(drawingBoxes[d], keyBoxes[k], tolerance)) continue;
      if (MatchFigures(key[k], drawing[d], tolerance) || PieceOf(drawing[d], key[k], tolerance)) over = k;
    }
    if (over == key.size()) {
      shown.extra.push_back(d);
    } else {
      ++again[over];
    }
  }
  for (std::size_t k = 0; k < key.size(); ++k) {
    if (again[k] > 1) shown.notes.push_back({k, Times(again[k])});
  }
  return shown;
}

}  // namespace tova
