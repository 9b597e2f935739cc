// The circle tool "O" and the arc tool "C": the circle (or arc) drawn in one view, its depth
// clicked in a second view, and its projections into the other two views drawn as lines.
#pragma once

#include <cstdint>

namespace tova {

struct Program;

void CircleCentre(Program& program, int16_t x, int16_t y);
void TrackRadius(Program& program, int16_t x, int16_t y);
void CircleRadius(Program& program);
void CircleSecondView(Program& program, int16_t x, int16_t y);
// Draws the two projections for a depth taken from the click at (x, y), and records them as
// pending rows 0 and 1.
void ProjectPendingCircle(Program& program, int16_t x, int16_t y);

// The arc tool's steps between the radius and the second view.
void ArcStart(Program& program, int16_t x, int16_t y);
void TrackArc(Program& program, int16_t x, int16_t y);
void ArcEnd(Program& program);

}  // namespace tova
