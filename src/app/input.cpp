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

void HandlePointer(Program& program, const InputEvent& e, const PointerHandlers& h) {
  const Surface& surface = h.box == "P" ? program.P : program.D;
  // The position as the platform gave it: the handlers floor it themselves, and the read-out shows it.
  const double x = e.x - kPictureBorder, y = e.y - kPictureBorder;
  const bool inside = x >= 0 && y >= 0 && x < surface.Width() && y < surface.Height();
  if (e.kind == InputKind::Down && inside) h.down(program, x, y);
  if (e.kind == InputKind::Move && (inside || e.buttonHeld)) h.move(program, x, y);
  if (e.kind == InputKind::DoubleClick && inside && h.doubleClick != nullptr) h.doubleClick(program);
}

}  // namespace

void HandleInput(Program& program, const InputEvent& event) {
  if (event.kind == InputKind::Click) {
    if (const ClickHandler* handler = FindClickHandler(event.control)) (*handler)(program);
  }
  for (const ScrollHandler& s : kScrollHandlers) {
    if (event.kind == InputKind::Scroll && s.bar == event.control) s.change(program);
  }
  for (const PointerHandlers& h : kPointerHandlers) {
    if (event.kind != InputKind::Click && event.kind != InputKind::Scroll && h.box == event.control) {
      HandlePointer(program, event, h);
    }
  }
}

}  // namespace tova
