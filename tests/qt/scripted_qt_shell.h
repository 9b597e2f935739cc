// The real window's shell with its boxes and dialogs answered by a script instead of shown, and
// its beeps counted.
#pragma once

#include "app/qt/qt_shell.h"
#include "support/dialog_script.h"

namespace tova::testing {

class ScriptedQtShell : public QtShell {
 public:
  void Beep() override { ++beeps; }
  Answer MessageBox(std::string_view text, std::string_view title, Buttons buttons,
                    Icon icon) override {
    return script.MessageBox(text, title, buttons, icon);
  }
  std::string PromptText(std::string_view prompt, std::string_view title,
                         std::string_view preset) override {
    return script.PromptText(prompt, title, preset);
  }
  std::optional<std::string> OpenFileDialog(std::string_view field) override {
    return script.OpenFileDialog(field);
  }

  DialogScript script;
  int beeps = 0;
};

}  // namespace tova::testing
