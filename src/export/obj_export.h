// The wire-frame model as a Wavefront OBJ file for 3D programs.
#pragma once

#include <string>

namespace tova {

struct Tables;

// The model points, each written once as a vertex `v x y z` in model coordinates (X to the
// left in the front view, Y towards its viewer, Z up), and the edges of the 3D view as line
// elements: one `l` per line unit, one polyline per circle or arc chain and one `l` per
// relation line, each unit and relation in its own group. Edges of no length are left out.
[[nodiscard]] std::string FormatObj(const Tables& tables);

}  // namespace tova
