// Reading documents from files.
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace tova {

struct Program;

// The one message for every failure to read or write a document.
inline constexpr std::string_view kFileErrorMessage = "Three Is A Error! Retry!";

// Only this much of a file is read: far more than any document needs.
inline constexpr std::size_t kMaxDocumentBytes = 16u << 20;

// The first bytes (at most maxBytes) of the regular file at `path`, or nothing when it cannot
// be opened or read.
[[nodiscard]] std::optional<std::string> ReadFilePrefix(const std::string& path, std::size_t maxBytes);

// Reads the document at `path`: once the file is open, the pending lines are cleared and the
// editing state reset; the four document tables are replaced only when the whole document has
// been read. False when the file cannot be opened or does not hold a whole document, and then
// the document tables are as they were.
[[nodiscard]] bool LoadDocument(Program& program, const std::string& path);

// The same for a document already read from its file.
[[nodiscard]] bool ReadDocumentText(Program& program, std::string_view text);

}  // namespace tova
