// Find mode: whether it is on, whether the highlighted element is locked, and which it is.
#pragma once

#include <cstdint>

namespace tova {

struct FindVars {
  int16_t findMode = 0;       // 1 on
  int16_t findLocked = 0;     // 1 the highlighted element is locked and "DEL" armed
  int16_t foundUnit = 0;      // unitTable row highlighted, -1 none
  int16_t foundRelation = 0;  // relationTable row highlighted, -1 none
};

}  // namespace tova
