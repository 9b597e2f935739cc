// The exercise file: one UTF-8 text that a teacher hands out. Lines of "name: value", then the
// documents it carries, each between its own "begin" and "end" lines:
//
//   Tova exercise
//   title: An L-bracket
//   task: Draw the side view.          (one line each; several make a task of several lines)
//   given: front, top                  (the key's views drawn under the student's drawing)
//   aids: check, where, peek, object   (or "none")
//   tolerance: 2                       (canvas pixels, 0 to 20)
//   placement: fixed                   ("free": the object may stand anywhere)
//   line: 55, 195, 175, 195, solid     (a figure of a given view: x1, y1, x2, y2, kind)
//   circle: 100, 100, 20, 0, 359, dotted   (cx, cy, radius, start, end degrees, kind)
//   begin key                          (the key's drawing; only when an aid needs it)
//   ...a Tova drawing...
//   end key
//   begin start                        (the drawing to start on; optional)
//   ...
//   end start
//
// Blank lines and lines starting with '#' are skipped.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "document/tables.h"
#include "program/exercise_state.h"

namespace tova {

inline constexpr std::string_view kExerciseHeader = "Tova exercise";
inline constexpr double kMaxExerciseTolerance = 20;

// "check", "where", "peek", "object".
[[nodiscard]] const char* AidName(Aid aid);

// True when `text` starts as an exercise does (its first line is the header).
[[nodiscard]] bool LooksLikeExercise(std::string_view text);

struct ExerciseReading {
  std::optional<Exercise> exercise;
  std::string reason;  // when there is none: the line and what is wrong there
};
// The exercise `text` holds. A carried drawing must be a whole Tova drawing; an aid that needs the
// key must have one; a title is required.
[[nodiscard]] ExerciseReading ReadExercise(std::string_view text);

[[nodiscard]] std::string FormatExercise(const Exercise& exercise);

// The figures of the key that the given views show (every live line and circle that lies in one
// of them), in table order.
[[nodiscard]] std::vector<GivenFigure> GivenFigures(const Tables& key, const std::array<bool, 3>& given);

// Whether an aid needs the key's drawing: all of them do.
[[nodiscard]] bool NeedsKey(const Exercise& exercise);

}  // namespace tova
