// Every table filled to its last row, by drawing and by reading a document: one more commit
// is refused without a sound and changes nothing, and the document saves, opens and saves again
// the same to the byte.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>

#include "canvas/commit.h"
#include "document/document_file.h"
#include "document/document_format.h"
#include "document/file_commands.h"
#include "support/canvas_driver.h"
#include "support/test_program.h"

namespace tova {
namespace {

using testing::ReadAll;

using testing::Click;
using testing::StartedProgram;

void LineUnit(Program& p, int i) {
  p.app.currentShape = kShapeLine;
  const int x = 10 + (i % 40) * 5, y = 10 + (i / 40) * 60;
  for (auto [cx, cy] : {std::pair{x, y}, {x + 4, y + 30}, {50, 300}, {60, 350}}) Click(p, cx, cy);
  C7_Click(p);
}

void CircleUnit(Program& p, int cx, int depth) {
  p.app.currentShape = kShapeCircle;
  for (auto [x, y] : {std::pair{cx, 60}, {cx + 20, 60}, {depth, 100}}) Click(p, x, y);
  C7_Click(p);
}

void Relation(Program& p) {  // between the circles at x 60 and 160, depths 300 and 330
  p.app.currentShape = kShapeLine;
  Click(p, 40, 300);
  Click(p, 140, 330);
  C7_Click(p);
}

// One more figure of each kind is refused: nothing changes and nothing sounds but the clicks.
void ExpectEveryMoreCommitRefused(StartedProgram& t) {
  Program& p = t.program;
  const Tables before = p.tables;
  for (void (*more)(Program&) : {+[](Program& q) { LineUnit(q, 7); },
                                 +[](Program& q) { CircleUnit(q, 100, 300); },
                                 +[](Program& q) { Relation(q); }}) {
    t.shell.ForgetCalls();
    more(p);
    EXPECT_EQ(p.tables, before);
    EXPECT_TRUE(t.shell.script.boxes().empty());
  }
}

// Saved, opened and saved again: the same bytes, and the same tables.
void ExpectSaveOpenSaveIdentical(StartedProgram& t) {
  Program& p = t.program;
  const Tables tables = p.tables;
  t.shell.script.QueuePrompt("first.KRT");
  SaveDocument(p);
  ASSERT_TRUE(LoadDocument(p, "first.KRT"));
  EXPECT_EQ(p.tables, tables);
  t.shell.script.QueuePrompt("second.KRT");
  SaveDocument(p);
  EXPECT_EQ(ReadAll("first.KRT"), ReadAll("second.KRT"));
  EXPECT_EQ(ReadAll("first.KRT"), FormatDocument(tables));
}

TEST(FullTables, LinesFilledByDrawing) {
  testing::TempWorkingFolder folder;
  StartedProgram t;
  for (int i = 0; i < 99; ++i) LineUnit(t.program, i);
  CircleUnit(t.program, 60, 300);
  CircleUnit(t.program, 160, 330);
  ASSERT_EQ(FindFreeRow(t.program.tables, kLineTable, kAllocate), kNone);
  ExpectEveryMoreCommitRefused(t);
  ExpectSaveOpenSaveIdentical(t);
}

TEST(FullTables, CirclesAndRelationsFilledByDrawing) {
  testing::TempWorkingFolder folder;
  StartedProgram t;
  CircleUnit(t.program, 60, 300);
  CircleUnit(t.program, 160, 330);
  for (int i = 0; i < 21; ++i) Relation(t.program);
  ASSERT_EQ(FindFreeRow(t.program.tables, kRelationTable, kAllocate), kNone);
  for (int i = 2; i < 21; ++i) CircleUnit(t.program, 60 + i, 300);
  ASSERT_EQ(FindFreeRow(t.program.tables, kCircleTable, kAllocate), kNone);
  ExpectEveryMoreCommitRefused(t);  // a line unit too: it needs a free circle row
  ExpectSaveOpenSaveIdentical(t);
}

TEST(FullTables, EveryTableFullFromADocument) {
  testing::TempWorkingFolder folder;
  Tables full;
  for (std::size_t i = 0; i < full.lineTable.size(); ++i) {
    full.lineTable[i] = {static_cast<int16_t>(i % 200), 20, 40, 60, 0, kRowLive};
  }
  for (CircleRecord& c : full.circleTable) c = {100, 100, 20, 0, 359, 0, kRowLive};
  for (std::size_t i = 0; i < full.unitTable.size(); ++i) {
    full.unitTable[i] = {i < 21 ? CircleRef(static_cast<int16_t>(i)) : LineRef(static_cast<int16_t>(i)),
                         LineRef(static_cast<int16_t>(i + 100)), LineRef(static_cast<int16_t>(i + 200)),
                         kRowLive};
  }
  for (RelationRecord& r : full.relationTable) r = {0, 1, 2, 3, 0, 1, 100, 101, kRowLive};
  folder.Write("full.KRT", FormatDocument(full));
  StartedProgram t;
  ASSERT_TRUE(LoadDocument(t.program, "full.KRT"));
  EXPECT_EQ(t.program.tables, full);
  ExpectEveryMoreCommitRefused(t);
  ExpectSaveOpenSaveIdentical(t);
}

}  // namespace
}  // namespace tova
