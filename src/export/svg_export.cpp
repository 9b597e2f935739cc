#include "export/svg_export.h"

#include "document/tables.h"
#include "figures/canvas_figures.h"
#include "figures/svg_figures.h"
#include "platform/colours.h"
#include "program/window_layout.h"

namespace tova {

std::string FormatSvg(const Tables& tables) {
  const std::string w = std::to_string(kCanvasWidth), h = std::to_string(kCanvasHeight);
  std::string svg;
  svg += "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n";
  svg += "<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"" + w + "\" height=\"" + h +
         "\" viewBox=\"0 0 " + w + " " + h + "\">\n";
  svg += "  <title>Three-view drawing</title>\n";
  svg += "  <rect width=\"" + w + "\" height=\"" + h + "\" fill=\"" + SvgColour(kWindowColour) + "\"/>\n";
  // Canvas coordinates name pixels; their centres lie half a unit in.
  svg += "  <g transform=\"translate(0.5 0.5)\" fill=\"none\" stroke-width=\"1\" stroke-linecap=\"square\">\n";
  svg += "    <g id=\"dividers\" stroke=\"#000000\">\n";
  for (const DividerLayout& d : kDividers) svg += "      " + SvgDivider(d) + "\n";
  svg += "    </g>\n";
  const std::vector<CanvasFigure> figures = CanvasFigures(tables);
  static constexpr struct { int16_t pane; const char* id; } kGroups[] = {
      {0, "front"}, {1, "top"}, {2, "side"}, {-1, "outside"}};
  for (const auto& group : kGroups) {
    std::string body;
    for (const CanvasFigure& f : figures) {
      if (f.pane == group.pane) body += "      " + SvgElement(f) + "\n";
    }
    if (body.empty()) continue;
    svg += std::string("    <g id=\"") + group.id + "\" stroke=\"" + SvgColour(kFigureRgb) + "\">\n" + body +
           "    </g>\n";
  }
  svg += "  </g>\n</svg>\n";
  return svg;
}

}  // namespace tova
