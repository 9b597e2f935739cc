// How far the figure under construction has got, the rubber band and the cross-hair.
#pragma once

#include <cstdint>

namespace tova {

struct CanvasVars {
  int16_t firstPane = 0;       // pane of the figure's first view
  int16_t secondPane = 0;      // pane of its second view
  int16_t thirdPane = 0;       // pane a line figure completes by itself
  int16_t firstViewStep = 0;   // kFirstStep*: the clicks made so far in the first view
  int16_t secondViewStep = 0;  // kSecondStep*: whether the second-view segment is dragged
  int16_t figureStage = 0;     // kStage*: how far the figure has got
  int16_t pendingCommit = 0;   // kCommit*: what "OK" does
  int16_t rubberX = 0, rubberY = 0;  // where the rubber band was last drawn
  int16_t rubberAngle = 0;           // end angle of the rubber-band arc
  int16_t lockedAxis = 0, lockedStart = 0, lockedEnd = 0;  // what the first view imposes
  int16_t markX = 0, markY = 0;  // where the cross-hair is drawn; -1 when none is
};

inline constexpr int16_t kStageNone = 0;
inline constexpr int16_t kStageBuilding = 1;  // under construction
inline constexpr int16_t kStageComplete = 2;  // complete in all three views

inline constexpr int16_t kFirstStepIdle = 0;
inline constexpr int16_t kFirstStepPoint = 1;       // the first point (a line's start, a centre) set
inline constexpr int16_t kFirstStepRadius = 2;      // an arc's radius set
inline constexpr int16_t kFirstStepStartAngle = 3;  // an arc's start angle set

inline constexpr int16_t kSecondStepIdle = 0;
inline constexpr int16_t kSecondStepDragging = 1;  // the second-view segment is dragged

inline constexpr int16_t kCommitNothing = 0;
inline constexpr int16_t kCommitRelation = 1;
inline constexpr int16_t kCommitUnit = 3;

}  // namespace tova
