// What must hold for any input given to the document reader, whatever it holds.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace tova::testing {

// Reads `input` as a document into a program that already holds a drawing. Nothing when every
// property holds, else what went wrong: a failed read must leave the drawing as it was; a read
// drawing refers only to rows inside its tables, has its used rows in a prefix, writes and reads
// back the same, and exports whole.
[[nodiscard]] std::optional<std::string> CheckDocumentReader(std::string_view input);

}  // namespace tova::testing
