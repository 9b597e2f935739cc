// The main window: the canvas with the 3D view over it, the column of controls and the menu
// bar, built from the layout tables. It owns the program's state and runs the program's
// handlers for the events of its controls.
#pragma once

#include <QMainWindow>
#include <QTimer>
#include <memory>
#include <string_view>

#include "app/input.h"
#include "app/startup.h"
#include "program/program.h"

namespace tova {

class ExerciseBar;
class ObjectWindow;
class PictureBox;
class QtShell;

class Form1 : public QMainWindow {
  Q_OBJECT

 public:
  // Talks to the user through `shell` when one is given, else through a QtShell of its own.
  explicit Form1(QtShell* shell = nullptr);
  ~Form1() override;

  // The start-up sequence on `document`; call it once before the window is first shown.
  void Load(std::string_view document = kStartupDocument);

  Program& program() { return *program_; }
  PictureBox* canvas() const { return canvas_; }
  PictureBox* view() const { return view_; }
  QWidget* client() const { return client_; }
  // While an exercise is open: its bar, and the object's window once it was asked for.
  ExerciseBar* exerciseBar() const { return exerciseBar_; }
  ObjectWindow* objectWindow() const { return objectWindow_; }

 protected:
  // Closing the window runs the leaving sequence; the window stays open unless it is confirmed.
  void closeEvent(QCloseEvent* event) override;

 private:
  void CreateControls();
  void CreateMenus();
  void ConnectCanvas();
  void SetTabOrder();
  // Hands an event of the user's to the program, then repaints what it drew.
  void Input(const InputEvent& event);
  void RefreshSurfaces();
  // Brings the exercise bar, the object's window and the peek's timer in line with the exercise.
  void RefreshExercise();

  std::unique_ptr<QtShell> ownShell_;
  QtShell* shell_;
  std::unique_ptr<Program> program_;
  QWidget* client_ = nullptr;
  PictureBox* canvas_ = nullptr;
  PictureBox* view_ = nullptr;
  QWidget* lastInTabOrder_ = nullptr;
  int barStarted_ = 0;  // the exercise the bar shows (ExerciseVars::started)
  ExerciseBar* exerciseBar_ = nullptr;
  ObjectWindow* objectWindow_ = nullptr;
  QTimer* peekTimer_ = nullptr;
};

}  // namespace tova
