// Reading documents from files.
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace tova {

// The one message for every failure to read or write a document.
inline constexpr std::string_view kFileErrorMessage = "Three Is A Error! Retry!";

// Only this much of a file is read: far more than any document needs.
inline constexpr std::size_t kMaxDocumentBytes = 16u << 20;

// The first bytes (at most maxBytes) of the regular file at `path`, or nothing when it cannot
// be opened or read.
[[nodiscard]] std::optional<std::string> ReadFilePrefix(const std::string& path, std::size_t maxBytes);

}  // namespace tova
