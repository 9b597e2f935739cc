// Drawings checked against a key: what matches whatever the order, direction and deleted rows,
// and what is missing, extra or of another line kind.
#include <gtest/gtest.h>

#include <functional>
#include <random>

#include "check/comparison.h"
#include "check/difference_words.h"
#include "document/document_format.h"
#include "program/line_kinds.h"
#include "program/panes.h"
#include "support/test_program.h"

namespace tova {
namespace {

// The rows of `from` in `to`, shuffled, with deleted copies between them where there is room;
// where each used row of `from` went.
template <typename Row, std::size_t N>
std::vector<int16_t> Scatter(const std::array<Row, N>& from, std::array<Row, N>& to, std::mt19937& rng) {
  std::vector<int16_t> used, where(N, kNone);
  for (std::size_t i = 0; i < N; ++i) {
    if (from[i].state != kRowUnused) used.push_back(static_cast<int16_t>(i));
  }
  std::shuffle(used.begin(), used.end(), rng);
  std::size_t next = 0;
  for (std::size_t k = 0; k < used.size(); ++k) {
    if (rng() % 2 && N - next > used.size() - k) (to[next++] = from[used[k]]).state = kRowDeleted;
    to[where[used[k]] = static_cast<int16_t>(next++)] = from[used[k]];
  }
  return where;
}

// The same drawing written anew: every table shuffled, deleted rows between, every line the other
// way round, and every relation from its other end.
Tables Rewritten(const Tables& t, unsigned seed) {
  std::mt19937 rng(seed);
  Tables n;
  const std::vector<int16_t> line = Scatter(t.lineTable, n.lineTable, rng);
  const std::vector<int16_t> circle = Scatter(t.circleTable, n.circleTable, rng);
  Scatter(t.unitTable, n.unitTable, rng);
  Scatter(t.relationTable, n.relationTable, rng);
  for (LineRecord& m : n.lineTable) std::swap(m.x1, m.x2), std::swap(m.y1, m.y2);
  const auto ref = [&](int16_t r) { return IsCircleRef(r) ? CircleRef(circle[RefRow(r)]) : LineRef(line[RefRow(r)]); };
  for (UnitRecord& u : n.unitTable) {
    if (u.state == kRowLive) u = {ref(u.part0), ref(u.part1), ref(u.part2), kRowLive};
  }
  for (RelationRecord& r : n.relationTable) {
    if (r.state != kRowLive) continue;
    r = {line[r.line0], line[r.line1], line[r.line2], line[r.line3], circle[r.toCircle], circle[r.fromCircle],
         line[r.toLine], line[r.fromLine], kRowLive};
  }
  return n;
}

// The whole object moved along the model's axes: `a` along x of the front and top views, `b` along
// y of the top view and x of the side view, `c` along y of the front and side views.
void MoveObject(Tables& t, int a, int b, int c) {
  const auto move = [&](int16_t pane, int16_t& x, int16_t& y) {
    x = static_cast<int16_t>(x + (pane == 2 ? b : a)), y = static_cast<int16_t>(y + (pane == 1 ? b : c));
  };
  for (LineRecord& m : t.lineTable) {
    const int16_t pane = PaneAt(m.x1, m.y1);
    move(pane, m.x1, m.y1), move(pane, m.x2, m.y2);
  }
  for (CircleRecord& k : t.circleTable) move(PaneAt(k.cx, k.cy), k.cx, k.cy);
}

int16_t AddLine(Tables& t, LineRecord m) {
  const int16_t row = FindFreeRow(t, kLineTable, kAllocate);
  m.state = kRowLive;
  t.lineTable[row] = m;
  return row;
}
void AddUnit(Tables& t, int16_t part0, LineRecord l1, LineRecord l2) {
  t.unitTable[FindFreeRow(t, kUnitTable, kAllocate)] = {part0, LineRef(AddLine(t, l1)), LineRef(AddLine(t, l2)), kRowLive};
}
void AddCircleUnit(Tables& t, CircleRecord k, LineRecord l1, LineRecord l2) {
  const int16_t row = FindFreeRow(t, kCircleTable, kAllocate);
  k.state = kRowLive;
  t.circleTable[row] = k;
  AddUnit(t, CircleRef(row), l1, l2);
}

// Unit `u` drawn again as pieces, each from one fraction of its way to another, in every view.
void InPieces(Tables& t, int u, std::initializer_list<std::pair<double, double>> pieces) {
  const UnitRecord unit = t.unitTable[u];
  t.unitTable[u].state = kRowDeleted;
  const auto at = [](double f, int16_t p, int16_t q) { return static_cast<int16_t>(std::lround(p + f * (q - p))); };
  for (const auto& [a, b] : pieces) {
    std::array<LineRecord, 3> l;
    for (const int v : {0, 1, 2}) {
      const LineRecord& m = t.lineTable[RefRow(std::array{unit.part0, unit.part1, unit.part2}[v])];
      l[v] = {at(a, m.x1, m.x2), at(a, m.y1, m.y2), at(b, m.x1, m.x2), at(b, m.y1, m.y2)};
    }
    AddUnit(t, LineRef(AddLine(t, l[0])), l[1], l[2]);
  }
}

// The sample drawing (line units, two circle units in one place at two depths, a relation
// between them) and an arc in the front view that all but closes, its side view on the fold.
Tables Key() {
  Tables t = ParseDocument(testing::ReadAll(TOVA_SOURCE_DIR "/samples/Tova.ini")).value();
  AddCircleUnit(t, {60, 60, 40, 30, 29}, {20, 300, 100, 300}, {216, 20, 216, 100});
  return t;
}
constexpr int kArcCircle = 2, kArcSideLine = 47;
constexpr int kKeyElements = 16;  // 14 units of the sample, its relation, the arc

TEST(Check, DifferencesAreCountedWhateverTheOrderDirectionAndDeletedRows) {
  struct Case {
    const char* name;
    std::function<void(Tables&)> change;
    CheckOptions options;
    int missing, extra, wrong, score, size = 0;  // size: wrong sizes
  };
  const Case kCases[] = {
      {"the same", [](Tables&) {}, {}, 0, 0, 0, 100},
      {"rewritten", [](Tables& t) { t = Rewritten(t, 7); }, {}, 0, 0, 0, 100},
      {"rewritten again", [](Tables& t) { t = Rewritten(t, 8); }, {.tolerance = 0}, 0, 0, 0, 100},
      {"a unit left out", [](Tables& t) { t.unitTable[3].state = kRowDeleted; }, {}, 1, 0, 0, 93},
      {"a unit added", [](Tables& t) { AddUnit(t, LineRef(AddLine(t, {9, 9, 99, 9})), {9, 309, 99, 309}, {300, 9, 300, 9}); },
       {}, 0, 1, 0, 94},
      {"a line 2 px off", [](Tables& t) { t.lineTable[0].x1 += 2; }, {}, 0, 0, 0, 100},
      {"a line 3 px off", [](Tables& t) { t.lineTable[0].x1 += 3; }, {}, 1, 1, 0, 88},
      {"a line 3 px off, tolerance 3", [](Tables& t) { t.lineTable[0].x1 += 3; }, {.tolerance = 3}, 0, 0, 0, 100},
      {"a line 1 px off, tolerance 0", [](Tables& t) { t.lineTable[0].y2 -= 1; }, {.tolerance = 0}, 1, 1, 0, 88},
      {"a line kind", [](Tables& t) { t.lineTable[4].lineKind = kDottedLine; }, {}, 0, 0, 1, 96},
      {"two line kinds", [](Tables& t) { t.lineTable[4].lineKind = t.lineTable[9].lineKind = kDottedLine; }, {}, 0, 0, 2, 93},
      {"a circle kind", [](Tables& t) { t.circleTable[1].lineKind = kThickLine; }, {}, 0, 0, 1, 96},
      {"a relation line's kind", [](Tables& t) { t.lineTable[t.relationTable[0].line2].lineKind = 1; }, {}, 0, 0, 0, 100},
      {"a relation left out", [](Tables& t) { t.relationTable[0].state = kRowDeleted; }, {}, 1, 0, 0, 93},
      // A circle of the relation in its place but of another size: one mistake, the relation none.
      {"a circle 3 px larger", [](Tables& t) { t.circleTable[0].radius += 3; }, {}, 0, 0, 0, 96, 1},
      {"an arc 1 degree shorter", [](Tables& t) { --t.circleTable[kArcCircle].endDeg; }, {}, 0, 0, 0, 100},
      {"an arc 5 degrees shorter", [](Tables& t) { t.circleTable[kArcCircle].endDeg -= 5; }, {}, 0, 0, 0, 96, 1},
      // Its ends 1 degree apart either way: the short way round is another arc.
      {"an arc the other way round", [](Tables& t) { std::swap(t.circleTable[kArcCircle].startDeg, t.circleTable[kArcCircle].endDeg); },
       {}, 0, 0, 0, 96, 1},
      {"a line 1 px across the fold", [](Tables& t) { t.lineTable[kArcSideLine].x1 = t.lineTable[kArcSideLine].x2 = 215; },
       {}, 0, 0, 0, 100},
      {"an arc made whole", [](Tables& t) { t.circleTable[kArcCircle].startDeg = 0, t.circleTable[kArcCircle].endDeg = 359; },
       {}, 0, 0, 0, 96, 1},
      // An edge in pieces is that edge, unless they leave a gap (tests/fixtures/class has the rest).
      {"an edge in 2 pieces", [](Tables& t) { InPieces(t, 3, {{0, 0.5}, {0.5, 1}}); }, {}, 0, 0, 0, 100},
      {"an edge in 2 pieces with a gap", [](Tables& t) { InPieces(t, 3, {{0, 0.3}, {0.6, 1}}); }, {}, 1, 0, 0, 93},
      {"a relation joining other circles", [](Tables& t) { t.relationTable[0].toCircle = kArcCircle; }, {}, 1, 1, 0, 88},
      {"two units left out", [](Tables& t) { t.unitTable[3].state = t.unitTable[4].state = kRowDeleted; }, {}, 2, 0, 0, 87},
      {"an edge in 2 pieces, one dotted", [](Tables& t) { InPieces(t, 3, {{0, 0.5}, {0.5, 1}}), t.lineTable[t.unitTable[
           FindFreeRow(t, kUnitTable, kAllocate) - 1].part1 - 1000].lineKind = kDottedLine; }, {}, 0, 0, 1, 96},
      {"the object moved", [](Tables& t) { MoveObject(t, -5, 7, 3); }, {}, kKeyElements, kKeyElements, 0, 0},
      {"the object moved, anywhere", [](Tables& t) { MoveObject(t, -5, 7, 3); }, {.anywhere = true}, 0, 0, 0, 100},
      {"moved and rewritten, anywhere", [](Tables& t) { MoveObject(t, 9, 4, -6), t = Rewritten(t, 9); },
       {.anywhere = true}, 0, 0, 0, 100},
      {"moved, a line kind, anywhere", [](Tables& t) { MoveObject(t, 4, 4, 4), t.lineTable[4].lineKind = 1; },
       {.anywhere = true}, 0, 0, 1, 96},
      {"nothing drawn", [](Tables& t) { t = Tables{}; }, {.anywhere = true}, kKeyElements, 0, 0, 0},
  };
  const Tables key = Key();
  for (const Case& c : kCases) {
    Tables drawing = key;
    c.change(drawing);
    const CheckResult r = CheckDrawing(key, drawing, c.options);
    EXPECT_EQ(std::tuple(r.missing.size(), r.extra.size(), r.wrongKind.size(), r.score, r.wrongSize.size()),
              std::tuple(c.missing, c.extra, c.wrong, c.score, c.size)) << c.name;
  }
}

TEST(Check, WhatDiffersIsNamedWhereTheKeyAndTheDrawingHaveIt) {
  const Tables key = Key();
  Tables drawing = key;
  drawing.lineTable[4].lineKind = kDottedLine;  // the top view's line of unit 1
  drawing.unitTable[0].state = kRowDeleted;
  MoveObject(drawing, 10, 0, 0);
  const CheckResult r = CheckDrawing(key, drawing, {.anywhere = true});
  EXPECT_EQ(DifferencesInWords(r), "1 missing, 0 extra, 1 wrong line kind");
  // In words, view by view: a missing element where the key has it, the others where the drawing has them.
  std::vector<std::string> said = DifferenceSentences(r);
  for (const Element& e : DrawingElements(key)) {
    if (e.kind != ElementKind::Line) for (const std::string& s : ExtraInWords(e)) said.push_back(s);
  }
  Tables other = key;  // the drawn class (tests/fixtures/class) has the rest of the words
  MoveObject(other, -5, 7, 3), other.circleTable[kArcCircle].endDeg -= 5;
  said.push_back(PlacementInWords(CheckDrawing(key, other, {})));
  ASSERT_EQ(said.size(), 5u + 13u + 1u);
  for (const auto& [at, words] : std::initializer_list<std::pair<std::size_t, const char*>>{
           {0, "The whole object is drawn 10 px further right than the key's; it was compared where the key has it."},
           {1, "Front view: the edge from (175, 195) to (55, 195) is missing."},
           {3, "Side view: the edge seen end-on at (245, 195) is missing."},
           {4, "Top view: the edge from (185, 245) to (65, 245) is dotted; the key's is solid."},
           {5, "Top view: the circle at (115, 295) with radius 30 is not in the key."},
           {6, "Front view: the circle seen edge-on from (85, 135) to (145, 135) is not in the key."},
           {11, "Front view: the arc at (60, 60) with radius 40 from 30° to 29° is not in the key."},
           {12, "Top view: the arc seen edge-on from (20, 300) to (100, 300) is not in the key."},
           {14, "Front view: the line joining two circles from (85, 135) to (85, 65) is not in the key."},
           {18, "The whole object is drawn 5 px further left, 3 px lower and 7 px lower in the top view than the "
                "key's; placed where the key has it, it would score 96."}}) {
    EXPECT_EQ(said[at], words);
  }
  EXPECT_EQ(DifferencesInWords(CheckDrawing(Tables{}, key, {})), "0 missing, 16 extra, 0 wrong line kinds");
  EXPECT_EQ(CheckDrawing(Tables{}, Tables{}, {}).score, 100);
}

// Tables filled to the last row of units and circles, with relations, against themselves.
TEST(Check, FullTablesMatchThemselvesInAnyOrder) {
  std::mt19937 rng(3);
  const auto at = [&](int lo, int hi) { return static_cast<int16_t>(lo + static_cast<int>(rng() % (hi - lo))); };
  Tables t;
  // Line units in clusters of four, each 1 px from the one before in every view and of another
  // line kind: one drawing can be matched to the other in many ways, only one of them right.
  std::array<LineRecord, 3> lines{};
  for (int i = 0; i < 80; ++i) {
    if (i % 4 == 0) {
      lines = {LineRecord{at(10, 205), at(10, 205), at(10, 205), at(10, 205)},
               {at(10, 205), at(226, 430), at(10, 205), at(226, 430)}, {at(226, 440), at(10, 205), at(226, 440), at(10, 205)}};
    }
    for (LineRecord& m : lines) ++m.x1, ++m.y2, m.lineKind = static_cast<int16_t>(i % 3);
    AddUnit(t, LineRef(AddLine(t, lines[0])), lines[1], lines[2]);
  }
  for (int i = 0; i < kCircleRows; ++i) {
    const int16_t end = i % 2 ? 359 : at(1, 358);
    AddCircleUnit(t, {at(20, 190), at(20, 190), at(3, 20), 0, end}, {at(0, 215), at(216, 440), at(0, 215), at(216, 440)},
                  {at(216, 450), at(0, 215), at(216, 450), at(0, 215)});
  }
  for (int16_t i = 0; i < 4; ++i) {
    const auto line = [&] { return AddLine(t, {at(0, 215), at(216, 440), at(0, 215), at(216, 440)}); };
    t.relationTable[i] = {line(), line(), line(), line(), i, static_cast<int16_t>(i + 1), 0, 1, kRowLive};
  }
  ASSERT_EQ(FindFreeRow(t, kUnitTable, kAllocate), kNone);
  ASSERT_EQ(FindFreeRow(t, kCircleTable, kAllocate), kNone);
  ASSERT_EQ(DrawingElements(t).size(), 101u + 4);
  for (const CheckOptions& options : {CheckOptions{}, CheckOptions{.tolerance = 0, .anywhere = true}}) {
    EXPECT_TRUE(CheckDrawing(t, Rewritten(t, 5), options).Matches());
  }
}

}  // namespace
}  // namespace tova
