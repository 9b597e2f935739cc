// The whole state of one run of the program: the tables, one struct of variables per subsystem,
// the two drawing surfaces, and the shell through which it talks to the user.
#pragma once

#include "document/tables.h"
#include "platform/colours.h"
#include "platform/shell.h"
#include "platform/surface.h"
#include "program/app_state.h"
#include "program/canvas_state.h"
#include "program/exercise_state.h"
#include "program/find_state.h"
#include "program/history_state.h"
#include "program/view_state.h"
#include "program/window_layout.h"

namespace tova {

struct Program {
  explicit Program(Shell& shellToUse) : shell(shellToUse) {}
  Program(const Program&) = delete;
  Program& operator=(const Program&) = delete;

  Shell& shell;
  Tables tables;
  AppVars app;
  CanvasVars canvas;
  FindVars find;
  ViewVars view;
  ExerciseVars exercise;
  HistoryVars history;
  // The canvas rests in XOR mode; the 3D view draws in copy mode.
  Surface P{kCanvasWidth, kCanvasHeight, kWindowColour, 0x000000, kXorPen};
  Surface D{kViewWidth, kViewHeight, kViewBackColour, kViewForeColour, kCopyPen};
};

}  // namespace tova
