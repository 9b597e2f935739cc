// The drawing: four fixed-capacity tables of 16-bit integers (lines, circles, units, relations)
// and the two small tables of the figure being drawn. Rows refer to each other by index.
#pragma once

#include <array>
#include <cstddef>
#include <concepts>
#include <cstdint>
#include <tuple>
#include <type_traits>

namespace tova {

// The value that stands for "none" (a row or a choice) and, as a row state, for a deleted row.
inline constexpr int16_t kNone = -1;

// Row states of the four document tables.
inline constexpr int16_t kRowUnused = 0;
inline constexpr int16_t kRowLive = 1;
inline constexpr int16_t kRowDeleted = kNone;

struct LineRecord {
  int16_t x1 = 0, y1 = 0, x2 = 0, y2 = 0, lineKind = 0, state = 0;
  friend bool operator==(const LineRecord&, const LineRecord&) = default;
};
struct CircleRecord {
  int16_t cx = 0, cy = 0, radius = 0, startDeg = 0, endDeg = 0, lineKind = 0, state = 0;
  friend bool operator==(const CircleRecord&, const CircleRecord&) = default;
};
struct UnitRecord {
  int16_t part0 = 0, part1 = 0, part2 = 0, state = 0;
  friend bool operator==(const UnitRecord&, const UnitRecord&) = default;
};
struct RelationRecord {
  int16_t line0 = 0, line1 = 0, line2 = 0, line3 = 0;
  int16_t fromCircle = 0, toCircle = 0, fromLine = 0, toLine = 0, state = 0;
  friend bool operator==(const RelationRecord&, const RelationRecord&) = default;
};
// A row of the figure being drawn: a line record without a state.
struct PendingLine {
  int16_t x1 = 0, y1 = 0, x2 = 0, y2 = 0, lineKind = 0;
  friend bool operator==(const PendingLine&, const PendingLine&) = default;
};
struct PendingCircle {
  int16_t cx = 0, cy = 0, radius = 0, startDeg = 0, endDeg = 0, lineKind = 0;
  friend bool operator==(const PendingCircle&, const PendingCircle&) = default;
};

// The fields of a record in their stored order, as a tuple of references.
template <typename R>
  requires std::same_as<std::remove_const_t<R>, LineRecord>
constexpr auto Fields(R& r) {
  return std::tie(r.x1, r.y1, r.x2, r.y2, r.lineKind, r.state);
}
template <typename R>
  requires std::same_as<std::remove_const_t<R>, CircleRecord>
constexpr auto Fields(R& r) {
  return std::tie(r.cx, r.cy, r.radius, r.startDeg, r.endDeg, r.lineKind, r.state);
}
template <typename R>
  requires std::same_as<std::remove_const_t<R>, UnitRecord>
constexpr auto Fields(R& r) {
  return std::tie(r.part0, r.part1, r.part2, r.state);
}
template <typename R>
  requires std::same_as<std::remove_const_t<R>, RelationRecord>
constexpr auto Fields(R& r) {
  return std::tie(r.line0, r.line1, r.line2, r.line3, r.fromCircle, r.toCircle, r.fromLine,
                  r.toLine, r.state);
}

// Table kinds, the numbers by which ClearTable and FindFreeRow name a table.
enum TableKind : int16_t {
  kLineTable = 0,
  kCircleTable = 1,
  kUnitTable = 2,
  kRelationTable = 3,
  kPendingLines = 4,
  kPendingCircle = 5,
};

inline constexpr int kLineRows = 301;
inline constexpr int kCircleRows = 21;
inline constexpr int kUnitRows = 101;
inline constexpr int kRelationRows = 21;
inline constexpr int kPendingLineRows = 3;

struct Tables {
  std::array<LineRecord, kLineRows> lineTable{};
  std::array<CircleRecord, kCircleRows> circleTable{};
  std::array<UnitRecord, kUnitRows> unitTable{};
  std::array<RelationRecord, kRelationRows> relationTable{};
  std::array<PendingLine, kPendingLineRows> pendingLines{};
  PendingCircle pendingCircle{};
  friend bool operator==(const Tables&, const Tables&) = default;
};

// The drawing is the four stored tables; the figure being drawn is no part of it.
[[nodiscard]] bool SameDrawing(const Tables& a, const Tables& b);
// Puts the four stored tables of `from` in place; the figure being drawn is left as it is.
void TakeDrawing(Tables& to, const Tables& from);

// Stores 0 in every field of the table of that kind (0 to 5); other kinds change nothing.
void ClearTable(Tables& tables, int16_t kind);

// FindFreeRow modes: 1 finds the end of the used range (the first never-used row); any other
// mode finds a row to allocate (the first never-used or deleted row).
inline constexpr int16_t kEndOfUsedRange = 1;
inline constexpr int16_t kAllocate = 0;

// The row found in the table of that kind (0 to 3), or kNone when there is none.
[[nodiscard]] int16_t FindFreeRow(const Tables& tables, int16_t kind, int16_t mode);

// Unit parts refer to rows by an encoded value: 1000 + i for lineTable row i, 2000 + i for
// circleTable row i. Values above 1500 are circle references.
inline constexpr int16_t kLineRefBase = 1000;
inline constexpr int16_t kCircleRefBase = 2000;
inline constexpr int16_t kRefDivide = 1500;

constexpr int16_t LineRef(int16_t row) { return static_cast<int16_t>(kLineRefBase + row); }
constexpr int16_t CircleRef(int16_t row) { return static_cast<int16_t>(kCircleRefBase + row); }
constexpr bool IsCircleRef(int16_t ref) { return ref > kRefDivide; }
// The row a reference names, in the table that IsCircleRef tells.
constexpr int16_t RefRow(int16_t ref) {
  return static_cast<int16_t>(IsCircleRef(ref) ? ref - kCircleRefBase : ref - kLineRefBase);
}

// Rows by index, or nullptr when the index lies outside the table: references read from a
// document are not trusted.
const LineRecord* LineAt(const Tables& tables, int row);
LineRecord* LineAt(Tables& tables, int row);
const CircleRecord* CircleAt(const Tables& tables, int row);
CircleRecord* CircleAt(Tables& tables, int row);
const UnitRecord* UnitAt(const Tables& tables, int row);
UnitRecord* UnitAt(Tables& tables, int row);
const RelationRecord* RelationAt(const Tables& tables, int row);
RelationRecord* RelationAt(Tables& tables, int row);

// 1 when a live relation joins circle row c, else -1.
[[nodiscard]] int16_t CircleHasRelation(const Tables& tables, int16_t c);

}  // namespace tova
