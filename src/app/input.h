// The one way in for every shell's input: the pointer's events on the canvas and the 3D view,
// clicks on buttons and menu items, and changes of the scroll bars. Here the program decides what
// a picture box's border and a held button mean, so that the window, the page and the replay tool
// behave alike.
#pragma once

#include <cstdint>
#include <string_view>

namespace tova {

struct Program;

// No release: no handler takes one, so the shells do not pass it.
enum class InputKind : uint8_t { Down, Move, DoubleClick, Click, Scroll };

// The kinds by name, in the order of InputKind: the page reads them from the layout.
inline constexpr std::string_view kInputKindNames[] = {"down", "move", "double", "click", "scroll"};

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
//
// A pointer move never waits: no handler a move reaches asks the user anything (a box, a prompt,
// the Open dialog) or pauses, so a shell may run a move at once, outside its queue of events, as
// the page does. The random sessions fail a move that shows a box, a prompt or the dialog,
// or pauses.
void HandleInput(Program& program, const InputEvent& event);

}  // namespace tova
