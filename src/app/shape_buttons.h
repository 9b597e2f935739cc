// The shape buttons choose the shape of the next figure; the line-kind buttons arm a line kind
// for the next click on the canvas. They draw nothing and switch no other command.
#pragma once

namespace tova {

struct Program;

void C0_Click(Program& program);  // "----"
void C1_Click(Program& program);  // "O"
void C2_Click(Program& program);  // "C"
void C3_Click(Program& program);  // "TrueL"
void C4_Click(Program& program);  // "ThikL"
void C5_Click(Program& program);  // "EmptL"

}  // namespace tova
