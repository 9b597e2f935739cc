#include "view3d/view_attributes.h"

#include "program/line_kinds.h"
#include "program/program.h"
#include "view3d/redraw.h"

namespace tova {
namespace {

// The background picture goes to the clipboard; with none, the clipboard stays empty.
void PutBackgroundPicture(Program& program) {
  program.shell.ClearClipboard();
  if (!program.D.Picture().Empty()) program.shell.PutClipboardPicture(program.D.Picture());
}

}  // namespace

void SetViewPenColour(Program& program, int16_t colour) {
  program.D.SetForeColour(ColourNumber(colour));
  RedrawView(program);
}

void SetViewBackColour(Program& program, int16_t colour) {
  program.D.SetBackColour(ColourNumber(colour));
  program.D.Clear();  // the lines go; the background picture stays
  RedrawView(program);
}

void SelectViewPen(Program& program, int16_t lineKind) { SelectLinePen(program.D, lineKind); }

void SetViewLineStyle(Program& program, int16_t lineKind) {
  SelectViewPen(program, lineKind);
  RedrawView(program);
}

void SetViewDrawMode(Program& program, int16_t mode) { program.D.SetDrawMode(mode); }

void copy_Click(Program& program) {
  PutBackgroundPicture(program);
  program.shell.PutClipboardPicture(program.D.Snapshot());
}

void cut_Click(Program& program) {
  PutBackgroundPicture(program);
  program.D.SetPicture({});
  program.D.Clear();  // the picture goes at once, as a pasted one comes at once
  RedrawView(program);
}

void paste_Click(Program& program) {
  Image picture = program.shell.ClipboardPicture();
  if (picture.Empty()) return;  // nothing to paste
  program.D.SetPicture(std::move(picture));
  // The picture shows at once, behind whatever is drawn next.
  program.D.Clear();
}

}  // namespace tova
