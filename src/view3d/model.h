// The wire-frame model that the three views describe, as edges between model points: line
// units as single edges, circle and arc units as chains of edges every 15 degrees, relations as
// edges every 30 degrees between their two circles. The 3D view draws these edges; exports
// write them out.
#pragma once

#include <cstdint>
#include <functional>

#include "view3d/projection.h"

namespace tova {

struct Tables;

using EdgeSink = std::function<void(ModelPoint from, ModelPoint to)>;

// Each gives the edges of one row to `sink`, in drawing order; a row that is out of range or
// refers outside its tables gives none. Row states are not looked at.
void LineUnitEdges(const Tables& tables, int16_t unit, const EdgeSink& sink);
void CircleUnitEdges(const Tables& tables, int16_t unit, const EdgeSink& sink);
// A line unit's edge or a circle unit's chain, whichever the unit is.
void UnitEdges(const Tables& tables, int16_t unit, const EdgeSink& sink);
void RelationEdges(const Tables& tables, int16_t relation, const EdgeSink& sink);

// The edges of every live unit, then of every live relation.
void ModelEdges(const Tables& tables, const EdgeSink& sink);

}  // namespace tova
