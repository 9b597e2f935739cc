// The two background colour menus: the window's colour, and the canvas's, which repaints the
// stored drawing on the new colour and drops the figure being drawn.
#pragma once

#include <cstdint>

namespace tova {

struct Program;

// "F.BKcolor": colour n of the colour table.
void SetWindowColour(Program& program, int16_t colour);
// "P.BKcolor": colour n of the colour table.
void SetCanvasColour(Program& program, int16_t colour);

}  // namespace tova
