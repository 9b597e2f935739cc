// The shell of the page in the browser: controls are the page's elements, boxes and dialogs its
// own modal <dialog>s (the program waits for the answer while the browser runs), drawings are
// saved to the browser's persistent storage, the clipboard is the system's, and the tab's recovery
// copy is kept in the browser's local storage (site/recovery.js).
#pragma once

#include <cstdint>
#include <string>

#include "platform/shell.h"

namespace tova {

// The program's 0xFFRRGGBB words and the page's R, G, B, A bytes (read as a word, 0xAABBGGRR)
// differ by red and blue changing places, either way.
constexpr uint32_t SwapRedBlue(uint32_t p) { return 0xFF000000u | (p & 0xFF) << 16 | (p & 0xFF00) | (p >> 16 & 0xFF); }

class WebShell : public Shell {
 public:
  void Enable(Control control, bool enabled) override;
  void Show(Control control, bool visible) override;
  void SetBackColour(Control control, Rgb colour) override;
  void SetText(Control control, std::string_view text) override;
  int16_t Value(Control control) const override;
  void SetValue(Control control, int16_t value) override;
  void Beep() override;
  void Present(Control pictureBox, int pauseMs) override;
  Answer MessageBox(std::string_view text, std::string_view title, Buttons buttons, Icon icon) override;
  std::string PromptText(std::string_view prompt, std::string_view title, std::string_view preset) override;
  std::optional<std::string> OpenFileDialog(std::string_view fileNameField) override;
  void ClearClipboard() override;
  void PutClipboardPicture(const Image& picture) override;
  Image ClipboardPicture() override;
  [[nodiscard]] bool SaveFile(std::string_view path, std::string_view bytes) override;
  void OpenHelpPage(std::string_view path) override;
  std::string ProgramFolder() override;
  void EndProgram() override;
  double Clock() override;
  bool OfferFile(std::string_view suggestedName, std::string_view bytes) override;
  void StoreRecoveryCopy(std::string_view bytes) override;
};

}  // namespace tova
