// A check's result as JSON, for reports and for the page.
#pragma once

#include <string>
#include <string_view>

#include "check/comparison.h"

namespace tova {

// The members "score", "missing", "extra", "wrongKind", "wrongSize" and "notes", without braces, so that a caller can
// add its own. Each list holds an object per element: its kind, its row, and its views, each
// with the view's name and the figure's coordinates ("line": [x1, y1, x2, y2], "circle":
// [cx, cy, radius], "arc": [cx, cy, radius, startDeg, endDeg]) and line kind, and its "words", a
// sentence for each view (difference_words.h). A wrong-kind entry gives the drawing's row as
// well, and only the views whose kind differs, with both kinds. A wrong-size entry is the drawing's
// element with the key's row ("keyRow"); a note is a sentence. Where the object stands elsewhere
// than the key's, "placement" says so in words.
[[nodiscard]] std::string CheckResultMembers(const CheckResult& result);

// A drawing checked against the key document `keyText` for the one who drew it: one object with
// the members above, "counts" (the counts in words), "sentences" (every difference, a sentence for
// each view) and "overlay" (the differences as a picture to lay over the canvas); or with "error", the reader's reason, when the key is not a whole document.
[[nodiscard]] std::string SelfCheckJson(const Tables& drawing, std::string_view keyText);

}  // namespace tova
