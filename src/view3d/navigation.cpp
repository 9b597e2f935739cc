#include "view3d/navigation.h"

#include <array>

#include "platform/int16.h"
#include "program/commands.h"
#include "program/program.h"
#include "view3d/redraw.h"

namespace tova {
namespace {

struct Turn {
  int8_t tilt, turn;  // steps added to viewTilt and viewTurn
};
constexpr std::array<Turn, 8> kDirections{{
    {0, 1}, {1, 1}, {1, 0}, {1, -1}, {0, -1}, {-1, -1}, {-1, 0}, {-1, 1},
}};

constexpr std::array kViewControls{Control::C12, Control::C13, Control::C14, Control::C15,
                                   Control::C16, Control::cpp, Control::a1,  Control::a2,
                                   Control::a3,  Control::a4,  Control::a5};

// Angles are never reduced, except by whole turns where a step would carry them past the
// 16-bit range: the view depends on them only through their sine and cosine.
void AddDegrees(int16_t& angle, int degrees) {
  int v = angle + degrees;
  while (v > 32767) v -= 360;
  while (v < -32768) v += 360;
  angle = static_cast<int16_t>(v);
}

void ApplyDirection(Program& program, int16_t direction) {
  const Turn d = kDirections[static_cast<std::size_t>(direction) & 7u];
  ViewVars& v = program.view;
  AddDegrees(v.viewTilt, d.tilt * v.viewStep);
  AddDegrees(v.viewTurn, d.turn * v.viewStep);
}

}  // namespace

void C9_Click(Program& program) {
  Shell& shell = program.shell;
  shell.Show(Control::D, true);
  program.view.viewShown = 1;
  SetBusyCommands(program);
  shell.Enable(Control::C9, false);
  for (Control c : kViewControls) shell.Enable(c, true);
  ViewVars& v = program.view;
  v.viewTilt = 45;
  v.viewTurn = 45;
  v.trackX = 0;
  v.trackY = 0;
  v.trackOn = 1;
  v.penCycle = 0;
  v.panX = 0;
  v.panY = 0;
  shell.Enable(Control::pbk, false);
  RedrawView(program);
}

void LeaveView(Program& program) {
  Shell& shell = program.shell;
  shell.Enable(Control::C9, true);
  for (Control c : kViewControls) shell.Enable(c, false);
  SetReadyCommands(program);
  shell.Show(Control::D, false);
  program.view.viewShown = 0;
  shell.Show(Control::P, true);
  shell.Enable(Control::pbk, true);
}

void StepView(Program& program, int16_t direction) {
  program.view.lastDirection = direction;
  ApplyDirection(program, direction);
  RedrawView(program);
}

void a5_Click(Program& program) {
  for (int step = 0; step < 31; ++step) {
    ApplyDirection(program, program.view.lastDirection);
    RedrawView(program);
    program.shell.Present(Control::D, kGoStepMs);
  }
}

void cdd_Change(Program& program) { program.view.viewStep = program.shell.Value(Control::cdd); }
void cqq_Change(Program& program) { program.view.viewCentre = program.shell.Value(Control::cqq); }
void cpp_Change(Program& program) {
  program.view.viewSize = program.shell.Value(Control::cpp);
  RedrawView(program);
}

void D_MouseDown(Program& program, double X, double Y) {
  program.shell.Beep();
  ViewVars& v = program.view;
  v.trackOn = static_cast<int16_t>(1 - v.trackOn);
  if (v.trackOn == 1) {
    // The new shift replaces the old one: the way from the last turning position to here.
    v.panX = Clamp16(WholePixel(X) - v.trackX);
    v.panY = Clamp16(WholePixel(Y) - v.trackY);
    RedrawView(program);
  }
}

void D_MouseMove(Program& program, double X, double Y) {
  ViewVars& v = program.view;
  if (v.trackOn == 0) return;
  // At most one step per axis, however far the pointer moved.
  if (X > v.trackX) AddDegrees(v.viewTurn, v.viewStep);
  if (X < v.trackX) AddDegrees(v.viewTurn, -v.viewStep);
  if (Y > v.trackY) AddDegrees(v.viewTilt, v.viewStep);
  if (Y < v.trackY) AddDegrees(v.viewTilt, -v.viewStep);
  v.trackX = WholePixel(X);
  v.trackY = WholePixel(Y);
  RedrawView(program);
}

}  // namespace tova
