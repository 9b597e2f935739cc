#include "view3d/model.h"

#include "document/tables.h"
#include "platform/int16.h"

namespace tova {

void LineUnitEdges(const Tables& t, int16_t unit, const EdgeSink& sink) {
  const UnitRecord* u = UnitAt(t, unit);
  if (u == nullptr) return;
  // Its front-view segment gives X and Z, its top-view segment Y.
  const LineRecord* front = LineAt(t, RefRow(u->part0));
  const LineRecord* top = LineAt(t, RefRow(u->part1));
  if (front == nullptr || top == nullptr) return;  // a damaged reference
  sink({Clamp16(215 - front->x1), Clamp16(top->y1 - 215), Clamp16(215 - front->y1)},
       {Clamp16(215 - front->x2), Clamp16(top->y2 - 215), Clamp16(215 - front->y2)});
}

void CircleUnitEdges(const Tables& t, int16_t unit, const EdgeSink& sink) {
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
      sink(CirclePoint3D(*k, *m, previous), CirclePoint3D(*k, *m, angle));
      previous = angle;
    }
    if (last) break;
  }
}

void RelationEdges(const Tables& t, int16_t relation, const EdgeSink& sink) {
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
        sink(CirclePoint3D(*k1, *m1, a), CirclePoint3D(*k2, *m2, a));
      }
    }
  }
}

void UnitEdges(const Tables& t, int16_t unit, const EdgeSink& sink) {
  const UnitRecord* u = UnitAt(t, unit);
  if (u == nullptr) return;
  if (u->part0 < kRefDivide) {
    LineUnitEdges(t, unit, sink);
  } else {
    CircleUnitEdges(t, unit, sink);
  }
}

void ModelEdges(const Tables& t, const EdgeSink& sink) {
  for (int16_t i = 0; i < kUnitRows; ++i) {
    if (t.unitTable[static_cast<std::size_t>(i)].state == kRowLive) UnitEdges(t, i, sink);
  }
  for (int16_t i = 0; i < kRelationRows; ++i) {
    if (t.relationTable[static_cast<std::size_t>(i)].state == kRowLive) RelationEdges(t, i, sink);
  }
}

}  // namespace tova
