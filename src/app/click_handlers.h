// What a click on each button or menu item does, by the control's name.
#pragma once

#include <span>
#include <string_view>

namespace tova {

struct Program;

struct ClickHandler {
  std::string_view control;
  void (*onClick)(Program&);
};

// Every button and menu item that has an action.
std::span<const ClickHandler> ClickHandlers();

// The action of the named control, or nullptr when it has none.
using ClickAction = void (*)(Program&);
ClickAction FindClickHandler(std::string_view control);

}  // namespace tova
