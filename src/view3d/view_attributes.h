// The 3D view's pen colour, background colour, line style and raster mode, and the exchange of
// its picture with the clipboard.
#pragma once

#include <cstdint>

namespace tova {

struct Program;

void SetViewPenColour(Program& program, int16_t colour);   // "D.BFcolor", then a redraw
void SetViewBackColour(Program& program, int16_t colour);  // "D.BKcolor": clears, then a redraw
void SelectViewPen(Program& program, int16_t lineKind);
void SetViewLineStyle(Program& program, int16_t lineKind);  // "D.Lstype", then a redraw
void SetViewDrawMode(Program& program, int16_t mode);       // "D.DrawMode": no redraw

void copy_Click(Program& program);
void cut_Click(Program& program);
void paste_Click(Program& program);

}  // namespace tova
