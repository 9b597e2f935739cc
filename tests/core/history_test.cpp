// Undo and redo through the program's one way in, and the recovery copy kept as the drawing
// changes and offered at the next start.
#include <gtest/gtest.h>

#include <cstdlib>
#include <ctime>
#include <iterator>
#include <map>
#include <sstream>

#include "app/input.h"
#include "document/document_format.h"
#include "history/recovery.h"
#include "history/undo.h"
#include "support/script_player.h"
#include "support/test_program.h"

namespace tova {
namespace {

using testing::StartedProgram;

// Each action a line of the script player's words a step ("|" between them). Two circle units of
// radius 20 in the front view, deep in the side view; their top-view lines (40, 300)-(80, 300) and
// (140, 330)-(180, 330) are what the relation joins. A deletion is answered OK.
const std::string kLine = "press C0|at-click 10 10|at-click 14 40|at-click 50 300|at-click 60 350";
const std::map<std::string, std::string> kActions = {
    {"line", kLine + "|press C7"},
    {"thick line", kLine + "|press C4|at-click 12 25|press C7"},
    {"circle A", "press C1|at-click 60 60|at-click 80 60|at-click 300 100|press C7"},
    {"circle B", "press C1|at-click 160 60|at-click 180 60|at-click 330 100|press C7"},
    {"relation", "press C0|at-click 40 300|at-click 140 330|press C7"},
    {"half a circle", "press C1|at-click 100 150|at-click 120 150"},
    {"lock line", "press C8|at-click 12 25"},
    {"delete line", "press C8|at-click 12 25|press CC8|press C8"},
    {"delete A", "press C8|at-click 80 60|press CC8|press C8"},
    {"delete relation", "press C8|at-click 90 315|press CC8|press C8"},
    {"3D", "press C9"}, {"2D", "press C16"}, {"undo", "press Mundo"}, {"redo", "press Mredo"},
    {"save", "press Msave"}, {"leave", "press C11"},
};

// Plays the actions named, ", " between them.
void Play(StartedProgram& t, const std::string& actions) {
  t.shell.script.Improvise({[] { return Answer::Ok; }, [] { return std::string("saved.KRT"); }, {}});
  testing::ScriptPlayer player(t.program, t.shell);
  std::istringstream in(actions);
  for (std::string action; std::getline(in, action, ',');) {
    std::istringstream steps(kActions.at(action.substr(action.find_first_not_of(' '))));
    for (std::string step; std::getline(steps, step, '|');) {
      std::istringstream words(step);
      player.Play({std::istream_iterator<std::string>(words), {}});
    }
  }
}

// Each session ends with the drawing that its plainer twin, built afresh, ends with: the same
// tables and saved bytes, and a canvas as that drawing opened afresh shows it.
TEST(History, UndoAndRedoLeaveTheDrawingOfTheSameStepsBuiltAfresh) {
  const struct { std::string session, twin, usable; } cases[] = {
      {"line, undo", "", "-r"},
      {"line, circle A, undo, redo", "line, circle A", "u-"},
      {"line, circle A, undo, undo, redo", "line", "ur"},
      {"line, undo, circle A, redo", "circle A", "u-"},  // a new change forgets what was undone
      {"circle A, circle B, relation, delete relation, undo", "circle A, circle B, relation", "ur"},
      {"circle A, circle B, relation, delete A, undo", "circle A, circle B", "ur"},  // refused: no step
      {"line, delete line, undo, undo", "", "-r"},
      {"line, delete line, undo, redo, circle A", "line, delete line, circle A", "u-"},
      {"thick line, undo, redo", "thick line", "u-"},
      {"line, half a circle, undo", "line", "u-"},  // the figure goes, the stored line stays
      {"line, half a circle", "line, half a circle", "u-"},
      {"line, lock line, undo", "", "-r"},
      {"line, undo, 3D", "", "--"},
      {"line, undo, 3D, redo, undo, 2D", "", "-r"},  // nothing changes while the 3D view is shown
  };
  for (const auto& c : cases) {
    StartedProgram t, twin;
    Play(t, c.session), Play(twin, c.twin);
    Program& p = t.program;
    EXPECT_EQ(FormatDocument(p.tables), FormatDocument(twin.program.tables)) << c.session;
    EXPECT_EQ(p.tables, twin.program.tables) << c.session;
    if (p.view.viewShown == 0 && !ElementInProgress(p)) {
      EXPECT_EQ(testing::WithoutCrossHair(p), testing::FreshDrawing(p)) << c.session;
    }
    const std::string usable = std::string(t.shell.enabled(Control::Mundo).value() ? "u" : "-") +
                               (t.shell.enabled(Control::Mredo).value() ? "r" : "-");
    EXPECT_EQ(usable, c.usable) << c.session;
  }
}

TEST(History, FindModeForgetsWhatItFoundAndTheStepsAreBounded) {
  StartedProgram t;
  Play(t, "line, lock line, undo");
  const FindVars& f = t.program.find;
  EXPECT_EQ(std::tuple(f.findMode, f.findLocked, f.foundUnit, f.foundRelation), std::tuple(1, 0, kNone, kNone));
  EXPECT_EQ(std::tuple(t.shell.enabled(Control::C8), t.shell.enabled(Control::CC8)), std::tuple(true, false));
  Program& p = t.program;
  for (int16_t i = 0; i < int16_t(kHistorySteps) + 5; ++i) {
    const Tables before = p.tables;
    p.tables.lineTable[0].x1 = int16_t(i + 1);
    NoteDrawingChange(p, before, p.history.revision);
  }
  p.view.viewShown = 1;  // nothing while the 3D view is shown, whatever a shell delivers
  Mundo_Click(p), Mredo_Click(p);
  EXPECT_EQ(p.tables.lineTable[0].x1, int16_t(kHistorySteps) + 5);
  p.view.viewShown = 0;
  while (!p.history.undo.empty()) Mundo_Click(p);
  EXPECT_EQ(p.tables.lineTable[0].x1, 5);  // the oldest steps were forgotten
  Mredo_Click(p);
  EXPECT_EQ(p.tables.lineTable[0].x1, 6);
}

TEST(Recovery, TheCopyFollowsTheDrawingUntilItIsSavedOrTheProgramEnds) {
  const testing::TempWorkingFolder folder;
  StartedProgram t;
  const auto kept = [&] { return ReadRecoveryCopy(t.shell.recoveryCopy); };
  EXPECT_EQ(t.shell.recoveryStores, 0);  // the start-up drawing needs none
  Play(t, "line");
  ASSERT_TRUE(kept());
  EXPECT_EQ(kept()->drawing.lineTable, t.program.tables.lineTable);
  EXPECT_LE(std::abs(kept()->changedAt - int64_t(std::time(nullptr))), 5);
  const int stores = t.shell.recoveryStores;
  Play(t, "3D, 2D");
  EXPECT_EQ(t.shell.recoveryStores, stores);  // nothing changed: nothing written
  Play(t, "undo");  // the drawing as it was started: nothing to keep
  EXPECT_EQ(std::tuple(t.shell.recoveryCopy, t.shell.recoveryStores), std::tuple(std::string(), stores + 1));
  Play(t, "redo");
  EXPECT_TRUE(kept());
  Play(t, "save");
  EXPECT_EQ(t.shell.recoveryCopy, "");
  Play(t, "circle A");
  EXPECT_TRUE(kept());
  Play(t, "leave, circle B");  // saved again, then gone: no copy kept after
  EXPECT_EQ(std::tuple(t.shell.ended, t.shell.recoveryCopy), std::tuple(1, std::string()));
}

TEST(Recovery, ACopyLeftBehindIsOfferedOnceAndOnlyAWholeOneIsRestored) {
  StartedProgram drawn;
  Play(drawn, "circle A, circle B, relation");
  const std::string copy = FormatRecoveryCopy(drawn.program.tables, 1796678400);
  setenv("TZ", "UTC", 1), tzset();
  EXPECT_NE(RecoveryQuestion(1796678400).find("at 21:20 on 7 December 2026"), std::string::npos);
  // Every cut, a bad time stamp or a damaged drawing makes no whole copy.
  for (std::size_t n = 0; n < copy.size(); n += 7) EXPECT_FALSE(ReadRecoveryCopy(copy.substr(0, n))) << n;
  std::string badStamp = copy, badDrawing = copy;
  badStamp.replace(badStamp.find("1796678400"), 1, "x");
  badDrawing.replace(badDrawing.find("\r\n") + 2, 1, "z");
  EXPECT_FALSE(ReadRecoveryCopy(badStamp) || ReadRecoveryCopy(badDrawing));

  const struct { std::string copy; bool ask; Answer answer; bool restored; std::string box; } cases[] = {
      {copy, true, Answer::Ok, true, RecoveryQuestion(1796678400)},
      {copy, true, Answer::Cancel, false, RecoveryQuestion(1796678400)},
      {copy, false, Answer::Ok, true, ""},  // a tab the browser discarded: no question
      {badDrawing, true, Answer::Ok, false, std::string(kRecoveryDamagedMessage)},
      {"", true, Answer::Ok, true, ""},  // a copy of the drawing that stands: taken, not asked about
  };
  for (const auto& c : cases) {
    StartedProgram t;
    Play(t, "line");
    const std::string before = FormatDocument(t.program.tables);
    const bool same = c.copy.empty();
    if (c.ask && !same) t.shell.script.QueueAnswer(c.answer);
    EXPECT_EQ(OfferRecoveryCopy(t.program, same ? t.shell.recoveryCopy : c.copy, c.ask), c.restored);
    EXPECT_EQ(FormatDocument(t.program.tables), c.restored && !same ? FormatDocument(drawn.program.tables) : before);
    EXPECT_EQ(t.shell.script.boxes.empty() ? "" : t.shell.script.boxes.back().text, c.box);
    if (!c.restored) continue;
    EXPECT_EQ(testing::WithoutCrossHair(t.program), testing::FreshDrawing(t.program));
    EXPECT_EQ(t.program.history.undo.empty(), !same);  // a drawing put back is where undo stops
    EXPECT_TRUE(t.shell.recoveryCopy.starts_with(FormatDocument(t.program.tables)));  // kept as this one's
  }
}

}  // namespace
}  // namespace tova
