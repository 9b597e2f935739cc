// The shell on Qt: controls are the window's widgets found by name, boxes and dialogs are Qt's
// modal dialogs over the window.
#pragma once

#include <QObject>
#include <QElapsedTimer>
#include <QPointer>
#include <array>
#include <optional>
#include <utility>

#include "app/qt/recovery_folder.h"
#include "platform/shell.h"

class QString;
class QWidget;

namespace tova {

class QtShell : public Shell {
 public:
  // Keeps the window's recovery copy in `recoveryFolder`, among those of other windows.
  explicit QtShell(QString recoveryFolder = RecoveryFolder::DefaultPath())
      : recoveryFolder_(std::move(recoveryFolder)) {}

  // Finds the controls among the window's children by their names. The first window attached
  // takes its place in the recovery folder, which recovery() then gives.
  void Attach(QWidget* window);
  const RecoveryFolder& recovery() const { return *recovery_; }

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
  void StoreRecoveryCopy(std::string_view bytes) override;

 protected:
  QWidget* window() const { return window_; }
  // The Save dialog over the window, on `name` (a file name, or a path to start from); the path
  // chosen, or none when cancelled.
  virtual std::optional<std::string> SaveFileDialog(const QString& name);

 private:
  QElapsedTimer clock_ = [] { QElapsedTimer t; t.start(); return t; }();
  QObject* Find(Control control) const { return controls_[static_cast<std::size_t>(control)]; }

  QWidget* window_ = nullptr;
  QString recoveryFolder_;
  std::optional<RecoveryFolder> recovery_;
  std::array<QPointer<QObject>, kControlCount> controls_{};
};

}  // namespace tova
