#include "document/file_commands.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>

#include "app/background_colours.h"
#include "app/click_handlers.h"
#include "app/help.h"
#include "app/leaving.h"
#include "document/document_format.h"
#include "support/canvas_driver.h"
#include "support/test_program.h"

namespace tova {
namespace {

using testing::ReadAll;

using testing::StartedProgram;
using testing::TempWorkingFolder;

// A program holding the sample drawing, painted, with nothing counted yet.
struct SampleProgram : StartedProgram {
  SampleProgram() {
    program.tables = *ParseDocument(ReadAll(TOVA_SOURCE_DIR "/samples/Tova.ini"));
    RedrawDiagram(program);
    shell.ForgetCalls();
  }
};

void Answers(StartedProgram& t, std::initializer_list<Answer> answers) {
  for (Answer a : answers) t.shell.script.QueueAnswer(a);
}

TEST(FileCommands, FileAsksThreeQuestionsAndCancelsDoNothing) {
  TempWorkingFolder folder;
  SampleProgram t;
  const Tables before = t.program.tables;
  Answers(t, {Answer::Cancel, Answer::Cancel, Answer::Cancel});
  C10_Click(t.program);
  EXPECT_EQ(t.program.tables, before);
  ASSERT_EQ(t.shell.script.boxes().size(), 3u);
  EXPECT_EQ(t.shell.script.boxes()[0].text, "Do You SAVE This File ? (*.KRT) ");
  EXPECT_EQ(t.shell.script.boxes()[1].text, "Do You STRART A New File ? ");
  EXPECT_EQ(t.shell.script.boxes()[2].text, "Do You OPEN A File ? (*.KRT) ");
  EXPECT_EQ(t.shell.script.boxes()[2].icon, Icon::Question);
  EXPECT_TRUE(std::filesystem::is_empty(folder.path()));

  Answers(t, {Answer::Cancel, Answer::Ok, Answer::Cancel});  // only "New"
  C10_Click(t.program);
  EXPECT_EQ(t.program.tables, Tables{});
  EXPECT_EQ(t.program.P.Snapshot(), testing::FreshDrawing(t.program));
  EXPECT_EQ(t.shell.beeps(), 2);
  EXPECT_TRUE(std::filesystem::is_empty(folder.path()));
}

TEST(FileCommands, SavingRetriesUntilItSucceedsOrIsGivenUp) {
  TempWorkingFolder folder;
  SampleProgram t;
  Answers(t, {Answer::Ok});
  t.shell.script.QueuePrompt("");  // nothing is written, nothing said
  Msave_Click(t.program);
  EXPECT_EQ(t.shell.script.boxes().size(), 1u);
  EXPECT_TRUE(std::filesystem::is_empty(folder.path()));

  Answers(t, {Answer::Ok});
  t.shell.script.QueuePrompt("no such folder/drawing.KRT");
  t.shell.script.QueuePrompt("drawing.KRT");
  Msave_Click(t.program);
  ASSERT_EQ(t.shell.script.prompts().size(), 3u);
  for (const auto& prompt : t.shell.script.prompts()) {
    EXPECT_EQ(prompt.prompt, "Input Path\\Filename(*.KRT):");
    EXPECT_EQ(prompt.title, "Malvo");
    EXPECT_EQ(prompt.preset, "TOVA1.KRT");  // never the path that failed
  }
  EXPECT_EQ(t.shell.script.boxes().back().text, "Three Is A Error! Retry!");
  EXPECT_EQ(ReadAll("drawing.KRT"), ReadAll(TOVA_SOURCE_DIR "/samples/Tova.ini"));
  EXPECT_EQ(t.program.app.fileNumber, 2);  // a failed write leaves the channel number alone
}

TEST(FileCommands, OpeningRetriesAfterABadFileAndNeverLeavesAHalfReadDrawing) {
  TempWorkingFolder folder;
  SampleProgram t;
  const Tables sample = t.program.tables;
  const Image painted = t.program.P.Snapshot();
  folder.Write("bad.KRT", "400,0,0,0\r\n" + std::string(401 * 13, '0'));
  Answers(t, {Answer::Ok});
  t.shell.script.QueueOpen("bad.KRT");
  t.shell.script.QueueOpen(std::nullopt);
  Mopen_Click(t.program);
  EXPECT_EQ(t.shell.script.openFields(), (std::vector<std::string>{"*.KRT", "*.KRT"}));
  EXPECT_EQ(t.shell.script.boxes().back().text, "Three Is A Error! Retry!");
  EXPECT_EQ(t.program.app.fileNumber, 3);
  EXPECT_EQ(t.program.tables, sample);
  EXPECT_EQ(t.program.P.Snapshot(), painted);

  // Saved, emptied and opened again: the same four tables.
  Answers(t, {Answer::Ok, Answer::Ok, Answer::Ok});
  t.shell.script.QueuePrompt("again.KRT");
  t.shell.script.QueueOpen("again.KRT");
  C10_Click(t.program);
  EXPECT_EQ(t.program.tables, sample);
  EXPECT_EQ(t.program.P.Snapshot(), painted);
  EXPECT_EQ(t.program.canvas.markX, kNone);
  EXPECT_TRUE(t.shell.script.Exhausted());
}

TEST(Leaving, SaveOfferThenExitQuestionThenFarewell) {
  TempWorkingFolder folder;
  {  // Cancel, Cancel: nothing happens.
    SampleProgram t;
    Answers(t, {Answer::Cancel, Answer::Cancel});
    C11_Click(t.program);
    EXPECT_EQ(t.shell.ended, 0);
    EXPECT_EQ(t.shell.beeps(), 0);
  }
  {  // The close request: OK to saving with an empty path, Cancel to leaving.
    SampleProgram t;
    Answers(t, {Answer::Ok, Answer::Cancel});
    t.shell.script.QueuePrompt("");
    EXPECT_FALSE(LeavingSequence(t.program));
    EXPECT_TRUE(std::filesystem::is_empty(folder.path()));
  }
  SampleProgram t;
  Answers(t, {Answer::Ok, Answer::Ok});
  t.shell.script.QueuePrompt("last.KRT");
  C11_Click(t.program);
  EXPECT_TRUE(std::filesystem::exists("last.KRT"));
  ASSERT_EQ(t.shell.script.boxes().size(), 3u);
  EXPECT_EQ(t.shell.script.boxes()[1].text, "Are You Sure To EXIT This System!!! ");
  const testing::ShownBox& farewell = t.shell.script.boxes()[2];
  EXPECT_TRUE(farewell.text.starts_with("  THANK YOU USE THIS SYSTEM !   \r\n  "));
  EXPECT_EQ(std::count(farewell.text.begin(), farewell.text.end(), '\n'), 3);
  EXPECT_EQ(farewell.icon, Icon::Exclamation);
  EXPECT_EQ(t.shell.beeps(), 2);
  EXPECT_EQ(t.shell.ended, 1);
  EXPECT_EQ(t.shell.log().back(), "beep");
}

TEST(BackgroundColours, TheCanvasColourDropsTheFigureTheWindowColourNothing) {
  SampleProgram t;
  Program& p = t.program;
  testing::Click(p, 10, 20);
  testing::Click(p, 100, 60);
  t.shell.ForgetCalls();
  FindClickHandler("pred")->operator()(p);  // "Lred"
  EXPECT_EQ(p.P.BackColour(), ColourNumber(12));
  EXPECT_EQ(testing::Stage(p), (std::tuple{0, 0, 0, 0}));
  EXPECT_EQ(p.tables.pendingLines[0], PendingLine{});
  EXPECT_EQ(t.shell.beeps(), 2);
  EXPECT_EQ(p.P.Snapshot(), testing::FreshDrawing(p));
  FindClickHandler("predl")->operator()(p);  // "Red"
  EXPECT_EQ(p.P.BackColour(), ColourNumber(4));

  const Image canvas = p.P.Snapshot();
  t.shell.ForgetCalls();
  FindClickHandler("fflbl")->operator()(p);
  EXPECT_EQ(t.shell.backColours[static_cast<std::size_t>(Control::Form1)], ColourNumber(9));
  EXPECT_EQ(t.shell.log(), (std::vector<std::string>{"colour Form1"}));
  EXPECT_EQ(p.P.Snapshot(), canvas);
}

TEST(Help, PagesAndCreditsLeaveTheStateAlone) {
  SampleProgram t;
  const Tables before = t.program.tables;
  hlp_Click(t.program);
  malvo_Click(t.program);
  about_Click(t.program);
  EXPECT_EQ(t.shell.helpPages, (std::vector<std::string>{"/opt/tova/Help.htm", "/opt/tova/Malvo.htm"}));
  ASSERT_EQ(t.shell.script.boxes().size(), 1u);
  const std::string& credits = t.shell.script.boxes()[0].text;
  EXPECT_EQ(std::count(credits.begin(), credits.end(), '\n'), 2);
  EXPECT_EQ(credits.find("THANK YOU"), std::string::npos);
  for (std::string_view line : kCredits) {  // the same lines in the farewell, padded
    EXPECT_NE(credits.find(line), std::string::npos);
    EXPECT_NE(FarewellText().find("\r\n  " + std::string(line) + "   "), std::string::npos);
  }
  EXPECT_EQ(t.program.tables, before);
  EXPECT_EQ(t.shell.beeps(), 0);
}

}  // namespace
}  // namespace tova
