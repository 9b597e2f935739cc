// Line kinds: the pen a line or circle is drawn with, on the canvas and in the 3D view alike.
#pragma once

#include <cstdint>

namespace tova {

class Surface;

inline constexpr int16_t kSolidLine = 0;   // "TrueL": solid, 1 pixel
inline constexpr int16_t kThickLine = 1;   // "ThikL": solid, 2 pixels
inline constexpr int16_t kDottedLine = 2;  // "EmptL": dotted, 1 pixel

// Sets the pen of `surface` for the line kind; any other value leaves the pen as it is.
void SelectLinePen(Surface& surface, int16_t lineKind);

// Draws a circle in `colour` with the current pen and raster mode: the full circle when it runs
// from 0 to 359 degrees, else the arc from startDeg to endDeg.
void DrawCircleOrArc(Surface& surface, int16_t cx, int16_t cy, int16_t radius, int16_t startDeg,
                     int16_t endDeg, uint32_t colour);

}  // namespace tova
