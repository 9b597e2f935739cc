#include "figures/canvas_figures.h"

#include <cmath>
#include <numbers>

#include "document/tables.h"
#include "program/panes.h"

namespace tova {
namespace {

int Degrees0To359(int degrees) {
  const int d = degrees % 360;
  return d < 0 ? d + 360 : d;
}

}  // namespace

CanvasFigure LineFigure(const LineRecord& m) {
  CanvasFigure f;
  f.kind = FigureKind::Line;
  f.pane = PaneAt(m.x1, m.y1);
  f.lineKind = m.lineKind;
  f.x1 = m.x1, f.y1 = m.y1, f.x2 = m.x2, f.y2 = m.y2;
  return f;
}

CanvasFigure CircleFigure(const CircleRecord& k) {
  CanvasFigure f;
  // The canvas draws 0 to 359 as the whole circle and anything else as an arc.
  f.kind = k.startDeg == 0 && k.endDeg == 359 ? FigureKind::Circle : FigureKind::Arc;
  f.pane = PaneAt(k.cx, k.cy);
  f.lineKind = k.lineKind;
  f.cx = k.cx, f.cy = k.cy, f.radius = k.radius;
  f.startDeg = Degrees0To359(k.startDeg);
  f.endDeg = Degrees0To359(k.endDeg);
  return f;
}

std::vector<CanvasFigure> CanvasFigures(const Tables& t) {
  std::vector<CanvasFigure> figures;
  for (const LineRecord& m : t.lineTable) {
    if (m.state == kRowLive) figures.push_back(LineFigure(m));
  }
  for (const CircleRecord& k : t.circleTable) {
    if (k.state == kRowLive && k.radius > 0) figures.push_back(CircleFigure(k));
  }
  return figures;
}

std::pair<double, double> CirclePoint(const CanvasFigure& f, double degrees) {
  const double a = degrees * std::numbers::pi / 180;
  return {f.cx + f.radius * std::cos(a), f.cy - f.radius * std::sin(a)};
}

const char* PaneName(int16_t pane) {
  switch (pane) {
    case 0: return "FRONT";
    case 1: return "TOP";
    case 2: return "SIDE";
    default: return "0";
  }
}

}  // namespace tova
