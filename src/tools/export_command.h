// The tova-export command: a drawing turned into an SVG or DXF of its three views, a PNG of its
// 3D view, an OBJ of its wire-frame model or a PDF sheet for printing, the format named by the
// output's extension.
#pragma once

#include <iosfwd>
#include <string>
#include <vector>

namespace tova {

inline constexpr const char* kExportUsage =
    "Usage: tova-export [options] DRAWING.KRT OUTPUT\n"
    "       tova-export --help\n"
    "Writes the drawing in the format that OUTPUT's extension names:\n"
    "  .svg  the three views as the canvas shows them, as a vector picture\n"
    "  .dxf  the three views as LINE, CIRCLE and ARC entities, a layer per view\n"
    "  .png  the 3D view of the model\n"
    "  .obj  the wire-frame model in model coordinates\n"
    "  .pdf  an A4 landscape sheet: the three views at 1 px = 0.4 mm, a border, a title block\n"
    "Options for .png (defaults: the view that MAKE-3D opens on):\n"
    "  --tilt DEGREES       tilt of the model (45)\n"
    "  --turn DEGREES       turn about the model's upright axis (45)\n"
    "  --size TENTHS        scale, 1 to 50 (14)\n"
    "  --centre N           point the model turns about, 0 to 200 (100)\n"
    "  --pen COLOUR         line colour (#00ff00)\n"
    "  --background COLOUR  background colour (#808080)\n"
    "A COLOUR is #RRGGBB or a number 0 to 15 of the colour menus.\n"
    "Options for .pdf, the title block's fields:\n"
    "  --title TEXT         title (the drawing's file name without its extension)\n"
    "  --author NAME        drawn by (empty)\n"
    "  --date YYYY-MM-DD    date of issue (today)\n"
    "  --number TEXT        drawing number (empty)\n";

// Runs the command on its arguments (the program's name left out). Help goes to `out`; a
// failure is one line on `err` naming the file and what is wrong, and then nothing is written.
// Returns the exit status: 0, or 1 on failure.
int RunExport(const std::vector<std::string>& arguments, std::ostream& out, std::ostream& err);

}  // namespace tova
