// The three views as a DXF drawing (AutoCAD 2000 format) for drafting programs.
#pragma once

#include <string>

namespace tova {

struct Tables;

// Every line, circle and arc of the canvas as a LINE, CIRCLE or ARC entity on the layer of its
// view ("FRONT", "TOP", "SIDE"; "0" outside them). DXF's y axis points up, so the canvas point
// (x, y) is (x, -y); arc angles keep their values, counter-clockwise from the x axis. Solid
// lines are 0.25 mm, thick ones 0.50 mm, and dotted ones take the line type "DOTTED".
[[nodiscard]] std::string FormatDxf(const Tables& tables);

}  // namespace tova
