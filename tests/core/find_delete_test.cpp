#include <gtest/gtest.h>

#include "app/click_handlers.h"
#include "canvas/canvas_input.h"
#include "canvas/commit.h"
#include "diagram/deletion.h"
#include "diagram/find_mode.h"
#include "document/document_file.h"
#include "document/document_format.h"
#include "support/canvas_driver.h"
#include "support/test_program.h"

namespace tova {
namespace {

using testing::StartedProgram;

TEST(HitTestLines, SlantedSegmentsByTheirParametersStraightOnesOnTheirLine) {
  StartedProgram t;
  Tables& tb = t.program.tables;
  tb.lineTable[0] = {0, 0, 100, 100, 0, kRowLive};
  tb.lineTable[1] = {10, 150, 110, 150, 0, kRowLive};  // horizontal
  tb.lineTable[2] = {200, 10, 200, 110, 0, kRowLive};  // vertical
  tb.unitTable[0] = {1000, 1001, 1002, kRowLive};
  const auto hit = [&](int16_t x, int16_t y) { return HitTestLines(t.program, x, y).unit == 0; };
  EXPECT_TRUE(hit(50, 50));
  EXPECT_TRUE(hit(50, 51));
  EXPECT_FALSE(hit(50, 60));
  EXPECT_FALSE(hit(101, 101));
  // Straight segments are found along their whole length, and only on their line.
  for (int16_t x : {10, 12, 60, 110}) EXPECT_TRUE(hit(x, 150)) << x;
  EXPECT_FALSE(hit(12, 151));
  EXPECT_FALSE(hit(111, 150));
  for (int16_t y : {10, 60, 110}) EXPECT_TRUE(hit(200, y)) << y;
  EXPECT_FALSE(hit(201, 60));
  EXPECT_FALSE(hit(200, 111));
}

TEST(FindElementAt, LinesBeforeCirclesAndUnitsBeforeRelations) {
  StartedProgram t;
  Tables& tb = t.program.tables;
  tb.circleTable[0] = {100, 100, 40, 30, 60, 0, kRowLive};  // an arc, tested as a full circle
  tb.unitTable[0] = {2000, 1001, 1002, kRowLive};
  for (int16_t d : {38, 42}) EXPECT_EQ(FindElementAt(t.program, 100, 100 + d), (Found{0, kNone})) << d;
  EXPECT_EQ(FindElementAt(t.program, 100, 100 + 43), Found{});
  EXPECT_EQ(FindElementAt(t.program, 100, 100 - 37), Found{});

  tb.lineTable[0] = {60, 140, 140, 140, 0, kRowLive};  // through the circle's lowest point
  tb.relationTable[3] = {5, 6, 0, 7, 0, 1, 1, 2, kRowLive};
  EXPECT_EQ(FindElementAt(t.program, 100, 140), (Found{kNone, 3}));
  tb.unitTable[4] = {1000, 1008, 1009, kRowLive};
  EXPECT_EQ(FindElementAt(t.program, 100, 140), (Found{4, kNone}));
  // A line that nothing live holds does not hide the circle under it.
  tb.unitTable[4].state = kRowDeleted;
  tb.relationTable[3].state = kRowDeleted;
  EXPECT_EQ(FindElementAt(t.program, 100, 140), (Found{0, kNone}));
}

// The sample drawing: a block of twelve line units and a cylinder of two circle units (units
// 12 and 13, circles in the top view at (115, 295), radius 30) joined by relation 0, whose first
// line runs from (85, 135) to (85, 65) in the front view.
class FindAndDelete : public ::testing::Test {
 protected:
  void SetUp() override {
    const std::optional<std::string> text =
        ReadFilePrefix(TOVA_SOURCE_DIR "/samples/Tova.ini", kMaxDocumentBytes);
    ASSERT_TRUE(text);
    p.tables = *ParseDocument(*text);
    RedrawDiagram(p);
    C8_Click(p);
    t.shell.ForgetCalls();
  }
  void Move(int x, int y) { P_MouseMove(p, x, y); }
  void Delete(Answer answer) {
    t.shell.script.QueueAnswer(answer);
    CC8_Click(p);
  }

