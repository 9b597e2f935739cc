// How far the figure under construction has got, the rubber band and the cross-hair.
#pragma once

#include <cstdint>

namespace tova {

struct CanvasVars {
  int16_t firstPane = 0;       // pane of the figure's first view
  int16_t secondPane = 0;      // pane of its second view
  int16_t thirdPane = 0;       // pane a line figure completes by itself
  int16_t firstViewStep = 0;   // 0 idle, 1 first point, 2 radius set, 3 start angle set
  int16_t secondViewStep = 0;  // 1 while the second-view segment is dragged
  int16_t figureStage = 0;     // 0 none, 1 under construction, 2 complete in all three views
  int16_t pendingCommit = 0;   // what "OK" does: 0 nothing, 1 a relation, 3 a unit
  int16_t rubberX = 0, rubberY = 0;  // where the rubber band was last drawn
  int16_t rubberAngle = 0;           // end angle of the rubber-band arc
  int16_t lockedAxis = 0, lockedStart = 0, lockedEnd = 0;  // what the first view imposes
  int16_t markX = 0, markY = 0;  // where the cross-hair is drawn; -1 when none is
};

}  // namespace tova
