// An exercise's aids and what comes of them, for both shells: starting an exercise, the check in
// words, the differences shown where they are, a peek at the key, the object turned, and the
// hand-in. Each aid used is counted.
#pragma once

#include <string>
#include <string_view>

#include "check/comparison.h"
#include "program/exercise_state.h"

namespace tova {

struct Program;

// How long a peek shows the key.
inline constexpr double kPeekSeconds = 3;
// Time between two events beyond this is a pause, not work.
inline constexpr double kLongestWorkGap = 300;

// The controls of the exercise bar and the object panel, as HandleInput names them.
inline constexpr std::string_view kCheckAid = "aid-check";
inline constexpr std::string_view kWhereAid = "aid-where";
inline constexpr std::string_view kPeekAid = "aid-peek";
inline constexpr std::string_view kObjectAid = "aid-object";
inline constexpr std::string_view kHandIn = "hand-in";
inline constexpr std::string_view kObjectBox = "O";  // the object panel's picture, for the pointer
// Turns of the object panel by the keys: "object-0" to "object-7", the direction codes of the
// 3D view's buttons.
inline constexpr std::string_view kObjectTurn = "object-";

// The aids as the shells offer them, in the order of their ladder.
struct AidControl {
  Aid aid;
  std::string_view control;
  const char* caption;
  const char* tip;
};
inline constexpr AidControl kAidControls[] = {
    {Aid::Check, kCheckAid, "Check", "Says view by view what is right and what differs from the answer"},
    {Aid::Where, kWhereAid, "Show where",
     "Marks on the canvas what differs: missing lines red, extra ones blue, another line kind or size orange"},
    {Aid::Peek, kPeekAid, "Peek", "Shows the answer's views for 3 seconds"},
    {Aid::Object, kObjectAid, "The object", "Shows the object to turn with the pointer or the arrow keys"},
};

// The aids the exercise offers and how often each was used: "Used so far: Check 1, Peek 0, The
// object 1."; empty when it offers none.
[[nodiscard]] std::string UsedInWords(const Exercise& exercise, const ExerciseProgress& progress);

// The exercise's state of each view in words, a line each: "Front view: right.", "Top view: 1 edge
// missing.", "Side view: 1 edge of the wrong line kind." Where the object stands elsewhere, that
// comes first.
[[nodiscard]] std::string ViewStates(const CheckResult& result);
// The check of the exercise in those words; a drawing that would score far better moved where the
// key has it gets where it stands, then how its views stand once moved.
[[nodiscard]] std::string CheckInWords(const Program& program);

// Starts `exercise`: its start drawing (or an empty one) on the canvas, its given views under it,
// no aid used. False, and nothing changed, when the exercise's key or start is not a whole drawing.
[[nodiscard]] bool StartExercise(Program& program, Exercise exercise);
// Ends the exercise: the window as it always was.
void EndExercise(Program& program);

// The drawing checked against the key as the exercise says (tolerance, placement).
[[nodiscard]] CheckResult CheckExercise(const Program& program);

// The controls above: true when `control` is one of them (handled, or refused because the
// exercise does not offer it).
bool HandleExerciseClick(Program& program, std::string_view control);
// Clears an aid's picture at the user's next action, and counts the time worked.
void NoteUserAction(Program& program, bool isMove);
// Ends a peek whose time is up; true when the canvas changed.
bool ExpirePeek(Program& program);

// The progress as one line of text, and back: what the page keeps across a reload.
[[nodiscard]] std::string ProgressText(const ExerciseProgress& progress);
[[nodiscard]] bool RestoreProgress(Program& program, std::string_view text);

}  // namespace tova
