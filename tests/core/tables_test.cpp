#include "document/tables.h"

#include <gtest/gtest.h>

namespace tova {
namespace {

template <typename Row, std::size_t N>
void SetStates(std::array<Row, N>& rows, std::initializer_list<int16_t> states) {
  std::size_t i = 0;
  for (int16_t s : states) rows[i++].state = s;
}

template <typename Row, std::size_t N>
void FillStates(std::array<Row, N>& rows, int16_t state) {
  for (Row& r : rows) r.state = state;
}

TEST(FindFreeRow, ClearedTablesGiveRowZeroInBothModes) {
  Tables t;
  for (int16_t kind = kLineTable; kind <= kRelationTable; ++kind) {
    ClearTable(t, kind);
    EXPECT_EQ(FindFreeRow(t, kind, kAllocate), 0) << "kind " << kind;
    EXPECT_EQ(FindFreeRow(t, kind, kEndOfUsedRange), 0) << "kind " << kind;
  }
}

TEST(FindFreeRow, AllocationReusesDeletedRowsWhileTheUsedRangeEndsAtTheFirstUnusedRow) {
  Tables t;
  SetStates(t.lineTable, {1, 1, kRowDeleted, 1, 1});
  EXPECT_EQ(FindFreeRow(t, kLineTable, kAllocate), 2);
  EXPECT_EQ(FindFreeRow(t, kLineTable, kEndOfUsedRange), 5);
  // Any mode other than 1 allocates.
  EXPECT_EQ(FindFreeRow(t, kLineTable, 7), 2);
  // A state other than 0, 1 and -1 is neither free nor the end.
  t.lineTable[2].state = 5;
  EXPECT_EQ(FindFreeRow(t, kLineTable, kAllocate), 5);
}

TEST(FindFreeRow, FullTables) {
  Tables t;
  FillStates(t.lineTable, kRowLive);
  FillStates(t.circleTable, kRowLive);
  FillStates(t.unitTable, kRowLive);
  FillStates(t.relationTable, kRowLive);
  for (int16_t kind = kLineTable; kind <= kRelationTable; ++kind) {
    EXPECT_EQ(FindFreeRow(t, kind, kAllocate), kNone) << "kind " << kind;
    EXPECT_EQ(FindFreeRow(t, kind, kEndOfUsedRange), kNone) << "kind " << kind;
  }
  // Used to the end, with deleted rows: allocation finds the first deleted row only.
  t.unitTable[40].state = kRowDeleted;
  t.unitTable[100].state = kRowDeleted;
  EXPECT_EQ(FindFreeRow(t, kUnitTable, kAllocate), 40);
  EXPECT_EQ(FindFreeRow(t, kUnitTable, kEndOfUsedRange), kNone);
  // The very last row is found.
  t.circleTable[20].state = kRowUnused;
  EXPECT_EQ(FindFreeRow(t, kCircleTable, kAllocate), 20);
  EXPECT_EQ(FindFreeRow(t, kCircleTable, kEndOfUsedRange), 20);
}

TEST(FindFreeRow, KindsWithoutStatesFindNothing) {
  Tables t;
  for (int16_t kind : {int16_t{kPendingLines}, int16_t{kPendingCircle}, int16_t{6}, int16_t{-1}}) {
    EXPECT_EQ(FindFreeRow(t, kind, kAllocate), kNone) << "kind " << kind;
  }
}

TEST(ClearTable, ClearsOnlyTheNamedTable) {
  Tables t;
  t.lineTable[300] = {1, 2, 3, 4, 1, 1};
  t.circleTable[20].radius = 9;
  t.pendingLines[2] = {1, 2, 3, 4, 2};
  t.pendingCircle = {1, 2, 3, 4, 5, 6};

  ClearTable(t, kPendingCircle);
  EXPECT_EQ(t.pendingCircle.lineKind, 0);
  EXPECT_EQ(t.pendingCircle.cx, 0);
  EXPECT_EQ(t.pendingLines[2].lineKind, 2);
  EXPECT_EQ(t.lineTable[300].x1, 1);

  ClearTable(t, kPendingLines);
  EXPECT_EQ(t.pendingLines[2].y2, 0);
  EXPECT_EQ(t.lineTable[300].state, 1);
  EXPECT_EQ(t.circleTable[20].radius, 9);

  ClearTable(t, kLineTable);
  EXPECT_EQ(t.lineTable[300].x2, 0);
  EXPECT_EQ(t.circleTable[20].radius, 9);

  ClearTable(t, 9);  // not a kind: nothing happens
  EXPECT_EQ(t.circleTable[20].radius, 9);
}

TEST(References, EncodeDecodeAndLookUpAtTheEndsOfTheTables) {
  EXPECT_EQ(LineRef(300), 1300);
  EXPECT_EQ(CircleRef(20), 2020);
  EXPECT_FALSE(IsCircleRef(1300));
  EXPECT_EQ(RefRow(1300), 300);
  EXPECT_TRUE(IsCircleRef(2020));
  EXPECT_EQ(RefRow(2020), 20);
  EXPECT_FALSE(IsCircleRef(1500));
  EXPECT_TRUE(IsCircleRef(1501));
  // Looking rows up refuses indices outside the table: references are not trusted.
  Tables t;
  EXPECT_EQ(LineAt(t, 300), &t.lineTable[300]);
  EXPECT_EQ(LineAt(t, 301), nullptr);
  EXPECT_EQ(LineAt(t, -1), nullptr);
  EXPECT_EQ(CircleAt(t, 21), nullptr);
  EXPECT_EQ(CircleAt(t, 1003 - kCircleRefBase), nullptr);  // a line reference read as a circle
}

}  // namespace
}  // namespace tova

