// What differs between a drawing and its key in a teacher's words: a sentence for each view of
// each difference, positions as the window's X= and Y= read-outs show them and line kinds as
// solid, thick and dotted. "Front view: the edge from (40, 195) to (160, 195) is missing."
#pragma once

#include <string>
#include <vector>

#include "check/comparison.h"

namespace tova {

// The texts one after another, `separator` between each two.
[[nodiscard]] std::string Joined(const std::vector<std::string>& texts, const std::string& separator);

// "solid", "thick", "dotted" ("line kind N" for any other).
[[nodiscard]] std::string LineKindWord(int16_t lineKind);

// The element by its first view that shows more than a point: "Front view: the edge from (175,
// 195) to (55, 195)".
[[nodiscard]] std::string ElementInWords(const Element& e);

// The key's element, where the key has it: a sentence for each view that shows it.
[[nodiscard]] std::vector<std::string> MissingInWords(const Element& key);
// The drawing's element, where the drawing has it.
[[nodiscard]] std::vector<std::string> ExtraInWords(const Element& drawing);
// A sentence for each view whose line kind differs, where the drawing has it.
[[nodiscard]] std::vector<std::string> WrongKindInWords(const WrongKind& w);

// The drawing's circle or arc against the key's: "Top view: the circle at (100, 290) has radius
// 33; the key's has 25."
[[nodiscard]] std::string WrongSizeInWords(const WrongSize& w);
// "Front view: the edge from (175, 195) to (55, 195) is drawn in 2 pieces."
[[nodiscard]] std::string NoteInWords(const ShownNote& n);

// Where the whole object stands, when it stands elsewhere than the key's: "The whole object is
// drawn 30 px further right and 20 px lower than the key's; placed where the key has it, it would
// score 100." With the move a check anywhere made, that it was compared where the key has it.
// Empty when it stands where the key does.
[[nodiscard]] std::string PlacementInWords(const CheckResult& result);

// Every sentence of the result: where the object stands, what is missing, what has another line
// kind, what another size, what is extra, then what the drawing shows in another way.
[[nodiscard]] std::vector<std::string> DifferenceSentences(const CheckResult& result);

}  // namespace tova
