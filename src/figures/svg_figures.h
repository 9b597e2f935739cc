// Figures of the canvas as SVG elements, in canvas coordinates.
#pragma once

#include <string>
#include <string_view>

#include "figures/canvas_figures.h"
#include "platform/colours.h"
#include "program/window_layout.h"

namespace tova {

// The colour as SVG writes it: #rrggbb.
[[nodiscard]] std::string SvgColour(Rgb colour);

// The figure as one element (line, circle or path) with the pen of its line kind: thick lines
// 2 wide, dotted lines dashed 3 on, 3 off. `attributes`, when given, is put inside the element.
[[nodiscard]] std::string SvgElement(const CanvasFigure& f, std::string_view attributes = {});

// One of the canvas's pane dividers as a line element, in canvas coordinates.
[[nodiscard]] std::string SvgDivider(const DividerLayout& d);

}  // namespace tova
