#include "app/background_colours.h"

#include "app/commands.h"
#include "app/program.h"
#include "diagram/rendering.h"

namespace tova {

void SetWindowColour(Program& program, int16_t colour) {
  program.shell.SetBackColour(Control::Form1, ColourNumber(colour));
}

void SetCanvasColour(Program& program, int16_t colour) {
  Surface& P = program.P;
  P.SetBackColour(ColourNumber(colour));
  P.Clear();
  RedrawDiagram(program);
  program.canvas.markX = kNone;
  program.canvas.markY = kNone;
  // The figure being drawn went with the old picture, and so did a find highlight: find mode
  // ends with it, as the ready state that follows has it off.
  ClearTable(program.tables, kPendingLines);
  ClearTable(program.tables, kPendingCircle);
  program.find = {.findMode = 0, .findLocked = 0, .foundUnit = kNone, .foundRelation = kNone};
  ResetEditing(program);
}

}  // namespace tova
