// The three views as a vector picture (SVG) that prints sharp at any size.
#pragma once

#include <string>

namespace tova {

struct Tables;

// The canvas as it shows the drawing: its white ground, the pane dividers, and every line,
// circle and arc in the figure colour at canvas coordinates (pixel centres), one group per
// view. Thick lines are 2 wide and dotted lines dashed 3 on, 3 off.
[[nodiscard]] std::string FormatSvg(const Tables& tables);

}  // namespace tova
