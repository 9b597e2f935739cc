// An exercise in the window. The exercise bar, docked to the right of the client area: the
// exercise's title and task, the last check's words, a button for each aid it offers and one to
// hand in, and the aids used so far. "The object", a window of its own beside the main one, where
// the key's model is turned with the pointer and the arrow keys. Both stay out of the window's
// own layout, so that without an exercise the window is exactly as it always was.
#pragma once

#include <QDockWidget>
#include <QWidget>
#include <functional>
#include <optional>
#include <memory>

#include "app/input.h"
#include "program/exercise_state.h"

class QLabel;
class QPushButton;

namespace tova {

class PictureBox;

// Where the bar and the object window send the user's events.
using InputSink = std::function<void(const InputEvent&)>;

class ExerciseBar : public QDockWidget {
  Q_OBJECT

 public:
  ExerciseBar(const Exercise& exercise, InputSink input, int height, QWidget* parent);

  // Shows what the aids gave so far: the check's words, the counts, the object shown or not.
  void ShowProgress(const ExerciseVars& x);
  // The bar's controls in the order the Tab key visits them.
  QList<QWidget*> TabOrder() const { return tabOrder_; }

 private:
  Exercise exercise_;
  struct Shown {
    std::string checkWords;
    std::array<int, kAidCount> used;
    bool objectShown;
  };
  std::optional<Shown> shown_;  // what the bar shows now
  QLabel* words_ = nullptr;
  QLabel* counts_ = nullptr;
  QPushButton* object_ = nullptr;
  QList<QWidget*> tabOrder_;
};

class ObjectWindow : public QWidget {
  Q_OBJECT

 public:
  ObjectWindow(std::shared_ptr<ObjectPanel> object, InputSink input, QWidget* parent);

  const std::shared_ptr<ObjectPanel>& object() const { return object_; }
  PictureBox* box() const { return box_; }

 protected:
  void keyPressEvent(QKeyEvent* event) override;
  // Closing the window is the same as "The object" pressed again.
  void closeEvent(QCloseEvent* event) override;

 private:
  std::shared_ptr<ObjectPanel> object_;  // kept while its picture is shown
  InputSink input_;
  PictureBox* box_ = nullptr;
};

// The direction code (0 right, then clockwise to 7 up-right) of a turn by a key: the arrows, and
// the keypad's corners with or without Num Lock; -1 for any other key.
[[nodiscard]] int TurnOfKey(int key, bool keypad);

}  // namespace tova
