#include "app/input.h"

#include "app/canvas_input.h"
#include "app/click_handlers.h"
#include "program/program.h"
#include "view3d/navigation.h"

namespace tova {
namespace {

struct PointerHandlers {
  std::string_view box;
  void (*down)(Program&, double, double);
  void (*move)(Program&, double, double);
  void (*doubleClick)(Program&);  // nullptr: a double click is nothing there
};

constexpr PointerHandlers kPointerHandlers[] = {
    {"P", P_MouseDown, P_MouseMove, P_DblClick},
    {"D", D_MouseDown, D_MouseMove, nullptr},
};

struct ScrollHandler {
  std::string_view bar;
  void (*change)(Program&);
};

constexpr ScrollHandler kScrollHandlers[] = {{"cdd", cdd_Change}, {"cqq", cqq_Change}, {"cpp", cpp_Change}};

bool HandlePointer(Program& program, const InputEvent& e, const PointerHandlers& h) {
  const Surface& surface = h.box == "P" ? program.P : program.D;
  const double x = e.x - kPictureBorder, y = e.y - kPictureBorder;
  const bool inside = x >= 0 && y >= 0 && x < surface.Width() && y < surface.Height();
  switch (e.kind) {
    case InputKind::Down:
      if (!inside) return false;
      h.down(program, x, y);
      return true;
    case InputKind::Move:
      if (!inside && !e.buttonHeld) return false;
      h.move(program, x, y);
      return true;
    case InputKind::DoubleClick:
      if (!inside || h.doubleClick == nullptr) return false;
      h.doubleClick(program);
      return true;
    default:
      return false;
  }
}

}  // namespace

bool HandleInput(Program& program, const InputEvent& event) {
  if (event.kind == InputKind::Click) {
    const ClickHandler* handler = FindClickHandler(event.control);
    if (handler != nullptr) (*handler)(program);
    return handler != nullptr;
  }
  if (event.kind == InputKind::Scroll) {
    for (const ScrollHandler& s : kScrollHandlers) {
      if (s.bar != event.control) continue;
      s.change(program);
      return true;
    }
    return false;
  }
  for (const PointerHandlers& h : kPointerHandlers) {
    if (h.box == event.control) return HandlePointer(program, event, h);
  }
  return false;
}

}  // namespace tova
