#include "history/undo.h"

#include "diagram/rendering.h"
#include "program/commands.h"
#include "program/program.h"

namespace tova {
namespace {

// Whatever find mode had found may be gone: nothing stays found or locked, and "DEL" is disarmed
// as at the end of a deletion.
void ForgetFoundElement(Program& program) {
  FindVars& f = program.find;
  f.findLocked = 0;
  f.foundUnit = kNone;
  f.foundRelation = kNone;
  if (f.findMode == 1) {
    program.shell.Enable(Control::C8, true);
    program.shell.Enable(Control::CC8, false);
  }
}

// Moves the drawing one step from `from` to `to` and shows it as a drawing opened afresh.
void Step(Program& program, std::vector<Tables>& from, std::vector<Tables>& to) {
  to.push_back(program.tables);
  TakeDrawing(program.tables, from.back());
  from.pop_back();
  ++program.history.revision;
  ForgetFoundElement(program);
  RepaintCanvas(program);
}

void AbandonElement(Program& program) {
  ClearTable(program.tables, kPendingLines);
  ClearTable(program.tables, kPendingCircle);
  ResetEditing(program);
  RepaintCanvas(program);
}

}  // namespace

void BeginHistory(Program& program) {
  HistoryVars& h = program.history;
  h.undo.clear();
  h.redo.clear();
  ++h.revision;
  ShowHistoryCommands(program);
}

bool ElementInProgress(const Program& program) { return program.canvas.figureStage != kStageNone; }

void NoteDrawingChange(Program& program, const Tables& before, uint64_t revisionBefore) {
  HistoryVars& h = program.history;
  if (h.revision != revisionBefore || SameDrawing(before, program.tables)) return;
  if (h.undo.size() >= kHistorySteps) h.undo.erase(h.undo.begin());
  h.undo.push_back(before);
  h.redo.clear();
  ++h.revision;
}

void Mundo_Click(Program& program) {
  if (program.view.viewShown != 0) return;
  if (ElementInProgress(program)) {
    AbandonElement(program);
  } else if (!program.history.undo.empty()) {
    Step(program, program.history.undo, program.history.redo);
  }
}

void Mredo_Click(Program& program) {
  if (program.view.viewShown != 0 || ElementInProgress(program) || program.history.redo.empty()) return;
  Step(program, program.history.redo, program.history.undo);
}

void ShowHistoryCommands(Program& program) {
  HistoryVars& h = program.history;
  const bool usable = program.view.viewShown == 0;
  const bool drawing = ElementInProgress(program);
  const auto show = [&](Control item, int8_t& shown, bool enabled) {
    if (shown == static_cast<int8_t>(enabled)) return;
    shown = static_cast<int8_t>(enabled);
    program.shell.Enable(item, enabled);
  };
  show(Control::Mundo, h.undoShown, usable && (drawing || !h.undo.empty()));
  show(Control::Mredo, h.redoShown, usable && !drawing && !h.redo.empty());
}

}  // namespace tova
