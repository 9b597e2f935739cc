// What must hold of the program between any two events, whatever the user did.
#pragma once

#include <optional>
#include <string>

#include "app/program.h"
#include "support/scripted_shell.h"

namespace tova::testing {

// The used rows (any state but 0) of every table form a prefix of it.
inline bool UsedRowsFormAPrefix(const Tables& t) {
  const auto prefix = [](const auto& rows) {
    bool unusedSeen = false;
    for (const auto& r : rows) {
      if (unusedSeen && r.state != kRowUnused) return false;
      unusedSeen = unusedSeen || r.state == kRowUnused;
    }
    return true;
  };
  return prefix(t.lineTable) && prefix(t.circleTable) && prefix(t.unitTable) && prefix(t.relationTable);
}

// Nothing when every invariant holds, else the first one broken:
// - the used rows of each table form a prefix;
// - every live unit's parts are live rows of the right table;
// - every live relation's four lines are live and its two circles belong to live circle units;
// - the pending tables are all zero whenever no figure is under construction;
// - the commands are in the ready state, or the drawing and file commands are all off;
// - painting the tables afresh draws exactly the live lines and circles.
[[nodiscard]] std::optional<std::string> BrokenInvariant(const Program& program, const ScriptedShell& shell);

}  // namespace tova::testing
