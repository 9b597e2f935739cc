// A drawing as the elements a teacher checks: each live unit and relation with the figures it
// shows in the views. Rows, their order and the direction of lines play no part in comparing.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <vector>

#include "figures/canvas_figures.h"

namespace tova {

struct Tables;

enum class ElementKind : uint8_t { Line, Circle, Arc, Relation };

// A unit or relation: a line unit's three view lines (front, top, side); a circle unit's circle
// or arc followed by its two projection lines; a relation's two circles (where it starts, where
// it ends) followed by its four joining lines.
struct Element {
  ElementKind kind = ElementKind::Line;
  int16_t row = 0;  // in unitTable, or in relationTable for a relation
  uint8_t count = 0;
  std::array<CanvasFigure, 6> figures{};

  std::span<const CanvasFigure> Figures() const { return {figures.data(), count}; }
};

// Every live unit, then every live relation, in row order. A row that refers outside its tables
// is left out.
[[nodiscard]] std::vector<Element> DrawingElements(const Tables& tables);

// A move of a whole object along the model's three axes, as the canvas shows it: `a` moves x in
// the front and top views, `b` moves y in the top view and x in the side view, `c` moves y in the
// front and side views.
struct Shift {
  int a = 0, b = 0, c = 0;
  friend bool operator==(const Shift&, const Shift&) = default;
};

// The element moved by `shift`; a figure outside the three views stays where it is.
[[nodiscard]] Element Shifted(const Element& e, Shift shift);

// The centre of an element's points (a line's ends, a circle's centre) along each of the three
// axes that Shift names, where it has points along it.
struct AxisCentre {
  std::array<double, 3> at{};
  std::array<bool, 3> known{};
};
[[nodiscard]] AxisCentre CentreOf(const Element& e);

// The move that takes an element centred at `from` onto one centred at `to` when both are the
// same object moved; none along an axis that either lacks.
[[nodiscard]] Shift ShiftBetween(const AxisCentre& from, const AxisCentre& to);

// Whether two figures show the same thing within `tolerance` canvas pixels: lines by their end
// points in either order; circles and arcs by centre and radius, a full circle only as one, and
// an arc by its start, end and middle points, each against its own.
[[nodiscard]] bool FiguresMatch(const CanvasFigure& a, const CanvasFigure& b, double tolerance);

// How `drawing` shows `key`'s figures, when it shows them all within `tolerance`: for each
// figure of `key`, the index of the figure of `drawing` that matches it. A line unit's lines
// match view by view, a circle unit's projection lines and a relation's joining lines in any
// order, a relation's two circles either way round. Nothing when the two do not match.
using FigureOrder = std::array<uint8_t, 6>;
[[nodiscard]] std::optional<FigureOrder> MatchFigures(const Element& key, const Element& drawing, double tolerance);

// The names users know: "front", "top", "side" ("outside" for none); "TrueL", "ThikL", "EmptL"
// (the number for any other line kind); "line", "circle", "arc", "relation".
[[nodiscard]] const char* ViewName(int16_t pane);
[[nodiscard]] std::string LineKindName(int16_t lineKind);
[[nodiscard]] const char* ElementKindName(ElementKind kind);

}  // namespace tova
