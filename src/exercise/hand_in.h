// A hand-in: the student's drawing, a whole Tova drawing that any Tova opens as it is, followed by
// what the teacher wants to know about the work (a reader of drawings stops at the drawing's end):
//
//   Tova hand-in
//   exercise: An L-bracket
//   name: Anna Kowalska
//   seconds: 754
//   checks: 2
//   wheres: 1
//   peeks: 0
//   objects: 1
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "document/tables.h"
#include "program/exercise_state.h"

namespace tova {

struct HandIn {
  std::string exercise;  // the exercise's title
  std::string name;      // the student's
  ExerciseProgress progress;
  friend bool operator==(const HandIn&, const HandIn&) = default;
};

[[nodiscard]] std::string FormatHandIn(const Tables& drawing, const HandIn& handIn);

// The part after the drawing, when `text` is a hand-in; nothing for a plain drawing.
[[nodiscard]] std::optional<HandIn> ReadHandIn(std::string_view text);

// A file name for the hand-in: "Anna Kowalska - An L-bracket.KRT", with the characters that
// file systems refuse replaced.
[[nodiscard]] std::string HandInFileName(const HandIn& handIn);

}  // namespace tova
