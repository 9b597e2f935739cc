// The shape and line kind chosen with the buttons, the file channel number, and the document as
// last read or saved.
#pragma once

#include <cstdint>
#include <string>

namespace tova {

struct AppVars {
  int16_t currentShape = 0;     // 0 line "----", 1 circle "O", 2 arc "C"
  int16_t currentLineKind = 0;  // kind the next canvas click gives the pending figure; -1 none
  int16_t fileNumber = 0;       // channel of document reads and writes; moves on after a failure
  std::string storedDocument;   // the tables as last read, started afresh or saved, written out
};

inline constexpr int16_t kShapeLine = 0;
inline constexpr int16_t kShapeCircle = 1;
inline constexpr int16_t kShapeArc = 2;

}  // namespace tova
