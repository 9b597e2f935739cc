// The drawing as the canvas shows it, figure by figure: every live line and every live circle or
// arc, with the view it lies in. The vector exports write these.
#pragma once

#include <cstdint>
#include <utility>
#include <vector>

namespace tova {

struct Tables;
struct LineRecord;
struct CircleRecord;

enum class FigureKind : uint8_t { Line, Circle, Arc };

struct CanvasFigure {
  FigureKind kind = FigureKind::Line;
  int16_t pane = -1;      // 0 front, 1 top, 2 side, -1 none
  int16_t lineKind = 0;   // solid, thick or dotted
  int16_t x1 = 0, y1 = 0, x2 = 0, y2 = 0;  // a line's ends
  int16_t cx = 0, cy = 0, radius = 0;      // a circle or arc
  int startDeg = 0, endDeg = 0;  // an arc runs counter-clockwise from start to end, both 0..359
};

// One row as the canvas shows it: a line in the view of its first end; a circle, or an arc with
// its angles taken to 0..359, in the view of its centre.
[[nodiscard]] CanvasFigure LineFigure(const LineRecord& m);
[[nodiscard]] CanvasFigure CircleFigure(const CircleRecord& k);

// The point of a circle or arc at `degrees`, counter-clockwise on screen from 3 o'clock.
[[nodiscard]] std::pair<double, double> CirclePoint(const CanvasFigure& f, double degrees);

// Lines first, then circles and arcs, in table order, as the canvas paints them. A circle of
// radius 0 or less shows nothing and is left out.
[[nodiscard]] std::vector<CanvasFigure> CanvasFigures(const Tables& tables);

// The view's name in exports: "FRONT", "TOP", "SIDE", or "0" (the drafting programs' default
// layer) for a figure outside the three views.
[[nodiscard]] const char* PaneName(int16_t pane);

}  // namespace tova
