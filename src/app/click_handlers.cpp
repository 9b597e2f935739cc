#include "app/click_handlers.h"

#include <array>

#include "app/shape_buttons.h"
#include "canvas/canvas_input.h"
#include "canvas/commit.h"
#include "diagram/deletion.h"
#include "diagram/find_mode.h"

namespace tova {
namespace {

constexpr std::array kHandlers{
    ClickHandler{"C0", C0_Click}, ClickHandler{"C1", C1_Click}, ClickHandler{"C2", C2_Click},
    ClickHandler{"C3", C3_Click}, ClickHandler{"C4", C4_Click}, ClickHandler{"C5", C5_Click},
    ClickHandler{"C6", C6_Click}, ClickHandler{"C7", C7_Click}, ClickHandler{"C8", C8_Click},
    ClickHandler{"CC8", CC8_Click},
};

}  // namespace

std::span<const ClickHandler> ClickHandlers() { return kHandlers; }

ClickAction FindClickHandler(std::string_view control) {
  for (const ClickHandler& h : kHandlers) {
    if (h.control == control) return h.onClick;
  }
  return nullptr;
}

}  // namespace tova
