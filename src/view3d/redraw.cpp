#include "view3d/redraw.h"

#include "app/program.h"
#include "platform/int16.h"

namespace tova {
void DrawEdge3D(Program& program, ModelPoint from, ModelPoint to) {
  const ScreenPoint a = ProjectPoint(program, from);
  const ScreenPoint b = ProjectPoint(program, to);
  const int16_t px = program.view.panX, py = program.view.panY;
  program.D.Line(Clamp16(a.x + px), Clamp16(a.y + py), Clamp16(b.x + px), Clamp16(b.y + py));
}

void DrawLineUnit(Program& program, int16_t unit) {
  const Tables& t = program.tables;
  const UnitRecord* u = UnitAt(t, unit);
  if (u == nullptr) return;
  // Its front-view segment gives X and Z, its top-view segment Y.
  const LineRecord* front = LineAt(t, RefRow(u->part0));
  const LineRecord* top = LineAt(t, RefRow(u->part1));
  if (front == nullptr || top == nullptr) return;  // a damaged reference
  DrawEdge3D(program,
             {Clamp16(215 - front->x1), Clamp16(top->y1 - 215), Clamp16(215 - front->y1)},
             {Clamp16(215 - front->x2), Clamp16(top->y2 - 215), Clamp16(215 - front->y2)});
}

void DrawCircleUnit(Program& program, int16_t unit) {
  const Tables& t = program.tables;
  const UnitRecord* u = UnitAt(t, unit);
  if (u == nullptr) return;
  const CircleRecord* k = CircleAt(t, RefRow(u->part0));
  const LineRecord* m = LineAt(t, RefRow(u->part1));
  if (k == nullptr || m == nullptr) return;
  const int start = k->startDeg;
  const int end = k->endDeg < start ? k->endDeg + 360 : k->endDeg;
  int previous = start;
  for (int t15 = 0; t15 <= 720; t15 += 15) {
    const bool last = t15 > end;
    const int angle = last ? end : t15;
    if (start <= angle && angle <= end) {
      DrawEdge3D(program, CirclePoint3D(*k, *m, previous), CirclePoint3D(*k, *m, angle));
      previous = angle;
    }
    if (last) break;
  }
}

void DrawRelationSurface(Program& program, int16_t relation) {
  const Tables& t = program.tables;
  const RelationRecord* r = RelationAt(t, relation);
  if (r == nullptr) return;
  const CircleRecord* k1 = CircleAt(t, r->fromCircle);
  const CircleRecord* k2 = CircleAt(t, r->toCircle);
  const LineRecord* m1 = LineAt(t, r->fromLine);
  const LineRecord* m2 = LineAt(t, r->toLine);
  if (k1 == nullptr || k2 == nullptr || m1 == nullptr || m2 == nullptr) return;
  int s1 = k1->startDeg, e1 = k1->endDeg, s2 = k2->startDeg, e2 = k2->endDeg;
  if (s1 > e1) e1 += 360;
  if (s2 > e2) e2 += 360;
  // The second pass moves one arc a turn on, to catch an overlap that lies across 360.
  for (int pass = 0; pass < 2; ++pass) {
    if (pass == 1) {
      if (s1 >= s2) {
        s2 += 360;
        e2 += 360;
      } else {
        s1 += 360;
        e1 += 360;
      }
    }
    for (int a = 0; a <= 720; a += 30) {
      if (s1 <= a && a <= e1 && s2 <= a && a <= e2) {
        DrawEdge3D(program, CirclePoint3D(*k1, *m1, a), CirclePoint3D(*k2, *m2, a));
      }
    }
  }
}

void RedrawView(Program& program) {
  Shell& shell = program.shell;
  if (shell.Value(Control::Check2) == 0) return;  // "PLAY" clear
  if (shell.Value(Control::Check1) == 1) program.D.Clear();
  if (shell.Value(Control::Check3) == 1) {
    int16_t& cycle = program.view.penCycle;
    cycle = static_cast<int16_t>(cycle + 1 > 15 ? 0 : cycle + 1);
    program.D.SetForeColour(ColourNumber(cycle));
  }
  BuildViewMatrix(program);
  for (int16_t i = 0; i < kUnitRows; ++i) {
    const UnitRecord& u = program.tables.unitTable[static_cast<std::size_t>(i)];
    if (u.state != kRowLive) continue;
    if (u.part0 < kRefDivide) {
      DrawLineUnit(program, i);
    } else {
      DrawCircleUnit(program, i);
    }
  }
  for (int16_t i = 0; i < kRelationRows; ++i) {
    if (program.tables.relationTable[static_cast<std::size_t>(i)].state == kRowLive) {
      DrawRelationSurface(program, i);
    }
  }
}

}  // namespace tova
