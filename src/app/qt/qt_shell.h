// The shell on Qt: controls are the window's widgets found by name, boxes and dialogs are Qt's
// modal dialogs over the window.
#pragma once

#include <QObject>
#include <QElapsedTimer>
#include <QPointer>
#include <array>

#include "platform/shell.h"

class QString;
class QWidget;

namespace tova {

class QtShell : public Shell {
 public:
  // Finds the controls among the window's children by their names.
  void Attach(QWidget* window);

  void Enable(Control control, bool enabled) override;
  void Show(Control control, bool visible) override;
  void SetText(Control control, std::string_view text) override;
  int16_t Value(Control control) const override;
  void SetValue(Control control, int16_t value) override;
  void Beep() override;
  void Present(Control pictureBox, int pauseMs) override;
  Answer MessageBox(std::string_view text, std::string_view title, Buttons buttons,
                    Icon icon) override;
  std::string PromptText(std::string_view prompt, std::string_view title,
                         std::string_view preset) override;
  std::optional<std::string> OpenFileDialog(std::string_view fileNameField) override;
  void ClearClipboard() override;
  void PutClipboardPicture(const Image& picture) override;
  Image ClipboardPicture() override;
  void OpenHelpPage(std::string_view path) override;
  void SetBackColour(Control control, Rgb colour) override;
  bool SaveFile(std::string_view path, std::string_view bytes) override;
  std::string ProgramFolder() override;
  void EndProgram() override;
  double Clock() override;
  bool OfferFile(std::string_view suggestedName, std::string_view bytes) override;
  void StoreRecoveryCopy(std::string_view) override {}

 protected:
  QWidget* window() const { return window_; }
  // The Save dialog over the window, on `name` (a file name, or a path to start from); the path
  // chosen, or none when cancelled.
  virtual std::optional<std::string> SaveFileDialog(const QString& name);

 private:
  QElapsedTimer clock_ = [] { QElapsedTimer t; t.start(); return t; }();
  QObject* Find(Control control) const { return controls_[static_cast<std::size_t>(control)]; }

  QWidget* window_ = nullptr;
  std::array<QPointer<QObject>, kControlCount> controls_{};
};

}  // namespace tova
