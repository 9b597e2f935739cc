// Exercises: the file read back or refused with its reason, the hand-in, and a student's session
// with the given views under the drawing and each aid counted.
#include <gtest/gtest.h>

#include "app/input.h"
#include "app/load_document.h"
#include "document/document_format.h"
#include "exercise/aids.h"
#include "exercise/exercise_file.h"
#include "exercise/exercise_pictures.h"
#include "exercise/hand_in.h"
#include "exercise/object_panel.h"
#include "program/panes.h"
#include "support/test_program.h"

namespace tova {
namespace {

Tables SampleKey() { return ParseDocument(testing::ReadAll(TOVA_SOURCE_DIR "/samples/Tova.ini")).value(); }

Exercise SampleExercise(std::array<bool, 3> given = {true, true, true}) {
  Exercise e{.title = "The sample", .task = "Draw the sample.\nIn three views.", .given = given,
             .aids = {true, true, true, true}};
  e.givenFigures = GivenFigures(SampleKey(), given);
  e.key = FormatDocument(SampleKey());
  return e;
}

// What tova-exercise writes reads back (export_command_test); the key goes only with aids that need it.
TEST(Exercise, CarriesTheKeyOnlyForAids) {
  Exercise bare = SampleExercise();
  bare.aids = {};
  EXPECT_EQ(FormatExercise(bare).find("begin key"), std::string::npos);
}

TEST(Exercise, BadFilesAreRefusedWithTheLineAndWhatIsWrong) {
  const std::string head = "Tova exercise\ntitle: T\n";
  const struct {
    std::string text, reason;
  } kCases[] = {
      {"title: T\n", "it is not a Tova exercise (line 1)"},
      {"Tova exercise\naids: none\n", "the exercise has no title (line 2)"},
      {head + "given: front, back\n", "the given views are front, top and side (line 3)"},
      {head + "aids: check, hint\n", "the aids are check, where, peek and object (line 3)"},
      {head + "tolerance: 21\n", "the tolerance is a number of pixels from 0 to 20 (line 3)"},
      {head + "tolerance: 2px\n", "the tolerance is a number of pixels from 0 to 20 (line 3)"},
      {head + "line: 1, 2, 3, wavy\n", "a line is x1, y1, x2, y2 and solid, thick or dotted (line 3)"},
      {head + "circle: 1, 2, 3, 4, 99999, solid\n", "a circle is cx, cy, radius, start, end and solid, thick or dotted (line 3)"},
      {head + "colour: red\n", "\"colour\" is not a part of an exercise (line 3)"},
      {head + "begin key\n1,2\n", "the key drawing has no end (line 4)"},
      {head + "begin key\n1,2\nend key\n", "the key drawing is damaged: it ends on line 2 before its last value (line 5)"},
      {head + "aids: peek\n", "its aids need the key's drawing, and it has none (line 3)"},
  };
  for (const auto& c : kCases) {
    const ExerciseReading r = ReadExercise(c.text);
    EXPECT_FALSE(r.exercise) << c.text;
    EXPECT_EQ(r.reason, c.reason) << c.text;
  }
}

// A program on an exercise, as `tova EXERCISE` starts it.
struct ExerciseSession : testing::StartedProgram {
  explicit ExerciseSession(const Exercise& e = SampleExercise()) {
    const testing::TempWorkingFolder folder;
    folder.Write("ex.exercise", FormatExercise(e));
    EXPECT_TRUE(LoadDocument(program, "ex.exercise"));
    RepaintCanvas(program);
  }
  void Click(std::string_view control) { HandleInput(program, {InputKind::Click, control}); }
  std::string Words() { return program.exercise.checkWords; }
  Image Shown() {
    Image shown{kCanvasWidth, kCanvasHeight, std::vector<uint32_t>(kCanvasWidth * kCanvasHeight)};
    ComposeCanvas(program, {0, 0, kCanvasWidth, kCanvasHeight}, shown.pixels.data(), kCanvasWidth);
    return shown;
  }
};

int Count(const Image& image, Rgb colour) {
  return static_cast<int>(std::ranges::count(image.pixels, 0xFF000000u | colour));
}

TEST(Exercise, TheGivenViewsLieUnderTheDrawingAndNeverInIt) {
  ExerciseSession s(SampleExercise({false, true, false}));
  const Image plain = s.program.P.Snapshot();
  EXPECT_EQ(Count(plain, kGivenRgb), 0);
  EXPECT_TRUE(std::ranges::all_of(plain.pixels, [](uint32_t p) { return p == 0xFFFFFFFF; }));
  const Image shown = s.Shown();
  EXPECT_GT(Count(shown, kGivenRgb), 100);
  // The drawing and the guide lines pass over it unchanged, and it lies exactly where the key's
  // top view is drawn: clicks along it draw the key's edges to the pixel.
  s.program.tables = SampleKey();
  RepaintCanvas(s.program);
  const Image drawn = s.Shown();
  for (int i = 0; i < kCanvasWidth * kCanvasHeight; ++i) {
    const bool keyTop = PaneAt(i % kCanvasWidth, i / kCanvasWidth) == 1 && drawn.pixels[i] != 0xFFFFFFFF;
    ASSERT_EQ(shown.pixels[i] == (0xFF000000u | kGivenRgb), keyTop) << i % kCanvasWidth << ", " << i / kCanvasWidth;
  }
  EXPECT_EQ(drawn, s.program.P.Snapshot());
}

TEST(Exercise, EachAidShowsWhatItShouldAndIsCounted) {
  ExerciseSession s;
  s.Click(kCheckAid);
  EXPECT_EQ(s.Words(), "Front view: 12 edges missing, 2 circles seen edge-on missing, 1 outline joining two circles missing.\n"
                       "Top view: 12 edges missing, 2 circles missing.\n"
                       "Side view: 12 edges missing, 2 circles seen edge-on missing, 1 outline joining two circles missing.");
  s.Click(kWhereAid);
  EXPECT_GT(Count(s.Shown(), kMissingRgb), 100);
  HandleInput(s.program, {InputKind::Move, "P", 50, 50});
  EXPECT_GT(Count(s.Shown(), kMissingRgb), 100) << "a move is not an action";
  HandleInput(s.program, {InputKind::Click, "C1"});
  EXPECT_EQ(Count(s.Shown(), kMissingRgb), 0) << "the next action clears it";

  s.Click(kPeekAid);
  EXPECT_GT(Count(s.Shown(), kPeekRgb), 100);
  s.shell.clock = 2.9;
  EXPECT_FALSE(ExpirePeek(s.program));
  s.shell.clock = 3;
  EXPECT_TRUE(ExpirePeek(s.program));
  EXPECT_EQ(Count(s.Shown(), kPeekRgb), 0);

  s.Click(kObjectAid);
  ASSERT_TRUE(s.program.exercise.objectShown);
  const Image front = s.program.exercise.object->program.D.Snapshot();
  s.Click("object-7");
  EXPECT_NE(s.program.exercise.object->program.D.Snapshot(), front);
  s.Click(kObjectAid);
  EXPECT_FALSE(s.program.exercise.objectShown);

  s.program.tables = SampleKey();
  s.Click(kCheckAid);
  EXPECT_EQ(s.Words(), "Front view: right.\nTop view: right.\nSide view: right.");
  // The whole object drawn further right: where it stands, then its views once moved.
  for (LineRecord& m : s.program.tables.lineTable) {
    if (PaneAt(m.x1, m.y1) != 2) m.x1 += 30, m.x2 += 30;
  }
  for (CircleRecord& k : s.program.tables.circleTable) k.cx += PaneAt(k.cx, k.cy) != 2 ? 30 : 0;
  s.Click(kCheckAid);
  EXPECT_EQ(s.Words(), "The whole object is drawn 30 px further right than the key's; placed where the key has it, it "
                       "would score 100.\nMoved there:\nFront view: right.\nTop view: right.\nSide view: right.");
  EXPECT_EQ(s.program.exercise.progress.used, (std::array{3, 1, 1, 1}));
}

TEST(Exercise, AidsNotOfferedAreRefusedAndTheWindowWithoutAnExerciseIsAsItWas) {
  Exercise e = SampleExercise();
  e.aids = {false, false, true, false};
  ExerciseSession s(e);
  s.Click(kCheckAid), s.Click(kWhereAid), s.Click(kObjectAid);
  EXPECT_EQ(s.Words(), "");
  EXPECT_EQ(s.program.exercise.progress.used, (std::array{0, 0, 0, 0}));
  EXPECT_EQ(UsedInWords(*s.program.exercise.exercise, s.program.exercise.progress), "Used so far: Peek 0.");
  testing::StartedProgram plain;
  HandleInput(plain.program, {InputKind::Click, kPeekAid});
  EXPECT_FALSE(CanvasHasLayers(plain.program));
}

// The hand-in's name and title on one line; a file name without the characters no folder takes.
TEST(Exercise, TheHandInAsksTheNameOnceAndCountsTheTimeWorked) {
  Exercise e = SampleExercise();
  e.title = "An L/bracket";
  ExerciseSession s(e);
  for (double t : {10.0, 20.0, 1000.0, 1030.0}) {  // a pause of over 5 minutes is not work
    s.shell.clock = t;
    HandleInput(s.program, {InputKind::Move, "P", 50, 50});
  }
  s.shell.script.QueuePrompt("Anna\r\nKowalska");
  s.Click(kHandIn);
  s.Click(kHandIn);
  ASSERT_EQ(s.shell.offered.size(), 2u);
  EXPECT_EQ(s.shell.script.prompts.size(), 1u);
  EXPECT_EQ(s.shell.offered[1].name, "Anna  Kowalska - An L_bracket.KRT");
  const std::optional<HandIn> h = ReadHandIn(s.shell.offered[1].bytes);
  ASSERT_TRUE(h);
  EXPECT_EQ(std::tuple(h->name, h->exercise, h->progress.seconds), std::tuple("Anna  Kowalska", "An L/bracket", 40));
  EXPECT_EQ(ProgressText(s.program.exercise.progress), "0 0 0 0 40 Anna\r\nKowalska");
  EXPECT_TRUE(RestoreProgress(s.program, "1 2 3 4 50 Anna Kowalska"));
  EXPECT_EQ(s.program.exercise.progress.student, "Anna Kowalska");
  EXPECT_FALSE(RestoreProgress(s.program, "1 2 x 4 50 Anna"));
}

}  // namespace
}  // namespace tova
