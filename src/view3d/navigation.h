// 3D mode: "MAKE-3D" shows the model over the canvas, LeaveView hides it again. The
// direction buttons turn or tilt the view a step, "GO" repeats the last direction 31 times, the
// scroll bars set step, centre and size, and the pointer over the view turns and shifts it.
#pragma once

#include <cstdint>

namespace tova {

struct Program;

void C9_Click(Program& program);   // "MAKE-3D"
// The 3D view and its controls hidden, the canvas shown and the commands ready; what the canvas
// shows is left to the caller ("GOTO-2D" paints it afresh).
void LeaveView(Program& program);

// Direction codes: 0 "R", 1 lower-right arrow, 2 "D", 3 lower-left arrow, 4 "L", 5 upper-left
// arrow, 6 "U", 7 upper-right arrow.
void StepView(Program& program, int16_t direction);
void a5_Click(Program& program);  // "GO"

void cdd_Change(Program& program);  // "Step:"
void cqq_Change(Program& program);  // "Centre:"
void cpp_Change(Program& program);  // "Size:"

void D_MouseDown(Program& program, double X, double Y);
void D_MouseMove(Program& program, double X, double Y);

// How long each of the 31 views of "GO" stays on the screen.
inline constexpr int kGoStepMs = 20;

}  // namespace tova
