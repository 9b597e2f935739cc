// Giving a part of the figure under construction a line kind: the part in the clicked pane is
// redrawn at once with its new pen.
#pragma once

#include <cstdint>

namespace tova {

struct Program;

// The part of the pending figure lying in the pane of (x, y) gets `lineKind` (0 to 2); a pane
// with no part of the figure changes nothing.
void RestylePendingPart(Program& program, int16_t x, int16_t y, int16_t lineKind);

}  // namespace tova
