#include "app/background_colours.h"

#include "diagram/rendering.h"
#include "program/commands.h"
#include "program/program.h"

namespace tova {

void SetWindowColour(Program& program, int16_t colour) {
  program.shell.SetBackColour(Control::Form1, ColourNumber(colour));
}

void SetCanvasColour(Program& program, int16_t colour) {
  program.P.SetBackColour(ColourNumber(colour));
  RepaintCanvas(program);
  // The figure being drawn went with the old picture, and so did a find highlight: find mode
  // ends with it, as the ready state that follows has it off.
  ClearTable(program.tables, kPendingLines);
  ClearTable(program.tables, kPendingCircle);
  program.find = {.findMode = 0, .findLocked = 0, .foundUnit = kNone, .foundRelation = kNone};
  ResetEditing(program);
}

}  // namespace tova
