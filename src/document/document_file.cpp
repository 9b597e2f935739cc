#include "document/document_file.h"

#include <algorithm>
#include <cstdint>
#include <filesystem>
#include <fstream>

namespace tova {

std::optional<std::string> ReadFilePrefix(const std::string& path, std::size_t maxBytes) {
  std::error_code error;
  if (!std::filesystem::is_regular_file(path, error)) return std::nullopt;
  const std::uintmax_t size = std::filesystem::file_size(path, error);
  if (error) return std::nullopt;
  std::ifstream in(path, std::ios::binary);
  if (!in) return std::nullopt;
  std::string text(static_cast<std::size_t>(std::min<std::uintmax_t>(size, maxBytes)), '\0');
  in.read(text.data(), static_cast<std::streamsize>(text.size()));
  if (in.bad()) return std::nullopt;
  text.resize(static_cast<std::size_t>(in.gcount()));
  return text;
}

}  // namespace tova
