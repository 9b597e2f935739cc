// Which commands can be used: the ready state (nothing being drawn), the busy state (a point of
// a figure is placed and a shape is being dragged) and the back-only state (a part of a figure
// is placed and the user may only go back or go on clicking).
#pragma once

#include <array>
#include <cstdint>

#include "platform/control.h"

namespace tova {

struct Program;

enum class CommandState : uint8_t { Ready, Busy, BackOnly };

// What a state does to one control.
enum class Availability : uint8_t { Enabled, Disabled, Unchanged };

struct CommandRow {
  Control control;
  Availability ready, busy, backOnly;
};

inline constexpr int kReadyBeeps = 2;
inline constexpr int kBusyBeeps = 0;
inline constexpr int kBackOnlyBeeps = 1;

// The controls the states switch, in the order they are switched.
inline constexpr std::array<CommandRow, 24> kCommandTable = [] {
  constexpr auto E = Availability::Enabled;
  constexpr auto X = Availability::Disabled;
  constexpr auto U = Availability::Unchanged;
  using C = Control;
  return std::array<CommandRow, 24>{{
      {C::C0, E, X, X},  {C::C1, E, X, X},  {C::C2, E, X, X},   {C::C3, X, X, X},
      {C::C4, X, X, X},  {C::C5, X, X, X},  {C::C6, X, X, E},   {C::C7, X, X, X},
      {C::C8, E, X, X},  {C::CC8, X, X, X}, {C::C9, E, X, X},   {C::C10, E, X, X},
      {C::Mfile, E, X, X}, {C::C11, E, X, X}, {C::C12, X, U, X}, {C::C13, X, U, X},
      {C::C14, X, U, X}, {C::C15, X, U, X}, {C::C16, X, U, X},  {C::a1, X, U, X},
      {C::a2, X, U, X},  {C::a3, X, U, X},  {C::a4, X, U, X},   {C::a5, X, U, X},
  }};
}();

// Sounds the state's beeps, then switches the controls of the table in order.
void ApplyCommandState(Program& program, CommandState state);

void SetReadyCommands(Program& program);
void SetBusyCommands(Program& program);
void SetBackOnlyCommands(Program& program);

// A figure complete in all three views can be stored ("OK") and its parts given line kinds.
void EnableCompleteFigureCommands(Program& program);

// Forgets how far the figure under construction has got and returns to the ready state.
void ResetEditing(Program& program);

}  // namespace tova
