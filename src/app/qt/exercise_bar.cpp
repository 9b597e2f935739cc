#include "app/qt/exercise_bar.h"

#include <QCloseEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QScrollArea>
#include <QVBoxLayout>
#include <string>

#include "app/qt/picture_box.h"
#include "app/qt/qt_text.h"
#include "exercise/aids.h"
#include "exercise/object_panel.h"
#include "program/window_layout.h"

namespace tova {
namespace {

// The bar's size and the places of its buttons, counted from its bottom right corner (the window
// tests click them there: scripts/draw-class.py, Window.bar).
constexpr int kBarWidth = 220;
constexpr int kMargin = 8;
constexpr int kSpacing = 6;
constexpr int kButtonHeight = 25;
constexpr int kHandInGap = 8;

// A label of the bar's texts: wrapped, plain (a teacher's "<" is a "<"), and, where a keyboard
// user should reach it, selectable from the keyboard, which gives it a place in the Tab order.
QLabel* TextLabel(const QString& text, bool reachable, QWidget* parent) {
  auto* label = new QLabel(text, parent);
  label->setTextFormat(Qt::PlainText);
  label->setWordWrap(true);
  label->setAccessibleName(text);
  if (reachable) {
    label->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    label->setFocusPolicy(Qt::StrongFocus);
  }
  return label;
}

}  // namespace

ExerciseBar::ExerciseBar(const Exercise& exercise, InputSink input, int height, QWidget* parent)
    : QDockWidget(parent), exercise_(exercise) {
  setObjectName("exercise");
  setWindowTitle("Exercise: " + ToQString(exercise.title));
  setAccessibleName(windowTitle());
  setFeatures(QDockWidget::NoDockWidgetFeatures);
  setAllowedAreas(Qt::RightDockWidgetArea);
  setTitleBarWidget(new QWidget(this));  // no title bar: the title is the bar's first line
  QFont regular = parent->font();
  regular.setBold(false);
  setFont(regular);

  auto* content = new QWidget(this);
  content->setFixedSize(kBarWidth, height);
  auto* column = new QVBoxLayout(content);
  column->setContentsMargins(8, 6, 8, kMargin);
  column->setSpacing(kSpacing);

  // The texts scroll when a long task or verdict does not fit above the buttons.
  auto* texts = new QWidget;
  auto* textColumn = new QVBoxLayout(texts);
  textColumn->setContentsMargins(0, 0, 0, 0);
  QLabel* title = TextLabel(ToQString(exercise.title), false, texts);
  QFont bold = regular;
  bold.setBold(true);
  title->setFont(bold);
  QLabel* task = TextLabel(ToQString(exercise.task), true, texts);
  task->setObjectName("task");
  task->setAccessibleDescription("The task");
  words_ = TextLabel({}, true, texts);
  words_->setObjectName("checkWords");
  words_->setAccessibleDescription("What the last check found");
  words_->setFrameStyle(QFrame::StyledPanel | QFrame::Sunken);
  words_->hide();
  for (QLabel* label : {title, task, words_}) textColumn->addWidget(label);
  textColumn->addStretch();
  auto* scroll = new QScrollArea(content);
  scroll->setWidget(texts);
  scroll->setWidgetResizable(true);
  scroll->setFrameShape(QFrame::NoFrame);
  scroll->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  scroll->setFocusPolicy(Qt::NoFocus);
  column->addWidget(scroll, 1);
  tabOrder_ = {task, words_};

  counts_ = TextLabel({}, false, content);
  counts_->setObjectName("aidsUsed");
  column->addWidget(counts_);

  // The buttons stand at the bottom, each as high as the window's buttons, the hand-in apart.
  const auto addButton = [&](std::string_view control, const char* caption, const char* tip) {
    auto* button = new QPushButton(caption, content);
    button->setObjectName(ToQString(control));
    button->setFixedHeight(kButtonHeight);
    button->setAutoDefault(false);
    button->setToolTip(tip);
    button->setAccessibleName(caption);
    button->setAccessibleDescription(tip);
    connect(button, &QPushButton::clicked, this, [input, control] { input({InputKind::Click, control}); });
    column->addWidget(button);
    tabOrder_ << button;
    return button;
  };
  for (const AidControl& b : kAidControls) {
    if (!exercise.Offers(b.aid)) continue;
    QPushButton* button = addButton(b.control, b.caption, b.tip);
    if (b.aid == Aid::Object) {
      object_ = button;
      object_->setCheckable(true);
    }
  }
  column->addSpacing(kHandInGap);
  addButton(kHandIn, "Hand in", "Saves your drawing to hand in, with your name, the time spent and the aids used");
  setWidget(content);
}

void ExerciseBar::ShowProgress(const ExerciseVars& x) {
  // Called after every event: most change nothing here.
  if (shown_ && x.checkWords == shown_->checkWords && x.progress.used == shown_->used &&
      x.objectShown == shown_->objectShown) {
    return;
  }
  shown_ = Shown{x.checkWords, x.progress.used, x.objectShown};
  const QString words = ToQString(x.checkWords);
  if (words != words_->text()) {
    words_->setText(words);
    words_->setAccessibleName(words);
    words_->setVisible(!words.isEmpty());
  }
  const QString counts = ToQString(UsedInWords(exercise_, x.progress));
  if (counts != counts_->text()) {
    counts_->setText(counts);
    counts_->setAccessibleName(counts);
  }
  if (object_ != nullptr) object_->setChecked(x.objectShown);
}

ObjectWindow::ObjectWindow(std::shared_ptr<ObjectPanel> object, InputSink input, QWidget* parent)
    : QWidget(parent, Qt::Tool), object_(std::move(object)), input_(std::move(input)) {
  setObjectName("object");
  setWindowTitle("The object");
  setAccessibleName(windowTitle());
  box_ = new PictureBox(object_->program.D, this);
  box_->setObjectName(ToQString(kObjectBox));
  box_->setFixedSize(kViewWidth + 2 * kPictureBorder, kViewHeight + 2 * kPictureBorder);
  box_->setAccessibleName("The object's model");
  box_->setAccessibleDescription(
      "Move the pointer to turn it, click to stop or shift it; the arrow keys turn it a step, Escape closes it");
  box_->setToolTip(box_->accessibleDescription());
  box_->onPointer = [this](InputKind kind, QPointF at, bool held) {
    input_({kind, kObjectBox, at.x(), at.y(), held});
  };
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->addWidget(box_);
  layout->setSizeConstraint(QLayout::SetFixedSize);
  setFocusProxy(box_);
}

void ObjectWindow::keyPressEvent(QKeyEvent* event) {
  if (event->key() == Qt::Key_Escape) {
    close();
    return;
  }
  const int turn = TurnOfKey(event->key(), event->modifiers().testFlag(Qt::KeypadModifier));
  if (turn < 0) return QWidget::keyPressEvent(event);
  const std::string control = std::string(kObjectTurn) + static_cast<char>('0' + turn);
  input_({InputKind::Click, control});
}

void ObjectWindow::closeEvent(QCloseEvent* event) {
  if (isVisible()) input_({InputKind::Click, kObjectAid});
  event->accept();
}

int TurnOfKey(int key, bool keypad) {
  switch (key) {
    case Qt::Key_Right: return 0;
    case Qt::Key_PageDown: return 1;  // the keypad's 3 without Num Lock
    case Qt::Key_Down: return 2;
    case Qt::Key_End: return 3;       // 1
    case Qt::Key_Left: return 4;
    case Qt::Key_Home: return 5;      // 7
    case Qt::Key_Up: return 6;
    case Qt::Key_PageUp: return 7;    // 9
    default: break;
  }
  // The keypad's digits with Num Lock, laid out as the directions they point.
  static constexpr int kDigitTurns[10] = {-1, 3, 2, 1, 4, -1, 0, 5, 6, 7};
  return keypad && key >= Qt::Key_0 && key <= Qt::Key_9 ? kDigitTurns[key - Qt::Key_0] : -1;
}

}  // namespace tova
