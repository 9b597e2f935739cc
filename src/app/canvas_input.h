// Everything the pointer does on the canvas: clicks go to the tool of the chosen shape, to find
// mode or to a line kind waiting to be given; moves draw the guide lines, show the position and
// drag the rubber band; a double click confirms a complete figure.
#pragma once

#include <cstdint>

namespace tova {

struct Program;

// Positions are the pointer's, in canvas pixels, as the platform gives them.
void P_MouseDown(Program& program, double X, double Y);
void P_MouseMove(Program& program, double X, double Y);
void P_DblClick(Program& program);
// "<===": abandons the figure under construction.
void C6_Click(Program& program);

}  // namespace tova
