// Writing a file whole or not at all.
#pragma once

#include <string>
#include <string_view>

namespace tova {

// Writes `bytes` to `path` through a temporary file in the same folder that replaces it only
// once everything is on disk, so a failed write leaves whatever was there. Empty on success,
// otherwise what went wrong.
[[nodiscard]] std::string WriteFileAtomically(const std::string& path, std::string_view bytes);

}  // namespace tova
