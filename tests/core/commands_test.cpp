#include "app/commands.h"

#include <gtest/gtest.h>

#include <set>
#include <string>

#include "support/test_program.h"

namespace tova {
namespace {

using testing::TestProgram;

std::set<Control> EnabledAmongTable(const testing::ScriptedShell& shell) {
  std::set<Control> on;
  for (const CommandRow& row : kCommandTable) {
    if (shell.enabled(row.control).value_or(false)) on.insert(row.control);
  }
  return on;
}

// The log of a command state: its beeps, then one switch per control in table order, and
// nothing else.
std::vector<std::string> ExpectedLog(int beeps, Availability CommandRow::*column) {
  std::vector<std::string> log(static_cast<std::size_t>(beeps), "beep");
  for (const CommandRow& row : kCommandTable) {
    const Availability a = row.*column;
    if (a == Availability::Unchanged) continue;
    log.push_back("enable " + std::string(ControlName(row.control)) +
                  (a == Availability::Enabled ? " 1" : " 0"));
  }
  return log;
}

TEST(CommandStates, EachStateBeepsFirstThenSwitchesItsControlsInOrder) {
  TestProgram t;
  SetReadyCommands(t.program);
  EXPECT_EQ(t.shell.log(), ExpectedLog(2, &CommandRow::ready));
  t.shell.ClearLog();
  SetBusyCommands(t.program);
  EXPECT_EQ(t.shell.log(), ExpectedLog(0, &CommandRow::busy));
  t.shell.ClearLog();
  SetBackOnlyCommands(t.program);
  EXPECT_EQ(t.shell.log(), ExpectedLog(1, &CommandRow::backOnly));
}

TEST(CommandStates, ReadyEnablesTheDrawingFindViewFileAndExitCommands) {
  TestProgram t;
  SetReadyCommands(t.program);
  using C = Control;
  EXPECT_EQ(EnabledAmongTable(t.shell),
            (std::set<Control>{C::C0, C::C1, C::C2, C::C8, C::C9, C::C10, C::Mfile, C::C11}));
  EXPECT_EQ(t.shell.beeps(), 2);
}

TEST(CommandStates, BusyDisablesEverythingButLeavesTheViewControlsAsTheyWere) {
  TestProgram t;
  using C = Control;
  const Control view[] = {C::C12, C::C13, C::C14, C::C15, C::C16,
                          C::a1,  C::a2,  C::a3,  C::a4,  C::a5};
  for (Control c : view) t.shell.Enable(c, true);
  SetBusyCommands(t.program);
  EXPECT_EQ(EnabledAmongTable(t.shell), std::set<Control>(std::begin(view), std::end(view)));
  EXPECT_EQ(t.shell.beeps(), 0);
}

TEST(CommandStates, BackOnlyLeavesOnlyGoingBack) {
  TestProgram t;
  SetReadyCommands(t.program);
  SetBackOnlyCommands(t.program);
  EXPECT_EQ(EnabledAmongTable(t.shell), std::set<Control>{Control::C6});
  EXPECT_EQ(t.shell.beeps(), 3);
}

TEST(ResetEditing, ForgetsTheFigureDisablesOkAndReturnsToReady) {
  TestProgram t;
  CanvasVars& c = t.program.canvas;
  c = {.firstPane = 1, .secondPane = 2, .thirdPane = 0, .firstViewStep = 3, .secondViewStep = 1,
       .figureStage = 2, .pendingCommit = 3, .rubberX = 7, .markX = 9};
  t.shell.Enable(Control::C7, true);
  t.shell.ClearLog();
  ResetEditing(t.program);
  EXPECT_EQ(c.figureStage, 0);
  EXPECT_EQ(c.pendingCommit, 0);
  EXPECT_EQ(c.firstPane, kNone);
  EXPECT_EQ(c.secondPane, kNone);
  EXPECT_EQ(c.thirdPane, kNone);
  EXPECT_EQ(c.firstViewStep, 0);
  EXPECT_EQ(c.secondViewStep, 0);
  // Not part of the figure's progress: left alone.
  EXPECT_EQ(c.rubberX, 7);
  EXPECT_EQ(c.markX, 9);
  EXPECT_FALSE(*t.shell.enabled(Control::C7));
  EXPECT_EQ(t.shell.beeps(), 2);
  EXPECT_EQ(t.shell.log().front(), "enable C7 0");
}

}  // namespace
}  // namespace tova
