// What must hold of the program between any two events, whatever the user did.
#pragma once

#include <optional>
#include <string>

#include "program/program.h"
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

// Nothing when every invariant holds, else the first one broken: used rows form a prefix, live
// units and relations refer to live rows of the right tables, no pending rows are left without a
// figure, the commands are in a state of their own, and a redraw paints exactly the live rows.
[[nodiscard]] std::optional<std::string> BrokenInvariant(const Program& program, const ScriptedShell& shell);

}  // namespace tova::testing
