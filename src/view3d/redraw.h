// Drawing the wire-frame model on the 3D view: line units as edges, circle and arc units as
// chains of lines every 15 degrees, relations as lines every 30 degrees between their circles.
#pragma once

#include <cstdint>

#include "view3d/projection.h"

namespace tova {

struct Program;

// Draws the model as the "PLAY", "CLS" and "COL" boxes say.
void RedrawView(Program& program);

// Draws every live unit and relation on the 3D view as it stands, whatever the boxes say.
void DrawModel(Program& program);

void DrawEdge3D(Program& program, ModelPoint from, ModelPoint to);
void DrawLineUnit(Program& program, int16_t unit);
void DrawCircleUnit(Program& program, int16_t unit);
void DrawRelationSurface(Program& program, int16_t relation);

}  // namespace tova
