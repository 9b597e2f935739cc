#include "canvas/commit.h"

#include <array>

#include "canvas/cross_hair.h"
#include "canvas/flush.h"
#include "program/commands.h"
#include "program/line_kinds.h"
#include "program/panes.h"
#include "program/program.h"

namespace tova {
namespace {

// How many rows of the line table are free to allocate.
int FreeLineRows(const Tables& t) {
  int n = 0;
  for (const LineRecord& l : t.lineTable) n += l.state == kRowUnused || l.state == kRowDeleted;
  return n;
}

// Takes the next free line row for the figure; there must be one.
int16_t TakeLineRow(Tables& t) {
  const int16_t row = FindFreeRow(t, kLineTable, kAllocate);
  t.lineTable[static_cast<std::size_t>(row)].state = kRowLive;
  return row;
}

void CopyPending(LineRecord& to, const PendingLine& from) {
  to.x1 = from.x1;
  to.y1 = from.y1;
  to.x2 = from.x2;
  to.y2 = from.y2;
  to.lineKind = from.lineKind;
}

bool Near(const LineRecord& line, bool secondEnd, int16_t x, int16_t y) {
  return secondEnd ? Distance(line.x2, line.y2, x, y) < 3 : Distance(line.x1, line.y1, x, y) < 3;
}

// Ends the relation commit, whether it was made or refused: the segment is gone already.
void EndRelationCommit(Program& program) {
  ClearTable(program.tables, kPendingLines);
  ResetEditing(program);
}

}  // namespace

void C7_Click(Program& program) {
  switch (program.canvas.pendingCommit) {
    case kCommitUnit: CommitUnit(program); break;
    case kCommitRelation: CommitRelation(program); break;
    default: break;
  }
}

void CommitUnit(Program& program) {
  Tables& t = program.tables;
  const bool lineUnit = program.app.currentShape == kShapeLine;
  const int16_t u = FindFreeRow(t, kCircleTable, kAllocate);
  const int16_t r = FindFreeRow(t, kUnitTable, kAllocate);
  // Every row the unit needs must be free before anything is written, so that a full table
  // never leaves half a unit behind. A line unit needs a free circle row too, though it takes
  // none.
  if (u == kNone || r == kNone || FreeLineRows(t) < (lineUnit ? 3 : 2)) {
    FlushPendingFigure(program);  // erases the figure from the canvas and forgets it
    return;
  }
  UnitRecord& unit = t.unitTable[static_cast<std::size_t>(r)];
  if (lineUnit) {
    const std::array<int16_t*, 3> parts{&unit.part0, &unit.part1, &unit.part2};
    for (std::size_t j = 0; j < 3; ++j) {
      const int16_t l = TakeLineRow(t);
      CopyPending(t.lineTable[static_cast<std::size_t>(l)], t.pendingLines[j]);
      *parts[j] = LineRef(l);
    }
  } else {
    CircleRecord& circle = t.circleTable[static_cast<std::size_t>(u)];
    const PendingCircle& p = t.pendingCircle;
    circle = {p.cx, p.cy, p.radius, p.startDeg, p.endDeg, p.lineKind, kRowLive};
    unit.part0 = CircleRef(u);
    for (std::size_t j = 0; j < 2; ++j) {
      const int16_t l = TakeLineRow(t);
      CopyPending(t.lineTable[static_cast<std::size_t>(l)], t.pendingLines[j]);
      *(j == 0 ? &unit.part1 : &unit.part2) = LineRef(l);
    }
  }
  unit.state = kRowLive;
  // Painted for good: the figure drawn once more, in copy mode.
  PaintUnderCrossHair(program, [&] { FlushPendingFigure(program); });
}

std::optional<UnitLineEnd> FindUnitLineEnd(const Program& program, int16_t x, int16_t y) {
  const Tables& t = program.tables;
  for (const UnitRecord& unit : t.unitTable) {
    // Only units on the canvas: a deleted unit's lines are not there to be touched.
    if (unit.state != kRowLive || !IsCircleRef(unit.part0)) continue;
    const LineRecord* a = LineAt(t, RefRow(unit.part1));
    const LineRecord* b = LineAt(t, RefRow(unit.part2));
    if (a == nullptr || b == nullptr || CircleAt(t, RefRow(unit.part0)) == nullptr) continue;
    const int16_t c = RefRow(unit.part0), ai = RefRow(unit.part1), bi = RefRow(unit.part2);
    if (Near(*a, false, x, y) || Near(*a, true, x, y)) return UnitLineEnd{c, ai, bi};
    if (Near(*b, false, x, y) || Near(*b, true, x, y)) return UnitLineEnd{c, bi, ai};
  }
  return std::nullopt;
}

void CommitRelation(Program& program) {
  Tables& t = program.tables;
  const int16_t pane = program.canvas.firstPane;
  if (!IsPane(pane)) {
    EndRelationCommit(program);
    return;
  }
  const PendingLine s = t.pendingLines[static_cast<std::size_t>(pane)];
  program.P.Line(s.x1, s.y1, s.x2, s.y2, kFigureRgb);  // the segment itself is never stored

  const std::optional<UnitLineEnd> from = FindUnitLineEnd(program, s.x1, s.y1);
  const std::optional<UnitLineEnd> to = FindUnitLineEnd(program, s.x2, s.y2);
  const int16_t rr = FindFreeRow(t, kRelationTable, kAllocate);
  if (!from || !to || rr == kNone || from->circle == to->circle || FreeLineRows(t) < 4) {
    EndRelationCommit(program);
    return;
  }

  RelationRecord& relation = t.relationTable[static_cast<std::size_t>(rr)];
  relation.fromCircle = from->circle;
  relation.toCircle = to->circle;
  relation.fromLine = from->nearLine;
  relation.toLine = to->nearLine;
  relation.state = kRowLive;
  const std::array<int16_t*, 4> lines{&relation.line0, &relation.line1, &relation.line2,
                                      &relation.line3};
  for (int16_t* line : lines) *line = TakeLineRow(t);

  // Copies of the four ends, taken before the new rows are written.
  const LineRecord fromNear = t.lineTable[static_cast<std::size_t>(from->nearLine)];
  const LineRecord toNear = t.lineTable[static_cast<std::size_t>(to->nearLine)];
  const LineRecord fromOther = t.lineTable[static_cast<std::size_t>(from->otherLine)];
  const LineRecord toOther = t.lineTable[static_cast<std::size_t>(to->otherLine)];
  const std::array<std::array<int16_t, 4>, 4> joins{{
      {fromNear.x1, fromNear.y1, toNear.x1, toNear.y1},
      {fromNear.x2, fromNear.y2, toNear.x2, toNear.y2},
      {fromOther.x1, fromOther.y1, toOther.x1, toOther.y1},
      {fromOther.x2, fromOther.y2, toOther.x2, toOther.y2},
  }};
  PaintUnderCrossHair(program, [&] {
    for (std::size_t j = 0; j < 4; ++j) {
      LineRecord& l = t.lineTable[static_cast<std::size_t>(*lines[j])];
      // A reused row does not lend its old line kind to the relation.
      l = {joins[j][0], joins[j][1], joins[j][2], joins[j][3], kSolidLine, kRowLive};
      program.P.Line(l.x1, l.y1, l.x2, l.y2, kFigureRgb);
    }
  });
  EndRelationCommit(program);
}

}  // namespace tova
