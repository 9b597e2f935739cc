// "GOTO-2D": from the 3D view back to the three views.
#pragma once

namespace tova {

struct Program;

// Hides the 3D view and paints the canvas afresh from the tables.
void C16_Click(Program& program);

}  // namespace tova
