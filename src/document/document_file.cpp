#include "document/document_file.h"

#include <sys/stat.h>

#include <cstdio>
#include <algorithm>
#include <memory>

namespace tova {

// Plain C files, not streams: the page's program would otherwise carry the streams' and locales'
// code, a quarter of its size, for this one read.
std::optional<std::string> ReadFilePrefix(const std::string& path, std::size_t maxBytes) {
  const std::unique_ptr<std::FILE, int (*)(std::FILE*)> file(std::fopen(path.c_str(), "rb"), std::fclose);
  struct stat info {};
  if (!file || fstat(fileno(file.get()), &info) != 0 || !S_ISREG(info.st_mode)) return std::nullopt;
  std::string text(std::min(static_cast<std::size_t>(info.st_size), maxBytes), '\0');
  text.resize(std::fread(text.data(), 1, text.size(), file.get()));
  if (std::ferror(file.get()) != 0) return std::nullopt;
  return text;
}

}  // namespace tova
