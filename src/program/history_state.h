// What undo and redo go back and forth through, and this window's recovery copy of the drawing.
// Plain data; the history layer reads and changes it.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "document/tables.h"

namespace tova {

// The steps undo can go back, at most. Each step keeps the drawing's tables whole (about 5 KB),
// so the undo and redo steps together hold at most about 0.5 MB.
inline constexpr std::size_t kHistorySteps = 100;

struct HistoryVars {
  // The drawings before each change, oldest first, and those undone, the last undone last. Only
  // the four stored tables of each count; the figure being drawn is no part of a step.
  std::vector<Tables> undo, redo;
  // Moves on at every change to the drawing, every undo and redo and every new history.
  uint64_t revision = 0;
  // What the Undo and Redo items were last set to: -1 not yet, 0 greyed, 1 usable.
  int8_t undoShown = -1, redoShown = -1;
  // The drawing as this window's recovery copy last kept it; empty when it keeps none.
  std::string keptDocument;
  bool ended = false;  // the program is ending cleanly: no copy is kept any more
};

}  // namespace tova
