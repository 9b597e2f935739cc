#include "app/input.h"

#include "app/canvas_input.h"
#include "app/click_handlers.h"
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

struct ScrollHandler {
  std::string_view bar;
  void (*change)(Program&);
};

constexpr ScrollHandler kScrollHandlers[] = {{"cdd", cdd_Change}, {"cqq", cqq_Change}, {"cpp", cpp_Change}};

void HandlePointer(Program& program, const InputEvent& e, const PointerHandlers& h) {
  const Surface& surface = program.*h.surface;
  // The position as the platform gave it: the handlers floor it themselves, and the read-out shows it.
  const double x = e.x - kPictureBorder, y = e.y - kPictureBorder;
  const bool inside = x >= 0 && y >= 0 && x < surface.Width() && y < surface.Height();
  if (e.kind == InputKind::Down && inside) h.down(program, x, y);
  if (e.kind == InputKind::Move && (inside || e.buttonHeld)) h.move(program, x, y);
  if (e.kind == InputKind::DoubleClick && inside && h.doubleClick != nullptr) h.doubleClick(program);
}

}  // namespace

void HandleInput(Program& program, const InputEvent& event) {
  switch (event.kind) {
    case InputKind::Click:
      if (const ClickHandler* handler = FindClickHandler(event.control)) (*handler)(program);
      return;
    case InputKind::Scroll:
      for (const ScrollHandler& s : kScrollHandlers) {
        if (s.bar == event.control) s.change(program);
      }
      return;
    default:
      for (const PointerHandlers& h : kPointerHandlers) {
        if (h.box == event.control) HandlePointer(program, event, h);
      }
  }
}

}  // namespace tova
