// A shell that shows nothing and answers Cancel: for running the core where nobody is there to
// answer (exports, fuzzing, benchmarks).
#pragma once

#include "platform/shell.h"

namespace tova {

class SilentShell : public Shell {
 public:
  void Enable(Control, bool) override {}
  void Show(Control, bool) override {}
  void SetBackColour(Control, Rgb) override {}
  void SetText(Control, std::string_view) override {}
  int16_t Value(Control) const override { return 1; }
  void SetValue(Control, int16_t) override {}
  void Beep() override {}
  void Present(Control, int) override {}
  Answer MessageBox(std::string_view, std::string_view, Buttons, Icon) override {
    return Answer::Cancel;
  }
  std::string PromptText(std::string_view, std::string_view, std::string_view) override {
    return {};
  }
  std::optional<std::string> OpenFileDialog(std::string_view) override { return std::nullopt; }
  void ClearClipboard() override {}
  void PutClipboardPicture(const Image&) override {}
  Image ClipboardPicture() override { return {}; }
  bool SaveFile(std::string_view, std::string_view) override { return false; }
  void OpenHelpPage(std::string_view) override {}
  std::string ProgramFolder() override { return "."; }
  void EndProgram() override {}
  double Clock() override { return 0; }
  bool OfferFile(std::string_view, std::string_view) override { return false; }
  void StoreRecoveryCopy(std::string_view) override {}
};

}  // namespace tova
