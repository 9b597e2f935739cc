#include "program/commands.h"

#include "program/program.h"

namespace tova {

void ApplyCommandState(Program& program, CommandState state) {
  const int beeps = state == CommandState::Ready  ? kReadyBeeps
                    : state == CommandState::Busy ? kBusyBeeps
                                                  : kBackOnlyBeeps;
  for (int i = 0; i < beeps; ++i) program.shell.Beep();
  for (const CommandRow& row : kCommandTable) {
    const Availability a = state == CommandState::Ready  ? row.ready
                           : state == CommandState::Busy ? row.busy
                                                         : row.backOnly;
    if (a != Availability::Unchanged) program.shell.Enable(row.control, a == Availability::Enabled);
  }
}

void SetReadyCommands(Program& program) { ApplyCommandState(program, CommandState::Ready); }
void SetBusyCommands(Program& program) { ApplyCommandState(program, CommandState::Busy); }
void SetBackOnlyCommands(Program& program) { ApplyCommandState(program, CommandState::BackOnly); }

void EnableCompleteFigureCommands(Program& program) {
  for (Control c : {Control::C7, Control::C3, Control::C4, Control::C5}) program.shell.Enable(c, true);
}

void ResetEditing(Program& program) {
  CanvasVars& c = program.canvas;
  c.figureStage = kStageNone;
  c.pendingCommit = kCommitNothing;
  program.shell.Enable(Control::C7, false);
  c.firstPane = c.secondPane = c.thirdPane = kNone;
  c.firstViewStep = kFirstStepIdle;
  c.secondViewStep = kSecondStepIdle;
  // A line kind chosen for the figure's parts goes with the figure.
  program.app.currentLineKind = kNone;
  SetReadyCommands(program);
}

}  // namespace tova