  StartedProgram t;
  Program& p = t.program;
};

TEST_F(FindAndDelete, TrackingHighlightsWithABeepAndAClickLocks) {
  const Image plain = p.P.Snapshot();
  Move(85, 100);
  EXPECT_EQ(std::tuple(p.find.foundUnit, p.find.foundRelation), std::tuple(kNone, 0));
  EXPECT_EQ(t.shell.beeps(), 1);
  EXPECT_EQ(p.P.Pixel(85, 100), ColourNumber(kFigureColour) ^ kHighlightRgb);
  Move(85, 101);  // still the relation: off and on again
  EXPECT_EQ(t.shell.beeps(), 3);
  Move(30, 30);  // empty canvas: off only
  EXPECT_EQ(t.shell.beeps(), 4);
  Move(31, 30);
  EXPECT_EQ(t.shell.beeps(), 4);
  EXPECT_EQ(p.P.Snapshot(), plain);  // no guide lines while tracking

  P_MouseDown(p, 31, 30);  // nothing to lock
  EXPECT_EQ(p.find.findLocked, 0);
  Move(145, 295);
  EXPECT_EQ(p.find.foundUnit, 12);
  P_MouseDown(p, 145, 295);
  EXPECT_EQ(p.find.findLocked, 1);
  EXPECT_EQ(t.shell.enabled(Control::C8), false);
  EXPECT_EQ(t.shell.enabled(Control::CC8), true);
  Move(20, 20);  // locked: moves are ordinary again
  EXPECT_EQ(p.find.foundUnit, 12);
  EXPECT_EQ(t.shell.text(Control::Text1), " 20");
}

TEST_F(FindAndDelete, CancelAndRefusalKeepEverything) {
  const Tables before = p.tables;
  Move(145, 295);
  P_MouseDown(p, 145, 295);
  Delete(Answer::Cancel);
  EXPECT_EQ(p.tables, before);
  EXPECT_EQ(std::tuple(p.find.findMode, p.find.findLocked, p.find.foundUnit), std::tuple(1, 0, 12));
  EXPECT_EQ(t.shell.enabled(Control::C8), true);
  EXPECT_EQ(t.shell.enabled(Control::CC8), false);

  P_MouseDown(p, 145, 295);
  t.shell.script.QueueAnswer(Answer::Ok);
  t.shell.script.QueueAnswer(Answer::Cancel);  // the refusal's own buttons change nothing
  CC8_Click(p);
  EXPECT_EQ(p.tables, before);
  ASSERT_EQ(t.shell.script.boxes().size(), 3u);
  const testing::ShownBox& refusal = t.shell.script.boxes()[2];
  EXPECT_EQ(t.shell.script.boxes()[1].text, "Are you sure to DEL this unite ?");
  EXPECT_EQ(refusal.text, "You Must DEL THE RELATION At First !");
  EXPECT_EQ(refusal.buttons, Buttons::OkCancel);
  EXPECT_EQ(refusal.icon, Icon::Exclamation);
  EXPECT_EQ(p.find.foundUnit, 12);  // still highlighted
}

TEST_F(FindAndDelete, DeletingTheRelationThenItsUnitAndReusingTheRows) {
  Move(85, 100);
  P_MouseDown(p, 85, 100);
  Delete(Answer::Ok);
  EXPECT_EQ(p.tables.relationTable[0].state, kRowDeleted);
  for (int row = 40; row < 44; ++row) EXPECT_EQ(p.tables.lineTable[row].state, kRowDeleted);
  EXPECT_EQ(std::tuple(p.find.foundUnit, p.find.foundRelation), std::tuple(kNone, kNone));
  EXPECT_EQ(p.P.Snapshot(), testing::FreshDrawing(p));

  Move(145, 295);
  P_MouseDown(p, 145, 295);
  Delete(Answer::Ok);
  const Tables& tb = p.tables;
  EXPECT_EQ(tb.unitTable[12].state, kRowDeleted);
  EXPECT_EQ(tb.circleTable[0].state, kRowDeleted);
  EXPECT_EQ(tb.lineTable[36].state, kRowDeleted);
  EXPECT_EQ(tb.lineTable[37].state, kRowDeleted);
  EXPECT_EQ(tb.circleTable[0].radius, 30);  // deleted rows keep their values
  EXPECT_EQ(p.P.Snapshot(), testing::FreshDrawing(p));
  EXPECT_EQ(std::tuple(p.canvas.markX, p.canvas.markY), std::tuple(kNone, kNone));

  // Out of find mode, a new circle unit takes the deleted rows.
  C8_Click(p);
  p.app.currentShape = kShapeCircle;
  for (auto [x, y] : {std::pair{60, 60}, {80, 60}, {300, 100}}) testing::Click(p, x, y);
  C7_Click(p);
  EXPECT_EQ(tb.unitTable[12], (UnitRecord{2000, 1036, 1037, kRowLive}));
  EXPECT_EQ(tb.circleTable[0].state, kRowLive);
}

TEST_F(FindAndDelete, TheCanvasColourEndsFindMode) {
  Move(85, 100);
  P_MouseDown(p, 85, 100);
  FindClickHandler("pgrey")->operator()(p);
  EXPECT_EQ(std::tuple(p.find.findMode, p.find.findLocked, p.find.foundUnit, p.find.foundRelation),
            std::tuple(0, 0, kNone, kNone));
  EXPECT_EQ(t.shell.enabled(Control::CC8), false);
  EXPECT_EQ(t.shell.enabled(Control::C0), true);
  testing::Click(p, 30, 40);  // drawing again
  EXPECT_EQ(p.canvas.figureStage, 1);
}

TEST(Deletion, DamagedReferencesAreSkipped) {
  StartedProgram t;
  Program& p = t.program;
  p.tables.unitTable[0] = {2050, 1400, -5, kRowLive};
  p.tables.relationTable[0] = {900, -2, 3, 4, 0, 0, 0, 0, kRowLive};
  HighlightElement(p, 0, kNone);
  HighlightElement(p, kNone, 0);
  HighlightElement(p, 500, kNone);
  EXPECT_FALSE(DeleteUnit(p, 0));
  DeleteRelation(p, 0);
  EXPECT_FALSE(DeleteUnit(p, 101));
  EXPECT_EQ(p.tables.unitTable[0].state, kRowDeleted);
  EXPECT_EQ(p.tables.lineTable[3].state, kRowDeleted);
}

}  // namespace
}  // namespace tova
