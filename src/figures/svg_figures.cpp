#include "figures/svg_figures.h"

#include <cstdio>

#include "figures/number_text.h"
#include "program/line_kinds.h"

namespace tova {
namespace {

std::string PenAttributes(int16_t lineKind) {
  switch (lineKind) {
    case kThickLine: return R"( stroke-width="2")";
    case kDottedLine: return R"( stroke-dasharray="3 3" stroke-linecap="butt")";
    default: return "";
  }
}

std::string ArcPoint(const CanvasFigure& f, int degrees) {
  const auto [x, y] = CirclePoint(f, degrees);
  return NumberText(x) + " " + NumberText(y);
}

}  // namespace

std::string SvgColour(Rgb colour) {
  char text[8];
  std::snprintf(text, sizeof text, "#%06x", static_cast<unsigned>(colour & 0xFFFFFF));
  return text;
}

std::string SvgElement(const CanvasFigure& f, std::string_view attributes) {
  std::string pen = PenAttributes(f.lineKind);
  if (!attributes.empty()) pen.append(" ").append(attributes);
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

std::string SvgDivider(const DividerLayout& d) {
  return "<line x1=\"" + std::to_string(TwipsToPixels(d.x1)) + "\" y1=\"" + std::to_string(TwipsToPixels(d.y1)) +
         "\" x2=\"" + std::to_string(TwipsToPixels(d.x2)) + "\" y2=\"" + std::to_string(TwipsToPixels(d.y2)) + "\"/>";
}

}  // namespace tova
