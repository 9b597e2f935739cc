// "The object": the key's wire-frame in a panel of its own, turned by the pointer and the keys as
// the 3D view is turned. It is a second program run on the key's tables, silent, so that every
// step and turn is the 3D view's own.
#pragma once

#include <memory>

#include "platform/silent_shell.h"
#include "program/program.h"

namespace tova {

struct ObjectPanel {
  // The 3D view's switches as they start: "PLAY" and "CLEAR" on, the colour cycle off.
  class Switches : public SilentShell {
   public:
    int16_t Value(Control control) const override { return control == Control::Check3 ? 0 : 1; }
  };
  Switches shell;
  Program program{shell};
};

// A panel showing `key` from the 3D view's start angles.
[[nodiscard]] std::shared_ptr<ObjectPanel> MakeObjectPanel(const Tables& key);

}  // namespace tova
