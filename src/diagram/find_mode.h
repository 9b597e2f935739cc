// Find mode: "FIND/OUT" switches it; while it is on, the unit or relation under the pointer is
// highlighted in light yellow, drawn in XOR over its parts, and a click locks it for "DEL".
#pragma once

#include <cstdint>

namespace tova {

struct Program;

void C8_Click(Program& program);

// A unit or a relation found at a point; -1 where none.
struct Found {
  int16_t unit = -1;
  int16_t relation = -1;
  friend bool operator==(const Found&, const Found&) = default;
};

// The element at (x, y): a line's unit or relation first, else a circle's unit.
[[nodiscard]] Found FindElementAt(const Program& program, int16_t x, int16_t y);
[[nodiscard]] Found HitTestLines(const Program& program, int16_t x, int16_t y);
[[nodiscard]] Found HitTestCircles(const Program& program, int16_t x, int16_t y);

// XOR-draws all parts of a unit, or else of a relation, in light yellow, with a beep; none of
// either draws nothing.
void HighlightElement(Program& program, int16_t unit, int16_t relation);

// A pointer move while tracking: the old highlight off, the new one on.
void TrackFind(Program& program, int16_t x, int16_t y);

}  // namespace tova
