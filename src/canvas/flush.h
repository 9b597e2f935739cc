// Flushing the figure under construction: drawn once more, to erase it or to paint it for good,
// then discarded.
#pragma once

namespace tova {

struct Program;

// Draws the pending figure once more in the current raster mode (erasing it in XOR mode,
// painting it for good in copy mode), then discards it and resets the editing state.
void FlushPendingFigure(Program& program);

}  // namespace tova
