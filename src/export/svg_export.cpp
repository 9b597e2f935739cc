#include "export/svg_export.h"

#include <cmath>
#include <cstdio>
#include <numbers>

#include "document/tables.h"
#include "export/canvas_figures.h"
#include "export/number_text.h"
#include "platform/colours.h"
#include "program/line_kinds.h"
#include "program/window_layout.h"

namespace tova {
namespace {

std::string Hex(Rgb colour) {
  char text[8];
  std::snprintf(text, sizeof text, "#%06x", static_cast<unsigned>(colour & 0xFFFFFF));
  return text;
}

std::string PenAttributes(int16_t lineKind) {
  switch (lineKind) {
    case kThickLine: return R"( stroke-width="2")";
    case kDottedLine: return R"( stroke-dasharray="3 3" stroke-linecap="butt")";
    default: return "";
  }
}

// A point of the circle at `degrees`, counter-clockwise on screen from 3 o'clock.
std::string ArcPoint(const CanvasFigure& f, int degrees) {
  const double a = degrees * std::numbers::pi / 180;
  return NumberText(f.cx + f.radius * std::cos(a)) + " " + NumberText(f.cy - f.radius * std::sin(a));
}

std::string Element(const CanvasFigure& f) {
  const std::string pen = PenAttributes(f.lineKind);
  switch (f.kind) {
    case FigureKind::Line:
      return "<line x1=\"" + std::to_string(f.x1) + "\" y1=\"" + std::to_string(f.y1) + "\" x2=\"" +
             std::to_string(f.x2) + "\" y2=\"" + std::to_string(f.y2) + "\"" + pen + "/>";
    case FigureKind::Circle:
      return "<circle cx=\"" + std::to_string(f.cx) + "\" cy=\"" + std::to_string(f.cy) + "\" r=\"" +
             std::to_string(f.radius) + "\"" + pen + "/>";
    case FigureKind::Arc: {
      const int span = (f.endDeg - f.startDeg + 360) % 360;
      const std::string r = std::to_string(f.radius);
      // Screen angles grow counter-clockwise, which is SVG's negative sweep. An arc whose ends
      // meet shows one dot, as on the canvas.
      const std::string to = span == 0 ? " L " + ArcPoint(f, f.endDeg)
                                       : " A " + r + " " + r + " 0 " + (span > 180 ? "1" : "0") +
                                             " 0 " + ArcPoint(f, f.endDeg);
      return "<path d=\"M " + ArcPoint(f, f.startDeg) + to + "\"" + pen + "/>";
    }
  }
  return "";
}

}  // namespace

std::string FormatSvg(const Tables& tables) {
  const std::string w = std::to_string(kCanvasWidth), h = std::to_string(kCanvasHeight);
  std::string svg;
  svg += "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n";
  svg += "<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"" + w + "\" height=\"" + h +
         "\" viewBox=\"0 0 " + w + " " + h + "\">\n";
  svg += "  <title>Three-view drawing</title>\n";
  svg += "  <rect width=\"" + w + "\" height=\"" + h + "\" fill=\"" + Hex(kWindowColour) + "\"/>\n";
  // Canvas coordinates name pixels; their centres lie half a unit in.
  svg += "  <g transform=\"translate(0.5 0.5)\" fill=\"none\" stroke-width=\"1\" stroke-linecap=\"square\">\n";
  svg += "    <g id=\"dividers\" stroke=\"#000000\">\n";
  for (const DividerLayout& d : kDividers) {
    svg += "      <line x1=\"" + std::to_string(TwipsToPixels(d.x1)) + "\" y1=\"" +
           std::to_string(TwipsToPixels(d.y1)) + "\" x2=\"" + std::to_string(TwipsToPixels(d.x2)) +
           "\" y2=\"" + std::to_string(TwipsToPixels(d.y2)) + "\"/>\n";
  }
  svg += "    </g>\n";
  const std::vector<CanvasFigure> figures = CanvasFigures(tables);
  static constexpr struct { int16_t pane; const char* id; } kGroups[] = {
      {0, "front"}, {1, "top"}, {2, "side"}, {-1, "outside"}};
  for (const auto& group : kGroups) {
    std::string body;
    for (const CanvasFigure& f : figures) {
      if (f.pane == group.pane) body += "      " + Element(f) + "\n";
    }
    if (body.empty()) continue;
    svg += std::string("    <g id=\"") + group.id + "\" stroke=\"" + Hex(kFigureRgb) + "\">\n" + body +
           "    </g>\n";
  }
  svg += "  </g>\n</svg>\n";
  return svg;
}

}  // namespace tova
