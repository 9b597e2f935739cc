#include "diagram/find_mode.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>

#include "program/commands.h"
#include "program/line_kinds.h"
#include "program/panes.h"
#include "program/program.h"

namespace tova {
namespace {

bool Between(int v, int a, int b) { return v >= std::min(a, b) && v <= std::max(a, b); }

// Whether (x, y) lies on the segment. A horizontal or vertical segment is hit on its own line
// within its extent; a slanted one where the point's positions along x and along y agree.
bool OnSegment(const LineRecord& l, int16_t x, int16_t y) {
  if (!Between(x, l.x1, l.x2)) return false;
  const int dx = l.x2 - l.x1, dy = l.y2 - l.y1;
  if (dy == 0) return y == l.y1;
  if (dx == 0) return x == l.x1 && Between(y, l.y1, l.y2);
  const double t = std::fabs(double(x - l.x1) / dx - double(y - l.y1) / dy);
  return t < 0.09;
}

void HighlightLine(Program& program, int row) {
  const LineRecord* l = LineAt(program.tables, row);
  if (l == nullptr) return;  // a damaged reference
  SelectLinePen(program.P, l->lineKind);
  program.P.Line(l->x1, l->y1, l->x2, l->y2, kHighlightRgb);
}

}  // namespace

void C8_Click(Program& program) {
  FindVars& f = program.find;
  f.findMode = static_cast<int16_t>(1 - f.findMode);
  if (f.findMode == 1) {
    SetBusyCommands(program);
    program.shell.Enable(Control::C8, true);
    program.shell.Enable(Control::CC8, false);
  } else {
    SetReadyCommands(program);
  }
}

Found HitTestLines(const Program& program, int16_t x, int16_t y) {
  const Tables& t = program.tables;
  int line = -1;
  for (std::size_t i = 0; i < t.lineTable.size() && line < 0; ++i) {
    const LineRecord& l = t.lineTable[i];
    if (l.state == kRowLive && OnSegment(l, x, y)) line = static_cast<int>(i);
  }
  if (line < 0) return {};
  const int16_t ref = LineRef(static_cast<int16_t>(line));
  for (std::size_t j = 0; j < t.unitTable.size(); ++j) {
    const UnitRecord& u = t.unitTable[j];
    if (u.state == kRowLive && (u.part0 == ref || u.part1 == ref || u.part2 == ref)) {
      return {static_cast<int16_t>(j), kNone};
    }
  }
  for (std::size_t j = 0; j < t.relationTable.size(); ++j) {
    const RelationRecord& r = t.relationTable[j];
    if (r.state == kRowLive &&
        (r.line0 == line || r.line1 == line || r.line2 == line || r.line3 == line)) {
      return {kNone, static_cast<int16_t>(j)};
    }
  }
  return {};
}

Found HitTestCircles(const Program& program, int16_t x, int16_t y) {
  const Tables& t = program.tables;
  for (std::size_t i = 0; i < t.circleTable.size(); ++i) {
    const CircleRecord& c = t.circleTable[i];
    if (c.state != kRowLive || std::abs(Distance(x, y, c.cx, c.cy) - c.radius) > 2) continue;
    // The first circle hit decides, whether or not a unit holds it.
    const int16_t ref = CircleRef(static_cast<int16_t>(i));
    for (std::size_t j = 0; j < t.unitTable.size(); ++j) {
      if (t.unitTable[j].state == kRowLive && t.unitTable[j].part0 == ref) {
        return {static_cast<int16_t>(j), kNone};
      }
    }
    return {};
  }
  return {};
}

Found FindElementAt(const Program& program, int16_t x, int16_t y) {
  const Found onLine = HitTestLines(program, x, y);
  return onLine == Found{} ? HitTestCircles(program, x, y) : onLine;
}

void HighlightElement(Program& program, int16_t unit, int16_t relation) {
  const Tables& t = program.tables;
  if (unit != kNone) {
    program.shell.Beep();
    if (const UnitRecord* u = UnitAt(t, unit)) {
      if (IsCircleRef(u->part0)) {
        if (const CircleRecord* c = CircleAt(t, RefRow(u->part0))) {
          SelectLinePen(program.P, c->lineKind);
          DrawCircleOrArc(program.P, c->cx, c->cy, c->radius, c->startDeg, c->endDeg,
                          kHighlightRgb);
        }
      } else {
        HighlightLine(program, RefRow(u->part0));
      }
      HighlightLine(program, RefRow(u->part1));
      HighlightLine(program, RefRow(u->part2));
    }
  } else if (relation != kNone) {
    program.shell.Beep();
    if (const RelationRecord* r = RelationAt(t, relation)) {
      for (int16_t line : {r->line0, r->line1, r->line2, r->line3}) HighlightLine(program, line);
    }
  }
  SelectLinePen(program.P, kSolidLine);
}

void TrackFind(Program& program, int16_t x, int16_t y) {
  FindVars& f = program.find;
  const Found now = FindElementAt(program, x, y);
  HighlightElement(program, f.foundUnit, f.foundRelation);
  HighlightElement(program, now.unit, now.relation);
  f.foundUnit = now.unit;
  f.foundRelation = now.relation;
}

}  // namespace tova
