// Painting the stored drawing on the canvas. The canvas rests in XOR mode so that transient
// shapes vanish when drawn again; stored rows are painted in copy mode, and every operation here
// that switches to copy mode switches back to XOR before it returns. After each operation the
// pen is the thin solid pen of line kind 0.
#pragma once

#include <cstdint>

namespace tova {

struct Program;

// Paints lineTable row `row` if it is live.
void DrawLineRow(Program& program, int16_t row);
// Paints circleTable row `row` if it is live.
void DrawCircleRow(Program& program, int16_t row);
// Paints every live line row, then every live circle row. It does not clear the canvas.
void RedrawDiagram(Program& program);
// Clears the canvas and paints the drawing afresh; the cross-hair went with the old picture.
void RepaintCanvas(Program& program);

}  // namespace tova
