// Confirming the figure under construction with "OK": a figure complete in all three views
// becomes a unit; a single segment drawn in one view between the ends of two circle units'
// projection lines becomes a relation between them.
#pragma once

#include <cstdint>
#include <optional>

namespace tova {

struct Program;

void C7_Click(Program& program);
void CommitUnit(Program& program);
void CommitRelation(Program& program);

// A live circle unit one of whose projection lines has an end within 2 pixels of a point: its
// circle row, the line whose end is near, and its other projection line.
struct UnitLineEnd {
  int16_t circle, nearLine, otherLine;
  friend bool operator==(const UnitLineEnd&, const UnitLineEnd&) = default;
};
[[nodiscard]] std::optional<UnitLineEnd> FindUnitLineEnd(const Program& program, int16_t x,
                                                        int16_t y);

}  // namespace tova
