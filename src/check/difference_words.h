// What differs between a drawing and its key in a teacher's words: a sentence for each view of
// each difference, positions as the window's X= and Y= read-outs show them and line kinds as
// solid, thick and dotted. "Front view: the edge from (40, 195) to (160, 195) is missing."
#pragma once

#include <string>
#include <vector>

#include "check/comparison.h"

namespace tova {

// "solid", "thick", "dotted" ("line kind N" for any other).
[[nodiscard]] std::string LineKindWord(int16_t lineKind);

// The element by its first view: "Front view: the edge from (175, 195) to (55, 195)".
[[nodiscard]] std::string ElementInWords(const Element& e);

// The key's element, where the key has it: a sentence for each view that shows it.
[[nodiscard]] std::vector<std::string> MissingInWords(const Element& key);
// The drawing's element, where the drawing has it.
[[nodiscard]] std::vector<std::string> ExtraInWords(const Element& drawing);
// A sentence for each view whose line kind differs, where the drawing has it.
[[nodiscard]] std::vector<std::string> WrongKindInWords(const WrongKind& w);

// Where the whole object stands, when it stands elsewhere than the key's: "The whole object is
// drawn 30 px further right and 20 px lower than the key's; placed where the key has it, it would
// score 100." With the move a check anywhere made, that it was compared where the key has it.
// Empty when it stands where the key does.
[[nodiscard]] std::string PlacementInWords(const CheckResult& result);

// Every sentence of the result: where the object stands, what is missing, then what has another
// line kind, then what is extra.
[[nodiscard]] std::vector<std::string> DifferenceSentences(const CheckResult& result);

}  // namespace tova
