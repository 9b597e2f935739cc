// The one way in for every shell's input: the pointer's events on the canvas and the 3D view,
// clicks on buttons and menu items, and changes of the scroll bars. Here the program decides what
// a picture box's border and a held button mean, so that the window, the page and the replay tool
// behave alike.
#pragma once

#include <cstdint>
#include <string_view>

namespace tova {

struct Program;

enum class InputKind : uint8_t { Down, Move, Up, DoubleClick, Click, Scroll };

// The kinds by name, in the order of InputKind: the page reads them from the layout.
inline constexpr std::string_view kInputKindNames[] = {"down", "move", "up", "double", "click", "scroll"};

struct InputEvent {
  InputKind kind;
  // "P" or "D" for the pointer's events; the button, menu item or scroll bar otherwise.
  std::string_view control;
  // The pointer's position from the picture box's outer corner, its border included.
  double x = 0, y = 0;
  // A button is held: the box keeps the pointer, wherever it goes.
  bool buttonHeld = false;
};

// Hands the event to its handler. A press or double click on a picture box's border, and a move
// over it with no button held, reach no handler; a move with a button held reaches the box
// wherever the pointer is. An event of no control's, or one a control has no handler for, is
// nobody's.
void HandleInput(Program& program, const InputEvent& event);

}  // namespace tova
