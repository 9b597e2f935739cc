#include "app/input.h"

#include "app/canvas_input.h"
#include "app/controls.h"
#include "exercise/aids.h"
#include "exercise/object_panel.h"
#include "history/recovery.h"
#include "history/undo.h"
#include "program/program.h"
#include "view3d/navigation.h"

namespace tova {
namespace {

struct PointerHandlers {
  std::string_view box;
  Surface Program::*surface;
  void (*down)(Program&, double, double);
  void (*move)(Program&, double, double);
  void (*doubleClick)(Program&);  // nullptr: a double click is nothing there
};

constexpr PointerHandlers kPointerHandlers[] = {
    {"P", &Program::P, P_MouseDown, P_MouseMove, P_DblClick},
    {"D", &Program::D, D_MouseDown, D_MouseMove, nullptr},
};

// The action of the named control of the column that is of that kind, or of the named menu item
// when a button is looked for; nullptr when there is none.
const Action* FindAction(std::string_view name, ControlKind kind) {
  for (const ControlLayout& c : kControlColumn) {
    if (c.name == name && c.kind == kind) return &c.action;
  }
  for (const MenuLayout& m : kMenuBar) {
    for (const MenuItemLayout& item : m.items) {
      if (item.name == name && kind == ControlKind::Button) return &item.action;
    }
  }
  return nullptr;
}

void HandlePointer(Program& program, const InputEvent& e, const PointerHandlers& h) {
  const Surface& surface = program.*h.surface;
  // The position as the platform gave it: the handlers floor it themselves, and the read-out shows it.
  const double x = e.x - kPictureBorder, y = e.y - kPictureBorder;
  const bool inside = x >= 0 && y >= 0 && x < surface.Width() && y < surface.Height();
  if (e.kind == InputKind::Down && inside) h.down(program, x, y);
  if (e.kind == InputKind::Move && (inside || e.buttonHeld)) h.move(program, x, y);
  if (e.kind == InputKind::DoubleClick && inside && h.doubleClick != nullptr) h.doubleClick(program);
}

void Dispatch(Program& program, const InputEvent& event) {
  if (event.kind == InputKind::Click && HandleExerciseClick(program, event.control)) return;
  if (event.control == kObjectBox) {
    const ExerciseVars& x = program.exercise;
    if (x.object && x.objectShown) HandlePointer(x.object->program, event, kPointerHandlers[1]);
    return;
  }
  switch (event.kind) {
    case InputKind::Click:
    case InputKind::Scroll: {
      const bool click = event.kind == InputKind::Click;
      const Action* action = FindAction(event.control, click ? ControlKind::Button : ControlKind::HScrollBar);
      if (action != nullptr && action->run != nullptr) action->run(program, action->value);
      return;
    }
    default:
      for (const PointerHandlers& h : kPointerHandlers) {
        if (h.box == event.control) HandlePointer(program, event, h);
      }
  }
}

}  // namespace

void HandleInput(Program& program, const InputEvent& event) {
  NoteUserAction(program, event.kind == InputKind::Move);
  // A move changes neither the drawing nor what Undo and Redo can do.
  if (event.kind == InputKind::Move) {
    Dispatch(program, event);
    return;
  }
  const Tables before = program.tables;
  const uint64_t revision = program.history.revision;
  Dispatch(program, event);
  NoteDrawingChange(program, before, revision);
  ShowHistoryCommands(program);
  KeepRecoveryCopy(program);
}

}  // namespace tova
