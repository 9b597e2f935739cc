// Undo and redo through the program's one way in, and the recovery copy kept as the drawing
// changes and offered at the next start.
#include <gtest/gtest.h>

#include <cstdlib>
#include <ctime>
#include <functional>
#include <map>
#include <sstream>

#include "app/input.h"
#include "document/document_format.h"
#include "history/recovery.h"
#include "history/undo.h"
#include "support/test_program.h"

namespace tova {
namespace {

using testing::StartedProgram;

void Press(Program& p, std::string_view name) { HandleInput(p, {InputKind::Click, name}); }
void Pointer(Program& p, InputKind kind, int x, int y) {
  HandleInput(p, {kind, "P", double(x + kPictureBorder), double(y + kPictureBorder)});
}
void Clicks(Program& p, std::initializer_list<std::pair<int, int>> points) {
  for (auto [x, y] : points) Pointer(p, InputKind::Move, x, y), Pointer(p, InputKind::Down, x, y);
}
// Find mode on, the element under (x, y) locked.
void Lock(StartedProgram& t, int x, int y) {
  Press(t.program, "C8");
  Clicks(t.program, {{x, y}});
}
void Delete(StartedProgram& t, int x, int y) {
  Lock(t, x, y);
  t.shell.script.QueueAnswer(Answer::Ok), t.shell.script.QueueAnswer(Answer::Ok);  // and a refusal's
  Press(t.program, "CC8");
  Press(t.program, "C8");
}

// Two circle units of radius 20 in the front view, deep in the side view; their top-view lines
// (40, 300)-(80, 300) and (140, 330)-(180, 330) are what the relation joins.
const std::map<std::string, std::function<void(StartedProgram&)>> kActions = {
    {"line", [](auto& t) { Press(t.program, "C0"), Clicks(t.program, {{10, 10}, {14, 40}, {50, 300}, {60, 350}}), Press(t.program, "C7"); }},
    {"thick line", [](auto& t) {
       Press(t.program, "C0"), Clicks(t.program, {{10, 10}, {14, 40}, {50, 300}, {60, 350}});
       Press(t.program, "C4"), Clicks(t.program, {{12, 25}}), Press(t.program, "C7");
     }},
    {"circle A", [](auto& t) { Press(t.program, "C1"), Clicks(t.program, {{60, 60}, {80, 60}, {300, 100}}), Press(t.program, "C7"); }},
    {"circle B", [](auto& t) { Press(t.program, "C1"), Clicks(t.program, {{160, 60}, {180, 60}, {330, 100}}), Press(t.program, "C7"); }},
    {"relation", [](auto& t) { Press(t.program, "C0"), Clicks(t.program, {{40, 300}, {140, 330}}), Press(t.program, "C7"); }},
    {"half a circle", [](auto& t) { Press(t.program, "C1"), Clicks(t.program, {{100, 150}, {120, 150}}); }},
    {"delete line", [](auto& t) { Delete(t, 12, 25); }},
    {"delete A", [](auto& t) { Delete(t, 80, 60); }},
    {"delete relation", [](auto& t) { Delete(t, 90, 315); }},
    {"lock line", [](auto& t) { Lock(t, 12, 25); }},
    {"3D", [](auto& t) { Press(t.program, "C9"); }},
    {"2D", [](auto& t) { Press(t.program, "C16"); }},
    {"undo", [](auto& t) { Press(t.program, "Mundo"); }},
    {"redo", [](auto& t) { Press(t.program, "Mredo"); }},
};

void Play(StartedProgram& t, const std::string& actions) {
  std::istringstream in(actions);
  for (std::string action; std::getline(in, action, ',');) {
    action.erase(0, action.find_first_not_of(' '));
    kActions.at(action)(t);
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

  StartedProgram u;
  Program& p = u.program;
  for (int16_t i = 0; i < int16_t(kHistorySteps) + 5; ++i) {
    const Tables before = p.tables;
    p.tables.lineTable[0].x1 = int16_t(i + 1);
    NoteDrawingChange(p, before, p.history.revision);
  }
  while (!p.history.undo.empty()) Press(p, "Mundo");
  EXPECT_EQ(p.tables.lineTable[0].x1, 5);  // the oldest steps were forgotten
  BeginHistory(p);
  EXPECT_EQ(std::tuple(p.history.undo.size(), p.history.redo.size()), std::tuple(0u, 0u));
}

TEST(Recovery, TheCopyFollowsTheDrawingUntilItIsSavedOrTheProgramEnds) {
  const testing::TempWorkingFolder folder;
  StartedProgram t;
  Program& p = t.program;
  const auto kept = [&] { return ReadRecoveryCopy(t.shell.recoveryCopy); };
  EXPECT_EQ(t.shell.recoveryStores, 0);  // the start-up drawing needs none
  Play(t, "line");
  ASSERT_TRUE(kept());
  EXPECT_EQ(kept()->drawing.lineTable, p.tables.lineTable);
  EXPECT_LE(std::abs(kept()->changedAt - int64_t(std::time(nullptr))), 5);
  const int stores = t.shell.recoveryStores;
  Pointer(p, InputKind::Move, 30, 30), Press(p, "C8"), Press(p, "C8");
  EXPECT_EQ(t.shell.recoveryStores, stores);  // nothing changed: nothing written
  Play(t, "undo");  // the drawing as it was started: nothing to keep
  EXPECT_EQ(std::tuple(t.shell.recoveryCopy, t.shell.recoveryStores), std::tuple(std::string(), stores + 1));
  Play(t, "redo");
  EXPECT_TRUE(kept());
  t.shell.script.QueueAnswer(Answer::Ok), t.shell.script.QueuePrompt("saved.KRT");
  Press(p, "Msave");
  EXPECT_EQ(t.shell.recoveryCopy, "");
  Play(t, "circle A");
  EXPECT_TRUE(kept());
  for (Answer a : {Answer::Cancel, Answer::Ok}) t.shell.script.QueueAnswer(a);  // no save; leave
  Press(p, "C11");
  EXPECT_EQ(std::tuple(t.shell.ended, t.shell.recoveryCopy), std::tuple(1, std::string()));
  Play(t, "circle B");
  EXPECT_EQ(t.shell.recoveryCopy, "");
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
  };
  for (const auto& c : cases) {
    StartedProgram t;
    Play(t, "line");
    const std::string before = FormatDocument(t.program.tables);
    if (c.ask) t.shell.script.QueueAnswer(c.answer);
    EXPECT_EQ(OfferRecoveryCopy(t.program, c.copy, c.ask), c.restored);
    EXPECT_EQ(FormatDocument(t.program.tables), c.restored ? FormatDocument(drawn.program.tables) : before);
    EXPECT_EQ(t.shell.script.boxes.empty() ? "" : t.shell.script.boxes.back().text, c.box);
    if (!c.restored) continue;
    EXPECT_EQ(testing::WithoutCrossHair(t.program), testing::FreshDrawing(t.program));
    EXPECT_TRUE(t.program.history.undo.empty());  // the restored drawing is where undo stops
    EXPECT_TRUE(t.shell.recoveryCopy.starts_with(FormatDocument(t.program.tables)));  // kept as this one's
  }
}

}  // namespace
}  // namespace tova
