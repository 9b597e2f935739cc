// Checks of the tables shared by the fuzz harness and the session invariants.
#pragma once

#include "document/tables.h"

namespace tova::testing {

// The used rows (any state but 0) of every table form a prefix of it.
inline bool UsedRowsFormAPrefix(const Tables& t) {
  const auto prefix = [](const auto& rows) {
    bool unusedSeen = false;
    for (const auto& r : rows) {
      if (r.state == kRowUnused) {
        unusedSeen = true;
      } else if (unusedSeen) {
        return false;
      }
    }
    return true;
  };
  return prefix(t.lineTable) && prefix(t.circleTable) && prefix(t.unitTable) &&
         prefix(t.relationTable);
}

}  // namespace tova::testing
