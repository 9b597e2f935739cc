#include "check/elements.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <string>

#include "document/tables.h"
#include "program/panes.h"

namespace tova {
namespace {

bool Near(double x1, double y1, double x2, double y2, double tolerance) {
  const double dx = x1 - x2, dy = y1 - y2;
  return dx * dx + dy * dy <= tolerance * tolerance;
}

// A line in the view of its middle, which stays where it is when the line is drawn the other way.
CanvasFigure ViewLine(const LineRecord& m) {
  CanvasFigure f = LineFigure(m);
  f.pane = PaneAt(static_cast<int16_t>((m.x1 + m.x2) / 2), static_cast<int16_t>((m.y1 + m.y2) / 2));
  return f;
}

// The point halfway along an arc, counter-clockwise from its start.
std::pair<double, double> ArcMiddle(const CanvasFigure& f) {
  return CirclePoint(f, f.startDeg + ((f.endDeg - f.startDeg + 360) % 360) / 2.0);
}

int16_t Moved(int16_t value, int by) {
  return static_cast<int16_t>(std::clamp<int>(value + by, std::numeric_limits<int16_t>::min(),
                                              std::numeric_limits<int16_t>::max()));
}

// The figures of an element that may stand in each other's place, as [first, last) ranges.
struct Group {
  uint8_t first, last;
};
std::span<const Group> Groups(ElementKind kind) {
  static constexpr Group kLine[] = {{0, 1}, {1, 2}, {2, 3}};
  static constexpr Group kCircle[] = {{0, 1}, {1, 3}};
  static constexpr Group kRelation[] = {{0, 2}, {2, 6}};
  switch (kind) {
    case ElementKind::Line: return kLine;
    case ElementKind::Relation: return kRelation;
    default: return kCircle;
  }
}

}  // namespace

std::vector<Element> DrawingElements(const Tables& t) {
  std::vector<Element> elements;
  for (std::size_t i = 0; i < t.unitTable.size(); ++i) {
    const UnitRecord& u = t.unitTable[i];
    if (u.state != kRowLive) continue;
    Element e;
    e.row = static_cast<int16_t>(i);
    const LineRecord* lines[] = {IsCircleRef(u.part0) ? nullptr : LineAt(t, RefRow(u.part0)),
                                 LineAt(t, RefRow(u.part1)), LineAt(t, RefRow(u.part2))};
    if (IsCircleRef(u.part0)) {
      const CircleRecord* k = CircleAt(t, RefRow(u.part0));
      if (!k || !lines[1] || !lines[2]) continue;
      e.figures[e.count++] = CircleFigure(*k);
      e.kind = e.figures[0].kind == FigureKind::Circle ? ElementKind::Circle : ElementKind::Arc;
      for (int p = 1; p <= 2; ++p) e.figures[e.count++] = ViewLine(*lines[p]);
    } else {
      if (!lines[0] || !lines[1] || !lines[2]) continue;
      e.kind = ElementKind::Line;
      // A line unit's parts are its lines in the front, top and side views, in that order.
      for (int16_t p = 0; p <= 2; ++p) {
        e.figures[e.count] = LineFigure(*lines[p]);
        e.figures[e.count++].pane = p;
      }
    }
    elements.push_back(e);
  }
  for (std::size_t i = 0; i < t.relationTable.size(); ++i) {
    const RelationRecord& r = t.relationTable[i];
    if (r.state != kRowLive) continue;
    const CircleRecord* from = CircleAt(t, r.fromCircle);
    const CircleRecord* to = CircleAt(t, r.toCircle);
    const LineRecord* lines[] = {LineAt(t, r.line0), LineAt(t, r.line1), LineAt(t, r.line2), LineAt(t, r.line3)};
    if (!from || !to || std::find(std::begin(lines), std::end(lines), nullptr) != std::end(lines)) continue;
    Element e;
    e.kind = ElementKind::Relation;
    e.row = static_cast<int16_t>(i);
    e.figures[e.count++] = CircleFigure(*from);
    e.figures[e.count++] = CircleFigure(*to);
    for (const LineRecord* m : lines) e.figures[e.count++] = ViewLine(*m);
    elements.push_back(e);
  }
  return elements;
}

Element Shifted(const Element& e, Shift s) {
  Element moved = e;
  for (CanvasFigure& f : moved.figures) {
    if (!IsPane(f.pane)) continue;
    const int dx = f.pane == 2 ? s.b : s.a;
    const int dy = f.pane == 1 ? s.b : s.c;
    f.x1 = Moved(f.x1, dx), f.x2 = Moved(f.x2, dx), f.cx = Moved(f.cx, dx);
    f.y1 = Moved(f.y1, dy), f.y2 = Moved(f.y2, dy), f.cy = Moved(f.cy, dy);
  }
  return moved;
}

AxisCentre CentreOf(const Element& e) {
  std::array<double, 3> sum{};
  std::array<int, 3> n{};
  const auto add = [&](int16_t pane, double x, double y) {
    const int xAxis = pane == 2 ? 1 : 0, yAxis = pane == 1 ? 1 : 2;
    sum[xAxis] += x, ++n[xAxis], sum[yAxis] += y, ++n[yAxis];
  };
  for (const CanvasFigure& f : e.Figures()) {
    if (!IsPane(f.pane)) continue;
    if (f.kind == FigureKind::Line) {
      add(f.pane, f.x1, f.y1), add(f.pane, f.x2, f.y2);
    } else {
      add(f.pane, f.cx, f.cy);
    }
  }
  AxisCentre c;
  for (std::size_t axis = 0; axis < 3; ++axis) {
    c.known[axis] = n[axis] > 0;
    if (c.known[axis]) c.at[axis] = sum[axis] / n[axis];
  }
  return c;
}

Shift ShiftBetween(const AxisCentre& from, const AxisCentre& to) {
  const auto along = [&](std::size_t axis) {
    return from.known[axis] && to.known[axis] ? static_cast<int>(std::lround(to.at[axis] - from.at[axis])) : 0;
  };
  return {along(0), along(1), along(2)};
}

bool FiguresMatch(const CanvasFigure& a, const CanvasFigure& b, double tolerance) {
  if (a.kind != b.kind) return false;
  if (a.kind == FigureKind::Line) {
    return (Near(a.x1, a.y1, b.x1, b.y1, tolerance) && Near(a.x2, a.y2, b.x2, b.y2, tolerance)) ||
           (Near(a.x1, a.y1, b.x2, b.y2, tolerance) && Near(a.x2, a.y2, b.x1, b.y1, tolerance));
  }
  if (!Near(a.cx, a.cy, b.cx, b.cy, tolerance) || std::abs(a.radius - b.radius) > tolerance) return false;
  if (a.kind == FigureKind::Circle) return true;
  // The ends, and the middle, so that a long arc and a short one between nearby ends differ.
  const auto near = [&](std::pair<double, double> p, std::pair<double, double> q) {
    return Near(p.first, p.second, q.first, q.second, tolerance);
  };
  return near(CirclePoint(a, a.startDeg), CirclePoint(b, b.startDeg)) &&
         near(CirclePoint(a, a.endDeg), CirclePoint(b, b.endDeg)) && near(ArcMiddle(a), ArcMiddle(b));
}

std::optional<FigureOrder> MatchFigures(const Element& key, const Element& drawing, double tolerance) {
  if (key.kind != drawing.kind || key.count != drawing.count) return std::nullopt;
  FigureOrder match{};
  for (const Group& g : Groups(key.kind)) {
    FigureOrder order{};
    for (uint8_t i = g.first; i < g.last; ++i) order[i] = i;
    const auto all = [&] {
      for (uint8_t i = g.first; i < g.last; ++i) {
        if (!FiguresMatch(key.figures[i], drawing.figures[order[i]], tolerance)) return false;
      }
      return true;
    };
    bool found = all();
    while (!found && std::next_permutation(order.begin() + g.first, order.begin() + g.last)) found = all();
    if (!found) return std::nullopt;
    std::copy(order.begin() + g.first, order.begin() + g.last, match.begin() + g.first);
  }
  return match;
}

const char* ViewName(int16_t pane) {
  switch (pane) {
    case 0: return "front";
    case 1: return "top";
    case 2: return "side";
    default: return "outside";
  }
}

std::string LineKindName(int16_t lineKind) {
  static constexpr const char* kNames[] = {"TrueL", "ThikL", "EmptL"};
  return lineKind >= 0 && lineKind <= 2 ? kNames[lineKind] : std::to_string(lineKind);
}

const char* ElementKindName(ElementKind kind) {
  static constexpr const char* kNames[] = {"line", "circle", "arc", "relation"};
  return kNames[static_cast<int>(kind)];
}

}  // namespace tova
