// Scripts of a user's events, a line of words each, played on a program through its one way in as
// a shell would deliver them; and random ones, made one at a time from what the program shows, for
// the random sessions of the core and of the page. The lines:
//   at-move|at-click|at-double X Y   a move; and a click; and a double click, on a pixel of the
//                          canvas's drawing area (which may lie outside it), which is the 3D
//                          view's where that is shown there
//   at-drag X1 Y1 X2 Y2    a press, a move with the button held, a release
//   press NAME             a button or menu item, when it can be used
//   menu-key MENU N        the menu opened from the keyboard, N times Down, Return
//   scroll BAR VALUE       check NAME (a check box ticked or cleared)    go NAME ("GO", NAME during it)
#pragma once

#include <random>
#include <string>
#include <string_view>
#include <vector>

#include "app/input.h"
#include "program/program.h"
#include "support/scripted_shell.h"

namespace tova::testing {

using Words = std::vector<std::string>;

class ScriptPlayer {
 public:
  ScriptPlayer(Program& program, ScriptedShell& shell) : p_(program), shell_(shell) {}
  void Play(const Words& w);

 private:
  bool Usable(std::string_view name) const { return testing::Usable(shell_, name); }
  void Use(std::string_view name);
  // The box under a point of the canvas's drawing area: the 3D view (shown, not cut off), the canvas.
  std::string_view Under(double x, double y) const;
  // A button held keeps the pointer for the box it was pressed on, and for nothing when it was
  // pressed on no box.
  void Pointer(InputKind kind, double x, double y, bool held = false);
  void Press(double x, double y);
  // The button let go: the box keeps the pointer no longer; the program is not told.
  void Release() { captured_ = {}; }

  Program& p_;
  ScriptedShell& shell_;
  std::string_view captured_;
};

// Random events, each one of those the user could give now; for the page (`forPage`), none that
// ends it, opens a help page or uses the system's clipboard, and no two presses so close that they
// would make a double click.
class RandomEvents {
 public:
  RandomEvents(unsigned seed, bool forPage) : rng_(seed), forPage_(forPage) {}
  Words Next(const Program& program, const ScriptedShell& shell);

 private:
  int Pick(int n) { return std::uniform_int_distribution<int>(0, n - 1)(rng_); }
  std::string Point(int outside, bool press);
  std::string NearALineEnd(const Program& program);

  std::mt19937 rng_;
  bool forPage_;
  int lastX_ = -99, lastY_ = -99;
};

// Boxes and dialogs answered at random from `seed`: questions either way, names that save, fail or
// give up, drawings that open or are missing.
void ImproviseAnswers(ScriptedShell& shell, unsigned seed);

}  // namespace tova::testing
