// What a click on each button or menu item does, by the control's name. Families of items that
// do one thing with different values (the colour items, the direction buttons) share an action
// and carry their value.
#pragma once

#include <cstdint>
#include <span>
#include <string_view>

namespace tova {

struct Program;

struct ClickHandler {
  std::string_view control;
  void (*action)(Program&, int16_t value);
  int16_t value = 0;

  void operator()(Program& program) const { action(program, value); }
};

// Every button and menu item that has an action.
std::span<const ClickHandler> ClickHandlers();

// The handler of the named control, or nullptr when it has none.
const ClickHandler* FindClickHandler(std::string_view control);

}  // namespace tova
