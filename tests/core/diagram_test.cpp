// The stored drawing on the canvas: painting it, finding a unit or relation under the pointer,
// and deleting it.
#include <gtest/gtest.h>

#include "app/canvas_input.h"
#include "app/input.h"
#include "canvas/commit.h"
#include "diagram/deletion.h"
#include "diagram/find_mode.h"
#include "diagram/rendering.h"
#include "document/document_format.h"
#include "program/line_kinds.h"
#include "support/test_program.h"

namespace tova {
namespace {

using testing::StartedProgram;

TEST(Diagram, LiveRowsArePaintedOverTheCanvasWithTheirPensAndTheCanvasRestsInXor) {
  StartedProgram t;
  Tables& tables = t.program.tables;
  tables.lineTable[0] = {10, 10, 100, 10, kSolidLine, kRowLive};
  tables.lineTable[1] = {10, 30, 100, 30, kThickLine, kRowLive};
  tables.lineTable[2] = {10, 50, 100, 50, kDottedLine, kRowLive};
  tables.lineTable[3] = {10, 70, 100, 70, 0, kRowDeleted};
  tables.lineTable[4] = {10, 90, 100, 90, 3, kRowLive};  // an unknown kind: the resting pen
  tables.lineTable[300] = {10, 110, 100, 110, 0, kRowLive};  // after never-used rows: still drawn
  tables.circleTable[0] = {300, 100, 40, 0, 359, kThickLine, kRowLive};
  tables.circleTable[1] = {300, 300, 40, 0, 359, 0, kRowDeleted};
  tables.circleTable[2] = {100, 300, 30, 10, 359, kDottedLine, kRowLive};  // only 0 to 359 is full
  tables.circleTable[20] = {350, 300, 30, 0, 358, kSolidLine, kRowLive};
  RedrawDiagram(t.program);  // in copy mode: green on white, not combined with it
  const Rgb green = 0x008000;
  Surface expected(kCanvasWidth, kCanvasHeight, kWindowColour, 0, kCopyPen);
  for (int y : {10, 90, 110}) expected.Line(10, y, 100, y, green);
  expected.SetDrawStyle(PenStyle::Dotted);
  expected.Line(10, 50, 100, 50, green);
  expected.Arc(100, 300, 30, float(10 * 3.14159 / 180), float(359 * 3.14159 / 180), green);
  expected.SetDrawStyle(PenStyle::Solid);
  expected.Arc(350, 300, 30, 0, float(358 * 3.14159 / 180), green);
  expected.SetDrawWidth(2);
  expected.Line(10, 30, 100, 30, green);
  expected.Circle(300, 100, 40, green);
  EXPECT_EQ(t.program.P.Snapshot(), expected.Snapshot());
  const Surface& P = t.program.P;  // the canvas rests in XOR with the thin solid pen
  EXPECT_EQ(std::tuple(P.DrawMode(), P.DrawStyle(), P.DrawWidth()), std::tuple(kXorPen, PenStyle::Solid, 1));
}

TEST(Diagram, StraightAndSlantedLinesAndCirclesAreFoundNearThePointerAndDamageIsSkipped) {
  StartedProgram t;
  Tables& tb = t.program.tables;
  tb.lineTable[0] = {0, 10, 100, 110, 0, kRowLive};
  tb.lineTable[1] = {10, 150, 110, 150, 0, kRowLive};
  tb.lineTable[2] = {200, 10, 200, 110, 0, kRowLive};
  tb.unitTable[0] = {1000, 1001, 1002, kRowLive};
  tb.circleTable[0] = {300, 300, 40, 30, 60, 0, kRowLive};  // an arc, found as a full circle
  tb.unitTable[1] = {2000, 1001, 1002, kRowLive};
  const struct { int16_t x, y, unit; } cases[] = {
      {50, 60, 0}, {50, 61, 0}, {50, 70, -1}, {101, 111, -1}, {10, 150, 0}, {12, 150, 0}, {110, 150, 0},
      {9, 150, -1}, {12, 151, -1}, {111, 150, -1}, {200, 10, 0}, {200, 110, 0}, {201, 60, -1}, {200, 111, -1},
      {300, 338, 1}, {300, 342, 1}, {300, 343, -1}, {300, 263, -1}};
  for (const auto& c : cases) EXPECT_EQ(FindElementAt(t.program, c.x, c.y).unit, c.unit) << c.x << "," << c.y;
  // A unit's line before a relation's, and a relation's before a circle.
  tb.lineTable[5] = {260, 340, 340, 340, 0, kRowLive};
  tb.relationTable[3] = {6, 7, 5, 8, 0, 1, 1, 2, kRowLive};
  EXPECT_EQ(FindElementAt(t.program, 300, 340), (Found{kNone, 3}));
  tb.unitTable[4] = {1005, 1008, 1009, kRowLive};
  EXPECT_EQ(FindElementAt(t.program, 300, 340), (Found{4, kNone}));
  // Damaged references are skipped.
  Program& p = t.program;
  p.tables.unitTable[0] = {2050, 1400, -5, kRowLive};
  p.tables.relationTable[0] = {900, -2, 3, 4, 0, 0, 0, 0, kRowLive};
  HighlightElement(p, 0, kNone), HighlightElement(p, kNone, 0), HighlightElement(p, 500, kNone);
  EXPECT_FALSE(DeleteUnit(p, 0));
  DeleteRelation(p, 0);
  EXPECT_FALSE(DeleteUnit(p, 101));
  EXPECT_EQ(std::pair(p.tables.unitTable[0].state, p.tables.lineTable[3].state), std::pair(kNone, kNone));
  DrawLineRow(p, 301), DrawCircleRow(p, -1);
}

// The sample drawing: a block of twelve line units and a cylinder of two circle units (units 12
// and 13, circles in the top view at (115, 295), radius 30) joined by relation 0, whose first
// line runs from (85, 135) to (85, 65) in the front view.
TEST(Diagram, FindModeHighlightsLocksAndDeletesOrRefuses) {
  StartedProgram t;
  Program& p = t.program;
  p.tables = *ParseDocument(testing::ReadAll(TOVA_SOURCE_DIR "/samples/Tova.ini"));
  p.tables.circleTable[0].lineKind = kThickLine;  // highlighted with its own pen, 2 pixels wide
  RedrawDiagram(p);
  const Image plain = p.P.Snapshot();
  C8_Click(p);
  t.shell.ForgetCalls();
  const auto del = [&](std::initializer_list<Answer> answers) {
    for (Answer a : answers) t.shell.script.QueueAnswer(a);
    CC8_Click(p);
  };
  P_MouseMove(p, 85, 100);
  EXPECT_EQ(std::tuple(p.find.foundUnit, p.find.foundRelation, t.shell.beeps()), std::tuple(kNone, 0, 1));
  EXPECT_EQ(p.P.Pixel(85, 100), ColourNumber(kFigureColour) ^ kHighlightRgb);
  P_MouseMove(p, 85, 101);  // still the relation: off and on again
  P_MouseMove(p, 30, 30);   // empty canvas: off only
  P_MouseMove(p, 31, 30);
  EXPECT_EQ(std::tuple(t.shell.beeps(), p.P.Snapshot() == plain), std::tuple(4, true));  // no guide lines
  P_MouseDown(p, 31, 30);  // nothing to lock
  testing::Click(p, 145, 295);
  EXPECT_EQ(std::tuple(p.find.foundUnit, p.find.findLocked, p.P.Pixel(146, 295)),
            std::tuple(12, 1, ColourNumber(kFigureColour) ^ kHighlightRgb));
  EXPECT_EQ(std::pair(*t.shell.enabled(Control::C8), *t.shell.enabled(Control::CC8)), std::pair(false, true));
  P_MouseMove(p, 20, 20);  // locked: moves are ordinary again
  EXPECT_EQ(std::tuple(p.find.foundUnit, t.shell.text(Control::Text1)), std::tuple(12, std::string(" 20")));
  const Tables before = p.tables;
  del({Answer::Cancel});
  EXPECT_EQ(std::tuple(p.find.findMode, p.find.findLocked, p.find.foundUnit), std::tuple(1, 0, 12));
  P_MouseDown(p, 145, 295);
  del({Answer::Ok, Answer::Cancel});  // the refusal's own buttons change nothing; still highlighted
  EXPECT_EQ(std::pair(p.tables == before, p.find.foundUnit), std::pair(true, int16_t{12}));
  const auto& boxes = t.shell.script.boxes;
  ASSERT_EQ(boxes.size(), 3u);
  EXPECT_EQ(boxes[1].text, "Are you sure to DEL this unite ?");
  EXPECT_EQ(std::tuple(boxes[2].text, boxes[2].buttons, boxes[2].icon),
            std::tuple(std::string("You Must DEL THE RELATION At First !"), Buttons::OkCancel,
                       Icon::Exclamation));
  testing::Click(p, 85, 100);
  del({Answer::Ok});
  EXPECT_EQ(p.tables.relationTable[0].state, kRowDeleted);
  for (int row = 40; row < 44; ++row) EXPECT_EQ(p.tables.lineTable[row].state, kRowDeleted);
  testing::Click(p, 145, 295);
  del({Answer::Ok});
  const Tables& tb = p.tables;
  EXPECT_EQ(std::tuple(tb.unitTable[12].state, tb.circleTable[0].state, tb.lineTable[36].state, tb.lineTable[37].state),
            std::tuple(kRowDeleted, kRowDeleted, kRowDeleted, kRowDeleted));
  EXPECT_EQ(tb.circleTable[0].radius, 30);  // deleted rows keep their values
  EXPECT_EQ(p.P.Snapshot(), testing::FreshDrawing(p));
  EXPECT_EQ(std::tuple(p.find.foundUnit, p.find.foundRelation, p.canvas.markX), std::tuple(-1, -1, -1));
  // A canvas colour ends find mode; a new circle unit then takes the deleted rows.
  testing::Click(p, 175, 195);
  HandleInput(p, {InputKind::Click, "pgrey"});
  EXPECT_EQ(std::tuple(p.find.findMode, p.find.findLocked, *t.shell.enabled(Control::CC8)),
            std::tuple(0, 0, false));
  p.app.currentShape = kShapeCircle;
  testing::Clicks(p, {{60, 60}, {80, 60}, {300, 100}});
  C7_Click(p);
  EXPECT_EQ(tb.unitTable[12], (UnitRecord{2000, 1036, 1037, kRowLive}));
}

}  // namespace
}  // namespace tova
