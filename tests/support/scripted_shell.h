// A shell for tests: remembers the state of every control, counts beeps, keeps a log of calls in
// order, and answers dialogs from a DialogScript.
#pragma once

#include <array>
#include <optional>
#include <string>
#include <vector>

#include "platform/shell.h"
#include "support/dialog_script.h"

namespace tova::testing {

class ScriptedShell : public Shell {
 public:
  void Enable(Control control, bool enabled) override;
  void Show(Control control, bool visible) override;
  void SetText(Control control, std::string_view text) override;
  int16_t Value(Control control) const override { return values_[Index(control)]; }
  void SetValue(Control control, int16_t value) override;
  void Beep() override;
  void Present(Control control, int) override { ++presents[static_cast<std::size_t>(control)]; }
  tova::Answer MessageBox(std::string_view text, std::string_view title, Buttons buttons,
                          Icon icon) override;
  std::string PromptText(std::string_view prompt, std::string_view title,
                         std::string_view preset) override {
    return script.PromptText(prompt, title, preset);
  }
  std::optional<std::string> OpenFileDialog(std::string_view fileNameField) override {
    return script.OpenFileDialog(fileNameField);
  }
  void ClearClipboard() override { clipboard = Image{}; }
  void PutClipboardPicture(const Image& picture) override { clipboard = picture; }
  Image ClipboardPicture() override { return clipboard; }
  void OpenHelpPage(std::string_view path) override { helpPages.emplace_back(path); }
  void SetBackColour(Control control, Rgb colour) override;
  // Writes real files, through a temporary file renamed over the target.
  bool SaveFile(std::string_view path, std::string_view bytes) override;
  std::string ProgramFolder() override { return "/opt/tova"; }
  void EndProgram() override { ++ended; }

  // Enabled or visible as last set; nothing when the program never set it.
  std::optional<bool> enabled(Control c) const { return enabled_[Index(c)]; }
  std::optional<bool> visible(Control c) const { return visible_[Index(c)]; }
  const std::string& text(Control c) const { return texts_[Index(c)]; }
  int beeps() const { return beeps_; }
  // "beep", "enable C0 1", "show D 0", "text Text3  0", "value Check1 1", "box <text>".
  const std::vector<std::string>& log() const { return log_; }
  void ClearLog() { log_.clear(); }
  // Forgets the beeps, the log and the boxes shown so far.
  void ForgetCalls() {
    beeps_ = 0;
    log_.clear();
    script.ForgetShown();
  }

  DialogScript script;
  std::array<int, kControlCount> presents{};
  std::array<std::optional<Rgb>, kControlCount> backColours{};
  int ended = 0;
  Image clipboard;
  std::vector<std::string> helpPages;

 private:
  static std::size_t Index(Control c) { return static_cast<std::size_t>(c); }

  std::array<std::optional<bool>, kControlCount> enabled_{};
  std::array<std::optional<bool>, kControlCount> visible_{};
  std::array<std::string, kControlCount> texts_{};
  std::array<int16_t, kControlCount> values_{};
  int beeps_ = 0;
  std::vector<std::string> log_;
};

}  // namespace tova::testing
