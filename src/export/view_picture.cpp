#include "export/view_picture.h"

#include "platform/silent_shell.h"
#include "program/program.h"
#include "view3d/redraw.h"

namespace tova {

Image RenderViewPicture(const Tables& tables, const ViewOptions& options) {
  SilentShell shell;
  Program program(shell);
  program.tables = tables;
  ViewVars& v = program.view;
  v.viewTilt = options.tilt;
  v.viewTurn = options.turn;
  v.viewSize = options.size;
  v.viewCentre = options.centre;
  program.D.SetBackColour(options.background);
  program.D.SetForeColour(options.pen);
  program.D.Clear();
  DrawModel(program);
  return program.D.Snapshot();
}

}  // namespace tova
