// A drawing compared with the key of its exercise, as models: which of the key's units and
// relations it lacks, which it has beyond them, and which it draws with another line kind.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "check/elements.h"

namespace tova {

struct CheckOptions {
  double tolerance = 2;   // canvas pixels between points that count as the same
  bool anywhere = false;  // the object may stand anywhere on the canvas
};

// A view in which a matched element's figure has another line kind than the key's.
struct KindDifference {
  uint8_t figure = 0;  // in the drawing's element
  int16_t pane = -1;
  int16_t key = 0, drawing = 0;
};
struct WrongKind {
  Element key, drawing;
  std::vector<KindDifference> views;
};
// A circle or arc in the key's place but of another size or other angles.
struct WrongSize {
  Element key, drawing;
};
// What the drawing shows of a key element in another way than one element for one, which costs
// nothing when the element is whole: "drawn in 2 pieces", "drawn twice"; or which the element's
// being missing already counts: "drawn in 2 pieces that leave a gap", "drawn short".
struct ShownNote {
  Element key;
  std::string what;
};

// Where a drawing compared as placed would match far better if the whole object were moved: the
// move that takes it onto the key's place, and the score it would have there.
struct Elsewhere {
  Shift shift;
  int score = 0;
};

struct CheckResult {
  int score = 100;  // 0 to 100; 100 exactly when nothing is missing, extra, of the wrong kind or size
  std::vector<Element> missing;      // the key's, where the key has them
  std::vector<Element> extra;        // the drawing's, where the drawing has them
  std::vector<WrongKind> wrongKind;  // each element where the key and the drawing have it
  std::vector<WrongSize> wrongSize;  // each element where the key and the drawing have it
  std::vector<ShownNote> notes;
  Shift shift;  // the move that takes the drawing onto the key (none unless anywhere)
  std::optional<Elsewhere> elsewhere;  // not anywhere: a move that would raise the score by 20 or more

  bool Matches() const { return missing.empty() && extra.empty() && wrongKind.empty() && wrongSize.empty(); }
};

// Each key element is matched with at most one of the drawing's, as many as can be are, and among
// the ways to match that many, one with the fewest line kinds that differ. A drawing compared as
// placed that scores 80 or less is tried anywhere too, to tell where it stands (`elsewhere`).
// Relations are not judged by line kind: the program gives their lines none of the user's.
[[nodiscard]] CheckResult CheckDrawing(const std::vector<Element>& key, const std::vector<Element>& drawing,
                                       const CheckOptions& options);
[[nodiscard]] CheckResult CheckDrawing(const Tables& key, const Tables& drawing, const CheckOptions& options);

// The counts in words: "2 missing, 1 extra, 1 wrong line kind", and ", 1 wrong size" where there
// are any.
[[nodiscard]] std::string DifferencesInWords(const CheckResult& result);

}  // namespace tova
