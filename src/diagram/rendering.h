// Painting the stored drawing on the canvas. The canvas rests in XOR mode so that transient
// shapes vanish when drawn again; stored rows are painted in copy mode, and every operation here
// that switches to copy mode switches back to XOR before it returns. After each operation the
// pen is the thin solid pen of line kind 0.
#pragma once

#include <cstdint>

namespace tova {

struct Program;
class Surface;

// Line kinds: the pen that draws a line or circle.
inline constexpr int16_t kSolidLine = 0;   // "TrueL": solid, 1 pixel
inline constexpr int16_t kThickLine = 1;   // "ThikL": solid, 2 pixels
inline constexpr int16_t kDottedLine = 2;  // "EmptL": dotted, 1 pixel

// Sets the pen of `surface` for the line kind; any other value leaves the pen as it is.
void SelectLinePen(Surface& surface, int16_t lineKind);

// Draws a circle in `colour` with the current pen and raster mode: the full circle when it runs
// from 0 to 359 degrees, else the arc from startDeg to endDeg.
void DrawCircleOrArc(Surface& surface, int16_t cx, int16_t cy, int16_t radius, int16_t startDeg,
                     int16_t endDeg, uint32_t colour);

// Paints lineTable row `row` if it is live.
void DrawLineRow(Program& program, int16_t row);
// Paints circleTable row `row` if it is live.
void DrawCircleRow(Program& program, int16_t row);
// Paints every live line row, then every live circle row. It does not clear the canvas.
void RedrawDiagram(Program& program);
// Draws the pending figure once more in the current raster mode (erasing it in XOR mode,
// painting it for good in copy mode), then discards it and resets the editing state.
void FlushPendingFigure(Program& program);

}  // namespace tova
