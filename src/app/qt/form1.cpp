#include "app/qt/form1.h"

#include <QCheckBox>
#include <algorithm>
#include <cmath>
#include <cctype>
#include <QCloseEvent>
#include <QLabel>
#include <QLayout>
#include <QLineEdit>
#include <QMenuBar>
#include <QTimer>
#include <QPainter>
#include <QPushButton>
#include <QScrollBar>

#include "app/input.h"
#include "app/leaving.h"
#include "app/controls.h"
#include "app/qt/exercise_bar.h"
#include "app/qt/picture_box.h"
#include "app/qt/qt_shell.h"
#include "app/qt/qt_text.h"
#include "app/startup.h"
#include "exercise/aids.h"
#include "exercise/exercise_pictures.h"
#include "history/recovery.h"
#include "program/window_layout.h"

namespace tova {
namespace {

QRect PixelGeometry(const ControlLayout& c) {
  return {TwipsToPixels(c.left), TwipsToPixels(c.top), TwipsToPixels(c.width),
          TwipsToPixels(c.height)};
}

QColor ToQColor(uint32_t rgb) { return QColor::fromRgb(rgb | 0xFF000000u); }

// A small diagonal arrow pointing towards (dx, dy), each -1 or 1, for the caption-less
// direction buttons.
QIcon ArrowIcon(int dx, int dy) {
  QPixmap pixmap(12, 12);
  pixmap.fill(Qt::transparent);
  QPainter painter(&pixmap);
  painter.setRenderHint(QPainter::Antialiasing);
  painter.setPen(QPen(Qt::black, 1.6, Qt::SolidLine, Qt::RoundCap));
  const QPointF centre(6, 6);
  const QPointF tip = centre + QPointF(4 * dx, 4 * dy);
  painter.drawLine(centre - QPointF(4 * dx, 4 * dy), tip);
  painter.drawLine(tip, tip - QPointF(4 * dx, 0));
  painter.drawLine(tip, tip - QPointF(0, 4 * dy));
  return QIcon(pixmap);
}

// Labels and check boxes keep their own light grey, whatever the window's colour. A check box, a
// button to Qt, would fill with the button colour: it is told to fill with the window's.
void KeepOwnBackground(QWidget* widget) {
  QPalette palette = widget->palette();
  palette.setColor(QPalette::Window, ToQColor(kWindowBackColour));
  palette.setColor(QPalette::WindowText, Qt::black);
  widget->setPalette(palette);
  widget->setBackgroundRole(QPalette::Window);
  widget->setAutoFillBackground(true);
}

// A tooltip saying what the control does, and names for screen readers: the caption where it
// reads as a word ("OK", "MAKE-3D"), else what the control does ("O", "----", the arrows).
void Describe(QWidget* widget, const ControlLayout& c) {
  widget->setToolTip(ToQString(c.tip));
  const bool wordy = std::count_if(c.caption.begin(), c.caption.end(), [](char ch) {
                       return std::isalnum(static_cast<unsigned char>(ch)) != 0;
                     }) >= 2;
  widget->setAccessibleName(ToQString(wordy ? c.caption : c.tip).trimmed());
  widget->setAccessibleDescription(ToQString(c.tip));
}

QWidget* CreateControl(const ControlLayout& c, QWidget* parent) {
  const QString caption = ToQString(c.caption);
  QWidget* widget = nullptr;
  switch (c.kind) {
    case ControlKind::Button: {
      auto* button = new QPushButton(caption, parent);
      button->setAutoDefault(false);
      widget = button;
      break;
    }
    case ControlKind::Label:
      widget = new QLabel(caption, parent);
      KeepOwnBackground(widget);
      break;
    case ControlKind::CheckBox:
      widget = new QCheckBox(caption, parent);
      KeepOwnBackground(widget);
      break;
    case ControlKind::HScrollBar: {
      auto* bar = new QScrollBar(Qt::Horizontal, parent);
      bar->setRange(c.range.min, c.range.max);
      bar->setValue(c.range.value);
      widget = bar;
      break;
    }
    case ControlKind::TextBox: {
      auto* edit = new QLineEdit(parent);
      edit->setReadOnly(true);
      widget = edit;
      break;
    }
    case ControlKind::PictureBox:
      break;
  }
  if (widget != nullptr) {
    widget->setObjectName(ToQString(c.name));
    widget->setGeometry(PixelGeometry(c));
    Describe(widget, c);
  }
  return widget;
}

}  // namespace

Form1::Form1(QtShell* shell) {
  if (shell == nullptr) {
    ownShell_ = std::make_unique<QtShell>();
    shell = ownShell_.get();
  }
  shell_ = shell;
  program_ = std::make_unique<Program>(*shell_);

  setObjectName("Form1");
  setWindowTitle(ToQString(kWindowCaption));
  QFont font;
  font.setFamilies({ToQString(kFontFamily), "Liberation Sans", "Arial", "DejaVu Sans"});
  font.setPixelSize(static_cast<int>(kFontPoints * 96 / 72 + 0.5));
  font.setBold(true);
  setFont(font);

  CreateControls();
  CreateMenus();
  ConnectCanvas();
  SetTabOrder();
  layout()->setSizeConstraint(QLayout::SetFixedSize);
  shell_->Attach(this);

  peekTimer_ = new QTimer(this);
  peekTimer_->setSingleShot(true);
  peekTimer_->setTimerType(Qt::PreciseTimer);
  connect(peekTimer_, &QTimer::timeout, this, [this] {
    ExpirePeek(*program_);
    RefreshSurfaces();
  });
}

Form1::~Form1() = default;

void Form1::Load(std::string_view document) {
  Form_Load(*program_, document);
  RefreshSurfaces();
  // The drawing of a window that ended without closing is offered once this window is up, on its
  // start-up drawing.
  QTimer::singleShot(0, this, [this] {
    shell_->recovery().OfferNewestLeft([this](std::string_view copy) { OfferRecoveryCopy(*program_, copy, true); });
    RefreshSurfaces();
  });
}

void Form1::CreateControls() {
  client_ = new QWidget(this);
  client_->setObjectName("client");
  client_->setFixedSize(TwipsToPixels(kClientWidthTwips), TwipsToPixels(kClientHeightTwips));
  QPalette palette = client_->palette();
  palette.setColor(QPalette::Window, ToQColor(kWindowBackColour));
  client_->setPalette(palette);
  client_->setAutoFillBackground(true);
  setCentralWidget(client_);

  canvas_ = new PictureBox(program_->P, client_);
  canvas_->setObjectName(ToQString(kCanvasLayout.name));
  canvas_->setGeometry(PixelGeometry(kCanvasLayout));
  Describe(canvas_, kCanvasLayout);
  std::vector<QLine> dividers;
  for (const DividerLayout& d : kDividers) {
    dividers.emplace_back(TwipsToPixels(d.x1), TwipsToPixels(d.y1), TwipsToPixels(d.x2),
                          TwipsToPixels(d.y2));
  }
  canvas_->SetOverlayLines(std::move(dividers));

  // The 3D view is placed relative to the canvas's drawing area, inside the canvas's border.
  view_ = new PictureBox(program_->D, canvas_);
  view_->setObjectName(ToQString(kViewLayout.name));
  view_->setGeometry(PixelGeometry(kViewLayout).translated(kPictureBorder, kPictureBorder));
  Describe(view_, kViewLayout);
  view_->hide();

  for (const ControlLayout& c : kControlColumn) {
    QWidget* widget = CreateControl(c, client_);
    if (auto* button = qobject_cast<QPushButton*>(widget)) {
      connect(button, &QPushButton::clicked, this, [this, name = c.name] { Input({InputKind::Click, name}); });
    }
    if (auto* bar = qobject_cast<QScrollBar*>(widget)) {
      connect(bar, &QScrollBar::valueChanged, this, [this, name = c.name] { Input({InputKind::Scroll, name}); });
    }
  }
  const struct {
    const char* name;
    int dx, dy;
  } arrows[] = {{"a1", -1, -1}, {"a2", 1, -1}, {"a3", -1, 1}, {"a4", 1, 1}};
  for (const auto& a : arrows) {
    if (auto* button = client_->findChild<QPushButton*>(a.name)) {
      button->setIcon(ArrowIcon(a.dx, a.dy));
    }
  }
}

void Form1::CreateMenus() {
  // Menus use the system's regular menu font, not the window's bold one, and sit close
  // together so that the whole bar fits the window's width.
  QFont menuFont = font();
  menuFont.setBold(false);
  menuBar()->setFont(menuFont);
  menuBar()->setStyleSheet("QMenuBar::item { padding: 2px 4px; }");
  for (const MenuLayout& m : kMenuBar) {
    QMenu* menu = menuBar()->addMenu(ToQString(m.caption));
    menu->setObjectName(ToQString(m.name));
    for (const MenuItemLayout& item : m.items) {
      if (item.separated) menu->addSeparator();
      QAction* action = menu->addAction(ToQString(item.caption));
      action->setObjectName(ToQString(item.name));
      // The menu shows the first; either chooses the item wherever the window's focus is.
      QList<QKeySequence> keys;
      for (const std::string_view key : {item.shortcut, item.otherShortcut}) {
        if (!key.empty()) keys << QKeySequence(ToQString(key), QKeySequence::PortableText);
      }
      action->setShortcuts(keys);
      if (item.ticked) {
        // The check mark stays where it started, whatever the user chooses.
        action->setCheckable(true);
        action->setChecked(true);
        connect(action, &QAction::toggled, action, [action] { action->setChecked(true); });
      }
      connect(action, &QAction::triggered, this, [this, name = item.name] { Input({InputKind::Click, name}); });
    }
  }
}

void Form1::ConnectCanvas() {
  // An exercise's given views lie under the drawing and an aid's marks over it.
  canvas_->hasLayers = [this] { return CanvasHasLayers(*program_); };
  canvas_->compose = [this](PixelRect r, uint32_t* out, int stride) { ComposeCanvas(*program_, r, out, stride); };
  canvas_->composePixels = [this](std::span<const int> pixels, uint32_t* out, int stride) {
    ComposeCanvasPixels(*program_, pixels, out, stride);
  };
  for (PictureBox* box : {canvas_, view_}) {
    box->onPointer = [this, name = box == canvas_ ? kCanvasLayout.name : kViewLayout.name](
                         InputKind kind, QPointF at, bool held) { Input({kind, name, at.x(), at.y(), held}); };
  }
}

void Form1::SetTabOrder() {
  QWidget* previous = nullptr;
  for (const std::string_view name : kTabOrder) {
    QWidget* widget = findChild<QWidget*>(ToQString(name));
    if (widget == nullptr || widget->focusPolicy() == Qt::NoFocus) continue;
    if (previous != nullptr) setTabOrder(previous, widget);
    previous = widget;
  }
  lastInTabOrder_ = previous;
}

void Form1::closeEvent(QCloseEvent* event) {
  const bool leave = LeavingSequence(*program_);
  RefreshSurfaces();
  if (leave) {
    event->accept();
  } else {
    event->ignore();
  }
}

void Form1::Input(const InputEvent& event) {
  HandleInput(*program_, event);
  RefreshSurfaces();
}

void Form1::RefreshSurfaces() {
  canvas_->RefreshFromSurface();
  view_->RefreshFromSurface();
  RefreshExercise();
}

void Form1::RefreshExercise() {
  const ExerciseVars& x = program_->exercise;
  const auto input = [this](const InputEvent& event) { Input(event); };
  // Another exercise opened, or none: the old bar goes (later, as its own button may be calling).
  if (exerciseBar_ != nullptr && barStarted_ != x.started) {
    removeDockWidget(exerciseBar_);
    exerciseBar_->deleteLater();
    exerciseBar_ = nullptr;
  }
  if (x.exercise && exerciseBar_ == nullptr) {
    exerciseBar_ = new ExerciseBar(*x.exercise, input, client_->height(), this);
    barStarted_ = x.started;
    addDockWidget(Qt::RightDockWidgetArea, exerciseBar_);
    QWidget* previous = lastInTabOrder_;
    for (QWidget* widget : exerciseBar_->TabOrder()) {
      if (previous != nullptr) setTabOrder(previous, widget);
      previous = widget;
    }
  }
  if (exerciseBar_ != nullptr) exerciseBar_->ShowProgress(x);

  if (objectWindow_ != nullptr && objectWindow_->object() != x.object) {
    objectWindow_->hide();
    objectWindow_->deleteLater();
    objectWindow_ = nullptr;
  }
  if (x.object && objectWindow_ == nullptr) {
    objectWindow_ = new ObjectWindow(x.object, input, this);
    objectWindow_->move(frameGeometry().topRight() + QPoint(8, 0));
  }
  if (objectWindow_ != nullptr) {
    objectWindow_->box()->RefreshFromSurface();
    if (objectWindow_->isVisible() != x.objectShown) {
      objectWindow_->setVisible(x.objectShown);
      if (x.objectShown) objectWindow_->activateWindow();  // the keys turn the object at once
    }
  }

  // A peek ends by itself when its time is up.
  if (x.overlayKind == Overlay::Peek) {
    const double left = x.peekEndsAt - shell_->Clock();
    peekTimer_->start(std::max(1, static_cast<int>(std::ceil(left * 1000))));
  } else {
    peekTimer_->stop();
  }
}

}  // namespace tova
