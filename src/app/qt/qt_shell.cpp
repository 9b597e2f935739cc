#include "app/qt/qt_shell.h"

#include <QAbstractSlider>
#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QDesktopServices>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QImage>
#include <QInputDialog>
#include <QLineEdit>
#include <QMainWindow>
#include <QMenu>
#include <QMessageBox>
#include <QSaveFile>
#include <QThread>
#include <QUrl>
#include <algorithm>

#include "app/qt/picture_box.h"
#include "app/qt/qt_text.h"
#include "platform/message_box.h"

namespace tova {

void QtShell::Attach(QWidget* window) {
  window_ = window;
  for (int i = 0; i < kControlCount; ++i) {
    const Control c = static_cast<Control>(i);
    controls_[static_cast<std::size_t>(i)] = window->findChild<QObject*>(ToQString(ControlName(c)));
  }
  // The window's colour is its client area's.
  auto* mainWindow = qobject_cast<QMainWindow*>(window);
  controls_[static_cast<std::size_t>(Control::Form1)] =
      mainWindow != nullptr ? mainWindow->centralWidget() : window;
  if (!recovery_) recovery_.emplace(recoveryFolder_);
}

void QtShell::Enable(Control control, bool enabled) {
  QObject* o = Find(control);
  if (auto* menu = qobject_cast<QMenu*>(o)) {
    menu->menuAction()->setEnabled(enabled);
  } else if (auto* item = qobject_cast<QAction*>(o)) {
    item->setEnabled(enabled);
  } else if (auto* widget = qobject_cast<QWidget*>(o)) {
    widget->setEnabled(enabled);
  }
}

void QtShell::Show(Control control, bool visible) {
  if (auto* widget = qobject_cast<QWidget*>(Find(control))) widget->setVisible(visible);
}

void QtShell::SetText(Control control, std::string_view text) {
  if (auto* edit = qobject_cast<QLineEdit*>(Find(control))) edit->setText(ToQString(text));
}

int16_t QtShell::Value(Control control) const {
  QObject* o = Find(control);
  if (auto* box = qobject_cast<QCheckBox*>(o)) return box->isChecked() ? 1 : 0;
  if (auto* bar = qobject_cast<QAbstractSlider*>(o)) return static_cast<int16_t>(bar->value());
  return 0;
}

void QtShell::SetValue(Control control, int16_t value) {
  QObject* o = Find(control);
  if (auto* box = qobject_cast<QCheckBox*>(o)) {
    box->setChecked(value != 0);
  } else if (auto* bar = qobject_cast<QAbstractSlider*>(o)) {
    bar->setValue(value);
  }
}

void QtShell::Beep() { QApplication::beep(); }

void QtShell::Present(Control pictureBox, int pauseMs) {
  if (auto* box = qobject_cast<PictureBox*>(Find(pictureBox))) {
    box->RefreshFromSurface();
    box->repaint();  // painted now, not when the event loop next runs
  }
  QThread::msleep(static_cast<unsigned long>(std::max(pauseMs, 0)));
}

Answer QtShell::MessageBox(std::string_view text, std::string_view title, Buttons buttons,
                           Icon icon) {
  QMessageBox box(icon == Icon::Question ? QMessageBox::Question : QMessageBox::Warning,
                  ToQString(title), ToQString(text),
                  buttons == Buttons::Ok ? QMessageBox::Ok : QMessageBox::Ok | QMessageBox::Cancel,
                  window_);
  box.setDefaultButton(QMessageBox::Ok);
  box.setEscapeButton(buttons == Buttons::Ok ? QMessageBox::Ok : QMessageBox::Cancel);
  const bool ok = box.exec() == QMessageBox::Ok;
  return ok || buttons == Buttons::Ok ? Answer::Ok : Answer::Cancel;
}

std::string QtShell::PromptText(std::string_view prompt, std::string_view title,
                                std::string_view preset) {
  bool ok = false;
  const QString answer = QInputDialog::getText(window_, ToQString(title), ToQString(prompt),
                                               QLineEdit::Normal, ToQString(preset), &ok);
  return ok ? answer.toStdString() : std::string();
}

std::optional<std::string> QtShell::OpenFileDialog(std::string_view fileNameField) {
  QFileDialog dialog(window_, "Open");
  dialog.setFileMode(QFileDialog::ExistingFile);
  dialog.setOption(QFileDialog::DontUseNativeDialog);
  dialog.setAcceptMode(QFileDialog::AcceptOpen);
  dialog.setNameFilter(ToQString(fileNameField));
  dialog.selectFile(ToQString(fileNameField));
  if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return std::nullopt;
  return dialog.selectedFiles().front().toStdString();
}

void QtShell::ClearClipboard() { QGuiApplication::clipboard()->clear(); }

void QtShell::PutClipboardPicture(const Image& picture) {
  if (picture.Empty()) return;
  const QImage image(reinterpret_cast<const uchar*>(picture.pixels.data()), picture.width,
                     picture.height, picture.width * 4, QImage::Format_RGB32);
  QGuiApplication::clipboard()->setImage(image.copy());
}

Image QtShell::ClipboardPicture() {
  const QImage image =
      QGuiApplication::clipboard()->image().convertToFormat(QImage::Format_RGB32);
  if (image.isNull()) return {};
  Image picture{image.width(), image.height(), {}};
  picture.pixels.reserve(static_cast<std::size_t>(image.width()) * image.height());
  for (int y = 0; y < image.height(); ++y) {
    const auto* row = reinterpret_cast<const uint32_t*>(image.constScanLine(y));
    picture.pixels.insert(picture.pixels.end(), row, row + image.width());
  }
  return picture;
}

void QtShell::OpenHelpPage(std::string_view path) {
  // The desktop's own handler for HTML pages; when there is none, nothing happens.
  QDesktopServices::openUrl(QUrl::fromLocalFile(ToQString(path)));
}

void QtShell::SetBackColour(Control control, Rgb colour) {
  if (auto* widget = qobject_cast<QWidget*>(Find(control))) {
    QPalette palette = widget->palette();
    palette.setColor(QPalette::Window, QColor::fromRgb(colour | 0xFF000000u));
    widget->setPalette(palette);
  }
}

bool QtShell::SaveFile(std::string_view path, std::string_view bytes) {
  QSaveFile file(ToQString(path));
  // A folder that cannot take the temporary file is an error, not a reason to overwrite the
  // old file in place.
  file.setDirectWriteFallback(false);
  if (!file.open(QIODevice::WriteOnly)) return false;
  const qint64 size = static_cast<qint64>(bytes.size());
  if (file.write(bytes.data(), size) != size || !file.flush() ||
      file.error() != QFileDevice::NoError) {
    file.cancelWriting();
    return false;
  }
  return file.commit();
}

// A copy that cannot be written is no reason to trouble the user: the drawing stands as it is.
void QtShell::StoreRecoveryCopy(std::string_view bytes) {
  if (!recovery_ || recovery_->copy().isEmpty()) return;
  if (bytes.empty()) {
    QFile::remove(recovery_->copy());
  } else {
    (void)QtShell::SaveFile(recovery_->copy().toStdString(), bytes);
  }
}

std::string QtShell::ProgramFolder() {
  return QCoreApplication::applicationDirPath().toStdString();
}

void QtShell::EndProgram() { QCoreApplication::exit(0); }

double QtShell::Clock() { return static_cast<double>(clock_.elapsed()) / 1000; }

// Asks where to save, in the working folder under the suggested name, as a Tova drawing (a hand-in
// opens as one). Saving is whole or not at all; where it fails, the user is told so and asked
// again, since a hand-in the student believes saved and is not would be lost work. Cancelling
// saves nothing.
bool QtShell::OfferFile(std::string_view suggestedName, std::string_view bytes) {
  QString name = ToQString(suggestedName);
  for (;;) {
    const std::optional<std::string> path = SaveFileDialog(name);
    if (!path) return false;
    if (SaveFile(*path, bytes)) return true;
    MessageBox("Could not save \"" + QFileInfo(ToQString(*path)).fileName().toStdString() +
                   "\" there. Choose another folder or name.",
               kBoxTitle, Buttons::Ok, Icon::Exclamation);
    name = ToQString(*path);
  }
}

std::optional<std::string> QtShell::SaveFileDialog(const QString& name) {
  QFileDialog dialog(window_, "Save");
  dialog.setOption(QFileDialog::DontUseNativeDialog);
  dialog.setAcceptMode(QFileDialog::AcceptSave);
  dialog.setFileMode(QFileDialog::AnyFile);
  dialog.setNameFilter("Tova drawings (*.KRT)");
  dialog.setDefaultSuffix("KRT");
  dialog.selectFile(name);
  if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return std::nullopt;
  return dialog.selectedFiles().front().toStdString();
}

}  // namespace tova
