// Writing a file whole or not at all.
#pragma once

#include <string>
#include <string_view>

namespace tova {

// Writes `bytes` to `path` through a temporary file in the same folder that replaces it only
// once everything is on disk, so a failed write leaves whatever was there. A file replaced keeps
// its read, write and execute bits, though not its owner; a new one gets 0666 less the umask.
// The folder is synced after the rename, at best: once renamed, the file is written whether or
// not that sync works. Empty on success, otherwise what went wrong.
[[nodiscard]] std::string WriteFileAtomically(const std::string& path, std::string_view bytes);

}  // namespace tova
