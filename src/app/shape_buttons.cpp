#include "app/shape_buttons.h"

#include "program/line_kinds.h"
#include "program/program.h"

namespace tova {

void C0_Click(Program& program) { program.app.currentShape = kShapeLine; }
void C1_Click(Program& program) { program.app.currentShape = kShapeCircle; }
void C2_Click(Program& program) { program.app.currentShape = kShapeArc; }
void C3_Click(Program& program) { program.app.currentLineKind = kSolidLine; }
void C4_Click(Program& program) { program.app.currentLineKind = kThickLine; }
void C5_Click(Program& program) { program.app.currentLineKind = kDottedLine; }

}  // namespace tova
