// What the program asks of the platform beyond drawing: switching and reading controls, sound,
// modal boxes and dialogs, the clipboard and help pages. The window implements it on Qt
// (app/qt/qt_shell.h), the page in the browser (web/web_shell.h), tests with a script
// (tests/support/scripted_shell.h); SilentShell (silent_shell.h) shows nothing, for the
// exports, fuzzing and benchmarks.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "platform/control.h"
#include "platform/surface.h"

namespace tova {

enum class Buttons : uint8_t { Ok, OkCancel };
enum class Icon : uint8_t { Question, Exclamation };
enum class Answer : uint8_t { Ok, Cancel };

class Shell {
 public:
  virtual ~Shell() = default;

  virtual void Enable(Control control, bool enabled) = 0;
  virtual void Show(Control control, bool visible) = 0;
  // The background colour of the window (the labels and check boxes keep their own).
  virtual void SetBackColour(Control control, Rgb colour) = 0;
  virtual void SetText(Control control, std::string_view text) = 0;
  // A check box's value (0 or 1) or a scroll bar's position.
  virtual int16_t Value(Control control) const = 0;
  virtual void SetValue(Control control, int16_t value) = 0;

  virtual void Beep() = 0;
  // Puts what was drawn on a picture box on the screen at once, then waits `pauseMs`
  // milliseconds without handling input: for animations run inside one event.
  virtual void Present(Control pictureBox, int pauseMs) = 0;
  // A modal message box; a box with only an OK button answers Ok.
  virtual Answer MessageBox(std::string_view text, std::string_view title, Buttons buttons,
                            Icon icon) = 0;
  // A modal text prompt; an empty answer when it is cancelled.
  virtual std::string PromptText(std::string_view prompt, std::string_view title,
                                 std::string_view preset) = 0;
  // The Open File dialog with its file-name field preset; no value when it is cancelled.
  virtual std::optional<std::string> OpenFileDialog(std::string_view fileNameField) = 0;

  virtual void ClearClipboard() = 0;
  virtual void PutClipboardPicture(const Image& picture) = 0;
  // The picture on the clipboard, or an empty image when it holds none.
  virtual Image ClipboardPicture() = 0;

  // Writes `bytes` to the file at `path` (relative to the working folder) so that the file is
  // either the old one, whole, or the new one, whole; false when it could not be written.
  [[nodiscard]] virtual bool SaveFile(std::string_view path, std::string_view bytes) = 0;

  // Shows an HTML page (a path) in a window of its own, without waiting for it.
  virtual void OpenHelpPage(std::string_view path) = 0;
  // The folder that holds the program, without a trailing separator.
  virtual std::string ProgramFolder() = 0;
  // Ends the program at once: no further boxes, no further events.
  virtual void EndProgram() = 0;

  // Seconds on a clock that only moves forward (its zero is the shell's own).
  virtual double Clock() = 0;
  // Gives the user a file made by the program, under a suggested name: the window asks where to
  // save it, the page downloads it. False when it was not stored (cancelled, or refused).
  [[nodiscard]] virtual bool OfferFile(std::string_view suggestedName, std::string_view bytes) = 0;

  // Keeps `bytes` as this window's or tab's recovery copy, whole, in place of the one it kept
  // before; empty bytes remove it. No other window's or tab's copy is touched.
  virtual void StoreRecoveryCopy(std::string_view bytes) = 0;
};

}  // namespace tova
