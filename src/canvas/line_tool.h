// The straight-edge tool "----": a segment drawn in one view, its depth dragged in a second
// view along the coordinate the first view fixes, and the third view completed by itself.
#pragma once

#include <cstdint>
#include <optional>

namespace tova {

struct Program;

void LineFirstPoint(Program& program, int16_t x, int16_t y);
void TrackLineFirst(Program& program, int16_t x, int16_t y);
void LineFirstEnd(Program& program);
void LineSecondPoint(Program& program, int16_t x, int16_t y);
void TrackLineSecond(Program& program, int16_t x, int16_t y);
void LineSecondEnd(Program& program, int16_t x, int16_t y);

// What the first view's segment imposes on the second view: with axis 1 the second segment's
// x values are fixed, with axis 0 its y values; start for its first end, end for its second.
struct LockedSpan {
  int16_t axis, start, end;
  friend bool operator==(const LockedSpan&, const LockedSpan&) = default;
};
// Nothing for a pair of panes that are not two different panes.
[[nodiscard]] std::optional<LockedSpan> ProjectFirstSegment(const Program& program);

}  // namespace tova
