// What must hold for any input given to the document reader, whatever it holds.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace tova::testing {

// Reads `input` as a document into a program that already holds a drawing. Nothing when every
// property holds, else what went wrong:
// - a failed read leaves the drawing as it was;
// - a successful read gives tables whose live units and relations refer only to rows inside
//   their tables, and whose used rows form a prefix of each table;
// - writing what was read and reading it back gives the same tables, and the same text again.
[[nodiscard]] std::optional<std::string> CheckDocumentReader(std::string_view input);

}  // namespace tova::testing
